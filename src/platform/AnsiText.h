// Conversion between the bytes of the program's text files and Qt strings.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The files are "ANSI": their bytes are the user's, in whatever code page wrote them (a
// history.dat or a folder name in Latin-1 beside UTF-8 ones). Text is read as UTF-8 where it is
// valid and byte by byte where it is not, each such byte held as the lone surrogate U+DC80 to
// U+DCFF, so that a value read from a file and written back keeps its bytes.
// ASCII reads alike in every code page and converts several times faster as Latin-1, which
// matters to the list loader's 750,000 fields.
inline bool isAscii(QByteArrayView bytes)
{
    unsigned char any = 0;
    for (char c : bytes)
        any |= static_cast<unsigned char>(c);
    return any < 0x80;
}

QString fromAnsiSlow(QByteArrayView bytes);
QByteArray toAnsiSlow(const QString& text);

inline QString fromAnsi(QByteArrayView bytes) { return isAscii(bytes) ? QString::fromLatin1(bytes) : fromAnsiSlow(bytes); }

inline QByteArray toAnsi(const QString& text)
{
    char16_t any = 0;
    for (QChar c : text)
        any |= c.unicode();
    return any < 0x80 ? text.toLatin1() : toAnsiSlow(text);
}
