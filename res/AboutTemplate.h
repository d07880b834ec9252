#pragma once

#include "platform/DialogTemplate.h"

// Template 100, the About window.
enum : int {
    IDC_ABOUT_ICON = 1047,
    IDC_WEB_LINK = 1004,
    IDC_MAIL_LINK = 1005,
    IDC_README_LINK = 1040,
};

const DialogTemplate& AboutDialogTemplate();
