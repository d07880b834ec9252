// Enter in a window built from a template presses the push button that has
// the focus, and the window's default button when the focus is elsewhere.
// Every template's buttons are made in one place, so the game window stands
// for them all.

#include "GameFixture.h"

#include <QSignalSpy>

#include <map>

namespace {

TEST_F(GameWindow, EnterPressesTheFocusedButtonElseTheDefault)
{
    WriteWords({"ekorre", "katten"});
    answer = IDNO;
    const int buttons[] = {IDC_ADD_PLAYER, IDC_SET_AS_NEXT, IDC_DELETE_PLAYER};
    for (const int target : {IDC_ADD_PLAYER, IDC_SET_AS_NEXT, IDC_DELETE_PLAYER, IDC_NEW_PLAYER}) {
        Start();
        AddPlayer("Anna");
        Select(0); // enables "Sätt som nästa" and "Ta bort"
        Control<QLineEdit>(IDC_NEW_PLAYER)->setText("Bo"); // and "Lägg till"
        std::map<int, std::unique_ptr<QSignalSpy>> clicks;
        for (const int id : buttons)
            clicks[id] = std::make_unique<QSignalSpy>(Control<QPushButton>(id), &QPushButton::clicked);
        Control(target)->setFocus();
        QTest::keyClick(Control(target), Qt::Key_Return);
        const int pressed = target == IDC_NEW_PLAYER ? IDC_ADD_PLAYER : target; // "Lägg till" is the default
        for (const auto& [id, spy] : clicks)
            EXPECT_EQ(spy->count(), id == pressed ? 1 : 0) << "Enter on " << target << ", button " << id;
    }
}

} // namespace
