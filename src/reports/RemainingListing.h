// The old listing's text while the compare takes blocks out of it: found and removed anywhere,
// as plain text would be, but through an index of the block starts instead of a scan of the
// whole text for every block.
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <functional>
#include <map>
#include <set>
#include <unordered_map>
#include <vector>

class RemainingListing {
public:
    // `text` must outlive this object. `poll` runs now and then while the index is built.
    RemainingListing(QByteArrayView text, const std::function<void()>& poll);

    // Removes the first occurrence of `block`, which begins with a block start; false when the
    // remaining text does not hold it.
    bool removeFirst(QByteArrayView block);

    // Whether a block start is left; the text around the blocks belongs to no game.
    bool hasBlock() const { return !m_starts.empty(); }
    // Cuts the next block off the front, ended as a listing's blocks are: the text before its
    // start goes with it, and so does the text after its last closing tag, up to the next block.
    // Empty when no block is left.
    QByteArray takeBlock();

    // The remaining text, for checks.
    QByteArray text() const;

private:
    using Kept = std::map<qsizetype, qsizetype>; // start -> end of each stretch still in the text

    struct Start {
        size_t key;
        bool game;
    };

    Kept::const_iterator stretchOf(qsizetype pos) const;
    // `length` bytes from `pos` on (fewer at the end), across the removed stretches.
    QByteArray bytesFrom(qsizetype pos, qsizetype length) const;
    // The text from `pos` through its line end, at most kKeyLength bytes: what a block start's
    // first line is filed under.
    size_t keyAt(qsizetype pos) const;
    // Where the text from `pos` on matches `block` to its end (exclusive), or -1.
    qsizetype matchEnd(qsizetype pos, QByteArrayView block) const;
    // Bytes of the remaining text between two of its positions.
    qsizetype distance(qsizetype from, qsizetype to) const;
    qsizetype previous(qsizetype pos) const;
    void removeRange(qsizetype from, qsizetype to);
    void forget(qsizetype pos);
    void refresh(qsizetype pos);
    void remember(qsizetype pos, bool game);
    qsizetype firstStartFrom(const std::set<qsizetype>& starts, qsizetype blockStart) const;

    QByteArrayView m_text;
    qsizetype m_size = 0;
    Kept m_kept;
    std::map<qsizetype, Start> m_starts;
    std::set<qsizetype> m_gameStarts;
    std::set<qsizetype> m_resourceStarts;
    std::unordered_map<size_t, std::vector<qsizetype>> m_byKey;
};

// The same filing key for a block: its first line, at most kKeyLength bytes; `complete` is false
// when the block is shorter than that and has no line end.
size_t blockKey(QByteArrayView block, bool* complete);
