// What a screen reader finds in every window: a name for every control a
// player can reach.

#include "GameFixture.h"

#include "controls/AboutDlg.h"
#include "editor/HighscoreDlg.h"
#include "editor/WordListDlg.h"

#include <QAccessible>
#include <QGroupBox>
#include <QMenuBar>

namespace {

TEST_F(GameWindow, EveryControlHasANameWithoutItsMnemonic)
{
    WriteWords({"ekorre"});
    Start();
    CWordListDlg editor;
    editor.m_pGameEngine = &dlg->m_engine;
    editor.show();
    CHighscoreDlg highscores;
    highscores.m_pEngine = &dlg->m_engine;
    ASSERT_TRUE(highscores.OnInitDialog());
    CAboutDlg about;
    about.OnInitDialog();
    for (QWidget* window : std::initializer_list<QWidget*>{dlg.get(), &editor, &highscores, &about}) {
        for (QWidget* control : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (qobject_cast<QMenuBar*>(control) || qobject_cast<QGroupBox*>(control) || control->isHidden()
                || (qobject_cast<QLabel*>(control) && control->focusPolicy() == Qt::NoFocus))
                continue; // texts and frames name themselves
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
            ASSERT_TRUE(accessible);
            const QString name = accessible->text(QAccessible::Name);
            EXPECT_FALSE(name.isEmpty() || name.contains('&'))
                << window->windowTitle().toStdString() << ": " << control->metaObject()->className() << ' '
                << control->objectName().toStdString() << " \"" << name.toStdString() << '"';
        }
    }
}

} // namespace
