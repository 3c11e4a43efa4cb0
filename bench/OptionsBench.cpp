// Times the option panel opened on a raster.cfg that holds all 61 keys (the file read, every value
// checked and put into its control, the rules run by the handlers), and Rebuild Settings over
// 1,000 per-game settings files, all valid and then each holding two refused values. One line per job: the median,
// best and worst time of several runs. Exits non-zero when a result is wrong.
//
//   options_bench [files]    (default 1000)
#include "BenchSupport.h"
#include "RunTimes.h"

#include "options/OptionPanel.h"
#include "options/RebuildSettings.h"
#include "shell/IniFile.h"

#include <QApplication>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

constexpr int kOpenRuns = 21;
constexpr int kRebuildRuns = 5;

// Every key, none at its default where the list allows another item.
SettingsValues fullSettings(const OptionLists& lists)
{
    SettingsValues values;
    for (size_t row = 0; row < values.size(); ++row) {
        const OptionDef& option = kOptionCatalogue[row];
        switch (option.kind) {
        case OptionKind::Check:
            values[row] = QLatin1String(option.defaultText) == QLatin1String("1") ? "0" : "1";
            break;
        case OptionKind::Combo:
            values[row] = lists[row].size() > 1 ? lists[row].at(1) : lists[row].at(0);
            break;
        case OptionKind::Text:
            values[row] = QStringLiteral("-numscreens 2");
            break;
        }
    }
    return values;
}

QByteArray settingsText(const SettingsValues& values)
{
    QByteArray text;
    const char* section = "";
    for (size_t row = 0; row < values.size(); ++row) {
        if (qstrcmp(section, kOptionCatalogue[row].section) != 0) {
            section = kOptionCatalogue[row].section;
            text += QByteArray("[") + section + "]\r\n";
        }
        text += QByteArray(kOptionCatalogue[row].key) + "=" + values[row].toLatin1() + "\r\n";
    }
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int files = argc > 1 ? std::atoi(argv[1]) : 1000;
    QTemporaryDir dir;

    OptionPanel panel;
    panel.DefineCombos(DefineComboLists({"Default", "Neo-Geo: Euro"}, {"None", "Scanlines"}));
    panel.setEnabled(true);
    const SettingsValues full = fullSettings(panel.lists());
    const QString raster = dir.filePath("raster.cfg");
    writeBytes(raster, settingsText(full));

    // The panel starts from the defaults each time, so that every handler runs.
    const RunTimes open = RunTimes::of(
        kOpenRuns, [&] { panel.LoadControls(raster); },
        [&] {
            IniService::instance().dropAll();
            panel.SetDefaults();
        });
    SettingsValues shown = panel.values();
    // The chosen resolution ticks Switch Resolution whatever the file says.
    shown[static_cast<size_t>(optionRow("chkSwitchRes"))] = full[static_cast<size_t>(optionRow("chkSwitchRes"))];
    if (shown != full)
        fail(QStringLiteral("the panel does not show raster.cfg"));
    open.print("open Raster panel", "ms");

    // Files as a user keeps them (every value valid: nothing written), then files that each hold
    // two refused values (each file replaced once).
    const QString folder = dir.filePath("settings");
    SettingsValues bad = full;
    bad[static_cast<size_t>(optionRow("cboVideo"))] = QStringLiteral("OpenGL");
    bad[static_cast<size_t>(optionRow("chkFilter"))] = QStringLiteral("yes");
    for (const bool repairs : {false, true}) {
        const QByteArray fileText = settingsText(repairs ? bad : full);
        QStringList names;
        RebuildOutcome outcome;
        const RunTimes rebuild = RunTimes::of(
            kRebuildRuns,
            [&] {
                names = SettingsFileNames(folder);
                outcome = RebuildSettings(folder, names, panel.lists(), {});
            },
            [&] {
                IniService::instance().dropAll();
                for (int i = 0; i < files; ++i)
                    writeBytes(QStringLiteral("%1/game%2.cfg").arg(folder).arg(i, 5, 10, QLatin1Char('0')), fileText);
            });
        if (names.size() != files || outcome.found != repairs ||
            outcome.log.count(QLatin1Char('\n')) != (repairs ? files * 3 : 0))
            fail(QStringLiteral("Rebuild Settings did not log two values of every bad file, or logged a good one"));
        IniService::instance().dropAll();
        const QString first = folder + QStringLiteral("/game00000.cfg");
        const QString video = repairs ? QStringLiteral("D3D") : full[static_cast<size_t>(optionRow("cboVideo"))];
        const QString filter = repairs ? QStringLiteral("1") : full[static_cast<size_t>(optionRow("chkFilter"))];
        if (ReadINI(first, "Video Options", "Video", "") != video ||
            ReadINI(first, "Direct3D-Specific Options", "Filter", "") != filter)
            fail(QStringLiteral("Rebuild Settings did not repair the files"));
        rebuild.print(repairs ? "Rebuild, 2 repairs each" : "Rebuild, all valid", "s",
                      qPrintable(QStringLiteral("  (%1 files)").arg(files)));
    }
    return 0;
}
