#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The word store's order: by length first when byLength is set, then by
// collation (ASCII case ignored, every other byte by its unsigned value;
// words that collate equal go in byte order).

// Indexes into `words` in that order, with one index for each set of
// byte-equal words.
std::vector<uint32_t> UniqueWordOrder(const std::vector<std::string_view>& words, bool byLength);

// <0, 0 or >0 like strcmp, by the collation alone.
int CollateWords(std::string_view a, std::string_view b);

