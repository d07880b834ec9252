#pragma once

#include <string>
#include <vector>

// Orders words for the word store, by length first when byLength is set,
// then by collation (ASCII case ignored, every other byte by its unsigned
// value; words that collate equal go in byte order), and keeps one of each
// set of byte-equal words.
void SortUniqueWords(std::vector<std::string>& words, bool byLength);

// <0, 0 or >0 like strcmp, by the collation alone.
int CollateWords(const std::string& a, const std::string& b);
