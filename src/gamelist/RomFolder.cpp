#include "gamelist/RomFolder.h"

#include "platform/AnsiText.h"
#include "shell/ShortPath.h"
#include "state/GameRecord.h"

#include <QFileInfo>

bool RomSetExists(const QString& folder, const QString& rom, bool todaysMame)
{
    if (folder.isEmpty())
        return false;
    for (const char* extension : SetFileExtensions(todaysMame))
        if (QFileInfo(JoinPath(folder, rom + QLatin1String(extension))).isFile())
            return true;
    return false;
}

RomFolder::RomFolder(const QString& folder) : m_folder(folder)
{
    const std::span<const char* const> extensions = SetFileExtensions(true);
    m_listed = m_folder.listFiles(extensions, [this, extensions](QByteArrayView name) {
        for (size_t i = 0; i < extensions.size(); ++i) {
            const QByteArrayView extension(extensions[i]);
            if (name.last(std::min(name.size(), extension.size())).compare(extension, Qt::CaseInsensitive) == 0) {
                const QString listed = fromAnsi(name);
                m_sets[i].insert(listed.chopped(extension.size()).toLower(), listed);
            }
        }
    });
}

bool RomFolder::hasSet(const QString& rom, bool todaysMame)
{
    if (!m_folder.isOpen())
        return false;
    const std::span<const char* const> extensions = SetFileExtensions(todaysMame);
    // ROM names are lower case already, and then toLower copies nothing.
    const QString key = m_listed ? rom.toLower() : QString();
    for (size_t i = 0; i < extensions.size(); ++i) {
        if (!m_listed) {
            if (isFile(rom, extensions[i]))
                return true;
            continue;
        }
        const auto listed = m_sets[i].constFind(key);
        if (listed == m_sets[i].cend())
            continue;
        // "galaga.ZIP" is galaga's zip only where the file system says so, as MAME finds it there.
        const QLatin1String extension(extensions[i]);
        const bool exact =
            listed->size() == rom.size() + extension.size() && listed->startsWith(rom) && listed->endsWith(extension);
        if (exact || isFile(rom, extensions[i]))
            return true;
    }
    return false;
}

bool RomFolder::isFile(const QString& rom, const char* extension) const
{
    return m_folder.isFile(toAnsi(rom) + extension);
}
