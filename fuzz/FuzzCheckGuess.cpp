// CheckGuess over a random puzzle with any guesses: the results stay in
// range, hangman keeps its puzzle and tried letters consistent, and a solve
// is scored once.

#include "engine/Letters.h"
#include "engine/WordEngine.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    static const std::string words =
        "ekorre\nbakar\nfilar\nm\xE5ste\nhakar\nlakar\n\xF6verallt\nkastade\nsovande\nbilarna\n";
    CWordEngine engine;
    engine.AddWordsFromText(words, SORT_BY_LENGTH);
    engine.AddPlayer("Anna");
    engine.m_nGameTypeSetting = data[0] % 5;
    engine.m_random.Seed(data[1]);
    if (engine.NewPuzzle())
        std::abort(); // every game has a puzzle in this list

    const std::string input(reinterpret_cast<const char*>(data) + 2, size - 2);
    std::size_t start = 0;
    unsigned solves = 0;
    while (start <= input.size() && solves == 0) {
        const std::size_t end = std::min(input.find('\n', start), input.size());
        const unsigned result = engine.CheckGuess(input.substr(start, end - start), 30);
        if (result > GUESS_WRONG_LETTER)
            std::abort();
        solves += result == GUESS_SOLVED;
        start = end + 1;

        if (engine.m_nGameType == GAME_HANGMAN) {
            const std::string& word = engine.m_strAnswer[0];
            if (engine.m_strPuzzle.size() != word.size())
                std::abort();
            for (std::size_t i = 0; i < word.size(); ++i)
                if (engine.m_strPuzzle[i] != '-' && engine.m_strPuzzle[i] != word[i])
                    std::abort();
            const std::string& tried = engine.m_strGuessed;
            for (std::size_t i = 1; i < tried.size(); ++i)
                if (static_cast<unsigned char>(tried[i - 1]) >= static_cast<unsigned char>(tried[i]))
                    std::abort();
        }
    }
    if (solves == 1 && engine.m_players[0].m_nBonus != 1)
        std::abort();
    return 0;
}
