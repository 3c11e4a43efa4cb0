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

// Reads records as the runtime's sequential input reads quoted, comma-separated fields. Fields
// are read one after the other without regard to lines: a line with too few fields takes the
// rest from the next one, and a blank line is one empty field. A quoted field runs to the next
// double quote (commas and line ends inside belong to it) and whatever follows up to the next
// comma or line end is skipped; an unquoted field runs to the next comma or line end, its
// surrounding blanks removed. Reading a field at the end of the data, or a quoted field that is
// never closed, is the runtime's error 62 (input past end of file).
class GameRecordReader {
public:
    explicit GameRecordReader(QByteArray bytes) : m_bytes(std::move(bytes)) {}

    // The whole file; a file that cannot be opened is the runtime's error 53 or its like.
    static Result<GameRecordReader> open(const QString& path);

    // The number of lines in the data: about the number of records, for reserving room.
    qsizetype lineCount() const;

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

    QByteArray m_bytes;
    qsizetype m_pos = 0;
    int m_fieldsRead = 0;
    std::array<QHash<QByteArray, QString>, kStoredFieldCount> m_shared;
};
