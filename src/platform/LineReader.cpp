#include "platform/LineReader.h"

#include <algorithm>
#include <bit>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

qsizetype findLineEnd(const char* data, qsizetype size)
{
#ifdef __SSE2__
    // Lines of a MAME listing are about 50 bytes long: one pass over 16 bytes at a time for
    // either end character beats two memchr calls per line, which cost more in the call than in
    // the search.
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i cr = _mm_set1_epi8('\r');
    qsizetype i = 0;
    for (; i + 16 <= size; i += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        const unsigned mask = unsigned(_mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(chunk, lf), _mm_cmpeq_epi8(chunk, cr))));
        if (mask)
            return i + std::countr_zero(mask);
    }
    for (; i < size; ++i)
        if (data[i] == '\n' || data[i] == '\r')
            return i;
    return size;
#else
    // memchr is vectorised; two calls beat one byte loop on the large listings.
    const void* lf = std::memchr(data, '\n', size);
    const qsizetype lfPos = lf ? static_cast<const char*>(lf) - data : size;
    const void* cr = std::memchr(data, '\r', lfPos);
    return cr ? static_cast<const char*>(cr) - data : lfPos;
#endif
}

LineReader::LineReader(const QString& path, qsizetype blockSize)
    : m_file(path), m_blockSize(blockSize)
{
    m_file.open(QIODevice::ReadOnly);
}

bool LineReader::fill()
{
    // Keep the unread tail, then append a block behind it.
    if (m_pos > 0) {
        std::memmove(m_buffer.data(), m_buffer.constData() + m_pos, size_t(m_end - m_pos));
        m_end -= m_pos;
        m_pos = 0;
    }
    if (m_eof || !m_file.isOpen())
        return false;
    // The buffer only grows, doubling, so that a line of many blocks is copied a few times at most.
    if (m_buffer.size() < m_end + m_blockSize)
        m_buffer.resize(std::max(m_end + m_blockSize, 2 * m_buffer.size()));
    const qint64 got = m_file.read(m_buffer.data() + m_end, m_blockSize);
    if (got <= 0) {
        m_eof = true;
        m_failed = got < 0;
        return false;
    }
    m_end += got;
    return true;
}

bool LineReader::next(QByteArrayView& line)
{
    for (;;) {
        if (m_skipLeadingLF) {
            if (m_pos == m_end && !fill())
                return false;
            if (m_buffer[m_pos] == '\n')
                ++m_pos;
            m_skipLeadingLF = false;
        }
        const char* data = m_buffer.constData() + m_pos;
        const qsizetype avail = m_end - m_pos;
        const qsizetype eol = m_searched + findLineEnd(data + m_searched, avail - m_searched);
        if (eol < avail) {
            line = QByteArrayView(data, eol);
            m_searched = 0;
            m_pos += eol + 1;
            if (data[eol] == '\r') {
                if (m_pos < m_end) {
                    if (m_buffer[m_pos] == '\n')
                        ++m_pos;
                } else {
                    m_skipLeadingLF = true;
                }
            }
            ++m_lineNumber;
            return true;
        }
        m_searched = avail;
        if (!fill()) {
            m_searched = 0;
            if (m_pos == m_end)
                return false;
            line = QByteArrayView(m_buffer.constData() + m_pos, m_end - m_pos);
            m_pos = m_end;
            ++m_lineNumber;
            return true;
        }
    }
}

bool LineSplitter::next(QByteArrayView& line)
{
    if (m_pos >= m_bytes.size())
        return false;
    const char* data = m_bytes.data() + m_pos;
    const qsizetype avail = m_bytes.size() - m_pos;
    const qsizetype eol = findLineEnd(data, avail);
    line = QByteArrayView(data, eol);
    m_pos += eol;
    if (eol < avail) {
        ++m_pos;
        if (data[eol] == '\r' && m_pos < m_bytes.size() && m_bytes[m_pos] == '\n')
            ++m_pos;
    }
    return true;
}
