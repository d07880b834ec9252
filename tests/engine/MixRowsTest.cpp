#include "engine/MixRows.h"

#include "EngineFixtures.h"

#include <gtest/gtest.h>

namespace {

// The fixed arrangement the random passes fall back on (the passes
// themselves are the puzzle tests').
TEST(MixRows, MixableTriplesGetEveryRowMovedWithinItsColumns)
{
    const struct {
        std::string words[3];
        bool mixable;
    } triples[] = {
        {{"bakar", "hakar", "lakar"}, false}, // only the first letters differ
        {{"bakar", "hakar", "lakor"}, false}, // one column, two letters alike
        {{"bakar", "hikar", "lokar"}, true}, // one column with three letters
        {{"bakar", "hakor", "lakur"}, true},  {{"bakar", "hakar", "lokor"}, true}, // one odd row in two columns
        {{"abc", "xbc", "ybd"}, false},       {{"bakar", "hakar", "lakare"}, false},
    };
    for (const auto& t : triples) {
        EXPECT_EQ(CanMixRows(t.words), t.mixable) << t.words[0] << ' ' << t.words[1] << ' ' << t.words[2];
        if (!t.mixable)
            continue;
        std::string rows[3];
        ForceRowsApart(rows, t.words);
        EXPECT_TRUE(ValidArrangement(rows, t.words)) << rows[0] << ' ' << rows[1] << ' ' << rows[2];
    }
}

} // namespace
