// The line format that gameinfo.txt and favorite.txt share: one game a line, seventeen quoted
// fields separated by commas, CRLF at the end.
#pragma once

#include "platform/RuntimeError.h"
#include "state/GameRecord.h"

#include <QByteArray>
#include <QByteArrayView>

#include <QHash>

#include <array>
#include <span>

// Appends one record line. Every field is enclosed in double quotes and written exactly as it
// stands: nothing is escaped, so a field never holds a double quote in practice.
void AppendRecordLine(QByteArray& out, std::span<const QByteArrayView, kStoredFieldCount> fields);

// The line of one record, its line end included, in the file's bytes.
QByteArray GameRecordLine(const GameRecord& record);

// Reads records as the runtime's sequential input reads quoted, comma-separated fields. A quoted
// field runs to the next double quote (commas and line ends inside belong to it) and whatever
// follows up to the next comma or line end is skipped; an unquoted field runs to the next comma
// or line end, its surrounding blanks removed; a blank line is one empty field. Reading a field at
// the end of the data, or a quoted field that is never closed, is the runtime's error 62 (input
// past end of file).
// A record's seventeen fields stand on one line: a record that a line end cuts short, that goes
// on over the next line, or that has more fields on its line is malformed, error 59 (bad record
// length), and the next record is never taken from its remains.
class GameRecordReader {
public:
    explicit GameRecordReader(QByteArray bytes) : m_bytes(std::move(bytes)) {}

    // The whole file; a file that cannot be opened is the runtime's error 53 or its like.
    static Result<GameRecordReader> open(const QString& path);

    // How many records the data can hold at most: the lines long enough for a record's sixteen
    // commas. Room reserved for this many follows the file's content, not its line ends.
    qsizetype recordCapacity() const;

    // True when nothing is left to read (the runtime's end-of-file test between records).
    bool atEnd() const { return m_pos >= m_bytes.size(); }

    // Reads the next seventeen fields into `record` in field order. On failure the fields read
    // before it keep their new values and the rest their old ones, as with the runtime.
    Status read(GameRecord& record);

    // How many fields the last read() stored: 17 after a success.
    int fieldsRead() const { return m_fieldsRead; }

    // The next field's bytes, valid until the next call.
    Result<QByteArrayView> readField();

private:
    // Most fields take a few hundred values over a whole list (years, statuses, makers, drivers):
    // equal values share one string instead of one allocation per field.

    QString fieldText(int column, QByteArrayView bytes);
    // Where the line that holds `pos` ends: its first CR or LF, or the end of the data.
    qsizetype lineEndFrom(qsizetype pos);

    // What ended the field read last.
    enum class FieldEnd { Comma, LineEnd, DataEnd };

    QByteArray m_bytes;
    qsizetype m_pos = 0;
    FieldEnd m_fieldEnd = FieldEnd::DataEnd;
    qsizetype m_nextLineFeed = -1; // the first LF at or after the last search, or the size
    qsizetype m_nextReturn = -1;
    int m_fieldsRead = 0;
    std::array<QHash<QByteArray, QString>, kStoredFieldCount> m_shared;
};
