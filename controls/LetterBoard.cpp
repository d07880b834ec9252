#include "controls/LetterBoard.h"

#include <QKeyEvent>
#include <QTouchEvent>

#include <algorithm>

namespace {

constexpr int kGap = 4;

QString StyleOf(TileMark mark)
{
    // Right and wrong differ without colour too: a wrong letter is struck through.
    switch (mark) {
    case TileMark::Right:
        return QStringLiteral("QPushButton { color: white; background: rgb(0, 128, 0); }");
    case TileMark::Wrong:
        return QStringLiteral("QPushButton { color: white; background: rgb(200, 0, 0); }");
    case TileMark::Placed:
        return QStringLiteral("QPushButton { color: gray; background: palette(mid); }");
    default:
        return {};
    }
}

} // namespace

CTile::CTile(QWidget* parent)
    : QPushButton(parent)
{
    setAttribute(Qt::WA_AcceptTouchEvents);
    setFocusPolicy(Qt::TabFocus);
    setAutoDefault(false);
}

bool CTile::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchCancel:
        // Taken here, so that no mouse click is made of the same tap.
        event->accept();
        return true;
    case QEvent::TouchEnd: {
        const auto* touch = static_cast<QTouchEvent*>(event);
        if (isEnabled() && !touch->points().isEmpty() && rect().contains(touch->points().first().position().toPoint()))
            click();
        event->accept();
        return true;
    }
    default:
        return QPushButton::event(event);
    }
}

void CTile::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

CLetterBoard::CLetterBoard(QWidget* parent)
    : QWidget(parent)
{
}

void CLetterBoard::SetRows(const std::vector<TileRow>& rows, const std::function<QString(QChar, TileMark)>& names)
{
    bool same = rows.size() == m_tiles.size();
    for (std::size_t r = 0; same && r < rows.size(); ++r)
        same = static_cast<qsizetype>(m_tiles[r].size()) == rows[r].letters.size();
    if (!same) {
        // Later, not now: the tile pressed may be the one whose click
        // brought these rows, and is still in its click.
        for (auto& row : m_tiles)
            for (CTile* tile : row) {
                tile->hide();
                tile->deleteLater();
            }
        m_tiles.assign(rows.size(), {});
        for (std::size_t r = 0; r < rows.size(); ++r)
            for (qsizetype i = 0; i < rows[r].letters.size(); ++i) {
                auto* tile = new CTile(this);
                connect(tile, &QPushButton::clicked, this, [this, r, i] {
                    if (onTile)
                        onTile(static_cast<int>(r), static_cast<int>(i));
                });
                m_tiles[r].push_back(tile);
                tile->show();
            }
        LayOut();
    }
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t i = 0; i < m_tiles[r].size(); ++i) {
            const QChar letter = rows[r].letters[static_cast<qsizetype>(i)];
            const TileMark mark = i < rows[r].marks.size() ? rows[r].marks[i] : TileMark::Free;
            CTile* tile = m_tiles[r][i];
            tile->setText(letter);
            // Every key refreshes the board: a tile is styled again only when its mark changed.
            if (const QString style = StyleOf(mark); tile->styleSheet() != style) {
                tile->setStyleSheet(style);
                QFont font = tile->font();
                font.setStrikeOut(mark == TileMark::Wrong);
                tile->setFont(font);
            }
            tile->setEnabled(mark == TileMark::Free || mark == TileMark::Placed);
            tile->setAccessibleName(names ? names(letter, mark) : QString(letter));
        }
}

QPushButton* CLetterBoard::AddButton(const QString& text)
{
    auto* button = new QPushButton(text, this);
    button->setFocusPolicy(Qt::TabFocus);
    button->setAutoDefault(false);
    m_buttons.push_back(button);
    LayOut();
    return button;
}

CTile* CLetterBoard::Tile(int row, int index) const
{
    return m_tiles.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(index));
}

bool CLetterBoard::HasTile(int row, int index) const
{
    return row >= 0 && index >= 0 && static_cast<std::size_t>(row) < m_tiles.size()
        && static_cast<std::size_t>(index) < m_tiles[static_cast<std::size_t>(row)].size();
}

int CLetterBoard::HeightFor(int lines, int tile) const
{
    int buttons = 0;
    for (const QPushButton* button : m_buttons)
        buttons += button->sizeHint().height() + kGap;
    return std::max(lines * (tile + kGap), buttons);
}

void CLetterBoard::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    LayOut();
}

void CLetterBoard::LayOut()
{
    // The buttons in a column at the right, as wide as the widest.
    int buttonsWidth = 0;
    for (const QPushButton* button : m_buttons)
        buttonsWidth = std::max(buttonsWidth, button->sizeHint().width());
    int y = 0;
    for (QPushButton* button : m_buttons) {
        button->setGeometry(width() - buttonsWidth, y, buttonsWidth, button->sizeHint().height());
        y += button->sizeHint().height() + kGap;
    }
    const int room = width() - buttonsWidth - 2 * kGap;
    // The largest square tiles with which every row fits, in as many lines
    // as the width asks; never larger than three lines of them fill, so that
    // a short row's tiles stay smaller than the puzzle above them.
    int tile = (height() - 2 * kGap) / 3;
    for (; tile > 8; --tile) {
        const int perLine = std::max(1, room / (tile + kGap));
        int lines = 0;
        for (const auto& row : m_tiles)
            lines += std::max<int>(1, (static_cast<int>(row.size()) + perLine - 1) / perLine);
        if (lines * (tile + kGap) <= height())
            break;
    }
    const int perLine = std::max(1, room / (tile + kGap));
    QFont letters = font();
    letters.setPixelSize(std::max(8, tile * 11 / 20));
    int line = 0;
    for (const auto& row : m_tiles) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            const int column = static_cast<int>(i) % perLine;
            if (i > 0 && column == 0)
                ++line;
            letters.setStrikeOut(row[i]->font().strikeOut());
            row[i]->setFont(letters);
            row[i]->setGeometry(column * (tile + kGap), line * (tile + kGap), tile, tile);
        }
        ++line;
    }
}
