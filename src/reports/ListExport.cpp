#include "reports/ListExport.h"

#include "platform/AnsiText.h"

namespace {

constexpr qsizetype kPrintZone = 14;

// The item and the blanks up to the next print zone, which starts after the item's last
// column: an item that fills its zone pushes the next one a whole zone further.
void appendZoned(QString& line, const QString& item)
{
    line += item;
    line += QString((line.size() / kPrintZone + 1) * kPrintZone - line.size(), QLatin1Char(' '));
}

} // namespace

QString ExportFileName(GameView view)
{
    static constexpr const char* kFiles[] = {"allgames.txt", "installedgames.txt", "uninstalledgames.txt"};
    return QLatin1String(kFiles[static_cast<size_t>(view)]);
}

QByteArray ExportListText(qint32 count, const std::function<ExportRow(qint32)>& row)
{
    const QLatin1String crlf("\r\n");
    QString text;
    text.reserve(qsizetype(count) * 64 + 64);
    QString header;
    appendZoned(header, QStringLiteral("ROM"));
    text += header + QLatin1String("Game") + crlf + crlf;
    for (qint32 i = 0; i < count; ++i) {
        const ExportRow r = row(i);
        QString line;
        appendZoned(line, r.rom);
        text += line + r.game + crlf;
    }
    // A number prints with a blank in place of its sign and one after it.
    QString total;
    appendZoned(total, QStringLiteral("Total Count: "));
    text += crlf + total + QLatin1Char(' ') + QString::number(count) + QLatin1Char(' ') + crlf;
    return toAnsi(text);
}
