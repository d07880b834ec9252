#include "platform/Shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace {

std::function<intptr_t(const QString&)>& Hook()
{
    static std::function<intptr_t(const QString&)> hook;
    return hook;
}

std::function<bool(const QString&, const QStringList&)>& StartHook()
{
    static std::function<bool(const QString&, const QStringList&)> hook;
    return hook;
}

} // namespace

intptr_t ShellOpen(const QString& target)
{
    if (Hook())
        return Hook()(target);

    // A path on disk is a file to open; anything else is a link.
    const bool isFile = QFileInfo(target).isAbsolute();
    if (isFile && !QFileInfo::exists(target))
        return SE_ERR_FILE_NOT_FOUND;
    const QUrl url = isFile ? QUrl::fromLocalFile(target) : QUrl(target);
    return QDesktopServices::openUrl(url) ? SE_OPENED : SE_ERR_NO_ASSOCIATION;
}

void SetShellOpenHook(std::function<intptr_t(const QString& target)> hook)
{
    Hook() = std::move(hook);
}

bool StartProgram(const QString& program, const QStringList& arguments)
{
    if (StartHook())
        return StartHook()(program, arguments);
    return QProcess::startDetached(program, arguments);
}

void SetStartProgramHook(std::function<bool(const QString& program, const QStringList& arguments)> hook)
{
    StartHook() = std::move(hook);
}
