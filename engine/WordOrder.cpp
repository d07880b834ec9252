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

// Words are first ordered by a 64-bit key that agrees with the full order
// wherever two keys differ: the first eight folded bytes, big-endian and
// zero-padded, or for the length order the length in the top byte and the
// first seven bytes below it. Only words with equal keys are then compared
// in full, so nearly all of the work is a radix sort of integers.
struct SortKey {
    uint64_t key;
    uint32_t index;
};

uint64_t MakeKey(std::string_view word, bool byLength)
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

std::size_t Digit(const SortKey& k, int digit)
{
    return (k.key >> (8 * digit)) & 0xFF;
}

// Most significant byte first: each pass splits a range into 256 buckets
// that are sorted on their own, so the work soon fits in the cache. Small
// buckets are finished by comparison.
void RadixSort(SortKey* keys, SortKey* buffer, std::size_t n, int digit)
{
    constexpr std::size_t kSmall = 64;
    for (; digit >= 0 && n > kSmall; --digit) {
        std::array<std::size_t, 257> start{};
        for (std::size_t i = 0; i < n; ++i)
            ++start[Digit(keys[i], digit) + 1];
        if (std::find(start.begin(), start.end(), n) != start.end())
            continue; // every key has the same byte here
        for (std::size_t b = 1; b < start.size(); ++b)
            start[b] += start[b - 1];
        std::array<std::size_t, 256> next;
        std::copy(start.begin(), start.end() - 1, next.begin());
        for (std::size_t i = 0; i < n; ++i)
            buffer[next[Digit(keys[i], digit)]++] = keys[i];
        std::copy(buffer, buffer + n, keys);
        for (std::size_t b = 0; b < 256; ++b)
            if (start[b + 1] - start[b] > 1)
                RadixSort(keys + start[b], buffer + start[b], start[b + 1] - start[b], digit - 1);
        return;
    }
    std::sort(keys, keys + n, [](const SortKey& x, const SortKey& y) { return x.key < y.key; });
}

bool ComesFirst(std::string_view a, std::string_view b, bool byLength)
{
    if (byLength && a.size() != b.size())
        return a.size() < b.size();
    if (const int order = CollateWords(a, b))
        return order < 0;
    return a < b;
}

} // namespace

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

std::vector<uint32_t> UniqueWordOrder(const std::vector<std::string_view>& words, bool byLength)
{
    std::vector<SortKey> keys(words.size());
    for (std::size_t i = 0; i < words.size(); ++i)
        keys[i] = {MakeKey(words[i], byLength), static_cast<uint32_t>(i)};
    std::vector<SortKey> buffer(keys.size());
    RadixSort(keys.data(), buffer.data(), keys.size(), 7);

    // Byte-equal words have equal keys, so the full comparison and the
    // duplicate check only look inside runs of equal keys.
    std::vector<uint32_t> order;
    order.reserve(keys.size());
    for (auto run = keys.begin(); run != keys.end();) {
        const auto end = std::find_if(run, keys.end(),
                                      [&](const SortKey& k) { return k.key != run->key; });
        if (end - run > 1)
            std::sort(run, end, [&](const SortKey& x, const SortKey& y) {
                return ComesFirst(words[x.index], words[y.index], byLength);
            });
        for (auto k = run; k != end; ++k)
            if (k == run || words[k->index] != words[(k - 1)->index])
                order.push_back(k->index);
        run = end;
    }
    return order;
}
