#include "GameFixture.h"

#include "editor/HighscoreDlg.h"
#include "res/EditorTemplates.h"

namespace {

struct Highscores : GameWindow {
    CWordEngine game;
    std::unique_ptr<CHighscoreDlg> window;

    void Open()
    {
        window = std::make_unique<CHighscoreDlg>();
        window->m_pEngine = &game;
        ASSERT_TRUE(window->OnInitDialog());
    }
    QString Cell(int row, int column) const { return window->m_listHighscore->topLevelItem(row)->text(column); }
    QStringList Row(int row) const
    {
        QStringList cells;
        for (int column = 0; column < 6; ++column)
            cells << Cell(row, column);
        return cells;
    }
};

// Points are computed from the stored fields. The latest place is marked
// and scrolled to whenever its game is shown (101: a result that could not
// count). A reset asks, and empties only the shown table.
TEST_F(Highscores, PointsTheLatestPlaceAndResetting)
{
    for (unsigned i = 0; i < 50; ++i) // the mark, when its game is not shown, would fall on an entry
        for (const unsigned table : {GAME_ANAGRAM, GAME_MIXWORD})
            game.AddHighscore(table, i, "Anna", "2026-12-07", 8, static_cast<int16_t>(i));
    game.AddHighscore(GAME_ANAGRAM, 0, "\xC5sa", "2026-12-06", 7, 25);
    game.AddHighscore(GAME_ANAGRAM, 1, "Bo", "2026-12-05", 5, 130);
    const auto marked = [&] {
        std::vector<int> rows;
        for (int row = 0; row < 100; ++row)
            if (window->m_listHighscore->topLevelItem(row)->font(0).bold())
                rows.push_back(row + 1);
        return rows;
    };
    const auto show = [&](int game) {
        window->m_comboGameType->setCurrentIndex(game);
        window->OnSelchangeGameType();
    };
    game.m_nLastGameType = GAME_ANAGRAM;
    game.m_nHighscoreRank = 101;
    Open(); // on the latest game's table
    EXPECT_EQ(Row(0), (QStringList{"1", "Åsa", "2026-12-06", "25", "7", "665"}));
    EXPECT_EQ(Row(1), (QStringList{"2", "Bo", "2026-12-05", "130", "5", "-50"}));
    EXPECT_EQ(Row(99), (QStringList{"100", "-", "-", "0", "0", "0"}));
    EXPECT_EQ(marked(), std::vector<int>{});

    game.m_nLastGameType = GAME_MIXWORD;
    game.m_nHighscoreRank = 37;
    Open();
    window->show();
    EXPECT_EQ(marked(), std::vector<int>{37});
    const QRect shown = window->m_listHighscore->visualItemRect(window->m_listHighscore->topLevelItem(36));
    EXPECT_TRUE(window->m_listHighscore->viewport()->rect().contains(shown));
    show(GAME_ANAGRAM);
    EXPECT_EQ(marked(), std::vector<int>{});
    show(GAME_MIXWORD);
    EXPECT_EQ(marked(), std::vector<int>{37});

    for (const int reply : {IDNO, IDYES}) {
        answer = reply;
        QTest::mouseClick(DialogControl<QPushButton>(window.get(), IDC_RESET_HIGHSCORE), Qt::LeftButton);
        EXPECT_EQ(Cell(0, 1), reply == IDNO ? "Anna" : "-");
    }
    EXPECT_EQ(boxes[0],
              std::make_pair(QString("Vill du verkligen nollställa highscorelistan för Mixord?"),
                             unsigned{MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON3}));
    EXPECT_EQ(game.m_highscores[GAME_MIXWORD][0].m_strName + game.m_highscores[GAME_ANAGRAM][0].m_strName, "-\xC5sa");
}

} // namespace
