// Conversion between the bytes of the program's text files and Qt strings.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The files are "ANSI": the system's 8-bit code page (UTF-8 on Linux). Keeping the one
// conversion here means a value read from a file and written back keeps its bytes.
inline QString fromAnsi(QByteArrayView bytes) { return QString::fromLocal8Bit(bytes); }
inline QByteArray toAnsi(const QString& text) { return text.toLocal8Bit(); }
