// The letter board: the turn played by mouse or touch. A tile puts its
// letter into "Gissa" as a key would, so a click and a key make the same
// turn event and can be mixed; the board only shows what the turn holds.

#include "app/WordGameDlg.h"

#include "controls/LetterBoard.h"
#include "platform/Windows1252.h"
#include "res/GameTemplate.h"
#include "res/Strings.h"

#include <QAction>
#include <QCollator>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include <algorithm>

namespace {

// A menu command's text for a button: no accelerator mark, no shortcut.
QString ButtonText(const QAction* action)
{
    return action->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&')).remove(QStringLiteral("..."));
}

QString TileName(QChar letter, TileMark mark)
{
    switch (mark) {
    case TileMark::Right:
        return FormatString(IDS_TILE_RIGHT, {QString(letter)});
    case TileMark::Wrong:
        return FormatString(IDS_TILE_WRONG, {QString(letter)});
    case TileMark::Placed:
        return FormatString(IDS_TILE_PLACED, {QString(letter)});
    default:
        return QString(letter);
    }
}

} // namespace

void CWordGameDlg::BuildLetterBoard()
{
    m_board = new CLetterBoard(this);
    m_board->setObjectName(QStringLiteral("LetterBoard"));
    m_board->setAccessibleName(LoadString(IDS_LETTER_TILES_MENU).remove(QLatin1Char('&')));
    m_board->onTile = [this](int row, int index) { OnTile(row, index); };
    m_boardStart = m_board->AddButton(LoadString(IDS_START_BUTTON));
    connect(m_boardStart, &QPushButton::clicked, this, [this] { StartOrResume(); });
    for (const int command : {ID_HINT, ID_GIVE_UP, ID_PAUSE}) {
        QAction* action = findChild<QAction*>(QString::number(command));
        QPushButton* button = m_board->AddButton(ButtonText(action));
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
        connect(action, &QAction::changed, button, [button, action] { button->setEnabled(action->isEnabled()); });
        button->setEnabled(action->isEnabled());
    }
    m_boardBackspace = m_board->AddButton(QStringLiteral("\u232B"));
    m_boardBackspace->setAccessibleName(LoadString(IDS_BACKSPACE_BUTTON));
    connect(m_boardBackspace, &QPushButton::clicked, this, [this] {
        auto* guess = DialogControl<QLineEdit>(this, IDC_GUESS);
        if (m_turn.State() == TURN_RUNNING && !m_turn.Paused() && !guess->text().isEmpty())
            guess->setText(guess->text().chopped(1));
    });
    // A tap on the display starts a turn, or goes on after a pause (eventFilter).
    m_displayViewport = DialogControl<QPlainTextEdit>(this, IDC_DISPLAY)->viewport();
    m_displayViewport->setAttribute(Qt::WA_AcceptTouchEvents);

    QMenu* game = GameMenuInBar();
    m_boardAction = game->addAction(LoadString(IDS_LETTER_TILES_MENU));
    m_boardAction->setCheckable(true);
    connect(m_boardAction, &QAction::triggered, this, [this](bool shown) {
        m_settingsFile.SetLetterTiles(shown);
        ShowLetterBoard(shown);
    });
}

void CWordGameDlg::ShowLetterBoard(bool shown)
{
    m_boardAction->setChecked(shown);
    m_board->setVisible(shown);
    // The window grows or shrinks by the board; hidden, it is as it was.
    const int before = m_baseSize.height();
    m_baseSize.setHeight(m_baseHeightWithoutBoard + (shown ? m_boardHeight + kBoardGap : 0));
    setMinimumSize(m_baseSize.boundedTo(LargestClientSize()));
    resize(width(), std::clamp(height() + m_baseSize.height() - before, minimumHeight(), LargestClientSize().height()));
    LayOutControls();
    RefreshBoard();
}

void CWordGameDlg::UpdateBoardLetters()
{
    QString letters = FromWindows1252(DistinctLetters(m_engine.m_words));
    // Swedish: the whole alphabet, as the keyboard has it.
    if (m_wordListLanguage == QLatin1String("sv"))
        for (const QChar letter : QStringLiteral("abcdefghijklmnopqrstuvwxyzåäö"))
            if (!letters.contains(letter))
                letters += letter;
    QCollator order{QLocale(m_wordListLanguage)};
    std::sort(letters.begin(), letters.end(),
              [&](QChar a, QChar b) { return order.compare(QString(a), QString(b)) < 0; });
    m_boardLetters = letters;
}

void CWordGameDlg::RefreshBoard()
{
    if (!m_board || !m_board->isVisibleTo(this))
        return;
    const bool running = m_turn.State() == TURN_RUNNING && !m_turn.Paused();
    m_boardStart->setEnabled((m_turn.State() == TURN_WAITING && !m_engine.MatchOver()) || m_turn.Paused());
    const QString guess = DialogControl<QLineEdit>(this, IDC_GUESS)->text();
    std::vector<TileRow> rows;
    if (running && m_engine.m_nGameType == GAME_HANGMAN) {
        TileRow row{m_boardLetters, {}};
        const QString tried = FromWindows1252(m_engine.m_strGuessed);
        const QString answer = FromWindows1252(m_engine.m_strAnswer[0]);
        for (const QChar letter : m_boardLetters)
            row.marks.push_back(!tried.contains(letter)       ? TileMark::Free
                                    : answer.contains(letter) ? TileMark::Right
                                                              : TileMark::Wrong);
        rows.push_back(row);
    } else if (running) {
        // Anagram: the puzzle's letters, each used once. Mixword: its three
        // rows, a word built a column at a time from the column's letters.
        const bool mixword = m_engine.m_nGameType == GAME_MIXWORD;
        rows = PuzzleRows(mixword ? TileMark::Disabled : TileMark::Free);
        for (const auto& [row, index] : PlacedTiles(rows, guess))
            if (row >= 0)
                rows[static_cast<std::size_t>(row)].marks[static_cast<std::size_t>(index)] = TileMark::Placed;
        if (mixword)
            for (TileRow& row : rows)
                if (guess.size() < row.letters.size()
                    && row.marks[static_cast<std::size_t>(guess.size())] == TileMark::Disabled)
                    row.marks[static_cast<std::size_t>(guess.size())] = TileMark::Free;
    }
    m_board->SetRows(rows, TileName);
    m_boardBackspace->setEnabled(running && m_engine.m_nGameType != GAME_HANGMAN && !guess.isEmpty());
}

std::vector<TileRow> CWordGameDlg::PuzzleRows(TileMark mark) const
{
    std::vector<TileRow> rows;
    for (const QString& letters : FromWindows1252(m_engine.m_strPuzzle).split(QLatin1Char('\n')))
        rows.push_back({letters, std::vector<TileMark>(static_cast<std::size_t>(letters.size()), mark)});
    return rows;
}

std::vector<std::pair<int, int>> CWordGameDlg::PlacedTiles(const std::vector<TileRow>& rows, const QString& guess) const
{
    // Each letter of the guess on the first tile of it not yet taken, in a
    // mixword only in its own column; {-1, -1} for a letter typed that no
    // tile holds.
    const bool mixword = m_engine.m_nGameType == GAME_MIXWORD;
    std::vector<std::pair<int, int>> placed;
    std::vector<std::vector<bool>> taken;
    for (const TileRow& row : rows)
        taken.emplace_back(static_cast<std::size_t>(row.letters.size()), false);
    for (qsizetype position = 0; position < guess.size(); ++position) {
        std::pair<int, int> tile(-1, -1);
        for (std::size_t r = 0; r < rows.size() && tile.first < 0; ++r) {
            const qsizetype first = mixword ? position : 0;
            const qsizetype end = mixword ? std::min(position + 1, rows[r].letters.size()) : rows[r].letters.size();
            for (qsizetype i = first; i < end && tile.first < 0; ++i)
                if (!taken[r][static_cast<std::size_t>(i)] && rows[r].letters[i] == guess[position].toLower()) {
                    taken[r][static_cast<std::size_t>(i)] = true;
                    tile = {static_cast<int>(r), static_cast<int>(i)};
                }
        }
        placed.push_back(tile);
    }
    return placed;
}

void CWordGameDlg::OnTile(int row, int index)
{
    // Nothing reaches a turn that is not running: a click in the result
    // pause, while paused, or after the turn ended does nothing.
    if (m_turn.State() != TURN_RUNNING || m_turn.Paused() || !m_board->HasTile(row, index))
        return;
    auto* guess = DialogControl<QLineEdit>(this, IDC_GUESS);
    const QString letter = m_board->Tile(row, index)->text();
    if (m_engine.m_nGameType == GAME_HANGMAN) {
        if (!FromWindows1252(m_engine.m_strGuessed).contains(letter))
            guess->setText(letter);
        return;
    }
    const std::vector<std::pair<int, int>> placed = PlacedTiles(PuzzleRows(TileMark::Free), guess->text());
    const auto at = std::find(placed.begin(), placed.end(), std::pair(row, index));
    QString text = guess->text();
    if (at == placed.end()) { // a free tile: its letter goes on the end
        if (m_engine.m_nGameType == GAME_MIXWORD && index != text.size())
            return;
        guess->setText(text + letter);
    } else if (m_engine.m_nGameType == GAME_MIXWORD) { // a mixword's letters go back from that column on
        guess->setText(text.left(index));
    } else { // an anagram's placed tile goes back alone
        text.remove(at - placed.begin(), 1);
        guess->setText(text);
    }
}

void CWordGameDlg::StartOrResume()
{
    if (m_turn.State() != TURN_WAITING && !m_turn.Paused())
        return;
    // A key only starts the turn, or goes on with the word begun before the
    // pause: the key is no guess. In the field too, at once, for the turn
    // disables the rule edits, and one losing the focus reads every control
    // back.
    m_strGuess = m_turn.Paused() ? m_guessBeforePause : QString();
    auto* guess = DialogControl<QLineEdit>(this, IDC_GUESS);
    {
        const QSignalBlocker quiet(guess);
        guess->setText(m_strGuess);
    }
    EnsureWordListLoaded();
    ShowTurn(m_turn.Paused() ? m_turn.Resume() : m_turn.Start());
    guess->setFocus(); // where the keys go
}
