// The game window's size: the template is its smallest size; more room goes
// to the display, the players list and the clock, and the puzzle is drawn as
// large as the display lets it, for players looking from a distance.

#include "WordGameDlg.h"

#include "DialogTemplate.h"
#include "GameDialog.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QResizeEvent>
#include <QScreen>
#include <QTreeWidget>

namespace {

bool OverlapsHorizontally(const QRect& a, const QRect& b)
{
    return a.left() <= b.right() && a.right() >= b.left();
}

// Whether `text`, wrapped at word boundaries only, fits `room` in `font`.
bool Fits(const QFont& font, const QString& text, const QSize& room)
{
    const QRect needed = QFontMetrics(font).boundingRect(QRect(0, 0, room.width(), 1 << 20),
                                                         Qt::TextWordWrap | Qt::AlignHCenter, text);
    return needed.width() <= room.width() && needed.height() <= room.height();
}

} // namespace

void CWordGameDlg::SetUpLayout()
{
    // The clock can be read from across the room.
    auto* countdown = DialogControl<QLabel>(this, IDC_COUNTDOWN);
    QFont large = font();
    large.setBold(true);
    large.setPixelSize(2 * QFontMetrics(font()).height());
    countdown->setFont(large);
    const QRect bar = m_progressTime->geometry();
    const int width = std::max(bar.width(), QFontMetrics(large).horizontalAdvance(QStringLiteral("999")) + 4);
    countdown->setGeometry(bar.center().x() - width / 2, bar.bottom() + 2, width, QFontMetrics(large).height());

    QSize client = FitControlsToText(this, size());
    for (const QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (control != m_menuBar)
            client = client.expandedTo(QSize(control->geometry().right() + 4, control->geometry().bottom() + 4));
    m_baseGeometry.clear();
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (control != m_menuBar)
            m_baseGeometry.emplace_back(control, control->geometry());
    m_baseSize = client;
    setMinimumSize(client);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(client);
    LayOutControls();
}

void CWordGameDlg::LayOutControls()
{
    if (m_baseGeometry.empty())
        return;
    const int dw = std::max(0, width() - m_baseSize.width());
    const int dh = std::max(0, height() - m_baseSize.height());
    QWidget* display = DialogControl(this, IDC_DISPLAY);
    QWidget* guess = DialogControl(this, IDC_GUESS);
    const auto baseOf = [this](const QWidget* control) {
        for (const auto& [widget, base] : m_baseGeometry)
            if (widget == control)
                return base;
        return QRect();
    };
    const QRect displayBase = baseOf(display);
    const QWidget* taller[] = {display, m_listPlayers, m_progressTime};

    for (const auto& [control, base] : m_baseGeometry) {
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
            rect.setWidth(base.width() + dw);
        else if (base.center().x() > displayBase.right())
            rect.translate(dw, 0);
        control->setGeometry(rect);
    }
    m_menuBar->resize(width(), m_menuBar->height());
    FitDisplayFont();
}

void CWordGameDlg::FitDisplayFont()
{
    auto* display = DialogControl<QPlainTextEdit>(this, IDC_DISPLAY);
    const QString text = display->toPlainText();
    // Less the document's margins and a pixel of the cursor's on each side.
    const int margin = 2 * static_cast<int>(display->document()->documentMargin()) + 4;
    const QSize room = display->contentsRect().size() - QSize(margin, margin);
    if (text == m_fittedText && room == m_fittedRoom)
        return;
    m_fittedText = text;
    m_fittedRoom = room;

    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    int smallest = 6, largest = 400;
    while (smallest < largest) {
        const int size = (smallest + largest + 1) / 2;
        font.setPixelSize(size);
        if (Fits(font, text, room))
            smallest = size;
        else
            largest = size - 1;
    }
    font.setPixelSize(smallest);
    display->setFont(font);
}

void CWordGameDlg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    LayOutControls();
}

void CWordGameDlg::RestorePlace()
{
    const CSettingsFile::WindowPlace& place = m_settingsFile.Place();
    if (!place.known)
        return;
    resize(std::max(place.width, minimumWidth()), std::max(place.height, minimumHeight()));
    // Only onto a screen that is there now: a place on a monitor since
    // unplugged would leave the window out of sight.
    const QRect wanted(QPoint(place.left, place.top), size());
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().intersects(wanted)) {
            move(wanted.topLeft());
            return;
        }
}

CSettingsFile::WindowPlace CWordGameDlg::Place() const
{
    return {x(), y(), width(), height(), true};
}
