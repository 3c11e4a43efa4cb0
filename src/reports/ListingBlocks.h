// How a MAME listing divides into game blocks, and a block's name and description: the one place
// that knows where a block starts.
#pragma once

#include "platform/RuntimeError.h"

#include <QByteArrayView>

#include <algorithm>
#include <array>

// A block runs up to where the next game starts; resources, which follow the games, end a block
// only when no game follows at all. Of that run, the block is the text up to its last element's
// closing tag: the line end and indentation before the next block, and the listing's own closing
// tag after the last one, belong to no game. Today's MAME names every entry, BIOS sets and
// devices among them, a <machine>: each of them is a game start.
inline constexpr std::array<QByteArrayView, 2> kGameStarts = {QByteArrayView("<game n"), QByteArrayView("<machine n")};
inline constexpr std::array<QByteArrayView, 1> kResourceStarts = {QByteArrayView("<game r")};
inline constexpr std::array<QByteArrayView, 2> kGameEnds = {QByteArrayView("</game>"), QByteArrayView("</machine>")};
// What the progress counts as one block of a listing.
inline constexpr std::array<QByteArrayView, 3> kCountedStarts = {
    QByteArrayView("<game name="), QByteArrayView("<game runnable="), QByteArrayView("<machine name=")};
// A block's end is looked for from its seventh character on, past its own start.
inline constexpr qsizetype kBlockEndSearchOffset = 6;
// The most bytes a block start needs: what a join of two texts must be looked at for.
inline constexpr qsizetype kLongestStart = [] {
    qsizetype longest = 0;
    for (QByteArrayView marker : kGameStarts)
        longest = std::max(longest, marker.size());
    for (QByteArrayView marker : kResourceStarts)
        longest = std::max(longest, marker.size());
    return longest;
}();

enum class StartKind { None, Game, Resource };

// What kind of block start, if any, the text begins with.
StartKind startAt(QByteArrayView text);

// Block ends in a text that does not change.
class BlockCutter {
public:
    explicit BlockCutter(QByteArrayView text);
    // Where the block that begins at `from` ends: the first game start found from from + 6 on,
    // else the next resource start from there, else -1 (the block runs to the end).
    qsizetype blockEnd(qsizetype from) const;

private:
    QByteArrayView m_text;
    qsizetype m_lastGame = -1; // searching past the last game would scan the tail every time
};

// Where the block that runs over [from, to) of `text` ends: just past the last closing tag of a
// game in it, or `to` when it closes none.
qsizetype elementEnd(QByteArrayView text, qsizetype from, qsizetype to);

struct BlockTitle {
    QByteArrayView name;
    QByteArrayView description;
};

// The text between `name="` and the next quote, and the text between the first "<desc" after
// that quote (past its 13-character tag) and the next "<". A block that lacks one of these
// markers has no title: the runtime's error 5.
Result<BlockTitle> blockTitle(QByteArrayView block);
