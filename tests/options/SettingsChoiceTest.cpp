#include "options/SettingsChoice.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/Files.h"

namespace {

class SettingsChoiceTest : public ::testing::Test {
protected:
    void SetUp() override { makeDirs(settings("")); }
    QString settings(const char* file) const { return m_dir.filePath(QStringLiteral("settings/") + file); }
    SettingsChoice choose(const char* rom, const char* type, const char* before = "Vector") const
    {
        return ChooseSettingsFile(m_dir.path(), rom, type, before);
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(SettingsChoiceTest, OwnFileWinsWhateverTheType)
{
    writeFile(settings("pacman.cfg"), "");
    writeFile(settings("raster.cfg"), "");
    EXPECT_EQ(choose("pacman", "Raster").file, settings("pacman.cfg"));
    EXPECT_EQ(choose("pacman", "Raster").type, "Raster");
    // An unknown type keeps the type from before, even with the game's own file.
    EXPECT_EQ(choose("pacman", "Other", "Vector").file, settings("pacman.cfg"));
    EXPECT_EQ(choose("pacman", "Other", "Vector").type, "Vector");
}

TEST_F(SettingsChoiceTest, TypeFileOrNone)
{
    writeFile(settings("vector.cfg"), "");
    EXPECT_EQ(choose("asteroid", "Vector", "Raster").file, settings("vector.cfg"));
    // No raster.cfg: no file, but the type follows the game.
    const SettingsChoice none = choose("pacman", "Raster", "Vector");
    EXPECT_TRUE(none.file.isEmpty());
    EXPECT_EQ(none.type, "Raster");
    // Types compare exactly.
    EXPECT_TRUE(choose("asteroid", "vector", "Raster").file.isEmpty());
    EXPECT_EQ(choose("asteroid", "vector", "Raster").type, "Raster");
}

TEST_F(SettingsChoiceTest, LcdAndSvgGamesRunWithTheRasterSettings)
{
    writeFile(settings("raster.cfg"), "");
    for (const char* type : {"Lcd", "Svg"}) {
        SCOPED_TRACE(type);
        const SettingsChoice choice = choose("gnw_ball", type, "Vector");
        EXPECT_EQ(choice.file, settings("raster.cfg"));
        EXPECT_EQ(choice.type, "Raster");
    }
    EXPECT_EQ(choose("gnw_ball", "lcd", "Vector").type, "Vector");
}
