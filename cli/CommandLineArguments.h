#pragma once

#include <QStringList>

#include <optional>

// The program's arguments as text. On Unix they are bytes: each byte that
// is not part of valid UTF-8 becomes the lone surrogate U+DC00 + byte, which
// no valid text can hold, so that such an argument can be refused by name
// rather than silently read with U+FFFD in place of the byte.
QStringList commandLineArguments(int argc, char *argv[]);

// The byte that commandLineArguments() kept for a character, if it is one.
std::optional<unsigned char> undecodedByte(char32_t character);
