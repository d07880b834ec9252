// The word list in play: a language's standard list (ordkamp.se for
// Swedish, the one the editor edits), all words, or one of the desktop's
// themed vocabulary lists, in any language whose letters the game's files
// hold. The game's engine holds the list in play; while another than its
// language's standard list is played, m_ownList keeps that standard list
// for the editor once it has been asked for.

#include "app/WordGameDlg.h"

#include "engine/Dictionary.h"
#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "profile/Profile.h"
#include "res/Strings.h"
#include "wordlists/LanguageNames.h"

#include <QAction>
#include <QActionGroup>
#include <QCollator>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QSet>

#include <algorithm>
#include <iterator>

namespace {

// Moves the words, their file and its state from `from` to `to`.
void MoveList(CWordEngine& from, CWordEngine& to)
{
    to.ClearWords();
    to.CopyWordsFrom(from);
    to.m_hints = std::move(from.m_hints);
    to.m_strFileName = from.m_strFileName;
    to.m_wordFileStamp = from.m_wordFileStamp;
    to.m_wordFileResult = from.m_wordFileResult;
    to.m_bReadAsUtf8 = from.m_bReadAsUtf8;
}

QString Folder(const std::string& path)
{
    return QFile::decodeName(path.c_str());
}

} // namespace

WordListPlaces CWordGameDlg::Places() const
{
    return DesktopWordListPlaces(Folder(GetAppPath(true)), Folder(GetDocPath()));
}

QString CWordGameDlg::InterfaceLanguage() const
{
    return QString::fromLatin1(LanguageCode(InstalledLanguage()));
}

QString CWordGameDlg::WordListKeyInPlay() const
{
    return m_wordListKey.isEmpty() ? StandardListName(InterfaceLanguage()) : m_wordListKey;
}

QStringList CWordGameDlg::PlayerLanguages() const
{
    QStringList languages{InterfaceLanguage()};
    for (const QString& name : QLocale::system().uiLanguages())
        languages << LanguageOfLocaleName(name);
    return languages;
}

QString CWordGameDlg::ListName(const WordListSource& source, const WordListContents& contents) const
{
    switch (source.kind) {
    case ListKind::Standard:
        return FormatString(IDS_STANDARD_LIST, {StandardListName(source.language)});
    case ListKind::AllWords: {
        // "american (American English)": the part in brackets names the list.
        const qsizetype open = source.title.indexOf(QLatin1Char('('));
        const QString name = open < 0 ? source.title : source.title.mid(open + 1).section(QLatin1Char(')'), 0, 0);
        return name.isEmpty() ? LoadString(IDS_ALL_WORDS) : FormatString(IDS_ALL_WORDS_IN, {name});
    }
    case ListKind::Themed:
        break;
    }
    return contents.title;
}

void CWordGameDlg::BuildWordListMenu()
{
    QMenu* game = GameMenuInBar();
    game->addSeparator();
    m_wordListMenu = game->addMenu(LoadString(IDS_WORD_LIST_MENU));
    // The lists are read when the menu first opens, not at start: most
    // games never open it. Whether a list has words enough depends on the
    // rules, which may have changed since it was last open.
    connect(m_wordListMenu, &QMenu::aboutToShow, this, [this] {
        if (m_wordListMenu->isEmpty())
            FillWordListMenu();
        GreyShortLists();
    });
}

void CWordGameDlg::FillWordListMenu()
{
    m_wordListChoices = new QActionGroup(m_wordListMenu);
    connect(m_wordListChoices, &QActionGroup::triggered, this, [this](QAction* action) {
        EnsureWordListLoaded();
        ChooseWordList(action->data().toString());
    });
    const std::vector<WordListSource> lists = FindWordLists(Places());
    const QStringList own = PlayerLanguages();
    for (const QString& language : OrderLanguages(lists, own)) {
        if (!LanguageFits(lists, language))
            continue;
        std::vector<WordListSource> itsLists;
        std::copy_if(lists.begin(), lists.end(), std::back_inserter(itsLists),
                     [&](const WordListSource& source) { return source.language == language; });
        // The player's languages in the menu itself, under their names;
        // every other language a menu of its own, read when it opens.
        if (own.contains(language)) {
            m_wordListMenu->addSection(NativeLanguageName(language));
            AddWordLists(m_wordListMenu, itsLists);
            continue;
        }
        QMenu* menu = m_wordListMenu->addMenu(NativeLanguageName(language));
        connect(menu, &QMenu::aboutToShow, this, [this, menu, itsLists] {
            if (menu->isEmpty()) {
                AddWordLists(menu, itsLists);
                CheckWordListMenu();
            }
            GreyShortLists();
        });
    }
    CheckWordListMenu();
}

void CWordGameDlg::AddWordLists(QMenu* menu, const std::vector<WordListSource>& lists)
{
    struct Item {
        const WordListSource* source;
        QString text;
        std::array<uint32_t, 36> lengths;
    };
    std::vector<Item> items;
    QSet<QString> titles;
    for (const WordListSource& source : lists) {
        CWordEngine words;
        const WordListContents contents = ReadWordList(source, words, source.kind == ListKind::AllWords);
        // The interface language's standard list is offered even when it
        // cannot be read: choosing it says why. A theme is offered once,
        // though a country's variant of the language brings it again.
        const bool always = source.kind == ListKind::Standard && source.language == InterfaceLanguage();
        if (!always
            && (!contents.read || contents.entries == contents.unfit
                || (source.kind != ListKind::AllWords && words.m_words.empty())))
            continue;
        QString text = ListName(source, contents);
        if (source.kind == ListKind::Themed) {
            if (titles.contains(text))
                continue;
            titles.insert(text);
            text = FormatString(contents.skipped ? IDS_LIST_ITEM_SKIPPED : IDS_LIST_ITEM,
                                {text, QString::number(words.m_words.size()), QString::number(contents.skipped)});
        }
        items.push_back({&source, text, std::to_array(words.m_nLengthCount)});
    }
    // The themes by name, in their language's order.
    QCollator collator{QLocale(lists.empty() ? QString() : lists.front().language)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    const auto themed = [](const Item& item) { return item.source->kind == ListKind::Themed; };
    std::stable_sort(items.begin(), items.end(), [&](const Item& a, const Item& b) {
        if (themed(a) != themed(b))
            return themed(b);
        return themed(a) && collator.compare(a.text, b.text) < 0; // the other lists keep their order
    });
    for (const Item& item : items) {
        QAction* action = menu->addAction(item.text);
        action->setCheckable(true);
        action->setData(item.source->key);
        m_wordListChoices->addAction(action);
        if (item.source->kind == ListKind::Themed)
            m_listLengths.push_back({action, item.lengths});
    }
}

void CWordGameDlg::GreyShortLists()
{
    for (const auto& [action, lengths] : m_listLengths) {
        unsigned count = 0;
        for (unsigned length = m_engine.m_nMinLetters; length <= m_engine.m_nMaxLetters && length < lengths.size();
             ++length)
            count += lengths[length];
        action->setEnabled(count > 0 || action->isChecked());
    }
}

void CWordGameDlg::CheckWordListMenu()
{
    const QString key = WordListKeyInPlay();
    for (QAction* action : m_wordListMenu->findChildren<QAction*>())
        if (action->isCheckable())
            action->setChecked(action->data().toString() == key);
}

bool CWordGameDlg::ChooseWordList(const QString& key)
{
    const WordListPlaces places = Places();
    const WordListSource source =
        key.isEmpty() ? StandardListOf(InterfaceLanguage(), places) : FindWordList(key, places);
    // The list in play again: nothing to read, and nothing it holds is lost.
    if (source.kind == m_wordListKind && source.language == m_wordListLanguage && source.key == WordListKeyInPlay()) {
        CheckWordListMenu();
        UpdateAvailableWords(); // at the start, not yet worked out for it
        UpdateBoardLetters();
        return true;
    }
    // A standard list kept for the editor comes back with what it changed.
    const bool ownInMemory = source.kind == ListKind::Standard && m_ownListLanguage == source.language;
    CWordEngine chosen;
    const WordListContents contents = ownInMemory ? WordListContents{} : ReadWordList(source, chosen);
    if (!ownInMemory && (!contents.read || chosen.m_words.empty() || !LettersFit(contents.unfit, contents.entries))) {
        AppMessageBox(this, FormatString(IDS_LIST_UNAVAILABLE, {key}), MB_OK | MB_ICONEXCLAMATION);
        CheckWordListMenu();
        return false;
    }
    if (ownInMemory) {
        MoveList(m_ownList, chosen);
        m_ownListLanguage.clear();
    }
    if (m_wordListKind == ListKind::Standard) { // kept for the editor, with what it changed
        MoveList(m_engine, m_ownList);
        m_ownListLanguage = m_wordListLanguage;
    }
    MoveList(chosen, m_engine);
    m_wordListLanguage = source.language;
    m_wordListKind = source.kind;
    const bool interfaceStandard = source.kind == ListKind::Standard && source.language == InterfaceLanguage();
    m_wordListKey = interfaceStandard ? QString() : source.key;
    // The list's name, and its language when that is not the window's.
    m_wordListName = interfaceStandard      ? QString()
        : source.kind == ListKind::Standard ? StandardListName(source.language)
                                            : ListName(source, contents);
    if (source.language != InterfaceLanguage())
        m_wordListName += QStringLiteral(", ") + NativeLanguageName(source.language);
    m_settingsFile.SetWordList(QFile::encodeName(m_wordListKey).toStdString());
    CheckWordListMenu();
    UpdateAvailableWords();
    UpdateBoardLetters();
    return true;
}

CWordEngine& CWordGameDlg::OwnList()
{
    const WordListPlaces places = Places();
    const QString ownPath = OwnListPath(m_wordListLanguage, places);
    CWordEngine& list = m_wordListKind == ListKind::Standard ? m_engine : m_ownList;
    if (&list == &m_ownList && m_ownListLanguage != m_wordListLanguage) {
        ReadWordList(StandardListOf(m_wordListLanguage, places), m_ownList);
        m_ownListLanguage = m_wordListLanguage;
    }
    // A list read from the game's folder is saved as the player's own; the
    // stamp of no file, so that a list made there meanwhile is not
    // overwritten without a question.
    if (QFile::decodeName(list.m_strFileName.c_str()) != ownPath) {
        list.m_strFileName = QFile::encodeName(ownPath).toStdString();
        list.m_wordFileStamp = FileStamp{};
    }
    return list;
}
