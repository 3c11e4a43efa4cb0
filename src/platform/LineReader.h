// Reads a text file line by line in large blocks; lines may end in CRLF, LF or CR.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>

class LineReader {
public:
    explicit LineReader(const QString& path, qsizetype blockSize = 1 << 20);

    bool isOpen() const { return m_file.isOpen(); }

    // Whether reading stopped at a failure rather than at the end of the file.
    bool failed() const { return m_failed; }

    // The next line without its terminator; valid until the next call. False at the end.
    bool next(QByteArrayView& line);

    // Number of the line last returned, from 1.
    qint64 lineNumber() const { return m_lineNumber; }

private:
    bool fill();

    QFile m_file;
    QByteArray m_buffer;
    qsizetype m_blockSize;
    qsizetype m_pos = 0;
    qsizetype m_end = 0;
    qsizetype m_searched = 0; // bytes after m_pos known to hold no line end: a long line is searched once
    bool m_eof = false;
    bool m_skipLeadingLF = false; // a CR ended the last block's line; an LF may follow
    bool m_failed = false;
    qint64 m_lineNumber = 0;
};

// Splits bytes already in memory into lines in the same way.
class LineSplitter {
public:
    explicit LineSplitter(QByteArrayView bytes) : m_bytes(bytes) {}
    bool next(QByteArrayView& line);

private:
    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
};

// The position of the first CR or LF in [data, data + size), or size when there is none.
qsizetype findLineEnd(const char* data, qsizetype size);
