#include "controls/MatchResults.h"

#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr int kMargin = 8;

// Six colours that stay apart for the common kinds of colour blindness
// (Okabe and Ito's), then again with other dashes and markers.
const QColor kColours[] = {QColor(0, 114, 178),   QColor(213, 94, 0),   QColor(0, 158, 115),
                           QColor(204, 121, 167), QColor(86, 180, 233), QColor(230, 159, 0)};
const Qt::PenStyle kDashes[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine};

QColor LineColour(std::size_t line)
{
    return kColours[line % std::size(kColours)];
}

void DrawMarker(QPainter& painter, std::size_t line, QPointF at, qreal size)
{
    QPainterPath path;
    switch (line % 5) {
    case 0:
        path.addEllipse(at, size, size);
        break;
    case 1:
        path.addRect(QRectF(at.x() - size, at.y() - size, 2 * size, 2 * size));
        break;
    case 2:
        path.moveTo(at.x(), at.y() - size * 1.2);
        path.lineTo(at.x() + size * 1.1, at.y() + size);
        path.lineTo(at.x() - size * 1.1, at.y() + size);
        path.closeSubpath();
        break;
    case 3:
        path.moveTo(at.x(), at.y() - size * 1.3);
        path.lineTo(at.x() + size * 1.3, at.y());
        path.lineTo(at.x(), at.y() + size * 1.3);
        path.lineTo(at.x() - size * 1.3, at.y());
        path.closeSubpath();
        break;
    default:
        path.moveTo(at.x() - size, at.y() - size);
        path.lineTo(at.x() + size, at.y() + size);
        path.moveTo(at.x() + size, at.y() - size);
        path.lineTo(at.x() - size, at.y() + size);
        break;
    }
    painter.save();
    painter.setPen(QPen(LineColour(line), 2));
    painter.setBrush(line % 5 == 4 ? Qt::NoBrush : QBrush(LineColour(line)));
    painter.drawPath(path);
    painter.restore();
}

} // namespace

CMatchResults::CMatchResults(QWidget* parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setFocusPolicy(Qt::NoFocus);
    m_newMatch = new QPushButton(this);
    m_newMatch->setAutoDefault(false);
    m_newMatch->setFocusPolicy(Qt::TabFocus);
}

void CMatchResults::SetResults(const MatchResultsView& view)
{
    m_view = view;
    setAccessibleDescription(view.summary + QLatin1Char('\n') + view.table);
    update();
}

void CMatchResults::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const QSize button = m_newMatch->sizeHint();
    m_newMatch->setGeometry(width() - button.width() - kMargin, height() - button.height() - kMargin, button.width(),
                            button.height());
}

void CMatchResults::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect room = rect().adjusted(kMargin, kMargin, -kMargin, -kMargin - m_newMatch->height() - kMargin);
    const int half = room.width() / 2;
    DrawPodium(painter, QRect(room.left(), room.top(), half - kMargin, room.height()));
    DrawChart(painter, QRect(room.left() + half, room.top(), room.width() - half, room.height()));
}

void CMatchResults::DrawPodium(QPainter& painter, const QRect& room) const
{
    // The first three on steps of three, two and one units, the winner in
    // the middle; below them every player's standing.
    const QFontMetrics metrics(font());
    const int lines = static_cast<int>(m_view.standings.size());
    const int listHeight = std::min(room.height() / 2, lines * metrics.height());
    const QRect podium(room.left(), room.top(), room.width(), room.height() - listHeight - kMargin);
    const int step = podium.width() / 3;
    const int unit = std::max(1, (podium.height() - 2 * metrics.height() - 40) / 4);
    const int columnOf[] = {1, 0, 2};
    for (int i = 0; i < lines && i < 3; ++i) {
        const MatchStanding& standing = m_view.standings[static_cast<std::size_t>(i)];
        const int height = unit * (3 - static_cast<int>(std::min(standing.place, 3u)) + 1);
        const QRect block(podium.left() + columnOf[i] * step + 2, podium.bottom() - height, step - 4, height);
        painter.fillRect(block, palette().color(QPalette::Mid));
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(block, Qt::AlignCenter, QString::number(standing.place));
        const int face = std::min(32, step / 2);
        painter.drawPixmap(QRect(block.center().x() - face / 2, block.top() - face - metrics.height() * 2, face, face),
                           standing.face);
        painter.drawText(QRect(block.left(), block.top() - metrics.height() * 2, block.width(), metrics.height()),
                         Qt::AlignCenter, metrics.elidedText(standing.name, Qt::ElideRight, block.width()));
        painter.drawText(QRect(block.left(), block.top() - metrics.height(), block.width(), metrics.height()),
                         Qt::AlignCenter, QString::number(standing.points));
    }
    int y = podium.bottom() + kMargin;
    for (const MatchStanding& standing : m_view.standings) {
        if (y + metrics.height() > room.bottom() + 1)
            break;
        painter.drawText(QRect(room.left(), y, room.width(), metrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(standing.text, Qt::ElideRight, room.width()));
        y += metrics.height();
    }
}

void CMatchResults::DrawChart(QPainter& painter, const QRect& room) const
{
    const QFontMetrics metrics(font());
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QRect(room.left(), room.top(), room.width(), metrics.height()), Qt::AlignCenter,
                     m_view.chartTitle);
    uint32_t most = 1;
    for (const MatchChartLine& line : m_view.lines)
        for (const uint32_t points : line.points)
            most = std::max(most, points);
    // The legend at the right: each name with its line and marker.
    int legendWidth = 0;
    for (const MatchChartLine& line : m_view.lines)
        legendWidth = std::max(legendWidth, metrics.horizontalAdvance(line.name));
    legendWidth += 40;
    const int axis = metrics.horizontalAdvance(QString::number(most)) + 6;
    const QRect plot(room.left() + axis, room.top() + metrics.height() + kMargin,
                     std::max(10, room.width() - axis - legendWidth - kMargin),
                     std::max(10, room.height() - 3 * metrics.height() - 2 * kMargin));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    painter.drawText(QRect(room.left(), plot.top() - metrics.height() / 2, axis - 4, metrics.height()),
                     Qt::AlignRight | Qt::AlignVCenter, QString::number(most));
    painter.drawText(QRect(room.left(), plot.bottom() - metrics.height() / 2, axis - 4, metrics.height()),
                     Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("0"));
    const unsigned rounds = std::max(1u, m_view.rounds);
    const auto xOf = [&](unsigned round) { return plot.left() + plot.width() * static_cast<qreal>(round) / rounds; };
    const auto yOf = [&](uint32_t points) { return plot.bottom() - plot.height() * static_cast<qreal>(points) / most; };
    for (unsigned round = 1; round <= rounds; ++round) {
        const qreal x = xOf(round);
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 4));
        if (rounds <= 20 || round % 5 == 0)
            painter.drawText(QRectF(x - 20, plot.bottom() + 4, 40, metrics.height()), Qt::AlignCenter,
                             QString::number(round));
    }
    painter.drawText(QRect(plot.left(), plot.bottom() + 4 + metrics.height(), plot.width(), metrics.height()),
                     Qt::AlignCenter, m_view.roundAxis);
    for (std::size_t i = 0; i < m_view.lines.size(); ++i) {
        const MatchChartLine& line = m_view.lines[i];
        QPen pen(LineColour(i), 2.5, kDashes[(i / 2) % std::size(kDashes)]);
        painter.setPen(pen);
        QPolygonF points;
        // A line starts at nothing before the round its player joined in.
        points << QPointF(xOf(line.joined), yOf(0));
        for (std::size_t r = 0; r < line.points.size(); ++r)
            points << QPointF(xOf(line.joined + static_cast<unsigned>(r) + 1), yOf(line.points[r]));
        painter.drawPolyline(points);
        for (qsizetype p = 1; p < points.size(); ++p)
            DrawMarker(painter, i, points[p], 4);
        const int y = plot.top() + static_cast<int>(i) * (metrics.height() + 4) + metrics.height() / 2;
        painter.setPen(pen);
        painter.drawLine(plot.right() + kMargin, y, plot.right() + kMargin + 24, y);
        DrawMarker(painter, i, QPointF(plot.right() + kMargin + 12, y), 4);
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(QRect(plot.right() + kMargin + 30, y - metrics.height() / 2, legendWidth, metrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, line.name);
    }
}
