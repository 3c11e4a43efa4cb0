#include "platform/WholeFile.h"

#include "platform/FileReplacement.h"
#include "platform/RuntimeErrorText.h"

#include <QFile>

#include <filesystem>
#include <system_error>

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
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(path).toStdString(), QFile::encodeName(path + QStringLiteral(".bak")).toStdString(),
                            error);
    if (!error)
        return std::nullopt;
    return MakeRuntimeError(error == std::errc::permission_denied || error == std::errc::operation_not_permitted
                                ? ErrorNumber::PermissionDenied
                                : ErrorNumber::PathFileAccess);
}
