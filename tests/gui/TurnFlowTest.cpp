// What the window shows of a turn; the turn's rules are the engine's tests.

#include "GameFixture.h"

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
    QAction* Action(int command) const { return dlg->findChild<QAction*>(QString::number(command)); }
};

TEST_F(Turns, HangmanTurnAsTheWindowShowsIt)
{
    StartWithPlayers({"ekorre", "bil", "hus"}, GAME_HANGMAN);
    EXPECT_EQ(Guess()->text(), LoadString(IDS_PRESS_KEY));
    EXPECT_FALSE(Action(ID_HINT)->isEnabled());
    Type("a"); // only starts the turn
    EXPECT_EQ(dlg->m_strDisplay + Guess()->text() + Countdown(), "------\r\n\r\n60");
    EXPECT_EQ(Left(), 60);
    for (const int id : {IDC_TIME_HANGMAN, IDC_TIME_ANAGRAM, IDC_TIME_MIXWORD, IDC_PENALTY,
                         IDC_MIN_LETTERS, IDC_MAX_LETTERS, IDC_SPIN_PENALTY, IDC_GAME_TYPE})
        EXPECT_FALSE(Control(id)->isEnabled()) << id;
    EXPECT_TRUE(Action(ID_HINT)->isEnabled());
    EXPECT_TRUE(Bold(0));

    Type("E");
    Type("x");
    EXPECT_EQ(dlg->m_strDisplay + Guess()->text(), "e----e\r\n\r\nex"); // each letter used up as typed
    EXPECT_EQ(Left(), 56);
    EXPECT_EQ(sounds, std::vector<unsigned>{SOUND_WRONG_LETTER});
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
    EXPECT_EQ(std::tuple(formatAt(0).foreground().color(), formatAt(0).fontStrikeOut(), formatAt(1).foreground().color(),
                         formatAt(1).fontStrikeOut()), std::tuple(QColor(0, 128, 0), false, QColor(200, 0, 0), true));

    QTest::keyClick(Guess(), Qt::Key_F3); // a hint: the k, for the penalty
    EXPECT_EQ(dlg->m_strDisplay, "ek---e\r\n\r\nekx");
    EXPECT_EQ(Left(), 52);
    Type("or");
    EXPECT_EQ(dlg->m_strDisplay, "Rätt, 104 poäng! (ekorre)"); // (6 - 5 + 1) x 52
    EXPECT_EQ(Cell(0, 2), "104");
    EXPECT_EQ(dlg->m_timer.interval(), 1500);
    EXPECT_TRUE(Control(IDC_MIN_LETTERS)->isEnabled());
    EXPECT_EQ(sounds.back(), unsigned{SOUND_SOLVED});

    Tick();
    EXPECT_EQ(dlg->m_timer.interval(), 1000);
    EXPECT_EQ(Guess()->text(), LoadString(IDS_PRESS_KEY));
    EXPECT_EQ(dlg->m_strDisplay, "Rätt, 104 poäng! (ekorre)\r\nNästa spelare: Bo");

    Type("a");
    Tick(56);
    EXPECT_EQ(Countdown(), "4");
    QTest::keyClick(Guess(), Qt::Key_F6); // give up
    EXPECT_EQ(dlg->m_strDisplay, "Tyvärr! Rätt svar: ekorre");
    EXPECT_EQ(Countdown(), "0");
    EXPECT_EQ(Left(), 0);
    EXPECT_EQ(sounds, (std::vector<unsigned>{SOUND_WRONG_LETTER, SOUND_SOLVED, SOUND_TICK, SOUND_TICK, SOUND_TIME_OUT}));
}

// Paused, the puzzle is hidden and the clock stops; a key in "Gissa" goes
// on, and is no guess.
TEST_F(Turns, PauseHidesThePuzzleUntilAKey)
{
    StartWithPlayers({"ekorre"}, GAME_HANGMAN);
    EXPECT_FALSE(Action(ID_PAUSE)->isEnabled()); // nothing to pause
    Type("a");
    Type("e");
    Tick(3);
    QTest::keyClick(Guess(), Qt::Key_P, Qt::ControlModifier);
    const QString shown = Control<QPlainTextEdit>(IDC_DISPLAY)->toPlainText();
    EXPECT_TRUE(shown.endsWith(LoadString(IDS_PAUSED))) << shown.toStdString();
    EXPECT_FALSE(shown.contains(QStringLiteral("e----e"))) << shown.toStdString();
    EXPECT_FALSE(Action(ID_HINT)->isEnabled() || Action(ID_PAUSE)->isEnabled());
    Tick(10);
    EXPECT_EQ(Left(), 57);
    Type("k");
    EXPECT_EQ(dlg->m_strDisplay + Guess()->text(), "e----e\r\n\r\ne");
    Tick();
    EXPECT_EQ(Left(), 56);
    QTest::keyClick(Guess(), Qt::Key_Pause);
    EXPECT_EQ(dlg->m_strDisplay, LoadString(IDS_PAUSED));
}

TEST_F(Turns, HintLineAndHighscoreGreetingsKeptAtOnce)
{
    const struct { int entriesAbove; const char* greeting; } cases[] = {
        {0, "\r\nGrattis, nytt highscore!"}, {9, "\r\nGrattis, ett top-tio-resultat!"}, {10, ""},
    };
    for (const auto& c : cases) {
        StartWithPlayers(ManyWords(120), GAME_ANAGRAM);
        for (int i = 0; i < c.entriesAbove; ++i)
            dlg->m_engine.AddHighscore(GAME_ANAGRAM, static_cast<unsigned>(i), "X", "2020-01-01", 35, 0);
        Type("a");
        const QString answer = QString::fromLatin1(dlg->m_engine.m_strAnswer[0].c_str());
        dlg->OnHint();
        EXPECT_TRUE(dlg->m_strDisplay.endsWith("\r\nLedtråd: " + answer.left(1) + "…"));
        Type(answer);
        EXPECT_EQ(dlg->m_strDisplay, "Rätt, 56 poäng! (" + answer + ")" + c.greeting);
        // On disk at once, before any exit: a crash cannot take it.
        const CIniFile ini = CIniFile::Parse(ReadBytes(folder.File("ordkamp.ini")));
        EXPECT_EQ(ini.Get("Scrabble", std::string("name").append(std::to_string(c.entriesAbove))), "Anna");
    }
}

} // namespace
