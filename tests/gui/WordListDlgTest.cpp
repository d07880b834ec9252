#include "GameFixture.h"

#include "editor/WordListDlg.h"
#include "res/EditorTemplates.h"

#include <QListView>

namespace {

using Words = CWordList;

struct Editor : GameWindow {
    CWordEngine game;
    std::unique_ptr<CWordListDlg> editor;
    std::string list = folder.File("ordkamp.se");

    void Open(const Words& words)
    {
        game.m_strFileName = list;
        game.m_wordFileStamp = StampOfFile(list).value(); // as the game read it
        game.m_words = words;
        game.SortWords(SORT_BY_LENGTH);
        editor = std::make_unique<CWordListDlg>();
        editor->m_pGameEngine = &game;
        editor->show();
    }
    template <typename T = QWidget>
    T* Ctl(int id) const
    {
        return DialogControl<T>(editor.get(), id);
    }
    QStringList Shown() const
    {
        QStringList rows;
        for (int row = 0; row < editor->m_listWords->model()->rowCount(); ++row)
            rows << editor->m_listWords->model()->index(row, 0).data().toString();
        return rows;
    }
    void Paste(const QString& text)
    {
        Ctl<QPlainTextEdit>(IDC_NEW_WORDS)->setPlainText(text);
        QTest::mouseClick(Ctl<QPushButton>(IDC_ADD_SORT), Qt::LeftButton);
    }
};

TEST_F(Editor, AddsSortsDeletesAndHandsTheListToTheGameOnOkOnly)
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
    EXPECT_EQ(Ctl<QLabel>(IDC_WORD_COUNT)->text(), "Antal ord: 5");
    editor->OnCancelButton();
    EXPECT_EQ(game.m_words, (Words{"bil", "\xF6ga", "katt"}));

    Open({"katt", "bil", "ost"});
    Paste("öga\nhus");
    Ctl<QPlainTextEdit>(IDC_NEW_WORDS)->setPlainText("ord");
    const auto row = [&](int r) { return editor->m_listWords->model()->index(r, 0); };
    editor->m_listWords->selectionModel()->select(QItemSelection(row(2), row(3)), QItemSelectionModel::Select);
    QTest::mouseClick(Ctl<QPushButton>(IDC_DELETE_WORDS), Qt::LeftButton);
    EXPECT_EQ(Shown(), (QStringList{"bil", "hus", "öga"}));
    EXPECT_EQ(Ctl<QPlainTextEdit>(IDC_NEW_WORDS)->toPlainText(), "ord"); // typed text survives
    editor->OnOK();
    EXPECT_EQ(game.m_words, (Words{"bil", "hus", "\xF6ga"})); // by size again

    Open({"katt"});
    editor->m_listWords->selectAll();
    editor->OnDeleteWords();
    EXPECT_FALSE(Ctl(IDC_SAVE_LIST)->isEnabled());
    editor->OnOK();
    EXPECT_EQ(game.m_words, Words{"katt"}); // an empty list never replaces the game's
}

// Saving over the standard list asks first, and asks again when another
// program changed the file since it was read (not after this editor's own
// save); a read-only list is kept, and said so.
TEST_F(Editor, SavingAsksFirstAndLosesNothing)
{
    WriteBytes(list, "gammal\r\n");
    Open({"katt", "bil"});
    answer = IDCANCEL;
    editor->OnSaveList();
    EXPECT_EQ(boxes.at(0),
              std::make_pair(QString("Du kommer att skriva över standardordlistan. Vill du göra det?"),
                             unsigned{MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON3}));
    WriteBytes(list, "gammal\r\nannan\r\n"); // a second editor saved
    for (const int reply : {IDNO, IDYES}) {
        boxes.clear();
        SetMessageBoxHook([this, reply](const QString& text, unsigned type) {
            boxes.emplace_back(text, type);
            return boxes.size() == 1 ? IDYES : reply; // yes to the first question
        });
        editor->OnSaveList();
        ASSERT_EQ(boxes.size(), 2u);
        EXPECT_EQ(boxes[1].first,
                  "Filen \"" + QString::fromStdString(list)
                      + "\" har ändrats av ett annat program sedan ordlistan lästes in. "
                        "Vill du skriva över den ändå?");
        EXPECT_EQ(ReadBytes(list), reply == IDYES ? "bil\r\nkatt\r\n" : "gammal\r\nannan\r\n");
    }
    std::filesystem::permissions(list, std::filesystem::perms::owner_read);
    editor->OnSaveList();
    ASSERT_EQ(boxes.size(), 4u); // the first question only
    EXPECT_EQ(boxes.back().first, "Det gick inte att spara filen \"" + QString::fromStdString(list) + "\".");
    EXPECT_EQ(ReadBytes(list), "bil\r\nkatt\r\n");
}

// "Öppna" replaces unsaved edits with the file, which may be UTF-8.
TEST_F(Editor, Utf8ListIsOpenedAndSavedInTheGamesOwnFormatSayingSoOnce)
{
    Open({"katt"});
    Paste("sol");
    WriteBytes(list, "hus\nb\xC3\xA5t\n"); // written by a Linux tool
    editor->OnOpenList();
    EXPECT_EQ(Shown(), (QStringList{"båt", "hus"}));
    boxes.clear();
    for (int save = 0; save < 2; ++save)
        editor->OnSaveList();
    EXPECT_EQ(ReadBytes(list), "b\xE5t\r\nhus\r\n");
    ASSERT_EQ(boxes.size(), 3u); // the question twice, the note once
    EXPECT_TRUE(boxes[1].first.startsWith("Ordlistan lästes in som UTF-8.")) << boxes[1].first.toStdString();
}

// Importing adds a file's words as added text is added, whatever the file's
// encoding or form, and writes nothing: the list on disk is the editor's
// own save's to change.
TEST_F(Editor, ImportAddsAFilesWordsAndWritesNothing)
{
    WriteBytes(list, "katt\r\n");
    const struct {
        const char *file, *bytes;
        QStringList shown;
        bool failed;
    } cases[] = {
        {"djur.kvtml",
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?><kvtml version=\"2.0\"><entries><entry><translation>"
         "<text>\xe4lg</text><comment>Skogens konung</comment></translation></entry><entry><translation>"
         "<text>hej d\xe5</text></translation></entry></entries></kvtml>",
         {"katt", "älg"},
         false},
        {"ord.txt", "\xef\xbb\xbfH\xc3\xa4st  ko\tget\r\nsvan r2d2\n", {"get", "häst", "katt", "svan"}, false},
        {"ord.se", "h\xe4st\r\nren\r\n", {"häst", "katt", "ren"}, false},
        {"trasig.kvtml", "<kvtml><entries><entry>", {"katt"}, true},
        // A language whose letters the list cannot hold: not even its few words that fit.
        {"ryska.txt",
         "\xd0\xba\xd0\xbe\xd1\x88\xd0\xba\xd0\xb0 \xd0\xbb\xd0\xb8\xd1\x81\xd0\xb0 taxi\n",
         {"katt"},
         true},
        {"saknas.txt", nullptr, {"katt"}, true},
    };
    for (const auto& c : cases) {
        if (c.bytes)
            WriteBytes(folder.File(c.file), c.bytes);
        Open({"katt"});
        boxes.clear();
        SetChooseFileHook([&](const QString&) { return QString::fromStdString(folder.File(c.file)); });
        QTest::mouseClick(Ctl<QPushButton>(IDC_IMPORT), Qt::LeftButton);
        EXPECT_EQ(Shown(), c.shown) << c.file;
        EXPECT_EQ(boxes.size(), c.failed ? 1u : 0u) << c.file;
    }
    SetChooseFileHook({});
    EXPECT_EQ(ReadBytes(list), "katt\r\n");
}

} // namespace
