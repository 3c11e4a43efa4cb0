#include "platform/OpenFolder.h"

#ifdef Q_OS_WIN
#include "platform/AnsiText.h"

#include <QDir>
#include <QFileInfo>
#else
#include <QFile>

#include <algorithm>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#ifdef Q_OS_WIN

OpenFolder::OpenFolder(const QString& folder) : m_folder(folder) {}

OpenFolder::~OpenFolder() = default;

bool OpenFolder::isOpen() const { return !m_folder.isEmpty(); }

bool OpenFolder::isFile(const QByteArray& name) const
{
    return isOpen() && QFileInfo(QDir(m_folder).filePath(fromAnsi(name))).isFile();
}

bool OpenFolder::listFiles(std::span<const char* const>, const std::function<void(QByteArrayView)>&) const
{
    return false;
}

#else

OpenFolder::OpenFolder(const QString& folder)
{
    if (!folder.isEmpty())
        m_fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

OpenFolder::~OpenFolder()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool OpenFolder::isOpen() const { return m_fd >= 0; }

bool OpenFolder::isFile(const QByteArray& name) const
{
    struct stat info;
    return m_fd >= 0 && ::fstatat(m_fd, name.constData(), &info, 0) == 0 && S_ISREG(info.st_mode);
}

bool OpenFolder::listFiles(std::span<const char* const> suffixes, const std::function<void(QByteArrayView)>& each) const
{
    if (m_fd < 0)
        return false;
    DIR* dir = ::fdopendir(::dup(m_fd));
    if (!dir)
        return false;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArrayView name(entry->d_name);
        const auto ends = [name](QByteArrayView suffix) {
            return name.size() >= suffix.size() && name.last(suffix.size()).compare(suffix, Qt::CaseInsensitive) == 0;
        };
        if (std::none_of(suffixes.begin(), suffixes.end(), ends))
            continue;
        // A link, or a file system that does not say, is asked once more.
        const bool file = entry->d_type == DT_REG ||
                          ((entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) && isFile(name.toByteArray()));
        if (file)
            each(name);
    }
    ::closedir(dir);
    return true;
}

#endif
