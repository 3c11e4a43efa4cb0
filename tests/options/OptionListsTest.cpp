#include "options/OptionLists.h"

#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/Files.h"

namespace {

const QStringList& listOf(const OptionLists& lists, const char* control)
{
    return lists[static_cast<size_t>(findOptionRow(control))];
}

} // namespace

TEST(DefineCombos, ListsHaveTheirCountsFirstAndLastItemsWhateverTheLocale)
{
    // A locale that writes decimal commas must not reach the items.
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const OptionLists lists = DefineComboLists({"Default"}, {"None"});
    QLocale::setDefault(before);

    // The computed lists only: a literal list would restate the catalogue.
    struct Case {
        const char* control;
        qsizetype count;
        const char* first;
        const char* last;
        const char* inside;
    };
    const Case cases[] = {
        {"cboFrameSkip", 14, "Auto", "12", "0"},
        {"cboPriority", 17, "-15", "1", "0"},
        {"cboResolution", 50, "Auto", "1600x1200@75", "320x240"},
        {"cboFullScreenBrightness", 20, "0.10", "2.00", "1.00"},
        {"cboFullScreenGamma", 30, "0.10", "3.00", "2.90"},
        {"cboBrightness", 191, "0.10", "2.00", "1.00"},
        {"cboContrast", 31, "0.50", "2.00", "1.05"},
        {"cboGamma", 31, "0.50", "2.00", "1.95"},
        {"cboBeam", 151, "1.00", "16.00", "15.90"},
        {"cboFlicker", 21, "0.00", "100.00", "5.00"},
        {"cboVolume", 33, "-32", "0", "-1"},
        {"cboDeadzone", 21, "0.00", "1.00", "0.30"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        const QStringList& items = listOf(lists, c.control);
        ASSERT_EQ(items.size(), c.count);
        EXPECT_EQ(items.first(), c.first);
        EXPECT_EQ(items.last(), c.last);
        EXPECT_TRUE(items.contains(QLatin1String(c.inside)));
        EXPECT_EQ(QStringList(items).removeDuplicates(), 0);
    }
    EXPECT_FALSE(listOf(lists, "cboBrightness").contains("0.00"));
    EXPECT_FALSE(listOf(lists, "cboContrast").contains("0.45"));

    // Every default stands in its list, or restoring the defaults could not select it.
    int combos = 0;
    for (size_t row = 0; row < kOptionCatalogue.size(); ++row) {
        if (kOptionCatalogue[row].kind != OptionKind::Combo)
            continue;
        ++combos;
        EXPECT_TRUE(lists[row].contains(QLatin1String(kOptionCatalogue[row].defaultText))) << kOptionCatalogue[row].control;
    }
    EXPECT_EQ(combos, 29);
}

TEST(DefineCombos, BiosItemsPairTheGamesDescriptionWithEachSetsNameInProperCase)
{
    QTemporaryDir dir;
    const QString resource = dir.filePath("resource.txt");
    struct Case {
        const char* name;
        QByteArray file;
        QStringList items;
    };
    const Case cases[] = {
        {"no BIOS sets", "\t<game name=\"neogeo\">\r\n\t\t<description>Neo-Geo</description>\r\n\t</game>\r\n",
         {"Default"}},
        {"two sets under one game",
         "\t\t<description>Neo-Geo</description>\r\n"
         "\t\t<biosset name=\"euro\" description=\"Europe MVS (Ver. 2)\" default=\"yes\"/>\r\n"
         "\t\t<biosset name=\"us-e\" description=\"US MVS\"/>\r\n"
         "\t\t<description>PlayChoice-10</description>\r\n\t\t<biosset name=\"DUAL bios\"/>\r\n",
         {"Default", "Neo-Geo: Euro", "Neo-Geo: Us-e", "PlayChoice-10: Dual Bios"}},
        {"a set before any description", "\t\t<biosset name=\"alone\"/>\n", {"Default", "Alone"}},
        {"lines too short or not indented by two",
         "\t\t<d\r\n<biosset name=\"x\"/>\r\n\t\t<bios\r\n\t\t<biosset name=\"y\r\n", {"Default", "Y"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(resource, c.file);
        const Result<QStringList> items = BiosItems(resource);
        ASSERT_TRUE(items.ok());
        EXPECT_EQ(*items, c.items);
    }
    // The build that failed to write it is redone at the next start; meanwhile there is no BIOS.
    const Result<QStringList> missing = BiosItems(dir.filePath("none.txt"));
    ASSERT_TRUE(missing.ok());
    EXPECT_EQ(*missing, QStringList({"Default"}));
}

TEST(DefineCombos, EffectItemsAreTheArtworkFoldersPngFilesAnyCase)
{
    QTemporaryDir dir;
    EXPECT_EQ(EffectItems(dir.path()), QStringList({"None"}));
    for (const char* name : {"scanlines.png", "RGB TRIAD.PNG", "aperture.png.png", "readme.txt"})
        writeFile(dir.filePath(name), "");
    makeDirs(dir.filePath("folder.png"));
    const QStringList items = EffectItems(dir.path());
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items.first(), "None");
    // Only the lower-case extension goes; a capital one stays, in proper case.
    EXPECT_TRUE(items.contains("Scanlines"));
    EXPECT_TRUE(items.contains("Rgb Triad.png"));
    EXPECT_TRUE(items.contains("Aperture"));
}

TEST(DefineCombos, ControlsTakeOnlyWhatTheyCanShow)
{
    const OptionLists lists = DefineComboLists({"Default"}, {"None", "Scanlines"});
    struct Case {
        const char* control;
        const char* stored;
        std::optional<QString> held;
    };
    const Case cases[] = {
        {"cboVideo", "D3D", "D3D"},
        {"cboVideo", "d3d", std::nullopt},
        {"cboVideo", "OpenGL", std::nullopt},
        {"cboEffect", "Scanlines", "Scanlines"},
        {"cboEffect", "Sharp", std::nullopt},
        {"cboBrightness", "1.0", std::nullopt},
        {"chkFilter", "0", "0"},
        {"chkFilter", "01", "1"},
        {"chkFilter", "2", "2"},
        {"chkFilter", "5", std::nullopt},
        {"chkFilter", "-1", std::nullopt},
        {"chkFilter", "yes", std::nullopt},
        {"chkFilter", "", std::nullopt},
        {"txtOtherCommands", " -anything at all", " -anything at all"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.control) + "=" + c.stored);
        EXPECT_EQ(AcceptedValue(lists, findOptionRow(c.control), QString::fromLatin1(c.stored)), c.held);
    }
}
