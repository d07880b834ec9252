#include "platform/MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// The real box, answered by pressing its default button as soon as it shows.
TEST(MessageBox, ButtonsSpeakSwedishAndKeepTheirDefault)
{
    const struct {
        unsigned type;
        const char* buttons;
        int result;
    } cases[] = {
        {MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON3, "&Ja|&Nej|Avbryt|", IDCANCEL},
        {MB_YESNO | MB_DEFBUTTON2, "&Ja|&Nej|", IDNO},
        {MB_RETRYCANCEL | MB_ICONEXCLAMATION, "&Försök igen|Avbryt|", IDRETRY},
        {MB_OKCANCEL, "OK|Avbryt|", IDOK},
        {MB_OK, "OK|", IDOK},
    };
    SetMessageBoxHook({});
    for (const auto& c : cases) {
        QString shown;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            for (QAbstractButton* button : box->buttons())
                if (box->standardButton(button) != QMessageBox::NoButton)
                    shown += button->text() + '|';
            box->defaultButton()->click();
        });
        EXPECT_EQ(AppMessageBox(nullptr, QStringLiteral("?"), c.type), c.result) << c.buttons;
        // The order on screen is the style's; the texts are ours.
        QStringList texts = shown.split('|', Qt::SkipEmptyParts),
                    expected = QString::fromUtf8(c.buttons).split('|', Qt::SkipEmptyParts);
        texts.sort();
        expected.sort();
        EXPECT_EQ(texts, expected) << c.buttons;
    }
}

} // namespace
