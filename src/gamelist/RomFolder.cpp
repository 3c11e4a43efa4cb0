#include "gamelist/RomFolder.h"

#include "platform/AnsiText.h"
#include "shell/ShortPath.h"

#include <QFileInfo>

bool RomZipExists(const QString& folder, const QString& rom)
{
    return !folder.isEmpty() && QFileInfo(JoinPath(folder, rom + QStringLiteral(".zip"))).isFile();
}

RomFolder::RomFolder(const QString& folder) : m_folder(folder)
{
    m_listed = m_folder.listFiles(".zip", [this](QByteArrayView name) {
        const QString listed = fromAnsi(name);
        m_zips.insert(listed.chopped(4).toLower(), listed);
    });
}

bool RomFolder::hasZip(const QString& rom)
{
    if (!m_folder.isOpen())
        return false;
    if (!m_listed)
        return isZip(rom);
    // ROM names are lower case already, and then toLower copies nothing.
    const auto listed = m_zips.constFind(rom.toLower());
    if (listed == m_zips.cend())
        return false;
    // "galaga.ZIP" is galaga's zip only where the file system says so, as MAME finds it there.
    return (listed->size() == rom.size() + 4 && listed->startsWith(rom) && listed->endsWith(QLatin1String(".zip"))) ||
           isZip(rom);
}

bool RomFolder::isZip(const QString& rom) const { return m_folder.isFile(toAnsi(rom) + ".zip"); }
