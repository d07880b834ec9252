#include "GameFixture.h"

#include "platform/UpDownEdit.h"
#include "res/Strings.h"

#include <QPlainTextEdit>
#include <QProgressBar>

namespace {

struct Panels : GameWindow {
    void StartWith(std::initializer_list<const char*> names)
    {
        WriteWords({"ekorre", "katten", "bil", "hus", "kastade", "bakar", "filar", "m\xE5ste"});
        Start();
        for (const char* name : names)
            AddPlayer(name);
    }
    int Face(int row) const
    {
        return Control<QTreeWidget>(IDC_PLAYERS)->topLevelItem(row)->data(0, Qt::UserRole).toInt();
    }
};

TEST_F(Panels, AddingPlayers)
{
    StartWith({});
    auto* name = Control<QLineEdit>(IDC_NEW_PLAYER);
    QTest::keyClicks(name, "  ");
    EXPECT_FALSE(Control(IDC_ADD_PLAYER)->isEnabled());
    name->clear();
    QTest::keyClicks(name, "  Anna  ");
    EXPECT_TRUE(Control(IDC_ADD_PLAYER)->isEnabled());
    QTest::keyClick(name, Qt::Key_Return); // the default button
    ASSERT_EQ(dlg->m_engine.m_players.size(), 1u);
    EXPECT_EQ(dlg->m_engine.m_players[0].m_strName, "Anna");
    EXPECT_EQ(name->text(), "");
    EXPECT_FALSE(Control(IDC_ADD_PLAYER)->isEnabled());
    EXPECT_EQ(dlg->m_strDisplay, "\r\nNästa spelare: Anna");
    EXPECT_EQ(Guess()->text(), LoadString(IDS_PRESS_KEY));
    // The display says whose turn it is and how to start.
    EXPECT_EQ(Control<QPlainTextEdit>(IDC_DISPLAY)->toPlainText(),
              "Nästa spelare: Anna\nTryck på en tangent i \"Gissa\" för att börja.");
    dlg->show();
    QApplication::setActiveWindow(dlg.get());
    name->setFocus();
    QTest::keyClick(name, Qt::Key_Return); // with no name: on to the guess field
    EXPECT_TRUE(Guess()->hasFocus());
    EXPECT_EQ(dlg->m_engine.m_players.size(), 1u);

    dlg->m_strDisplay = "kvar";
    dlg->UpdateData(false);
    AddPlayer(QStringLiteral("Åsa")); // a second player changes neither text
    EXPECT_EQ(dlg->m_strDisplay, "kvar");
    EXPECT_EQ(dlg->m_engine.m_players[1].m_strName, "\xC5sa"); // stored as Windows-1252
    EXPECT_EQ(Cell(1, 0), "Åsa");
    EXPECT_EQ(dlg->windowTitle(), "Ordkamp - Omgång: 1 ");
}

TEST_F(Panels, FacesAndTheCurrentRow)
{
    StartWith({"Anna", "Bo", "Cissi"});
    EXPECT_EQ(Face(0), 0);
    EXPECT_EQ(Face(2), 0); // all equal: all lead
    dlg->m_engine.m_players[0].m_nPoints = 10;
    dlg->m_engine.m_nCurPlayer = 2;
    dlg->RefreshPlayers();
    EXPECT_EQ(Face(0), 0);
    EXPECT_EQ(Face(1), 2);
    EXPECT_EQ(Face(2), 2);
    dlg->m_engine.m_players[1].m_nPoints = 5;
    dlg->RefreshPlayers();
    EXPECT_EQ(Face(1), 1);
    EXPECT_TRUE(Bold(2));
    EXPECT_FALSE(Bold(0));
    EXPECT_TRUE(Control<QTreeWidget>(IDC_PLAYERS)->selectedItems().isEmpty());

    Select(1);
    EXPECT_TRUE(Control(IDC_SET_AS_NEXT)->isEnabled());
    EXPECT_TRUE(Control(IDC_DELETE_PLAYER)->isEnabled());
    dlg->RefreshPlayers();
    EXPECT_FALSE(Control(IDC_SET_AS_NEXT)->isEnabled());
    EXPECT_FALSE(Control(IDC_DELETE_PLAYER)->isEnabled());
}

TEST_F(Panels, DeletingPlayers)
{
    const struct { unsigned current; int removed; const char* display; unsigned nowCurrent; unsigned round; } cases[] = {
        {2, 2, "\r\nNästa spelare: Anna", 0, 0},   // the last row: the first plays, round 1
        {1, 1, "\r\nNästa spelare: Cissi", 1, 3},  // the middle: the next one plays
        {2, 0, nullptr, 1, 3},                     // before the current: same person
    };
    for (const auto& c : cases) {
        StartWith({"Anna", "Bo", "Cissi"});
        dlg->m_engine.m_nCurPlayer = c.current;
        dlg->m_engine.m_nRound = 3;
        dlg->m_strDisplay = "före";
        dlg->UpdateData(false);
        Select(c.removed);
        QTest::mouseClick(Control<QPushButton>(IDC_DELETE_PLAYER), Qt::LeftButton);
        EXPECT_EQ(dlg->m_strDisplay, c.display ? QString(c.display) : QString("före"));
        EXPECT_EQ(dlg->m_engine.m_nCurPlayer, c.nowCurrent);
        EXPECT_EQ(dlg->windowTitle(), "Ordkamp - Omgång: " + QString::number(c.round + 1) + " ");
    }

    StartWith({"Anna"});
    Select(0);
    dlg->OnDeletePlayer();
    EXPECT_EQ(dlg->m_strDisplay, "\r\nLägg till minst en spelare.");
    EXPECT_EQ(dlg->windowTitle(), "Ordkamp");
    dlg->OnDeletePlayer(); // nothing selected
}

TEST_F(Panels, DeleteAndSetAsNextDuringATurnAndAPause)
{
    StartWith({"Anna", "Bo", "Cissi"});
    Type("a");
    ASSERT_EQ(dlg->m_turn.State(), 0);
    Select(2); // not the current player: the turn goes on
    dlg->OnDeletePlayer();
    EXPECT_EQ(dlg->m_turn.State(), 0);
    Select(0);
    dlg->OnDeletePlayer(); // the current one: the turn is abandoned
    EXPECT_EQ(dlg->m_turn.State(), 1);
    EXPECT_EQ(dlg->m_strDisplay, "\r\nNästa spelare: Bo");
    EXPECT_EQ(dlg->m_engine.m_players[0].m_nPoints, 0u);

    Type("a");
    dlg->SubtractTime(1000); // Bo fails: a result pause
    ASSERT_EQ(dlg->m_turn.State(), 2);
    Select(0);
    QTest::mouseClick(Control<QPushButton>(IDC_SET_AS_NEXT), Qt::LeftButton);
    EXPECT_EQ(dlg->m_turn.State(), 1);
    EXPECT_EQ(dlg->m_timer.interval(), 1000);
    EXPECT_EQ(dlg->m_engine.m_nCurPlayer, 0u);
    EXPECT_EQ(dlg->m_strDisplay, "\r\nNästa spelare: Bo");
    EXPECT_TRUE(Bold(0));
    Tick(); // no pause is left to end
    EXPECT_EQ(dlg->m_strDisplay, "\r\nNästa spelare: Bo");

    AddPlayer("Cissi");
    Type("a");
    dlg->SubtractTime(1000); // another pause, with the next player chosen
    ASSERT_EQ(dlg->m_timer.interval(), 1500);
    Select(static_cast<int>(dlg->m_engine.m_nCurPlayer));
    dlg->OnDeletePlayer(); // the next player leaves during the pause
    EXPECT_EQ(dlg->m_turn.State(), 1);
    EXPECT_EQ(dlg->m_timer.interval(), 1000); // the next turn ticks by the second
}

TEST_F(Panels, RulesAreClampedWhenTheEditIsLeft)
{
    StartWith({});
    const struct { int id; const char* typed; int min, max, penalty, hangman, anagram; } cases[] = {
        {IDC_MIN_LETTERS, "2", 3, 8, 4, 60, 60},
        {IDC_MIN_LETTERS, "40", 35, 35, 4, 60, 60},
        {IDC_MAX_LETTERS, "4", 4, 4, 4, 60, 60},
        {IDC_MIN_LETTERS, "10", 10, 10, 4, 60, 60},
        {IDC_PENALTY, "0", 10, 10, 1, 60, 60},
        {IDC_PENALTY, "100", 10, 10, 60, 60, 60},
        {IDC_PENALTY, "30", 10, 10, 30, 60, 60},
        {IDC_TIME_HANGMAN, "0", 10, 10, 30, 1, 60},
        {IDC_TIME_ANAGRAM, "1500", 10, 10, 30, 1, 999},
    };
    for (const auto& c : cases) {
        auto* spin = Control<QSpinBox>(c.id);
        spin->selectAll();
        QTest::keyClicks(spin, c.typed);
        QTest::keyClick(spin, Qt::Key_Return); // the edit is left
        EXPECT_EQ(Control<QSpinBox>(IDC_MIN_LETTERS)->value(), c.min) << c.id << '=' << c.typed;
        EXPECT_EQ(Control<QSpinBox>(IDC_MAX_LETTERS)->value(), c.max) << c.id << '=' << c.typed;
        EXPECT_EQ(Control<QSpinBox>(IDC_PENALTY)->value(), c.penalty) << c.id << '=' << c.typed;
        EXPECT_EQ(Control<QSpinBox>(IDC_TIME_HANGMAN)->value(), c.hangman) << c.id << '=' << c.typed;
        EXPECT_EQ(Control<QSpinBox>(IDC_TIME_ANAGRAM)->value(), c.anagram) << c.id << '=' << c.typed;
    }
    EXPECT_EQ(dlg->m_engine.m_nTime[GAME_ANAGRAM], 999u);
}

TEST_F(Panels, AvailableWordsFollowTheLengthRulesOnly)
{
    StartWith({});
    EXPECT_EQ(dlg->m_strAvailable, "Tillgängliga ord: 6");
    auto* min = Control<QSpinBox>(IDC_MIN_LETTERS);
    min->setValue(3);
    dlg->OnKillfocusMinLetters();
    EXPECT_EQ(dlg->m_strAvailable, "Tillgängliga ord: 8");
    dlg->m_engine.m_nMinLetters = 7; // behind the panel's back
    Control<QSpinBox>(IDC_TIME_MIXWORD)->setValue(30);
    dlg->OnKillfocusTimeMixword();
    EXPECT_EQ(dlg->m_strAvailable, "Tillgängliga ord: 8");
}

TEST_F(Panels, ArrowsStayInTheirRanges)
{
    StartWith({});
    const struct { int id; int from; int steps; int to; } cases[] = {
        {IDC_MIN_LETTERS, 35, 1, 35}, {IDC_MIN_LETTERS, 3, -1, 3}, {IDC_MAX_LETTERS, 8, 1, 9},
        {IDC_PENALTY, 1, -1, 0}, {IDC_PENALTY, 0, -1, 0}, {IDC_TIME_HANGMAN, 999, 1, 999},
        {IDC_TIME_ANAGRAM, 1, -1, 1}, {IDC_TIME_MIXWORD, 1500, -1, 999},
    };
    for (const auto& c : cases) {
        auto* spin = Control<CUpDownEdit>(c.id);
        spin->setValue(c.from);
        spin->stepBy(c.steps);
        EXPECT_EQ(spin->value(), c.to) << c.id << ' ' << c.from;
    }
}

TEST_F(Panels, GameTypeTakesEffectAtTheNextTurn)
{
    StartWith({"Anna"});
    ChooseGame(GAME_HANGMAN);
    Type("a");
    dlg->SubtractTime(1000);
    ChooseGame(GAME_RANDOM); // during the result pause
    EXPECT_EQ(dlg->m_engine.m_nGameTypeSetting, unsigned{GAME_RANDOM});
    Tick();
    Type("a");
    EXPECT_FALSE(Control(IDC_GAME_TYPE)->isEnabled());
    for (const int id : {IDC_TIME_HANGMAN, IDC_TIME_ANAGRAM, IDC_TIME_MIXWORD, IDC_PENALTY,
                         IDC_MIN_LETTERS, IDC_MAX_LETTERS, IDC_SPIN_PENALTY})
        EXPECT_FALSE(Control(id)->isEnabled()) << id;
}

TEST_F(Panels, ResettingScores)
{
    StartWith({});
    dlg->OnResetScores();
    EXPECT_TRUE(boxes.empty());

    AddPlayer("Anna");
    dlg->m_engine.m_players[0] = {"Anna", 50, 2};
    dlg->m_engine.m_nRound = 4;
    answer = IDNO;
    dlg->findChild<QAction*>(QString::number(ID_RESET_SCORES))->trigger();
    EXPECT_EQ(dlg->m_engine.m_players[0].m_nPoints, 50u);
    answer = IDYES;
    dlg->OnResetScores();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].first, "Vill du verkligen nollställa alla poäng?");
    EXPECT_EQ(boxes[1].second, unsigned{MB_YESNOCANCEL | MB_ICONQUESTION});
    EXPECT_EQ(Cell(0, 1), "0");
    EXPECT_EQ(Cell(0, 2), "0");
    EXPECT_EQ(dlg->windowTitle(), "Ordkamp - Omgång: 1 ");
}

} // namespace
