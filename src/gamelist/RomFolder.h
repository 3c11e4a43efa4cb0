// The installed test for one ROM folder: does "<folder>/<rom>.zip" stand there as a file?
#pragma once

#include "platform/OpenFolder.h"

#include <QHash>
#include <QString>

// The list load asks twice for every game, and a stat per name costs more than the rest of the
// load, so the folder's zip files are listed once. A name found there only in another letter case
// is left to a stat, which answers as the file system does (a match on FAT or NTFS, none on ext4).
// An empty folder setting finds nothing: it would name zips at the file system's root.
// The same test for one game, where listing the folder would cost more than it saves.
bool RomZipExists(const QString& folder, const QString& rom);

class RomFolder {
public:
    explicit RomFolder(const QString& folder);

    bool hasZip(const QString& rom);

private:
    bool isZip(const QString& rom) const;

    OpenFolder m_folder;           // where each stat looks up one name
    bool m_listed = false;         // false when the folder could not be read: stat each name
    QHash<QString, QString> m_zips; // lower-case name without ".zip" -> the file name as listed
};
