// Rebuild Settings: every settings file checked against the value lists, each refused value
// replaced by MAME's default in the file itself, and what was replaced logged.
#pragma once

#include "options/OptionLists.h"
#include "platform/RuntimeError.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// The .cfg files of the settings folder (any case of the extension), by name.
QStringList SettingsFileNames(const QString& settingsFolder);

// The name left-aligned in 15 characters, a longer one cut: the log's first column.
QString RebuildLabel(const QString& fileName);

// A file whose repairs could not be stored, and why: it keeps its refused values.
struct UnsavedSettings {
    QString path;
    RuntimeError error;
};

struct RebuildOutcome {
    QString log;        // per file repaired: "<label>\t<option label>\r\n" lines, then "\r\n"
    bool found = false; // any value replaced
    // Every file whose repairs could not be stored, in order; the others are still repaired.
    std::vector<UnsavedSettings> unsaved;
};

// Repairs the named files of the folder in order; `fileDone` (may be empty) hears after each
// file how many are done.
RebuildOutcome RebuildSettings(const QString& settingsFolder, const QStringList& fileNames, const OptionLists& lists,
                               const std::function<void(int done)>& fileDone);

// The report: "Filename", TAB, "Setting", three line ends, then the log.
QString RebuiltReportText(const QString& log);

// "Progress: " and the whole percentage done, as "#" formats it (nothing for 0), then "%".
QString RebuildProgressText(int done, int total);
