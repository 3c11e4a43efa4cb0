// The comparisons written the slow, direct way, step by step on whole strings: the old list read
// again from its start for every group, the whole old text searched for every block. Tests and
// benchmarks hold the fast ones against these.
#pragma once

#include <QByteArray>

#include <optional>

namespace reference {

// The report's lines (each ended by CR LF), or nothing when the compare fails.
std::optional<QByteArray> romsInfo(const QByteArray& newList, const QByteArray& oldList);
// Today's lists: each key once, in the order of its first line, when its distinct lines differ
// from the old list's.
std::optional<QByteArray> romsInfoByKey(const QByteArray& newList, const QByteArray& oldList);
std::optional<QByteArray> allInfo(const QByteArray& newListing, const QByteArray& oldListing);

} // namespace reference
