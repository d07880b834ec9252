#pragma once

#include "engine/Turn.h"
#include "engine/WordEngine.h"
#include "profile/SettingsFile.h"
#include "wordlists/WordListCatalog.h"

#include <QDialog>
#include <QRect>
#include <QIcon>
#include <QString>
#include <QTimer>

#include <array>
#include <utility>
#include <vector>

class CLetterBoard;
class CMatchResults;
class CUpDownEdit;
class QPushButton;
struct TileRow;
enum class TileMark;
class QAction;
class QActionGroup;
class QComboBox;
class QProgressBar;
class QTreeWidget;
class QMenu;
class QMenuBar;

// What ShowMessage puts in the display.
enum : int { MESSAGE_TEXT = 0, MESSAGE_NEXT_PLAYER = 1 };

// The game window: players, the turn of the current player with its clock,
// the rules, and the menu commands. It owns the game's word engine and the
// turn machine over it.
class CWordGameDlg : public QDialog {
public:
    explicit CWordGameDlg(QWidget* parent = nullptr);
    ~CWordGameDlg() override;

    // Start-up and shut-down.
    bool OnInitDialog();
    int DoModal();
    void OnDestroy();
    // Writes settings and highscores unless done already; on failure asks
    // Retry or Cancel when `askOnFailure`, else reports on stderr.
    void SaveBeforeClosing(bool askOnFailure);
    // Writes the highscore tables now (after a place was won).
    void KeepHighscores();
    // One save of the settings file: the tables, and with `withSettings`
    // the rules, the window's place and the sound.
    FileResult SaveProfile(bool withSettings);
    void OnClose();
    // A signal or a logout ends the game: saves without asking, closes.
    void OnEndSession();
    void UpdateData(bool saveAndValidate);

    // Window size and layout.
    void SetUpLayout();
    void LayOutControls();
    // Shows m_strDisplay (with the turn's heading, or whose turn comes and
    // how to start) in the largest font that fits the display, the puzzle
    // larger than the rest.
    void ShowInDisplay();
    // What a screen reader says of the display (its name, `spoken`), told in
    // "Gissa" as well; the last seconds are told there alone.
    void Announce(const QString& spoken);
    void AnnounceInGuess(const QString& text);
    // Opens where the window was left, or on a first start at about two
    // thirds of the screen, centred; never larger than the screen.
    void RestorePlace();
    CSettingsFile::WindowPlace Place() const;
    // The clock's digits at a window height, and the largest window the
    // screen holds.
    int ClockPixels(int windowHeight) const;
    QSize LargestClientSize() const;

    // The word list in play (WordLists.cpp): the menu of lists by language,
    // a choice (false, with a message, when the list cannot be read or its
    // letters do not fit), and the player's own list of the language in
    // play, which the editor edits, in play or not.
    void BuildWordListMenu();
    void FillWordListMenu();
    void AddWordLists(QMenu* menu, const std::vector<WordListSource>& lists);
    void GreyShortLists();
    void CheckWordListMenu();
    bool ChooseWordList(const QString& key);
    CWordEngine& OwnList();
    WordListPlaces Places() const;
    QString InterfaceLanguage() const;
    // The key of the list in play, the interface language's standard list's too.
    QString WordListKeyInPlay() const;
    // The interface's language, then the desktop's, as ISO 639 codes.
    QStringList PlayerLanguages() const;
    QString ListName(const WordListSource& source, const WordListContents& contents) const;

    // The letter board (LetterTiles.cpp): tiles that type their letter into
    // "Gissa", the hint, give-up and pause commands as buttons, shown or
    // hidden from the menu.
    void BuildLetterBoard();
    void ShowLetterBoard(bool shown);
    void UpdateBoardLetters();
    void RefreshBoard();
    void OnTile(int row, int index);
    // Where each letter of a guess lies on the board's rows ({-1, -1}: on no tile).
    std::vector<std::pair<int, int>> PlacedTiles(const std::vector<TileRow>& rows, const QString& guess) const;
    // The puzzle's rows of letters as tiles, all marked `mark`.
    std::vector<TileRow> PuzzleRows(TileMark mark) const;
    // What a key in "Gissa" does while no turn runs: starts one, or goes on after a pause.
    void StartOrResume();

    // Matches (MatchPanel.cpp): the length in the menu (taken at once
    // before a game's first turn, else at the next match), "Ny match", the
    // line of whose turn comes, and the results at the end.
    void BuildMatchMenu();
    void CheckMatchMenu();
    void ChooseMatchLength(unsigned rounds);
    void OnNewMatch();
    QString NextPlayerText(std::size_t player, unsigned round) const;
    void ShowMatchResults();

    // Turn flow: events go to m_turn, and the window draws what each did.
    // ShowMessage, RefreshPuzzle and RefreshPlayers compose; UpdateData(false)
    // (in ShowTurnState for a turn event) shows.
    void SubtractTime(int seconds);
    void ShowTurn(const TurnEvent& event);
    void ShowTurnState();
    void ShowMessage(int kind, bool clear, unsigned stringId);
    // The result of a finished turn, as the turn composed it.
    void ShowResult(const TurnEvent& result);
    void RefreshPuzzle();
    void OnTimer();
    void OnChangeGuess();
    void OnHint();
    void OnGiveUp();

    // Players panel.
    void RefreshPlayers();
    void OnChangeNewPlayer();
    void OnAddPlayer();
    void OnDeletePlayer();
    void OnSetAsNext();
    void OnItemchangedPlayers();

    // Rules panel.
    void OnKillfocusMinLetters();
    void OnKillfocusMaxLetters();
    void OnKillfocusPenalty();
    void OnKillfocusTimeHangman();
    void OnKillfocusTimeAnagram();
    void OnKillfocusTimeMixword();
    void OnSelchangeGameType();
    void UpdateAvailableWords();
    // The start's word list is read after the window's first paint; whatever
    // needs the list before that reads it first.
    void EnsureWordListLoaded();
    // Reads ordkamp.ini once: before the window is built when the
    // application asks first (the language is kept there), else at the start.
    void ReadSettings();

    // Menu commands.
    void OnEditWordList();
    void OnHighscore();
    void OnExit();
    void OnQuickHelp();
    void OnAbout();
    void OnReadme();
    void OnResetScores();
    void OnSound();
    void OnPause();
    void BuildLanguageMenu();

    // Members bound to controls, and the window's own state.
    CUpDownEdit* m_spinMinLetters = nullptr;
    CUpDownEdit* m_spinMaxLetters = nullptr;
    CUpDownEdit* m_spinPenalty = nullptr;
    CUpDownEdit* m_spinTimeMixword = nullptr;
    CUpDownEdit* m_spinTimeAnagram = nullptr;
    CUpDownEdit* m_spinTimeHangman = nullptr;
    QTreeWidget* m_listPlayers = nullptr;
    QProgressBar* m_progressTime = nullptr;
    QComboBox* m_comboGameType = nullptr;
    QString m_strDisplay;
    int m_nMinLength = 0;
    int m_nMaxLength = 0;
    int m_nPenalty = 0;
    int m_nTimeHangman = 0;
    QString m_strCountdown;
    QString m_strNewPlayer;
    QString m_strAvailable;
    int m_nTimeMixword = 0;
    int m_nTimeAnagram = 0;
    QString m_strGuess;
    QString m_guessBeforePause; // the word begun when the turn was paused
    QIcon m_hIcon;
    QString m_strIniFile;
    CWordEngine m_engine;
    CTurn m_turn{m_engine};
    QTimer m_timer;
    // Writes nothing before the file has been read, nor over a file that
    // could not be read.
    CSettingsFile m_settingsFile;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // The menu's shortcuts come before any control's own use of the key.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void OnOK();
    void BuildControls();
    void BuildMenu();
    void ConnectControls();
    // The rules panel's up-downs and their members, by rule index.
    struct RuleControl {
        CUpDownEdit* spin;
        int* member;
    };
    std::array<RuleControl, RULE_COUNT> RuleControls();
    void CopyRulesToMembers();
    void CommitRule(unsigned rule);
    void EnableControl(int id, bool enable);
    QString SettingsPath() const;
    // "Spel", where the menus the window adds to its template's go.
    QMenu* GameMenuInBar() const;

    QMenuBar* m_menuBar = nullptr;
    bool m_bDestroyed = false;
    bool m_bSaved = false;
    bool m_bListPending = false; // the start's list is still to be read
    bool m_bListLoadQueued = false;
    FileResult m_settingsRead; // told once the list is read
    // The controls' places at the smallest size, from which every larger
    // size is laid out.
    std::vector<std::pair<QWidget*, QRect>> m_baseGeometry;
    QSize m_baseSize;
    // The list in play: its key (empty for the interface language's
    // standard list), language, kind, and name where it is not that list.
    QString m_wordListKey;
    QString m_wordListLanguage;
    ListKind m_wordListKind = ListKind::Standard;
    QString m_wordListName;
    CWordEngine m_ownList; // a language's standard list while another list is in play
    QString m_ownListLanguage; // its language; empty while it holds none
    QMenu* m_wordListMenu = nullptr;
    QMenu* m_matchMenu = nullptr;
    QAction* m_newMatchAction = nullptr;
    unsigned m_matchRounds = 0; // the length chosen for the next match
    CMatchResults* m_results = nullptr;
    CLetterBoard* m_board = nullptr;
    QPushButton* m_boardStart = nullptr;
    QPushButton* m_boardBackspace = nullptr;
    QAction* m_boardAction = nullptr;
    QWidget* m_displayViewport = nullptr; // where a click starts a turn
    QString m_boardLetters; // the hangman tiles of the list in play, in its language's order
    int m_boardHeight = 0; // at the smallest window
    int m_baseHeightWithoutBoard = 0;
    static constexpr int kBoardGap = 6;
    static constexpr int kSmallestTile = 40; // logical pixels: room for a finger
    QActionGroup* m_wordListChoices = nullptr;
    // The words of each length of every themed list in the menu.
    std::vector<std::pair<QAction*, std::array<uint32_t, 36>>> m_listLengths;
    QString m_shownText; // the parts the display shows, fitted to m_fittedRoom
    QSize m_fittedRoom;
};
