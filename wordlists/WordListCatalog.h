#pragma once

#include "engine/WordEngine.h"

#include <QString>
#include <QStringList>

#include <vector>

// Every word list a player can choose, by language: the player's own list
// of a language (the standard list; ordkamp.se for Swedish), the lists that
// come with the game, the system's spelling word lists ("all words") and the
// desktop's themed vocabulary files. Finding them reads no list.

enum class ListKind { Standard, AllWords, Themed };

struct WordListSource {
    QString language; // ISO 639 code of its words: "sv", "en"
    ListKind kind = ListKind::Themed;
    QString title; // a themed list's title, a system list's description; empty else
    QString path; // the file its words are read from
    QString key; // what names it in the settings file

    bool Found() const { return !path.isEmpty(); }
};

struct WordListPlaces {
    QString ownFolder; // the player's own lists, written by the editor
    QString gameFolder; // the lists that come with the game
    QStringList dataFolders; // searched for apps/kvtml/<language>/*.kvtml, first first
    QString registryFolder = QStringLiteral("/var/lib/dictionaries-common/wordlist");
    QString dictionaryFolder = QStringLiteral("/usr/share/dict");
};

// The desktop's places around the game's own two folders.
WordListPlaces DesktopWordListPlaces(const QString& ownFolder, const QString& gameFolder);
// Tests: the registry and dictionary folders the desktop's places name;
// empty restores the system's.
void SetSystemWordListFoldersOverride(const QString& registryFolder, const QString& dictionaryFolder);

// The file name of a language's standard list: "ordkamp.se" for Swedish,
// as the Windows program named it, "ordkamp.<code>" for any other.
QString StandardListName(const QString& language);
// The player's own copy of it, the one the editor writes.
QString OwnListPath(const QString& language, const WordListPlaces& places);

// A language's standard list: the player's own where it exists, else the
// game's; not found when neither exists.
WordListSource StandardListOf(const QString& language, const WordListPlaces& places);

// Every list, a language's together: its standard list, then all words,
// then the themed lists by title. A system list of no language Qt knows is
// left out, as is the system's list of a language the game brings its own
// list of all words for (made from it).
std::vector<WordListSource> FindWordLists(const WordListPlaces& places);

// The list a key names, or a source that is not found. A bare "x.kvtml" is
// a Swedish themed list (a settings file of version 2.12 or older says so).
WordListSource FindWordList(const QString& key, const WordListPlaces& places);

// The languages of `lists` as a menu offers them: the player's own
// languages first, in their order, then the rest by their own names.
QStringList OrderLanguages(const std::vector<WordListSource>& lists, const QStringList& playerLanguages);

struct WordListContents {
    bool read = false; // false: missing, unreadable, not a list, or too large
    unsigned entries = 0; // the words and would-be words the file holds
    unsigned skipped = 0; // entries that gave no word of the game
    unsigned unfit = 0; // of those, entries with a letter Windows-1252 lacks
    QString title; // a themed list's title, as its file gives it
};

// Reads the list's words into `engine`, in place of its words and hints,
// sorted by length; a themed list's hints with them. With `sampleOnly` a
// system list is read only as far as telling whether its letters fit, and
// no words are taken from it.
WordListContents ReadWordList(const WordListSource& source, CWordEngine& engine, bool sampleOnly = false);

// Whether a language's words fit Windows-1252: judged from its lists in
// turn, system lists from their start, until a hundred entries or so have
// been seen. A word or two with a foreign letter is a loan word; Polish or
// Czech lose a sixth of their words and more, Russian or Greek all.
bool LanguageFits(const std::vector<WordListSource>& lists, const QString& language);
