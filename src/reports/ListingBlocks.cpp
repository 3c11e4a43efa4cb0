#include "reports/ListingBlocks.h"

#include "platform/RuntimeErrorText.h"

#include <algorithm>

namespace {

// The first start of one of `markers` at or after `from`, -1 when none. Looked for '<' by '<', so
// that a marker the listing's layout never writes costs nothing: a plain search for each marker
// would read the rest of the text for every block.
qsizetype nextStart(QByteArrayView text, const auto& markers, qsizetype from)
{
    for (qsizetype i = text.indexOf('<', from); i >= 0; i = text.indexOf('<', i + 1)) {
        const QByteArrayView rest = text.sliced(i);
        for (QByteArrayView marker : markers)
            if (rest.startsWith(marker))
                return i;
    }
    return -1;
}

// The last start of one of `markers`, looked for from the end '<' by '<'.
qsizetype lastStart(QByteArrayView text, const auto& markers)
{
    for (qsizetype i = text.lastIndexOf('<'); i >= 0; i = i > 0 ? text.lastIndexOf('<', i - 1) : -1) {
        const QByteArrayView rest = text.sliced(i);
        for (QByteArrayView marker : markers)
            if (rest.startsWith(marker))
                return i;
    }
    return -1;
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

BlockCutter::BlockCutter(QByteArrayView text) : m_text(text), m_lastGame(lastStart(text, kGameStarts)) {}

qsizetype BlockCutter::blockEnd(qsizetype from) const
{
    const qsizetype searchFrom = from + kBlockEndSearchOffset;
    if (searchFrom > m_text.size())
        return -1;
    if (m_lastGame >= searchFrom)
        return nextStart(m_text, kGameStarts, searchFrom);
    return nextStart(m_text, kResourceStarts, searchFrom);
}

qsizetype elementEnd(QByteArrayView text, qsizetype from, qsizetype to)
{
    // From the end '<' by '<': the closing tag is the run's last tag but for the listing's own.
    for (qsizetype i = to; i > from;) {
        i = text.lastIndexOf('<', i - 1);
        if (i < from)
            break;
        const QByteArrayView rest = text.sliced(i, to - i);
        for (QByteArrayView marker : kGameEnds)
            if (rest.startsWith(marker))
                return i + marker.size();
    }
    return to;
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
