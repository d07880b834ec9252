// Choosing the word list in play: a themed list of the desktop's, its hint
// sentences on F3, kept over a restart, and the standard list back (with a
// word) when the chosen one is gone.

#include "GameFixture.h"

#include "res/Strings.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>

namespace {

TEST_F(GameWindow, AThemedListIsPlayedWithItsHintsAndKept)
{
    TempFolder data;
    std::filesystem::create_directories(data.File("apps/kvtml/sv"));
    const std::string file = data.File("apps/kvtml/sv/djur.kvtml");
    WriteBytes(file, "<?xml version=\"1.0\" encoding=\"UTF-8\"?><kvtml version=\"2.0\"><information><title>Djur"
                     "</title></information><entries>"
                     "<entry><translation id=\"0\"><text>ekorre</text><comment>Klättrar i träd</comment></translation></entry>"
                     "<entry><translation id=\"0\"><text>vessla</text><comment>Klättrar i träd</comment></translation></entry>"
                     "<entry><translation id=\"0\"><text>hej då</text></translation></entry></entries></kvtml>");
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(data.Path().string()));
    qputenv("XDG_DATA_DIRS", "/nowhere");
    WriteWords({"bilar", "katten", "huset"});
    const auto available = [&] { return Control<QLabel>(IDC_AVAILABLE)->text().toStdString(); };

    Start();
    for (QMenu* menu : dlg->findChildren<QMenu*>()) // its lists are read when it opens
        if (menu->title() == "&Ordlista")
            emit menu->aboutToShow();
    QAction* djur = nullptr;
    for (QAction* action : dlg->findChildren<QAction*>())
        if (action->data().toString() == "sv/djur.kvtml")
            djur = action;
    ASSERT_NE(djur, nullptr);
    EXPECT_EQ(djur->text().toStdString(), "Djur (2 ord, 1 överhoppade)");
    djur->trigger();
    EXPECT_EQ(available(), "Tillgängliga ord: 2 (Djur)");
    EXPECT_EQ(dlg->OwnList().m_words.size(), 3u); // what the editor edits

    AddPlayer("Anna");
    ChooseGame(GAME_MIXWORD); // two words of a length: too few for a mixword, as on any list
    Type("a");
    EXPECT_EQ(dlg->m_strDisplay, LoadString(IDS_TOO_FEW_WORDS));
    ChooseGame(GAME_ANAGRAM);
    Type("a");
    dlg->OnHint();
    EXPECT_TRUE(Control<QPlainTextEdit>(IDC_DISPLAY)->toPlainText().contains("Klättrar i träd"));
    dlg->OnGiveUp();
    Tick();

    dlg->OnExit();
    Start(); // the choice is kept
    EXPECT_EQ(available(), "Tillgängliga ord: 2 (Djur)");
    dlg->OnExit();

    std::filesystem::remove(file);
    boxes.clear();
    Start(); // the list is gone: the standard list, with a word
    EXPECT_EQ(available(), "Tillgängliga ord: 3");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].first.toStdString(), "Ordlistan \"sv/djur.kvtml\" kunde inte läsas in. Standardlistan används.");
    qunsetenv("XDG_DATA_HOME");
    qunsetenv("XDG_DATA_DIRS");
}

} // namespace
