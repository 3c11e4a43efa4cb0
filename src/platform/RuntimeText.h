// The runtime's text conversions that stored files and messages rely on.
#pragma once

#include <QString>

#include <optional>

// First letter of every word upper case, every other letter lower case; words are separated by
// white space only ("good-bye" stays one word).
QString ProperCase(const QString& text);

// The format mask of `width` "@" placeholders: padded on the left with blanks, never cut.
QString FormatRight(const QString& text, int width);

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double value);

// Lenient text-to-Boolean: "True"/"False" in any letter case, or any number (0 is False).
// Anything else, the empty text included, fails.
std::optional<bool> ParseBoolean(const QString& text);

// Text-to-number as the runtime converts: surrounding blanks allowed, a sign, digits, a fraction
// and an exponent; the empty text fails.
std::optional<double> ParseNumber(const QString& text);

// True when the text is a number that ParseNumber, ParseInteger or ParseLong reads, whatever its
// size: a conversion of it that fails overflows rather than mismatches its type.
bool IsNumeric(const QString& text);

// Text to a 16-bit integer: the fraction rounded halves to even; outside -32768..32767 fails.
// The runtime's hexadecimal ("&H") and octal ("&O") forms are read too, in any letter case, as
// the integer's bit pattern: "&HFFFF" is -1, "&H10000" fails.
std::optional<qint16> ParseInteger(const QString& text);

// Text to a 32-bit integer, rounded the same way; "&H80000005" is -2147483643, "&HFFFF" 65535.
std::optional<qint32> ParseLong(const QString& text);
