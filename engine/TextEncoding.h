#pragma once

#include <string>
#include <string_view>

// The game's text is Windows-1252 bytes; word lists written by Linux tools
// are UTF-8. One table serves both directions.

// The character of a Windows-1252 byte (0x80-0x9F have their own; the five
// unassigned ones stand for the C1 controls of the same value, as Windows
// does; every other byte is its Latin-1 character).
char32_t Windows1252Char(unsigned char byte);

// The Windows-1252 byte of a character, or '?' for one that has none.
char Windows1252Byte(char32_t character);

// Whether a file's bytes are to be read as UTF-8: they begin with the UTF-8
// byte-order mark, or they are valid UTF-8 holding at least one multi-byte
// sequence. Anything else is Windows-1252.
bool IsUtf8Text(std::string_view bytes);

// A file's bytes in the game's encoding: converted when they are UTF-8 (as
// IsUtf8Text decides), else taken as the Windows-1252 they are. `wasUtf8`,
// when given, tells which.
std::string ToGameText(std::string bytes, bool* wasUtf8 = nullptr);

// UTF-8 to Windows-1252, without the byte-order mark. A character with no
// Windows-1252 byte, or a malformed sequence, becomes '?', which no word
// holds: its line is skipped as any invalid line.
std::string Utf8ToWindows1252(std::string_view bytes);
