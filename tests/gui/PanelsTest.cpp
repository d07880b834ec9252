#include "GameFixture.h"

namespace {

struct Panels : GameWindow {
    void StartWith(std::initializer_list<const char*> names)
    {
        WriteWords({"ekorre", "katten", "bil", "hus", "kastade", "bakar", "filar", "m\xE5ste"});
        Start();
        for (const char* name : names)
            AddPlayer(name);
    }
    int Face(int row) const { return Row(row)->data(0, Qt::UserRole).toInt(); }
};

TEST_F(Panels, AddingPlayers)
{
    StartWith({});
    auto* name = Control<QLineEdit>(IDC_NEW_PLAYER);
    QTest::keyClicks(name, "  ");
    EXPECT_FALSE(Control(IDC_ADD_PLAYER)->isEnabled());
    QTest::keyClicks(name, "Anna  ");
    QTest::keyClick(name, Qt::Key_Return); // the default button
    ASSERT_EQ(dlg->m_engine.m_players.size(), 1u);
    EXPECT_EQ(dlg->m_engine.m_players[0].m_strName + name->text().toStdString(), "Anna");
    EXPECT_EQ(Guess()->text(), LoadString(IDS_PRESS_KEY));
    // The display says whose turn it is and how to start.
    EXPECT_EQ(Control<QPlainTextEdit>(IDC_DISPLAY)->toPlainText(),
              "Nästa spelare: Anna\nTryck på en tangent i \"Gissa\" eller klicka här för att börja.");
    dlg->show();
    name->setFocus();
    QTest::keyClick(name, Qt::Key_Return); // with no name: on to the guess field
    EXPECT_TRUE(Guess()->hasFocus());

    dlg->m_strDisplay = "kvar";
    AddPlayer(QStringLiteral("Åsa")); // a second player changes no text
    EXPECT_EQ(dlg->m_strDisplay, "kvar");
    EXPECT_EQ(dlg->m_engine.m_players[1].m_strName, "\xC5sa"); // stored as Windows-1252
    EXPECT_EQ(Cell(1, 0), "Åsa");
    EXPECT_EQ(dlg->windowTitle(), "Ordkamp - Omgång: 1 ");

    AddPlayer("Bo");
    dlg->m_engine.m_players[0].m_nPoints = 10;
    dlg->m_engine.m_players[1].m_nPoints = 5;
    dlg->RefreshPlayers();
    EXPECT_EQ(std::vector<int>({Face(0), Face(1), Face(2)}), std::vector<int>({0, 1, 2})); // leader, middle, last

    for (const int reply : {IDNO, IDYES}) { // resetting the scores asks first
        answer = reply;
        Action(ID_RESET_SCORES)->trigger();
        EXPECT_EQ(dlg->m_engine.m_players[0].m_nPoints, reply == IDNO ? 10u : 0u);
    }
    EXPECT_EQ(boxes.at(1).first, "Vill du verkligen nollställa alla poäng?");
}

// Who plays after a deletion is the engine's rule; here, what the window says.
TEST_F(Panels, DeleteAndSetAsNextDuringATurnAndAPause)
{
    StartWith({"Anna", "Bo", "Cissi"});
    Type("a");
    Select(2); // not the current player: the turn goes on
    dlg->OnDeletePlayer();
    EXPECT_EQ(dlg->m_turn.State(), TURN_RUNNING);
    Select(0);
    QTest::mouseClick(Control<QPushButton>(IDC_DELETE_PLAYER), Qt::LeftButton); // the current one: abandoned
    EXPECT_EQ(dlg->m_turn.State(), TURN_WAITING);
    EXPECT_EQ(dlg->m_strDisplay, "\r\nNästa spelare: Bo");

    Type("a");
    dlg->SubtractTime(1000); // Bo fails: a result pause
    Select(0);
    QTest::mouseClick(Control<QPushButton>(IDC_SET_AS_NEXT), Qt::LeftButton);
    EXPECT_EQ(dlg->m_turn.State(), TURN_WAITING);
    EXPECT_EQ(dlg->m_timer.interval(), 1000); // the next turn ticks by the second
    EXPECT_TRUE(Bold(0));
    Tick(); // no pause is left to end
    EXPECT_EQ(dlg->m_strDisplay, "\r\nNästa spelare: Bo");

    Select(0);
    dlg->OnDeletePlayer(); // the last player
    EXPECT_EQ(dlg->m_strDisplay, "\r\nLägg till minst en spelare.");
    EXPECT_EQ(dlg->windowTitle(), "Ordkamp");
}

TEST_F(Panels, RulesAreShownAsClampedAndCountTheAvailableWords)
{
    StartWith({});
    EXPECT_EQ(dlg->m_strAvailable, "Tillgängliga ord: 6");
    // The engine's clamps are its own tests; here, that the edits show them.
    const struct {
        int id;
        const char* typed;
        int min, max, penalty, anagram;
    } cases[] = {
        {IDC_MIN_LETTERS, "40", 35, 35, 4, 60},
        {IDC_MAX_LETTERS, "4", 4, 4, 4, 60},
        {IDC_PENALTY, "0", 4, 4, 1, 60},
        {IDC_TIME_ANAGRAM, "1500", 4, 4, 1, 999},
    };
    for (const auto& c : cases) {
        auto* spin = Control<QSpinBox>(c.id);
        spin->selectAll();
        QTest::keyClicks(spin, c.typed);
        QTest::keyClick(spin, Qt::Key_Return); // the edit is left
        std::vector<int> shown;
        for (const int id : {IDC_MIN_LETTERS, IDC_MAX_LETTERS, IDC_PENALTY, IDC_TIME_ANAGRAM})
            shown.push_back(Control<QSpinBox>(id)->value());
        EXPECT_EQ(shown, std::vector<int>({c.min, c.max, c.penalty, c.anagram})) << c.id << '=' << c.typed;
    }
    EXPECT_EQ(dlg->m_strAvailable, "Tillgängliga ord: 0"); // no word of four letters
}

} // namespace
