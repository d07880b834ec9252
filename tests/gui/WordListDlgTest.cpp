#include "GameFixture.h"

#include "editor/WordListDlg.h"
#include "res/EditorDialogs.h"
#include "res/Strings.h"

#include <QFile>
#include <QListView>
#include <QPlainTextEdit>
#include <QTimer>

namespace {

using Words = std::vector<std::string>;

struct Editor : GameWindow {
    CWordEngine game;
    std::unique_ptr<CWordListDlg> editor;

    void Open(const Words& words)
    {
        game.m_strFileName = folder.File("ordkamp.se");
        game.m_wordFileStamp = StampOfFile(game.m_strFileName).value(); // as the game read it
        game.m_words = words;
        game.SortWords(SORT_BY_LENGTH);
        editor = std::make_unique<CWordListDlg>();
        editor->m_pGameEngine = &game;
        editor->show();
    }
    template <typename T = QWidget>
    T* Ctl(int id) const { return DialogControl<T>(editor.get(), id); }
    QStringList Shown() const
    {
        QStringList rows;
        const QAbstractItemModel* model = editor->m_listWords->model();
        for (int row = 0; row < model->rowCount(); ++row)
            rows << model->index(row, 0).data().toString();
        return rows;
    }
    void Paste(const QString& text)
    {
        Ctl<QPlainTextEdit>(IDC_NEW_WORDS)->setPlainText(text);
        QTest::mouseClick(Ctl<QPushButton>(IDC_ADD_SORT), Qt::LeftButton);
    }
    void SelectRows(std::initializer_list<int> rows)
    {
        QItemSelection selection;
        for (const int row : rows) {
            const QModelIndex index = editor->m_listWords->model()->index(row, 0);
            selection.select(index, index);
        }
        editor->m_listWords->selectionModel()->select(selection, QItemSelectionModel::Select);
    }
    QString Count() const { return Ctl<QLabel>(IDC_WORD_COUNT)->text(); }
};

TEST_F(Editor, AddsSortsAndHandsTheListToTheGameOnOkOnly)
{
    Open({"\xF6ga", "katt", "bil"});
    EXPECT_EQ(Shown(), (QStringList{"bil", "öga", "katt"}));
    EXPECT_EQ(editor->m_comboSort->currentText(), "Bokstavsordning");
    Paste("Hus\r\n  sol \r\nab\r\nhej hopp\r\nbil\r\n");
    EXPECT_EQ(Shown(), (QStringList{"bil", "hus", "katt", "sol", "öga"}));
    EXPECT_EQ(Ctl<QPlainTextEdit>(IDC_NEW_WORDS)->toPlainText(), "");
    editor->m_comboSort->setCurrentIndex(SORT_BY_LENGTH);
    Paste("");
    EXPECT_EQ(Shown(), (QStringList{"bil", "hus", "sol", "öga", "katt"}));
    EXPECT_EQ(Count(), "Antal ord: 5");
    editor->OnCancelButton();
    EXPECT_EQ(game.m_words, (Words{"bil", "\xF6ga", "katt"}));

    Open({"katt", "bil"});
    Paste("öga\nhus");
    editor->OnOK();
    EXPECT_EQ(game.m_words, (Words{"bil", "hus", "\xF6ga", "katt"})); // by size again
}

TEST_F(Editor, DeletingASelection)
{
    Open({"abc", "abd", "abe", "abf", "abg", "abh"});
    Ctl<QPlainTextEdit>(IDC_NEW_WORDS)->setPlainText("ord");
    SelectRows({2, 4, 5});
    QTest::mouseClick(Ctl<QPushButton>(IDC_DELETE_WORDS), Qt::LeftButton);
    EXPECT_EQ(Shown(), (QStringList{"abc", "abd", "abf"}));
    EXPECT_EQ(Ctl<QPlainTextEdit>(IDC_NEW_WORDS)->toPlainText(), "ord"); // typed text survives

    editor->m_listWords->selectAll();
    editor->OnDeleteWords();
    EXPECT_FALSE(Ctl(IDC_SAVE_LIST)->isEnabled());
    editor->OnOK();
    EXPECT_EQ(game.m_words.size(), 6u); // an empty list never replaces the game's
}

TEST_F(Editor, SavingAsksFirstAndIsAtomic)
{
    WriteBytes(folder.File("ordkamp.se"), "gammal\r\n");
    Open({"katt", "bil"});
    answer = IDCANCEL;
    editor->OnSaveList();
    EXPECT_EQ(ReadBytes(folder.File("ordkamp.se")), "gammal\r\n");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].first, "Du kommer att skriva över standardordlistan. Vill du göra det?");
    EXPECT_EQ(boxes[0].second, unsigned{MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON3});

    answer = IDYES;
    editor->OnSaveList();
    EXPECT_EQ(ReadBytes(folder.File("ordkamp.se")), "bil\r\nkatt\r\n");

    std::filesystem::permissions(folder.File("ordkamp.se"), std::filesystem::perms::owner_read);
    editor->OnSaveList();
    EXPECT_EQ(boxes.back().first, "Det gick inte att spara filen \"" + QString::fromStdString(folder.File("ordkamp.se")) + "\".");
    EXPECT_EQ(ReadBytes(folder.File("ordkamp.se")), "bil\r\nkatt\r\n");
}

TEST_F(Editor, SavingOverAListChangedElsewhereAsksFirst)
{
    WriteBytes(folder.File("ordkamp.se"), "gammal\r\n");
    Open({"katt"});
    WriteBytes(folder.File("ordkamp.se"), "gammal\r\nannan\r\n"); // a second editor saved
    for (const int reply : {IDNO, IDYES}) {
        boxes.clear();
        SetMessageBoxHook([this, reply](const QString& text, unsigned type) {
            boxes.emplace_back(text, type);
            return boxes.size() == 1 ? IDYES : reply; // yes to the first question
        });
        editor->OnSaveList();
        ASSERT_EQ(boxes.size(), 2u);
        EXPECT_EQ(boxes[1].first, "Filen \"" + QString::fromStdString(folder.File("ordkamp.se"))
                                      + "\" har ändrats av ett annat program sedan ordlistan lästes in. "
                                        "Vill du skriva över den ändå?");
        EXPECT_EQ(ReadBytes(folder.File("ordkamp.se")), reply == IDYES ? "katt\r\n" : "gammal\r\nannan\r\n");
    }
    // Saved by this editor: it does not ask again.
    editor->OnSaveList();
    EXPECT_EQ(boxes.size(), 3u);
}

TEST_F(Editor, Utf8ListIsSavedInTheGamesOwnFormatSayingSoOnce)
{
    Open({"katt"});
    WriteBytes(folder.File("ordkamp.se"), "hus\nb\xC3\xA5t\n"); // written by a Linux tool
    editor->OnOpenList();
    EXPECT_EQ(Shown(), (QStringList{"båt", "hus"}));
    boxes.clear();
    for (int save = 0; save < 2; ++save)
        editor->OnSaveList();
    EXPECT_EQ(ReadBytes(folder.File("ordkamp.se")), "b\xE5t\r\nhus\r\n");
    ASSERT_EQ(boxes.size(), 3u); // the question twice, the note once
    EXPECT_TRUE(boxes[1].first.startsWith("Ordlistan lästes in som UTF-8.")) << boxes[1].first.toStdString();
}

TEST_F(Editor, OpeningTheFileReplacesUnsavedEdits)
{
    // Messages name the file as the file system spells it.
    std::filesystem::create_directory(folder.Path() / "Åsas spel");
    const std::string list = (folder.Path() / "Åsas spel" / "ordkamp.se").string();
    WriteBytes(list, "ekorre\r\nhus\r\n");
    Open({"katt", "bil"});
    editor->m_engine.m_strFileName = list;
    Paste("sol");
    editor->OnOpenList();
    EXPECT_EQ(Shown(), (QStringList{"hus", "ekorre"}));

    std::filesystem::remove(list);
    editor->OnOpenList();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].first, "Det gick inte att öppna filen \"" + QFile::decodeName(list.c_str()) + "\".");
    EXPECT_EQ(Shown(), (QStringList{"hus", "ekorre"}));
}

TEST_F(GameWindow, EditorFromTheMenuRefreshesAvailableWords)
{
    WriteWords({"ekorre", "bil"});
    Start();
    EXPECT_EQ(Control<QLabel>(IDC_AVAILABLE)->text(), "Tillgängliga ord: 1");
    // Adds two words in the editor once it runs, then ends it with OK or Avbryt.
    const auto addWordsThen = [](bool ok) {
        QTimer::singleShot(0, [ok] {
            auto* editor = dynamic_cast<CWordListDlg*>(QApplication::activeModalWidget());
            ASSERT_NE(editor, nullptr);
            DialogControl<QPlainTextEdit>(editor, IDC_NEW_WORDS)->setPlainText("katten\nkastade");
            editor->OnAddSort();
            ok ? editor->OnOK() : editor->OnCancelButton();
        });
    };
    addWordsThen(true);
    dlg->findChild<QAction*>(QString::number(ID_EDIT_WORD_LIST))->trigger();
    EXPECT_EQ(Control<QLabel>(IDC_AVAILABLE)->text(), "Tillgängliga ord: 3");
}

} // namespace
