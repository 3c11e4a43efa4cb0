// The report made from the log of the outside MAMEDiff tool, which compares two MAME listings.
#pragma once

#include <QByteArrayView>
#include <QString>

// The line over every report, shown bold whatever its length: it gives the tool's author credit.
QString MameDiffCredit();

// The shown text of the tool's log: the credit line and four line breaks, then the log with each
// line's surrounding blanks trimmed, a blank line after every separator line ("---..."), and every
// run of twelve hyphens taken out, so that long separator lines come out short. A log or a line
// too long for the panel is cut, a note where.
QString MameDiffReport(QByteArrayView log);
