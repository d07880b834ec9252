// The display's text: composed from the turn (the heading, the puzzle or
// the message, the hint sentence, whose turn comes, how to start, the tried
// letters), fitted into the largest font the display holds with the puzzle
// above all, drawn with its smaller lines and marked letters, and told to
// screen readers.

#include "app/WordGameDlg.h"

#include "platform/Windows1252.h"
#include "res/GameTemplate.h"
#include "res/Strings.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

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

// The parts of what the display shows. Above a running puzzle, its game
// and player in one line; below a result, whose turn comes and how to
// start, smaller. Their room is kept through the result pause, so that the
// answer keeps its size when the pause ends.
struct DisplayParts {
    QString heading, text, hintLine, sentence, nextPlayer, hint, letters;
    QString measuredNext; // the line of whose turn comes, measured before it shows
    QString reservedHint; // the hint line's room, kept through the result pause
    bool reserveFooter = false;
    bool hangmanLetters = false; // the tried letters under a hangman word

    // What tells one text from another, for not fitting the same one twice.
    QString Key() const
    {
        return QStringList{heading,
                           text,
                           hintLine,
                           sentence,
                           nextPlayer,
                           hint,
                           letters,
                           QString::number(reserveFooter),
                           QString::number(hangmanLetters)}
            .join('\x1');
    }
};

struct DisplayFonts {
    QFont main, small, sentence;
};

DisplayParts Compose(const CWordGameDlg& window)
{
    const CWordEngine& engine = window.m_engine;
    const CTurn& turn = window.m_turn;
    DisplayParts parts;
    const bool players = !engine.m_players.empty() && engine.m_nCurPlayer < engine.m_players.size();
    const QString name = players ? FromWindows1252(engine.m_players[engine.m_nCurPlayer].m_strName) : QString();
    const bool puzzleShown = turn.State() == TURN_RUNNING && !turn.Paused();
    if (turn.State() == TURN_RUNNING && engine.m_nGameType < GAME_COUNT && players)
        parts.heading = LoadString(IDS_GAME_HANGMAN + engine.m_nGameType) + QStringLiteral(" \u2014 ") + name;
    parts.text = ForDisplay(window.m_strDisplay);
    if (turn.State() == TURN_WAITING && players && !engine.MatchOver()) { // the results say what comes
        parts.hint = LoadString(IDS_HOW_TO_START);
        const QString next = ForDisplay(window.NextPlayerText(engine.m_nCurPlayer, engine.m_nRound));
        if (parts.text.endsWith(next) && parts.text.size() > next.size()) {
            parts.nextPlayer = next;
            parts.text.chop(next.size());
            while (parts.text.endsWith('\n'))
                parts.text.chop(1);
        }
    }
    parts.reserveFooter = (turn.State() == TURN_RESULT && players) || !parts.nextPlayer.isEmpty();
    parts.measuredNext = parts.nextPlayer;
    if (turn.State() == TURN_RESULT && players) {
        const std::size_t upcoming = (engine.m_nCurPlayer + 1) % engine.m_players.size();
        parts.measuredNext = ForDisplay(window.NextPlayerText(upcoming, engine.m_nRound + (upcoming == 0 ? 1 : 0)));
    }
    parts.reservedHint = parts.reserveFooter ? LoadString(IDS_HOW_TO_START) : parts.hint;
    // A running hangman puzzle: the word large, the letters tried below it
    // in the smaller size (a line kept for them before the first).
    parts.hangmanLetters = puzzleShown && engine.m_nGameType == GAME_HANGMAN;
    if (parts.hangmanLetters) {
        parts.letters = parts.text.section('\n', -1);
        parts.text = parts.text.section('\n', 0, 0);
    }
    // An anagram's or a mixword's hint line under the puzzle, in the smaller
    // size: a long one would otherwise shrink the puzzle to its width.
    if (puzzleShown && engine.m_nGameType != GAME_HANGMAN && turn.HintLevel() > 0 && parts.text.contains('\n')) {
        parts.hintLine = parts.text.section('\n', -1);
        parts.text = parts.text.section('\n', 0, -2);
    }
    // A themed list's hint sentence, once taken as a hint, under the puzzle.
    if (puzzleShown && turn.SentenceShown())
        parts.sentence = FromWindows1252(engine.HintSentence());
    return parts;
}

// The largest fonts with which every part fits `room`, and the heading and
// the line of whose turn comes elided to its width.
DisplayFonts Fit(DisplayParts& parts, QSize room, const QFont& applicationFont)
{
    const int applicationPixels = QFontMetrics(applicationFont).height();
    QFont fitted = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    QFont small = applicationFont;
    // The one-line texts shrink to the width before they are elided, but
    // not below the application's font.
    small.setPixelSize(100);
    const int widestAt100 = std::max({1, QFontMetrics(small).horizontalAdvance(parts.heading),
                                      QFontMetrics(small).horizontalAdvance(parts.measuredNext)});
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
        const int main = parts.text.isEmpty() ? 0 : LaidOutHeight(parts.text, fitted, room.width());
        const int hintHeight =
            parts.reservedHint.isEmpty() ? 0 : LaidOutHeight(parts.reservedHint, secondary, room.width());
        const int lettersHeight =
            parts.hangmanLetters ? std::max(oneLine, LaidOutHeight(parts.letters, secondary, room.width())) : 0;
        const int sentenceHeight =
            parts.sentence.isEmpty() ? 0 : LaidOutHeight(parts.sentence, sentenceAt(pixels), room.width());
        const int hintLineHeight =
            parts.hintLine.isEmpty() ? 0 : LaidOutHeight(parts.hintLine, secondary, room.width());
        if (main < 0 || hintHeight < 0 || lettersHeight < 0 || sentenceHeight < 0 || hintLineHeight < 0)
            return false;
        return (parts.heading.isEmpty() ? 0 : oneLine) + main + hintLineHeight + sentenceHeight
            + (parts.reserveFooter ? oneLine : 0) + hintHeight + lettersHeight
            <= room.height();
    };
    // The guess: the main text's lines unwrapped, scaled from 100 pixels to
    // the room; the smaller lines are about two fifths of a line each.
    fitted.setPixelSize(100);
    const QFontMetrics at100(fitted);
    const QStringList lines = parts.text.split('\n');
    int widest = 1;
    for (const QString& line : lines)
        widest = std::max(widest, at100.horizontalAdvance(line));
    const int smallLines = !parts.heading.isEmpty() + !parts.hintLine.isEmpty() + !parts.sentence.isEmpty()
        + parts.reserveFooter + !parts.reservedHint.isEmpty() + parts.hangmanLetters;
    const double linesHigh = lines.size() + 0.4 * smallLines;
    const int guess = static_cast<int>(
        std::min(100.0 * room.width() / widest, 100.0 * room.height() / (at100.lineSpacing() * linesHigh)));
    const int largest = LargestFitting(guess, 6, 400, fits);
    fitted.setPixelSize(largest);
    const DisplayFonts fonts{fitted, secondaryAt(largest), sentenceAt(largest)};
    const QFontMetrics smallMetrics(fonts.small);
    parts.heading = smallMetrics.elidedText(parts.heading, Qt::ElideRight, room.width());
    parts.nextPlayer = smallMetrics.elidedText(parts.nextPlayer, Qt::ElideRight, room.width());
    return fonts;
}

// The parts into the display, each in its font; a hangman word's tried
// letters green when in the word, red and struck through when not, so that
// the difference shows without colour too. Returns the lines shown.
QStringList Draw(QPlainTextEdit* display, const DisplayParts& parts, const DisplayFonts& fonts,
                 const CWordEngine& engine)
{
    QStringList blocks;
    if (!parts.heading.isEmpty())
        blocks << parts.heading;
    if (!parts.text.isEmpty())
        blocks << parts.text;
    for (const QString& footer : {parts.hintLine, parts.sentence, parts.nextPlayer, parts.hint})
        if (!footer.isEmpty())
            blocks << footer;
    if (parts.hangmanLetters)
        blocks << parts.letters;
    display->setFont(fonts.main);
    display->setPlainText(blocks.join('\n'));

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
    if (!parts.heading.isEmpty())
        setFont(document->firstBlock(), fonts.small);
    QTextBlock footer = document->lastBlock(); // from the last line up
    for (const bool shown : {parts.hangmanLetters, !parts.hint.isEmpty(), !parts.nextPlayer.isEmpty()}) {
        if (shown) {
            setFont(footer, fonts.small);
            footer = footer.previous();
        }
    }
    if (!parts.sentence.isEmpty()) {
        setFont(footer, fonts.sentence);
        footer = footer.previous();
    }
    if (!parts.hintLine.isEmpty())
        setFont(footer, fonts.small);
    if (parts.hangmanLetters) {
        const QTextBlock letters = document->lastBlock();
        const std::string& tried = engine.m_strGuessed;
        for (int i = 0; i < static_cast<int>(tried.size()) && i < letters.length() - 1; ++i) {
            const bool right = engine.m_strAnswer[0].find(tried[static_cast<std::size_t>(i)]) != std::string::npos;
            QTextCharFormat mark;
            mark.setForeground(right ? QColor(0, 128, 0) : QColor(200, 0, 0));
            mark.setFontStrikeOut(!right);
            format(letters, i, 1, mark);
        }
    }
    return blocks;
}

// What a screen reader says of the lines shown: a hangman word letter by letter.
QString Spoken(QStringList blocks, const DisplayParts& parts)
{
    if (parts.hangmanLetters && !parts.text.isEmpty())
        blocks[parts.heading.isEmpty() ? 0 : 1] = SpokenLetters(parts.text);
    return blocks.join('\n');
}

} // namespace

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
    DisplayParts parts = Compose(*this);
    // Less the document's margins and a pixel of the cursor's on each side.
    const int margin = 2 * static_cast<int>(display->document()->documentMargin()) + 4;
    const QSize room = display->contentsRect().size() - QSize(margin, margin);
    if (parts.Key() == m_shownText && room == m_fittedRoom)
        return;
    m_shownText = parts.Key();
    m_fittedRoom = room;
    const DisplayFonts fonts = Fit(parts, room, font());
    Announce(Spoken(Draw(display, parts, fonts, m_engine), parts));
}
