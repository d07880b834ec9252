#include "GameFixture.h"

#include "EngineFixtures.h"
#include "profile/IniFile.h"
#include "res/Strings.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTextBlock>
#include <QTextCursor>

namespace {

struct Turns : GameWindow {
    void StartWithPlayers(const std::vector<std::string>& words, int game)
    {
        WriteWords(words);
        Start();
        AddPlayer("Anna");
        AddPlayer("Bo");
        ChooseGame(game);
    }
    int Left() const { return Control<QProgressBar>(IDC_PROGRESS)->value(); }
    QString Countdown() const { return Control<QLabel>(IDC_COUNTDOWN)->text(); }
    const Player& Anna() const { return dlg->m_engine.m_players[0]; }
};

TEST_F(Turns, HangmanTurnWonLetterByLetter)
{
    StartWithPlayers({"ekorre", "bil", "hus"}, GAME_HANGMAN);
    EXPECT_EQ(Guess()->text(), LoadString(IDS_PRESS_KEY));
    EXPECT_EQ(dlg->windowTitle(), "Ordkamp - Omgång: 1 ");

    Type("a"); // only starts the turn
    EXPECT_EQ(dlg->m_turn.State(), 0);
    EXPECT_EQ(dlg->m_strDisplay, "------\r\n\r\n");
    EXPECT_EQ(Guess()->text(), "");
    EXPECT_EQ(Countdown(), "60");
    EXPECT_EQ(Left(), 60);
    EXPECT_FALSE(Control(IDC_MIN_LETTERS)->isEnabled());
    EXPECT_FALSE(Control(IDC_GAME_TYPE)->isEnabled());
    EXPECT_TRUE(Bold(0));

    Type("E");
    EXPECT_EQ(dlg->m_strDisplay, "e----e\r\n\r\ne");
    EXPECT_EQ(Guess()->text(), "");
    Type("x");
    EXPECT_EQ(dlg->m_strDisplay, "e----e\r\n\r\nex");
    EXPECT_EQ(Left(), 56);
    // Above the puzzle its game and player; the tried letters marked right
    // (green) or wrong (red, struck through).
    const QTextDocument* shown = Control<QPlainTextEdit>(IDC_DISPLAY)->document();
    EXPECT_EQ(shown->firstBlock().text(), "Hänga Gubbe \u2014 Anna");
    const QTextBlock tried = shown->lastBlock();
    ASSERT_EQ(tried.text(), "ex");
    const auto formatAt = [&](int i) {
        QTextCursor cursor(tried);
        cursor.setPosition(tried.position() + i + 1);
        return cursor.charFormat();
    };
    EXPECT_FALSE(formatAt(0).fontStrikeOut());
    EXPECT_EQ(formatAt(0).foreground().color(), QColor(0, 128, 0));
    EXPECT_TRUE(formatAt(1).fontStrikeOut());
    EXPECT_EQ(formatAt(1).foreground().color(), QColor(200, 0, 0));
    Type("x"); // tried before: costs nothing
    Type(" ");
    EXPECT_EQ(Left(), 56);
    Type("kor");
    EXPECT_EQ(dlg->m_turn.State(), 2);
    EXPECT_EQ(dlg->m_strDisplay, "Rätt, 112 poäng! (ekorre)"); // (6 - 5 + 1) x 56
    EXPECT_EQ(Cell(0, 1), "1");
    EXPECT_EQ(Cell(0, 2), "112");
    EXPECT_EQ(Control<QTreeWidget>(IDC_PLAYERS)->topLevelItem(0)->data(0, Qt::UserRole), 0);
    EXPECT_EQ(Control<QTreeWidget>(IDC_PLAYERS)->topLevelItem(1)->data(0, Qt::UserRole), 2);
    EXPECT_EQ(dlg->m_timer.interval(), 1500);
    EXPECT_TRUE(Control(IDC_MIN_LETTERS)->isEnabled());

    Type("q"); // the pause ignores typing
    EXPECT_EQ(dlg->m_turn.State(), 2);
    Tick();
    EXPECT_EQ(dlg->m_turn.State(), 1);
    EXPECT_EQ(dlg->m_timer.interval(), 1000);
    EXPECT_EQ(Guess()->text(), LoadString(IDS_PRESS_KEY));
    EXPECT_EQ(dlg->m_strDisplay, "Rätt, 112 poäng! (ekorre)\r\nNästa spelare: Bo");
}

TEST_F(Turns, AnagramTurnWonByTypingTheWord)
{
    StartWithPlayers({"ekorre", "bil", "hus"}, GAME_ANAGRAM);
    Type("a");
    EXPECT_EQ(dlg->m_strDisplay, "\r\n" + QString::fromLatin1(dlg->m_engine.m_strPuzzle.c_str()));
    Tick(2);
    Type("ekorr");
    EXPECT_EQ(dlg->m_turn.State(), 0);
    Type("E");
    EXPECT_EQ(dlg->m_turn.State(), 2);
    EXPECT_EQ(dlg->m_strDisplay, "Rätt, 116 poäng! (ekorre)");
    EXPECT_EQ(Guess()->text(), "ekorrE"); // kept until the pause ends
    EXPECT_EQ(dlg->windowTitle(), "Ordkamp - Omgång: 1 ");
}

TEST_F(Turns, TimeOutBeepsOnTheLastSecondsAndClearsTheBonus)
{
    StartWithPlayers({"ekorre", "bil", "hus"}, GAME_ANAGRAM);
    dlg->m_engine.m_players[0].m_nBonus = 3;
    Type("a");
    Tick(54);
    EXPECT_EQ(Countdown(), "6");
    EXPECT_EQ(beeps, 0);
    Tick(5);
    EXPECT_EQ(Countdown(), "1");
    EXPECT_EQ(sounds, std::vector<unsigned>(5, SOUND_TICK));
    Tick();
    EXPECT_EQ(beeps, 6);
    EXPECT_EQ(sounds.back(), unsigned{SOUND_TIME_OUT});
    EXPECT_EQ(Countdown(), "0");
    EXPECT_EQ(Left(), 0);
    EXPECT_EQ(dlg->m_strDisplay, "Tyvärr! Rätt svar: ekorre");
    EXPECT_EQ(Anna().m_nBonus, 0u);
    EXPECT_EQ(dlg->m_turn.State(), 2);
    Tick();
    EXPECT_EQ(beeps, 6);
}

TEST_F(Turns, HangmanPenaltyAtTheEndOfTheClock)
{
    // A wrong letter sounds softly; then the clock's own sound, if any.
    using Sounds = std::vector<unsigned>;
    const struct { int ticks; int penalty; int left; Sounds sounds; bool failed; } cases[] = {
        {57, 4, 0, {SOUND_WRONG_LETTER, SOUND_TIME_OUT}, true},   // 3 left, penalty 4
        {50, 4, 6, {SOUND_WRONG_LETTER}, false},  // 10 left
        {50, 5, 5, {SOUND_WRONG_LETTER, SOUND_TICK}, false},
        {50, 10, 0, {SOUND_WRONG_LETTER, SOUND_TIME_OUT}, true},
    };
    for (const auto& c : cases) {
        StartWithPlayers({"ekorre", "bil", "hus"}, GAME_HANGMAN);
        Control<QSpinBox>(IDC_PENALTY)->setValue(c.penalty);
        dlg->OnKillfocusPenalty();
        Type("a");
        Tick(c.ticks);
        sounds.clear();
        Type("z");
        EXPECT_EQ(Left(), c.left) << c.penalty;
        EXPECT_EQ(sounds, c.sounds) << c.penalty;
        EXPECT_EQ(dlg->m_strDisplay == "Tyvärr! Rätt svar: ekorre", c.failed) << c.penalty;
    }
}

TEST_F(Turns, MixwordShowsThreeRowsAndAnyWordSolves)
{
    StartWithPlayers({"bakar", "filar", "m\xE5ste"}, GAME_MIXWORD);
    Type("a");
    EXPECT_EQ(dlg->m_strDisplay.count("\r\n"), 2);
    Type(QString::fromLatin1(dlg->m_engine.m_strAnswer[2].c_str()));
    EXPECT_EQ(dlg->m_turn.State(), 2);
    EXPECT_TRUE(dlg->m_strDisplay.startsWith("Rätt, "));
    EXPECT_EQ(dlg->m_strDisplay.count(", "), 3);
}

TEST_F(Turns, HighscoreGreetingsByPlace)
{
    const struct { int entriesAbove; const char* greeting; } cases[] = {
        {0, "\r\nGrattis, nytt highscore!"}, {9, "\r\nGrattis, ett top-tio-resultat!"}, {10, ""},
    };
    for (const auto& c : cases) {
        StartWithPlayers(ManyWords(120), GAME_ANAGRAM);
        for (int i = 0; i < c.entriesAbove; ++i)
            dlg->m_engine.AddHighscore(GAME_ANAGRAM, static_cast<unsigned>(i), "X", "2020-01-01", 35, 0);
        Type("a");
        Type(QString::fromLatin1(dlg->m_engine.m_strAnswer[0].c_str()));
        ASSERT_EQ(dlg->m_turn.State(), 2);
        EXPECT_EQ(dlg->m_strDisplay, "Rätt, 60 poäng! (" +
                  QString::fromLatin1(dlg->m_engine.m_strAnswer[0].c_str()) + ")" + c.greeting);
        // Kept on disk at once, before any exit: a crash cannot take it.
        const CIniFile ini = CIniFile::Parse(ReadBytes(folder.File("ordkamp.ini")));
        EXPECT_EQ(ini.Get("Scrabble", std::string("name").append(std::to_string(c.entriesAbove))), "Anna");
    }
}

// A way out of a hard word: a hint for the penalty's seconds, or giving up.
TEST_F(Turns, HintsCostTimeAndGivingUpIsATimeOut)
{
    StartWithPlayers(ManyWords(120, 6), GAME_HANGMAN);
    QAction* hint = dlg->findChild<QAction*>(QString::number(ID_HINT));
    QAction* giveUp = dlg->findChild<QAction*>(QString::number(ID_GIVE_UP));
    EXPECT_FALSE(hint->isEnabled()); // no turn runs
    EXPECT_FALSE(giveUp->isEnabled());
    hint->trigger();
    EXPECT_EQ(dlg->m_turn.State(), 1);

    for (const unsigned game : {GAME_HANGMAN, GAME_ANAGRAM, GAME_MIXWORD}) {
        ChooseGame(static_cast<int>(game));
        Type("a");
        ASSERT_EQ(dlg->m_turn.State(), 0);
        EXPECT_TRUE(hint->isEnabled());
        const std::string answer = dlg->m_engine.m_strAnswer[0];
        QTest::keyClick(Guess(), Qt::Key_F3);
        EXPECT_EQ(Left(), 60 - 4) << game; // the hangman penalty
        if (game == GAME_HANGMAN)
            EXPECT_EQ(dlg->m_engine.m_strPuzzle.front(), answer.front());
        else
            EXPECT_TRUE(dlg->m_strDisplay.endsWith("Ledtråd: " + QString::fromLatin1(answer.substr(0, game == GAME_MIXWORD ? 2 : 1).c_str()) + "…"))
                << dlg->m_strDisplay.toStdString();
        const Player& solver = dlg->m_engine.m_players[dlg->m_engine.m_nCurPlayer];
        Type(QString::fromLatin1(answer.c_str())); // solved with a hint: scored by the seconds left
        ASSERT_EQ(dlg->m_turn.State(), 2) << game;
        EXPECT_EQ(dlg->m_engine.m_nLastPoints, int(answer.size() - 5 + solver.m_nBonus) * 56);
        Tick();
    }

    // Never the last letter: a refused hint costs nothing.
    ChooseGame(GAME_HANGMAN);
    Type("a");
    for (int i = 0; i < 10; ++i)
        dlg->OnHint();
    const int hidden = static_cast<int>(std::count(dlg->m_engine.m_strPuzzle.begin(), dlg->m_engine.m_strPuzzle.end(), '-'));
    EXPECT_GT(hidden, 0);
    const int left = Left();
    dlg->OnHint();
    EXPECT_EQ(Left(), left);

    const Player& quitter = dlg->m_engine.m_players[dlg->m_engine.m_nCurPlayer];
    const uint32_t points = quitter.m_nPoints;
    QTest::keyClick(Guess(), Qt::Key_F6); // give up
    EXPECT_EQ(dlg->m_turn.State(), 2);
    EXPECT_TRUE(dlg->m_strDisplay.startsWith("Tyvärr! Rätt svar: "));
    EXPECT_EQ(quitter.m_nBonus, 0u);
    EXPECT_EQ(quitter.m_nPoints, points);
}

TEST_F(Turns, NoPlayersMeansNoTurn)
{
    WriteWords({"ekorre"});
    Start();
    Type("a");
    EXPECT_EQ(dlg->m_turn.State(), 1);
    EXPECT_EQ(dlg->m_strDisplay, "\r\nLägg till minst en spelare.");
}

} // namespace
