// A temporary folder that a death test's child shares with its parent. The child runs the test
// again from its start, so the parent hands the folder over through the environment.
#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>

class SharedTestDir {
public:
    SharedTestDir();
    ~SharedTestDir();
    SharedTestDir(const SharedTestDir&) = delete;
    SharedTestDir& operator=(const SharedTestDir&) = delete;

    QString path() const { return m_path; }
    QString filePath(const QString& name) const;

private:
    std::unique_ptr<QTemporaryDir> m_owned; // the parent's; the child only borrows it
    QString m_path;
};
