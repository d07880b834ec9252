// The game window's size: the template is its smallest size; more room goes
// to the display, the players list and the clock, and the puzzle is drawn as
// large as the display lets it, for players looking from a distance.

#include "app/WordGameDlg.h"

#include "controls/LetterBoard.h"
#include "controls/MatchResults.h"
#include "platform/DialogTemplate.h"
#include "res/GameTemplate.h"
#include "res/Strings.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTreeWidget>

#include <algorithm>

namespace {

bool OverlapsHorizontally(const QRect& a, const QRect& b)
{
    return a.left() <= b.right() && a.right() >= b.left();
}

} // namespace

void CWordGameDlg::SetUpLayout()
{
    // The players list as wide as its columns (sized for the largest
    // points): the whole window right of it moves along.
    int columns = 0;
    for (int column = 0; column < m_listPlayers->columnCount(); ++column)
        columns += m_listPlayers->columnWidth(column);
    const int listWidth =
        columns + 2 * m_listPlayers->frameWidth() + m_listPlayers->verticalScrollBar()->sizeHint().width();
    if (const int wider = listWidth - m_listPlayers->width(); wider > 0) {
        const int right = m_listPlayers->geometry().right();
        for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (control->x() > right)
                control->move(control->x() + wider, control->y());
        m_listPlayers->resize(listWidth, m_listPlayers->height());
    }

    QSize client = FitControlsToText(this, size());
    // "Tillgängliga ord" may name the list in play: it takes the rest of its row.
    auto* available = DialogControl<QLabel>(this, IDC_AVAILABLE);
    for (const QGroupBox* group : findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly))
        if (group->geometry().contains(available->geometry().center()))
            available->resize(std::max(available->width(), group->geometry().right() - 4 - available->x()),
                              available->height());

    // The clock under the bar, as wide as its three digits; the bar and it
    // move right of whatever the fitting widened beside them.
    auto* countdown = DialogControl<QLabel>(this, IDC_COUNTDOWN);
    QFont large = font();
    large.setBold(true);
    large.setPixelSize(ClockPixels(0));
    countdown->setFont(large);
    const int width =
        std::max(m_progressTime->width(), QFontMetrics(large).horizontalAdvance(QStringLiteral("999")) + 4);
    QRect clock(m_progressTime->geometry().center().x() - width / 2, m_progressTime->geometry().bottom() + 2, width,
                QFontMetrics(large).height());
    int overlap = 0;
    for (const QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (control != countdown && control != m_progressTime && control != m_menuBar && control->isVisibleTo(this)
            && control->geometry().intersects(clock) && control->x() < clock.x())
            overlap = std::max(overlap, control->geometry().right() + 4 - clock.x());
    m_progressTime->move(m_progressTime->x() + overlap, m_progressTime->y());
    countdown->setGeometry(clock.translated(overlap, 0));
    m_baseGeometry.clear();
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control == m_menuBar || control == m_board || control == m_results)
            continue;
        client = client.expandedTo(QSize(control->geometry().right() + 4, control->geometry().bottom() + 4));
        m_baseGeometry.emplace_back(control, control->geometry());
    }
    m_baseSize = client;
    // The letter board below everything: three lines of tiles a finger can
    // take, or its buttons, whichever is taller.
    m_baseHeightWithoutBoard = client.height();
    m_boardHeight = m_board->HeightFor(3, kSmallestTile);
    if (!m_board->isHidden())
        m_baseSize.rheight() += m_boardHeight + kBoardGap;
    // The template's size is the smallest, unless the screen is smaller:
    // then the window fits the screen and the display gives up the room.
    setMinimumSize(m_baseSize.boundedTo(LargestClientSize()));
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // Laid out by the resize event at the size the window shows at, not
    // here at a size it leaves at once.
    resize(minimumSize());
}

void CWordGameDlg::Announce(const QString& spoken)
{
    auto* display = DialogControl(this, IDC_DISPLAY);
    if (display->accessibleName() == spoken)
        return;
    display->setAccessibleName(spoken);
    AnnounceInGuess(spoken);
}

void CWordGameDlg::AnnounceInGuess(const QString& text)
{
    // A screen reader tells a change of the focused control's description:
    // the player hears the turn without leaving "Gissa".
    DialogControl(this, IDC_GUESS)->setAccessibleDescription(text);
}

int CWordGameDlg::ClockPixels(int windowHeight) const
{
    // Twice the text's height at the smallest, and then growing with the
    // window, to be read from across the room.
    return std::max(2 * QFontMetrics(font()).height(), windowHeight / 9);
}

QSize CWordGameDlg::LargestClientSize() const
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // The window manager's frame is not known before the window shows: an
    // allowance for a title bar and borders.
    constexpr int kFrameWidth = 16, kFrameHeight = 48;
    return screen->availableGeometry().size() - QSize(kFrameWidth, kFrameHeight);
}

void CWordGameDlg::LayOutControls()
{
    if (m_baseGeometry.empty())
        return;
    // Negative where the screen is smaller than the template. A quarter of
    // the height gained goes to the letter board, so its tiles grow too.
    const int dw = width() - m_baseSize.width();
    const int boardGrows = m_board->isHidden() ? 0 : std::max(0, height() - m_baseSize.height()) / 4;
    const int dh = height() - m_baseSize.height() - boardGrows;
    QWidget* display = DialogControl(this, IDC_DISPLAY);
    QWidget* guess = DialogControl(this, IDC_GUESS);
    auto* countdown = DialogControl<QLabel>(this, IDC_COUNTDOWN);
    const auto baseOf = [this](const QWidget* control) {
        for (const auto& [widget, base] : m_baseGeometry)
            if (widget == control)
                return base;
        return QRect();
    };
    const QRect displayBase = baseOf(display);
    const QWidget* taller[] = {display, m_listPlayers, m_progressTime};

    // The clock grows with the window; its column takes up to a third of
    // the width the window gained, from the display, and the height from
    // the bar above it.
    const QRect clockBase = baseOf(countdown);
    const int clockRoom = clockBase.width() + std::max(0, dw) / 3;
    QFont clockFont = countdown->font();
    int clockPixels = ClockPixels(height());
    clockFont.setPixelSize(clockPixels);
    const int digitsWidth = QFontMetrics(clockFont).horizontalAdvance(QStringLiteral("999")) + 4;
    if (digitsWidth > clockRoom) // as large as the column holds, and never below the smallest
        clockPixels = std::max(ClockPixels(0), clockPixels * clockRoom / digitsWidth);
    clockFont.setPixelSize(clockPixels);
    countdown->setFont(clockFont);
    const QFontMetrics clockMetrics(clockFont);
    const int clockWider = std::max(0, clockMetrics.horizontalAdvance(QStringLiteral("999")) + 4 - clockBase.width());
    const int clockTaller = std::max(0, clockMetrics.height() - clockBase.height());

    for (const auto& [control, placed] : m_baseGeometry) {
        const QRect base = placed; // clang 14 cannot capture a structured binding in a lambda
        QRect rect = base;
        // Taller: the display, the list and the bar; what stands below them moves down.
        if (std::find(std::begin(taller), std::end(taller), control) != std::end(taller))
            rect.setHeight(base.height() + dh);
        else if (std::any_of(std::begin(taller), std::end(taller), [&](const QWidget* grower) {
                     const QRect above = baseOf(grower);
                     return base.top() > above.bottom() && OverlapsHorizontally(base, above);
                 }))
            rect.translate(0, dh);
        // Wider: the display and the guess field under it; what stands right of them moves right.
        if (control == display || control == guess)
            rect.setWidth(base.width() + dw - clockWider);
        else if (base.center().x() > displayBase.right())
            rect.translate(dw - clockWider / 2, 0);
        if (control == countdown)
            rect.adjust(-clockWider / 2, -clockTaller, clockWider - clockWider / 2, 0);
        else if (control == m_progressTime)
            rect.setBottom(rect.bottom() - clockTaller);
        control->setGeometry(rect);
    }
    if (m_results && !m_results->isHidden()) // the results in the display's place
        m_results->setGeometry(display->geometry());
    if (!m_board->isHidden()) {
        const int left = baseOf(m_listPlayers).left();
        const int height = m_boardHeight + boardGrows;
        m_board->setGeometry(left, this->height() - height - 4, width() - 2 * left, height);
    }
    m_menuBar->resize(width(), m_menuBar->height());
    ShowInDisplay();
}

void CWordGameDlg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    LayOutControls();
}

void CWordGameDlg::RestorePlace()
{
    const QScreen* primary = QGuiApplication::primaryScreen();
    const CSettingsFile::WindowPlace& place = m_settingsFile.Place();
    const QSize largest = LargestClientSize().expandedTo(minimumSize());
    if (!place.known) {
        // A first start: a good share of the screen, centred, for a puzzle
        // that reads from a distance; on a small screen, room at least for
        // a display three times the template's height.
        if (primary) {
            const QRect available = primary->availableGeometry();
            const int displayHeight = DialogControl(this, IDC_DISPLAY)->height();
            const QSize share(available.width() * 2 / 3,
                              std::max(available.height() * 2 / 3, minimumHeight() + 2 * displayHeight));
            resize(share.expandedTo(minimumSize()).boundedTo(largest));
            move(available.center() - rect().center());
        }
        return;
    }
    resize(QSize(place.width, place.height).expandedTo(minimumSize()).boundedTo(largest));
    // Only onto a screen that is there now: a place on a monitor since
    // unplugged would leave the window out of sight.
    const QRect wanted(QPoint(place.left, place.top), size());
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().intersects(wanted)) {
            move(wanted.topLeft());
            return;
        }
    if (primary)
        move(primary->availableGeometry().center() - rect().center());
}

CSettingsFile::WindowPlace CWordGameDlg::Place() const
{
    return {x(), y(), width(), height(), true};
}
