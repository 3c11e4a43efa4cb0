#include "platform/FileNames.h"

#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

QString FindSubfolder(const QString& folder, const QString& name)
{
    const QString exact = folder + QLatin1Char('/') + name;
    if (FileNamesIgnoreCase() || folder.isEmpty() || QFileInfo(exact).isDir())
        return exact;
    const QStringList entries = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder + QLatin1Char('/') + entry;
    return exact;
}

QString MameProgramName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("mame.exe");
#else
    return QStringLiteral("mame");
#endif
}

QString MameDiffProgramName()
{
#ifdef Q_OS_WIN
    return QStringLiteral("mamediff.exe");
#else
    return QStringLiteral("mamediff");
#endif
}

QString ShortPathName(const QString& path)
{
#ifdef Q_OS_WIN
    wchar_t buffer[1024];
    const DWORD n = GetShortPathNameW(reinterpret_cast<const wchar_t*>(path.utf16()), buffer, 1024);
    if (n == 0 || n >= 1024)
        return QString();
    return QString::fromWCharArray(buffer, int(n));
#else
    return QFileInfo::exists(path) ? path : QString();
#endif
}

bool IsDriveOrRoot(const QString& text, const QString& path)
{
#ifdef Q_OS_WIN
    Q_UNUSED(path);
    return text.size() < 4;
#else
    Q_UNUSED(text);
    return QDir(path).isRoot();
#endif
}
