#include "reports/MameDiffLog.h"

#include "platform/AnsiText.h"
#include "platform/LineReader.h"
#include "platform/ShownText.h"

namespace {

QByteArrayView trimBlanks(QByteArrayView line)
{
    while (line.startsWith(' '))
        line = line.sliced(1);
    while (line.endsWith(' '))
        line.chop(1);
    return line;
}

} // namespace

QString MameDiffCredit()
{
    return QStringLiteral("  This report was created using MAMEDiff by its author.  "
                          "Please visit the author's web site.");
}

QString MameDiffReport(QByteArrayView log)
{
    const bool cut = log.size() > kShownTextLength;
    if (cut)
        log = log.first(kShownTextLength);
    QByteArray tidy;
    tidy.reserve(log.size() + log.size() / 8);
    LineSplitter lines(log);
    QByteArrayView line;
    while (lines.next(line)) {
        line = trimBlanks(line);
        if (line.size() > kShownLineBytes)
            tidy += ShownLineBytes(line);
        else
            tidy += line;
        if (line.startsWith("---"))
            tidy += "\r\n";
        tidy += "\r\n";
    }
    QString text = fromAnsi(tidy);
    text.remove(QStringLiteral("------------"));
    if (cut)
        text += TextCutNote() + QStringLiteral("\r\n");
    return MameDiffCredit() + QStringLiteral("\r\r\r\r") + text;
}
