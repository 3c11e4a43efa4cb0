// How this platform names files: letter case, the MAME program's name, short names and roots.
#pragma once

#include <QString>

// Whether file names ignore letter case here (Windows); where they do not, lower-casing a path
// would name another file.
constexpr bool FileNamesIgnoreCase()
{
#ifdef Q_OS_WIN
    return true;
#else
    return false;
#endif
}

// The text lower-cased where file names ignore case, the way paths and command lines have always
// been written there; elsewhere unchanged.
inline QString LowerWhereCaseIgnored(const QString& text) { return FileNamesIgnoreCase() ? text.toLower() : text; }

// The folder `name` inside `folder` as the file system spells it: MAME's own folders ("icons")
// are found whatever their letter case, since a copy made on Windows may say "Icons". The name
// itself wins over other spellings; with no such folder, the name joined to `folder`.
QString FindSubfolder(const QString& folder, const QString& name);

// The file name of the MAME program in its folder: "mame.exe" on Windows, "mame" elsewhere.
QString MameProgramName();

// The file name of the outside MAMEDiff tool in the MAME folder, named as the MAME program is.
QString MameDiffProgramName();

// The short (8.3) form of an existing, non-empty path as the file system stores it; "" when the
// path does not exist. Where a file system has no short names this is the path itself.
QString ShortPathName(const QString& path);

// Whether a folder's text names no more than a drive or the file system's root; `path` is the
// same text without its trailing separator.
bool IsDriveOrRoot(const QString& text, const QString& path);
