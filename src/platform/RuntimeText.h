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

// Text to a 16-bit integer: the fraction rounded halves to even; outside -32768..32767 fails.
std::optional<qint16> ParseInteger(const QString& text);

// Text to a 32-bit integer, rounded the same way.
std::optional<qint32> ParseLong(const QString& text);
