#pragma once

#include <QString>

#include <vector>

// The system's spelling word lists as Debian's dictionaries-common registers
// them: a file per package in the registry folder, each holding one or more
// paragraphs of "Field: value" lines; "Language:" describes the list's
// language, "Hash-Name:" names its file in the dictionary folder.
struct SystemWordList {
    QString language; // ISO 639 code; empty when no language was told
    QString description; // the registry's "Language:" text
    QString hashName;
    QString path;
};

// The lists the registry names, in the order of its files' names. A
// registry file that is not a small regular file is passed over unread.
std::vector<SystemWordList> ReadWordListRegistry(const QString& registryFolder, const QString& dictionaryFolder);
