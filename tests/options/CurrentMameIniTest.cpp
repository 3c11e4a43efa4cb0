// mame.ini for today's MAME: the options it has, under their names, with values it takes.
#include "options/MameIni.h"

#include "shell/FolderTable.h"
#include "shell/IniFile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/Files.h"

namespace {

class CurrentMameIniTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        IniService::instance().dropAll();
        for (const FolderEntry& folder : kFolders) {
            const QString path = m_dir.filePath(QString::fromLatin1(folder.key).toLower());
            m_dirs.*folder.path = path;
            m_dirs.*folder.shortPath = path;
        }
        makeDirs(m_dirs.strIniPath);
        m_settings = m_dir.filePath("settings/raster.cfg");
    }
    void TearDown() override { IniService::instance().dropAll(); }

    // The whole mame.ini built for today's MAME from a settings file of these lines.
    QByteArray build(const QByteArray& settings)
    {
        writeFile(m_settings, settings);
        BuildIniRequest request;
        request.settingsFile = m_settings;
        request.layout = MameLayout::Current;
        EXPECT_TRUE(BuildIni(m_dirs, request).ok());
        IniService::instance().dropAll();
        return readFile(MameIniPath(m_dirs));
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

TEST_F(CurrentMameIniTest, ChoicesBecomeTheOptionsAndValuesTodaysMameTakes)
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
        const QByteArray ini = build(QByteArray(stored) + "\r\n");
        EXPECT_TRUE(ini.contains("\r\n" + QByteArray(lines) + "\r\n")) << stored;
    }
}

TEST_F(CurrentMameIniTest, ValueTodaysMameWouldRefuseWritesNoLine)
{
    // An older MAME's renderer or a hand-edited tick: MAME keeps its own default.
    const std::pair<const char*, const char*> cases[] = {
        {"[Video Options]\r\nVideo=d3d", "video"},
        {"[Video Options]\r\nVideo=OpenGL", "video"},
        {"[Sound Options]\r\nSound=2", "sound"},
    };
    for (const auto& [stored, name] : cases) {
        const QList<QByteArray> names = optionNames(build(QByteArray(stored) + "\r\n"));
        EXPECT_FALSE(names.contains(name)) << stored;
        EXPECT_TRUE(names.contains("window") && names.contains("samplerate")) << stored;
    }
}

TEST_F(CurrentMameIniTest, OptionsTodaysMameHasNoMoreWriteNoLineAndNoEmptySection)
{
    const QByteArray ini = build("[Output Device Options]\r\nLED Mode=USB\r\n"
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

TEST_F(CurrentMameIniTest, PathPartIsWrittenAfreshWithoutTheOlderLines)
{
    // What the file holds at rest is the older path part: today's MAME would ignore three of its
    // lines without a word.
    ASSERT_FALSE(CreateMAMEIni(m_dirs));
    const QByteArray ini = build("");
    EXPECT_EQ(ini.count("# PATH AND DIRECTORY OPTIONS #"), 1);
    const QList<QByteArray> names = optionNames(ini.left(ini.indexOf("# CONFIGURATION")));
    EXPECT_EQ(names, (QList<QByteArray>{"rompath", "samplepath", "inipath", "cfg_directory", "nvram_directory",
                                        "input_directory", "state_directory", "artpath", "snapshot_directory",
                                        "diff_directory", "ctrlrpath", "comment_directory"}));
}
