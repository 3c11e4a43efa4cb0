#include "platform/WholeFile.h"

#include "platform/RuntimeErrorText.h"

#include <QFile>
#include <QSaveFile>

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

Result<QByteArray> ReadWholeFileOr(const QString& path, QByteArray missing)
{
    if (!QFile::exists(path))
        return missing;
    return ReadWholeFile(path);
}

Status ReplaceWholeFile(const QString& path, const QByteArray& content)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return FileRuntimeError(file, true);
    if (file.write(content) != content.size() || !file.commit())
        return FileRuntimeError(file, true);
    return std::nullopt;
}
