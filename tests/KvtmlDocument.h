#pragma once

#include <sstream>
#include <string>

// A vocabulary entry as the desktop's files hold it: the word (translation
// 0, the one the game reads), its hint sentence when given, and another
// language's word.
inline std::string KvtmlEntry(const std::string& word, const std::string& hint = {})
{
    return "<entry><translation id=\"0\"><text>" + word + "</text>"
        + (hint.empty() ? std::string() : "<comment>" + hint + "</comment>") + "</translation>"
        + "<translation id=\"1\"><text>ignored</text></translation></entry>";
}

inline std::string KvtmlDocument(const std::string& title, const std::string& entries)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kvtml version=\"2.0\"><information><title>" + title
        + "</title></information><entries>" + entries + "</entries></kvtml>";
}

// A document of the words in `words`, separated by spaces, without hints.
inline std::string KvtmlOfWords(const std::string& title, const std::string& words)
{
    std::string entries;
    std::istringstream in(words);
    for (std::string word; in >> word;)
        entries += KvtmlEntry(word);
    return KvtmlDocument(title, entries);
}
