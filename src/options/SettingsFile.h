// Settings files: one option set each (raster.cfg, vector.cfg, <rom>.cfg), stored and read
// through the INI service in catalogue order, checked against the value lists, and compared.
#pragma once

#include "options/MameIni.h"
#include "options/OptionLists.h"
#include "platform/RuntimeError.h"
#include "shell/IniFile.h"

#include <QString>

#include <array>
#include <vector>

// One option set in catalogue order: check boxes as "0", "1" or "2", list items as listed, then
// Other Commands.
using SettingsValues = std::array<QString, kOptionCount>;

// MAME's defaults (those of the MAME of `layout`), with Other Commands empty.
SettingsValues DefaultSettings(MameLayout layout = MameLayout::Older);

// Every option at MAME's default (check boxes compared as numbers) and Other Commands empty; a
// text of blanks is not empty.
bool AtDefaults(const SettingsValues& values, MameLayout layout = MameLayout::Older);

// The most bytes of Other Commands a settings file gives back.
inline constexpr qsizetype kOtherCommandsLimit = kIniReadLimit;

// Whether Other Commands come back from a settings file as they were typed; if not, the message
// that refuses them.
std::optional<QString> OtherCommandsRefusal(const QString& otherCommands);

// Writes every value into the file (an existing file keeps its other keys and its order), then
// replaces the file on disk in one piece. When that fails the file is as it was, the writes are
// dropped, and why is returned.
Status SaveSettings(const QString& file, const SettingsValues& values);

// What a settings file holds: each value the controls take, a refused one replaced by MAME's
// default and its row noted (in catalogue order). A missing key reads as its default.
struct LoadedSettings {
    SettingsValues values;
    std::vector<int> refusedRows;
};
LoadedSettings ReadSettings(const QString& file, const OptionLists& lists);

// ReadSettings, and each refused value's default written back into the file in one replacement;
// `unsaved` is why that failed, the file then left as it was.
struct RepairedSettings {
    LoadedSettings loaded;
    Status unsaved;
};
RepairedSettings RepairSettings(const QString& file, const OptionLists& lists);

// Whether a game's own file holds exactly what its type's file holds (check boxes compared as
// numbers, list items and Other Commands as exact text). A check-box value that is no number is
// an error, whose line names the row (from 1).
Result<bool> SameSettings(const QString& baseFile, const QString& customFile);

// "Error loading <label>.  The M.A.M.E. default value '<default>' will be used." and the advice
// to run Rebuild Settings.
QString LoadErrorText(int row);

// "Error In CompareSettings: ", the description, the line, and the same advice.
QString CompareSettingsErrorText(const RuntimeError& error);
