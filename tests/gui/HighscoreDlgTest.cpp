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

// Points are computed from the stored fields; a reset asks and empties only the shown table.
TEST_F(Highscores, PointsAndResettingTheShownTable)
{
    game.AddHighscore(GAME_ANAGRAM, 0, "\xC5sa", "2026-12-06", 7, 25);
    game.AddHighscore(GAME_ANAGRAM, 1, "Bo", "2026-12-05", 5, 130);
    game.AddHighscore(GAME_MIXWORD, 0, "Anna", "2026-12-06", 6, 20);
    game.m_nLastGameType = GAME_ANAGRAM;
    Open(); // on the latest game's table
    EXPECT_EQ(Row(0), (QStringList{"1", "Åsa", "2026-12-06", "25", "7", "665"}));
    EXPECT_EQ(Row(1), (QStringList{"2", "Bo", "2026-12-05", "130", "5", "-50"}));
    EXPECT_EQ(Row(99), (QStringList{"100", "-", "-", "0", "0", "0"}));
    window->m_comboGameType->setCurrentIndex(GAME_MIXWORD);
    window->OnSelchangeGameType();
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

TEST_F(Highscores, LatestPlaceIsMarkedWheneverItsGameIsShown)
{
    for (unsigned i = 0; i < 50; ++i)
        game.AddHighscore(GAME_MIXWORD, i, "Anna", "2026-12-07", 8, static_cast<int16_t>(i));
    const auto expectMarked = [&](unsigned rank, const char* when) {
        for (int row = 0; row < 100; ++row)
            EXPECT_EQ(window->m_listHighscore->topLevelItem(row)->font(0).bold(), row + 1 == int(rank)) << when;
    };
    for (const unsigned rank : {101u, 37u}) { // 101: a result that could not count
        game.m_nLastGameType = GAME_MIXWORD;
        game.m_nHighscoreRank = rank;
        Open();
        window->show();
        expectMarked(rank, "at open");
    }
    const QRect shown = window->m_listHighscore->visualItemRect(window->m_listHighscore->topLevelItem(36));
    EXPECT_TRUE(window->m_listHighscore->viewport()->rect().contains(shown));
    window->m_comboGameType->setCurrentIndex(GAME_HANGMAN);
    window->OnSelchangeGameType();
    expectMarked(0, "another game");
    window->m_comboGameType->setCurrentIndex(GAME_MIXWORD);
    window->OnSelchangeGameType();
    expectMarked(37, "its game again");
}

} // namespace
