#pragma once

#include <QStringList>

#include <string>

// The program's language: Swedish, its own, or English.
enum class Language { Swedish, English };

// The language kept in the settings ("sv" or "en"); any other setting
// follows the desktop's languages: Swedish where Swedish is asked for,
// English otherwise.
Language ChooseLanguage(const std::string& setting, const QStringList& desktopLanguages);
const char* LanguageCode(Language language);

// Installs the texts of `language` for the whole program (once, before any
// window is built): the program's English, or Qt's own Swedish where the
// system has it.
void InstallLanguage(Language language);
Language InstalledLanguage();
