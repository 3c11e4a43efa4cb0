#include "options/RebuildSettings.h"

#include "options/SettingsFile.h"
#include "shell/ShortPath.h"

#include <QDir>

#include <cmath>

QStringList SettingsFileNames(const QString& settingsFolder)
{
    // Without QDir::CaseSensitive "*.cfg" matches "Raster.CFG" too.
    return QDir(settingsFolder).entryList({QStringLiteral("*.cfg")}, QDir::Files, QDir::Name);
}

QString RebuildLabel(const QString& fileName) { return fileName.left(15).leftJustified(15); }

RebuildOutcome RebuildSettings(const QString& settingsFolder, const QStringList& fileNames, const OptionLists& lists,
                               const std::function<void(int done)>& fileDone)
{
    RebuildOutcome outcome;
    int done = 0;
    for (const QString& name : fileNames) {
        // The real name finds the file; the label only heads its log lines.
        const QString path = JoinPath(settingsFolder, name);
        const RepairedSettings repaired = RepairSettings(path, lists);
        const LoadedSettings& loaded = repaired.loaded;
        if (repaired.unsaved) {
            outcome.unsaved.push_back(UnsavedSettings{path, *repaired.unsaved});
            if (fileDone)
                fileDone(++done);
            continue;
        }
        const QString label = RebuildLabel(name);
        for (int row : loaded.refusedRows)
            outcome.log += label + QLatin1Char('\t') +
                           QString::fromLatin1(kOptionCatalogue[static_cast<size_t>(row)].label) +
                           QStringLiteral("\r\n");
        if (!loaded.refusedRows.empty()) {
            outcome.log += QStringLiteral("\r\n");
            outcome.found = true;
        }
        if (fileDone)
            fileDone(++done);
    }
    return outcome;
}

QString RebuiltReportText(const QString& log) { return QStringLiteral("Filename\tSetting\r\n\r\n\r\n") + log; }

QString RebuildProgressText(int done, int total)
{
    const int percent = total > 0 ? static_cast<int>(std::lround(100.0 * done / total)) : 0;
    return QStringLiteral("Progress: ") + (percent == 0 ? QString() : QString::number(percent)) + QStringLiteral("%");
}
