// The output files another program writes for us into a folder, cleared before and after its run.
#pragma once

#include <QString>
#include <QStringList>

// Removes the named files when made, so that one an earlier run left never passes for this run's,
// and again when it goes, on every way out. An empty folder setting holds none: the current
// folder is never taken for it.
class ToolFiles {
public:
    ToolFiles(const QString& folder, QStringList names);
    ~ToolFiles();
    ToolFiles(const ToolFiles&) = delete;
    ToolFiles& operator=(const ToolFiles&) = delete;

    // `name` in the folder; "" when the folder setting is empty.
    QString path(const QString& name) const;

private:
    void removeAll() const;

    QString m_folder;
    QStringList m_names;
};
