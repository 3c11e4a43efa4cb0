// The texts of the verify-all reports and of the favorites change list, as the report panel
// shows them.
#pragma once

#include <QByteArray>
#include <QString>

// A verify report with MAME's summary line moved to the top, a blank line under it, and
// "End of report." where the summary stood. The summary is the line holding "romsets found"
// (`romsReport`) or "samplesets found", in any case, looked for from the second character on.
// Without it the text is "No sets were found.". A summary on the last line without a line end
// of its own ends at the text's end.
QString MoveSummary(const QString& report, bool romsReport);

// The favorites change report from the bytes of changes.txt: the explanation, then each
// line of the file, every line ended by a carriage return only.
QString FavoriteChangesText(const QByteArray& changes);
