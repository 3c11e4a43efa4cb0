// Buffered standard output for fakemame: listings of hundreds of megabytes must be written fast.
#pragma once

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

class Output {
public:
    // `lineEnd` ends every line: CR LF as MAME writes on the program's home platform, LF as
    // today's MAME writes here.
    explicit Output(std::FILE* file, std::string_view lineEnd = "\r\n") : m_file(file), m_lineEnd(lineEnd)
    {
        m_buffer.reserve(kChunk + 4096);
    }
    ~Output() { flush(); }
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    Output& operator<<(std::string_view text)
    {
        m_buffer.append(text);
        if (m_buffer.size() >= kChunk)
            flush();
        return *this;
    }
    Output& operator<<(char c)
    {
        m_buffer.push_back(c);
        return *this;
    }
    Output& operator<<(long long number)
    {
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
        return *this << std::string_view(digits, std::size_t(end - digits));
    }
    Output& operator<<(int number) { return *this << static_cast<long long>(number); }

    // Lower-case hexadecimal, `width` digits with leading zeros, as MAME writes checksums.
    Output& hex(std::uint64_t value, int width)
    {
        static constexpr char kDigits[] = "0123456789abcdef";
        char text[16];
        for (int i = width - 1; i >= 0; --i, value >>= 4)
            text[i] = kDigits[value & 15];
        return *this << std::string_view(text, std::size_t(width));
    }

    Output& endl() { return *this << m_lineEnd; }

    // Once `bytes` have been written (and flushed), `pause` runs before the rest is written.
    void pauseAfter(std::size_t bytes, std::function<void()> pause)
    {
        m_pauseAt = bytes;
        m_pause = std::move(pause);
    }

    void flush()
    {
        std::size_t from = 0;
        if (m_pause && m_written + m_buffer.size() >= m_pauseAt) {
            from = m_pauseAt - m_written;
            write(0, from);
            std::fflush(m_file);
            std::exchange(m_pause, nullptr)();
        }
        write(from, m_buffer.size() - from);
        m_buffer.clear();
        std::fflush(m_file);
    }

private:
    void write(std::size_t from, std::size_t size)
    {
        std::fwrite(m_buffer.data() + from, 1, size, m_file);
        m_written += size;
    }

    static constexpr std::size_t kChunk = 1 << 20;
    std::FILE* m_file;
    std::string_view m_lineEnd;
    std::string m_buffer;
    std::size_t m_written = 0;
    std::size_t m_pauseAt = 0;
    std::function<void()> m_pause;
};
