#include "platform/RuntimeErrorText.h"

#include <QDir>
#include <QFileInfo>

QString RuntimeErrorDescription(int number)
{
    switch (number) {
    case ErrorNumber::InvalidCall: return QStringLiteral("Invalid procedure call or argument");
    case ErrorNumber::Overflow: return QStringLiteral("Overflow");
    case ErrorNumber::TypeMismatch: return QStringLiteral("Type mismatch");
    case ErrorNumber::FileNotFound: return QStringLiteral("File not found");
    case ErrorNumber::DeviceIO: return QStringLiteral("Device I/O error");
    case ErrorNumber::BadRecordLength: return QStringLiteral("Bad record length");
    case ErrorNumber::DiskFull: return QStringLiteral("Disk full");
    case ErrorNumber::InputPastEnd: return QStringLiteral("Input past end of file");
    case ErrorNumber::DeviceUnavailable: return QStringLiteral("Device unavailable");
    case ErrorNumber::PermissionDenied: return QStringLiteral("Permission denied");
    case ErrorNumber::PathFileAccess: return QStringLiteral("Path/File access error");
    case ErrorNumber::PathNotFound: return QStringLiteral("Path not found");
    case ErrorNumber::InvalidPicture: return QStringLiteral("Invalid picture");
    default: return QStringLiteral("Application-defined or object-defined error");
    }
}

RuntimeError MakeRuntimeError(int number, int line)
{
    return RuntimeError{number, RuntimeErrorDescription(number), line};
}

RuntimeError FileRuntimeError(const QFileDevice& file, bool writing, int line)
{
    int number = ErrorNumber::PathFileAccess;
    switch (file.error()) {
    case QFileDevice::ResourceError:
        number = ErrorNumber::DiskFull;
        break;
    case QFileDevice::PermissionsError:
        number = ErrorNumber::PermissionDenied;
        break;
    case QFileDevice::OpenError: {
        const QFileInfo info(file.fileName());
        if (!info.absoluteDir().exists())
            number = ErrorNumber::PathNotFound;
        else if (!writing && !info.exists())
            number = ErrorNumber::FileNotFound;
        else if (info.exists() && (writing ? !info.isWritable() : !info.isReadable()))
            number = ErrorNumber::PermissionDenied;
        break;
    }
    default:
        break;
    }
    return MakeRuntimeError(number, line);
}

QString SaveFailedText(const QString& file, const RuntimeError& error)
{
    return QStringLiteral("Zelvane could not save %1: %2.\rThe file keeps its previous contents.")
        .arg(QDir::toNativeSeparators(file), error.description);
}
