#include "WordGameApp.h"

#include "Version.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kVersion = "Ordkamp " ORDKAMP_VERSION;

constexpr const char* kHelp =
    "Usage: ordkamp [--help | --version]\n"
    "\n"
    "Ordkamp is a Swedish word game for several players at one keyboard: hangman\n"
    "(\"Hänga Gubbe\"), anagram and \"Mixord\", each turn against the clock.\n"
    "It has no other options; start it without any to play.\n"
    "\n"
    "  --help     show this text and exit\n"
    "  --version  show the version and exit\n";

} // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(kHelp, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("%s\n", kVersion);
            return 0;
        }
    }
    QApplication application(argc, argv);
    CWordGameApp game;
    game.InitInstance();
    return 0;
}
