#include "engine/MixRows.h"
#include "engine/Random.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct Triple {
    std::string words[3];
    bool mixable;
};

const Triple kTriples[] = {
    {{"bakar", "hakar", "lakar"}, false}, // only the first letters differ
    {{"bakar", "hakar", "lakor"}, false}, // one column, two letters alike
    {{"bakar", "hikar", "lokar"}, true},  // one column with three letters
    {{"bakar", "hakor", "lakar"}, false},
    {{"bakar", "hakor", "lakur"}, true},
    {{"bakar", "hakar", "lokor"}, true},  // one odd row in two columns
    {{"bakar", "hikar", "lakor"}, true},  // two odd rows
    {{"abc", "abd", "abe"}, true},
    {{"abc", "xbc", "ybd"}, false},
};

bool ValidArrangement(const std::string rows[3], const std::string words[3])
{
    for (int k = 0; k < 3; ++k) {
        if (rows[k].size() != words[k].size() || rows[k][0] != words[k][0] || rows[k] == words[k])
            return false;
        for (std::size_t c = 1; c < rows[k].size(); ++c) {
            std::string column = {rows[0][c], rows[1][c], rows[2][c]};
            std::string original = {words[0][c], words[1][c], words[2][c]};
            std::sort(column.begin(), column.end());
            std::sort(original.begin(), original.end());
            if (column != original)
                return false;
        }
    }
    return true;
}

TEST(MixRows, TellsWhichTriplesCanBeMixed)
{
    for (const Triple& t : kTriples)
        EXPECT_EQ(CanMixRows(t.words), t.mixable) << t.words[0] << ' ' << t.words[1] << ' ' << t.words[2];
    const std::string uneven[3] = {"bakar", "hakar", "lakare"};
    EXPECT_FALSE(CanMixRows(uneven));
}

TEST(MixRows, FixedAndRandomArrangementsMoveEveryRow)
{
    for (const Triple& t : kTriples) {
        if (!t.mixable)
            continue;
        std::string fixed[3];
        ForceRowsApart(fixed, t.words);
        EXPECT_TRUE(ValidArrangement(fixed, t.words)) << fixed[0] << ' ' << fixed[1] << ' ' << fixed[2];
        for (unsigned seed = 0; seed < 300; ++seed) {
            CRandom random;
            random.Seed(seed);
            std::string rows[3];
            MixRows(rows, t.words, random);
            EXPECT_TRUE(ValidArrangement(rows, t.words)) << rows[0] << ' ' << rows[1] << ' ' << rows[2];
        }
    }
}

} // namespace
