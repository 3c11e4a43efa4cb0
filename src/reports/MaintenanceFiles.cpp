#include "reports/MaintenanceFiles.h"

#include "platform/FileNames.h"
#include "platform/RuntimeErrorText.h"
#include "shell/ShortPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

bool IsPlainFileName(const QString& name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           !name.contains(QLatin1Char(':')) && !name.contains(QLatin1String("..")) && !name.contains(QChar(0));
}

QString FileInFolder(const QString& folder, const QString& name)
{
    if (folder.isEmpty() || !IsPlainFileName(name))
        return QString();
    return JoinPath(folder, name);
}

QString ListedFile(const QString& folder, const QString& name)
{
    const bool separator =
        name.contains(QLatin1Char('/')) || (QDir::separator() != QLatin1Char('/') && name.contains(QDir::separator()));
    if (folder.isEmpty() || name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") || separator)
        return QString();
    return JoinPath(folder, name);
}

bool SameFolder(const QString& a, const QString& b)
{
    const auto cleaned = [](const QString& path) { return QDir::cleanPath(QDir::fromNativeSeparators(path)); };
    const Qt::CaseSensitivity cs = FileNamesIgnoreCase() ? Qt::CaseInsensitive : Qt::CaseSensitive;
    if (cleaned(a).compare(cleaned(b), cs) == 0)
        return true;
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

QString GameFile(const QString& folder, const QString& rom, const QString& extension)
{
    return IsPlainFileName(rom) ? FileInFolder(folder, rom + extension) : QString();
}

bool FileExists(const QString& path) { return !path.isEmpty() && QFileInfo(path).isFile(); }

Status KillFile(const QString& path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || (!info.exists() && !info.isSymLink()))
        return MakeRuntimeError(ErrorNumber::FileNotFound);
    // A link is removed itself, never what it points to; a folder is never removed.
    if (info.isDir() && !info.isSymLink())
        return MakeRuntimeError(ErrorNumber::PathFileAccess);
    if (!QFile::remove(path))
        return MakeRuntimeError(ErrorNumber::PathFileAccess);
    return std::nullopt;
}

QStringList FolderFiles(const QString& folder)
{
    if (folder.isEmpty())
        return {};
    return QDir(folder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
}

QStringList FilesWithExtension(const QString& folder, const QString& extension)
{
    QStringList files = FolderFiles(folder);
    files.removeIf([&](const QString& name) { return !name.endsWith(extension, Qt::CaseInsensitive); });
    return files;
}

void RomNameSet::insert(const QString& rom) { m_zips.insert((rom + QStringLiteral(".zip")).toCaseFolded()); }

bool RomNameSet::listsZip(const QString& fileName) const { return m_zips.contains(fileName.toCaseFolded()); }

std::vector<QString> RomSetFiles(const DirectorySettings& dirs, const QString& rom)
{
    struct Row {
        QString DirectorySettings::* folder;
        const char* extension;
    };
    static constexpr Row kRows[] = {
        {&DirectorySettings::strROMsPath, ".zip"},   {&DirectorySettings::strAdditionalROMsPath, ".zip"},
        {&DirectorySettings::strCfgPath, ".cfg"},    {&DirectorySettings::strHiscorePath, ".hi"},
        {&DirectorySettings::strNvramPath, ".nv"},   {&DirectorySettings::strInputPath, ".inp"},
        {&DirectorySettings::strArtworkPath, ".zip"},
    };
    std::vector<QString> files;
    for (const Row& row : kRows) {
        const QString path = GameFile(dirs.*row.folder, rom, QLatin1String(row.extension));
        if (!path.isEmpty())
            files.push_back(path);
    }
    return files;
}
