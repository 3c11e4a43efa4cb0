// A folder held open for many look-ups of its files, and listed once.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <span>

class OpenFolder {
public:
    // An empty folder text opens nothing: it would name the file system's root.
    explicit OpenFolder(const QString& folder);
    ~OpenFolder();
    OpenFolder(const OpenFolder&) = delete;
    OpenFolder& operator=(const OpenFolder&) = delete;

    bool isOpen() const;

    // Whether `name` (the file system's bytes) stands in the folder as a file, links followed.
    bool isFile(const QByteArray& name) const;

    // Calls `each` with the name of every file in the folder whose name ends in one of `suffixes`,
    // in any letter case; false when the folder cannot be listed here, and then each name is looked up.
    bool listFiles(std::span<const char* const> suffixes, const std::function<void(QByteArrayView name)>& each) const;

private:
#ifdef Q_OS_WIN
    QString m_folder;
#else
    int m_fd = -1;
#endif
};
