// Tests with Qt widgets run without a display, in Swedish unless a run asks
// for English (ORDKAMP_TEST_LANGUAGE=en: the text-fit walk runs in both).

#include "platform/Language.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    InstallLanguage(qgetenv("ORDKAMP_TEST_LANGUAGE") == "en" ? Language::English : Language::Swedish);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
