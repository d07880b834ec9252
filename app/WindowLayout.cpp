// The game window's size: the template is its smallest size; more room goes
// to the display, the players list and the clock, and the puzzle is drawn as
// large as the display lets it, for players looking from a distance.

#include "app/WordGameDlg.h"

#include "controls/LetterBoard.h"
#include "controls/MatchResults.h"
#include "platform/DialogTemplate.h"
#include "platform/Windows1252.h"
#include "res/GameDialog.h"
#include "res/Strings.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QResizeEvent>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QTreeWidget>

#include <algorithm>
#include <cmath>

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

// The height of `text` laid out as the display lays out its lines, wrapped
// at word boundaries to `width`; -1 when a word is wider than that.
int LaidOutHeight(const QString& text, const QFont& font, int width)
{
    qreal height = 0;
    for (const QString& paragraph : text.split('\n')) {
        QTextLayout layout(paragraph, font);
        QTextOption option(Qt::AlignHCenter);
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            line.setLeadingIncluded(true);
            if (line.naturalTextWidth() > width) {
                layout.endLayout();
                return -1;
            }
            height += line.height();
        }
        layout.endLayout();
    }
    return static_cast<int>(std::ceil(height));
}

// The size of the display's smaller lines (the heading, whose turn comes,
// how to start) beside text of `pixels`: two fifths as large, so that they
// grow with the window too, but never below the application's font while
// the main text is larger than that, and always smaller than the main text.
int SecondaryPixels(int pixels, int applicationPixels)
{
    return std::max(pixels * 2 / 5, std::min(applicationPixels, pixels * 4 / 5));
}

// A hangman word as a screen reader should say it: letter by letter, a
// letter not found yet as "streck".
QString SpokenLetters(const QString& word)
{
    QStringList letters;
    for (const QChar letter : word)
        letters << (letter == '-' ? LoadString(IDS_A11Y_DASH) : QString(letter));
    return letters.join(QStringLiteral(", "));
}

// The largest size in lo..hi for which `fits` holds (lo when none does),
// trying sizes near `guess` first: every size tried loads a font, and the
// guess is mostly within a few pixels.
template <typename Fits>
int LargestFitting(int guess, int lo, int hi, Fits&& fits)
{
    int good = lo - 1, bad = hi + 1; // fits(good) holds, fits(bad) does not
    guess = std::clamp(guess, lo, hi);
    (fits(guess) ? good : bad) = guess;
    for (int step = 1; bad == hi + 1 && good < hi; step *= 2) { // upwards
        const int next = std::min(hi, good + step);
        (fits(next) ? good : bad) = next;
    }
    for (int step = 1; good == lo - 1 && bad > lo; step *= 2) { // downwards
        const int next = std::max(lo, bad - step);
        (fits(next) ? good : bad) = next;
    }
    while (bad - good > 1) {
        const int middle = good + (bad - good) / 2;
        (fits(middle) ? good : bad) = middle;
    }
    return std::max(good, lo);
}

} // namespace

void CWordGameDlg::SetUpLayout()
{
    auto* countdown = DialogControl<QLabel>(this, IDC_COUNTDOWN);
    QFont large = font();
    large.setBold(true);
    large.setPixelSize(ClockPixels(0));
    countdown->setFont(large);
    const QRect bar = m_progressTime->geometry();
    const int width = std::max(bar.width(), QFontMetrics(large).horizontalAdvance(QStringLiteral("999")) + 4);
    countdown->setGeometry(bar.center().x() - width / 2, bar.bottom() + 2, width, QFontMetrics(large).height());

    QSize client = FitControlsToText(this, size());
    // "Tillgängliga ord" may name the list in play: it takes the rest of its row.
    auto* available = DialogControl<QLabel>(this, IDC_AVAILABLE);
    for (const QGroupBox* group : findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly))
        if (group->geometry().contains(available->geometry().center()))
            available->resize(std::max(available->width(), group->geometry().right() - 4 - available->x()), available->height());
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

void CWordGameDlg::ShowInDisplay()
{
    // Fitting the text tries many font sizes: not before the window shows
    // at its size, which shows it once.
    if (!isVisible())
        return;
    auto* display = DialogControl<QPlainTextEdit>(this, IDC_DISPLAY);
    if (m_bListPending) { // the loading text is not worth fitting: it shows for a moment
        display->setFont(font());
        display->setPlainText(ForDisplay(m_strDisplay));
        Announce(display->toPlainText());
        m_shownText.clear();
        return;
    }
    // The text in the largest font that fits, the puzzle above all. Above a
    // running puzzle, its game and player in one line; below a result,
    // whose turn comes and how to start, smaller. Their room is kept
    // through the result pause, so that the answer keeps its size when the
    // pause ends.
    QString heading, nextPlayer, hint;
    const bool players = !m_engine.m_players.empty() && m_engine.m_nCurPlayer < m_engine.m_players.size();
    const QString name = players ? FromWindows1252(m_engine.m_players[m_engine.m_nCurPlayer].m_strName) : QString();
    const bool puzzleShown = m_turn.State() == TURN_RUNNING && !m_turn.Paused();
    if (m_turn.State() == TURN_RUNNING && m_engine.m_nGameType < GAME_COUNT && players)
        heading = LoadString(IDS_GAME_HANGMAN + m_engine.m_nGameType) + QStringLiteral(" \u2014 ") + name;
    QString text = ForDisplay(m_strDisplay);
    if (m_turn.State() == TURN_WAITING && players && !m_engine.MatchOver()) { // the results say what comes
        hint = LoadString(IDS_HOW_TO_START);
        const QString next = ForDisplay(NextPlayerText(m_engine.m_nCurPlayer, m_engine.m_nRound));
        if (text.endsWith(next) && text.size() > next.size()) {
            nextPlayer = next;
            text.chop(next.size());
            while (text.endsWith('\n'))
                text.chop(1);
        }
    }
    const bool reserveFooter = (m_turn.State() == TURN_RESULT && players) || !nextPlayer.isEmpty();
    // During the pause, the line of whose turn comes is measured already,
    // so that the result keeps its size when the line appears.
    QString measuredNext = nextPlayer;
    if (m_turn.State() == TURN_RESULT && players) {
        const std::size_t upcoming = (m_engine.m_nCurPlayer + 1) % m_engine.m_players.size();
        measuredNext = ForDisplay(NextPlayerText(upcoming, m_engine.m_nRound + (upcoming == 0 ? 1 : 0)));
    }
    const QString reservedHint = reserveFooter ? LoadString(IDS_HOW_TO_START) : hint;
    // A running hangman puzzle: the word large, the letters tried below it
    // in the smaller size (a line kept for them before the first).
    const bool hangmanLetters = puzzleShown && m_engine.m_nGameType == GAME_HANGMAN;
    QString letters;
    if (hangmanLetters) {
        letters = text.section('\n', -1);
        text = text.section('\n', 0, 0);
    }
    // A themed list's hint sentence, once taken as a hint, under the puzzle.
    const QString sentence = puzzleShown && m_turn.SentenceShown()
        ? FromWindows1252(m_engine.HintSentence()) : QString();

    // Less the document's margins and a pixel of the cursor's on each side.
    const int margin = 2 * static_cast<int>(display->document()->documentMargin()) + 4;
    const QSize room = display->contentsRect().size() - QSize(margin, margin);
    const QString shown = QStringList{heading, text, sentence, nextPlayer, hint, letters, QString::number(reserveFooter),
                                      QString::number(hangmanLetters)}.join('\x1');
    if (shown == m_shownText && room == m_fittedRoom)
        return;
    m_shownText = shown;
    m_fittedRoom = room;

    const int applicationPixels = QFontMetrics(font()).height();
    QFont fitted = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    QFont small = font();
    // The one-line texts shrink to the width before they are elided, but
    // not below the application's font.
    small.setPixelSize(100);
    const int widestAt100 = std::max({1, QFontMetrics(small).horizontalAdvance(heading),
                                      QFontMetrics(small).horizontalAdvance(measuredNext)});
    const int oneLineFit = std::max(applicationPixels, 100 * room.width() / widestAt100 - 1);
    const auto secondaryAt = [&](int pixels) {
        QFont secondary = small;
        secondary.setPixelSize(std::max(1, std::min(SecondaryPixels(pixels, applicationPixels), oneLineFit)));
        return secondary;
    };
    // A sentence reads at a smaller size still, so that it leaves the puzzle its room.
    const auto sentenceAt = [&](int pixels) {
        QFont font = secondaryAt(pixels);
        font.setPixelSize(std::min(font.pixelSize(), std::max(applicationPixels, pixels / 4)));
        return font;
    };
    const auto fits = [&](int pixels) {
        fitted.setPixelSize(pixels);
        const QFont secondary = secondaryAt(pixels);
        const int oneLine = LaidOutHeight(QStringLiteral("X"), secondary, room.width());
        const int main = text.isEmpty() ? 0 : LaidOutHeight(text, fitted, room.width());
        const int hintHeight = reservedHint.isEmpty() ? 0 : LaidOutHeight(reservedHint, secondary, room.width());
        const int lettersHeight = hangmanLetters ? std::max(oneLine, LaidOutHeight(letters, secondary, room.width())) : 0;
        const int sentenceHeight = sentence.isEmpty() ? 0 : LaidOutHeight(sentence, sentenceAt(pixels), room.width());
        if (main < 0 || hintHeight < 0 || lettersHeight < 0 || sentenceHeight < 0)
            return false;
        return (heading.isEmpty() ? 0 : oneLine) + main + sentenceHeight + (reserveFooter ? oneLine : 0) + hintHeight
            + lettersHeight <= room.height();
    };
    // The guess: the main text's lines unwrapped, scaled from 100 pixels to
    // the room; the smaller lines are about two fifths of a line each.
    fitted.setPixelSize(100);
    const QFontMetrics at100(fitted);
    const QStringList lines = text.split('\n');
    int widest = 1;
    for (const QString& line : lines)
        widest = std::max(widest, at100.horizontalAdvance(line));
    const int smallLines = !heading.isEmpty() + !sentence.isEmpty() + reserveFooter + !reservedHint.isEmpty() + hangmanLetters;
    const double linesHigh = lines.size() + 0.4 * smallLines;
    const int guess = static_cast<int>(std::min(100.0 * room.width() / widest,
                                                100.0 * room.height() / (at100.lineSpacing() * linesHigh)));
    const int smallest = LargestFitting(guess, 6, 400, fits);
    fitted.setPixelSize(smallest);
    small = secondaryAt(smallest);
    const QFontMetrics smallMetrics(small);
    heading = smallMetrics.elidedText(heading, Qt::ElideRight, room.width());
    nextPlayer = smallMetrics.elidedText(nextPlayer, Qt::ElideRight, room.width());

    QStringList blocks;
    if (!heading.isEmpty())
        blocks << heading;
    if (!text.isEmpty())
        blocks << text;
    for (const QString& footer : {sentence, nextPlayer, hint})
        if (!footer.isEmpty())
            blocks << footer;
    if (hangmanLetters)
        blocks << letters;
    display->setFont(fitted);
    display->setPlainText(blocks.join('\n'));
    QStringList spoken = blocks;
    if (hangmanLetters && !text.isEmpty())
        spoken[heading.isEmpty() ? 0 : 1] = SpokenLetters(text);
    Announce(spoken.join('\n'));

    QTextDocument* document = display->document();
    const auto format = [&](const QTextBlock& block, int from, int count, const QTextCharFormat& charFormat) {
        QTextCursor cursor(document);
        cursor.setPosition(block.position() + from);
        cursor.setPosition(block.position() + from + count, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(charFormat);
    };
    const auto setFont = [&](const QTextBlock& block, const QFont& font) {
        QTextCharFormat blockFormat;
        blockFormat.setFont(font);
        QTextCursor(block).setBlockCharFormat(blockFormat); // an empty line too
        format(block, 0, block.length() - 1, blockFormat);
    };
    if (!heading.isEmpty())
        setFont(document->firstBlock(), small);
    QTextBlock footer = document->lastBlock(); // from the last line up
    for (const bool shown : {hangmanLetters, !hint.isEmpty(), !nextPlayer.isEmpty()}) {
        if (shown) {
            setFont(footer, small);
            footer = footer.previous();
        }
    }
    if (!sentence.isEmpty())
        setFont(footer, sentenceAt(smallest));
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
