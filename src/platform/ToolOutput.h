// Whether a file that another program wrote for us holds everything that the program wrote.
#pragma once

#include "platform/RuntimeError.h"

#include <QByteArrayView>
#include <QString>

// The run of `command` (its exit code as RunCommandLine gives it) that sent its output into `path`:
// the program ran to its end, the file was made, and the file system did not fill up under it (a
// program that writes through a redirect is never told that its writes failed, so a file system
// left without room means they may have). A command that did not run is named in the failure;
// the file is left for the caller to name.
Status ToolOutputWritten(const QString& command, int exitCode, const QString& path);

// The last `count` lines of what a program wrote (its standard error, say) that are not blank,
// joined by carriage returns as the message boxes break lines; the bytes read as AnsiText.
QString LastLines(QByteArrayView output, int count);
