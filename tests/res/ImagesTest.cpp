#include "res/Images.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

QImage Argb(const QPixmap& pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The window's icon is drawn when asked for; whether taken as a pixmap or
// painted into a control, at every size it offers, at one it does not and
// into a box that is not square, it must be the tile the installed icon
// files are.
TEST(Images, AppIconIsTheTileAtEverySize)
{
    const QIcon icon = AppIcon();
    QList<QSize> sizes = icon.availableSizes();
    ASSERT_FALSE(sizes.isEmpty());
    sizes.append(QSize(40, 40));
    for (const QSize& size : sizes) {
        const QImage tile = Argb(AppIconPixmap(size.width()));
        EXPECT_EQ(Argb(icon.pixmap(size)), tile) << size.width();

        QImage painted(size.width() + 16, size.height(), QImage::Format_ARGB32_Premultiplied);
        painted.fill(Qt::transparent);
        QPainter painter(&painted);
        icon.paint(&painter, painted.rect());
        painter.end();
        EXPECT_EQ(painted.copy(8, 0, size.width(), size.height()), tile) << size.width();
        QImage margin(8, size.height(), QImage::Format_ARGB32_Premultiplied);
        margin.fill(Qt::transparent);
        EXPECT_EQ(painted.copy(0, 0, 8, size.height()), margin) << size.width();
    }
}

} // namespace
