// Where the maintenance commands may delete: plain file names inside a folder the user set, a
// game's own folder there where today's MAME keeps one, and never a path at the root that an
// empty setting would make.
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

// A game's file, or the folder named after the game in which today's MAME keeps its files of one
// kind (NVRAM, snapshots).
struct GamePath {
    QString path;
    bool folder = false;
};

// The game's folder in `folder`; "" as GameFile, and for a name that is no entry of it (".").
GamePath GameFolder(const QString& folder, const QString& rom);

// Whether the file or the folder (a link to one counts as one) is there.
bool GamePathExists(const GamePath& item);

// Deletes a file as KillFile does, or a folder with all it holds. Nothing outside the folder is
// touched: a link in it, or the folder itself when it is a link, is removed as a link, never
// followed. Error 53 when there is none (a file by the folder's name is none); 75 when anything
// stays (the rest is deleted).
Status KillGamePath(const GamePath& item);

// The sub-folders of `folder` (links to folders among them), sorted by name without regard to
// case; hidden ones are left out, and an empty setting holds none.
QStringList SubFolders(const QString& folder);

// Those of `names` that name one of `games`, in the file system's letter case.
QStringList NamedAfterGames(QStringList names, const QStringList& games);

// The names of the files directly in `folder`, sorted by name without regard to case; its
// sub-folders and hidden files are left out, and an empty setting holds nothing.
QStringList FolderFiles(const QString& folder);

// Those of FolderFiles whose names end with `extension`, without regard to case.
QStringList FilesWithExtension(const QString& folder, const QString& extension);

// The ROM set names of a list, to tell a ROM folder's set files from its orphans.
class RomNameSet {
public:
    // The set's zip, and for today's MAME its .7z too.
    void insert(const QString& rom, bool todaysMame);
    // Whether `fileName` is a listed set's file, without regard to case.
    bool listsSet(const QString& fileName) const;
    qsizetype size() const { return m_files.size(); }

private:
    QSet<QString> m_files;
};

// The extension of the file that holds the set in the ROM folders, the first that MAME opens;
// ".zip" when there is none.
QString HeldSetExtension(const DirectorySettings& dirs, const QString& rom, bool todaysMame);

// What Delete ROM takes without asking, in its order: the set files of both ROM folders, the
// .cfg, .hi and .nv files (and today's NVRAM folder), the .inp file and the artwork zip. Folders
// without a setting are left out, and a ROM name that is not a plain file name gives none.
std::vector<GamePath> RomSetFiles(const DirectorySettings& dirs, const QString& rom, bool todaysMame);
