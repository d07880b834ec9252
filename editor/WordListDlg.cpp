#include "editor/WordListDlg.h"

#include "editor/WordListModel.h"
#include "engine/Dictionary.h"
#include "engine/WordFile.h"
#include "engine/SafeFile.h"
#include "engine/TextEncoding.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"
#include "platform/Windows1252.h"
#include "res/EditorTemplates.h"
#include "res/FileErrorText.h"
#include "res/Strings.h"
#include "wordlists/Vocabulary.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>
#include <optional>

namespace {

constexpr int kSaveLockWait = 3000; // milliseconds, as the settings file's saves wait

// How many of the white-space separated words of `text` hold a character
// Windows-1252 lacks.
void CountUnfitWords(const QString& text, unsigned& words, unsigned& unfit)
{
    for (const QString& word : text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
        ++words;
        bool lacking = false;
        ToWindows1252(word, &lacking);
        unfit += lacking;
    }
}

// Shows the wait cursor for as long as it lives.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

CWordListDlg::CWordListDlg(QWidget* parent)
    : CTemplateDialog(WordListDialogTemplate(), QCoreApplication::translate("Dialogs", "Redigera ordlista"), parent)
{
    m_listWords = DialogControl<QListView>(this, IDC_WORDS);
    m_listWords->setAccessibleName(LoadString(IDS_A11Y_WORDS));
    m_comboSort = DialogControl<QComboBox>(this, IDC_SORT);
    m_model = new CWordListModel(m_engine.m_words, this);
    m_listWords->setModel(m_model);

    connect(DialogControl<QPushButton>(this, IDC_ADD_SORT), &QPushButton::clicked, this, [this] { OnAddSort(); });
    connect(DialogControl<QPushButton>(this, IDC_DELETE_WORDS), &QPushButton::clicked, this,
            [this] { OnDeleteWords(); });
    connect(DialogControl<QPushButton>(this, IDC_OPEN_LIST), &QPushButton::clicked, this, [this] { OnOpenList(); });
    connect(DialogControl<QPushButton>(this, IDC_SAVE_LIST), &QPushButton::clicked, this, [this] { OnSaveList(); });
    connect(DialogControl<QPushButton>(this, IDC_IMPORT), &QPushButton::clicked, this, [this] { OnImport(); });
    connect(DialogControl<QPushButton>(this, IDC_CANCEL_BUTTON), &QPushButton::clicked, this,
            [this] { OnCancelButton(); });
    connect(DialogControl<QPushButton>(this, IDOK_BUTTON), &QPushButton::clicked, this, [this] { OnOK(); });
}

CWordListDlg::~CWordListDlg() = default;

int CWordListDlg::DoModal()
{
    return exec();
}

void CWordListDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    OnShowWindow();
}

void CWordListDlg::OnShowWindow()
{
    if (m_bSetUp || !m_pGameEngine)
        return;
    m_bSetUp = true;
    m_engine.ClearWords();
    m_engine.m_strFileName = m_pGameEngine->m_strFileName;
    m_engine.m_wordFileStamp = m_pGameEngine->m_wordFileStamp;
    m_engine.m_bReadAsUtf8 = m_pGameEngine->m_bReadAsUtf8;
    m_engine.CopyWordsFrom(*m_pGameEngine);
    m_comboSort->addItem(LoadString(IDS_SORT_ALPHABETICAL));
    m_comboSort->addItem(LoadString(IDS_SORT_BY_LENGTH));
    m_comboSort->setCurrentIndex(SORT_ALPHABETICAL);
    setWindowTitle(
        FormatString(IDS_EDIT_LIST_TITLE, {QFileInfo(QFile::decodeName(m_engine.m_strFileName.c_str())).fileName()}));
    // The count fitted at the largest list the game takes, not the one at hand.
    DialogControl<QLabel>(this, IDC_WORD_COUNT)->setText(FormatString(IDS_WORD_COUNT, {QString::number(kMostWords)}));
    FitToText();
    FillWordList();
}

void CWordListDlg::UpdateData(bool saveAndValidate)
{
    auto* newWords = DialogControl<QPlainTextEdit>(this, IDC_NEW_WORDS);
    auto* count = DialogControl<QLabel>(this, IDC_WORD_COUNT);
    if (saveAndValidate) {
        m_strNewWords = newWords->toPlainText();
        return;
    }
    const QSignalBlocker blocker(newWords);
    if (newWords->toPlainText() != m_strNewWords)
        newWords->setPlainText(m_strNewWords);
    count->setText(m_strWordCount);
}

void CWordListDlg::FillWordList()
{
    UpdateData(true);
    m_model->Refill();
    m_strWordCount = FormatString(IDS_WORD_COUNT, {QString::number(m_engine.m_words.size())});
    DialogControl(this, IDC_SAVE_LIST)->setEnabled(!m_engine.m_words.empty());
    UpdateData(false);
}

void CWordListDlg::OnAddSort()
{
    const WaitCursor wait;
    UpdateData(true);
    m_strNewWords.remove(QLatin1Char('\r'));
    const int mode = m_comboSort->currentIndex();
    m_engine.AddWordsFromText(ToWindows1252(m_strNewWords), mode);
    m_strNewWords.clear();
    UpdateData(false);
    FillWordList();
}

void CWordListDlg::OnDeleteWords()
{
    const WaitCursor wait;
    UpdateData(true);
    std::vector<std::size_t> rows;
    for (const QItemSelectionRange& range : m_listWords->selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.push_back(static_cast<std::size_t>(row));
    m_engine.DeleteWords(std::move(rows));
    FillWordList();
    UpdateData(false);
}

void CWordListDlg::OnOpenList()
{
    const WaitCursor wait;
    if (!m_engine.LoadWordList()) {
        QString text = FormatString(IDS_LIST_NOT_OPENED, {QFile::decodeName(m_engine.m_strFileName.c_str())});
        const FileError error = m_engine.m_wordFileResult.error;
        if (error == FileError::NotRegular || error == FileError::TooLarge) // not what anyone would guess
            text += QStringLiteral("\n(%1)").arg(FileErrorText(m_engine.m_wordFileResult));
        AppMessageBox(this, text, MB_OK | MB_ICONEXCLAMATION);
    }
    FillWordList();
}

void CWordListDlg::OnImport()
{
    const QString path = ChooseFileToOpen(this, LoadString(IDS_IMPORT_TITLE), LoadString(IDS_IMPORT_FILTER));
    if (path.isEmpty())
        return;
    const WaitCursor wait;
    std::string words;
    bool read = false;
    unsigned entries = 0, unfit = 0;
    if (path.endsWith(QLatin1String(".kvtml"), Qt::CaseInsensitive)) {
        const Vocabulary vocabulary = LoadVocabulary(path);
        read = vocabulary.error == VocabularyError::None;
        for (const VocabularyWord& word : vocabulary.words)
            words += word.word + '\n';
        entries = static_cast<unsigned>(vocabulary.words.size()) + vocabulary.skipped;
        unfit = vocabulary.unfit;
    } else if (ReadRegularFile(QFile::encodeName(path).toStdString(), words)) {
        read = true;
        bool utf8 = false;
        std::string converted = ToGameText(words, &utf8);
        if (utf8) // only Unicode text can hold a letter Windows-1252 lacks
            CountUnfitWords(QString::fromStdString(words), entries, unfit);
        words = std::move(converted);
        std::replace_if(
            words.begin(), words.end(), [](char c) { return c == ' ' || c == '\t' || c == '\r'; }, '\n');
    }
    if (!read) {
        AppMessageBox(this, FormatString(IDS_IMPORT_FAILED, {path}), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    // A list in a language whose letters the file cannot hold would leave
    // only the words that happen to fit: none of it is added.
    if (!LettersFit(unfit, entries)) {
        AppMessageBox(this, FormatString(IDS_IMPORT_UNFIT, {path, QString::number(unfit), QString::number(entries)}),
                      MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    m_engine.AddWordsFromText(words, m_comboSort->currentIndex());
    FillWordList();
    UpdateData(false);
}

void CWordListDlg::OnSaveList()
{
    if (AppMessageBox(this, LoadString(IDS_OVERWRITE_LIST), MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON3) != IDYES)
        return;
    // Another editor or program may have saved the list since it was read:
    // its words would be lost without a word. Checked and saved under the
    // lock, so that two windows saving at once cannot both find the file
    // unchanged; the lock is let go while the player is asked.
    const QString path = QFile::decodeName(m_engine.m_strFileName.c_str());
    const std::string lockFile = m_strLockFile.empty() ? m_engine.m_strFileName : m_strLockFile;
    std::optional<CFileLock> lock(std::in_place, lockFile, kSaveLockWait);
    std::optional<FileStamp> agreed; // the file as it was when the player said to save over it
    for (bool asked = false;; asked = true) {
        const std::optional<FileStamp> now = StampOfFile(m_engine.m_strFileName);
        if ((now && *now == m_engine.m_wordFileStamp) || (asked && now == agreed))
            break;
        lock.reset();
        if (AppMessageBox(this, FormatString(IDS_LIST_CHANGED, {path}), MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2)
            != IDYES)
            return;
        agreed = now;
        lock.emplace(lockFile, kSaveLockWait);
    }
    const WaitCursor wait;
    if (!m_engine.SaveWordList()) {
        AppMessageBox(this, FormatString(IDS_LIST_NOT_SAVED, {path}), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (m_pGameEngine) // the file now holds what this editor wrote
        m_pGameEngine->m_wordFileStamp = m_engine.m_wordFileStamp;
    if (m_engine.m_bReadAsUtf8) { // said once: the file is in the game's own format from now on
        m_engine.m_bReadAsUtf8 = false;
        if (m_pGameEngine)
            m_pGameEngine->m_bReadAsUtf8 = false;
        AppMessageBox(this, FormatString(IDS_SAVED_AS_WINDOWS1252, {path}), MB_OK | MB_ICONINFORMATION);
    }
}

void CWordListDlg::OnOK()
{
    const WaitCursor wait;
    if (m_pGameEngine)
        m_pGameEngine->CopyWordsFrom(m_engine);
    UpdateData(true);
    accept();
}

void CWordListDlg::OnCancelButton()
{
    reject();
}
