// The options wizard's folder rules: what a browsed folder becomes, the root refusal, the fill
// from the MAME folder and the check each folder passes at OK.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The message for a MAME folder without the program (which keeps its Windows name in the text).
inline constexpr const char* kCannotFindMame = "Cannot find mame.exe!";

// The folder that a typed text names, as it is saved: a leading "~" stands for the home folder,
// and a relative folder becomes the absolute one that it names from the program's current folder
// (MAME, run in its own folder, would read it from there). Absolute text stays as it is.
QString TypedFolder(const QString& text);

// True when the MAME folder's text names a folder that holds the MAME program.
bool HoldsMameProgram(const QString& mameFolder);

// A browsed folder as its box shows it: lower case where file names ignore case (Windows);
// elsewhere lower case would name another folder, so the case is kept.
QString BrowsedFolderText(const QString& folder);

// True when the text is a file system root (it ends with the separator: "c:\" or "/").
bool IsRootFolder(const QString& text);

// False for a folder that options.ini cannot hold as it is (a line break, characters the file's
// code page lacks, or more bytes than a value read back keeps).
bool IsStorableFolder(const QString& folder);

// Why mame.ini cannot hold the folder named `name` (a '"' ends MAME's value there and a ';'
// splits its search paths); nothing when it can.
std::optional<QString> MameIniRefusal(const QString& folder, const QString& name);

// What the MAME browse puts into an empty box: the MAME folder, or the sub-folder in it.
QString FillFromMame(const QString& mameFolder, const QString& subFolder);

// The refusal of a folder that options.ini cannot hold as it is, browsed or typed.
inline constexpr const char* kInvalidSelection = "Invalid selection!  Please try again.";
inline constexpr const char* kInvalidSelectionTitle = "Zelvane";

struct FolderVerdict {
    bool passed = false;
    QString path;    // the folder without one trailing separator
    QString message; // why it failed
    QString title = QStringLiteral("Directories"); // the refusal's title
};

// The check of one folder box, on the folder the text names (TypedFolder). `name` is the folder's
// display name; an optional folder may be empty but not a root. A required folder must be more
// than a root (on Windows: at least 4 characters), and any folder given must fit options.ini and
// mame.ini and exist.
FolderVerdict CheckFolder(const QString& text, const QString& name, bool required);

// The years offered by the hide-by-year list: 1975 to the year before `currentYear`, ascending.
QStringList YearList(int currentYear);
