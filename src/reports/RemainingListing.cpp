#include "reports/RemainingListing.h"

#include "reports/ListingBlocks.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace {

// Long enough to hold a game's first line, which names it.
constexpr qsizetype kKeyLength = 256;
// Bytes scanned between two polls while the index is built.
constexpr qsizetype kPollBytes = 4 << 20;

size_t hashOf(QByteArrayView bytes)
{
    return std::hash<std::string_view>{}(std::string_view(bytes.data(), size_t(bytes.size())));
}

} // namespace

size_t blockKey(QByteArrayView block, bool* complete)
{
    const QByteArrayView head = block.first(std::min(block.size(), kKeyLength));
    const qsizetype lineEnd = head.indexOf('\n');
    if (complete)
        *complete = lineEnd >= 0 || head.size() == kKeyLength;
    return hashOf(lineEnd >= 0 ? head.first(lineEnd + 1) : head);
}

RemainingListing::RemainingListing(QByteArrayView text, const std::function<void()>& poll)
    : m_text(text), m_size(text.size())
{
    if (m_size > 0)
        m_kept.emplace(0, m_size);
    qsizetype nextPoll = kPollBytes;
    const char* data = text.data();
    for (qsizetype i = 0; i < m_size;) {
        const void* found = std::memchr(data + i, '<', size_t(m_size - i));
        if (!found)
            break;
        i = static_cast<const char*>(found) - data;
        if (const StartKind kind = startAt(text.sliced(i)); kind != StartKind::None)
            remember(i, kind == StartKind::Game);
        if (i >= nextPoll) {
            poll();
            nextPoll = i + kPollBytes;
        }
        ++i;
    }
}

RemainingListing::Kept::const_iterator RemainingListing::stretchOf(qsizetype pos) const
{
    auto it = m_kept.upper_bound(pos);
    return it == m_kept.begin() ? m_kept.end() : std::prev(it);
}

QByteArray RemainingListing::bytesFrom(qsizetype pos, qsizetype length) const
{
    QByteArray bytes;
    for (auto it = stretchOf(pos); it != m_kept.end() && bytes.size() < length; ++it) {
        const qsizetype from = std::max(pos, it->first);
        bytes.append(m_text.sliced(from, std::min(it->second - from, length - bytes.size())));
    }
    return bytes;
}

size_t RemainingListing::keyAt(qsizetype pos) const
{
    return blockKey(bytesFrom(pos, kKeyLength), nullptr);
}

qsizetype RemainingListing::matchEnd(qsizetype pos, QByteArrayView block) const
{
    qsizetype matched = 0;
    for (auto it = stretchOf(pos); it != m_kept.end(); ++it) {
        const qsizetype from = std::max(pos, it->first);
        const qsizetype n = std::min(it->second - from, block.size() - matched);
        if (std::memcmp(m_text.data() + from, block.data() + matched, size_t(n)) != 0)
            return -1;
        matched += n;
        if (matched == block.size())
            return from + n;
    }
    return -1;
}

qsizetype RemainingListing::distance(qsizetype from, qsizetype to) const
{
    qsizetype bytes = 0;
    for (auto it = stretchOf(from); it != m_kept.end() && it->first < to; ++it)
        bytes += std::min(it->second, to) - std::max(it->first, from);
    return bytes;
}

qsizetype RemainingListing::previous(qsizetype pos) const
{
    auto it = m_kept.lower_bound(pos);
    if (it == m_kept.begin())
        return -1;
    --it;
    return std::min(it->second, pos) - 1;
}

void RemainingListing::remember(qsizetype pos, bool game)
{
    const size_t key = keyAt(pos);
    m_starts[pos] = Start{key, game};
    std::vector<qsizetype>& positions = m_byKey[key];
    positions.insert(std::upper_bound(positions.begin(), positions.end(), pos), pos);
    (game ? m_gameStarts : m_resourceStarts).insert(pos);
}

void RemainingListing::forget(qsizetype pos)
{
    const auto it = m_starts.find(pos);
    if (it == m_starts.end())
        return;
    const auto filed = m_byKey.find(it->second.key);
    std::vector<qsizetype>& positions = filed->second;
    positions.erase(std::lower_bound(positions.begin(), positions.end(), pos));
    if (positions.empty())
        m_byKey.erase(filed);
    (it->second.game ? m_gameStarts : m_resourceStarts).erase(pos);
    m_starts.erase(it);
}

void RemainingListing::refresh(qsizetype pos)
{
    forget(pos);
    const StartKind kind = startAt(bytesFrom(pos, kLongestStart));
    if (kind != StartKind::None)
        remember(pos, kind == StartKind::Game);
}

void RemainingListing::removeRange(qsizetype from, qsizetype to)
{
    while (true) {
        const auto it = m_starts.lower_bound(from);
        if (it == m_starts.end() || it->first >= to)
            break;
        forget(it->first);
    }

    auto it = m_kept.upper_bound(from);
    if (it != m_kept.begin() && std::prev(it)->second > from)
        --it;
    while (it != m_kept.end() && it->first < to) {
        const qsizetype start = it->first;
        const qsizetype end = it->second;
        it = m_kept.erase(it);
        m_size -= std::min(end, to) - std::max(start, from);
        if (start < from)
            m_kept.emplace(start, from);
        if (end > to)
            m_kept.emplace(to, end);
    }

    // The text now joined at the seam may start a block, or file one under a new first line.
    qsizetype pos = previous(from);
    for (qsizetype walked = 0; pos >= 0 && walked < kKeyLength && m_text[pos] != '\n'; ++walked) {
        refresh(pos);
        pos = previous(pos);
    }
}

bool RemainingListing::removeFirst(QByteArrayView block)
{
    bool complete = false;
    const size_t key = blockKey(block, &complete);
    qsizetype found = -1;
    qsizetype foundEnd = -1;
    const auto tryAt = [&](qsizetype pos) {
        foundEnd = matchEnd(pos, block);
        if (foundEnd >= 0)
            found = pos;
        return found >= 0;
    };
    if (complete) {
        const auto filed = m_byKey.find(key);
        if (filed == m_byKey.end())
            return false;
        for (qsizetype pos : filed->second)
            if (tryAt(pos))
                break;
    } else {
        // Too short to be filed under its first line: any block start may hold it.
        for (const auto& [pos, start] : m_starts)
            if (tryAt(pos))
                break;
    }
    if (found < 0)
        return false;
    removeRange(found, foundEnd);
    return true;
}

qsizetype RemainingListing::firstStartFrom(const std::set<qsizetype>& starts, qsizetype blockStart) const
{
    for (auto it = starts.upper_bound(blockStart); it != starts.end(); ++it)
        if (*it - blockStart >= kBlockEndSearchOffset && distance(blockStart, *it) >= kBlockEndSearchOffset)
            return *it;
    return -1;
}

QByteArray RemainingListing::takeBlock()
{
    if (m_starts.empty())
        return {};
    // Removed blocks leave the text between them behind: the next block starts at the next start.
    const qsizetype front = m_kept.begin()->first;
    const qsizetype start = m_starts.begin()->first;
    qsizetype end = firstStartFrom(m_gameStarts, start);
    if (end < 0)
        end = firstStartFrom(m_resourceStarts, start);
    if (end < 0)
        end = m_text.size();
    QByteArray block = bytesFrom(start, distance(start, end));
    block.truncate(elementEnd(block, 0, block.size()));
    removeRange(front, end);
    return block;
}

QByteArray RemainingListing::text() const
{
    QByteArray all;
    all.reserve(m_size);
    for (const auto& [start, end] : m_kept)
        all.append(m_text.sliced(start, end - start));
    return all;
}
