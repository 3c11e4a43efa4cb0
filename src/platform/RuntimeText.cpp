#include "platform/RuntimeText.h"

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <limits>
#include <type_traits>

namespace {

bool isWordSeparator(QChar c)
{
    const char16_t u = c.unicode();
    return u == 0 || u == ' ' || (u >= 9 && u <= 13);
}

// Above every 32-bit pattern: where the digits of a longer number stop being added up.
constexpr quint64 kBeyondThirtyTwoBits = quint64(1) << 32;

// The digits of the runtime's "&H" (hexadecimal) and "&O" (octal) forms, blanks around allowed,
// as an unsigned number (kBeyondThirtyTwoBits when it is longer); nullopt for any other text.
std::optional<quint64> radixDigits(const QString& text)
{
    const QString t = text.trimmed();
    if (t.size() < 3 || t[0] != u'&')
        return std::nullopt;
    const char16_t form = t[1].toUpper().unicode();
    const int bitsPerDigit = form == u'H' ? 4 : form == u'O' ? 3 : 0;
    if (bitsPerDigit == 0)
        return std::nullopt;
    quint64 value = 0;
    for (qsizetype i = 2; i < t.size(); ++i) {
        const char16_t c = t[i].toLower().unicode();
        const int digit = c >= u'0' && c <= u'9' ? c - u'0' : c >= u'a' && c <= u'f' ? c - u'a' + 10 : 16;
        if (digit >= 1 << bitsPerDigit)
            return std::nullopt;
        value = std::min((value << bitsPerDigit) | quint64(digit), kBeyondThirtyTwoBits);
    }
    return value;
}

template <class Int>
std::optional<Int> roundedInRange(const QString& text)
{
    // The runtime reads "&H" and "&O" digits as the bit pattern of the type: &HFFFF is -1 as a
    // 16-bit integer and 65535 as a 32-bit one; digits beyond the type's width overflow.
    if (const std::optional<quint64> bits = radixDigits(text)) {
        using Bits = std::make_unsigned_t<Int>;
        if (*bits > std::numeric_limits<Bits>::max())
            return std::nullopt;
        return static_cast<Int>(static_cast<Bits>(*bits));
    }
    const std::optional<double> number = ParseNumber(text);
    if (!number)
        return std::nullopt;
    const double rounded = RoundHalfEven(*number);
    if (rounded < std::numeric_limits<Int>::min() || rounded > std::numeric_limits<Int>::max())
        return std::nullopt;
    return static_cast<Int>(rounded);
}

} // namespace

QString ProperCase(const QString& text)
{
    QString result = text;
    bool wordStart = true;
    for (QChar& c : result) {
        if (isWordSeparator(c)) {
            wordStart = true;
            continue;
        }
        c = wordStart ? c.toUpper() : c.toLower();
        wordStart = false;
    }
    return result;
}

QString FormatRight(const QString& text, int width)
{
    return text.rightJustified(width, QLatin1Char(' '), false);
}

double RoundHalfEven(double value)
{
    // nearbyint follows the current rounding mode, which is round-to-nearest-even by default;
    // set it anyway so that a library that changed it cannot change stored values.
    const int saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(saved);
    return rounded;
}

std::optional<double> ParseNumber(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    int i = 0;
    const int n = t.size();
    if (t[i] == u'+' || t[i] == u'-')
        ++i;
    int digits = 0;
    while (i < n && t[i].isDigit() && t[i].unicode() < 128) { ++i; ++digits; }
    if (i < n && t[i] == u'.') {
        ++i;
        while (i < n && t[i].isDigit() && t[i].unicode() < 128) { ++i; ++digits; }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < n && (t[i] == u'e' || t[i] == u'E')) {
        ++i;
        if (i < n && (t[i] == u'+' || t[i] == u'-'))
            ++i;
        int expDigits = 0;
        while (i < n && t[i].isDigit() && t[i].unicode() < 128) { ++i; ++expDigits; }
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;
    bool ok = false;
    const double value = t.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<bool> ParseBoolean(const QString& text)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    const std::optional<double> number = ParseNumber(t);
    if (!number)
        return std::nullopt;
    return *number != 0.0;
}

bool IsNumeric(const QString& text) { return ParseNumber(text) || radixDigits(text); }

std::optional<qint16> ParseInteger(const QString& text) { return roundedInRange<qint16>(text); }

std::optional<qint32> ParseLong(const QString& text) { return roundedInRange<qint32>(text); }
