#include "engine/WordOrder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <memory>
#include <utility>

namespace {

unsigned char Fold(char ch)
{
    const auto c = static_cast<unsigned char>(ch);
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 0x20) : c;
}

// The first place below `count` where the bytes at `a` and `b` differ, or
// `count`. Eight bytes at a time: neighbours in a sorted list share most of
// their letters.
std::size_t FirstDifference(const char* a, const char* b, std::size_t count)
{
    std::size_t i = 0;
    for (; i + 8 <= count; i += 8) {
        uint64_t x, y;
        std::memcpy(&x, a + i, 8);
        std::memcpy(&y, b + i, 8);
        if (const uint64_t diff = x ^ y)
            return i
                + (std::endian::native == std::endian::little ? std::countr_zero(diff) : std::countl_zero(diff)) / 8;
    }
    while (i < count && a[i] == b[i])
        ++i;
    return i;
}

int CollateWords(std::string_view a, std::string_view b)
{
    const std::size_t n = std::min(a.size(), b.size());
    // Equal bytes fold alike: only where they differ is folding needed.
    for (std::size_t i = FirstDifference(a.data(), b.data(), n); i < n;
         i += 1 + FirstDifference(a.data() + i + 1, b.data() + i + 1, n - i - 1)) {
        const unsigned char ca = Fold(a[i]), cb = Fold(b[i]);
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

// Fold for eight bytes at once: 0x20 added to each byte from 'A' to 'Z'.
// Each byte's test stays inside its byte (no carries), so no loop is needed.
uint64_t FoldEight(uint64_t bytes)
{
    constexpr uint64_t kOnes = 0x0101010101010101, kHigh = kOnes * 0x80;
    const uint64_t low = bytes & ~kHigh;
    const uint64_t fromA = low + kOnes * (0x80 - 'A'); // high bit: low >= 'A'
    const uint64_t pastZ = low + kOnes * (0x7F - 'Z'); // high bit: low > 'Z'
    const uint64_t upper = fromA & ~pastZ & ~bytes & kHigh;
    return bytes | (upper >> 2);
}

std::size_t Digit(uint64_t key, int digit)
{
    return (key >> (8 * digit)) & 0xFF;
}

void InsertionSort(uint64_t* keys, uint32_t* values, std::size_t count)
{
    for (std::size_t i = 1; i < count; ++i) {
        const uint64_t key = keys[i];
        const uint32_t value = values[i];
        std::size_t j = i;
        for (; j > 0 && keys[j - 1] > key; --j) {
            keys[j] = keys[j - 1];
            values[j] = values[j - 1];
        }
        keys[j] = key;
        values[j] = value;
    }
}

// A group this small is finished through a scratch array that stays in the
// cache: 64 Ki keys and their values take 768 KiB.
constexpr std::size_t kScratchKeys = std::size_t{1} << 16;

struct Scratch {
    // Left unset, so only the pages the largest group writes are ever touched.
    std::unique_ptr<uint64_t[]> keys;
    std::unique_ptr<uint32_t[]> values;
};

// Least significant byte first over the low `digits` bytes, a stable pass
// through the scratch array for each byte that is not the same in every key.
void LsdSort(uint64_t* keys, uint32_t* values, std::size_t count, int digits, Scratch& scratch)
{
    std::array<std::array<uint32_t, 256>, 8> counts{};
    for (std::size_t i = 0; i < count; ++i)
        for (int digit = 0; digit < digits; ++digit)
            ++counts[digit][Digit(keys[i], digit)];
    uint64_t* fromKeys = keys;
    uint32_t* fromValues = values;
    uint64_t* toKeys = scratch.keys.get();
    uint32_t* toValues = scratch.values.get();
    for (int digit = 0; digit < digits; ++digit) {
        std::array<uint32_t, 256>& next = counts[digit];
        if (next[Digit(fromKeys[0], digit)] == count)
            continue;
        uint32_t start = 0;
        for (uint32_t& bucket : next)
            start += std::exchange(bucket, start);
        for (std::size_t i = 0; i < count; ++i) {
            const uint32_t at = next[Digit(fromKeys[i], digit)]++;
            toKeys[at] = fromKeys[i];
            toValues[at] = fromValues[i];
        }
        std::swap(fromKeys, toKeys);
        std::swap(fromValues, toValues);
    }
    if (fromKeys != keys) {
        std::copy(fromKeys, fromKeys + count, keys);
        std::copy(fromValues, fromValues + count, values);
    }
}

// Most significant byte first, in place (each key is swapped straight into
// its bucket), until a bucket fits the scratch array; the low bytes are then
// sorted there. Small buckets are finished by insertion.
void RadixSort(uint64_t* keys, uint32_t* values, std::size_t count, int digit, Scratch& scratch)
{
    constexpr std::size_t kSmall = 48;
    for (; digit >= 0 && count > kSmall; --digit) {
        if (count <= kScratchKeys) {
            LsdSort(keys, values, count, digit + 1, scratch);
            return;
        }
        std::array<std::size_t, 257> start{};
        for (std::size_t i = 0; i < count; ++i)
            ++start[Digit(keys[i], digit) + 1];
        if (std::find(start.begin(), start.end(), count) != start.end())
            continue; // every key has the same byte here
        for (std::size_t b = 1; b < start.size(); ++b)
            start[b] += start[b - 1];
        std::array<std::size_t, 256> next;
        std::copy(start.begin(), start.end() - 1, next.begin());
        for (std::size_t b = 0; b < 256; ++b) {
            while (next[b] < start[b + 1]) {
                // Carry the key to its bucket, taking the one there along,
                // until one that belongs in bucket b turns up.
                uint64_t key = keys[next[b]];
                uint32_t value = values[next[b]];
                for (std::size_t d = Digit(key, digit); d != b; d = Digit(key, digit)) {
                    std::swap(key, keys[next[d]]);
                    std::swap(value, values[next[d]]);
                    ++next[d];
                }
                keys[next[b]] = key;
                values[next[b]] = value;
                ++next[b];
            }
        }
        for (std::size_t b = 0; b < 256; ++b)
            if (start[b + 1] - start[b] > 1)
                RadixSort(keys + start[b], values + start[b], start[b + 1] - start[b], digit - 1, scratch);
        return;
    }
    InsertionSort(keys, values, count);
}

// WordComesFirst, told that the first `skip` bytes collate alike wherever
// both words have them.
bool ComesFirstAfter(std::string_view a, std::string_view b, bool byLength, std::size_t skip)
{
    if (byLength && a.size() != b.size())
        return a.size() < b.size();
    skip = std::min({a.size(), b.size(), skip});
    if (const int order = CollateWords(a.substr(skip), b.substr(skip)))
        return order < 0;
    return a < b;
}

} // namespace

bool WordComesFirst(std::string_view a, std::string_view b, bool byLength)
{
    return ComesFirstAfter(a, b, byLength, 0);
}

bool WordComesFirstWithEqualKeys(std::string_view a, std::string_view b, bool byLength)
{
    // The bytes in the keys collate alike, except that lengths beyond a byte
    // share one key whatever their letters.
    return ComesFirstAfter(a, b, byLength, byLength ? (a.size() < 255 ? 7 : 0) : 8);
}

uint64_t WordSortKey(std::string_view word, bool byLength)
{
    uint64_t key = 0;
    if (word.size() >= 8) {
        // Spelled out so the compiler makes it one big-endian load.
        const auto* at = reinterpret_cast<const unsigned char*>(word.data());
        key = FoldEight(uint64_t{at[0]} << 56 | uint64_t{at[1]} << 48 | uint64_t{at[2]} << 40 | uint64_t{at[3]} << 32
                        | uint64_t{at[4]} << 24 | uint64_t{at[5]} << 16 | uint64_t{at[6]} << 8 | at[7]);
    } else {
        for (std::size_t i = 0; i < 8; ++i)
            key = (key << 8) | (i < word.size() ? Fold(word[i]) : 0u);
    }
    if (!byLength)
        return key;
    // Lengths beyond a byte share one key and are sorted in full.
    return word.size() < 255 ? (uint64_t{word.size()} << 56) | (key >> 8) : ~uint64_t{0};
}

void SortByKey(uint64_t* keys, uint32_t* values, std::size_t count)
{
    const std::size_t scratchKeys = std::min(count, kScratchKeys);
    Scratch scratch{std::make_unique_for_overwrite<uint64_t[]>(scratchKeys),
                    std::make_unique_for_overwrite<uint32_t[]>(scratchKeys)};
    RadixSort(keys, values, count, 7, scratch);
}
