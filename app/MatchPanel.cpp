// Matches: the length chosen in the menu, the title and the display's line
// of whose turn comes during one, and the results when its last round is
// over, until "Ny match" starts the next with the same players.

#include "app/WordGameDlg.h"

#include "controls/MatchResults.h"
#include "platform/MessageBox.h"
#include "platform/Windows1252.h"
#include "res/GameTemplate.h"
#include "res/Images.h"
#include "res/Strings.h"

#include <QAction>
#include <QActionGroup>
#include <QInputDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

void CWordGameDlg::BuildMatchMenu()
{
    QMenu* game = GameMenuInBar();
    m_matchMenu = game->addMenu(LoadString(IDS_MATCH_MENU));
    auto* lengths = new QActionGroup(m_matchMenu);
    for (const int rounds : {0, 3, 5, 10, -1}) {
        const QString text = rounds == 0 ? LoadString(IDS_MATCH_ENDLESS)
            : rounds < 0                 ? LoadString(IDS_MATCH_OTHER)
                                         : FormatString(IDS_MATCH_ROUNDS, {QString::number(rounds)});
        QAction* action = m_matchMenu->addAction(text);
        action->setCheckable(true);
        action->setData(rounds);
        lengths->addAction(action);
    }
    connect(lengths, &QActionGroup::triggered, this, [this](QAction* action) {
        int rounds = action->data().toInt();
        if (rounds < 0) {
            bool ok = false;
            rounds = QInputDialog::getInt(this, LoadString(IDS_APP_TITLE), LoadString(IDS_MATCH_OTHER_PROMPT),
                                          static_cast<int>(std::max(1u, m_matchRounds)), 1,
                                          static_cast<int>(kLongestMatch), 1, &ok);
            if (!ok) {
                CheckMatchMenu();
                return;
            }
        }
        ChooseMatchLength(static_cast<unsigned>(rounds));
    });
    m_newMatchAction = game->addAction(LoadString(IDS_NEW_MATCH).section(QLatin1Char('\t'), 0, 0));
    m_newMatchAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    m_newMatchAction->setObjectName(QStringLiteral("NewMatch"));
    addAction(m_newMatchAction); // wherever the focus is
    connect(m_newMatchAction, &QAction::triggered, this, [this] { OnNewMatch(); });
}

void CWordGameDlg::CheckMatchMenu()
{
    bool known = false;
    for (QAction* action : m_matchMenu->actions()) {
        const int rounds = action->data().toInt();
        action->setChecked(rounds >= 0 && static_cast<unsigned>(rounds) == m_matchRounds);
        known = known || action->isChecked();
    }
    if (!known) // a length typed in: "Annat antal" is the one chosen
        m_matchMenu->actions().back()->setChecked(true);
}

void CWordGameDlg::ChooseMatchLength(unsigned rounds)
{
    m_matchRounds = std::min(rounds, kLongestMatch);
    m_settingsFile.SetMatchRounds(m_matchRounds);
    CheckMatchMenu();
    // Before the first turn of a game the new length is the game's; in the
    // middle of one it waits for the next match.
    bool begun = m_engine.m_nRound > 0 || m_engine.m_nCurPlayer > 0 || m_turn.State() != TURN_WAITING;
    for (const Player& player : m_engine.m_players)
        begun = begun || player.m_nPoints > 0;
    if (begun && m_engine.m_match.m_nRounds != m_matchRounds) {
        AppMessageBox(this, LoadString(IDS_MATCH_NEXT_TIME), MB_OK | MB_ICONINFORMATION);
        return;
    }
    m_engine.m_match.m_nRounds = m_matchRounds;
    RefreshPlayers();
}

void CWordGameDlg::OnNewMatch()
{
    if (m_turn.State() == TURN_RUNNING)
        return; // not in the middle of a turn, as the rules
    ShowTurn(m_turn.Abandon()); // the result pause, if any, ends here
    m_engine.NewMatch(m_matchRounds);
    if (m_results)
        m_results->hide();
    RefreshPlayers();
    m_strGuess = LoadString(IDS_PRESS_KEY);
    ShowMessage(MESSAGE_NEXT_PLAYER, true, 0);
    ShowTurnState();
    DialogControl(this, IDC_GUESS)->setFocus();
}

QString CWordGameDlg::NextPlayerText(std::size_t player, unsigned round) const
{
    const QString name =
        player < m_engine.m_players.size() ? FromWindows1252(m_engine.m_players[player].m_strName) : QString();
    const bool last = m_engine.m_match.m_nRounds > 0 && round + 1 == m_engine.m_match.m_nRounds;
    return FormatString(last ? IDS_NEXT_PLAYER_LAST_ROUND : IDS_NEXT_PLAYER, {name});
}

void CWordGameDlg::ShowMatchResults()
{
    MatchResultsView view;
    std::vector<uint32_t> points;
    for (const Player& player : m_engine.m_players)
        points.push_back(player.m_nPoints);
    const std::vector<Standing> standings = Standings(points);
    QStringList winners;
    QStringList others;
    for (const Standing& standing : standings) {
        const Player& player = m_engine.m_players[standing.player];
        const uint32_t streak = standing.player < m_engine.m_match.m_lines.size()
            ? m_engine.m_match.m_lines[standing.player].longestStreak
            : 0;
        MatchStanding shown;
        shown.name = FromWindows1252(player.m_strName);
        shown.points = player.m_nPoints;
        shown.place = standing.place;
        shown.face = PlayerFace(standing.place == 1                            ? FACE_LEADER
                                    : standing.place == standings.back().place ? FACE_LAST
                                                                               : FACE_MIDDLE);
        shown.text = FormatString(
            IDS_MATCH_STANDING,
            {QString::number(standing.place), shown.name, QString::number(shown.points), QString::number(streak)});
        (standing.place == 1 ? winners : others) << (standing.place == 1 ? shown.name : shown.text);
        view.standings.push_back(shown);
    }
    // "Anna vann med 523 poäng. 2: Bo, 410 poäng, längsta serie 3. …"
    QString names = winners.join(QStringLiteral(", "));
    if (winners.size() > 1)
        names = QStringList(winners.mid(0, winners.size() - 1)).join(QStringLiteral(", ")) + LoadString(IDS_MATCH_AND)
            + winners.back();
    view.summary =
        FormatString(IDS_MATCH_WON, {names, QString::number(standings.empty() ? 0 : points[standings.front().player])});
    for (const QString& other : others)
        view.summary += QLatin1Char(' ') + other + QLatin1Char('.');
    // The chart, and the same as text: the points after each round.
    view.rounds = m_engine.m_match.m_nRounds;
    for (std::size_t i = 0; i < m_engine.m_players.size() && i < m_engine.m_match.m_lines.size(); ++i) {
        const MatchLine& line = m_engine.m_match.m_lines[i];
        view.lines.push_back({FromWindows1252(m_engine.m_players[i].m_strName), line.joined, line.points});
    }
    QStringList table;
    for (unsigned round = 0; round < view.rounds; ++round) {
        QStringList row;
        for (const MatchChartLine& line : view.lines)
            if (round >= line.joined && round - line.joined < line.points.size())
                row << line.name + QLatin1Char(' ') + QString::number(line.points[round - line.joined]);
        table << FormatString(IDS_MATCH_TABLE_ROUND, {QString::number(round + 1), row.join(QStringLiteral(", "))});
    }
    view.table = table.join(QLatin1Char('\n'));
    view.chartTitle = LoadString(IDS_MATCH_CHART);
    view.roundAxis = LoadString(IDS_MATCH_ROUND_AXIS);
    if (!m_results) { // made at the first results: nothing of it at start
        m_results = new CMatchResults(this);
        m_results->setAccessibleName(LoadString(IDS_A11Y_RESULTS));
        m_results->NewMatchButton()->setText(m_newMatchAction->text());
        connect(m_results->NewMatchButton(), &QPushButton::clicked, this, [this] { OnNewMatch(); });
    }
    m_results->SetResults(view);
    m_results->setGeometry(DialogControl(this, IDC_DISPLAY)->geometry());
    m_results->show();
    m_results->raise();
    m_strDisplay = view.summary;
    m_strGuess.clear();
    Announce(view.summary);
}
