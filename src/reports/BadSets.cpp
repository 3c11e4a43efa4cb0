#include "reports/BadSets.h"

#include "platform/LineReader.h"
#include "platform/RuntimeErrorText.h"
#include "platform/WholeFile.h"

Result<qint32> WriteBadSets(const QString& reportPath, const QString& badPath)
{
    LineReader reader(reportPath);
    if (!reader.isOpen())
        return MakeRuntimeError(ErrorNumber::FileNotFound);
    QByteArray bad;
    qint32 count = 0;
    QByteArrayView line;
    while (reader.next(line)) {
        // Exact and case-sensitive: "is bad " or "IS BAD" is not a bad set.
        if (line.endsWith("is bad")) {
            bad += line;
            bad += "\r\n";
            ++count;
        }
    }
    if (reader.failed())
        return MakeRuntimeError(ErrorNumber::DeviceUnavailable);
    if (Status failed = ReplaceWholeFile(badPath, bad))
        return *failed;
    return count;
}
