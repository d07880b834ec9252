// Plays the sounds of a scripted hangman game through the game's own sound
// player, on the default audio output, with a pause between them so that a
// recording of the output tells each apart. bench/sound-arrival.sh records
// a null sink's monitor while this runs and counts what arrived.

#include "engine/Turn.h"
#include "engine/WordEngine.h"
#include "platform/Beep.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <cstdlib>

namespace {

// Lets the event loop run for `milliseconds`, as the game's would between sounds.
void Wait(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SOUND-FOLDER MILLISECONDS-BETWEEN-SOUNDS\n", argv[0]);
        return 2;
    }
    QApplication application(argc, argv);
    SetSoundFolder(QString::fromLocal8Bit(argv[1]));
    const int gap = std::atoi(argv[2]);

    CWordEngine engine;
    engine.AddWordsFromText("ekorre\n", SORT_BY_LENGTH);
    engine.SetRule(RULE_MIN_LETTERS, 6);
    engine.SetRule(RULE_PENALTY, 4);
    engine.AddPlayer("Anna");
    engine.m_nGameTypeSetting = GAME_HANGMAN;
    CTurn turn(engine);
    int played = 0;
    const auto play = [&](const TurnEvent& event) {
        for (const TurnSound sound : event.sounds) {
            AppBeep(SoundOf(sound));
            ++played;
            Wait(gap);
        }
    };
    // A wrong letter, the last five seconds and the time-out; a solved word;
    // a wrong letter and giving up: ten sounds.
    turn.Start();
    play(turn.Guess("x"));
    while (turn.State() == TURN_RUNNING)
        play(turn.Tick());
    play(turn.Tick());
    turn.Start();
    for (const char* letter : {"e", "k", "o", "r"})
        play(turn.Guess(letter));
    play(turn.Tick());
    turn.Start();
    play(turn.Guess("z"));
    play(turn.GiveUp());
    Wait(1000); // the last one plays out
    std::printf("%d\n", played);
    return 0;
}
