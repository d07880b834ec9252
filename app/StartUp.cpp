// Start-up and shut-down of the game window.

#include "app/WordGameDlg.h"

#include "controls/LetterBoard.h"
#include "engine/WordFile.h"
#include "platform/Beep.h"
#include "platform/MessageBox.h"
#include "platform/UpDownEdit.h"
#include "platform/Windows1252.h"
#include "profile/Profile.h"
#include "profile/SettingsFile.h"
#include "res/FileErrorText.h"
#include "res/GameTemplate.h"
#include "res/Images.h"
#include "res/Strings.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QStyle>
#include <QTreeWidget>

#include <cstdio>

bool CWordGameDlg::OnInitDialog()
{
    BuildControls();
    BuildLetterBoard();
    m_board->hide(); // until the settings say

    // Timer 1. A Qt timer cannot fail to start: no exit for a timer failure.
    m_timer.start(m_turn.ClockPeriod());

    m_listPlayers->setColumnCount(3);
    m_listPlayers->setHeaderLabels(
        {LoadString(IDS_COLUMN_NAME), LoadString(IDS_COLUMN_BONUS), LoadString(IDS_COLUMN_POINTS)});
    m_listPlayers->headerItem()->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    m_listPlayers->headerItem()->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    // Bonus and points as wide as the largest the engine counts, in the
    // current player's bold: a long evening's total is shown whole.
    QFont bold = m_listPlayers->font();
    bold.setBold(true);
    const int widest = QFontMetrics(bold).horizontalAdvance(QString::number(UINT32_MAX))
        + 2 * m_listPlayers->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 4;
    m_listPlayers->setColumnWidth(0, 76);
    m_listPlayers->setColumnWidth(1, std::max(43, widest));
    m_listPlayers->setColumnWidth(2, std::max(43, widest));
    // "Tillgängliga ord" fitted to the largest list the game takes.
    DialogControl<QLabel>(this, IDC_AVAILABLE)->setText(FormatString(IDS_AVAILABLE, {QString::number(kMostWords)}));
    m_listPlayers->setIconSize(QSize(16, 16));

    for (unsigned rule = 0; rule < RULE_COUNT; ++rule)
        RuleControls()[rule].spin->SetArrowRange(static_cast<int>(kRules[rule].arrowLowest),
                                                 static_cast<int>(kRules[rule].highest));

    for (unsigned game = GAME_HANGMAN; game <= GAME_RANDOM; ++game)
        m_comboGameType->addItem(LoadString(IDS_GAME_HANGMAN + game));
    SetUpLayout();

    ShowTurnState();
    m_strDisplay = LoadString(IDS_LOADING);
    RefreshPlayers();

    // Read before the window shows, so that it opens where it was left.
    ReadSettings();
    SetSoundFolder(QFile::decodeName(GetDocPath().c_str()) + QStringLiteral("sounds"));
    SetSoundOn(m_settingsFile.SoundOn());
    findChild<QAction*>(QString::number(ID_SOUND))->setChecked(m_settingsFile.SoundOn());

    // Shown unless the player hid it, or the screen is too small to hold it
    // beside the room a first start gives the display (three times the
    // template's height): the puzzle comes first.
    const int displayHeight = DialogControl(this, IDC_DISPLAY)->height();
    ShowLetterBoard(m_settingsFile.LetterTiles().value_or(
        m_baseHeightWithoutBoard + 2 * displayHeight + m_boardHeight + kBoardGap <= LargestClientSize().height()));
    m_matchRounds = m_settingsFile.MatchRounds().value_or(0); // a file without the key plays endless
    m_engine.m_match.m_nRounds = m_matchRounds;
    CheckMatchMenu();
    CopyRulesToMembers();
    m_comboGameType->setCurrentIndex(static_cast<int>(m_engine.m_nGameTypeSetting));

    // The window is whole on the screen, with the loading text, before the
    // list is read and the icon drawn (paintEvent).
    m_bListPending = true;
    UpdateData(false);
    RestorePlace();
    show();
    ShowInDisplay();
    return true;
}

void CWordGameDlg::ReadSettings()
{
    if (!m_settingsFile.Path().empty())
        return; // read already, by the application for its language
    m_strIniFile = LoadString(IDS_INI_FILE);
    m_settingsRead = m_settingsFile.Load(m_engine, ToWindows1252(m_strIniFile));
}

void CWordGameDlg::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    if (m_bListPending && !m_bListLoadQueued) {
        m_bListLoadQueued = true; // after this paint has reached the screen
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_hIcon = AppIcon(); // drawn in five sizes: not worth the wait
                QApplication::setWindowIcon(m_hIcon); // every dialog's title bar too
                setWindowIcon(m_hIcon);
                EnsureWordListLoaded();
            },
            Qt::QueuedConnection);
    }
}

void CWordGameDlg::EnsureWordListLoaded()
{
    if (!m_bListPending || m_bDestroyed)
        return;
    m_bListPending = false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The standard list of the interface's language: the player's own, or
    // the game's until the player has saved one.
    m_wordListLanguage = InterfaceLanguage();
    const WordListPlaces places = Places();
    const WordListSource standard = StandardListOf(m_wordListLanguage, places);
    m_engine.m_strFileName =
        QFile::encodeName(standard.Found() ? standard.path : OwnListPath(m_wordListLanguage, places)).toStdString();
    const bool listLoaded = m_engine.LoadWordList();
    m_strDisplay = LoadString(listLoaded                                                   ? IDS_WELCOME
                                  : m_engine.m_wordFileResult.error == FileError::TooLarge ? IDS_LIST_TOO_LARGE
                                                                                           : IDS_LOAD_FAILED);
    UpdateData(false);
    // The list played last time, if it is still there; else the standard
    // one. A list that plays is welcomed whatever became of the standard one;
    // its counts and letters are the only ones worked out.
    const QString chosen = QFile::decodeName(m_settingsFile.WordList().c_str());
    if (!chosen.isEmpty() && ChooseWordList(chosen)) {
        m_strDisplay = LoadString(IDS_WELCOME);
        UpdateData(false);
    } else {
        if (!chosen.isEmpty())
            m_settingsFile.SetWordList({});
        UpdateAvailableWords();
        UpdateBoardLetters();
    }

    QApplication::restoreOverrideCursor();
    if (!m_settingsRead)
        AppMessageBox(this, FormatString(IDS_SETTINGS_UNREADABLE, {SettingsPath(), FileErrorText(m_settingsRead)}),
                      MB_OK | MB_ICONEXCLAMATION);
}

void CWordGameDlg::OnOK()
{
    UpdateData(true);
    SaveBeforeClosing(true);
    done(QDialog::Accepted);
    OnDestroy();
}

void CWordGameDlg::OnDestroy()
{
    m_bDestroyed = true;
    m_timer.stop();
    SaveBeforeClosing(false);
}

void CWordGameDlg::SaveBeforeClosing(bool askOnFailure)
{
    // A window that never read the file, or whose file could not be read,
    // has nothing to write over it.
    if (m_bSaved || !m_settingsFile.LoadResult())
        return;
    for (;;) {
        const FileResult saved = SaveProfile(true);
        if (saved)
            break;
        const QString text = FormatString(IDS_SAVE_FAILED, {SettingsPath(), FileErrorText(saved)});
        if (!askOnFailure) { // ended from outside: nobody is there to answer
            std::fprintf(stderr, "ordkamp: %s\n", text.toLocal8Bit().constData());
            break;
        }
        if (AppMessageBox(this, text, MB_RETRYCANCEL | MB_ICONEXCLAMATION) != IDRETRY)
            break;
    }
    m_bSaved = true;
}

void CWordGameDlg::KeepHighscores()
{
    // A place won is written at once, so that no crash can take it; a
    // failure is not worth a word mid-turn: the save at exit tries again.
    SaveProfile(false);
}

FileResult CWordGameDlg::SaveProfile(bool withSettings)
{
    if (withSettings)
        m_settingsFile.SetPlace(Place());
    return m_settingsFile.Save(m_engine, withSettings);
}

QString CWordGameDlg::SettingsPath() const
{
    return QFile::decodeName(m_settingsFile.Path().c_str());
}

void CWordGameDlg::OnClose()
{
    OnExit();
}
