// The What's Changed comparisons of two MAME versions: ROMs Info over the checksum lists, All Info
// over the listings. Each gives the report's lines, or that nothing changed, or that the user
// cancelled; the window only shows what they return.
#pragma once

#include "platform/RuntimeError.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>

enum class CompareStage {
    Loading,   // reading the files and counting: the count is not known yet
    Stripping, // All Info: the count is known, the listings' headers go
    Comparing, // the new file's groups or blocks, one by one
    LeftOver,  // All Info: the old blocks that no new block matched
};

struct CompareProgress {
    CompareStage stage = CompareStage::Loading;
    qint64 done = 0;  // groups or blocks compared
    qint64 count = 0; // what the progress runs to; 0 while loading
};

// Called between steps, often enough to keep the window responsive; returns true while the user
// asks to cancel. The comparing and left-over stages heed it: a request made earlier waits for
// the first comparison.
using CompareMonitor = std::function<bool(const CompareProgress&)>;

struct CompareResult {
    enum class Outcome { Changed, Unchanged, Cancelled };
    Outcome outcome = Outcome::Unchanged;
    QByteArray lines; // the report's lines, each ended by CR LF
};

// ROMs Info: the key of every group of `newList` (lines of one game, in a row) whose lines differ
// from those of the first group of the same key in `oldList`, or that has none there. Today's
// list (TABs in its lines) repeats a device's lines under each machine: there each key whose
// distinct lines differ from its old ones, or that is new, is listed once.
Result<CompareResult> CompareCrcLists(QByteArrayView newList, QByteArrayView oldList, const CompareMonitor& monitor);

// All Info: name, TAB and description of every new block that the old listing does not hold
// character for character, then of the old blocks left over.
Result<CompareResult> CompareListings(QByteArrayView newListing, QByteArrayView oldListing,
                                      const CompareMonitor& monitor);

// A checksum line's key, the set's description, blanks around it removed: the text after the
// line's last TAB, or in a line without a TAB after its second blank (empty for a line with fewer
// than two blanks).
QByteArrayView RestOfLine(QByteArrayView line);

enum class CompareKind { RomsInfo, AllInfo };

// Reads both files whole and compares them; a file that cannot be read is the error.
Result<CompareResult> CompareFiles(CompareKind kind, const QString& newPath, const QString& oldPath,
                                   const CompareMonitor& monitor);

// The text the report panel shows for the result, report lines under their heading: as much of
// them as the panel shows.
QString CompareResultText(CompareKind kind, const CompareResult& result);

// The report file's bytes for a result that found changes: the heading and every line whole.
QByteArray CompareReportBytes(CompareKind kind, const CompareResult& result);

// "Error: ", the number, the description and "Line Number: " on lines of their own.
QString CompareErrorText(const RuntimeError& error);

// "Progress: " and the percentage done, whole: ROMs Info shows no digit for nothing done.
QString ProgressText(CompareKind kind, qint64 done, qint64 count);

// The compare's length from two readings of the seconds since midnight: whole seconds below a
// minute, else whole minutes, halves to even. A compare across midnight gains a day.
QString ElapsedTimeText(double startSeconds, double endSeconds);
