#include "options/MameIni.h"

#include "platform/RuntimeErrorText.h"
#include "shell/FolderTable.h"
#include "shell/IniFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

#include "support/Files.h"
#include "support/FullDisk.h"

namespace {

// The option part for a settings file at MAME's defaults, line by line.
const char* const kDefaultOptionPart =
    "#\r\n# CONFIGURATION OPTIONS\r\n#\r\n"
    "readconfig\t1\r\nskip_gameinfo\t0\r\n\r\n"
    "#\r\n# MISCELLANEOUS OPTIONS\r\n#\r\n"
    "bios\tdefault\r\ncheat\t0\r\n\r\n"
    "#\r\n# STATE/PLAYBACK OPTIONS\r\n#\r\n"
    "# state\t<NULL> (not set)\r\nautosave\t0\r\n# playback\t<NULL> (not set)\r\n# record\t<NULL> (not set)\r\n"
    "# mngwrite\t<NULL> (not set)\r\n# wavwrite\t<NULL> (not set)\r\n\r\n"
    "#\r\n# DEBUGGING OPTIONS\r\n#\r\n"
    "log\t0\r\noslog\t0\r\nverbose\t0\r\n\r\n"
    "#\r\n# PERFORMANCE OPTIONS\r\n#\r\n"
    "autoframeskip\t0\r\nframeskip\t0\r\nframes_to_run\t0\r\nthrottle\t1\r\nsleep\t1\r\nrdtsc\t0\r\npriority\t0\r\n\r\n"
    "#\r\n# VIDEO OPTIONS\r\n#\r\n"
    "video\td3d\r\nnumscreens\t1\r\nwindow\t0\r\nmaximize\t1\r\nkeepaspect\t1\r\nprescale\t1\r\neffect\tnone\r\n"
    "pause_brightness\t0.65\r\nwaitvsync\t0\r\nsyncrefresh\t0\r\n\r\n"
    "#\r\n# VIDEO ROTATION OPTIONS\r\n#\r\n"
    "rotate\t1\r\nror\t0\r\nrol\t0\r\nautoror\t0\r\nautorol\t0\r\nflipx\t0\r\nflipy\t0\r\n\r\n"
    "#\r\n# DIRECTDRAW-SPECIFIC OPTIONS\r\n#\r\n"
    "hwstretch\t1\r\n\r\n"
    "#\r\n# DIRECT3D-SPECIFIC OPTIONS\r\n#\r\n"
    "# d3dversion\t<NULL> (not set)\r\nfilter\t1\r\n\r\n"
    "#\r\n# PER-WINDOW VIDEO OPTIONS\r\n#\r\n"
    "screen0\tauto\r\naspect0\tauto\r\nresolution0\tauto\r\nview0\tauto\r\n"
    "screen1\tauto\r\naspect1\tauto\r\nresolution1\tauto\r\nview1\tauto\r\n"
    "screen2\tauto\r\naspect2\tauto\r\nresolution2\tauto\r\nview2\tauto\r\n"
    "screen3\tauto\r\naspect3\tauto\r\nresolution3\tauto\r\nview3\tauto\r\n\r\n"
    "#\r\n# FULL SCREEN OPTIONS\r\n#\r\n"
    "triplebuffer\t0\r\nswitchres\t0\r\nfull_screen_brightness\t1.00\r\nfull_screen_contrast\t1.00\r\n"
    "full_screen_gamma\t1.00\r\n\r\n"
    "#\r\n# GAME SCREEN OPTIONS\r\n#\r\n"
    "brightness\t1.00\r\ncontrast\t1.00\r\ngamma\t1.00\r\n\r\n"
    "#\r\n# VECTOR RENDERING OPTIONS\r\n#\r\n"
    "antialias\t1\r\nbeam\t1.00\r\nflicker\t0.00\r\n\r\n"
    "#\r\n# ARTWORK OPTIONS\r\n#\r\n"
    "artwork\t1\r\nartwork_crop\t0\r\nuse_backdrops\t1\r\nuse_overlays\t1\r\nuse_bezels\t1\r\n\r\n"
    "#\r\n# SOUND OPTIONS\r\n#\r\n"
    "sound\t1\r\nsamplerate\t48000\r\nsamples\t1\r\nvolume\t0\r\naudio_latency\t1\r\n\r\n"
    "#\r\n# INPUT DEVICE OPTIONS\r\n#\r\n"
    "# ctrlr\t<NULL> (not set)\r\nmouse\t0\r\njoystick\t0\r\nlightgun\t0\r\ndual_lightgun\t0\r\n"
    "offscreen_reload\t0\r\nsteadykey\t0\r\na2d_deadzone\t0.30\r\ndigital\tnone\r\n\r\n"
    "#\r\n# AUTOMATIC DEVICE SELECTION OPTIONS\r\n#\r\n"
    "paddle_device\tkeyboard\r\nadstick_device\tkeyboard\r\npedal_device\tkeyboard\r\ndial_device\tkeyboard\r\n"
    "trackball_device\tkeyboard\r\nlightgun_device\tkeyboard\r\n\r\n"
    "#\r\n# OUTPUT DEVICE OPTIONS\r\n#\r\n"
    "keyboard_leds\t1\r\nled_mode\tps/2\r\n";

class MameIniTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        IniService::instance().dropAll();
        // Each folder's command form is its path here; tests change single ones.
        for (const FolderEntry& folder : kFolders) {
            const QString path = m_dir.filePath(QString::fromLatin1(folder.key).toLower());
            m_dirs.*folder.path = path;
            m_dirs.*folder.shortPath = path;
        }
        m_dirs.strAdditionalROMsPath.clear();
        m_dirs.strShortAdditionalROMsPath.clear();
        makeDirs(m_dirs.strIniPath);
        m_settings = m_dir.filePath("settings/raster.cfg");
    }
    void TearDown() override { IniService::instance().dropAll(); }

    QByteArray pathPart() const
    {
        const QByteArray d = QFile::encodeName(m_dir.path());
        return "#\r\n# PATH AND DIRECTORY OPTIONS #\r\n#\r\n"
               "rompath\t.;" + d + "/roms\r\n"
               "samplepath\t.;" + d + "/samples\r\n"
               "inipath\t.;" + d + "/ini\r\n"
               "cfg_directory\t" + d + "/cfg\r\n"
               "nvram_directory\t" + d + "/nvram\r\n"
               "memcard_directory\t" + d + "/memcard\r\n"
               "input_directory\t" + d + "/input\r\n"
               "hiscore_directory\t" + d + "/hiscore\r\n"
               "state_directory\t" + d + "/state\r\n"
               "artpath\t" + d + "/artwork\r\n"
               "snapshot_directory\t" + d + "/snapshots\r\n"
               "diff_directory\t" + d + "/diff\r\n"
               "ctrlrpath\t" + d + "/ctrlr\r\n"
               "comment_directory\t" + d + "/comments\r\n"
               "cheat_file\tcheat.dat\r\n"
               "\r\n";
    }

    BuildIniRequest request() const
    {
        BuildIniRequest r;
        r.settingsFile = m_settings;
        return r;
    }

    QByteArray mameIni() const { return readFile(MameIniPath(m_dirs)); }

    // The option part BuildIni appends for a settings file of these lines.
    QByteArray optionPart(const QByteArray& settings, BuildIniRequest request = {})
    {
        writeFile(m_settings, settings);
        request.settingsFile = m_settings;
        EXPECT_FALSE(CreateMAMEIni(m_dirs));
        const Result<QString> built = BuildIni(m_dirs, request);
        EXPECT_TRUE(built.ok());
        IniService::instance().dropAll();
        return mameIni().mid(pathPart().size());
    }

    // The whole mame.ini built for today's MAME from a settings file of these lines.
    QByteArray buildCurrent(const QByteArray& settings)
    {
        writeFile(m_settings, settings);
        BuildIniRequest request;
        request.settingsFile = m_settings;
        request.layout = MameLayout::Current;
        EXPECT_TRUE(BuildIni(m_dirs, request).ok());
        IniService::instance().dropAll();
        return mameIni();
    }

    QTemporaryDir m_dir;
    DirectorySettings m_dirs;
    QString m_settings;
};

// The option names of the file's lines, comments left out.
QList<QByteArray> optionNames(const QByteArray& ini)
{
    QList<QByteArray> names;
    for (const QByteArray& line : ini.split('\n'))
        if (!line.startsWith('#') && line.contains('\t'))
            names << line.left(line.indexOf('\t'));
    return names;
}

} // namespace

TEST_F(MameIniTest, PathPartListsEveryFolderInOrderInPlaceOfTheWholeFile)
{
    writeFile(MameIniPath(m_dirs), QByteArray(5000, 'x'));
    ASSERT_FALSE(CreateMAMEIni(m_dirs));
    EXPECT_EQ(mameIni().toStdString(), pathPart().toStdString());
}

TEST_F(MameIniTest, RompathAddsADifferentAdditionalFolder)
{
    m_dirs.strAdditionalROMsPath = "/extra";
    m_dirs.strShortAdditionalROMsPath = "/short/extra";
    ASSERT_FALSE(CreateMAMEIni(m_dirs));
    EXPECT_TRUE(mameIni().contains("\r\nrompath\t.;" + QFile::encodeName(m_dirs.strShortROMsPath) + ";/short/extra\r\n"));

    for (const QString& same : {QString(), m_dirs.strROMsPath}) {
        m_dirs.strAdditionalROMsPath = same;
        ASSERT_FALSE(CreateMAMEIni(m_dirs));
        EXPECT_TRUE(mameIni().contains("\r\nrompath\t.;" + QFile::encodeName(m_dirs.strShortROMsPath) + "\r\n"));
    }
}

TEST_F(MameIniTest, EmptyCommentsFolderLeavesOutItsLineOnly)
{
    m_dirs.strShortCommentsPath.clear();
    m_dirs.strShortDiffPath.clear();
    ASSERT_FALSE(CreateMAMEIni(m_dirs));
    EXPECT_FALSE(mameIni().contains("comment_directory"));
    EXPECT_TRUE(mameIni().contains("\r\ndiff_directory\t\r\n"));
    EXPECT_TRUE(mameIni().endsWith("ctrlrpath\t" + QFile::encodeName(m_dirs.strShortCtrlrPath) + "\r\ncheat_file\tcheat.dat\r\n\r\n"));
}

TEST_F(MameIniTest, PathWithABlankIsQuoted)
{
    m_dirs.strShortROMsPath = "/my roms";
    m_dirs.strShortArtworkPath = "/art & \"stuff\"";
    m_dirs.strShortSamplesPath = "/a\tb";
    ASSERT_FALSE(CreateMAMEIni(m_dirs));
    EXPECT_TRUE(mameIni().contains("\r\nrompath\t\".;/my roms\"\r\n"));
    EXPECT_TRUE(mameIni().contains("\r\nartpath\t\"/art & \"stuff\"\"\r\n"));
    EXPECT_TRUE(mameIni().contains("\r\nsamplepath\t.;/a\tb\r\n"));
}

TEST_F(MameIniTest, MissingOrEmptyIniFolderIsReportedToTheCaller)
{
    // An empty setting names no folder, not the file system's root, where a fault would write.
    struct RootStaysClean {
        const bool hadOne = QFileInfo::exists("/mame.ini");
        ~RootStaysClean()
        {
            if (!hadOne && QFile::remove("/mame.ini"))
                ADD_FAILURE() << "mame.ini was written into the root";
        }
    } root;
    for (const QString& folder : {m_dir.filePath("no/such/folder"), QString()}) {
        m_dirs.strIniPath = folder;
        const Status failed = CreateMAMEIni(m_dirs);
        EXPECT_EQ(failed.value_or(RuntimeError()).description, "Path not found");
        const Result<QString> built = BuildIni(m_dirs, request());
        EXPECT_EQ(built ? QString() : BuildIniErrorText(built.error()), "Error In BuildIni: Path not found");
        EXPECT_TRUE(CreateMAMEIniWithInput(m_dirs, request()));
    }
}

TEST_F(MameIniTest, SettingsWithOnlyOtherCommandsGiveEveryDefaultAfterAPathPartWrittenFirst)
{
    writeFile(m_settings, "[Miscellaneous]\r\nOther Commands=-numscreens 2\r\n");
    const Result<QString> built = BuildIni(m_dirs, request());
    ASSERT_TRUE(built.ok());
    EXPECT_EQ(*built, "-numscreens 2");
    EXPECT_EQ(mameIni().toStdString(), (pathPart() + kDefaultOptionPart).toStdString());
}

TEST_F(MameIniTest, BuildStartsFromAFreshPathPartWhateverTheFileHolds)
{
    writeFile(m_settings, "");
    const QByteArray whole = pathPart() + kDefaultOptionPart;
    // An option part left by a game that never returned, older folders, anything else.
    for (const QByteArray& left : {whole, QByteArray("# kept\r\n"), QByteArray("rompath\t/old\r\n") + kDefaultOptionPart}) {
        writeFile(MameIniPath(m_dirs), left);
        ASSERT_TRUE(BuildIni(m_dirs, request()).ok());
        EXPECT_EQ(mameIni().toStdString(), whole.toStdString());
    }
}

TEST_F(MameIniTest, AFileWithAnOptionLineBeyondThePathPartIsNotAtRest)
{
    EXPECT_FALSE(MameIniAtRest(m_dirs)); // missing
    ASSERT_FALSE(CreateMAMEIni(m_dirs));
    EXPECT_TRUE(MameIniAtRest(m_dirs));
    writeFile(m_settings, "");
    ASSERT_TRUE(BuildIni(m_dirs, request()).ok());
    EXPECT_FALSE(MameIniAtRest(m_dirs));
    struct Case {
        QByteArray content;
        bool atRest;
    };
    const Case cases[] = {
        {"", true},
        {"# base\r\n", true},
        // Other folders are the user's or an older start's; an option is a game's.
        {"rompath\t.;/old\r\ncheat_file\tcheat.dat\r\n", true},
        {"#\r\n# STATE/PLAYBACK OPTIONS\r\n#\r\nplayback\tpacman\r\n", false},
        {"  window  \r\n", false},
    };
    for (const Case& c : cases) {
        writeFile(MameIniPath(m_dirs), c.content);
        EXPECT_EQ(MameIniAtRest(m_dirs), c.atRest) << c.content.toStdString();
    }
}

TEST_F(MameIniTest, SettingsValuesAreTranslatedLineByLine)
{
    // A stored value, and the lines of the option part it gives, whole lines between line ends.
    const std::pair<const char*, const char*> cases[] = {
        {"[Video Options]\r\nVideo=DDraw", "video\tddraw"},
        {"[Video Options]\r\nWindow=1", "window\t1"},
        {"[Direct3D-Specific Options]\r\nFilter=2", "filter\t2"}, // the older MAME took a grayed box
        {"[Video Options]\r\nEffect=Scan75 Lines", "effect\tscan75 lines"},
        {"[Per-Window Video Options]\r\nResolution 0=640x480@60", "resolution0\t640x480@60"},
        {"[Game Screen Options]\r\nGamma=1.25", "gamma\t1.25"},
        {"[Output Device Options]\r\nLED Mode=USB", "led_mode\tusb"},
        // The BIOS name follows the first ": "; without one, the text from the second character.
        {"[Miscellaneous Options]\r\nBios=Europe MVS: Euro: x", "bios\teuro: x"},
        {"[Miscellaneous Options]\r\nBios=USBios", "bios\tsbios"},
        {"[Miscellaneous Options]\r\nBios=default", "bios\tefault"},
        {"[Performance Options]\r\nFrameSkip=Auto", "autoframeskip\t1\r\nframeskip\t0"},
        {"[Performance Options]\r\nFrameSkip=3", "autoframeskip\t0\r\nframeskip\t3"},
        {"[Video Rotation Options]\r\nRoll=AutoLeft", "ror\t0\r\nrol\t0\r\nautoror\t0\r\nautorol\t1"},
        {"[Video Rotation Options]\r\nRoll=Right", "ror\t1\r\nrol\t0\r\nautoror\t0\r\nautorol\t0"},
        {"[Video Rotation Options]\r\nRoll=right", "rotate\t1\r\nflipx\t0"}, // no direction line
        {"[Video Rotation Options]\r\nFlip=Horizontally", "flipx\t0\r\nflipy\t1"},
        {"[Video Rotation Options]\r\nFlip=Vertically", "flipx\t1\r\nflipy\t0"},
        {"[Video Rotation Options]\r\nFlip=Both", "flipx\t1\r\nflipy\t1"},
        {"[Video Rotation Options]\r\nFlip=Sideways", "autorol\t0\r\n"}, // no flip line
        {"[Sound Options]\r\nAudio Latency=4/5 To 5/5", "audio_latency\t4"},
        {"[Sound Options]\r\nAudio Latency=6", "volume\t0\r\n"}, // no latency line
        {"[Input Device Options]\r\nController=HotRod SE", "ctrlr\thotrodse"},
        {"[Input Device Options]\r\nController=X-Arcade", "ctrlr\txarcade"},
        {"[Input Device Options]\r\nController=Gamepad", "#\r\nmouse\t0"}, // not even the placeholder
    };
    for (const auto& [stored, lines] : cases) {
        const QByteArray part = optionPart(QByteArray(stored) + "\r\n");
        EXPECT_TRUE(part.contains("\r\n" + QByteArray(lines) + "\r\n")) << stored;
    }
}

TEST_F(MameIniTest, RecordAndPlaybackNameTheCurrentGame)
{
    BuildIniRequest record;
    record.rom = "pacman";
    record.record = true;
    const QByteArray recording = optionPart("", record);
    EXPECT_TRUE(recording.contains("\r\n# playback\t<NULL> (not set)\r\nrecord\tpacman\r\n"));
    BuildIniRequest playback;
    playback.rom = "galaga";
    playback.playback = true;
    EXPECT_TRUE(optionPart("", playback).contains("\r\nplayback\tgalaga\r\n# record\t<NULL> (not set)\r\n"));
    // Today's MAME adds no ".inp" of its own.
    playback.layout = MameLayout::Current;
    optionPart("", playback);
    EXPECT_TRUE(mameIni().contains("\r\nplayback\tgalaga.inp\r\n# record\t<NULL> (not set)\r\n"));
}

TEST_F(MameIniTest, InputLineAloneGoesUnderItsSectionHeader)
{
    writeFile(MameIniPath(m_dirs), "left over from a game\r\n");
    BuildIniRequest r;
    r.rom = "pacman";
    r.record = true;
    EXPECT_FALSE(CreateMAMEIniWithInput(m_dirs, r));
    EXPECT_EQ(mameIni(), pathPart() + "#\r\n# STATE/PLAYBACK OPTIONS\r\n#\r\nrecord\tpacman\r\n");

    r.record = false;
    r.playback = true;
    EXPECT_FALSE(CreateMAMEIniWithInput(m_dirs, r));
    EXPECT_EQ(mameIni(), pathPart() + "#\r\n# STATE/PLAYBACK OPTIONS\r\n#\r\nplayback\tpacman\r\n");
}

TEST_F(MameIniTest, FullDiskLeavesMameIniAsItWasAndTellsTheCaller)
{
    writeFile(m_settings, "");
    const QByteArray before = "# before\r\n";
    const std::function<Status()> writers[] = {
        [this] { return CreateMAMEIni(m_dirs); },
        [this] { return CreateMAMEIniWithInput(m_dirs, request()); },
        [this] {
            const Result<QString> built = BuildIni(m_dirs, request());
            return built ? Status() : Status(built.error());
        },
    };
    for (const auto& write : writers) {
        writeFile(MameIniPath(m_dirs), before);
        ScopedWriteLimit full(10);
        const Status failed = write();
        EXPECT_EQ(failed.value_or(RuntimeError()).description, "Disk full");
        EXPECT_EQ(mameIni(), before);
        // The user reads which file it was; a missing folder stays the procedure's error.
        EXPECT_EQ(MameIniErrorText("Form_Load", m_dirs, failed.value_or(RuntimeError())),
                  SaveFailedText(MameIniPath(m_dirs), MakeRuntimeError(ErrorNumber::DiskFull)));
    }
    EXPECT_EQ(MameIniErrorText("Form_Load", m_dirs, MakeRuntimeError(ErrorNumber::PathNotFound)),
              "Error In Form_Load: Path not found");
}

// mame.ini for today's MAME: the options it has, under their names, with values it takes.
TEST_F(MameIniTest, TodaysMameGetsTheOptionsAndValuesItTakes)
{
    const std::pair<const char*, const char*> cases[] = {
        {"[Video Options]\r\nVideo=D3D", "video\topengl"},
        {"[Video Options]\r\nVideo=DDraw", "video\taccel"},
        {"[Video Options]\r\nVideo=GDI", "video\tsoft"},
        {"[Sound Options]\r\nSound=0", "sound\tnone"},
        {"[Sound Options]\r\nSound=1", "sound\tauto"},
        {"[Performance Options]\r\nFrameSkip=12", "autoframeskip\t0\r\nframeskip\t10"},
        {"[Performance Options]\r\nFrameSkip=10", "autoframeskip\t0\r\nframeskip\t10"},
        {"[Performance Options]\r\nFrameSkip=Auto", "autoframeskip\t1\r\nframeskip\t0"},
        {"[Vector Rendering Options]\r\nBeam=16.00", "beam_width_min\t16.00\r\nbeam_width_max\t16.00"},
        {"[Input Device Options]\r\nA2d Deadzone=0.75", "joystick_deadzone\t0.75"},
        {"[Game Screen Options]\r\nBrightness=0.10", "brightness\t0.10"},
        {"[Miscellaneous Options]\r\nBios=Europe MVS: Euro", "bios\teuro"},
    };
    for (const auto& [stored, lines] : cases) {
        const QByteArray ini = buildCurrent(QByteArray(stored) + "\r\n");
        EXPECT_TRUE(ini.contains("\r\n" + QByteArray(lines) + "\r\n")) << stored;
    }
}

TEST_F(MameIniTest, TodaysMameGetsNoLineForAValueItWouldRefuse)
{
    // An older MAME's renderer or a hand-edited tick: MAME keeps its own default.
    const std::pair<const char*, const char*> cases[] = {
        {"[Video Options]\r\nVideo=d3d", "video"},
        {"[Video Options]\r\nVideo=OpenGL", "video"},
        {"[Sound Options]\r\nSound=2", "sound"},
        {"[Direct3D-Specific Options]\r\nFilter=2", "filter"}, // a grayed box: MAME refuses "2" for a switch
    };
    for (const auto& [stored, name] : cases) {
        const QList<QByteArray> names = optionNames(buildCurrent(QByteArray(stored) + "\r\n"));
        EXPECT_FALSE(names.contains(name)) << stored;
        EXPECT_TRUE(names.contains("window") && names.contains("samplerate")) << stored;
    }
}

// MAME looks an effect up by its file's exact name, which the list shows in proper case.
TEST_F(MameIniTest, TodaysMameGetsTheEffectFilesOwnName)
{
    writeFile(m_dirs.strArtworkPath + "/MyScan.png", "");
    writeFile(m_dirs.strArtworkPath + "/BIG.PNG", "");
    const std::pair<const char*, const char*> cases[] = {
        {"Myscan", "MyScan"},
        {"Big.png", "BIG"},
        {"Gone", "gone"}, // no such file any more: as before
    };
    for (const auto& [item, name] : cases)
        EXPECT_TRUE(buildCurrent(QByteArray("[Video Options]\r\nEffect=") + item + "\r\n")
                        .contains(QByteArray("\r\neffect\t") + name + "\r\n")) << item;
    // The older MAME, on Windows, found it in lower case.
    EXPECT_TRUE(optionPart("[Video Options]\r\nEffect=Myscan\r\n").contains("\r\neffect\tmyscan\r\n"));
}

TEST_F(MameIniTest, TodaysMameGetsNoLineForAGoneOptionAndNoEmptySection)
{
    const QByteArray ini = buildCurrent("[Output Device Options]\r\nLED Mode=USB\r\n"
                                        "[Full Screen Options]\r\nTriple Buffer=1\r\nFull Screen Gamma=2.00\r\n");
    const QList<QByteArray> names = optionNames(ini);
    for (const char* gone : {"memcard_directory", "hiscore_directory", "cheat_file", "frames_to_run", "rdtsc",
                             "priority", "hwstretch", "triplebuffer", "full_screen_brightness",
                             "full_screen_contrast", "full_screen_gamma", "antialias", "beam", "artwork",
                             "use_backdrops", "use_overlays", "use_bezels", "dual_lightgun", "a2d_deadzone",
                             "digital", "keyboard_leds", "led_mode"})
        EXPECT_FALSE(names.contains(gone)) << gone;
    EXPECT_FALSE(ini.contains("d3dversion"));
    EXPECT_FALSE(ini.contains("DIRECTDRAW"));
    EXPECT_FALSE(ini.contains("OUTPUT DEVICE"));
    // Sections still follow each other as before, and the file ends with the last line written.
    EXPECT_TRUE(ini.contains("\r\nflipy\t0\r\n\r\n#\r\n# DIRECT3D-SPECIFIC OPTIONS\r\n#\r\nfilter\t1\r\n\r\n#\r\n"));
    EXPECT_TRUE(ini.contains("#\r\n# FULL SCREEN OPTIONS\r\n#\r\nswitchres\t0\r\n\r\n"));
    EXPECT_TRUE(ini.endsWith("\r\nlightgun_device\tkeyboard\r\n"));
}

TEST_F(MameIniTest, TodaysMamePathPartIsWrittenAfreshWithoutTheOlderLines)
{
    // What the file holds at rest is the older path part: today's MAME would ignore three of its
    // lines without a word.
    ASSERT_FALSE(CreateMAMEIni(m_dirs));
    const QByteArray ini = buildCurrent("");
    EXPECT_EQ(ini.count("# PATH AND DIRECTORY OPTIONS #"), 1);
    const QList<QByteArray> names = optionNames(ini.left(ini.indexOf("# CONFIGURATION")));
    EXPECT_EQ(names, (QList<QByteArray>{"rompath", "samplepath", "inipath", "cfg_directory", "nvram_directory",
                                        "input_directory", "state_directory", "artpath", "snapshot_directory",
                                        "diff_directory", "ctrlrpath", "comment_directory"}));
}
