// Conversion between the bytes of the program's text files and Qt strings.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The files are "ANSI": the system's 8-bit code page (UTF-8 on Linux). Keeping the one
// conversion here means a value read from a file and written back keeps its bytes.
// ASCII reads alike in every code page and converts several times faster as Latin-1, which
// matters to the list loader's 750,000 fields.
inline bool isAscii(QByteArrayView bytes)
{
    unsigned char any = 0;
    for (char c : bytes)
        any |= static_cast<unsigned char>(c);
    return any < 0x80;
}

inline QString fromAnsi(QByteArrayView bytes)
{
    return isAscii(bytes) ? QString::fromLatin1(bytes) : QString::fromLocal8Bit(bytes);
}

inline QByteArray toAnsi(const QString& text)
{
    char16_t any = 0;
    for (QChar c : text)
        any |= c.unicode();
    return any < 0x80 ? text.toLatin1() : text.toLocal8Bit();
}
