#include "WordGameApp.h"

#include "Strings.h"
#include "WordGameDlg.h"

#include <QApplication>

bool CWordGameApp::InitInstance()
{
    QApplication::setApplicationName(LoadString(IDS_APP_TITLE));
    CWordGameDlg dialog;
    dialog.DoModal();
    return false;
}
