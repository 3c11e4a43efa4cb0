// Files read or written in one piece, with failures numbered as the runtime numbers them.
#pragma once

#include "platform/RuntimeError.h"

#include <QByteArray>
#include <QString>

// The whole file; a missing or unreadable one is the runtime's error 53 or its like.
Result<QByteArray> ReadWholeFile(const QString& path);

// At most the first `maxBytes` bytes of the file, with the failures of ReadWholeFile.
Result<QByteArray> ReadFileStart(const QString& path, qint64 maxBytes);

// The whole file, or `missing` when there is no such file.
Result<QByteArray> ReadWholeFileOr(const QString& path, QByteArray missing);

// Replaces the file with `content` through a temporary file and a rename, so that a failure
// (or a crash) leaves the old file as it was.
Status ReplaceWholeFile(const QString& path, const QByteArray& content);

// Renames the file to its name with ".bak" added, in place of an older backup: a rename needs no
// space, so a full disk cannot cost the file. A missing file has nothing to keep.
Status KeepAsBackup(const QString& path);
