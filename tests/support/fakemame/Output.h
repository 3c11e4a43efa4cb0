// Buffered standard output for fakemame: listings of hundreds of megabytes must be written fast.
#pragma once

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

class Output {
public:
    explicit Output(std::FILE* file) : m_file(file) { m_buffer.reserve(kChunk + 4096); }
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

    // MAME of the program's platform ends its lines with CR LF.
    Output& endl() { return *this << std::string_view("\r\n"); }

    void flush()
    {
        if (!m_buffer.empty())
            std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_file);
        m_buffer.clear();
        std::fflush(m_file);
    }

private:
    static constexpr std::size_t kChunk = 1 << 20;
    std::FILE* m_file;
    std::string m_buffer;
};
