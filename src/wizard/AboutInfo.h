// What the about box reads: MAME's version from its -help output, and the extras folders with the
// files they hold.
#pragma once

#include "platform/RuntimeError.h"
#include "state/AppState.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>

// MAME's name and version from its -help output: the first line starting with "M.A.M.E." (or
// "MAME v", as today's MAME writes it), cut before the blank that precedes its first "(", each
// "v" written out as "Version ". "Unknown" when no such line, or no "(" in it, is there.
QString MameVersionFromHelp(const QByteArray& helpOutput);

// One folder choice of the extras browser.
struct ExtrasFolder {
    const char* option;   // the option button's name
    const char* pattern;  // the file name ending listed, matched without regard to case
    QString DirectorySettings::* base;
    const char* subfolder; // below the base folder, or nullptr
    const char* title;     // of the message when the folder cannot be listed
    const char* message;
};

enum class Extras { Artwork, DATs, Icons, Samples, Count };

inline constexpr std::array<ExtrasFolder, static_cast<size_t>(Extras::Count)> kExtrasFolders{{
    {"optArtwork", ".zip", &DirectorySettings::strArtworkPath, nullptr, "Artwork",
     "Error in optArtwork_Click.\r\rThis might mean you do not have an Artwork folder."},
    {"optDATs", ".dat", &DirectorySettings::strMAMEPath, nullptr, "DATs", "Error in optDats_Click."},
    {"optIcons", ".ico", &DirectorySettings::strMAMEPath, "Icons", "Icons",
     "Error in optIcons_Click.\r\rThis might mean you do not have an Icons folder."},
    {"optSamples", ".zip", &DirectorySettings::strSamplesPath, nullptr, "Samples",
     "Error in optSamples_Click.\r\rThis might mean you do not have a Samples folder."},
}};

inline const ExtrasFolder& extrasFolder(Extras which) { return kExtrasFolders[static_cast<size_t>(which)]; }

// The folder of a choice under the current settings.
QString ExtrasPath(const ExtrasFolder& folder, const DirectorySettings& dirs);

// The names of the files in `folder` whose names end in `pattern` without regard to case, sorted
// as a file list shows them. A folder that is not there (or no folder at all) is path-not-found.
Result<QStringList> ListExtras(const QString& folder, const QString& pattern);
