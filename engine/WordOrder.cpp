#include "engine/WordOrder.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

unsigned char Fold(char ch)
{
    const auto c = static_cast<unsigned char>(ch);
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 0x20) : c;
}

int CollateWords(std::string_view a, std::string_view b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char ca = Fold(a[i]), cb = Fold(b[i]);
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
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

// Most significant byte first, in place (each key is swapped straight into
// its bucket): each pass splits a range into 256 buckets that are sorted on
// their own, so the work soon fits in the cache and needs no second array.
// Small buckets are finished by insertion; a large range left after the last
// byte holds equal keys only, which insertion passes over once.
void RadixSort(uint64_t* keys, uint32_t* values, std::size_t count, int digit)
{
    constexpr std::size_t kSmall = 48;
    for (; digit >= 0 && count > kSmall; --digit) {
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
                RadixSort(keys + start[b], values + start[b], start[b + 1] - start[b], digit - 1);
        return;
    }
    InsertionSort(keys, values, count);
}

} // namespace

bool WordComesFirst(std::string_view a, std::string_view b, bool byLength)
{
    if (byLength && a.size() != b.size())
        return a.size() < b.size();
    if (const int order = CollateWords(a, b))
        return order < 0;
    return a < b;
}

uint64_t WordSortKey(std::string_view word, bool byLength)
{
    const std::size_t bytes = byLength ? 7 : 8;
    uint64_t key = 0;
    for (std::size_t i = 0; i < bytes; ++i)
        key = (key << 8) | (i < word.size() ? Fold(word[i]) : 0u);
    if (!byLength)
        return key;
    // Lengths beyond a byte share one key and are sorted in full.
    return word.size() < 255 ? (uint64_t{word.size()} << 56) | key : ~uint64_t{0};
}

void SortByKey(uint64_t* keys, uint32_t* values, std::size_t count)
{
    RadixSort(keys, values, count, 7);
}
