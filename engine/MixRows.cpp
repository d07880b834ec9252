#include "engine/MixRows.h"

#include "engine/Random.h"

#include <utility>

namespace {

// Passes of the random shuffle before the fixed arrangement takes over. A
// mixable triple is solved by a single pass with a probability of at least
// (4/27)^3, so this limit is only reached by a broken random generator.
constexpr int kMaxShufflePasses = 100000;

bool AllDiffer(const std::string words[3], std::size_t c)
{
    return words[0][c] != words[1][c] && words[0][c] != words[2][c] && words[1][c] != words[2][c];
}

bool AllAgree(const std::string words[3], std::size_t c)
{
    return words[0][c] == words[1][c] && words[0][c] == words[2][c];
}

// In a column where exactly two words agree, the row of the third.
int OddRow(const std::string words[3], std::size_t c)
{
    if (words[1][c] == words[2][c])
        return 0;
    return words[0][c] == words[2][c] ? 1 : 2;
}

void Exchange(std::string rows[3], std::size_t c, int a, int b)
{
    std::swap(rows[a][c], rows[b][c]);
}

} // namespace

bool CanMixRows(const std::string words[3])
{
    const std::size_t length = words[0].size();
    if (words[1].size() != length || words[2].size() != length)
        return false;
    unsigned mixedColumns = 0;
    for (std::size_t c = 1; c < length; ++c) {
        if (AllDiffer(words, c))
            return true;
        if (!AllAgree(words, c))
            ++mixedColumns;
    }
    return mixedColumns >= 2;
}

void ShuffleColumns(std::string rows[3], CRandom& random)
{
    for (std::size_t c = 1; c < rows[0].size(); ++c)
        for (int k = 0; k < 3; ++k)
            Exchange(rows, c, k, static_cast<int>(random.Below(3)));
}

bool RowsAllMoved(const std::string rows[3], const std::string words[3])
{
    return rows[0] != words[0] && rows[1] != words[1] && rows[2] != words[2];
}

void MixRows(std::string rows[3], const std::string words[3], CRandom& random)
{
    for (int k = 0; k < 3; ++k)
        rows[k] = words[k];
    for (int pass = 0; pass < kMaxShufflePasses; ++pass) {
        ShuffleColumns(rows, random);
        if (RowsAllMoved(rows, words))
            return;
    }
    ForceRowsApart(rows, words);
}

void ForceRowsApart(std::string rows[3], const std::string words[3])
{
    for (int k = 0; k < 3; ++k)
        rows[k] = words[k];
    const std::size_t length = words[0].size();

    for (std::size_t c = 1; c < length; ++c) {
        if (AllDiffer(words, c)) {
            Exchange(rows, c, 0, 1); // a rotation: every row gets another letter
            Exchange(rows, c, 1, 2);
            return;
        }
    }

    // Every mixed column has one odd row. Exchanging it with one of the
    // agreeing rows moves two rows; a second mixed column moves the third.
    std::size_t first = 0;
    for (std::size_t c = 1; c < length && first == 0; ++c)
        if (!AllAgree(words, c))
            first = c;
    if (first == 0)
        return;
    const int odd = OddRow(words, first);
    const int partner = odd == 0 ? 1 : 0;
    const int left = 3 - odd - partner;
    Exchange(rows, first, odd, partner);

    for (std::size_t c = first + 1; c < length; ++c) {
        if (AllAgree(words, c))
            continue;
        const int secondOdd = OddRow(words, c);
        Exchange(rows, c, left, secondOdd == left ? (left + 1) % 3 : secondOdd);
        return;
    }
}
