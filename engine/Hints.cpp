#include "engine/Hints.h"

#include "engine/WordEngine.h"

char HangmanHintLetter(const CWordEngine& engine)
{
    const std::string& word = engine.m_strAnswer[0];
    const std::string& shown = engine.m_strPuzzle;
    char letter = '\0';
    bool another = false;
    for (std::size_t i = 0; i < word.size() && i < shown.size(); ++i) {
        if (shown[i] != '-')
            continue;
        if (letter == '\0')
            letter = word[i];
        else if (word[i] != letter)
            another = true;
    }
    return another ? letter : '\0';
}

std::string HintPrefix(const CWordEngine& engine, unsigned level)
{
    const std::string& word = engine.m_strAnswer[0];
    const std::size_t letters = engine.m_nGameType == GAME_MIXWORD ? std::size_t{level} + 1 : level;
    if (level == 0 || letters >= word.size())
        return {};
    return word.substr(0, letters);
}
