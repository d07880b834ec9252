// What a screen reader finds in every window: a name for every control a
// player can reach, the right roles, and the turn told without leaving "Gissa".

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

// The display reads as shown, a hangman word letter by letter; each change
// of the turn is told in "Gissa", where the player stays (as its
// description, whose change a screen reader speaks: scripts/screen-reader-check.sh
// hears it through AT-SPI).
TEST_F(GameWindow, TheTurnIsToldInGuess)
{
    WriteWords({"ekorre"});
    Start();
    dlg->m_engine.m_nGameTypeSetting = GAME_HANGMAN;
    AddPlayer("Anna");
    const auto told = [&] { return Guess()->accessibleDescription(); };
    Type("a");
    QAccessibleInterface* display = QAccessible::queryAccessibleInterface(Control(IDC_DISPLAY));
    EXPECT_EQ(display->text(QAccessible::Name),
              "Hänga Gubbe \u2014 Anna\n"
              "streck, streck, streck, streck, streck, streck\n");
    EXPECT_EQ(told(), display->text(QAccessible::Name));
    Type("e");
    EXPECT_TRUE(told().contains("e, streck, streck, streck, streck, e")) << told().toStdString();
    Tick(55);
    EXPECT_EQ(told(), "5 sekunder kvar");
    Tick(5);
    EXPECT_TRUE(told().startsWith("Tyvärr! Rätt svar: ekorre")) << told().toStdString();
}

} // namespace
