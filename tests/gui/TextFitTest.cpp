// With the fonts of a Linux desktop, at any scale, no text of a window built
// from a template is cut. Run once as it comes and once at QT_SCALE_FACTOR=2.

#include "GameFixture.h"

#include "controls/AboutDlg.h"
#include "editor/HighscoreDlg.h"
#include "editor/WordListDlg.h"

#include <QHeaderView>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>

namespace {

// What of `window`'s texts does not fit its control, one line each.
QStringList CutTexts(QWidget* window)
{
    QStringList cut;
    const auto check = [&](const QWidget* control, const QString& text, int room, int flags = 0,
                           const QFont* font = nullptr) {
        const int needed = QFontMetrics(font ? *font : control->font()).size(flags, text).width();
        if (needed > room)
            cut << QStringLiteral("%1 \"%2\": %3 > %4").arg(control->objectName(), text).arg(needed).arg(room);
    };
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(window))
            continue;
        if (auto* label = qobject_cast<QLabel*>(control); label && !label->wordWrap()) {
            check(label, label->text(), label->contentsRect().width(), label->buddy() ? Qt::TextShowMnemonic : 0);
        } else if (auto* button = qobject_cast<QPushButton*>(control)) {
            QStyleOptionButton option;
            option.initFrom(button);
            check(button, button->text(),
                  button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width(),
                  Qt::TextShowMnemonic);
        } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            const int room = combo->style()
                                 ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
                                 .width();
            for (int i = 0; i < combo->count(); ++i)
                check(combo, combo->itemText(i), room);
        } else if (auto* tree = qobject_cast<QTreeWidget*>(control)) {
            for (int column = 0; column < tree->columnCount(); ++column) {
                const int room = tree->columnWidth(column) - 2 * tree->style()->pixelMetric(QStyle::PM_FocusFrameHMargin);
                check(tree->header(), tree->headerItem()->text(column), room);
                for (int row = 0; row < tree->topLevelItemCount(); ++row) {
                    const QTreeWidgetItem* item = tree->topLevelItem(row);
                    const QFont font = item->data(column, Qt::FontRole).isValid() ? item->font(column)
                                                                                 : tree->font(); // a marked row is bold
                    check(tree, tree->topLevelItem(row)->text(column), room, 0, &font);
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
    for (const char* family : {"DejaVu Sans", "DejaVu Serif"}) {
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
