#include "app/WordGameApp.h"

#include "app/WordGameDlg.h"
#include "platform/MessageBox.h"
#include "profile/AppFolders.h"
#include "res/Strings.h"

#include <QApplication>
#include <QFile>

bool CWordGameApp::InitInstance()
{
    QApplication::setApplicationName(LoadString(IDS_APP_TITLE));
    const AppFolders& folders = SetUpAppFolders();
    if (!folders.error.empty())
        AppMessageBox(nullptr, FormatString(IDS_FOLDER_FAILED, {QFile::decodeName(folders.error.c_str())}),
                      MB_OK | MB_ICONEXCLAMATION);
    CWordGameDlg dialog;
    dialog.DoModal();
    return false;
}
