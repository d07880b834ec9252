// What the window shows of a turn; the turn's rules are the engine's tests.

#include "GameFixture.h"

#include "controls/LetterBoard.h"

#include <QProgressBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QPointingDevice>

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
    QString Countdown() const { return Control<QLabel>(IDC_COUNTDOWN)->text(); }
};

// The turn as shown and as told: to a screen reader the display reads as
// shown, a hangman word letter by letter, and each change is told in
// "Gissa", where the player stays (as its description, whose change a screen
// reader speaks: scripts/screen-reader-check.sh hears it through AT-SPI).
// Paused, the puzzle is hidden; a key in "Gissa" goes on, and is no guess.
TEST_F(Turns, HangmanTurnAsTheWindowShowsAndTellsIt)
{
    StartWithPlayers({"ekorre", "bil", "hus"}, GAME_HANGMAN);
    EXPECT_FALSE(Action(ID_HINT)->isEnabled() || Action(ID_PAUSE)->isEnabled());
    Type("a"); // only starts the turn
    EXPECT_EQ(dlg->m_strDisplay + Guess()->text() + Countdown(), "------\r\n\r\n60");
    for (const int id : {IDC_TIME_MIXWORD, IDC_PENALTY, IDC_MAX_LETTERS, IDC_SPIN_PENALTY, IDC_GAME_TYPE})
        EXPECT_FALSE(Control(id)->isEnabled()) << id;
    EXPECT_TRUE(Action(ID_HINT)->isEnabled() && Bold(0));
    const auto told = [&] { return Guess()->accessibleDescription(); };
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(Control(IDC_DISPLAY));
    EXPECT_EQ(reader->text(QAccessible::Name),
              "Hänga Gubbe \u2014 Anna\nstreck, streck, streck, streck, streck, streck\n");
    EXPECT_EQ(told(), reader->text(QAccessible::Name));

    Type("E");
    Type("x");
    EXPECT_EQ(dlg->m_strDisplay + Guess()->text(), "e----e\r\n\r\nex"); // each letter used up as typed
    EXPECT_TRUE(told().contains("e, streck, streck, streck, streck, e")) << told().toStdString();
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
    EXPECT_EQ(std::tuple(formatAt(0).foreground().color(), formatAt(0).fontStrikeOut(),
                         formatAt(1).foreground().color(), formatAt(1).fontStrikeOut()),
              std::tuple(QColor(0, 128, 0), false, QColor(200, 0, 0), true));

    QTest::keyClick(Guess(), Qt::Key_F3); // a hint: the k
    QTest::keyClick(Guess(), Qt::Key_P, Qt::ControlModifier);
    const QString paused = Control<QPlainTextEdit>(IDC_DISPLAY)->toPlainText();
    EXPECT_TRUE(paused.endsWith(LoadString(IDS_PAUSED)) && !paused.contains("ek---e")) << paused.toStdString();
    EXPECT_FALSE(Action(ID_HINT)->isEnabled() || Action(ID_PAUSE)->isEnabled());
    Type("o"); // goes on
    EXPECT_EQ(dlg->m_strDisplay, "ek---e\r\n\r\nekx");
    Type("or");
    EXPECT_EQ(dlg->m_strDisplay, "Rätt, 104 poäng! (ekorre)"); // (6 - 5 + 1) x 52
    EXPECT_EQ(Cell(0, 2), "104");
    EXPECT_EQ(dlg->m_timer.interval(), 1500);
    EXPECT_TRUE(Control(IDC_MIN_LETTERS)->isEnabled());

    Tick();
    EXPECT_EQ(Guess()->text(), LoadString(IDS_PRESS_KEY));
    EXPECT_EQ(dlg->m_strDisplay, "Rätt, 104 poäng! (ekorre)\r\nNästa spelare: Bo");
    Type("a");
    Tick(55);
    EXPECT_EQ(Countdown() + told(), "55 sekunder kvar");
    QTest::keyClick(Guess(), Qt::Key_F6); // give up
    EXPECT_EQ(dlg->m_strDisplay + Countdown(), "Tyvärr! Rätt svar: ekorre0");
    EXPECT_TRUE(told().startsWith("Tyvärr! Rätt svar: ekorre")) << told().toStdString();
    EXPECT_EQ(sounds, (std::vector<unsigned>{SOUND_WRONG_LETTER, SOUND_SOLVED, SOUND_TICK, SOUND_TIME_OUT}));
}

TEST_F(Turns, HintLineAndHighscoreGreetingsKeptAtOnce)
{
    for (const auto& [entriesAbove, greeting] :
         {std::pair(0, "\r\nGrattis, nytt highscore!"), std::pair(9, "\r\nGrattis, ett top-tio-resultat!"),
          std::pair(10, "")}) {
        StartWithPlayers(ManyWords(120), GAME_ANAGRAM);
        for (int i = 0; i < entriesAbove; ++i)
            dlg->m_engine.AddHighscore(GAME_ANAGRAM, static_cast<unsigned>(i), "X", "2020-01-01", 35, 0);
        Type("a");
        const QString answer = QString::fromLatin1(dlg->m_engine.m_strAnswer[0].c_str());
        dlg->OnHint();
        EXPECT_TRUE(dlg->m_strDisplay.endsWith("\r\nLedtråd: " + answer.left(1) + "…"));
        Type(answer);
        EXPECT_EQ(dlg->m_strDisplay, "Rätt, 56 poäng! (" + answer + ")" + greeting);
        // On disk at once, before any exit: a crash cannot take it.
        EXPECT_EQ(CIniFile::Parse(ReadBytes(folder.File("ordkamp.ini")))
                      .Get("Scrabble", "name" + std::to_string(entriesAbove)),
                  "Anna");
    }
}

// The same turn by keys and by the letter board: a tile, a tap, the board's
// buttons and a click on the display make the same turn events as keys.
// Script steps: key:TEXT typed, tile:L clicked (the free tile L), tap:L
// touched, word (the answer's tiles in turn), start, paus and back (the
// board's buttons), pause (Ctrl+P), display (a click on it), tick, stale (a
// click on the first tile arriving after the turn moved on), rule (the
// focus in a rule's edit, which the turn disables).
TEST_F(Turns, TheBoardPlaysAsTheKeysDo)
{
    const std::unique_ptr<QPointingDevice> touchScreen(QTest::createTouchDevice()); // the test's to delete
    const struct {
        unsigned game;
        const char *keys, *board;
    } cases[] = {
        {GAME_HANGMAN, "key:a key:e key:x key:e tick", "start tile:e tile:x tile:e tick"},
        {GAME_HANGMAN, "key:a key:x", "display tap:x"}, // one penalty for one tap
        {GAME_HANGMAN, "key:a pause key:k key:o", "start paus tile:k display tile:o"}, // nothing while paused
        {GAME_ANAGRAM, "key:a key:ekorre", "start word"},
        {GAME_ANAGRAM, "key:a key:e", "start tap:e"}, // placed once, not placed and taken back
        {GAME_ANAGRAM, "key:a key:ek", "start tile:e tile:k tile:o back"},
        {GAME_ANAGRAM, "key:a key:ek pause key:x key:o", "start tile:e tile:k paus display tile:o"},
        {GAME_ANAGRAM, "key:a key:ek", "rule start tile:e tile:k"}, // the start's prompt gone from "Gissa"
        {GAME_MIXWORD, "key:a key:bakar", "start word stale"}, // a click the turn could not follow: nothing
        {GAME_MIXWORD, "key:a key:bakar tick", "start word tick tile:b"},
    };
    // The board's tiles, or its buttons.
    const auto board = [&](bool tiles) {
        std::vector<QPushButton*> found;
        for (QPushButton* button : dlg->findChild<QWidget*>("LetterBoard")->findChildren<QPushButton*>())
            if ((dynamic_cast<CTile*>(button) != nullptr) == tiles && !button->isHidden()) // not a tile on its way out
                found.push_back(button);
        return found;
    };
    const auto tileOf = [&](const QString& name) -> QPushButton* {
        for (QPushButton* tile : board(true))
            if (tile->isEnabled() && tile->accessibleName() == name)
                return tile;
        return nullptr;
    };
    const QStringList buttons = {"start", "hint", "giveup", "paus", "back"}; // in the board's order
    const auto play = [&](unsigned game, const QString& script) {
        StartWithPlayers({"ekorre", "bakar", "filar", "m\xE5ste"}, static_cast<int>(game));
        sounds.clear();
        for (const QString& step : script.split(' ')) {
            const QString arg = step.section(':', 1);
            if (step.startsWith("key:"))
                Type(arg);
            else if (buttons.contains(step))
                QTest::mouseClick(board(false).at(buttons.indexOf(step)), Qt::LeftButton);
            else if (step == "display")
                QTest::mouseClick(Control<QPlainTextEdit>(IDC_DISPLAY)->viewport(), Qt::LeftButton);
            else if (step == "pause")
                QTest::keyClick(Guess(), Qt::Key_P, Qt::ControlModifier);
            else if (step == "rule") {
                dlg->show();
                Control(IDC_PENALTY)->setFocus();
            } else if (step == "tick")
                Tick();
            else if (step == "stale")
                dlg->OnTile(0, 0);
            else if (step == "word")
                for (const char letter : dlg->m_engine.m_strAnswer[0])
                    QTest::mouseClick(tileOf(QString(QChar(letter))), Qt::LeftButton);
            else if (QPushButton* tile = tileOf(arg); tile && step.startsWith("tile:"))
                QTest::mouseClick(tile, Qt::LeftButton);
            else if (tile && step.startsWith("tap:")) {
                QTest::touchEvent(dlg.get(), touchScreen.get()).press(0, tile->mapTo(dlg.get(), tile->rect().center()));
                QTest::touchEvent(dlg.get(), touchScreen.get())
                    .release(0, tile->mapTo(dlg.get(), tile->rect().center()));
            }
        }
        return std::tuple(dlg->m_strDisplay.toStdString(), Guess()->text().toStdString(),
                          Control<QProgressBar>(IDC_PROGRESS)->value(), sounds, dlg->m_engine.m_players[0].m_nPoints);
    };
    for (const auto& c : cases) {
        const auto byKeys = play(c.game, c.keys);
        EXPECT_EQ(play(c.game, c.board), byKeys) << c.board;
        EXPECT_TRUE(Guess()->hasFocus()) << c.board; // the keys still go where they went
    }

    // The word begun goes on after a pause, without the key that went on.
    EXPECT_EQ(std::get<1>(play(GAME_ANAGRAM, "key:a key:ek pause key:x")), "ek");
    // The tiles' names: the letter, and what became of it.
    play(GAME_HANGMAN, "start tile:e tile:x");
    QStringList named;
    for (const QString letter : {"e", "x", "k"})
        for (QPushButton* tile : board(true))
            if (tile->text() == letter)
                named << tile->accessibleName();
    EXPECT_EQ(named, (QStringList{"e, rätt", "x, fel", "k"}));
}

// A match of one round: the last round said, no turn after its end, the
// results told, and "Ny match" with the same players; a length chosen in the
// menu is kept.
TEST_F(Turns, AMatchEndsWithItsResults)
{
    WriteBytes(folder.File("ordkamp.ini"), "[Settings]\r\nMatchRounds=1\r\n");
    StartWithPlayers({"ekorre"}, GAME_ANAGRAM);
    EXPECT_EQ(dlg->windowTitle(), "Ordkamp - Omgång 1 av 1 ");
    Type("a");
    Type("ekorre");
    Tick();
    EXPECT_TRUE(dlg->m_strDisplay.endsWith("Nästa spelare: Bo (sista omgången)")) << dlg->m_strDisplay.toStdString();
    Type("a");
    QTest::keyClick(Guess(), Qt::Key_F6);
    Tick();
    QWidget* results = nullptr;
    for (QWidget* child : dlg->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        results = child->accessibleName() == "Matchens resultat" ? child : results;
    ASSERT_TRUE(results && results->isVisible());
    EXPECT_EQ(sounds.back(), unsigned{SOUND_MATCH_OVER});
    EXPECT_EQ(results->accessibleDescription(),
              "Anna vann med 120 poäng. 2: Bo, 0 poäng, längsta serie 0.\n"
              "Omgång 1: Anna 120, Bo 0");
    EXPECT_EQ(Control(IDC_GUESS)->accessibleDescription().toStdString(),
              dlg->m_strDisplay.toStdString()); // told where the player is
    Type("a");
    EXPECT_EQ(dlg->m_turn.State(), TURN_WAITING); // no turn after the last
    EXPECT_TRUE(results->isVisible());

    QTest::keyClick(Guess(), Qt::Key_N, Qt::ControlModifier); // "Ny match"
    EXPECT_FALSE(results->isVisible());
    EXPECT_EQ(std::tuple(Cell(0, 2), Cell(1, 2), Bold(0), dlg->windowTitle()),
              std::tuple(QString("0"), QString("0"), true, QString("Ordkamp - Omgång 1 av 1 ")));
    ActionNamed("3 omgångar")->trigger();
    EXPECT_EQ(dlg->windowTitle(), "Ordkamp - Omgång 1 av 3 ");
    dlg->OnExit();
    EXPECT_EQ(CIniFile::Parse(ReadBytes(folder.File("ordkamp.ini"))).Get("Settings", "MatchRounds"), "3");
}

} // namespace
