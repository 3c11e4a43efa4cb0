#include "options/RebuildSettings.h"
#include "options/SettingsFile.h"

#include "shell/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/Files.h"
#include "support/FullDisk.h"

namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override { makeDirs(settings("")); }
    QString settings(const QString& file) const { return m_dir.filePath(QStringLiteral("settings/") + file); }
    static int row(const char* control) { return findOptionRow(control); }
    static QString& at(SettingsValues& values, const char* control) { return values[static_cast<size_t>(row(control))]; }

    QTemporaryDir m_dir;
    const OptionLists m_lists = DefineComboLists({"Default"}, {"None", "Scanlines"});
};

} // namespace

TEST_F(SettingsFileTest, NewFileHoldsEighteenSectionsAndEveryKeyInTableOrder)
{
    const QString file = settings("raster.cfg");
    ASSERT_FALSE(SaveSettings(file, DefaultSettings()));
    const QList<QByteArray> lines = readFile(file).split('\n');
    QStringList sections;
    QStringList keys;
    for (QByteArray line : lines) {
        line = line.trimmed();
        if (line.startsWith('['))
            sections << QString::fromLatin1(line);
        else if (!line.isEmpty())
            keys << QString::fromLatin1(line);
    }
    EXPECT_EQ(sections.size(), 18);
    EXPECT_EQ(sections.first(), "[Configuration Options]");
    EXPECT_EQ(sections.last(), "[Miscellaneous]");
    ASSERT_EQ(keys.size(), 61);
    for (size_t r = 0; r < kOptionCatalogue.size(); ++r)
        EXPECT_EQ(keys[static_cast<qsizetype>(r)],
                  QLatin1String(kOptionCatalogue[r].key) + "=" + QLatin1String(kOptionCatalogue[r].defaultText));
    EXPECT_EQ(keys.last(), "Other Commands=");
}

TEST_F(SettingsFileTest, ExistingFileKeepsItsExtraKeysAndItsOrder)
{
    const QString file = settings("pacman.cfg");
    writeFile(file, "[Sound Options]\r\nOld Key=7\r\nSound=0\r\n[Video Options]\r\nVideo=GDI\r\n");
    SettingsValues values = DefaultSettings();
    at(values, "chkSound") = "1";
    at(values, "cboVideo") = "DDraw";
    ASSERT_FALSE(SaveSettings(file, values));
    const QByteArray text = readFile(file);
    EXPECT_TRUE(text.startsWith("[Sound Options]\r\nOld Key=7\r\nSound=1\r\n"));
    EXPECT_LT(text.indexOf("[Sound Options]"), text.indexOf("[Video Options]"));
    EXPECT_TRUE(text.contains("[Video Options]\r\nVideo=DDraw\r\n"));
    EXPECT_EQ(text.count("Video="), 1);
}

TEST_F(SettingsFileTest, AtDefaults)
{
    constexpr MameLayout older = MameLayout::Older, today = MameLayout::Current;
    struct Case {
        MameLayout layout;
        const char* control;
        const char* value;
        bool atDefaults;
    };
    const Case cases[] = {
        {older, nullptr, nullptr, true},
        {older, "txtOtherCommands", " ", false},
        {older, "txtOtherCommands", "-numscreens 2", false},
        {older, "chkFilter", "2", false}, // grayed is not ticked
        {older, "chkFilter", "0", false},
        {older, "cboEffect", "none", false},
        {older, "cboVideo", "GDI", false},
        {older, "cboLEDMode", "USB", false},
        // Today's MAME reads the joystick unless told not to.
        {today, nullptr, nullptr, true},
        {today, "chkJoystick", "0", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.layout == today ? "today's MAME" : "the older MAME");
        SettingsValues values = DefaultSettings(c.layout);
        if (c.control)
            at(values, c.control) = QLatin1String(c.value);
        EXPECT_EQ(AtDefaults(values, c.layout), c.atDefaults) << (c.control ? c.control : "all defaults");
    }
    SettingsValues todays = DefaultSettings(today);
    at(todays, "chkJoystick") = "0";
    EXPECT_EQ(todays, DefaultSettings(older)) << "the joystick alone differs";
}

TEST_F(SettingsFileTest, GrayedBoxIsStoredAsTwoAndReadBack)
{
    const QString file = settings("raster.cfg");
    SettingsValues values = DefaultSettings();
    at(values, "chkFilter") = "2";
    ASSERT_FALSE(SaveSettings(file, values));
    EXPECT_TRUE(readFile(file).contains("\r\nFilter=2\r\n"));
    const LoadedSettings loaded = ReadSettings(file, m_lists);
    EXPECT_TRUE(loaded.refusedRows.empty());
    EXPECT_EQ(loaded.values, values);
}

TEST_F(SettingsFileTest, FailedSaveLeavesNoFileAndNoPendingWrites)
{
    const QString file = settings("raster.cfg");
    {
        ScopedWriteLimit full(0);
        EXPECT_TRUE(SaveSettings(file, DefaultSettings()));
    }
    EXPECT_FALSE(QFile::exists(file));
    // The dropped writes do not reach the file with a later flush of the same name.
    FlushINI(file);
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_EQ(ReadINI(file, "Video Options", "Video", "none"), "none");

    // An existing file stays as it was.
    writeFile(file, "[Video Options]\r\nVideo=GDI\r\n");
    {
        ScopedWriteLimit full(0);
        EXPECT_TRUE(SaveSettings(file, DefaultSettings()));
    }
    FlushINI(file);
    EXPECT_EQ(readFile(file), "[Video Options]\r\nVideo=GDI\r\n");
}

TEST_F(SettingsFileTest, ReadingRefusesWhatTheControlsCannotShow)
{
    const QString file = settings("raster.cfg");
    writeFile(file,
              "[Video Options]\r\nVideo=OpenGL\r\nEffect=none\r\n[Direct3D-Specific Options]\r\nFilter=5\r\n"
              "[Sound Options]\r\nSound=01\r\nSamples=2\r\n[Miscellaneous]\r\nOther Commands= -bogus\r\n");
    const LoadedSettings loaded = ReadSettings(file, m_lists);
    EXPECT_EQ(loaded.refusedRows, std::vector<int>({row("cboVideo"), row("cboEffect"), row("chkFilter")}));
    SettingsValues expected = DefaultSettings();
    at(expected, "chkSamples") = "2";
    // Other Commands is taken as stored; the INI service trims the blank before it.
    at(expected, "txtOtherCommands") = "-bogus";
    EXPECT_EQ(loaded.values, expected);
    // Reading alone changes nothing.
    EXPECT_TRUE(readFile(file).contains("Video=OpenGL"));

    writeFile(settings("empty.cfg"), "");
    const LoadedSettings empty = ReadSettings(settings("empty.cfg"), m_lists);
    EXPECT_TRUE(empty.refusedRows.empty());
    EXPECT_EQ(empty.values, DefaultSettings());
}

TEST_F(SettingsFileTest, SameSettingsComparesBoxesAsNumbersAndTextsExactly)
{
    struct Case {
        const char* name;
        QByteArray base;
        QByteArray custom;
        std::optional<bool> same; // nullopt: an error
    };
    const Case cases[] = {
        {"both empty", "", "", true},
        {"01 equals 1", "[Sound Options]\r\nSound=1\r\n", "[Sound Options]\r\nSound=01\r\n", true},
        {"a missing key is its default", "[Sound Options]\r\nSound=1\r\n", "", true},
        {"none differs from None", "[Video Options]\r\nEffect=None\r\n", "[Video Options]\r\nEffect=none\r\n",
         false},
        {"a box differs", "", "[Direct3D-Specific Options]\r\nFilter=0\r\n", false},
        {"only Other Commands differ", "", "[Miscellaneous]\r\nOther Commands=-numscreens 2\r\n", false},
        {"a box that is no number", "", "[Direct3D-Specific Options]\r\nFilter=yes\r\n", std::nullopt},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString base = settings(QStringLiteral("base%1.cfg").arg(n));
        const QString custom = settings(QStringLiteral("custom%1.cfg").arg(n++));
        writeFile(base, c.base);
        writeFile(custom, c.custom);
        const Result<bool> same = SameSettings(base, custom);
        ASSERT_EQ(same.ok(), c.same.has_value());
        if (same.ok())
            EXPECT_EQ(*same, *c.same);
        else
            EXPECT_EQ(CompareSettingsErrorText(same.error()),
                      QStringLiteral("Error In CompareSettings: Type mismatch\rLine Number: %1\rYou should run Rebuild "
                                     "Settings from the Tools pull-down menu above to correct this problem.")
                          .arg(row("chkFilter") + 1));
    }
}

TEST_F(SettingsFileTest, RebuildRepairsEveryFileByItsRealNameAndLogsByLabel)
{
    writeFile(settings("raster.cfg"), "[Video Options]\r\nVideo=OpenGL\r\nEffect=Sharp\r\n");
    writeFile(settings("Vector.CFG"), "[Direct3D-Specific Options]\r\nFilter=yes\r\n");
    writeFile(settings("averyverylongname.cfg"), "[Sound Options]\r\nSound=9\r\n");
    writeFile(settings("pacman.cfg"), "[Video Options]\r\nVideo=GDI\r\n");
    writeFile(settings("notes.txt"), "[Video Options]\r\nVideo=OpenGL\r\n");

    const QStringList names = SettingsFileNames(settings(""));
    EXPECT_EQ(names, QStringList({"Vector.CFG", "averyverylongname.cfg", "pacman.cfg", "raster.cfg"}));
    std::vector<int> done;
    const RebuildOutcome first = RebuildSettings(settings(""), names, m_lists, [&done](int n) { done.push_back(n); });
    EXPECT_EQ(done, std::vector<int>({1, 2, 3, 4}));
    EXPECT_TRUE(first.found);
    EXPECT_EQ(first.log, "Vector.CFG     \tBilinear Filtering\r\n\r\n"
                         "averyverylongna\tSound\r\n\r\n"
                         "raster.cfg     \tVideo\r\nraster.cfg     \tEffect\r\n\r\n");
    EXPECT_EQ(RebuiltReportText(first.log).left(23), "Filename\tSetting\r\n\r\n\r\nV");

    EXPECT_TRUE(readFile(settings("raster.cfg")).contains("Video=D3D\r\nEffect=None\r\n"));
    EXPECT_TRUE(readFile(settings("Vector.CFG")).contains("Filter=1"));
    EXPECT_TRUE(readFile(settings("averyverylongname.cfg")).contains("Sound=1"));
    EXPECT_EQ(readFile(settings("pacman.cfg")), "[Video Options]\r\nVideo=GDI\r\n");
    EXPECT_TRUE(readFile(settings("notes.txt")).contains("OpenGL"));

    const RebuildOutcome second = RebuildSettings(settings(""), names, m_lists, {});
    EXPECT_FALSE(second.found);
    EXPECT_TRUE(second.log.isEmpty());
}

TEST_F(SettingsFileTest, RebuildNamesAFileItCouldNotRepairAndLeavesItForTheNextRun)
{
    const QByteArray bad = "[Video Options]\r\nVideo=OpenGL\r\n";
    writeFile(settings("raster.cfg"), bad);
    writeFile(settings("vector.cfg"), bad);
    const QStringList names = SettingsFileNames(settings(""));
    {
        // Every file that kept its values is named, and none of them is logged as repaired.
        const ScopedWriteLimit full(0);
        std::vector<int> done;
        const RebuildOutcome failed = RebuildSettings(settings(""), names, m_lists, [&done](int n) { done.push_back(n); });
        ASSERT_EQ(failed.unsaved.size(), 2u);
        EXPECT_EQ(QDir::cleanPath(failed.unsaved[0].path).toStdString(), settings("raster.cfg").toStdString());
        EXPECT_EQ(QDir::cleanPath(failed.unsaved[1].path).toStdString(), settings("vector.cfg").toStdString());
        EXPECT_FALSE(failed.unsaved[1].error.description.isEmpty());
        EXPECT_FALSE(failed.found);
        EXPECT_TRUE(failed.log.isEmpty());
        EXPECT_EQ(done, std::vector<int>({1, 2}));
    }
    EXPECT_EQ(readFile(settings("raster.cfg")), bad);
    EXPECT_EQ(readFile(settings("vector.cfg")), bad);
    {
        // Room for the first file's replacement only: it alone is logged.
        const ScopedWriteLimit room(40);
        const RebuildOutcome half = RebuildSettings(settings(""), names, m_lists, {});
        ASSERT_EQ(half.unsaved.size(), 1u);
        EXPECT_EQ(QDir::cleanPath(half.unsaved[0].path).toStdString(), settings("vector.cfg").toStdString());
        EXPECT_EQ(half.log, "raster.cfg     \tVideo\r\n\r\n");
        EXPECT_TRUE(half.found);
    }
    EXPECT_EQ(readFile(settings("vector.cfg")), bad);

    const RebuildOutcome retried = RebuildSettings(settings(""), names, m_lists, {});
    EXPECT_TRUE(retried.unsaved.empty());
    EXPECT_TRUE(retried.found);
    EXPECT_TRUE(readFile(settings("raster.cfg")).contains("Video=D3D"));
    EXPECT_TRUE(readFile(settings("vector.cfg")).contains("Video=D3D"));
}

TEST(RebuildProgress, PercentAsTheRuntimeFormatsIt)
{
    EXPECT_EQ(RebuildProgressText(0, 3), "Progress: %");
    EXPECT_EQ(RebuildProgressText(1, 3), "Progress: 33%");
    EXPECT_EQ(RebuildProgressText(2, 3), "Progress: 67%");
    EXPECT_EQ(RebuildProgressText(3, 3), "Progress: 100%");
}
