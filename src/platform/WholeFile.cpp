#include "platform/WholeFile.h"

#include "platform/FileReplacement.h"
#include "platform/RuntimeErrorText.h"

#include <QFile>

Result<QByteArray> ReadWholeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileRuntimeError(file, false);
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return FileRuntimeError(file, false);
    return bytes;
}

Result<QByteArray> ReadFileStart(const QString& path, qint64 maxBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileRuntimeError(file, false);
    QByteArray bytes = file.read(maxBytes);
    if (file.error() != QFileDevice::NoError)
        return FileRuntimeError(file, false);
    return bytes;
}

Result<QByteArray> ReadWholeFileOr(const QString& path, QByteArray missing)
{
    if (!QFile::exists(path))
        return missing;
    return ReadWholeFile(path);
}

Status ReplaceWholeFile(const QString& path, const QByteArray& content)
{
    FileReplacement file(path);
    if (Status failed = file.open())
        return failed;
    if (Status failed = file.write(content))
        return failed;
    return file.commit();
}

Status KeepAsBackup(const QString& path)
{
    if (!QFile::exists(path))
        return std::nullopt;
    return RenameFileOver(path, path + QStringLiteral(".bak"));
}
