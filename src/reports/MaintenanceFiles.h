// Where the maintenance commands may delete: plain file names inside a folder the user set,
// never a sub-folder and never a path at the root that an empty setting would make.
#pragma once

#include "platform/RuntimeError.h"
#include "state/AppState.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <vector>

// A name that stays inside its folder: not empty, no separator or drive, no "..".
bool IsPlainFileName(const QString& name);

// The file `name` in `folder`; "" when the folder setting is empty or the name is not plain.
QString FileInFolder(const QString& folder, const QString& name);

// The file `name` that a listing of `folder` returned: any name the file system allows, ".." or
// ":" inside it included; "" when the folder setting is empty or the name is not a single entry.
QString ListedFile(const QString& folder, const QString& name);

// Whether two folder settings name one folder: the same text but for separators and a trailing
// one, or the same folder on disk.
bool SameFolder(const QString& a, const QString& b);

// A game's file: its ROM set name and `extension` in `folder`; "" as FileInFolder, and also
// when the ROM name is empty or not plain.
QString GameFile(const QString& folder, const QString& rom, const QString& extension);

// Whether `path` names a file; folders and "" do not.
bool FileExists(const QString& path);

// Deletes the one file: error 53 when there is none, 75 when it is a folder or stays.
Status KillFile(const QString& path);

// The names of the files directly in `folder`, sorted by name without regard to case; its
// sub-folders and hidden files are left out, and an empty setting holds nothing.
QStringList FolderFiles(const QString& folder);

// Those of FolderFiles whose names end with `extension`, without regard to case.
QStringList FilesWithExtension(const QString& folder, const QString& extension);

// The ROM set names of a list, to tell a ROM folder's zip files from its orphans.
class RomNameSet {
public:
    void insert(const QString& rom);
    // Whether `fileName` is a listed set's name followed by ".zip", without regard to case.
    bool listsZip(const QString& fileName) const;
    qsizetype size() const { return m_zips.size(); }

private:
    QSet<QString> m_zips;
};

// The files Delete ROM takes without asking, in its order: the ROM zips of both ROM folders, the
// .cfg, .hi, .nv and .inp files and the artwork zip. Folders without a setting are left out,
// and a ROM name that is not a plain file name gives none.
std::vector<QString> RomSetFiles(const DirectorySettings& dirs, const QString& rom);
