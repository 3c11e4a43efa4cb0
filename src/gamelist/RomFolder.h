// The installed test for one ROM folder: does a file that holds the game's set ("<rom>.zip", and
// for today's MAME "<rom>.7z") stand there under the name MAME opens?
#pragma once

#include "platform/OpenFolder.h"

#include <QHash>
#include <QString>

#include <array>

// The list load asks twice for every game, and a stat per name costs more than the rest of the
// load, so the folder's set files are listed once. A name found there only in another letter case
// is left to a stat, which answers as the file system does (a match on FAT or NTFS, none on ext4).
// An empty folder setting finds nothing: it would name files at the file system's root.
// The same test for one game, where listing the folder would cost more than it saves.
bool RomSetExists(const QString& folder, const QString& rom, bool todaysMame);

class RomFolder {
public:
    explicit RomFolder(const QString& folder);

    bool hasSet(const QString& rom, bool todaysMame);

private:
    bool isFile(const QString& rom, const char* extension) const;

    OpenFolder m_folder;   // where each stat looks up one name
    bool m_listed = false; // false when the folder could not be read: stat each name
    // Per extension of SetFileExtensions: lower-case name without the extension -> the file name
    // as listed.
    std::array<QHash<QString, QString>, 2> m_sets;
};
