#pragma once

#include "engine/Match.h"
#include "engine/Random.h"
#include "engine/Rules.h"
#include "engine/SafeFile.h"
#include "engine/WordList.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

enum : unsigned { GAME_HANGMAN, GAME_ANAGRAM, GAME_MIXWORD, GAME_ALTERNATING, GAME_RANDOM };
enum : unsigned { GUESS_NONE, GUESS_SOLVED, GUESS_WRONG_LETTER };
enum : int { SORT_ALPHABETICAL = 0, SORT_BY_LENGTH = 1 };

enum : unsigned {
    GAME_COUNT = 3, // games with a table of their own (hangman, anagram, mixword)
    HIGHSCORE_PLACES = 100,
    HIGHSCORE_NOT_ELIGIBLE = 101, // hangman solved under a penalty below 3 seconds
};

struct Player {
    std::string m_strName;
    uint32_t m_nPoints = 0;
    uint32_t m_nBonus = 0;
};

struct CHighscoreEntry {
    std::string m_strName = "-", m_strDate = "-";
    int16_t m_nWordLength = 0, m_nTimeUsed = 0;

    // (120 - seconds used) x word length; never stored.
    int32_t Score() const { return (120 - int32_t{m_nTimeUsed}) * int32_t{m_nWordLength}; }
    bool operator==(const CHighscoreEntry&) const = default;
};

// All game state that is not window state: the word list and its file, the
// puzzle of the current turn, rules, players and highscore tables. The game
// window owns one; the word-list editor owns a second as its working copy.
class CWordEngine {
public:
    CWordEngine();

    std::string m_strFileName;
    CWordList m_words;
    std::vector<Player> m_players;
    std::string m_strPuzzle, m_strAnswer[3], m_strGuessed, m_strAnswerText;
    uint32_t m_nGameTypeSetting = GAME_ALTERNATING, m_nGameType = GAME_HANGMAN, m_nCurPlayer = 0;
    int32_t m_nLastPoints = 0;
    uint32_t m_nRound = 0;
    uint32_t m_nMinLetters = kRules[RULE_MIN_LETTERS].defaultValue;
    uint32_t m_nMaxLetters = kRules[RULE_MAX_LETTERS].defaultValue;
    uint32_t m_nHangmanPenalty = kRules[RULE_PENALTY].defaultValue;
    uint32_t m_nTime[3] = {kRules[RULE_TIME_HANGMAN].defaultValue, kRules[RULE_TIME_ANAGRAM].defaultValue,
                           kRules[RULE_TIME_MIXWORD].defaultValue};
    CHighscoreEntry m_highscores[GAME_COUNT][HIGHSCORE_PLACES];
    uint32_t m_nLastGameType = GAME_HANGMAN, m_nHighscoreRank = 0, m_nLengthCount[36] = {};
    // How the last load or save of the word-list file went, and what the
    // file held then.
    FileResult m_wordFileResult;
    FileStamp m_wordFileStamp;
    // The last list loaded was UTF-8 (converted); it is saved as Windows-1252.
    bool m_bReadAsUtf8 = false;
    // Every random choice of the puzzles.
    CRandom m_random;
    // A hint sentence for some words of the list (a themed list's), by word.
    std::unordered_map<std::string, std::string> m_hints;

    // Word store and word-list file.
    bool LoadWordList();
    bool SaveWordList();
    // True when the file no longer holds what was last loaded or saved
    // (someone else changed it, or it cannot be read now).
    bool WordFileChangedSinceRead() const;
    void AddWord(std::string& word);
    void AddWordsFromText(const std::string& text, int mode);
    void SortWords(int mode);
    // Both leave the length counts as they were; rows outside the list are
    // ignored, and DeleteWords takes them in any order.
    void DeleteWord(unsigned index);
    void DeleteWords(std::vector<std::size_t> rows);
    unsigned CountWords(unsigned lo, unsigned hi) const;
    unsigned CountAvailableWords() const;
    // Rule `index` (RULE_...), clamped as kRules says, and the penalty not
    // above the hangman time, the shortest word not above the longest.
    void SetRule(unsigned index, unsigned value);
    unsigned GetRule(unsigned index) const;
    // Both take the hint sentences along with the words.
    void ClearWords();
    void CopyWordsFrom(const CWordEngine& source);
    // The hint sentence of the word in play (of a mixword, its first word);
    // empty when it has none.
    std::string HintSentence() const;

    // Puzzles.
    bool NewPuzzle();
    void BuildPuzzle();
    std::string PickWord(unsigned minLen, unsigned maxLen, std::string_view avoid1 = {}, std::string_view avoid2 = {});
    std::string GetAnswerText();

    // Checking, scoring and highscores.
    unsigned CheckGuess(const std::string& guess, unsigned secondsLeft);
    void RecordSolve(unsigned secondsLeft);
    void ResetHighscores(unsigned game);
    void AddHighscore(unsigned game, unsigned index, const std::string& name, const std::string& date,
                      int16_t wordLength, int16_t timeUsed);

    // Players.
    void AddPlayer(const std::string& name);
    void DeletePlayer(unsigned index);
    void NextPlayer();
    void ResetScores();

    // The match the players are in (its lines follow the roster), over
    // once its last round is finished; a new one keeps the players and
    // their order and starts at the first player of round 1.
    CMatch m_match;
    bool MatchOver() const { return m_match.Over(m_nRound); }
    void NewMatch(unsigned rounds);
};
