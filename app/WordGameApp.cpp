#include "app/WordGameApp.h"

#include "app/WordGameDlg.h"
#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "profile/AppFolders.h"
#include "res/Strings.h"

#include <QApplication>
#include <QFile>
#include <QLocale>

bool CWordGameApp::InitInstance()
{
    QApplication::setApplicationName(LoadString(IDS_APP_TITLE));
    const AppFolders& folders = SetUpAppFolders();
    CWordGameDlg dialog;
    // Before any text is shown: the language chosen in the game, else the desktop's.
    dialog.ReadSettings();
    InstallLanguage(ChooseLanguage(dialog.m_settingsFile.Language(), QLocale::system().uiLanguages()));
    if (!folders.error.empty())
        AppMessageBox(nullptr, FormatString(IDS_FOLDER_FAILED, {QFile::decodeName(folders.error.c_str())}),
                      MB_OK | MB_ICONEXCLAMATION);
    dialog.DoModal();
    return false;
}
