#include "res/Images.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

QPixmap DrawFace(int face)
{
    static const QColor kColours[] = {QColor(40, 110, 230), QColor(150, 150, 150), QColor(220, 40, 40)};
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(kColours[std::clamp(face, 0, 2)]);
    painter.drawEllipse(QRectF(0.5, 0.5, 15, 15));

    painter.setBrush(Qt::black);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QRectF(4.5, 4.5, 2, 2.5));
    painter.drawEllipse(QRectF(9.5, 4.5, 2, 2.5));

    painter.setPen(QPen(Qt::black, 1.2));
    painter.setBrush(Qt::NoBrush);
    QPainterPath mouth;
    switch (face) {
    case FACE_LEADER: // a smile
        mouth.moveTo(4, 9.5);
        mouth.quadTo(8, 14, 12, 9.5);
        break;
    case FACE_LAST: // a frown
        mouth.moveTo(4.5, 12.5);
        mouth.quadTo(8, 8.5, 11.5, 12.5);
        break;
    default:
        mouth.moveTo(5, 11);
        mouth.lineTo(11, 11);
        break;
    }
    painter.drawPath(mouth);
    return pixmap;
}

void DrawAppIcon(QPainter& painter, QPoint topLeft, int size)
{
    painter.save();
    painter.translate(topLeft);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal edge = size / 16.0;
    painter.setPen(QPen(QColor(120, 80, 20), edge));
    painter.setBrush(QColor(250, 220, 150));
    painter.drawRoundedRect(QRectF(edge / 2, edge / 2, size - edge, size - edge), 2 * edge, 2 * edge);
    QFont font;
    font.setBold(true);
    font.setPixelSize(size * 3 / 4);
    painter.setFont(font);
    painter.setPen(QColor(60, 40, 10));
    painter.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, QStringLiteral("O"));
    painter.restore();
}

// The icon is drawn at the size asked for, when asked: the window system
// takes each of the usual sizes once, and five pixmaps kept for the
// window's life (96 KB) would serve nothing after that.
class AppIconEngine final : public QIconEngine {
public:
    // Square: QIcon centres it in the box it is painted into.
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int side = std::min(size.width(), size.height());
        return QSize(side, side);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        DrawAppIcon(*painter, rect.topLeft(), std::min(rect.width(), rect.height()));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        return AppIconPixmap(std::min(size.width(), size.height()));
    }

    QIconEngine* clone() const override { return new AppIconEngine; }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {QSize(16, 16), QSize(32, 32), QSize(48, 48), QSize(64, 64), QSize(128, 128)};
    }
};

} // namespace

QPixmap PlayerFace(int face)
{
    // Drawn once: the list shows the same three images over and over, and a
    // pixmap drawn anew for every row would fill Qt's pixmap cache with copies.
    static const QPixmap kFaces[] = {DrawFace(FACE_LEADER), DrawFace(FACE_MIDDLE), DrawFace(FACE_LAST)};
    return kFaces[std::clamp(face, 0, 2)];
}

QPixmap AppIconPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    DrawAppIcon(painter, QPoint(0, 0), size);
    return pixmap;
}

QIcon AppIcon()
{
    return QIcon(new AppIconEngine);
}
