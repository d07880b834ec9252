#pragma once

#include "engine/Letters.h"
#include "engine/SafeFile.h"
#include "engine/WordList.h"

#include <string>
#include <string_view>

// The word-list file: one word per line, Windows-1252 bytes, CR LF written.

// The most words a list the game reads can hold: a file at the size limit
// of three-letter words, each with its CR LF. Counts shown are fitted to it.
inline constexpr std::uint64_t kMostWords = kMaxFileBytes / 5;

// Every word followed by CR LF: the file's bytes.
std::string WordListBytes(const CWordList& words);

// Calls `take(std::string_view)` for each line of `contents` that could still
// clean into a word. A line ends at LF (a CR before it is a control byte and
// cleans away); the last line counts without a line end. Blank bytes at both
// ends are cut off first, and a line that is still longer than a word can be
// is skipped: cleaning could only make it a word-sized text by keeping an
// inner space, which no word has. So a huge line is never copied, and the
// words taken are exactly those a full clean of every line would give.
template <typename Take>
void ForEachLineCandidate(std::string_view contents, Take&& take)
{
    while (!contents.empty()) {
        const std::size_t end = contents.find('\n');
        std::string_view line = contents.substr(0, end);
        contents.remove_prefix(end == std::string_view::npos ? contents.size() : end + 1);

        while (!line.empty() && BecomesSpace(static_cast<unsigned char>(line.front())))
            line.remove_prefix(1);
        while (!line.empty() && BecomesSpace(static_cast<unsigned char>(line.back())))
            line.remove_suffix(1);
        if (line.size() >= MIN_WORD_LENGTH && line.size() <= MAX_WORD_LENGTH)
            take(line);
    }
}
