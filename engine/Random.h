#pragma once

#include <cstddef>
#include <random>

// The engine's one source of chance: each draw is the generator's next
// number reduced modulo a count. Every engine seeds its own from the clock,
// so the editor's engine neither repeats nor disturbs the game's draws;
// Seed makes them repeatable (tests, the README's pictures).
class CRandom {
public:
    CRandom();
    void Seed(unsigned seed);
    // A number from 0 to count - 1; count must not be 0.
    std::size_t Below(std::size_t count);

private:
    std::minstd_rand m_generator;
};
