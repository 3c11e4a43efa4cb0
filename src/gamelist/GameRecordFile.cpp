#include "gamelist/GameRecordFile.h"

#include "platform/AnsiText.h"
#include "platform/RuntimeErrorText.h"

#include <QFile>

#include <array>

void AppendRecordLine(QByteArray& out, std::span<const QByteArrayView, kStoredFieldCount> fields)
{
    for (int i = 0; i < kStoredFieldCount; ++i) {
        if (i > 0)
            out.append(',');
        out.append('"');
        out.append(fields[i]);
        out.append('"');
    }
    out.append("\r\n", 2);
}

QByteArray GameRecordLine(const GameRecord& record)
{
    std::array<QByteArray, kStoredFieldCount> bytes;
    std::array<QByteArrayView, kStoredFieldCount> views;
    for (int i = 0; i < kStoredFieldCount; ++i) {
        bytes[i] = toAnsi(record.fields[i]);
        views[i] = bytes[i];
    }
    QByteArray line;
    AppendRecordLine(line, views);
    return line;
}

Result<GameRecordReader> GameRecordReader::open(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileRuntimeError(file, false);
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return FileRuntimeError(file, false);
    return GameRecordReader(std::move(bytes));
}

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

} // namespace

Result<QByteArrayView> GameRecordReader::readField()
{
    const char* data = m_bytes.constData();
    const qsizetype size = m_bytes.size();
    qsizetype pos = m_pos;
    while (pos < size && isBlank(data[pos]))
        ++pos;
    if (pos >= size) {
        m_pos = pos;
        return MakeRuntimeError(ErrorNumber::InputPastEnd);
    }

    QByteArrayView field;
    if (data[pos] == '"') {
        const qsizetype begin = pos + 1;
        const void* close = std::memchr(data + begin, '"', size - begin);
        if (!close) {
            m_pos = size;
            return MakeRuntimeError(ErrorNumber::InputPastEnd);
        }
        const qsizetype end = static_cast<const char*>(close) - data;
        field = QByteArrayView(data + begin, end - begin);
        pos = end + 1;
        while (pos < size && data[pos] != ',' && !isLineEnd(data[pos]))
            ++pos;
    } else {
        const qsizetype begin = pos;
        while (pos < size && data[pos] != ',' && !isLineEnd(data[pos]))
            ++pos;
        qsizetype end = pos;
        while (end > begin && isBlank(data[end - 1]))
            --end;
        field = QByteArrayView(data + begin, end - begin);
    }

    // One delimiter ends the field: a comma, or a line end (CRLF counts as one).
    if (pos < size) {
        if (data[pos] == '\r' && pos + 1 < size && data[pos + 1] == '\n')
            ++pos;
        ++pos;
    }
    m_pos = pos;
    return field;
}

Status GameRecordReader::read(GameRecord& record)
{
    for (QString& value : record.fields) {
        const Result<QByteArrayView> field = readField();
        if (!field)
            return field.error();
        value = fromAnsi(*field);
    }
    return std::nullopt;
}
