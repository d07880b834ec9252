#pragma once

#include <QString>

// Languages as the desktop names them, told apart by Qt's own locale data:
// no table of languages of ours.

// The ISO 639 code ("en", "sv") of a locale name as the desktop writes its
// folders ("en_GB", "sr@latin", "pt_BR"); empty for no language Qt knows.
QString LanguageOfLocaleName(const QString& name);

// The language a free text names, as Debian's word-list registry does
// ("american (American English)", "bokmål (Bokmål Norwegian)", "castellano
// (Spanish)"): the language with the most of the text's words in its names
// in English and in its own locales; empty when none, or two tie.
QString LanguageOfDescription(const QString& description);

// The language's name in its own words ("English", "español", "svenska"):
// the name most of its locales give it, so that "American English" or
// "español de España" name only their country's variant.
QString NativeLanguageName(const QString& code);
