#include "options/SettingsChoice.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/Files.h"

namespace {

class SettingsChoiceTest : public ::testing::Test {
protected:
    void SetUp() override { makeDirs(settings("")); }
    QString settings(const char* file) const { return m_dir.filePath(QStringLiteral("settings/") + file); }
    SettingsChoice choose(const char* rom, const char* type) const { return ChooseSettingsFile(m_dir.path(), rom, type); }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(SettingsChoiceTest, OwnFileWinsWhateverTheType)
{
    writeFile(settings("pacman.cfg"), "");
    writeFile(settings("raster.cfg"), "");
    EXPECT_EQ(choose("pacman", "Raster").file, settings("pacman.cfg"));
    EXPECT_EQ(choose("pacman", "Raster").type, "Raster");
    EXPECT_EQ(choose("pacman", "Vector").file, settings("pacman.cfg"));
    EXPECT_EQ(choose("pacman", "Vector").type, "Vector");
}

TEST_F(SettingsChoiceTest, TypeFileOrNone)
{
    writeFile(settings("vector.cfg"), "");
    EXPECT_EQ(choose("asteroid", "Vector").file, settings("vector.cfg"));
    // No raster.cfg: no file, but the type follows the game.
    const SettingsChoice none = choose("pacman", "Raster");
    EXPECT_TRUE(none.file.isEmpty());
    EXPECT_EQ(none.type, "Raster");
    // Types compare exactly.
    EXPECT_TRUE(choose("asteroid", "vector").file.isEmpty());
    EXPECT_EQ(choose("asteroid", "vector").type, "Raster");
}

// LCD and SVG screens, and machines without a screen (slot machines, pinballs), which have no Type.
TEST_F(SettingsChoiceTest, EveryTypeButVectorRunsWithTheRasterSettings)
{
    writeFile(settings("raster.cfg"), "");
    writeFile(settings("vector.cfg"), "");
    for (const char* type : {"Lcd", "Svg", "", "vector"}) {
        SCOPED_TRACE(type);
        const SettingsChoice choice = choose("gnw_ball", type);
        EXPECT_EQ(choice.file, settings("raster.cfg"));
        EXPECT_EQ(choice.type, "Raster");
    }
}
