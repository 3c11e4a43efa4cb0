// The mame.ini the program writes, read by the MAME that Debian installs (/usr/games/mame), when
// it is there: every option one MAME 0.251 has, with a value it takes.
#include "options/MameIni.h"
#include "options/OptionLists.h"
#include "options/SettingsFile.h"

#include "shell/FolderTable.h"
#include "shell/IniFile.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/Files.h"
#include "support/ScopedEnv.h"

namespace {

const QString kMame = QStringLiteral("/usr/games/mame");

// The game the tests run. It has no BIOS: the only BIOS it takes is the default, and MAME says
// 'invalid BIOS "euro", reverting to default' for any other.
const QString kGame = QStringLiteral("pong");
constexpr int kBiosRow = optionRow("cboBios");

// Every value away from its default but the BIOS: a tick turned, a list's last item (its first
// where the default is last), and words on the command line.
SettingsValues changedSettings(const OptionLists& lists)
{
    SettingsValues values = DefaultSettings();
    for (int row = 0; row < kOtherCommandsRow; ++row) {
        if (row == kBiosRow)
            continue;
        QString& value = values[static_cast<size_t>(row)];
        if (kOptionCatalogue[static_cast<size_t>(row)].kind == OptionKind::Check) {
            value = value == QLatin1String("1") ? QStringLiteral("0") : QStringLiteral("1");
            continue;
        }
        const QStringList& items = lists[static_cast<size_t>(row)];
        value = items.last() == value ? items.first() : items.last();
    }
    values[kOtherCommandsRow] = QStringLiteral("-nomouse");
    return values;
}

struct MameRun {
    QByteArray output; // standard output and standard error together
    int exitCode = -1;
};

MameRun runMame(const QStringList& arguments)
{
    QProcess mame;
    mame.setProcessChannelMode(QProcess::MergedChannels);
    mame.start(kMame, arguments);
    mame.waitForFinished(120000);
    return {mame.readAll(), mame.exitStatus() == QProcess::NormalExit ? mame.exitCode() : -1};
}

// -showconfig's options and their values: a name, blanks, the value.
QHash<QByteArray, QByteArray> shownConfig(const QByteArray& output)
{
    QHash<QByteArray, QByteArray> options;
    for (const QByteArray& line : output.split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const qsizetype blank = line.indexOf(' ');
        options.insert(line.left(blank), blank < 0 ? QByteArray() : line.mid(blank).trimmed());
    }
    return options;
}

class RealMameIni : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QFileInfo(kMame).isExecutable())
            GTEST_SKIP() << "no MAME at /usr/games/mame (scripts/setup installs Debian's mame package)";
        IniService::instance().dropAll();
        for (const FolderEntry& folder : kFolders) {
            const QString path = m_root.filePath(QString::fromLatin1(folder.key).toLower());
            m_dirs.*folder.path = path;
            m_dirs.*folder.shortPath = path;
            makeDirs(path);
        }
        m_dirs.strAdditionalROMsPath.clear();
        m_dirs.strShortAdditionalROMsPath.clear();
        // MAME reads its mame.ini from $HOME/.mame: the program's Ini folder is that one here.
        m_dirs.strIniPath = m_dirs.strShortIniPath = m_home.filePath(QStringLiteral(".mame"));
        makeDirs(m_dirs.strIniPath);
        // An effect is a picture of the Artwork folder, a controller a file of the Ctrlr folder.
        writeFile(m_dirs.strArtworkPath + QStringLiteral("/scanlines.png"), tinyPng());
        // MAME stops when the controller's file is not in that folder: the one Debian ships.
        QFile::copy(QStringLiteral("/usr/share/games/mame/ctrlr/xarcade.cfg"),
                    m_dirs.strCtrlrPath + QStringLiteral("/xarcade.cfg"));
        m_lists = DefineComboLists({QStringLiteral("Default"), QStringLiteral("Neo-Geo MV-6F: Euro")},
                                   EffectItems(m_dirs.strArtworkPath));
    }
    void TearDown() override { IniService::instance().dropAll(); }

    // The smallest whole PNG: one black pixel.
    static QByteArray tinyPng()
    {
        return QByteArray::fromBase64("iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAAAAAA6fptVAAAACklEQVR4nGNgAAAAAgABSK+kcQAAAABJRU5ErkJggg==");
    }

    // Builds mame.ini for today's MAME from these values and checks what MAME makes of it.
    void checkMameTakes(const SettingsValues& values)
    {
        const QString settings = m_root.filePath(QStringLiteral("settings/raster.cfg"));
        makeDirs(QFileInfo(settings).path());
        QFile::remove(settings);
        ASSERT_FALSE(SaveSettings(settings, values));
        IniService::instance().dropAll();
        BuildIniRequest request;
        request.settingsFile = settings;
        request.rom = kGame;
        request.layout = MameLayout::Current;
        ASSERT_TRUE(BuildIni(m_dirs, request).ok());
        const QByteArray ini = readFile(MameIniPath(m_dirs));

        const MameRun config = runMame({QStringLiteral("-showconfig")});
        ASSERT_EQ(config.exitCode, 0) << config.output.constData();
        const QHash<QByteArray, QByteArray> shown = shownConfig(config.output);
        int written = 0;
        for (QByteArray line : ini.split('\n')) {
            line = line.trimmed();
            if (line.isEmpty() || line.startsWith('#'))
                continue;
            const qsizetype tab = line.indexOf('\t');
            const QByteArray name = line.left(tab);
            ++written;
            ASSERT_TRUE(shown.contains(name)) << "MAME has no option " << name.constData();
            EXPECT_EQ(shown.value(name), line.mid(tab + 1)) << name.constData();
        }
        EXPECT_GT(written, 70);

        // A short run of the game reads every option and says what it does not take.
        const MameRun game = runMame({kGame, QStringLiteral("-seconds_to_run"), QStringLiteral("1")});
        EXPECT_EQ(game.exitCode, 0) << game.output.constData();
        // MAME words its warnings in either case ("Invalid ...", "invalid BIOS ...").
        const QByteArray said = config.output.toLower() + game.output.toLower();
        for (const char* complaint : {"invalid", "not supported", "unknown option", "out-of-range", "illegal", "warning"})
            EXPECT_FALSE(said.contains(complaint))
                << complaint << "\n" << config.output.left(400).constData() << game.output.constData();
    }

    QTemporaryDir m_root;
    QDir m_home{m_root.filePath(QStringLiteral("home"))};
    DirectorySettings m_dirs;
    OptionLists m_lists;
};

} // namespace

TEST_F(RealMameIni, TakesEveryOptionAtThePanelsDefaults)
{
    ScopedEnv home("HOME", QFile::encodeName(m_home.path()));
    // No window and no sound device for a test: SDL's stand-ins, whatever renderer is asked for.
    ScopedEnv video("SDL_VIDEODRIVER", "offscreen");
    ScopedEnv audio("SDL_AUDIODRIVER", "dummy");
    checkMameTakes(DefaultSettings());
}

TEST_F(RealMameIni, TakesEveryOptionChangedFromItsDefault)
{
    ScopedEnv home("HOME", QFile::encodeName(m_home.path()));
    ScopedEnv video("SDL_VIDEODRIVER", "offscreen");
    ScopedEnv audio("SDL_AUDIODRIVER", "dummy");
    const SettingsValues changed = changedSettings(m_lists);
    for (int row = 0; row < kOtherCommandsRow; ++row)
        if (row != kBiosRow)
            ASSERT_NE(changed[static_cast<size_t>(row)], DefaultSettings()[static_cast<size_t>(row)]) << row;
    checkMameTakes(changed);
}

// Today's MAME reads the joystick by default: the panel's defaults for it say so, and MAME takes
// them as they are.
TEST_F(RealMameIni, TodaysDefaultsAreMamesOwnAndTakenAsTheyAre)
{
    ScopedEnv home("HOME", QFile::encodeName(m_home.path()));
    ScopedEnv video("SDL_VIDEODRIVER", "offscreen");
    ScopedEnv audio("SDL_AUDIODRIVER", "dummy");
    // MAME's own defaults, without Debian's /etc/mame/mame.ini.
    const MameRun builtIn = runMame({QStringLiteral("-noreadconfig"), QStringLiteral("-showconfig")});
    ASSERT_EQ(builtIn.exitCode, 0) << builtIn.output.constData();
    const SettingsValues defaults = DefaultSettings(MameLayout::Current);
    EXPECT_EQ(shownConfig(builtIn.output).value("joystick"),
              defaults[static_cast<size_t>(findOptionRow("chkJoystick"))].toLatin1());
    checkMameTakes(defaults);
}

// MAME refuses a grayed box's "2" ("Illegal boolean value"): it gets no line, and keeps its own.
TEST_F(RealMameIni, GrayedBoxesLeaveTheirOptionsToMame)
{
    ScopedEnv home("HOME", QFile::encodeName(m_home.path()));
    ScopedEnv video("SDL_VIDEODRIVER", "offscreen");
    ScopedEnv audio("SDL_AUDIODRIVER", "dummy");
    SettingsValues grayed = DefaultSettings(MameLayout::Current);
    for (const char* box : {"chkThrottle", "chkFilter", "chkJoystick"})
        grayed[static_cast<size_t>(findOptionRow(box))] = QStringLiteral("2");
    checkMameTakes(grayed);
}

// MAME looks an effect up by its file's exact name in the Artwork folder, which the list shows in
// proper case.
TEST_F(RealMameIni, AnEffectIsNamedAsItsFileStandsInTheArtworkFolder)
{
    ScopedEnv home("HOME", QFile::encodeName(m_home.path()));
    ScopedEnv video("SDL_VIDEODRIVER", "offscreen");
    ScopedEnv audio("SDL_AUDIODRIVER", "dummy");
    writeFile(m_dirs.strArtworkPath + QStringLiteral("/MyScan.png"), tinyPng());
    SettingsValues values = DefaultSettings(MameLayout::Current);
    values[static_cast<size_t>(findOptionRow("cboEffect"))] = QStringLiteral("Myscan");
    checkMameTakes(values);
    const MameRun game = runMame({QStringLiteral("pong"), QStringLiteral("-seconds_to_run"), QStringLiteral("1")});
    EXPECT_FALSE(game.output.contains("Unable to load effect")) << game.output.constData();
}
