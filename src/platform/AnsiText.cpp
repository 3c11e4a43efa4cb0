#include "platform/AnsiText.h"

namespace {

constexpr char16_t kByteEscape = 0xDC00; // a byte b that is no UTF-8 is held as kByteEscape + b

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The length of the well-formed UTF-8 sequence at `at` (overlong forms and surrogates are not
// well-formed), or 0.
int sequenceLength(const unsigned char* at, qsizetype left)
{
    const unsigned char lead = at[0];
    int length = 0;
    unsigned char low = 0x80, high = 0xBF; // the bounds of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (left < length || at[1] < low || at[1] > high)
        return 0;
    for (int i = 2; i < length; ++i)
        if (!isContinuation(at[i]))
            return 0;
    return length;
}

void appendUtf8(QByteArray& out, char32_t code)
{
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | (code >> 6));
        out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += char(0xE0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xF0 | (code >> 18));
        out += char(0x80 | ((code >> 12) & 0x3F));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

} // namespace

QString fromAnsiSlow(QByteArrayView bytes)
{
    // Never more UTF-16 units than bytes.
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size;) {
        const unsigned char lead = data[i];
        if (lead < 0x80) {
            *out++ = lead;
            ++i;
            continue;
        }
        const int length = sequenceLength(data + i, size - i);
        if (length == 0) {
            *out++ = char16_t(kByteEscape + lead);
            ++i;
            continue;
        }
        char32_t code = lead & (0x7F >> length);
        for (int k = 1; k < length; ++k)
            code = (code << 6) | (data[i + k] & 0x3F);
        if (QChar::requiresSurrogates(code)) {
            *out++ = QChar::highSurrogate(code);
            *out++ = QChar::lowSurrogate(code);
        } else {
            *out++ = char16_t(code);
        }
        i += length;
    }
    text.truncate(out - reinterpret_cast<char16_t*>(text.data()));
    return text;
}

QByteArray toAnsiSlow(const QString& text)
{
    QByteArray out;
    out.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            appendUtf8(out, QChar::surrogateToUcs4(c, text[i + 1].unicode()));
            ++i;
        } else if (c >= kByteEscape + 0x80 && c <= kByteEscape + 0xFF) {
            out += char(c - kByteEscape);
        } else if (QChar::isSurrogate(c)) {
            appendUtf8(out, QChar::ReplacementCharacter);
        } else {
            appendUtf8(out, c);
        }
    }
    return out;
}
