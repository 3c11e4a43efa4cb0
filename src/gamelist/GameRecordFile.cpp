#include "gamelist/GameRecordFile.h"

#include "platform/AnsiText.h"
#include "platform/RuntimeErrorText.h"
#include "platform/WholeFile.h"

#include <algorithm>
#include <array>
#include <cstring>

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
    Result<QByteArray> bytes = ReadWholeFile(path);
    if (!bytes)
        return bytes.error();
    return GameRecordReader(std::move(bytes.value()));
}

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

} // namespace

qsizetype GameRecordReader::recordCapacity() const
{
    // The shortest record is its sixteen commas; shorter lines, blank ones above all, hold none.
    constexpr qsizetype kShortestRecord = kStoredFieldCount - 1;
    const char* const begin = m_bytes.constData();
    const char* const stop = begin + m_bytes.size();
    const char end = std::memchr(begin, '\n', size_t(m_bytes.size())) ? '\n' : '\r';
    qsizetype records = 0;
    for (const char* line = begin; line < stop;) {
        const char* found = static_cast<const char*>(std::memchr(line, end, size_t(stop - line)));
        const char* next = found ? found : stop;
        if (next - line >= kShortestRecord)
            ++records;
        line = next + 1;
    }
    return records;
}

qsizetype GameRecordReader::lineEndFrom(qsizetype pos)
{
    // Each line end is searched for once over the whole data, so that files with only one kind of
    // line end are not scanned to their end for the other kind at every record.
    const char* data = m_bytes.constData();
    const qsizetype size = m_bytes.size();
    const auto next = [&](char c, qsizetype& known) {
        if (known < pos) {
            const void* found = std::memchr(data + pos, c, size_t(size - pos));
            known = found ? static_cast<const char*>(found) - data : size;
        }
        return known;
    };
    return std::min(next('\n', m_nextLineFeed), next('\r', m_nextReturn));
}

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
    m_fieldEnd = FieldEnd::DataEnd;
    if (pos < size) {
        m_fieldEnd = data[pos] == ',' ? FieldEnd::Comma : FieldEnd::LineEnd;
        if (data[pos] == '\r' && pos + 1 < size && data[pos + 1] == '\n')
            ++pos;
        ++pos;
    }
    m_pos = pos;
    return field;
}

QString GameRecordReader::fieldText(int column, QByteArrayView bytes)
{
    // The description and the ROM name are each game's own; a table that grows too large holds
    // another such column and stops growing.
    constexpr qsizetype kMostShared = 4096;
    if (column == int(GameColumn::Game) || column == int(GameColumn::ROM))
        return fromAnsi(bytes);
    QHash<QByteArray, QString>& shared = m_shared[column];
    auto found = shared.constFind(QByteArray::fromRawData(bytes.data(), bytes.size()));
    if (found == shared.cend()) {
        const QString text = fromAnsi(bytes);
        if (shared.size() >= kMostShared)
            return text;
        found = shared.insert(bytes.toByteArray(), text);
    }
    return found.value();
}

Status GameRecordReader::read(GameRecord& record)
{
    const qsizetype lineEnd = lineEndFrom(m_pos);
    for (m_fieldsRead = 0; m_fieldsRead < kStoredFieldCount; ++m_fieldsRead) {
        const Result<QByteArrayView> field = readField();
        if (!field)
            return field.error();
        // A line that ends early with nothing after it is input past the end, as for the runtime.
        const bool last = m_fieldsRead == kStoredFieldCount - 1;
        const bool offLine = field->data() + field->size() > m_bytes.constData() + lineEnd ||
                             (last ? m_fieldEnd == FieldEnd::Comma : m_fieldEnd == FieldEnd::LineEnd && !atEnd());
        if (offLine)
            return MakeRuntimeError(ErrorNumber::BadRecordLength);
        record.fields[m_fieldsRead] = fieldText(m_fieldsRead, *field);
    }
    return std::nullopt;
}
