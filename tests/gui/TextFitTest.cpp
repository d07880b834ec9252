// With the fonts of a Linux desktop, at any scale, no text of a window built
// from a template is cut, and every control a player reaches has a name for
// screen readers. Run in both languages, as it comes and at QT_SCALE_FACTOR=2.

#include "GameFixture.h"

#include "controls/AboutDlg.h"
#include "editor/HighscoreDlg.h"
#include "editor/WordListDlg.h"

#include <QAbstractTextDocumentLayout>
#include <QGroupBox>
#include <QMenuBar>
#include <QHeaderView>
#include <QScreen>
#include <QTextBlock>
#include <QTextLayout>
#include <QStyleOptionButton>

namespace {

// What of `window`'s texts does not fit its control, one line each. Labels,
// buttons and combo boxes by the style's own size hint (what it needs to draw
// them whole); the highscore columns by their contents.
QStringList CutTexts(QWidget* window)
{
    QStringList cut;
    const auto check = [&](const QWidget* control, const QString& text, int needed, int room) {
        if (needed > room)
            cut << QStringLiteral("%1 \"%2\": %3 > %4").arg(control->objectName(), text).arg(needed).arg(room);
    };
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(window))
            continue;
        const auto* label = qobject_cast<QLabel*>(control);
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            // The size hint less the style's smallest button, which is no need of the text's.
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const int smallest =
                button->style()->sizeFromContents(QStyle::CT_PushButton, &option, QSize(1, 1), button).width();
            const int needed = button->sizeHint().width();
            check(control, button->text(), needed > smallest ? needed : 0, control->width());
        } else if ((label && !label->wordWrap() && !label->text().isEmpty()) || qobject_cast<QComboBox*>(control)) {
            check(control, label ? label->text() : QStringLiteral("(items)"), control->sizeHint().width(),
                  control->width());
        } else if (auto* tree = qobject_cast<QTreeWidget*>(control)) {
            for (int column = 0; column < tree->columnCount(); ++column) {
                const int room =
                    tree->columnWidth(column) - 2 * tree->style()->pixelMetric(QStyle::PM_FocusFrameHMargin);
                const QString header = tree->headerItem()->text(column);
                check(tree->header(), header, tree->header()->fontMetrics().horizontalAdvance(header), room);
                for (int row = 0; row < tree->topLevelItemCount(); ++row) {
                    const QTreeWidgetItem* item = tree->topLevelItem(row);
                    const QFont font = item->data(column, Qt::FontRole).isValid()
                        ? item->font(column)
                        : tree->font(); // a marked row is bold
                    check(tree, item->text(column), QFontMetrics(font).horizontalAdvance(item->text(column)), room);
                }
            }
        }
    }
    return cut;
}

// The controls a player can reach without a name for a screen reader, or
// with its mnemonic's '&' in it. Texts and frames name themselves.
QStringList Unnamed(QWidget* window)
{
    QStringList unnamed;
    for (QWidget* control : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<QMenuBar*>(control) || qobject_cast<QGroupBox*>(control) || control->isHidden()
            || (qobject_cast<QLabel*>(control) && control->focusPolicy() == Qt::NoFocus))
            continue;
        const QString name = QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
        if (name.isEmpty() || name.contains('&'))
            unnamed << QStringLiteral("%1 %2 named \"%3\"")
                           .arg(control->metaObject()->className(), control->objectName(), name);
    }
    return unnamed;
}

// The game window's large parts (the display, the clock and its bar, the
// players list, the letter board) that lie over any other control.
QStringList Overlaps(QWidget* window)
{
    QStringList overlapping;
    const QList<QWidget*> controls = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    const QStringList large = {QString::number(IDC_DISPLAY), QString::number(IDC_COUNTDOWN),
                               QString::number(IDC_PROGRESS), QString::number(IDC_PLAYERS),
                               QStringLiteral("LetterBoard")};
    for (const QWidget* a : controls)
        for (const QWidget* b : controls)
            if (a != b && large.contains(a->objectName()) && a->isVisibleTo(window) && b->isVisibleTo(window)
                && a->geometry().intersects(b->geometry()) && !qobject_cast<const QMenuBar*>(b))
                overlapping << a->objectName() + " over " + b->objectName() + " " + b->metaObject()->className();
    return overlapping;
}

struct TextFit : GameWindow { };

TEST_F(TextFit, EveryWindowShowsItsTextsWholeAndNamesItsControls)
{
    const QFont desktopFont = QApplication::font();
    CWordEngine game;
    game.m_words = {"bil", "katt"};
    for (unsigned i = 0; i < HIGHSCORE_PLACES; ++i) // the longest word in no time: the most points a place has
        game.AddHighscore(i % GAME_COUNT, i / GAME_COUNT, "Annabella", "2026-12-07", 35,
                          static_cast<int16_t>(i % 2 ? i : 0));
    game.m_nLastGameType = GAME_HANGMAN;
    game.m_nHighscoreRank = 1; // bold, and wider for it
    for (const char* family : {"DejaVu Sans", "Nimbus Sans"}) {
        QApplication::setFont(QFont(family));
        WriteWords({"ekorre"});
        Start();
        AddPlayer("Anna");
        AddPlayer("Bo");
        // Every number at its widest: points and bonus at the 32-bit total
        // (the current player's row bold), two million words available.
        for (Player& player : dlg->m_engine.m_players)
            player.m_nPoints = player.m_nBonus = UINT32_MAX;
        dlg->RefreshPlayers();
        dlg->m_engine.m_nLengthCount[5] = 2'000'000;
        dlg->UpdateAvailableWords();
        EXPECT_EQ((CutTexts(dlg.get()) + Overlaps(dlg.get()) + Unnamed(dlg.get())).join('\n').toStdString(), "")
            << family << ": game window";

        CWordListDlg editor;
        editor.m_pGameEngine = &game;
        editor.show();
        editor.m_strWordCount = FormatString(IDS_WORD_COUNT, {QStringLiteral("2000000")});
        editor.UpdateData(false);
        CHighscoreDlg highscores;
        highscores.m_pEngine = &game;
        highscores.OnInitDialog();
        highscores.show();
        CAboutDlg about;
        about.OnInitDialog();
        about.show();
        for (QWidget* window : std::initializer_list<QWidget*>{&editor, &highscores, &about})
            EXPECT_EQ((CutTexts(window) + Unnamed(window)).join('\n').toStdString(), "")
                << family << ": " << window->windowTitle().toStdString();
    }
    QApplication::setFont(desktopFont);
}

// What of the display's text is cut, one line each, and how large its
// largest and other lines are drawn.
struct DisplayLook {
    QStringList cut;
    int largest = 0, others = 0, headingLines = 0;
};

DisplayLook LookAt(const QPlainTextEdit* display)
{
    DisplayLook look;
    const QTextDocument* document = display->document();
    qreal height = 0;
    for (QTextBlock block = document->firstBlock(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i)
            if (layout->lineAt(i).naturalTextWidth() > display->viewport()->width())
                look.cut << "too wide: " + block.text();
        height += document->documentLayout()->blockBoundingRect(block).height();
        // The smaller lines have a font of their own; the rest is in the display's.
        if (block.charFormat().hasProperty(QTextFormat::FontPixelSize))
            look.others = std::max(look.others, block.charFormat().font().pixelSize());
        if (block.text().contains(QStringLiteral("\u2014")))
            look.headingLines = layout->lineCount();
    }
    look.largest = display->font().pixelSize();
    if (height > display->viewport()->height())
        look.cut << QStringLiteral("too tall: %1 > %2").arg(height).arg(display->viewport()->height());
    return look;
}

// At the smallest, the first and a large size of the window, in two fonts
// (and once more at twice the scale): every puzzle and result whole, the
// puzzle larger than anything else in the display, at least twice the
// application's font at the first size, and the answer as large after the
// pause as during it.
TEST_F(TextFit, TheDisplayShowsItsTextWholeAndThePuzzleLargest)
{
    const QFont desktopFont = QApplication::font();
    const QString longName = QStringLiteral("Maximiliana Vasquez-Olofsson");
    for (const char* family : {"DejaVu Sans", "Nimbus Sans"}) {
        QApplication::setFont(QFont(family));
        WriteWords(ManyWords(300, 6));
        Start();
        const int applicationPixels = QFontMetrics(dlg->font()).height();
        const QSize opening = dlg->size();
        const QSize sizes[] = {dlg->minimumSize(), opening, dlg->screen()->availableGeometry().size() - QSize(16, 48)};
        AddPlayer(longName);
        auto* display = Control<QPlainTextEdit>(IDC_DISPLAY);
        for (const QSize& size : sizes) {
            dlg->resize(size);
            for (const unsigned game : {GAME_HANGMAN, GAME_ANAGRAM, GAME_MIXWORD}) {
                const std::string where = std::string(family) + " at " + std::to_string(size.width()) + "x"
                    + std::to_string(size.height()) + ", game " + std::to_string(game);
                ChooseGame(static_cast<int>(game));
                Type("a");
                ASSERT_EQ(dlg->m_turn.State(), TURN_RUNNING) << where;
                const DisplayLook puzzle = LookAt(display);
                EXPECT_EQ(puzzle.cut.join('\n').toStdString(), "") << where;
                EXPECT_GT(puzzle.largest, puzzle.others) << where;
                EXPECT_EQ(puzzle.headingLines, 1) << where; // the long name elided, not wrapped
                EXPECT_GE(puzzle.largest, size == opening ? 2 * applicationPixels : 0) << where;
                // The hint line is no rival to the puzzle (but for the smallest
                // window, where no line is smaller than the application's font).
                dlg->OnHint();
                const DisplayLook hinted = LookAt(display);
                EXPECT_EQ(hinted.cut.join('\n').toStdString(), "") << where;
                EXPECT_GE(hinted.largest, size == sizes[0] ? 1 : puzzle.largest * 3 / 4) << where;

                dlg->OnGiveUp();
                const DisplayLook result = LookAt(display);
                Tick(); // the pause ends
                const DisplayLook next = LookAt(display);
                EXPECT_EQ((result.cut + next.cut).join('\n').toStdString(), "") << where;
                EXPECT_EQ(next.largest, result.largest) << where;
            }
        }
    }
    QApplication::setFont(desktopFont);
}

} // namespace
