#include "GameFixture.h"

#include "Version.h"
#include "app/PoliteEnd.h"
#include "controls/TextWindow.h"

#include <QScreen>
#include <QSignalSpy>
#include <QTimer>

#include <csignal>
#include <map>

#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

TEST_F(GameWindow, WordListLoadsOrNamesWhyNot)
{
    const std::string list = folder.File("ordkamp.se");
    const struct {
        const char* layout; // as TempFolder::Lay reads it
        std::uintmax_t size;
        unsigned text;
    } cases[] = {
        {"f:ordkamp.se=hus", 0, IDS_WELCOME}, // a list of one short word
        {"p:ordkamp.se", 0, IDS_LOAD_FAILED},
        {"f:ordkamp.se=hus", std::uintmax_t{300} << 20, IDS_LIST_TOO_LARGE},
    };
    for (const auto& c : cases) {
        fs::remove(list);
        folder.Lay(c.layout);
        if (c.size > 0)
            fs::resize_file(list, c.size);
        const fs::file_type type = fs::status(list).type();
        // The window is painted, with the loading text, before the list is
        // read: the first paint starts the reading.
        dlg = std::make_unique<CWordGameDlg>();
        ASSERT_TRUE(dlg->OnInitDialog());
        EXPECT_EQ(dlg->m_strDisplay, LoadString(IDS_LOADING)) << c.layout;
        for (int i = 0; i < 1000 && dlg->m_strDisplay == LoadString(IDS_LOADING); ++i)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        EXPECT_EQ(dlg->m_strDisplay, LoadString(c.text)) << c.layout;
        AddPlayer("Anna");
        Type("x"); // no words: no turn
        EXPECT_EQ(dlg->m_strDisplay, LoadString(IDS_TOO_FEW_WORDS)) << c.layout;
        dlg->OnExit();
        EXPECT_EQ(fs::status(list).type(), type) << c.layout; // nothing written in its place
    }
    EXPECT_EQ(fs::file_size(list), std::uintmax_t{300} << 20);
}

// Under X11 a line edit claims Ctrl+E as end of line; run under Xvfb with
// the xcb platform too (ctest's Keys.UnderX11), which the offscreen one hides.
TEST_F(GameWindow, EveryShortcutWorksWhereverTheFocusIs)
{
    WriteWords({"ekorre"});
    Start();
    dlg->m_engine.m_nGameTypeSetting = GAME_ANAGRAM;
    AddPlayer("Anna");
    Type("x"); // a running turn: the hint and giving up are on
    std::map<int, int> triggered, keys; // a command may have more than one key
    for (const Accelerator& accelerator : GameAccelerators()) {
        if (keys[accelerator.command]++ > 0)
            continue;
        QAction* action = Action(accelerator.command);
        QObject::disconnect(action, &QAction::triggered, nullptr, nullptr); // no dialogs, no turn's end
        QObject::connect(action, &QAction::triggered, [&triggered, &accelerator] { ++triggered[accelerator.command]; });
    }
    const int controls[] = {IDC_GUESS, IDC_NEW_PLAYER, IDC_TIME_HANGMAN, IDC_PLAYERS};
    for (const int id : controls) {
        QWidget* control = Control(id);
        control->setEnabled(true);
        control->setFocus();
        for (const Accelerator& accelerator : GameAccelerators())
            QTest::keyClick(QApplication::focusWidget(), accelerator.keys.key(), accelerator.keys.keyboardModifiers());
    }
    for (const Accelerator& accelerator : GameAccelerators())
        EXPECT_EQ(triggered[accelerator.command], keys[accelerator.command] * int(std::size(controls)))
            << QKeySequence(accelerator.keys).toString().toStdString();
}

// A settings file that cannot be read is named at start and never written;
// one that cannot be written has a retry offered at exit, while the window
// is open.
TEST_F(GameWindow, SettingsFileThatCannotBeReadOrWritten)
{
    WriteWords({"ekorre"});
    const std::string ini = folder.File("ordkamp.ini");
    ASSERT_EQ(mkfifo(ini.c_str(), 0600), 0); // would hang a blocking read
    Start();
    ASSERT_EQ(boxes.size(), 1u);
    for (const QString& part :
         {QString::fromStdString(ini), QString("inte en vanlig fil"), QString("skrivs inte över")})
        EXPECT_TRUE(boxes[0].first.contains(part)) << part.toStdString();
    dlg->OnExit();
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(fs::is_fifo(ini));

    fs::remove(ini);
    for (const bool freeRoomThenRetry : {true, false}) {
        WriteBytes(ini, "");
        fs::permissions(ini, fs::perms::owner_read);
        Start();
        boxes.clear();
        SetMessageBoxHook([&, freeRoomThenRetry](const QString& text, unsigned type) {
            boxes.emplace_back(text, type);
            EXPECT_TRUE(dlg->isVisible());
            if (freeRoomThenRetry && boxes.size() == 2)
                fs::permissions(ini, fs::perms::owner_read | fs::perms::owner_write);
            return freeRoomThenRetry ? IDRETRY : IDCANCEL;
        });
        dlg->OnExit();
        EXPECT_FALSE(dlg->isVisible());
        ASSERT_EQ(boxes.size(), freeRoomThenRetry ? 2u : 1u);
        EXPECT_TRUE(boxes[0].first.contains(QString::fromStdString(ini)) && boxes[0].first.contains("skrivskyddad"));
        EXPECT_EQ(boxes[0].second, unsigned{MB_RETRYCANCEL | MB_ICONEXCLAMATION});
        EXPECT_EQ(ReadBytes(ini).find("Mini=5") != std::string::npos, freeRoomThenRetry);
        fs::remove(ini);
    }
}

// Closing asks only when players exist, and Escape never closes. A
// shutdown, a closed terminal, Ctrl+C or QCoreApplication::quit() end the
// game as "Avsluta" does and keep what the session won.
TEST_F(GameWindow, ClosingAsksOnlyWithPlayersAndPoliteEndsSaveLikeExit)
{
    WriteWords({"ekorre"});
    Start();
    QTest::keyClick(Guess(), Qt::Key_Escape);
    EXPECT_TRUE(dlg->isVisible());
    dlg->OnExit(); // nobody plays: no question
    EXPECT_TRUE(boxes.empty());
    Start();
    AddPlayer("Anna");
    answer = IDNO;
    dlg->close();
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(boxes.at(0),
              std::make_pair(QString("Vill du verkligen avsluta?"),
                             unsigned{MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2}));
    answer = IDYES;
    boxes.clear();
    const std::string ini = folder.File("ordkamp.ini");
    for (const int signal : {SIGTERM, SIGHUP, SIGINT, 0}) {
        fs::remove(ini);
        dlg = std::make_unique<CWordGameDlg>();
        const auto playAndChange = [&] {
            AddPlayer("Anna"); // with a player, "Avsluta" would ask first
            dlg->m_engine.AddHighscore(GAME_HANGMAN, 0, "Anna", "2026-12-07", 7, 12);
            Control<QSpinBox>(IDC_TIME_ANAGRAM)->setValue(45);
            dlg->OnKillfocusTimeAnagram();
        };
        if (signal == 0) {
            QTimer::singleShot(0, [&] {
                playAndChange();
                QCoreApplication::quit();
            });
            dlg->DoModal();
        } else {
            ASSERT_TRUE(dlg->OnInitDialog());
            playAndChange();
            bool ended = false;
            const CPoliteEnd politeEnd([&] {
                dlg->OnEndSession();
                ended = true;
            });
            ASSERT_EQ(::raise(signal), 0);
            for (int i = 0; i < 100 && !ended; ++i) // the byte is in the pipe already
                QCoreApplication::processEvents();
            ASSERT_TRUE(ended) << signal;
        }
        EXPECT_FALSE(dlg->isVisible()) << signal;
        // quit() closes the window as its close box does, which asks first
        // (and the test answers yes); a signal leaves nobody to ask.
        EXPECT_EQ(boxes.size(), signal == 0 ? 1u : 0u) << signal;
        boxes.clear();
        const CIniFile saved = CIniFile::Parse(ReadBytes(ini));
        EXPECT_EQ(saved.Get("HangMan", "name0").value_or("") + saved.Get("Settings", "TimeScrabble").value_or(""),
                  "Anna45")
            << signal;
    }
}

// Seen from the sofa: the puzzle fills the display, whatever the window's
// size; more room goes to the display, the list and the clock, not the rules.
TEST_F(GameWindow, LargerWindowLargerPuzzleAndItsPlaceIsKept)
{
    WriteWords({"ekorre", "katten"});
    WriteBytes(folder.File("ordkamp.ini"), "[Settings]\r\nLetterTiles=0\r\n"); // the window without the letter board
    Start();
    const QSize smallest = dlg->minimumSize();
    dlg->resize(smallest);
    AddPlayer("Anna");
    ChooseGame(GAME_ANAGRAM);
    Type("a");
    QWidget *display = Control(IDC_DISPLAY), *clock = Control(IDC_COUNTDOWN);
    const int puzzle = display->font().pixelSize(), clockPixels = clock->font().pixelSize();
    const int list = Control(IDC_PLAYERS)->height();
    dlg->resize(smallest + QSize(300, 200));
    EXPECT_GT(display->font().pixelSize(), puzzle);
    EXPECT_GT(clock->font().pixelSize(), clockPixels); // read from across the room
    EXPECT_EQ(Control(IDC_PLAYERS)->height(), list + 200); // the rules keep their size
    EXPECT_NE(clock->palette().color(QPalette::WindowText), QColor(Qt::red));
    dlg->SubtractTime(60 - CTurn::kLastSeconds); // the last seconds show red
    EXPECT_EQ(clock->palette().color(QPalette::WindowText), QColor(Qt::red));

    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QSize kept = smallest + QSize(std::min(60, screen.width() - 16 - smallest.width()), 50); // on the screen
    dlg->resize(kept);
    dlg->OnExit(); // with a player: the question is answered yes
    Start();
    EXPECT_EQ(dlg->size(), kept);
}

TEST_F(GameWindow, QuickHelpAndReadmeAlwaysOpen)
{
    WriteWords({"ekorre"});
    WriteBytes(folder.File("README.TXT"), "Hj\xE4lp\r\nmer");
    Start();
    // Reads the text window once the loop starts, and closes it with Esc.
    QString text;
    bool wraps = false;
    const auto readTextWindowLater = [&] {
        QTimer::singleShot(0, [&] {
            if (auto* window = dynamic_cast<CTextWindow*>(QApplication::activeModalWidget())) {
                text = window->m_text->toPlainText();
                wraps = window->m_text->lineWrapMode() != QPlainTextEdit::NoWrap;
                QTest::keyClick(window, Qt::Key_Escape);
            }
        });
    };
    readTextWindowLater();
    Action(ID_QUICK_HELP)->trigger();
    EXPECT_TRUE(wraps && text.startsWith("Ordkamp " ORDKAMP_VERSION " ")) << text.toStdString();

    Action(ID_README)->trigger();
    EXPECT_EQ(opened, std::vector<QString>{QString::fromStdString(folder.File("README.TXT"))}); // whatever its case

    // The desktop refuses: the readme is shown inside the game; without a readable one, the message.
    shellResult = 31;
    readTextWindowLater();
    dlg->OnReadme();
    // Its lines as written: wrapping them again would orphan words.
    EXPECT_EQ(std::tuple(text, wraps, boxes.size()), std::tuple(QString("Hjälp\nmer"), false, std::size_t{0}));
    fs::remove(folder.File("README.TXT"));
    ::mkfifo(folder.File("README.TXT").c_str(), 0600); // a blocking read would hang the game
    dlg->OnReadme();
    EXPECT_EQ(boxes.at(0).first, "Det gick inte att öppna ReadMe-filen.");
}

// "Ljud", "Bokstavsbrickor" and the language, chosen in the menu, are kept
// for the next start, and only once chosen (the language is said to change
// then). The letter board lies below the window's controls; hidden, the
// window is as it was without one.
TEST_F(GameWindow, MenuChoicesAreKept)
{
    WriteWords({"ekorre"});
    Start();
    QWidget* board = dlg->findChild<QWidget*>("LetterBoard");
    EXPECT_TRUE(board->isVisible() && Action(ID_SOUND)->isChecked()); // both on by default
    EXPECT_GE(board->geometry().top(), Control(IDC_GUESS)->geometry().bottom()); // never over the display
    EXPECT_GE(board->geometry().top(), Control(IDC_COUNTDOWN)->geometry().bottom()); // or the clock
    const QSize shown = dlg->size(), smallest = dlg->minimumSize();
    dlg->OnExit();
    EXPECT_EQ(GetIniString("Settings", "LetterTiles", "none", "ordkamp.ini", true), "none");

    Start();
    AddPlayer("Anna");
    QTest::keyClick(Guess(), Qt::Key_M, Qt::ControlModifier);
    ActionNamed("&Bokstavsbrickor")->trigger();
    ActionNamed("English")->trigger();
    EXPECT_EQ(boxes.at(0).first, LoadString(IDS_LANGUAGE_CHANGED));
    EXPECT_EQ(smallest.height() - dlg->minimumHeight(), shown.height() - dlg->height());
    EXPECT_GT(shown.height() - dlg->height(), 40);
    ChooseGame(GAME_ANAGRAM);
    Type("a");
    dlg->SubtractTime(1000);
    EXPECT_TRUE(sounds.empty() && dlg->m_turn.State() == TURN_RESULT); // a time-out in silence
    dlg->OnExit();
    Start();
    EXPECT_FALSE(Action(ID_SOUND)->isChecked() || SoundOn() || dlg->findChild<QWidget*>("LetterBoard")->isVisible());
    EXPECT_EQ(GetIniString("Settings", "Language", "", "ordkamp.ini", true), "en");
    Action(ID_SOUND)->trigger();
    EXPECT_TRUE(SoundOn());
}

// Under any template, Enter presses the push button that has the focus, not
// the window's default ("Lägg till", the name being typed).
TEST_F(GameWindow, EnterPressesTheFocusedButton)
{
    WriteWords({"ekorre"});
    answer = IDNO;
    for (const int target : {IDC_SET_AS_NEXT, IDC_DELETE_PLAYER}) {
        Start();
        AddPlayer("Anna");
        Select(0); // enables both
        Control<QLineEdit>(IDC_NEW_PLAYER)->setText("Bo");
        QSignalSpy pressed(Control<QPushButton>(target), &QPushButton::clicked);
        dlg->show();
        Control(target)->setFocus();
        QTest::keyClick(Control(target), Qt::Key_Return);
        EXPECT_EQ(std::pair(int(pressed.count()), Control<QLineEdit>(IDC_NEW_PLAYER)->text()),
                  std::pair(1, QString("Bo")))
            << target; // "Bo" not added
    }
}

} // namespace
