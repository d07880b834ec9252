// Choosing the word list in play: the lists by language, a themed list of
// another language with its hint sentences on F3, kept over a restart, the
// standard list back (with a word) when the chosen one is gone; the first
// list the interface language's; the editor on the player's own list of the
// language in play.

#include "GameFixture.h"
#include "KvtmlDocument.h"

#include "editor/WordListDlg.h"
#include "res/EditorTemplates.h"
#include "wordlists/WordListCatalog.h"

#include <QMenu>

namespace {

// The desktop of the tests: vocabulary files in a data folder of their
// own, no system word lists.
struct Desktop : GameWindow {
    TempFolder data;

    void SetUp() override
    {
        GameWindow::SetUp();
        qputenv("XDG_DATA_HOME", QByteArray::fromStdString(data.Path().string()));
        qputenv("XDG_DATA_DIRS", "/nowhere");
        SetSystemWordListFoldersOverride(QString::fromStdString(data.File("registry")),
                                         QString::fromStdString(data.File("dict")));
    }
    void TearDown() override
    {
        SetSystemWordListFoldersOverride({}, {});
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_DATA_DIRS");
        GameWindow::TearDown();
    }
    void Vocabulary(const std::string& file, const std::string& title, const std::string& entries)
    {
        data.Put(file, KvtmlDocument(title, entries));
    }
    // What the menu shows, sections and menus in brackets, as it opens.
    QStringList Menu(QMenu* menu)
    {
        emit menu->aboutToShow();
        QStringList shown;
        for (QAction* action : menu->actions())
            shown << (action->isSeparator() || action->menu()
                          ? "[" + action->text() + "]"
                          : action->text() + (action->isEnabled() ? "" : " (grey)"));
        return shown;
    }
    QMenu* WordListMenu()
    {
        for (QMenu* menu : dlg->findChildren<QMenu*>())
            if (menu->title() == LoadString(IDS_WORD_LIST_MENU))
                return menu;
        return nullptr;
    }
    QAction* Choice(const QString& key)
    {
        for (QAction* action : dlg->findChildren<QAction*>())
            if (action->isCheckable() && action->data().toString() == key)
                return action;
        return nullptr;
    }
    // The count, and the list's name whole, as its tooltip holds it.
    std::string Available()
    {
        const QLabel* label = Control<QLabel>(IDC_AVAILABLE);
        const QString text = label->text();
        return (label->toolTip().isEmpty() ? text : text.left(text.indexOf('(')) + "(" + label->toolTip() + ")")
            .toStdString();
    }
};

TEST_F(Desktop, AListOfAnotherLanguageIsPlayedWithItsHintsAndKept)
{
    Vocabulary("apps/kvtml/sv/djur.kvtml", "Djur", KvtmlEntry("ekorre") + KvtmlEntry("vessla") + KvtmlEntry("hej då"));
    Vocabulary("apps/kvtml/sv/bilar.kvtml", "Bilar", KvtmlEntry("saab") + KvtmlEntry("audi"));
    Vocabulary("apps/kvtml/en/animals.kvtml", "Animals",
               KvtmlEntry("badger", "Digs in the woods") + KvtmlEntry("weasel", "Digs in the woods")
                   + KvtmlEntry("hello there"));
    Vocabulary("apps/kvtml/ru/animals.kvtml", "Животные", KvtmlEntry("кошка") + KvtmlEntry("собака"));
    WriteWords({"bilar", "katten", "huset"});

    Start();
    QMenu* menu = WordListMenu();
    ASSERT_NE(menu, nullptr);
    // The player's language first, its standard list, then its themes by
    // name, one too short for the rules greyed; other languages as menus,
    // read when they open; none whose letters the files cannot hold.
    EXPECT_EQ(Menu(menu),
              (QStringList{"[svenska]", "Standardlistan (ordkamp.se)", "Bilar (2 ord) (grey)",
                           "Djur (2 ord, 1 överhoppade)", "[English]"}));
    QMenu* english = nullptr;
    for (QAction* action : menu->actions())
        english = action->menu() ? action->menu() : english;
    ASSERT_NE(english, nullptr);
    EXPECT_EQ(Menu(english), QStringList{"Animals (2 ord, 1 överhoppade)"});
    Choice("en/animals.kvtml")->trigger();
    EXPECT_EQ(Available(), "Tillgängliga ord: 2 (Animals, English)");
    EXPECT_TRUE(Choice("en/animals.kvtml")->isChecked());
    EXPECT_EQ(QFileInfo(QFile::decodeName(dlg->OwnList().m_strFileName.c_str())).fileName(),
              "ordkamp.en"); // what the editor edits

    AddPlayer("Anna");
    ChooseGame(GAME_MIXWORD); // two words of a length: too few for a mixword, as on any list
    Type("a");
    EXPECT_EQ(dlg->m_strDisplay, LoadString(IDS_TOO_FEW_WORDS));
    ChooseGame(GAME_ANAGRAM);
    Type("a");
    dlg->OnHint();
    EXPECT_TRUE(Control<QPlainTextEdit>(IDC_DISPLAY)->toPlainText().contains("Digs in the woods"));
    dlg->OnGiveUp();
    Tick();

    dlg->OnExit();
    Start(); // the choice is kept
    EXPECT_EQ(Available(), "Tillgängliga ord: 2 (Animals, English)");
    dlg->OnExit();

    std::filesystem::remove(data.File("apps/kvtml/en/animals.kvtml"));
    boxes.clear();
    Start(); // the list is gone: the standard list, with a word
    EXPECT_EQ(Available(), "Tillgängliga ord: 3");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].first.toStdString(),
              "Ordlistan \"en/animals.kvtml\" kunde inte läsas in. Standardlistan används.");
}

// The first start plays the interface language's standard list (this test
// runs in both languages); a list chosen earlier plays, and is welcomed,
// also when the standard list cannot be read.
TEST_F(Desktop, FirstStartPlaysTheInterfaceLanguagesList)
{
    const bool english = InstalledLanguage() == Language::English;
    Vocabulary("apps/kvtml/de/tiere.kvtml", "Tiere", KvtmlEntry("Straße") + KvtmlEntry("Bär") + KvtmlEntry("Löwe"));
    const struct {
        const char *list, *chosen, *available;
        bool welcome;
    } cases[] = {
        {"words", "", english ? "2" : "3", true},
        {"words", english ? "ordkamp.en" : "ordkamp.se", english ? "2" : "3", true}, // chosen under the other language
        {"words", "de/tiere.kvtml", "1 (Tiere, Deutsch)", true},
        {"none", "de/tiere.kvtml", "1 (Tiere, Deutsch)", true},
        {"none", "", "0", false},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(folder.File("ordkamp.se"));
        std::filesystem::remove(folder.File("ordkamp.en"));
        if (std::string(c.list) == "words") {
            WriteBytes(folder.File("ordkamp.se"), "bilar\r\nkatten\r\nhuset\r\n");
            WriteBytes(folder.File("ordkamp.en"), "house\r\nmouse\r\n");
        }
        WriteBytes(folder.File("ordkamp.ini"), std::string("[Settings]\r\nWordList=") + c.chosen + "\r\n");
        SetAppPathOverride(folder.Path().string());
        Start();
        EXPECT_EQ(
            std::pair(Available(), dlg->m_strDisplay == LoadString(IDS_WELCOME)),
            std::pair((english ? "Available words: " : "Tillgängliga ord: ") + std::string(c.available), c.welcome))
            << c.list << " " << c.chosen;
        dlg->OnExit();
    }
}

// Another language's list in play: the editor edits the player's own list
// of that language, starting from the game's, and saves it beside the
// player's other files, never over the game's.
TEST_F(Desktop, TheEditorEditsThePlayersOwnListOfTheLanguageInPlay)
{
    TempFolder game;
    WriteBytes(game.File("ordkamp.en"), "house\r\nmouse\r\n");
    WriteWords({"bilar", "katten", "huset", "stolen"});
    SetAppPathOverride({});
    SetAppFolders(folder.Path().string(), game.Path().string());
    Vocabulary("apps/kvtml/en/animals.kvtml", "Animals", KvtmlEntry("badger") + KvtmlEntry("weasel"));
    Start();
    WordListMenu()->aboutToShow();
    for (QMenu* menu : WordListMenu()->findChildren<QMenu*>())
        emit menu->aboutToShow();
    Choice("en/animals.kvtml")->trigger();

    CWordListDlg editor;
    editor.m_pGameEngine = &dlg->OwnList();
    editor.show();
    EXPECT_EQ(editor.windowTitle(), "Redigera ordlista (ordkamp.en)");
    EXPECT_EQ(editor.m_engine.m_words.size(), 2u);
    DialogControl<QPlainTextEdit>(&editor, IDC_NEW_WORDS)->setPlainText("garden");
    editor.OnAddSort();
    editor.OnSaveList();
    editor.OnOK();
    EXPECT_EQ(ReadBytes(folder.File("ordkamp.en")), "garden\r\nhouse\r\nmouse\r\n");
    EXPECT_EQ(ReadBytes(game.File("ordkamp.en")), "house\r\nmouse\r\n");
    EXPECT_EQ(Available(), "Tillgängliga ord: 2 (Animals, English)"); // the list in play is still the theme

    // Standard lists in and out of play keep what they hold.
    dlg->ChooseWordList("ordkamp.en");
    EXPECT_EQ(Available(), "Tillgängliga ord: 3 (ordkamp.en, English)");
    dlg->ChooseWordList("");
    EXPECT_EQ(Available(), "Tillgängliga ord: 4");
    dlg->ChooseWordList("ordkamp.en");
    EXPECT_EQ(Available(), "Tillgängliga ord: 3 (ordkamp.en, English)");
    SetAppFolders({}, {});
}

} // namespace
