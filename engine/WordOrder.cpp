#include "WordOrder.h"

#include <algorithm>
#include <array>
#include <cstdint>
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
// in full, so most of the work is a linear radix sort of integers.
struct SortKey {
    uint64_t key;
    uint32_t index;
};

uint64_t MakeKey(const std::string& word, bool byLength)
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

std::size_t Digit(const SortKey& k, unsigned digit)
{
    return (k.key >> (8 * digit)) & 0xFF;
}

// Least significant digit first over the low `digits` bytes of keys that
// all share their higher bytes. The result ends in `keys`.
void LsdRadixSort(SortKey* keys, SortKey* buffer, std::size_t n, unsigned digits)
{
    std::array<std::array<std::size_t, 256>, 8> counts{};
    for (std::size_t i = 0; i < n; ++i)
        for (unsigned digit = 0; digit < digits; ++digit)
            ++counts[digit][Digit(keys[i], digit)];

    SortKey* from = keys;
    SortKey* to = buffer;
    for (unsigned digit = 0; digit < digits; ++digit) {
        std::array<std::size_t, 256>& count = counts[digit];
        if (count[Digit(from[0], digit)] == n)
            continue; // every key has the same byte here
        std::size_t start = 0;
        for (std::size_t& c : count)
            start += std::exchange(c, start);
        for (std::size_t i = 0; i < n; ++i)
            to[count[Digit(from[i], digit)]++] = from[i];
        std::swap(from, to);
    }
    if (from != keys)
        std::copy(from, from + n, keys);
}

// One pass on the top byte splits the keys into buckets small enough to
// stay in the cache while each is finished on the lower bytes.
void RadixSort(std::vector<SortKey>& keys)
{
    constexpr unsigned kTop = 7;
    std::array<std::size_t, 257> bucketStart{};
    for (const SortKey& k : keys)
        ++bucketStart[Digit(k, kTop) + 1];
    for (std::size_t b = 1; b < bucketStart.size(); ++b)
        bucketStart[b] += bucketStart[b - 1];

    std::vector<SortKey> buffer(keys.size());
    std::array<std::size_t, 256> next{};
    std::copy(bucketStart.begin(), bucketStart.end() - 1, next.begin());
    for (const SortKey& k : keys)
        buffer[next[Digit(k, kTop)]++] = k;
    keys.swap(buffer);

    for (std::size_t b = 0; b < 256; ++b) {
        const std::size_t n = bucketStart[b + 1] - bucketStart[b];
        if (n > 1)
            LsdRadixSort(keys.data() + bucketStart[b], buffer.data() + bucketStart[b], n, kTop);
    }
}

void Prefetch(const void* address)
{
#if defined(__GNUC__)
    __builtin_prefetch(address);
#else
    (void)address;
#endif
}

bool ComesFirst(const std::string& a, const std::string& b, bool byLength)
{
    if (byLength && a.size() != b.size())
        return a.size() < b.size();
    if (const int order = CollateWords(a, b))
        return order < 0;
    return a < b;
}

} // namespace

int CollateWords(const std::string& a, const std::string& b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char ca = Fold(a[i]), cb = Fold(b[i]);
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

void SortUniqueWords(std::vector<std::string>& words, bool byLength)
{
    if (words.size() < 2)
        return;
    std::vector<SortKey> keys(words.size());
    for (std::size_t i = 0; i < words.size(); ++i)
        keys[i] = {MakeKey(words[i], byLength), static_cast<uint32_t>(i)};
    RadixSort(keys);

    // Byte-equal words have equal keys, so duplicates are found within runs.
    constexpr uint32_t kDuplicate = UINT32_MAX;
    for (auto run = keys.begin(); run != keys.end();) {
        const auto end = std::find_if(run, keys.end(),
                                      [&](const SortKey& k) { return k.key != run->key; });
        if (end - run > 1) {
            std::sort(run, end, [&](const SortKey& x, const SortKey& y) {
                return ComesFirst(words[x.index], words[y.index], byLength);
            });
            for (auto k = run + 1; k != end; ++k)
                if (words[k->index] == words[(k - 1)->index])
                    (k - 1)->index = kDuplicate;
        }
        run = end;
    }

    std::vector<std::string> sorted;
    sorted.reserve(words.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (i + 8 < keys.size() && keys[i + 8].index != kDuplicate)
            Prefetch(&words[keys[i + 8].index]); // the gather below is random access
        if (keys[i].index != kDuplicate)
            sorted.push_back(std::move(words[keys[i].index]));
    }
    words.swap(sorted);
}
