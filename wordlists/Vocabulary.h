#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

// Themed and graded word lists from the desktop's vocabulary files (KDE's
// KVTML 2.0): a list's name, its words and a hint sentence for each.

// A word of a vocabulary and its hint, in the word list's encoding
// (Windows-1252); the hint is empty where the file has none.
struct VocabularyWord {
    std::string word;
    std::string hint;
};

enum class VocabularyError {
    None,
    Unreadable, // missing, not a regular file (a FIFO, a folder), or unreadable
    TooLarge, // over kMaxVocabularyBytes: not read
    NotKvtml, // well-formed or not, not a KVTML document
    Malformed, // broken XML, nested too deep, or entities expanding too far
};

struct Vocabulary {
    QString title; // its <title>; for a title that is only a file name, a Swedish name, or the file's name
    std::vector<VocabularyWord> words; // valid words, cleaned as added text is, each once
    unsigned skipped = 0; // entries with no word the game accepts
    unsigned unfit = 0; // of those, entries with a letter Windows-1252 lacks
    VocabularyError error = VocabularyError::None;
};

// Vocabulary files are a few kilobytes; anything past this is refused.
inline constexpr qint64 kMaxVocabularyBytes = 4 << 20;

// Reads a KVTML document. An entry's word is its first translation's
// <text>, its hint that translation's <comment>. Bytes that are not UTF-8
// are read as Windows-1252, whatever the document declares (real files
// declare UTF-8 and hold Latin-1). On an error the words read so far are
// dropped: a broken file gives no list.
Vocabulary ReadVocabulary(const QByteArray& bytes, const QString& fileName);

// Reads the file at `path`: only a regular file, never more than
// kMaxVocabularyBytes, never blocking on a FIFO.
Vocabulary LoadVocabulary(const QString& path);

// A vocabulary file of the desktop's, and the name of its language's folder
// ("sv", "en_GB").
struct VocabularyFile {
    QString folder;
    QString path;
};

// The desktop's vocabulary files: apps/kvtml/<language>/*.kvtml under each
// of `dataFolders` in turn; of two files of the same language and name the
// first is kept, so the player's own file overrides the system's.
std::vector<VocabularyFile> FindVocabularies(const QStringList& dataFolders);

// $XDG_DATA_HOME and each folder of $XDG_DATA_DIRS, their defaults when unset.
QStringList DesktopDataFolders();
