#include "support/FullDisk.h"

#include "platform/FileReplacement.h"

#include <QDir>
#include <QFile>
#include <QProcess>

ScopedWriteLimit::ScopedWriteLimit(qint64 bytes) { SetWriteLimitForTests(bytes); }

ScopedWriteLimit::~ScopedWriteLimit() { SetWriteLimitForTests(-1); }

SmallFileSystem::SmallFileSystem(qint64 bytes)
{
    if (!m_dir.isValid())
        return;
    QProcess mount;
    mount.start(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                          QStringLiteral("size=%1").arg(bytes), QStringLiteral("tmpfs"), m_dir.path()});
    m_mounted = mount.waitForFinished(10000) && mount.exitStatus() == QProcess::NormalExit && mount.exitCode() == 0;
}

SmallFileSystem::~SmallFileSystem()
{
    if (!m_mounted)
        return;
    QProcess umount;
    umount.start(QStringLiteral("umount"), {QStringLiteral("-l"), m_dir.path()});
    umount.waitForFinished(10000);
}

void SmallFileSystem::fill()
{
    QFile filler(m_dir.filePath(QStringLiteral(".filler")));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {
    }
}

bool SmallFileSystem::makeReadOnly()
{
    if (!m_mounted)
        return false;
    QProcess mount;
    mount.start(QStringLiteral("mount"), {QStringLiteral("-o"), QStringLiteral("remount,ro"), m_dir.path()});
    return mount.waitForFinished(10000) && mount.exitStatus() == QProcess::NormalExit && mount.exitCode() == 0;
}

std::string DiskFullPrompt(const QString& file)
{
    return ("Zelvane could not save " + QDir::toNativeSeparators(file) +
            ": Disk full.\rThe file keeps its previous contents.")
        .toStdString();
}
