#include "res/Images.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

// Drawn when asked for, taken as a pixmap or painted into a wider box
// (centred, the rest left clear), at the sizes it offers and at another,
// the icon must be the tile the installed icon files are.
TEST(Images, AppIconIsTheTileAtEverySize)
{
    const QIcon icon = AppIcon();
    const auto argb = [](const QImage& image) { return image.convertToFormat(QImage::Format_ARGB32_Premultiplied); };
    const QList<QSize> sizes = icon.availableSizes() << QSize(40, 40);
    for (const QSize& size : sizes) {
        QImage expected(size.width() + 16, size.height(), QImage::Format_ARGB32_Premultiplied);
        expected.fill(Qt::transparent);
        QImage painted = expected;
        QPainter(&expected).drawPixmap(8, 0, AppIconPixmap(size.width()));
        QPainter painter(&painted);
        icon.paint(&painter, painted.rect());
        painter.end();
        EXPECT_EQ(painted, expected) << size.width();
        EXPECT_EQ(argb(icon.pixmap(size).toImage()), argb(AppIconPixmap(size.width()).toImage())) << size.width();
    }
}

} // namespace
