// Makes the README's pictures: the game window during a turn of each game,
// the word-list editor and the highscore window, drawn offscreen with the
// build's default word list. Usage: ordkamp-screenshots <build folder> <out folder>

#include "app/WordGameDlg.h"
#include "editor/HighscoreDlg.h"
#include "editor/WordListDlg.h"
#include "platform/DialogTemplate.h"
#include "profile/Profile.h"
#include "res/GameTemplate.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

bool Save(QWidget& widget, const QString& folder, const char* name)
{
    const QString path = folder + '/' + name;
    if (widget.grab().save(path))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <build folder> <out folder>\n", argv[0]);
        return 2;
    }
    // A folder of its own, so that no settings file of the build is touched.
    QTemporaryDir folder;
    // Drawn offscreen on a laptop's screen, where the window opens as on a
    // first start.
    QFile screen(folder.filePath("screen.json"));
    if (!screen.open(QIODevice::WriteOnly)
        || screen.write(R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 1366, "height": 768,)"
                        R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
            < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(screen.fileName()));
        return 1;
    }
    screen.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screen.fileName()));
    QApplication application(argc, argv);
    const QString out = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
    QDir().mkpath(out);

    QFile::copy(QString::fromLocal8Bit(argv[1]) + "/ordkamp.se", folder.filePath("ordkamp.se"));
    SetAppPathOverride(folder.path().toStdString());

    CWordGameDlg game;
    game.OnInitDialog();
    game.m_engine.m_random.Seed(2026);
    auto* name = DialogControl<QLineEdit>(&game, IDC_NEW_PLAYER);
    for (const char* player : {"Anna", "Björn", "Cissi"}) {
        name->setText(QString::fromUtf8(player));
        game.OnAddPlayer();
    }
    game.m_engine.m_players[1].m_nPoints = 160;
    game.m_engine.m_players[1].m_nBonus = 2;
    game.m_engine.m_players[2].m_nPoints = 42;
    game.RefreshPlayers();

    auto* guess = DialogControl<QLineEdit>(&game, IDC_GUESS);
    auto* gameType = DialogControl<QComboBox>(&game, IDC_GAME_TYPE);
    bool ok = true;
    const struct {
        int type;
        const char* typed;
        const char* file;
    } turns[] = {
        {GAME_HANGMAN, "eatr", "hangman.png"},
        {GAME_ANAGRAM, nullptr, "anagram.png"}, // the answer's first letters placed on the board
        {GAME_MIXWORD, nullptr, "mixword.png"},
    };
    for (const auto& turn : turns) {
        gameType->setCurrentIndex(turn.type);
        game.OnSelchangeGameType();
        QTest::keyClick(guess, Qt::Key_A); // starts the turn
        for (int tick = 0; tick < 12; ++tick)
            game.OnTimer();
        if (turn.typed)
            QTest::keyClicks(guess, QString::fromLatin1(turn.typed));
        else
            for (const char letter : game.m_engine.m_strAnswer[0].substr(0, 2)) // as the tiles type them
                guess->insert(QString(QChar(static_cast<unsigned char>(letter))));
        ok = Save(game, out, turn.file) && ok;
        game.SubtractTime(1000);
        game.OnTimer();
    }

    CWordListDlg editor;
    editor.m_pGameEngine = &game.m_engine;
    editor.show();
    ok = Save(editor, out, "editor.png") && ok;

    game.m_engine.AddHighscore(GAME_ANAGRAM, 0, "Bj\xF6rn", "2026-12-06", 9, 14);
    game.m_engine.AddHighscore(GAME_ANAGRAM, 1, "Anna", "2026-12-05", 7, 11);
    game.m_engine.AddHighscore(GAME_ANAGRAM, 2, "Cissi", "2026-12-06", 6, 20);
    game.m_engine.m_nLastGameType = GAME_ANAGRAM;
    game.m_engine.m_nHighscoreRank = 1;
    CHighscoreDlg highscores;
    highscores.m_pEngine = &game.m_engine;
    highscores.OnInitDialog();
    highscores.show();
    ok = Save(highscores, out, "highscore.png") && ok;

    SetAppPathOverride({});
    return ok ? 0 : 1;
}
