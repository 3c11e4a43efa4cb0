#include "reports/GameAudit.h"

#include "platform/AnsiText.h"
#include "platform/LineReader.h"
#include "platform/WholeFile.h"

#include <QDir>

namespace {

// Appends each line of the file, CR LF after each.
Status appendLines(QString& text, const QDir& folder, const char* fileName)
{
    const Result<QByteArray> bytes = ReadWholeFile(folder.filePath(QLatin1String(fileName)));
    if (!bytes) {
        RuntimeError error = bytes.error();
        error.description += QStringLiteral(" (") + QLatin1String(fileName) + QLatin1Char(')');
        return error;
    }
    LineSplitter lines(*bytes);
    QByteArrayView line;
    while (lines.next(line))
        text += fromAnsi(line) + QStringLiteral("\r\n");
    return std::nullopt;
}

} // namespace

Result<QString> GameAuditReport(const QString& reportsFolder)
{
    const QDir folder(reportsFolder);
    struct Section {
        const char* heading;
        const char* files[2];
    };
    static constexpr Section kSections[] = {
        {"ROMs", {"temp1.txt", "temp3.txt"}},
        {"Samples", {"temp2.txt", "temp4.txt"}},
    };
    QString text;
    for (const Section& section : kSections) {
        if (!text.isEmpty())
            text += QStringLiteral("\r\n\r\n");
        text += QLatin1String(section.heading) + QStringLiteral("\r\n\r\n");
        for (const char* file : section.files) {
            if (Status failed = appendLines(text, folder, file))
                return *failed;
        }
    }
    return text;
}
