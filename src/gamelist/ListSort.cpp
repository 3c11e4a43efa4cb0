#include "gamelist/ListSort.h"

#include "platform/ListingText.h"

#include <algorithm>

namespace {

bool ignored(char16_t c) { return c == u'-' || c == u'\''; }

// The first eight code units of a key packed into two integers, so that most comparisons are
// two integer comparisons: integers compare as the texts do, a shorter text padded with zeros.
struct Packed {
    quint64 high = 0;
    quint64 low = 0;
    qint32 length = 0;
    qint32 position = 0; // into the keys and the rows being sorted
};

Packed pack(const QString& key, qint32 position)
{
    Packed p;
    p.length = qint32(key.size());
    p.position = position;
    const char16_t* c = reinterpret_cast<const char16_t*>(key.utf16());
    for (qsizetype i = 0; i < 8; ++i) {
        const quint64 unit = i < key.size() ? quint64(c[i]) : 0;
        if (i < 4)
            p.high |= unit << (48 - 16 * i);
        else
            p.low |= unit << (48 - 16 * (i - 4));
    }
    return p;
}

} // namespace

const QString& ColumnText(const ListedGame& game, int column)
{
    switch (static_cast<GameColumn>(column)) {
    case GameColumn::Category: return game.category;
    case GameColumn::Players: return game.players;
    default: return game.record.fields[static_cast<size_t>(column)];
    }
}

QString ListSortKey(const QString& text)
{
    // Game data is nearly all ASCII: fold it by hand, and leave the rest to Unicode folding.
    QString key(text.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(key.data());
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar qc = text[i];
        // The list is in the order of what it shows, not of the listing's entities.
        if (qc == u'&')
            i += std::max<qsizetype>(ListingEntityAt(text, i, qc) - 1, 0);
        const char16_t c = qc.unicode();
        if (ignored(c))
            continue;
        if (c < 0x80)
            out[n++] = (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
        else
            out[n++] = qc.toCaseFolded().unicode();
    }
    key.truncate(n);
    return key;
}

void SortRows(std::vector<qint32>& rows, const GameLists& lists, int column, bool descending)
{
    std::vector<QString> keys;
    std::vector<Packed> packed;
    keys.reserve(rows.size());
    packed.reserve(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        keys.push_back(ListSortKey(ColumnText(lists.games[size_t(rows[i])], column)));
        packed.push_back(pack(keys.back(), qint32(i)));
    }

    // Equal texts keep load order (ascending game index) in both directions.
    const auto compareText = [&keys](const Packed& a, const Packed& b) {
        if (a.high != b.high)
            return a.high < b.high ? -1 : 1;
        if (a.low != b.low)
            return a.low < b.low ? -1 : 1;
        if (a.length <= 8 && b.length <= 8)
            return a.length == b.length ? 0 : (a.length < b.length ? -1 : 1);
        return QStringView(keys[size_t(a.position)]).compare(QStringView(keys[size_t(b.position)]));
    };
    std::sort(packed.begin(), packed.end(), [&](const Packed& a, const Packed& b) {
        const int c = compareText(a, b);
        if (c != 0)
            return descending ? c > 0 : c < 0;
        return rows[size_t(a.position)] < rows[size_t(b.position)];
    });

    std::vector<qint32> sorted(rows.size());
    for (size_t i = 0; i < packed.size(); ++i)
        sorted[i] = rows[size_t(packed[i].position)];
    rows = std::move(sorted);
}
