#include "reports/MaintenanceFiles.h"

#include "platform/FileNames.h"
#include "platform/RuntimeErrorText.h"
#include "shell/ShortPath.h"

#include <QDir>
#include <QDirIterator>
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

GamePath GameFolder(const QString& folder, const QString& rom)
{
    // "." would name the folder itself, with every other game's files in it.
    const bool entry = IsPlainFileName(rom) && rom != QLatin1String(".");
    return {entry ? FileInFolder(folder, rom) : QString(), true};
}

bool GamePathExists(const GamePath& item)
{
    return item.folder ? !item.path.isEmpty() && QFileInfo(item.path).isDir() : FileExists(item.path);
}

namespace {

bool isLink(const QFileInfo& info) { return info.isSymLink() || info.isJunction(); }

// Empties and removes a folder that is no link; false when anything stayed.
bool removeFolder(const QString& path)
{
    bool all = true;
    QDirIterator entries(path, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        entries.next();
        const QFileInfo info = entries.fileInfo();
        const bool removed =
            info.isDir() && !isLink(info) ? removeFolder(info.filePath()) : QFile::remove(info.filePath());
        all = all && removed;
    }
    return QDir().rmdir(path) && all;
}

} // namespace

Status KillGamePath(const GamePath& item)
{
    if (!item.folder)
        return KillFile(item.path);
    // Only a folder, or a link to one, is the game's folder; a file by its name is MAME's error.
    const QFileInfo info(item.path);
    if (!GamePathExists(item))
        return MakeRuntimeError(ErrorNumber::FileNotFound);
    const bool removed = isLink(info) ? QFile::remove(item.path) : removeFolder(item.path);
    if (!removed)
        return MakeRuntimeError(ErrorNumber::PathFileAccess);
    return std::nullopt;
}

QStringList SubFolders(const QString& folder)
{
    if (folder.isEmpty())
        return {};
    return QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

QStringList NamedAfterGames(QStringList names, const QStringList& games)
{
    const bool fold = FileNamesIgnoreCase();
    QSet<QString> known;
    for (const QString& game : games)
        known.insert(fold ? game.toCaseFolded() : game);
    names.removeIf([&](const QString& name) { return !known.contains(fold ? name.toCaseFolded() : name); });
    return names;
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

void RomNameSet::insert(const QString& rom, bool todaysMame)
{
    const QString folded = rom.toCaseFolded();
    for (const char* extension : SetFileExtensions(todaysMame))
        m_files.insert(folded + QLatin1String(extension));
}

bool RomNameSet::listsSet(const QString& fileName) const { return m_files.contains(fileName.toCaseFolded()); }

namespace {

constexpr QString DirectorySettings::* kRomFolders[] = {&DirectorySettings::strROMsPath,
                                                       &DirectorySettings::strAdditionalROMsPath};

} // namespace

QString HeldSetExtension(const DirectorySettings& dirs, const QString& rom, bool todaysMame)
{
    for (const char* extension : SetFileExtensions(todaysMame))
        for (const auto folder : kRomFolders)
            if (FileExists(GameFile(dirs.*folder, rom, QLatin1String(extension))))
                return QLatin1String(extension);
    return QStringLiteral(".zip");
}

std::vector<GamePath> RomSetFiles(const DirectorySettings& dirs, const QString& rom, bool todaysMame)
{
    std::vector<GamePath> files;
    const auto add = [&](const GamePath& item) {
        if (!item.path.isEmpty())
            files.push_back(item);
    };
    for (const auto folder : kRomFolders)
        for (const char* extension : SetFileExtensions(todaysMame))
            add({GameFile(dirs.*folder, rom, QLatin1String(extension))});
    add({GameFile(dirs.strCfgPath, rom, QStringLiteral(".cfg"))});
    add({GameFile(dirs.strHiscorePath, rom, QStringLiteral(".hi"))});
    add({GameFile(dirs.strNvramPath, rom, QStringLiteral(".nv"))});
    if (todaysMame)
        add(GameFolder(dirs.strNvramPath, rom));
    add({GameFile(dirs.strInputPath, rom, QStringLiteral(".inp"))});
    add({GameFile(dirs.strArtworkPath, rom, QStringLiteral(".zip"))});
    return files;
}
