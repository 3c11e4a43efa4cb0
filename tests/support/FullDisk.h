// Two ways for a test to meet a full disk: a write limit inside the program's file replacement,
// and a small tmpfs of its own when the test may mount one.
#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <string>

// Writes fail as on a full disk once `bytes` more bytes were written, until this goes.
class ScopedWriteLimit {
public:
    explicit ScopedWriteLimit(qint64 bytes);
    ~ScopedWriteLimit();
    ScopedWriteLimit(const ScopedWriteLimit&) = delete;
    ScopedWriteLimit& operator=(const ScopedWriteLimit&) = delete;
};

// What the user is told when `file` could not be saved for a full disk.
std::string DiskFullPrompt(const QString& file);

// A tmpfs of `bytes` mounted on a fresh folder (needs root); path() is empty when it could not be
// mounted.
class SmallFileSystem {
public:
    explicit SmallFileSystem(qint64 bytes);
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    QString path() const { return m_mounted ? m_dir.path() : QString(); }
    // Fills what is left with one file, so that the next write meets a full disk.
    void fill();
    // Mounts it again read-only: every file stays, none can be made or changed.
    bool makeReadOnly();

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};
