#include "app/WordGameApp.h"
#include "platform/MessageBox.h"

#include "Version.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <utility>

namespace {

// Reads the command line before any window exists, so that --help,
// --version and a wrong option work without a display. -1: go on and play;
// else the exit status.
int ReadCommandLine(int argc, char** argv)
{
    const QCoreApplication reader(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(ORDKAMP_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Ordkamp is a Swedish word game for several players at one keyboard: hangman\n"
                       "(\"Hänga Gubbe\"), anagram and \"Mixord\", each turn against the clock.\n"
                       "It has no other options; start it without any to play."));
    parser.addHelpOption();
    parser.addVersionOption();
    // Qt's own options are for QApplication: known here, so that they are
    // not taken for wrong ones.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const std::pair<const char*, bool> qtOptions[] = {
        // name, takes a value
        {"platform", true},        {"platformpluginpath", true},
        {"platformtheme", true},   {"plugin", true},
        {"qwindowgeometry", true}, {"qwindowicon", true},
        {"qwindowtitle", true},    {"display", true},
        {"geometry", true},        {"style", true},
        {"stylesheet", true},      {"session", true},
        {"reverse", false},        {"widgetcount", false},
        {"nograb", false},         {"dograb", false},
        {"sync", false},
    };
    for (const auto& [name, takesValue] : qtOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(),
                                  takesValue ? QStringLiteral("value") : QString());
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    QString error;
    if (!parser.parse(QCoreApplication::arguments()))
        error = parser.errorText();
    else if (!parser.positionalArguments().isEmpty())
        error = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
    if (!error.isEmpty()) {
        std::fprintf(stderr, "ordkamp: %s\nTry 'ordkamp --help'.\n", qPrintable(error));
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("Ordkamp %s\n", ORDKAMP_VERSION);
        return 0;
    }
    return -1;
}

} // namespace

int main(int argc, char** argv)
{
    // Without arguments there is nothing to read: a player's start does not
    // pay for a second application object.
    if (argc > 1)
        if (const int status = ReadCommandLine(argc, argv); status >= 0)
            return status;
    // The menu stays in the window, where the window's layout leaves room
    // for it, also on a desktop with a global menu bar; and the start does
    // not wait for the session bus to ask whether there is one.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication application(argc, argv);
    CWordGameApp game;
    game.InitInstance();
    return 0;
}
