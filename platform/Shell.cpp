#include "platform/Shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace {

std::function<intptr_t(const QString&)>& Hook()
{
    static std::function<intptr_t(const QString&)> hook;
    return hook;
}

std::function<QString(const QString&)>& ChooseFileHook()
{
    static std::function<QString(const QString&)> hook;
    return hook;
}

std::function<bool(const QString&, const QStringList&)>& StartHook()
{
    static std::function<bool(const QString&, const QStringList&)> hook;
    return hook;
}

QtMessageHandler g_previousHandler = nullptr;

// Qt warns on stderr when the desktop has nothing to open a file or link
// with; the game then shows it inside or says so itself, so that warning
// is noise to a player.
void QuietNoLauncher(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("Unable to detect a launcher")))
        return;
    if (g_previousHandler)
        g_previousHandler(type, context, message);
}

bool OpenThroughDesktop(const QUrl& url)
{
    g_previousHandler = qInstallMessageHandler(QuietNoLauncher);
    const bool opened = QDesktopServices::openUrl(url);
    qInstallMessageHandler(g_previousHandler);
    return opened;
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
    return OpenThroughDesktop(url) ? SE_OPENED : SE_ERR_NO_ASSOCIATION;
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

QString ChooseFileToOpen(QWidget* parent, const QString& title, const QString& filter)
{
    if (ChooseFileHook())
        return ChooseFileHook()(title);
    return QFileDialog::getOpenFileName(parent, title, QDir::homePath(), filter);
}

void SetChooseFileHook(std::function<QString(const QString& title)> hook)
{
    ChooseFileHook() = std::move(hook);
}
