#pragma once

#include <QString>

#include <string>
#include <string_view>

// The one converter between the window's Unicode text and the engine's and
// files' Windows-1252 bytes. 0x80-0x9F map to their Windows-1252 characters
// (the five unassigned bytes to the C1 controls of the same value, as
// Windows does), the rest as Latin-1; a character that has no byte becomes
// '?'.
QString FromWindows1252(std::string_view bytes);
// `unfit`, when given, tells whether a character had no byte (a '?' of the
// text's own is no such character).
std::string ToWindows1252(const QString& text, bool* unfit = nullptr);

// A file's text: UTF-8 when it is valid UTF-8 (IsUtf8Text decides, as for
// every file the game reads), else the Windows-1252 it is taken to be.
QString FromFileText(std::string_view bytes);
