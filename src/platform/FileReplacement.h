// A file replaced whole: written beside its target, forced to disk, and renamed over it only once
// every byte is known written, so that a full disk, an error or a stop at any moment leaves the
// old file as it was.
#pragma once

#include "platform/RuntimeError.h"

#include <QByteArrayView>
#include <QFile>
#include <QString>
#include <QStringList>

class FileReplacement {
public:
    explicit FileReplacement(QString path);
    // An uncommitted replacement takes its temporary file with it.
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    Status open();
    // Unbuffered: a failure is known at the write that met it, not at a later flush.
    Status write(QByteArrayView bytes);
    // Forces the data to disk and puts it in the target's place; after any earlier failure it
    // returns that failure and leaves the target untouched.
    Status commit();

    bool isOpen() const { return m_temp.isOpen(); }
    const QString& path() const { return m_path; }
    // The file being written, for another program to fill while it is open; "" before open().
    QString temporaryPath() const { return m_temp.fileName(); }

private:
    void discard();

    QString m_path;
    QString m_real; // the file replaced: the target of a link, not the link
    QFile m_temp;
    qint64 m_written = 0; // bytes in the temporary file
    Status m_failure;
};

// Renames `from` over `to`, which a rename needs no room for; the folder's entry is forced to disk.
Status RenameFileOver(const QString& from, const QString& to);

// Puts the finished file `from` in the place of `to` (same folder): forced to disk first, so that
// a power loss after the rename never finds `to` empty.
Status MoveFileOver(const QString& from, const QString& to);

// Removes from `folder` the temporary files that replacements of the files `targets` (names, or
// patterns such as "*.cfg") left behind when stopped before their end; no other file.
void RemoveReplacementLeftovers(const QString& folder, const QStringList& targets);

// For tests: every write from now on fails as a full disk does once `bytes` more bytes have been
// written (over all files), and a discarded temporary file gives its bytes back, as on a disk; a
// negative value lifts the limit.
void SetWriteLimitForTests(qint64 bytes);
