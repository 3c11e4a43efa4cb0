#include "platform/AnsiText.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

// A byte that is no UTF-8, as the text holds it.
QString byte(unsigned char b) { return QString(QChar(char16_t(0xDC00 + b))); }

} // namespace

TEST(AnsiText, ReadsUtf8WhereValidAndSingleBytesWhereNot)
{
    const struct {
        QByteArray bytes;
        QString text;
    } cases[] = {
        {"pacman", "pacman"},
        {"caf\xc3\xa9", QStringLiteral("caf\u00e9")},
        {"\xe2\x82\xac \xf0\x9f\x8e\xae", QStringLiteral("\u20ac ") + QString::fromUcs4(U"\U0001F3AE", 1)},
        // Latin-1 and cp1252 text.
        {"Caf\xe9", "Caf" + byte(0xE9)},
        {"\x80\xff", byte(0x80) + byte(0xFF)},
        // Sequences cut short, overlong forms, surrogates and code points beyond Unicode.
        {"a\xe2\x82", "a" + byte(0xE2) + byte(0x82)},
        {"\xc3", byte(0xC3)},
        {"\xc0\xaf", byte(0xC0) + byte(0xAF)},
        {"\xe0\x80\xaf", byte(0xE0) + byte(0x80) + byte(0xAF)},
        {"\xed\xb3\xa9", byte(0xED) + byte(0xB3) + byte(0xA9)},
        {"\xf4\x90\x80\x80", byte(0xF4) + byte(0x90) + byte(0x80) + byte(0x80)},
        // A valid sequence right after a byte that is not.
        {"\xe9\xc3\xa9", byte(0xE9) + QStringLiteral("\u00e9")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fromAnsi(c.bytes), c.text) << c.bytes.toHex().toStdString();
        EXPECT_EQ(toAnsi(c.text), c.bytes) << c.bytes.toHex().toStdString();
    }
}

TEST(AnsiText, AnyBytesComeBackUnchanged)
{
    QRandomGenerator random(21);
    for (int run = 0; run < 2000; ++run) {
        QByteArray bytes(int(random.bounded(1, 24)), Qt::Uninitialized);
        for (char& b : bytes)
            b = char(random.bounded(0x70, 0x100)); // mostly high bytes, where the sequences are
        ASSERT_EQ(toAnsi(fromAnsi(bytes)), bytes) << bytes.toHex().toStdString();
    }
}

TEST(AnsiText, TextTypedByTheUserIsWrittenAsUtf8)
{
    EXPECT_EQ(toAnsi(QStringLiteral("/emu/Pok\u00e9mon")), "/emu/Pok\xc3\xa9mon");
    // A lone surrogate that names no byte cannot be written as itself.
    EXPECT_EQ(toAnsi(QString(QChar(char16_t(0xD800)))), "\xef\xbf\xbd");
    EXPECT_EQ(toAnsi(QString(QChar(char16_t(0xDC41)))), "\xef\xbf\xbd");
}
