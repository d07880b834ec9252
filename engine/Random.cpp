#include "engine/Random.h"

#include <ctime>

CRandom::CRandom()
{
    Seed(static_cast<unsigned>(std::time(nullptr)));
}

void CRandom::Seed(unsigned seed)
{
    m_generator.seed(seed);
}

std::size_t CRandom::Below(std::size_t count)
{
    return static_cast<std::size_t>(m_generator()) % count;
}
