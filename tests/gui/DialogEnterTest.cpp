// Enter in a dialog built from a template presses the push button that has
// the focus, and the dialog's default button when the focus is elsewhere.

#include "GameFixture.h"

#include "controls/AboutDlg.h"
#include "editor/HighscoreDlg.h"
#include "editor/WordListDlg.h"
#include "res/EditorDialogs.h"

#include <QSignalSpy>

#include <map>

namespace {

struct DialogEnter : GameWindow {
    CWordEngine game;
    std::unique_ptr<QDialog> dialog;

    // Opens a fresh dialog of the kind, shown and active, every button enabled.
    QWidget* OpenDialog(const std::string& kind)
    {
        if (kind == "game") {
            WriteWords({"ekorre", "katten"});
            Start();
            AddPlayer("Anna");
            Select(0);
            Control<QLineEdit>(IDC_NEW_PLAYER)->setText("Bo");
            return dlg.get();
        }
        game.m_words = {"bil", "katt"};
        if (kind == "editor") {
            auto* editor = new CWordListDlg;
            editor->m_pGameEngine = &game;
            dialog.reset(editor);
        } else {
            auto* highscores = new CHighscoreDlg;
            highscores->m_pEngine = &game;
            dialog.reset(highscores);
            highscores->OnInitDialog();
        }
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        return dialog.get();
    }
};

TEST_F(DialogEnter, PressesTheFocusedButtonElseTheDefault)
{
    const struct { const char* kind; std::vector<int> buttons; int elsewhere, defaultButton; } dialogs[] = {
        {"editor", {IDC_ADD_SORT, IDC_SAVE_LIST, IDC_CANCEL_BUTTON, IDOK_BUTTON}, IDC_WORDS, IDOK_BUTTON},
        {"highscore", {IDC_RESET_HIGHSCORE, IDOK_BUTTON}, IDC_HIGHSCORE_LIST, IDOK_BUTTON},
        {"game", {IDC_ADD_PLAYER, IDC_SET_AS_NEXT, IDC_DELETE_PLAYER}, IDC_NEW_PLAYER, IDC_ADD_PLAYER},
    };
    answer = IDNO;
    for (const auto& d : dialogs) {
        std::vector<int> targets = d.buttons;
        targets.push_back(d.elsewhere);
        for (const int target : targets) {
            QWidget* window = OpenDialog(d.kind);
            std::map<int, std::unique_ptr<QSignalSpy>> clicks;
            for (const int id : d.buttons)
                clicks[id] = std::make_unique<QSignalSpy>(DialogControl<QPushButton>(window, id), &QPushButton::clicked);
            DialogControl(window, target)->setFocus();
            QTest::keyClick(DialogControl(window, target), Qt::Key_Return);
            const int pressed = target == d.elsewhere ? d.defaultButton : target;
            for (const auto& [id, spy] : clicks)
                EXPECT_EQ(spy->count(), id == pressed ? 1 : 0) << d.kind << ": Enter on " << target << ", button " << id;
        }
    }
}

} // namespace
