// The game window's size: the template is its smallest size; more room goes
// to the display, the players list and the clock, and the puzzle is drawn as
// large as the display lets it, for players looking from a distance.

#include "app/WordGameDlg.h"

#include "platform/DialogTemplate.h"
#include "platform/Windows1252.h"
#include "res/GameDialog.h"
#include "res/Strings.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QResizeEvent>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTreeWidget>

namespace {

bool OverlapsHorizontally(const QRect& a, const QRect& b)
{
    return a.left() <= b.right() && a.right() >= b.left();
}

// Multi-line texts use CR LF, as the program's strings do; a Qt edit wants
// LF. The blank lines that set a text lower in the Windows program's small
// display would only make it smaller in this one, which fits the text's size
// to the room.
QString ForDisplay(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    while (text.startsWith('\n'))
        text.remove(0, 1);
    return text;
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
    m_baseGeometry.clear();
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control == m_menuBar)
            continue;
        client = client.expandedTo(QSize(control->geometry().right() + 4, control->geometry().bottom() + 4));
        m_baseGeometry.emplace_back(control, control->geometry());
    }
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
            rect.setWidth(base.width() + dw);
        else if (base.center().x() > displayBase.right())
            rect.translate(dw, 0);
        control->setGeometry(rect);
    }
    m_menuBar->resize(width(), m_menuBar->height());
    ShowInDisplay();
}

void CWordGameDlg::ShowInDisplay()
{
    auto* display = DialogControl<QPlainTextEdit>(this, IDC_DISPLAY);
    // Above a running puzzle, its game and player; below the waiting text,
    // how to start. Both smaller than the text they go with.
    QString heading, hint;
    if (m_turn.State() == TURN_RUNNING && m_engine.m_nGameType < GAME_COUNT && m_engine.m_nCurPlayer < m_engine.m_players.size())
        heading = LoadString(IDS_GAME_HANGMAN + m_engine.m_nGameType) + QStringLiteral(" \u2014 ")
            + FromWindows1252(m_engine.m_players[m_engine.m_nCurPlayer].m_strName);
    if (m_turn.State() == TURN_WAITING && !m_engine.m_players.empty())
        hint = LoadString(IDS_HOW_TO_START);
    const QString text = ForDisplay(m_strDisplay);
    const QString shown = (heading.isEmpty() ? QString() : heading + '\n') + text
        + (hint.isEmpty() ? QString() : '\n' + hint);

    // Less the document's margins and a pixel of the cursor's on each side.
    const int margin = 2 * static_cast<int>(display->document()->documentMargin()) + 4;
    const QSize room = display->contentsRect().size() - QSize(margin, margin);
    const bool hangmanLetters = m_turn.State() == TURN_RUNNING && m_engine.m_nGameType == GAME_HANGMAN;
    if (shown == m_shownText && room == m_fittedRoom && hangmanLetters == m_bShownLetters)
        return;
    m_shownText = shown;
    m_fittedRoom = room;
    m_bShownLetters = hangmanLetters;

    QFont small = font();
    small.setPixelSize(QFontMetrics(font()).height() * 3 / 2);
    int reserved = 0;
    for (const QString& line : {heading, hint})
        if (!line.isEmpty())
            reserved += QFontMetrics(small).boundingRect(QRect(0, 0, room.width(), 1 << 20), Qt::TextWordWrap, line).height();
    const QSize mainRoom(room.width(), std::max(1, room.height() - reserved));

    QFont fitted = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    int smallest = 6, largest = 400;
    while (smallest < largest) {
        const int size = (smallest + largest + 1) / 2;
        fitted.setPixelSize(size);
        if (Fits(fitted, text, mainRoom))
            smallest = size;
        else
            largest = size - 1;
    }
    fitted.setPixelSize(smallest);
    display->setFont(fitted);
    display->setPlainText(shown);

    QTextDocument* document = display->document();
    const auto format = [&](const QTextBlock& block, int from, int count, const QTextCharFormat& charFormat) {
        QTextCursor cursor(document);
        cursor.setPosition(block.position() + from);
        cursor.setPosition(block.position() + from + count, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(charFormat);
    };
    QTextCharFormat smallFormat;
    smallFormat.setFont(small);
    if (!heading.isEmpty())
        format(document->firstBlock(), 0, document->firstBlock().length() - 1, smallFormat);
    if (!hint.isEmpty())
        format(document->lastBlock(), 0, document->lastBlock().length() - 1, smallFormat);
    if (hangmanLetters) {
        // Tried letters: green when in the word, red and struck through when
        // not, so that the difference shows without colour too.
        const QTextBlock letters = document->lastBlock();
        const std::string& tried = m_engine.m_strGuessed;
        for (int i = 0; i < static_cast<int>(tried.size()) && i < letters.length() - 1; ++i) {
            const bool right = m_engine.m_strAnswer[0].find(tried[static_cast<std::size_t>(i)]) != std::string::npos;
            QTextCharFormat mark;
            mark.setForeground(right ? QColor(0, 128, 0) : QColor(200, 0, 0));
            mark.setFontStrikeOut(!right);
            format(letters, i, 1, mark);
        }
    }
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
