// mame.ini, which the program owns: the path part (MAME's folders) written at rest, and the
// option part translated from a settings file appended before a game runs.
#pragma once

#include "platform/RuntimeError.h"
#include "state/AppState.h"

#include <QString>

#include <memory>

class FileReplacement;

// The base mame.ini of `dirs` (as CreateMAMEIni writes it) made in two steps, so that it can wait
// for options.ini to hold its folders: write() writes it beside its place, commit() puts it there.
// Dropped uncommitted, it leaves the Ini folder as it was.
class PendingMameIni {
public:
    explicit PendingMameIni(const DirectorySettings& dirs);
    ~PendingMameIni();
    PendingMameIni(const PendingMameIni&) = delete;
    PendingMameIni& operator=(const PendingMameIni&) = delete;

    // An empty Ini folder, one that cannot be written and a full disk fail here.
    Status write();
    Status commit();

private:
    DirectorySettings m_dirs;
    std::unique_ptr<FileReplacement> m_file;
};

// Replaces <Ini folder>/mame.ini with the path part. Path values are the folders' command forms
// (the short members of `dirs`); a value holding a blank is written in double quotes. A file
// that cannot be written, or an empty Ini folder, is reported to the caller.
Status CreateMAMEIni(const DirectorySettings& dirs);

// Which MAME the lines are for: the older one, or today's, which has renamed or dropped many
// options and takes other values for some (see CurrentOptions.h).
enum class MameLayout { Older, Current };

// The layout of the MAME that listed the game.
MameLayout LayoutOfGame(const GameRecord& game);

// The folder that MAME is told to read mame.ini from (MameCommands' `iniFolder`): for today's MAME
// the Ini folder's command form, as the path part names it; empty for the older MAME.
QString MameIniFolderArgument(const DirectorySettings& dirs, MameLayout layout);

// False when mame.ini is missing or holds an option line that the path part does not write: an
// option part left when the program or the machine stopped during a game.
bool MameIniAtRest(const DirectorySettings& dirs);

// What BuildIni is asked for: the settings file in use (it should exist; missing keys give MAME's
// defaults), the current game's ROM set name, the main window's Record and Playback boxes, and
// which MAME reads the file.
struct BuildIniRequest {
    QString settingsFile;
    QString rom;
    bool playback = false;
    bool record = false;
    MameLayout layout = MameLayout::Older;
};

// Replaces mame.ini with a fresh path part (for today's MAME without the lines it has no option
// for) and the option part, and returns the settings file's Other Commands, which the caller
// puts on MAME's command line or shows. The file is replaced in one write, so a failure leaves it
// as it was. A failure is fatal for the caller: show BuildIniErrorText, then end the program.
Result<QString> BuildIni(const DirectorySettings& dirs, const BuildIniRequest& request);

// Replaces mame.ini with the path part and, under the three header lines of the state and
// playback section, the request's `playback` or `record` line: what a game without any settings
// file runs with while Playback or Record is ticked. Nothing else of the option part is written,
// so MAME keeps its own defaults.
Status CreateMAMEIniWithInput(const DirectorySettings& dirs, const BuildIniRequest& request);

// The file of the controller that the settings file chooses ("hotrod.cfg"), as the ctrlr line
// names it; empty for none.
QString ControllerFileOf(const QString& settingsFile);

// "Error In BuildIni: " and the description.
QString BuildIniErrorText(const RuntimeError& error);

// A mame.ini that could not be written: a missing Ini folder is `procedure`'s error ("Error In "
// and the description); any other failure (a full disk) names the file, which is as it was.
QString MameIniErrorText(const QString& procedure, const DirectorySettings& dirs, const RuntimeError& error);

// The file both procedures write.
QString MameIniPath(const DirectorySettings& dirs);
