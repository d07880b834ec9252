#include "controls/LinkFallback.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>

namespace {

// The Windows program assembled the command line in this many bytes.
constexpr qsizetype kMaxCommandLine = 520;

std::function<QString()>& Lookup()
{
    static std::function<QString()> lookup;
    return lookup;
}

qsizetype PlaceholderStart(const QString& command)
{
    const qsizetype quoted = command.indexOf(QStringLiteral("\"%1\""));
    if (quoted >= 0)
        return quoted;
    qsizetype first = -1;
    for (const char* placeholder : {"%1", "%u", "%U", "%f", "%F"}) {
        const qsizetype at = command.indexOf(QLatin1String(placeholder));
        if (at >= 0 && (first < 0 || at < first))
            first = at;
    }
    return first;
}

QString DesktopEntryExec(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QTextStream in(&file);
    bool inEntry = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith('['))
            inEntry = line == QStringLiteral("[Desktop Entry]");
        else if (inEntry && line.startsWith(QStringLiteral("Exec=")))
            return line.mid(5);
    }
    return {};
}

} // namespace

QStringList SplitDesktopExec(const QString& command)
{
    QStringList arguments;
    QString current;
    bool inArgument = false;
    bool quoted = false;
    for (qsizetype i = 0; i < command.size(); ++i) {
        const QChar ch = command[i];
        if (quoted) {
            if (ch == '\\' && i + 1 < command.size() && QStringLiteral("\"`$\\").contains(command[i + 1]))
                current += command[++i];
            else if (ch == '"')
                quoted = false;
            else
                current += ch;
        } else if (ch == ' ' || ch == '\t') {
            if (inArgument)
                arguments << current;
            current.clear();
            inArgument = false;
            continue;
        } else if (ch == '"') {
            quoted = true;
        } else if (ch == '%' && i + 1 < command.size() && command[i + 1] == '%') {
            current += command[++i];
        } else {
            current += ch;
        }
        inArgument = true;
    }
    if (inArgument)
        arguments << current;
    return arguments;
}

std::optional<QStringList> FallbackArguments(const QString& registered, const QString& target)
{
    const qsizetype cut = PlaceholderStart(registered);
    const QString command = cut >= 0 ? registered.left(cut) : registered;
    if ((command + QLatin1Char(' ') + target).toUtf8().size() >= kMaxCommandLine)
        return std::nullopt;
    QStringList arguments = SplitDesktopExec(command);
    if (arguments.isEmpty())
        return std::nullopt;
    arguments << target;
    return arguments;
}

QString WebPageHandlerCommand()
{
    if (Lookup())
        return Lookup()();
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty())
        return {};
    QProcess query;
    query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("x-scheme-handler/http")});
    if (!query.waitForFinished(5000) || query.exitCode() != 0)
        return {};
    const QString entry = QString::fromUtf8(query.readAllStandardOutput()).trimmed();
    if (entry.isEmpty())
        return {};
    const QString path = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, entry);
    return path.isEmpty() ? QString() : DesktopEntryExec(path);
}

void SetWebPageHandlerLookup(std::function<QString()> lookup)
{
    Lookup() = std::move(lookup);
}

QString OpenErrorText(int code)
{
    QString reason;
    switch (static_cast<unsigned>(code)) {
    case 0:
        reason = "The operating system is out\nof memory or resources.";
        break;
    case 2:
        reason = "The specified file was not found.";
        break;
    case 3:
        reason = "The specified path was not found.";
        break;
    case 5:
        reason = "The operating system denied\naccess to the specified file.";
        break;
    case 8:
        reason = "There was not enough memory to complete the operation.";
        break;
    case 11:
        reason = "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).";
        break;
    case 26:
        reason = "A sharing violation occurred. ";
        break;
    case 27:
        reason = "The filename association is\nincomplete or invalid.";
        break;
    case 28:
        reason = "The DDE transaction could not\nbe completed because the request timed out.";
        break;
    case 29:
        reason = "The DDE transaction failed.";
        break;
    case 30:
        reason = "The DDE transaction could not\nbe completed because other DDE transactions\n"
                 "were being processed.";
        break;
    case 31:
        reason = "There is no application associated\nwith the given filename extension.";
        break;
    case 32:
        reason = "The specified dynamic-link library was not found.";
        break;
    default:
        reason = QStringLiteral("Unknown Error (%1) occurred.").arg(code);
        break;
    }
    return QStringLiteral("Can't open link:\n\n") + reason;
}
