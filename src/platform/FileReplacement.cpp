#include "platform/FileReplacement.h"

#include "platform/FileNames.h"
#include "platform/RuntimeErrorText.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <atomic>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

std::atomic<qint64> g_writeLimit{-1};

// A discarded temporary file frees its bytes, as on a disk.
void returnToWriteLimit(qint64 bytes)
{
    qint64 left = g_writeLimit.load();
    while (left >= 0 && !g_writeLimit.compare_exchange_weak(left, left + bytes)) {
    }
}

// Takes `bytes` from the test limit; false when the limit does not allow them all.
bool withinWriteLimit(qint64 bytes, qint64& allowed)
{
    qint64 left = g_writeLimit.load();
    for (;;) {
        if (left < 0) {
            allowed = bytes;
            return true;
        }
        allowed = std::min(left, bytes);
        if (g_writeLimit.compare_exchange_weak(left, left - allowed))
            return allowed == bytes;
    }
}

bool syncToDisk(QFile& file)
{
#ifdef _WIN32
    return _commit(file.handle()) == 0;
#else
    return ::fsync(file.handle()) == 0;
#endif
}

// The rename is durable only once the folder's entry is on disk too.
void syncFolder(const QString& folder)
{
#ifndef _WIN32
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(folder);
#endif
}

RuntimeError diskFull() { return MakeRuntimeError(ErrorNumber::DiskFull); }

// A temporary file is its target's name, this mark and eight hex digits: a name that no user
// gives a file, so that the removal of leftovers can never take one of theirs.
constexpr const char* kTemporaryMark = ".zelvane-new-";
constexpr int kTemporaryDigits = 8;

QString temporaryName(const QString& target)
{
    return target + QLatin1String(kTemporaryMark) +
           QStringLiteral("%1").arg(QRandomGenerator::global()->generate(), kTemporaryDigits, 16, QLatin1Char('0'));
}

} // namespace

Status RenameFileOver(const QString& from, const QString& to)
{
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(from).toStdString(), QFile::encodeName(to).toStdString(), error);
    if (error)
        return MakeRuntimeError(error == std::errc::permission_denied || error == std::errc::operation_not_permitted
                                    ? ErrorNumber::PermissionDenied
                                    : ErrorNumber::PathFileAccess);
    syncFolder(QFileInfo(to).absolutePath());
    return std::nullopt;
}

FileReplacement::FileReplacement(QString path) : m_path(std::move(path)) {}

FileReplacement::~FileReplacement()
{
    if (m_temp.isOpen() || m_failure)
        discard();
}

Status FileReplacement::open()
{
    // A link is followed, so that the file it names is replaced and the link stays.
    const QFileInfo target(m_path);
    // A folder in the file's place can never be replaced: known before anything is written.
    if (target.exists() && !target.isFile())
        return m_failure = MakeRuntimeError(ErrorNumber::PathFileAccess);
    m_real = target.exists() ? target.canonicalFilePath() : target.absoluteFilePath();
    for (int attempt = 0; attempt < 16; ++attempt) {
        m_temp.setFileName(temporaryName(m_real));
        if (m_temp.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
            return std::nullopt;
        if (!m_temp.exists())
            break;
    }
    m_failure = FileRuntimeError(m_temp, true);
    // The caller reports the target, not our temporary name.
    m_temp.setFileName(QString());
    return m_failure;
}

Status FileReplacement::write(QByteArrayView bytes)
{
    if (m_failure)
        return m_failure;
    if (!m_temp.isOpen())
        return m_failure = MakeRuntimeError(ErrorNumber::PathFileAccess);
    qint64 allowed = 0;
    const bool whole = withinWriteLimit(bytes.size(), allowed);
    m_written += allowed;
    if (allowed > 0 && m_temp.write(bytes.data(), allowed) != allowed)
        // A write cut short without an error is a device that filled up under it.
        return m_failure = m_temp.error() == QFileDevice::NoError ? diskFull() : FileRuntimeError(m_temp, true);
    if (!whole)
        return m_failure = diskFull();
    return std::nullopt;
}

Status FileReplacement::commit()
{
    if (m_failure)
        return m_failure;
    if (!m_temp.isOpen())
        return m_failure = MakeRuntimeError(ErrorNumber::PathFileAccess);
    if (!m_temp.flush() || !syncToDisk(m_temp))
        return m_failure = m_temp.error() == QFileDevice::NoError ? MakeRuntimeError(ErrorNumber::DeviceIO)
                                                                  : FileRuntimeError(m_temp, true);
    m_temp.close();

    if (QFileInfo::exists(m_real))
        m_temp.setPermissions(QFile::permissions(m_real));
    if ((m_failure = RenameFileOver(m_temp.fileName(), m_real))) {
        discard();
        return m_failure;
    }
    m_temp.setFileName(QString());
    return std::nullopt;
}

void FileReplacement::discard()
{
    m_temp.close();
    if (!m_temp.fileName().isEmpty() && m_temp.remove())
        returnToWriteLimit(m_written);
    m_written = 0;
    m_temp.setFileName(QString());
}

Status MoveFileOver(const QString& from, const QString& to)
{
    QFile file(from);
    // Some systems flush only a handle that may write.
    if (!file.open(QIODevice::ReadWrite))
        return FileRuntimeError(file, true);
    if (!syncToDisk(file))
        return MakeRuntimeError(ErrorNumber::DeviceIO);
    file.close();
    return RenameFileOver(from, to);
}

void RemoveReplacementLeftovers(const QString& folder, const QStringList& targets)
{
    if (targets.isEmpty())
        return;
    QStringList names;
    for (const QString& target : targets)
        names << QRegularExpression::wildcardToRegularExpression(target, QRegularExpression::UnanchoredWildcardConversion);
    const QRegularExpression ours(
        QRegularExpression::anchoredPattern(QStringLiteral("(?:") + names.join(QLatin1Char('|')) + QLatin1Char(')') +
                                            QRegularExpression::escape(QLatin1String(kTemporaryMark)) +
                                            QStringLiteral("[0-9a-f]{%1}").arg(kTemporaryDigits)),
        FileNamesIgnoreCase() ? QRegularExpression::CaseInsensitiveOption : QRegularExpression::NoPatternOption);
    QDir dir(folder);
    // Links are left alone: the helper only ever makes plain files.
    for (const QFileInfo& entry : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks)) {
        if (ours.match(entry.fileName()).hasMatch())
            dir.remove(entry.fileName());
    }
}

void SetWriteLimitForTests(qint64 bytes) { g_writeLimit.store(bytes); }
