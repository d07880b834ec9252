// The word list in play: a language's standard list (ordkamp.se for
// Swedish, the one the editor edits), all words, or one of the desktop's
// themed vocabulary lists, in any language whose letters the game's files
// hold. The game's engine holds the list in play; while another than its
// language's standard list is played, m_ownList keeps that standard list
// for the editor once it has been asked for.

#include "app/WordGameDlg.h"

#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "profile/Profile.h"
#include "res/Strings.h"
#include "wordlists/LanguageNames.h"

#include <QAction>
#include <QActionGroup>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>

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
    case ListKind::AllWords:
        return source.title.isEmpty() ? LoadString(IDS_ALL_WORDS) : FormatString(IDS_ALL_WORDS_IN, {source.title});
    case ListKind::Themed:
        break;
    }
    return contents.title;
}

void CWordGameDlg::BuildWordListMenu()
{
    QMenu* game = m_menuBar->actions().at(1)->menu();
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
    auto* choices = new QActionGroup(m_wordListMenu);
    const std::vector<WordListSource> lists = FindWordLists(Places());
    const QStringList own = PlayerLanguages();
    for (const QString& language : OrderLanguages(lists, own)) {
        // The player's languages in the menu itself, under their names;
        // every other language a menu of its own.
        const bool players = own.contains(language);
        QMenu* menu = players ? m_wordListMenu : new QMenu(NativeLanguageName(language), m_wordListMenu);
        QAction* section = players ? m_wordListMenu->addSection(NativeLanguageName(language)) : nullptr;
        bool offered = false;
        for (const WordListSource& source : lists) {
            if (source.language != language)
                continue;
            CWordEngine words;
            const WordListContents contents = ReadWordList(source, words, source.kind == ListKind::AllWords);
            // The standard list of the game's language is offered even when
            // it cannot be read: choosing it says why.
            const bool always = source.kind == ListKind::Standard && (language == InterfaceLanguage() || !contents.read);
            if (!contents.Fits() && !always)
                continue;
            QString text = ListName(source, contents);
            if (source.kind == ListKind::Themed)
                text = FormatString(contents.skipped ? IDS_LIST_ITEM_SKIPPED : IDS_LIST_ITEM,
                                    {text, QString::number(words.m_words.size()), QString::number(contents.skipped)});
            QAction* action = menu->addAction(text);
            action->setCheckable(true);
            action->setData(source.key);
            choices->addAction(action);
            if (source.kind == ListKind::Themed)
                m_listLengths.push_back({action, std::to_array(words.m_nLengthCount)});
            offered = true;
        }
        if (!offered) {
            delete section;
            if (!players)
                delete menu;
        } else if (!players) {
            m_wordListMenu->addMenu(menu);
        }
    }
    connect(choices, &QActionGroup::triggered, this, [this](QAction* action) {
        EnsureWordListLoaded();
        ChooseWordList(action->data().toString());
    });
    CheckWordListMenu();
}

void CWordGameDlg::GreyShortLists()
{
    for (const auto& [action, lengths] : m_listLengths) {
        unsigned count = 0;
        for (unsigned length = m_engine.m_nMinLetters; length <= m_engine.m_nMaxLetters && length < lengths.size(); ++length)
            count += lengths[length];
        action->setEnabled(count > 0 || action->isChecked());
    }
}

void CWordGameDlg::CheckWordListMenu()
{
    // The standard list of the interface's language is kept as no choice.
    const QString key = m_wordListKey.isEmpty() ? StandardListName(InterfaceLanguage()) : m_wordListKey;
    for (QAction* action : m_wordListMenu->findChildren<QAction*>())
        if (action->isCheckable())
            action->setChecked(action->data().toString() == key);
}

bool CWordGameDlg::ChooseWordList(const QString& key)
{
    const WordListPlaces places = Places();
    const WordListSource source = key.isEmpty() ? StandardListOf(InterfaceLanguage(), places) : FindWordList(key, places);
    const bool ownInMemory = source.kind == ListKind::Standard && m_ownListLanguage == source.language;
    CWordEngine chosen;
    const WordListContents contents = ownInMemory ? WordListContents{} : ReadWordList(source, chosen);
    if (!ownInMemory && (!contents.Fits() || chosen.m_words.empty())) {
        AppMessageBox(this, FormatString(IDS_LIST_UNAVAILABLE, {key}), MB_OK | MB_ICONEXCLAMATION);
        CheckWordListMenu();
        return false;
    }
    if (m_wordListKind == ListKind::Standard) { // kept for the editor, with what it changed
        MoveList(m_engine, m_ownList);
        m_ownListLanguage = m_wordListLanguage;
    }
    MoveList(ownInMemory ? m_ownList : chosen, m_engine);
    if (ownInMemory)
        m_ownListLanguage.clear();
    m_wordListLanguage = source.language;
    m_wordListKind = source.kind;
    const bool interfaceStandard = source.kind == ListKind::Standard && source.language == InterfaceLanguage();
    m_wordListKey = interfaceStandard ? QString() : source.key;
    // The list's name, and its language when that is not the window's.
    m_wordListName = interfaceStandard ? QString()
                   : source.kind == ListKind::Standard ? StandardListName(source.language)
                                                       : ListName(source, contents);
    if (source.language != InterfaceLanguage())
        m_wordListName += QStringLiteral(", ") + NativeLanguageName(source.language);
    m_settingsFile.SetWordList(QFile::encodeName(m_wordListKey).toStdString());
    CheckWordListMenu();
    UpdateAvailableWords();
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
