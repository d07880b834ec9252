#include "GameFixture.h"

#include "editor/WordListDlg.h"
#include "res/EditorDialogs.h"

#include <QPlainTextEdit>

#include <fstream>
#include <random>
#include <unistd.h>

namespace {

#if defined(__has_feature)
#define ORDKAMP_HAS_FEATURE(x) __has_feature(x)
#else
#define ORDKAMP_HAS_FEATURE(x) 0
#endif

// g++ and clang++ tell of AddressSanitizer in different ways.
#if defined(__SANITIZE_ADDRESS__) || ORDKAMP_HAS_FEATURE(address_sanitizer)
constexpr bool kResidentMemoryTells = false;
#else
constexpr bool kResidentMemoryTells = true;
#endif

long ResidentBytes()
{
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

// 5 000 turns of every kind: random games, solves, wrong guesses and
// time-outs, players chosen, deleted and added, and editor round trips.
TEST_F(GameWindow, LongPlayDoesNotGrow)
{
    std::vector<std::string> words = ManyWords(120);
    for (const char* word : {"bakar", "filar", "m\xE5ste", "ekorre", "katten", "kastade"})
        words.push_back(word);
    WriteWords(words);
    Start();
    for (const char* name : {"Anna", "Bo", "Cissi"})
        AddPlayer(name);

    std::mt19937 random(42);
    long residentAt500 = 0;
    int solved = 0;
    for (int turn = 1; turn <= 5000; ++turn) {
        ChooseGame(static_cast<int>(random() % 5));
        Type("a");
        ASSERT_EQ(dlg->m_turn.State(), TURN_RUNNING) << turn;
        switch (random() % 4) {
        case 0:
            Type(QString::fromLatin1(dlg->m_engine.m_strAnswer[0].c_str()));
            break;
        case 1:
            Type(QStringLiteral("qzåx"));
            dlg->SubtractTime(1000);
            break;
        case 2:
            Select(static_cast<int>(random() % dlg->m_engine.m_players.size()));
            dlg->OnSetAsNext();
            break;
        default:
            Select(static_cast<int>(random() % dlg->m_engine.m_players.size()));
            dlg->OnDeletePlayer();
            AddPlayer(QStringLiteral("Spelare %1").arg(turn));
        }
        solved += dlg->m_turn.State() == TURN_RESULT && dlg->m_strDisplay.startsWith("Rätt");
        dlg->SubtractTime(1000); // deleting someone else leaves the turn running
        Tick();
        ASSERT_EQ(dlg->m_turn.State(), TURN_WAITING) << turn;

        if (turn % 500 == 0) {
            CWordListDlg editor;
            editor.m_pGameEngine = &dlg->m_engine;
            editor.show();
            DialogControl<QPlainTextEdit>(&editor, IDC_NEW_WORDS)->setPlainText(QStringLiteral("extra\nord%1").arg(turn));
            editor.OnAddSort();
            editor.OnOK();
        }
        // What the event loop would do between keys; timers stay the test's.
        QCoreApplication::sendPostedEvents();
        if (turn == 500)
            residentAt500 = ResidentBytes();
    }
    EXPECT_GT(solved, 500);
    if (!kResidentMemoryTells)
        GTEST_SKIP() << "AddressSanitizer keeps freed memory in quarantine; the memory check needs a plain build";
    EXPECT_LE(ResidentBytes(), residentAt500 + residentAt500 / 20)
        << "resident memory after 500 turns " << residentAt500 << " bytes";
}

} // namespace
