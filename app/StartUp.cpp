// Start-up and shut-down of the game window.

#include "WordGameDlg.h"

#include "GameDialog.h"
#include "MessageBox.h"
#include "Profile.h"
#include "SettingsFile.h"
#include "Strings.h"
#include "UpDownEdit.h"
#include "Windows1252.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFontDatabase>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScreen>
#include <QTreeWidget>

namespace {

// A fixed-pitch font as large as lets the three rows of a mixword puzzle fit.
void SetDisplayFont(QPlainTextEdit* display)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const int room = display->contentsRect().height() - 2; // less the document margin
    for (int size = 14; size > 6; --size) {
        font.setPixelSize(size);
        if (3 * QFontMetrics(font).lineSpacing() <= room)
            break;
    }
    display->setFont(font);
}

} // namespace

bool CWordGameDlg::OnInitDialog()
{
    BuildControls();
    setWindowIcon(m_hIcon);

    // Timer 1. A Qt timer cannot fail to start, so the timer-failure exit of
    // the Windows program has no counterpart here.
    SetTimerPeriod(1000);

    m_listPlayers->setColumnCount(3);
    m_listPlayers->setHeaderLabels({LoadString(IDS_COLUMN_NAME), LoadString(IDS_COLUMN_BONUS),
                                    LoadString(IDS_COLUMN_POINTS)});
    m_listPlayers->headerItem()->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    m_listPlayers->headerItem()->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    m_listPlayers->setColumnWidth(0, 76);
    m_listPlayers->setColumnWidth(1, 43);
    m_listPlayers->setColumnWidth(2, 43);
    m_listPlayers->setIconSize(QSize(16, 16));

    for (CUpDownEdit* time : {m_spinTimeHangman, m_spinTimeAnagram, m_spinTimeMixword})
        time->SetArrowRange(1, 999);
    m_spinPenalty->SetArrowRange(0, 999);
    m_spinMaxLetters->SetArrowRange(3, 35);
    m_spinMinLetters->SetArrowRange(3, 35);

    for (unsigned game = GAME_HANGMAN; game <= GAME_RANDOM; ++game)
        m_comboGameType->addItem(LoadString(IDS_GAME_HANGMAN + game));

    m_strCountdown = QStringLiteral("0");
    UpdateData(false);
    m_strIniFile = LoadString(IDS_INI_FILE);

    SetDisplayFont(DialogControl<QPlainTextEdit>(this, IDC_DISPLAY));

    m_engine.m_strFileName = GetAppPath(true) + ToWindows1252(LoadString(IDS_WORD_FILE));
    m_strDisplay = LoadString(IDS_LOADING);
    RefreshPlayers();
    SetState(1);

    // The loading text is painted before the list is read.
    UpdateData(false);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    repaint();

    LoadSettings(m_engine, ToWindows1252(m_strIniFile));
    LoadHighscores(m_engine, ToWindows1252(m_strIniFile));
    m_bSettingsLoaded = true;
    CopyRulesToMembers();
    m_comboGameType->setCurrentIndex(static_cast<int>(m_engine.m_nGameTypeSetting));

    m_strDisplay = LoadString(m_engine.LoadWordList() ? IDS_WELCOME : IDS_LOAD_FAILED);
    UpdateData(false);
    UpdateAvailableWords();

    QApplication::restoreOverrideCursor();
    return true;
}

void CWordGameDlg::OnOK()
{
    UpdateData(true);
    done(QDialog::Accepted);
    OnDestroy();
}

void CWordGameDlg::OnDestroy()
{
    m_bDestroyed = true;
    m_timer.stop();
    if (!m_bSettingsLoaded)
        return;
    const std::string file = ToWindows1252(m_strIniFile);
    const bool settingsSaved = SaveSettings(m_engine, file);
    const bool highscoresSaved = SaveHighscores(m_engine, file);
    if (!settingsSaved || !highscoresSaved)
        AppMessageBox(nullptr,
                      FormatString(IDS_SAVE_FAILED, {QFile::decodeName(ProfilePath(file.c_str(), true).c_str())}),
                      MB_OK | MB_ICONEXCLAMATION);
}

void CWordGameDlg::OnClose()
{
    OnExit();
}

void CWordGameDlg::CopyRulesToMembers()
{
    m_nMinLength = static_cast<int>(m_engine.m_nMinLetters);
    m_nMaxLength = static_cast<int>(m_engine.m_nMaxLetters);
    m_nPenalty = static_cast<int>(m_engine.m_nHangmanPenalty);
    m_nTimeHangman = static_cast<int>(m_engine.m_nTime[GAME_HANGMAN]);
    m_nTimeAnagram = static_cast<int>(m_engine.m_nTime[GAME_ANAGRAM]);
    m_nTimeMixword = static_cast<int>(m_engine.m_nTime[GAME_MIXWORD]);
}
