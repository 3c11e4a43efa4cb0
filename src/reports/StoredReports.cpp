#include "reports/StoredReports.h"

#include "platform/AnsiText.h"

namespace {

const QString kCrLf = QStringLiteral("\r\n");

} // namespace

QString MoveSummary(const QString& report, bool romsReport)
{
    const QString phrase = romsReport ? QStringLiteral("romsets found") : QStringLiteral("samplesets found");
    const qsizetype match = report.indexOf(phrase, 1, Qt::CaseInsensitive);
    if (match < 0)
        return QStringLiteral("No sets were found.");

    // The line end before the match must lie wholly before it.
    const qsizetype before = match >= 2 ? report.lastIndexOf(kCrLf, match - 2) : -1;
    const qsizetype start = before < 0 ? 0 : before + 2;
    qsizetype end = report.indexOf(kCrLf, match);
    if (end < 0)
        end = report.size();
    const QString summary = report.mid(start, end - start);
    const QString rest = report.left(start) + kCrLf + QStringLiteral("End of report.") + report.mid(end);
    return summary + kCrLf + kCrLf + rest;
}

QString FavoriteChangesText(const QByteArray& changes)
{
    QString text = QStringLiteral(
        "These games have been removed from your favorites list because something about them has changed with "
        "this version of M.A.M.E. or M.A.M.E. no longer supports them.  You can add them again if they are still "
        "supported.\r\rNOTE: This list is cumulative.  If you want to reset it for next time, goto the Maintenance "
        "screen and delete this report.\r\r\r");
    QByteArrayView rest(changes);
    while (!rest.isEmpty()) {
        qsizetype lineEnd = rest.indexOf('\n');
        QByteArrayView line = lineEnd < 0 ? rest : rest.first(lineEnd);
        rest = lineEnd < 0 ? QByteArrayView() : rest.sliced(lineEnd + 1);
        if (line.endsWith('\r'))
            line.chop(1);
        text += fromAnsi(line) + QLatin1Char('\r');
    }
    return text;
}
