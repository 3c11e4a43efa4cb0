#include "platform/RuntimeText.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace {

bool isWordSeparator(QChar c)
{
    const char16_t u = c.unicode();
    return u == 0 || u == ' ' || (u >= 9 && u <= 13);
}

template <class Int>
std::optional<Int> roundedInRange(const QString& text)
{
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

std::optional<qint16> ParseInteger(const QString& text) { return roundedInRange<qint16>(text); }

std::optional<qint32> ParseLong(const QString& text) { return roundedInRange<qint32>(text); }
