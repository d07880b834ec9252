// A look at the word engine from the terminal: loads the word list beside
// the program and shows the counts and one puzzle of each game.

#include "WordEngine.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

std::filesystem::path ProgramFolder(const char* argv0)
{
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return (error ? std::filesystem::absolute(argv0) : self).parent_path();
}

// The engine's words are Windows-1252; the terminal expects UTF-8. Every
// letter a word can hold lies in the Latin-1 part of the code page.
std::string ToUtf8(const std::string& bytes)
{
    std::string text;
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            text += ch;
        } else {
            text += static_cast<char>(0xC0 | (c >> 6));
            text += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return text;
}

} // namespace

int main(int, char** argv)
{
    CWordEngine engine;
    engine.m_strFileName = (ProgramFolder(argv[0]) / "ordkamp.se").string();
    if (!engine.LoadWordList()) {
        std::printf("Kunde inte läsa ordlistan %s\n", engine.m_strFileName.c_str());
        return 1;
    }
    std::printf("Ordlista: %s\nOrd: %zu\n", engine.m_strFileName.c_str(), engine.m_words.size());
    for (unsigned length = 3; length <= 35; ++length)
        if (engine.m_nLengthCount[length] != 0)
            std::printf("  %2u bokstäver: %u\n", length, engine.m_nLengthCount[length]);
    std::printf("Tillgängliga ord: %u\n", engine.CountAvailableWords());

    static const char* const kNames[] = {"Hänga Gubbe", "Anagram", "Mixord"};
    for (unsigned game = GAME_HANGMAN; game <= GAME_MIXWORD; ++game) {
        engine.m_nGameTypeSetting = game;
        if (engine.NewPuzzle()) {
            std::printf("\n%s: inget pussel\n", kNames[game]);
            continue;
        }
        std::printf("\n%s:\n%s\nSvar: %s\n", kNames[game], ToUtf8(engine.m_strPuzzle).c_str(),
                    ToUtf8(engine.GetAnswerText()).c_str());
    }
    return 0;
}
