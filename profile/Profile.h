#pragma once

#include <string>

// The program folder and the profile functions the game uses for its
// settings file. `file` names a file inside the program folder when
// `inAppDir` is true, else it is used as given.

// The running program's path; with `directoryOnly` the program folder, the
// folder of the settings file and the word list, ending in the path
// separator: the program's own folder, or the per-user folder of an
// installed program (AppFolders.h). The case of the path is kept: on a file
// system that tells case apart a lower-cased folder would point nowhere.
std::string GetAppPath(bool directoryOnly);

// The folder of the readme, ending in the path separator.
std::string GetDocPath();

// Points the program folder (and the readme's) elsewhere (tests); empty
// restores the real ones.
void SetAppPathOverride(const std::string& folder);

// Where the start-up decision put the program folder and the readme.
void SetAppFolders(const std::string& files, const std::string& docs);

// The full path of a profile file, as the functions below use it.
std::string ProfilePath(const char* file, bool inAppDir);

// The integer of a key: optional sign, then decimal digits up to the first
// other byte, wrapping modulo 2^32; no digits read as 0. `def` when the key
// is absent or its value empty.
int GetIniInt(const char* section, const char* key, int def, const char* file, bool inAppDir);

// The text of a key, cut to 511 bytes; `def` (or "" for a null `def`) when
// the key is absent.
std::string GetIniString(const char* section, const char* key, const char* def, const char* file, bool inAppDir);

// Writes one key; false when the file could not be written (the old file
// then stays as it was).
bool WriteIniInt(const char* section, const char* key, int value, const char* file, bool inAppDir);
bool WriteIniString(const char* section, const char* key, const char* value, const char* file, bool inAppDir);

// The rules above for a value already read from a profile file.
int ProfileInt(const std::string& value, int def);
std::string ProfileString(std::string value);
