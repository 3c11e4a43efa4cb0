#include "shell/OptionsIni.h"

#include "shell/IniFile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/Files.h"

namespace {

class OptionsIni : public ::testing::Test {
protected:
    void SetUp() override { IniService::instance().dropAll(); }
    void TearDown() override { IniService::instance().dropAll(); }
    QString ini() const { return m_dir.filePath("options.ini"); }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(OptionsIni, MissingFileReadsEveryDefault)
{
    AppState state;
    state.view.blnScroll = false;
    state.appearance.strFontSize = "14";
    state.view.intAllIndex = 7;
    ASSERT_FALSE(ReadOptions(ini(), state).has_value());
    EXPECT_TRUE(state.view.blnScroll);
    EXPECT_EQ(state.appearance.strFontSize, "8");
    EXPECT_EQ(state.appearance.lngBackColor, -2147483643);
    EXPECT_EQ(state.appearance.lngGradientColor, -2147483632);
    EXPECT_EQ(state.view.strGameView, "All Games");
    EXPECT_EQ(state.view.intAllIndex, 1);
}

TEST_F(OptionsIni, ReadsLenientBooleansAndEveryKindOfValue)
{
    writeFile(ini(), "[Preferences]\r\nHideClones=true\r\nHideSEGAC2.C=1\r\nHideST-V=FALSE\r\nYear=1990\r\n"
                     "BackColor=255\r\n[Directories]\r\nROMs=/roms\r\n[View]\r\nGameView=Installed Games\r\n"
                     "AllSortKey=2.5\r\nInstalledSortOrder=1\r\nAllIndex=45000\r\n");
    AppState state;
    ASSERT_FALSE(ReadOptions(ini(), state).has_value());
    EXPECT_TRUE(state.filters.blnHideClones);
    EXPECT_TRUE(state.filters.blnHideSEGAC2);
    EXPECT_FALSE(state.filters.blnHideSTV);
    EXPECT_EQ(state.filters.strHideYear, "1990");
    EXPECT_EQ(state.appearance.lngBackColor, 255);
    EXPECT_EQ(state.dirs.strROMsPath, "/roms");
    EXPECT_EQ(state.view.strGameView, "Installed Games");
    EXPECT_EQ(state.view.intAllSortKey, 2);
    EXPECT_EQ(state.view.intInstalledSortOrder, 1);
    EXPECT_EQ(state.view.intAllIndex, 45000) << "a list may hold more than 32,767 games";
}

TEST_F(OptionsIni, ValueThatFailsItsConversionIsReportedAsOverflowOrMismatch)
{
    struct Case {
        const char* text;
        int error;
    };
    const Case cases[] = {
        {"[Preferences]\r\nHideVs=yes\r\n", ErrorNumber::TypeMismatch},
        {"[Preferences]\r\nHideVs=\r\n", ErrorNumber::TypeMismatch},
        {"[View]\r\nAllSortKey=40000\r\n", ErrorNumber::Overflow},
        {"[Miscellaneous]\r\nMAMESize=big\r\n", ErrorNumber::TypeMismatch},
        {"[View]\r\nAllSortKey=&H10000\r\n", ErrorNumber::Overflow},
        {"[Preferences]\r\nBackColor=&H100000000\r\n", ErrorNumber::Overflow},
        {"[Preferences]\r\nBackColor=2147483648\r\n", ErrorNumber::Overflow},
        {"[Preferences]\r\nBackColor=&HGG\r\n", ErrorNumber::TypeMismatch},
    };
    for (const Case& c : cases) {
        IniService::instance().dropAll();
        writeFile(ini(), c.text);
        AppState state;
        const Status error = ReadOptions(ini(), state);
        ASSERT_TRUE(error.has_value()) << c.text;
        EXPECT_EQ(error->number, c.error) << c.text;
    }
}

TEST_F(OptionsIni, HandEditedHexadecimalAndOctalNumbersReadAsTheirValues)
{
    writeFile(ini(), "[Preferences]\r\nBackColor=&H80000005\r\nFontColor= &hFFFFFF \r\n"
                     "[View]\r\nWindowState=&O2\r\nAllSortOrder=&HFFFF\r\n");
    AppState state;
    ASSERT_FALSE(ReadOptions(ini(), state).has_value());
    EXPECT_EQ(state.appearance.lngBackColor, -2147483643);
    EXPECT_EQ(state.appearance.lngFontColor, 16777215);
    EXPECT_EQ(state.view.intWindowState, 2);
    EXPECT_EQ(state.view.intAllSortOrder, -1);
}

TEST_F(OptionsIni, VersionNumberDropsTheDots)
{
    EXPECT_EQ(OptionsVersionNumber("3.4.1").value(), 341);
    EXPECT_EQ(OptionsVersionNumber("4.0.0").value(), 400);
    EXPECT_EQ(OptionsVersionNumber("0").value(), 0);
    EXPECT_FALSE(OptionsVersionNumber("4.x").ok());
}

TEST_F(OptionsIni, ViewBatchWritesTheTwelveViewKeysInOrderWithoutScroll)
{
    AppState state;
    state.view.strGameView = "Installed Games";
    state.view.blnScreenShots = true;
    state.view.intInstalledSortKey = 1;
    state.view.intInstalledSortOrder = 1;
    WriteOptionBatch(ini(), state, OptionBatch::View);
    FlushINI(ini());
    EXPECT_EQ(readFile(ini()),
              "[View]\r\nGameView=Installed Games\r\nScreenShots=True\r\nFavorites=False\r\nWindowState=0\r\n"
              "AllIndex=1\r\nAllSortKey=0\r\nAllSortOrder=0\r\nInstalledIndex=1\r\nInstalledSortKey=1\r\n"
              "InstalledSortOrder=1\r\nUninstalledIndex=1\r\nUninstalledSortKey=0\r\nUninstalledSortOrder=0\r\n");
}

TEST_F(OptionsIni, WizardBatchesWriteThirtyFourPreferencesThenSixteenDirectories)
{
    AppState state;
    state.dirs.strMAMEPath = "/mame";
    WriteOptionBatch(ini(), state, OptionBatch::Preferences);
    WriteOptionBatch(ini(), state, OptionBatch::Directories);
    FlushINI(ini());
    const QList<QByteArray> lines = readFile(ini()).split('\n');
    // Two headers, 34 + 16 keys and the empty rest after the last line end.
    ASSERT_EQ(lines.size(), 2 + 34 + 16 + 1);
    EXPECT_EQ(lines[1], "HideArcadia=False\r");
    EXPECT_EQ(lines[34], "FontSize=8\r");
    EXPECT_EQ(lines[35], "[Directories]\r");
    EXPECT_EQ(lines[36], "MAME=/mame\r");
    EXPECT_EQ(lines[51], "Comments=\r");
}

TEST_F(OptionsIni, RoundTripOfEveryKeyKeepsTheState)
{
    AppState written;
    written.filters.blnHideMPU4 = true;
    written.filters.strHideYear = "1985";
    written.appearance.lngFontColor = -2147483640;
    written.dirs.strCommentsPath = "/c d/comments";
    written.view.intUninstalledIndex = 33000;
    written.view.blnFavorites = true;
    for (OptionBatch b : {OptionBatch::Preferences, OptionBatch::Directories, OptionBatch::View})
        WriteOptionBatch(ini(), written, b);
    WriteOptionKey(ini(), written, "GradientColor");
    FlushINI(ini());
    IniService::instance().dropAll();
    AppState read;
    ASSERT_FALSE(ReadOptions(ini(), read).has_value());
    EXPECT_TRUE(read.filters.blnHideMPU4);
    EXPECT_EQ(read.filters.strHideYear, "1985");
    EXPECT_EQ(read.appearance.lngFontColor, -2147483640);
    EXPECT_EQ(read.dirs.strCommentsPath, "/c d/comments");
    EXPECT_EQ(read.view.intUninstalledIndex, 33000);
    EXPECT_TRUE(read.view.blnFavorites);
}
