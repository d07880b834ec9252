// The word list in play: the standard list (ordkamp.se, the one the editor
// edits), all words, or one of the desktop's themed vocabulary lists. The
// game's engine holds the list in play; while another than the standard
// list is played, m_standardList keeps the standard one for the editor.

#include "app/WordGameDlg.h"

#include "platform/MessageBox.h"
#include "profile/Profile.h"
#include "res/Strings.h"
#include "wordlists/Vocabulary.h"

#include <QAction>
#include <QActionGroup>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

namespace {

const QString kAllWords = QStringLiteral("ordkamp-alla.se");

QString AllWordsPath()
{
    return QFile::decodeName(GetDocPath().c_str()) + kAllWords;
}

// Moves the words, their file and its state from `from` to `to`.
void MoveList(CWordEngine& from, CWordEngine& to)
{
    to.ClearWords();
    to.CopyWordsFrom(from);
    to.m_strFileName = from.m_strFileName;
    to.m_wordFileStamp = from.m_wordFileStamp;
    to.m_wordFileResult = from.m_wordFileResult;
    to.m_bReadAsUtf8 = from.m_bReadAsUtf8;
}

} // namespace

void CWordGameDlg::BuildWordListMenu()
{
    QMenu* game = m_menuBar->actions().at(1)->menu();
    game->addSeparator();
    m_wordListMenu = game->addMenu(LoadString(IDS_WORD_LIST_MENU));
    // The lists are read when the menu first opens, not at start: most
    // games never open it.
    connect(m_wordListMenu, &QMenu::aboutToShow, this, [this] {
        if (m_wordListMenu->isEmpty())
            FillWordListMenu();
    });
}

void CWordGameDlg::FillWordListMenu()
{
    auto* choices = new QActionGroup(m_wordListMenu);
    const auto add = [&](const QString& text, const QString& key) {
        QAction* action = m_wordListMenu->addAction(text);
        action->setCheckable(true);
        action->setData(key);
        choices->addAction(action);
    };
    add(LoadString(IDS_STANDARD_LIST), QString());
    if (QFileInfo(AllWordsPath()).isFile())
        add(LoadString(IDS_ALL_WORDS), kAllWords);
    for (const QString& path : FindSwedishVocabularies()) {
        const Vocabulary vocabulary = LoadVocabulary(path);
        if (vocabulary.error != VocabularyError::None || vocabulary.words.empty())
            continue;
        add(FormatString(vocabulary.skipped ? IDS_LIST_ITEM_SKIPPED : IDS_LIST_ITEM,
                         {vocabulary.title, QString::number(vocabulary.words.size()), QString::number(vocabulary.skipped)}),
            QFileInfo(path).fileName());
    }
    connect(choices, &QActionGroup::triggered, this, [this](QAction* action) {
        EnsureWordListLoaded();
        ChooseWordList(action->data().toString());
    });
    CheckWordListMenu();
}

void CWordGameDlg::CheckWordListMenu()
{
    for (QAction* action : m_wordListMenu->actions())
        action->setChecked(action->data().toString() == m_wordListKey);
}

bool CWordGameDlg::ChooseWordList(const QString& key)
{
    CWordEngine chosen;
    QString name;
    bool loaded = true;
    if (key == kAllWords) {
        chosen.m_strFileName = QFile::encodeName(AllWordsPath()).toStdString();
        loaded = chosen.LoadWordList();
        name = LoadString(IDS_ALL_WORDS);
    } else if (!key.isEmpty()) {
        QString path;
        for (const QString& candidate : FindSwedishVocabularies())
            if (path.isEmpty() && QFileInfo(candidate).fileName() == key)
                path = candidate;
        const Vocabulary vocabulary = path.isEmpty() ? Vocabulary{} : LoadVocabulary(path);
        loaded = !path.isEmpty() && vocabulary.error == VocabularyError::None && !vocabulary.words.empty();
        std::string text;
        for (const VocabularyWord& word : vocabulary.words) {
            text += word.word + '\n';
            if (!word.hint.empty())
                chosen.m_hints[word.word] = word.hint;
        }
        chosen.AddWordsFromText(text, SORT_BY_LENGTH);
        name = vocabulary.title;
    }
    if (!loaded) {
        AppMessageBox(this, FormatString(IDS_LIST_UNAVAILABLE, {key}), MB_OK | MB_ICONEXCLAMATION);
        CheckWordListMenu();
        return false;
    }
    const bool standardInPlay = m_wordListKey.isEmpty();
    if (key.isEmpty()) {
        if (!standardInPlay)
            MoveList(m_standardList, m_engine);
    } else {
        if (standardInPlay)
            MoveList(m_engine, m_standardList);
        m_engine.ClearWords();
        m_engine.CopyWordsFrom(chosen);
    }
    m_wordListKey = key;
    m_wordListName = name;
    m_settingsFile.SetWordList(QFile::encodeName(key).toStdString());
    CheckWordListMenu();
    UpdateAvailableWords();
    return true;
}

CWordEngine& CWordGameDlg::StandardList()
{
    return m_wordListKey.isEmpty() ? m_engine : m_standardList;
}
