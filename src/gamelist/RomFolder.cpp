#include "gamelist/RomFolder.h"

#include "platform/AnsiText.h"
#include "shell/ShortPath.h"

#include <QFile>
#include <QFileInfo>

#ifndef Q_OS_WIN
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

bool RomZipExists(const QString& folder, const QString& rom)
{
    return !folder.isEmpty() && QFileInfo(JoinPath(folder, rom + QStringLiteral(".zip"))).isFile();
}

RomFolder::RomFolder(const QString& folder) : m_folder(folder)
{
#ifndef Q_OS_WIN
    if (folder.isEmpty())
        return;
    m_fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_fd >= 0)
        m_listed = list();
#endif
}

RomFolder::~RomFolder()
{
#ifndef Q_OS_WIN
    if (m_fd >= 0)
        ::close(m_fd);
#endif
}

bool RomFolder::hasZip(const QString& rom)
{
    if (m_folder.isEmpty())
        return false;
#ifdef Q_OS_WIN
    return RomZipExists(m_folder, rom);
#else
    if (m_fd < 0)
        return false;
    if (!m_listed)
        return isZip(rom);
    // ROM names are lower case already, and then toLower copies nothing.
    const auto listed = m_zips.constFind(rom.toLower());
    if (listed == m_zips.cend())
        return false;
    return *listed == rom || isZip(rom);
#endif
}

bool RomFolder::isZip(const QString& rom) const
{
    return isFile(toAnsi(rom) + ".zip");
}

bool RomFolder::isFile(const QByteArray& name) const
{
#ifdef Q_OS_WIN
    Q_UNUSED(name);
    return false;
#else
    struct stat info;
    return ::fstatat(m_fd, name.constData(), &info, 0) == 0 && S_ISREG(info.st_mode);
#endif
}

bool RomFolder::list()
{
#ifdef Q_OS_WIN
    return false;
#else
    DIR* dir = ::fdopendir(::dup(m_fd));
    if (!dir)
        return false;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArrayView name(entry->d_name);
        if (name.size() < 4 || name.last(4).compare(".zip", Qt::CaseInsensitive) != 0)
            continue;
        const bool file = entry->d_type == DT_REG ||
                          ((entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) && isFile(name.toByteArray()));
        if (file) {
            const QString stem = fromAnsi(name.chopped(4));
            m_zips.insert(stem.toLower(), stem);
        }
    }
    ::closedir(dir);
    return true;
#endif
}
