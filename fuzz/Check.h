#pragma once

#include <cstdlib>

// A property that failed ends the run, so that libFuzzer keeps the input.
inline void Check(bool holds)
{
    if (!holds)
        std::abort();
}
