#include "reports/ListingBlocks.h"

#include "platform/RuntimeErrorText.h"

#include <algorithm>

namespace {

qsizetype firstOf(QByteArrayView text, const auto& markers, qsizetype from)
{
    qsizetype best = -1;
    for (QByteArrayView marker : markers) {
        const qsizetype at = text.indexOf(marker, from);
        if (at >= 0 && (best < 0 || at < best))
            best = at;
    }
    return best;
}

qsizetype lastOf(QByteArrayView text, const auto& markers)
{
    qsizetype last = -1;
    for (QByteArrayView marker : markers)
        last = std::max(last, text.lastIndexOf(marker));
    return last;
}

} // namespace

StartKind startAt(QByteArrayView text)
{
    for (QByteArrayView marker : kGameStarts)
        if (text.startsWith(marker))
            return StartKind::Game;
    for (QByteArrayView marker : kResourceStarts)
        if (text.startsWith(marker))
            return StartKind::Resource;
    return StartKind::None;
}

BlockCutter::BlockCutter(QByteArrayView text) : m_text(text), m_lastGame(lastOf(text, kGameStarts)) {}

qsizetype BlockCutter::blockEnd(qsizetype from) const
{
    const qsizetype searchFrom = from + kBlockEndSearchOffset;
    if (searchFrom > m_text.size())
        return -1;
    if (m_lastGame >= searchFrom)
        return firstOf(m_text, kGameStarts, searchFrom);
    return firstOf(m_text, kResourceStarts, searchFrom);
}

Result<BlockTitle> blockTitle(QByteArrayView block)
{
    static constexpr QByteArrayView kName("name=\"");
    static constexpr QByteArrayView kDesc("<desc");
    constexpr qsizetype kDescriptionTag = 13;

    const RuntimeError malformed = MakeRuntimeError(ErrorNumber::InvalidCall);
    const qsizetype name = block.indexOf(QByteArrayView("name="));
    if (name < 0)
        return malformed;
    const qsizetype nameStart = name + kName.size();
    const qsizetype nameEnd = block.indexOf('"', nameStart);
    if (nameEnd < 0)
        return malformed;
    const qsizetype desc = block.indexOf(kDesc, nameEnd);
    if (desc < 0)
        return malformed;
    const qsizetype descStart = desc + kDescriptionTag;
    const qsizetype descEnd = descStart <= block.size() ? block.indexOf('<', descStart) : -1;
    if (descEnd < 0)
        return malformed;
    return BlockTitle{block.sliced(nameStart, nameEnd - nameStart), block.sliced(descStart, descEnd - descStart)};
}
