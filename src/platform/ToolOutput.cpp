#include "platform/ToolOutput.h"

#include "platform/AnsiText.h"
#include "platform/Process.h"
#include "platform/RuntimeErrorText.h"

#include <QFileInfo>
#include <QStringList>
#include <QStorageInfo>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

// The shell's own codes for a command that did not start (126, 127) or was killed (128 + signal).
bool ranToItsEnd(int exitCode)
{
    if (exitCode == kCommandNotEnded)
        return false;
#ifndef _WIN32
    if (exitCode >= 126)
        return false;
#endif
    return true;
}

qint64 roomLeft(const QStorageInfo& storage)
{
#ifndef _WIN32
    // The blocks kept for the administrator are room for a program the administrator runs.
    if (::geteuid() == 0)
        return storage.bytesFree();
#endif
    return storage.bytesAvailable();
}

} // namespace

Status ToolOutputWritten(const QString& command, int exitCode, const QString& path)
{
    if (!ranToItsEnd(exitCode))
        return RuntimeError{0, command + QStringLiteral(" did not run to its end"), 0};
    if (!QFileInfo(path).isFile())
        return MakeRuntimeError(ErrorNumber::PathFileAccess);
    const QStorageInfo storage(QFileInfo(path).absolutePath());
    if (storage.isValid() && roomLeft(storage) < std::max(1, storage.blockSize()))
        return MakeRuntimeError(ErrorNumber::DiskFull);
    return std::nullopt;
}

QString LastLines(QByteArrayView output, int count)
{
    QStringList lines;
    qsizetype end = output.size();
    while (end > 0 && lines.size() < count) {
        const qsizetype begin = output.first(end).lastIndexOf('\n') + 1;
        const QByteArrayView line = output.sliced(begin, end - begin).trimmed();
        if (!line.isEmpty())
            lines.prepend(fromAnsi(line));
        end = begin - 1;
    }
    return lines.join(QLatin1Char('\r'));
}
