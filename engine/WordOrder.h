#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// The word store's order: by length first when byLength is set, then by
// collation (ASCII case ignored, every other byte by its unsigned value;
// words that collate equal go in byte order).

// Whether `a` comes before `b`; byte-equal words come before neither.
bool WordComesFirst(std::string_view a, std::string_view b, bool byLength);

// A 64-bit key that agrees with that order wherever two words' keys differ:
// the first eight folded bytes, big-endian and zero-padded, or for the
// length order the length in the top byte and the first seven bytes below
// it. Sorting the keys does nearly all of the work; only words with equal
// keys need comparing in full.
uint64_t WordSortKey(std::string_view word, bool byLength);

// WordComesFirst for two words with the same WordSortKey: it skips the
// bytes the keys show to collate alike.
bool WordComesFirstWithEqualKeys(std::string_view a, std::string_view b, bool byLength);

// Sorts `keys` ascending in place, moving `values` along with them.
void SortByKey(uint64_t* keys, uint32_t* values, std::size_t count);
