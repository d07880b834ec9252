// With the fonts of a Linux desktop, at any scale, no text of a window built
// from a template is cut. Run once as it comes and once at QT_SCALE_FACTOR=2.

#include "GameFixture.h"

#include "controls/AboutDlg.h"
#include "editor/HighscoreDlg.h"
#include "editor/WordListDlg.h"

#include <QHeaderView>
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
            const int smallest = button->style()->sizeFromContents(QStyle::CT_PushButton, &option, QSize(1, 1), button).width();
            const int needed = button->sizeHint().width();
            check(control, button->text(), needed > smallest ? needed : 0, control->width());
        } else if ((label && !label->wordWrap() && !label->text().isEmpty()) || qobject_cast<QComboBox*>(control)) {
            check(control, label ? label->text() : QStringLiteral("(items)"), control->sizeHint().width(), control->width());
        } else if (auto* tree = qobject_cast<QTreeWidget*>(control)) {
            for (int column = 0; column < tree->columnCount(); ++column) {
                const int room = tree->columnWidth(column) - 2 * tree->style()->pixelMetric(QStyle::PM_FocusFrameHMargin);
                const QString header = tree->headerItem()->text(column);
                check(tree->header(), header, tree->header()->fontMetrics().horizontalAdvance(header), room);
                for (int row = 0; row < tree->topLevelItemCount(); ++row) {
                    const QTreeWidgetItem* item = tree->topLevelItem(row);
                    const QFont font = item->data(column, Qt::FontRole).isValid() ? item->font(column)
                                                                                 : tree->font(); // a marked row is bold
                    check(tree, item->text(column), QFontMetrics(font).horizontalAdvance(item->text(column)), room);
                }
            }
        }
    }
    return cut;
}

struct TextFit : GameWindow {};

TEST_F(TextFit, EveryWindowShowsItsTextsWhole)
{
    const QFont desktopFont = QApplication::font();
    CWordEngine game;
    game.m_words = {"bil", "katt"};
    for (unsigned i = 0; i < HIGHSCORE_PLACES; ++i)
        game.AddHighscore(i % GAME_COUNT, i / GAME_COUNT, "Annabella", "2026-12-07", 12, static_cast<int16_t>(i));
    game.m_nLastGameType = GAME_HANGMAN;
    game.m_nHighscoreRank = 1; // bold, and wider for it
    for (const char* family : {"DejaVu Sans", "Nimbus Sans"}) {
        QApplication::setFont(QFont(family));
        WriteWords({"ekorre"});
        Start();
        AddPlayer("Anna");
        EXPECT_EQ(CutTexts(dlg.get()).join('\n').toStdString(), "") << family << ": game window";

        CWordListDlg editor;
        editor.m_pGameEngine = &game;
        editor.show();
        EXPECT_EQ(CutTexts(&editor).join('\n').toStdString(), "") << family << ": word-list editor";

        CHighscoreDlg highscores;
        highscores.m_pEngine = &game;
        highscores.OnInitDialog();
        highscores.show();
        EXPECT_EQ(CutTexts(&highscores).join('\n').toStdString(), "") << family << ": highscore window";

        CAboutDlg about;
        about.OnInitDialog();
        about.show();
        EXPECT_EQ(CutTexts(&about).join('\n').toStdString(), "") << family << ": About";
    }
    QApplication::setFont(desktopFont);
}

} // namespace
