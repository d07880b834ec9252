// The game window's construction, its controls and menu, and data exchange.

#include "app/WordGameDlg.h"

#include "app/PoliteEnd.h"
#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "platform/UpDownEdit.h"
#include "res/GameTemplate.h"
#include "res/Strings.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSessionManager>
#include <QSignalBlocker>
#include <QTreeWidget>

#include <functional>
#include <vector>

CWordGameDlg::CWordGameDlg(QWidget* parent)
    : QDialog(parent)
{
    connect(&m_timer, &QTimer::timeout, this, [this] { OnTimer(); });
}

CWordGameDlg::~CWordGameDlg() = default;

int CWordGameDlg::DoModal()
{
    if (!OnInitDialog())
        return QDialog::Rejected;
    const CPoliteEnd politeEnd([this] { OnEndSession(); });
    // A logout first asks every program to keep its data, then ends it.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { SaveProfile(true); });
    // The application's own loop rather than the dialog's, so that
    // QCoreApplication::quit() ends the game too.
    connect(this, &QDialog::finished, qApp, &QCoreApplication::quit);
    QApplication::exec();
    if (!m_bDestroyed)
        OnDestroy();
    return result();
}

void CWordGameDlg::OnEndSession()
{
    // Ended from outside: as "Avsluta", but nobody is there to answer questions.
    if (m_bDestroyed)
        return;
    UpdateData(true);
    SaveBeforeClosing(false);
    done(QDialog::Accepted);
    OnDestroy();
    QCoreApplication::quit(); // also ends any dialog or message box still open
}

void CWordGameDlg::BuildControls()
{
    setFont(DialogFont());
    BuildMenu();
    const QSize client = BuildDialog(this, GameDialogTemplate(), m_menuBar->sizeHint().height());
    resize(client);
    m_menuBar->setGeometry(0, 0, client.width(), m_menuBar->sizeHint().height());

    m_spinMinLetters = DialogControl<CUpDownEdit>(this, IDC_SPIN_MIN_LETTERS);
    m_spinMaxLetters = DialogControl<CUpDownEdit>(this, IDC_SPIN_MAX_LETTERS);
    m_spinPenalty = DialogControl<CUpDownEdit>(this, IDC_SPIN_PENALTY);
    m_spinTimeMixword = DialogControl<CUpDownEdit>(this, IDC_SPIN_TIME_MIXWORD);
    m_spinTimeAnagram = DialogControl<CUpDownEdit>(this, IDC_SPIN_TIME_ANAGRAM);
    m_spinTimeHangman = DialogControl<CUpDownEdit>(this, IDC_SPIN_TIME_HANGMAN);
    m_listPlayers = DialogControl<QTreeWidget>(this, IDC_PLAYERS);
    m_progressTime = DialogControl<QProgressBar>(this, IDC_PROGRESS);
    m_listPlayers->setAccessibleName(LoadString(IDS_A11Y_PLAYERS));
    m_progressTime->setAccessibleName(LoadString(IDS_A11Y_TIME_LEFT));
    DialogControl(this, IDC_DISPLAY)->setAccessibleDescription(LoadString(IDS_A11Y_DISPLAY));
    m_comboGameType = DialogControl<QComboBox>(this, IDC_GAME_TYPE);
    ConnectControls();
}

void CWordGameDlg::BuildMenu()
{
    m_menuBar = new QMenuBar(this);
    for (const Menu& menu : GameMenu()) {
        QMenu* popup = m_menuBar->addMenu(QCoreApplication::translate("Menu", menu.title));
        for (const MenuItem& item : menu.items) {
            if (!item.text) {
                popup->addSeparator();
                continue;
            }
            QAction* action = popup->addAction(QCoreApplication::translate("Menu", item.text));
            action->setObjectName(QString::number(item.command));
            QList<QKeySequence> keys;
            for (const Accelerator& accelerator : GameAccelerators())
                if (accelerator.command == item.command)
                    keys << QKeySequence(accelerator.keys);
            action->setShortcuts(keys);
            addAction(action); // shortcuts work wherever the focus is in the window
        }
    }
    BuildWordListMenu();
    BuildMatchMenu();
    BuildLanguageMenu();
    // A line edit takes Ctrl+E (end of line on X11) and others for itself;
    // as the Windows program did, the window's shortcuts win over every
    // control. The filter sees the key before the control with the focus.
    QApplication::instance()->installEventFilter(this);
    const std::pair<int, void (CWordGameDlg::*)()> handlers[] = {
        {ID_EDIT_WORD_LIST, &CWordGameDlg::OnEditWordList},
        {ID_HIGHSCORE, &CWordGameDlg::OnHighscore},
        {ID_EXIT, &CWordGameDlg::OnExit},
        {ID_RESET_SCORES, &CWordGameDlg::OnResetScores},
        {ID_QUICK_HELP, &CWordGameDlg::OnQuickHelp},
        {ID_ABOUT, &CWordGameDlg::OnAbout},
        {ID_README, &CWordGameDlg::OnReadme},
        {ID_HINT, &CWordGameDlg::OnHint},
        {ID_GIVE_UP, &CWordGameDlg::OnGiveUp},
        {ID_PAUSE, &CWordGameDlg::OnPause},
        {ID_SOUND, &CWordGameDlg::OnSound},
    };
    findChild<QAction*>(QString::number(ID_SOUND))->setCheckable(true);
    for (const auto& [command, handler] : handlers)
        if (QAction* action = m_menuBar->findChild<QAction*>(QString::number(command)))
            connect(action, &QAction::triggered, this, std::bind(handler, this));
}

QMenu* CWordGameDlg::GameMenuInBar() const
{
    return m_menuBar->actions().at(1)->menu();
}

void CWordGameDlg::BuildLanguageMenu()
{
    QMenu* languages = GameMenuInBar()->addMenu(LoadString(IDS_LANGUAGE_MENU));
    auto* choices = new QActionGroup(languages);
    // Each language in its own words, so that a player finds theirs
    // whichever is shown.
    for (const auto& [language, name] :
         {std::pair(Language::Swedish, "Svenska"), std::pair(Language::English, "English")}) {
        QAction* action = languages->addAction(QString::fromUtf8(name));
        action->setCheckable(true);
        action->setChecked(language == InstalledLanguage());
        choices->addAction(action);
        connect(action, &QAction::triggered, this, [this, chosen = language] {
            m_settingsFile.SetLanguage(LanguageCode(chosen));
            AppMessageBox(this, LoadString(IDS_LANGUAGE_CHANGED), MB_OK | MB_ICONINFORMATION);
        });
    }
}

void CWordGameDlg::ConnectControls()
{
    connect(DialogControl<QLineEdit>(this, IDC_GUESS), &QLineEdit::textChanged, this, [this] { OnChangeGuess(); });
    connect(DialogControl<QLineEdit>(this, IDC_NEW_PLAYER), &QLineEdit::textChanged, this,
            [this] { OnChangeNewPlayer(); });
    // Enter with a name adds the player (the default button); Enter on an
    // empty name means the players are all there: on to the guess field.
    connect(DialogControl<QLineEdit>(this, IDC_NEW_PLAYER), &QLineEdit::returnPressed, this, [this] {
        if (DialogControl<QLineEdit>(this, IDC_NEW_PLAYER)->text().isEmpty())
            DialogControl(this, IDC_GUESS)->setFocus();
    });
    connect(DialogControl<QPushButton>(this, IDC_ADD_PLAYER), &QPushButton::clicked, this, [this] { OnAddPlayer(); });
    connect(DialogControl<QPushButton>(this, IDC_DELETE_PLAYER), &QPushButton::clicked, this,
            [this] { OnDeletePlayer(); });
    connect(DialogControl<QPushButton>(this, IDC_SET_AS_NEXT), &QPushButton::clicked, this, [this] { OnSetAsNext(); });
    connect(m_listPlayers, &QTreeWidget::itemSelectionChanged, this, [this] { OnItemchangedPlayers(); });
    connect(m_comboGameType, &QComboBox::activated, this, [this] { OnSelchangeGameType(); });

    const std::pair<CUpDownEdit*, void (CWordGameDlg::*)()> rules[] = {
        {m_spinMinLetters, &CWordGameDlg::OnKillfocusMinLetters},
        {m_spinMaxLetters, &CWordGameDlg::OnKillfocusMaxLetters},
        {m_spinPenalty, &CWordGameDlg::OnKillfocusPenalty},
        {m_spinTimeHangman, &CWordGameDlg::OnKillfocusTimeHangman},
        {m_spinTimeAnagram, &CWordGameDlg::OnKillfocusTimeAnagram},
        {m_spinTimeMixword, &CWordGameDlg::OnKillfocusTimeMixword},
    };
    for (const auto& [spin, handler] : rules)
        connect(spin, &QAbstractSpinBox::editingFinished, this, std::bind(handler, this));
}

void CWordGameDlg::UpdateData(bool saveAndValidate)
{
    auto* guess = DialogControl<QLineEdit>(this, IDC_GUESS);
    auto* newPlayer = DialogControl<QLineEdit>(this, IDC_NEW_PLAYER);
    const auto numbers = RuleControls();

    if (saveAndValidate) {
        for (const auto& [spin, member] : numbers) {
            spin->interpretText();
            *member = spin->value();
        }
        m_strNewPlayer = newPlayer->text();
        m_strGuess = guess->text();
        return;
    }

    // The program's own writes are not the player's changes.
    const QList<QWidget*> controls = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    std::vector<QSignalBlocker> blockers;
    blockers.reserve(static_cast<std::size_t>(controls.size()));
    for (QWidget* control : controls)
        blockers.emplace_back(control);

    ShowInDisplay();
    for (const auto& [spin, member] : numbers)
        spin->setValue(*member);
    auto* countdown = DialogControl<QLabel>(this, IDC_COUNTDOWN);
    countdown->setText(m_strCountdown);
    const bool lastSeconds = m_turn.State() != TURN_WAITING && m_turn.SecondsLeft() <= CTurn::kLastSeconds;
    QPalette colours = palette();
    if (lastSeconds)
        colours.setColor(QPalette::WindowText, Qt::red);
    countdown->setPalette(colours);
    DialogControl<QLabel>(this, IDC_AVAILABLE)->setText(m_strAvailable);
    if (newPlayer->text() != m_strNewPlayer)
        newPlayer->setText(m_strNewPlayer);
    if (guess->text() != m_strGuess)
        guess->setText(m_strGuess);
}

void CWordGameDlg::EnableControl(int id, bool enable)
{
    DialogControl(this, id)->setEnabled(enable);
}

void CWordGameDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept(); // Esc never closes the game window
        return;
    }
    QDialog::keyPressEvent(event);
}

void CWordGameDlg::closeEvent(QCloseEvent* event)
{
    event->ignore(); // closing is OnExit's decision
    OnClose();
}

void CWordGameDlg::reject()
{
    // Only OnExit closes the window.
}

bool CWordGameDlg::eventFilter(QObject* watched, QEvent* event)
{
    // A click or a tap on the display does what a key in "Gissa" does
    // while no turn runs.
    if (watched == m_displayViewport && m_displayViewport) {
        if (event->type() == QEvent::TouchBegin) {
            event->accept(); // the tap's end comes here too, and no mouse click is made of it
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::TouchEnd)
            StartOrResume();
        return false;
    }
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    const auto* control = qobject_cast<QWidget*>(watched);
    if (!control || control->window() != this)
        return false;
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    for (const QAction* action : actions())
        if (action->isEnabled() && action->shortcut() == pressed)
            return true; // left unaccepted: the shortcut goes to the window
    return false;
}
