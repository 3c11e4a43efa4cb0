// The option panel in the main window: opening it for a type or a game, the enabling rules as
// files load, saving, restoring and cancelling, and Rebuild Settings in the report panel.
#include "support/MainWindowFixture.h"

#include "options/OptionPanel.h"
#include "platform/MsgBox.h"
#include "platform/RichTextBox.h"
#include "platform/StatusPanels.h"
#include "reports/ReportPanel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>

#include "support/FakeMame.h"
#include "support/Files.h"
#include "support/FullDisk.h"
#include "support/ScopedEnv.h"

namespace {

const QString kAdvice =
    QStringLiteral("You should run Rebuild Settings from the Tools pull-down menu above to correct this problem.");

class OptionPanelTest : public MainWindowTest {
protected:
    QString settings(const char* file) const { return app() + "/settings/" + file; }

    // pacman (Raster) selected in All Games; asteroid is the one vector game.
    frmMain& loaded(const QByteArray& options = {})
    {
        std::vector<FixtureGame> games = fiveGames();
        games[3].installed = true;
        games[3].type = QStringLiteral("Vector");
        writeGames(games);
        writeOptions(options);
        frmMain& w = loadShown();
        select(w, "pacman");
        return w;
    }
    static void select(frmMain& w, const char* rom)
    {
        const QStringList order = {"asteroid", "galaxian", "mspacman", "pacman", "zaxxon"};
        selectRow(w.fraList->lvAll, static_cast<int>(order.indexOf(QLatin1String(rom))));
    }
    static QComboBox* combo(frmMain& w, const char* name) { return w.fraDefaults->combo(name); }
    static QCheckBox* check(frmMain& w, const char* name) { return w.fraDefaults->check(name); }
    static QString panel6(frmMain& w) { return w.StatusBar[0]->panelText(6); }
    // Whether `panel` is the frame seen in the middle of the stacked frames.
    static bool inFront(QWidget* panel)
    {
        QWidget* area = panel->parentWidget();
        const QWidget* seen = area->childAt(panel->geometry().center());
        return seen == panel || panel->isAncestorOf(seen);
    }
    bool panelOpen(frmMain& w) const
    {
        return w.fraDefaults->isEnabled() && !w.fraList->isEnabled() && m_state.view.intPanelShown == 1;
    }
};

} // namespace

TEST_F(OptionPanelTest, RasterPanelAtTheDefaultsKeepsNoFile)
{
    frmMain& w = loaded();
    for (bool existed : {false, true}) {
        SCOPED_TRACE(existed ? "raster.cfg existed" : "no raster.cfg");
        if (existed)
            writeFile(settings("raster.cfg"), "[Video Options]\r\nVideo=D3D\r\n");
        w.cmdRaster->click();
        ASSERT_TRUE(panelOpen(w));
        EXPECT_EQ(w.fraDefaults->title(), "Raster Settings");
        EXPECT_EQ(w.cmdRestore->text(), "R&estore M.A.M.E. Defaults");
        EXPECT_TRUE(w.StatusBar[1]->isVisible());
        EXPECT_FALSE(w.cmdVector->isEnabled());
        EXPECT_TRUE(w.fraDefaults->CheckDefaults());
        w.cmdOK->click();
        EXPECT_FALSE(QFileInfo::exists(settings("raster.cfg")));
        EXPECT_FALSE(w.fraDefaults->isEnabled());
        EXPECT_TRUE(w.fraList->isEnabled());
        EXPECT_EQ(m_state.view.intPanelShown, 0);
        EXPECT_FALSE(w.StatusBar[1]->isVisible());
    }
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(OptionPanelTest, ATypeFileThatCannotBeDeletedIsNamedAndThePanelStays)
{
    // A folder in the file's place stands for a file the system will not delete.
    makeDirs(settings("raster.cfg") + "/held");
    frmMain& w = loaded();
    w.cmdRaster->click();
    ASSERT_TRUE(w.fraDefaults->CheckDefaults());
    w.cmdOK->click();
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_TRUE(m_boxes.shown()[0].prompt.startsWith("Zelvane could not save " +
                                                     QDir::toNativeSeparators(settings("raster.cfg")) + ": "))
        << m_boxes.shown()[0].prompt.toStdString();
    EXPECT_TRUE(panelOpen(w));
}

TEST_F(OptionPanelTest, SavedRasterSettingsReachTheMameIniThatPlayRuns)
{
    ScopedEnv log("ZELVANE_FAKEMAME_LOG", QFile::encodeName(m_root + "/runs.log"));
    frmMain& w = loaded();
    w.mnuToolsRaster->trigger();
    combo(w, "cboVideo")->setCurrentText("GDI");
    combo(w, "cboBrightness")->setCurrentText("1.25");
    check(w, "chkSound")->setChecked(false);
    w.fraDefaults->txtOtherCommands->setText("-cheat");
    w.cmdOK->click();
    const QByteArray stored = readFile(settings("raster.cfg"));
    EXPECT_TRUE(stored.contains("\r\nVideo=GDI\r\n"));
    EXPECT_TRUE(stored.endsWith("[Miscellaneous]\r\nOther Commands=-cheat\r\n"));

    w.fraList->cmdPlay->click();
    const std::vector<FakeMameRun> runs = readFakeMameRuns(m_root + "/runs.log");
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].args, QStringList({"pacman", "-cheat"}));
    ASSERT_TRUE(runs[0].mameIni.has_value());
    for (const char* line : {"\r\nvideo\tgdi\r\n", "\r\nbrightness\t1.25\r\n", "\r\nsound\t0\r\n"})
        EXPECT_TRUE(runs[0].mameIni->contains(line)) << line;
}

TEST_F(OptionPanelTest, OtherCommandsComeBackFromTheirFileExactly)
{
    frmMain& w = loaded();
    const QString fits = QString(254, u'x');
    for (const QString& typed : {QStringLiteral("-rompath \"a b\""), QStringLiteral("\"a b\""), QStringLiteral("'x'"),
                                 QStringLiteral("  -cheat  "), QStringLiteral("\t-nowindow"), fits}) {
        SCOPED_TRACE(typed.toStdString());
        w.cmdRaster->click();
        w.fraDefaults->txtOtherCommands->setText(typed);
        w.cmdOK->click();
        ASSERT_FALSE(panelOpen(w));
        w.cmdRaster->click();
        EXPECT_EQ(w.fraDefaults->txtOtherCommands->text(), typed);
        w.cmdCancel->click();
    }
    EXPECT_TRUE(m_boxes.shown().empty());

    // More than the file can give back is refused, and the panel keeps the text.
    w.cmdRaster->click();
    w.fraDefaults->txtOtherCommands->setText(fits + u'y');
    w.cmdOK->click();
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_EQ(m_boxes.shown()[0].prompt,
              "Other Commands can hold at most 254 bytes in a settings file; these take 255.  Please shorten them.");
    EXPECT_TRUE(panelOpen(w));
    EXPECT_EQ(w.fraDefaults->txtOtherCommands->text(), fits + u'y');
    EXPECT_TRUE(readFile(settings("raster.cfg")).endsWith("Other Commands=" + fits.toLatin1() + "\r\n"));
}

TEST_F(OptionPanelTest, RefusedValueIsReportedOnceAndTheFileKeepsIt)
{
    const QByteArray file = "[Video Options]\r\nVideo=OpenGL\r\n[Direct3D-Specific Options]\r\nFilter=2\r\n";
    writeFile(settings("raster.cfg"), file);
    writeFile(settings("pacman.cfg"), file);
    frmMain& w = loaded();
    // The panel comes to the front only once it has loaded, not under its error boxes.
    std::vector<bool> panelInFront;
    m_boxes.onShow([&](const MsgBoxScript::Shown&) { panelInFront.push_back(inFront(w.fraDefaults)); });
    w.cmdRaster->click();
    EXPECT_TRUE(inFront(w.fraDefaults));
    w.cmdCancel->click();
    w.mnuToolsCustom->trigger();
    EXPECT_TRUE(inFront(w.fraDefaults));
    w.cmdCancel->click();
    ASSERT_EQ(panelInFront, std::vector<bool>({false, false}));
    m_boxes.onShow({});
    m_boxes.clearShown();

    w.cmdRaster->click();
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_EQ(m_boxes.shown()[0].prompt,
              "Error loading Video.  The M.A.M.E. default value 'D3D' will be used.\r\n" + kAdvice);
    EXPECT_EQ(m_boxes.shown()[0].style, MsgStyle::Exclamation);
    EXPECT_EQ(m_boxes.shown()[0].title, "Raster Settings");
    EXPECT_EQ(combo(w, "cboVideo")->currentText(), "D3D");
    EXPECT_EQ(check(w, "chkFilter")->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(readFile(settings("raster.cfg")), file);
}

TEST_F(OptionPanelTest, AClickNeverGraysABox)
{
    struct Case {
        const char* name;
        QByteArray stored;
        bool tickFromCode; // the program ticks the grayed box before the clicks
        std::vector<Qt::CheckState> afterClicks;
    };
    const Case cases[] = {
        {"grayed", "Cheat=2", false, {Qt::Checked, Qt::Unchecked, Qt::Checked, Qt::Unchecked}},
        {"grayed, then ticked by the program", "Cheat=2", true, {Qt::Unchecked, Qt::Checked, Qt::Unchecked}},
        {"ticked", "Cheat=1", false, {Qt::Unchecked, Qt::Checked, Qt::Unchecked}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        nextCase();
        writeFile(settings("raster.cfg"), "[Miscellaneous Options]\r\n" + c.stored + "\r\n");
        frmMain& w = loaded();
        w.cmdRaster->click();
        QCheckBox* box = check(w, "chkCheat");
        if (c.tickFromCode)
            box->setCheckState(Qt::Checked);
        std::vector<Qt::CheckState> seen;
        for (size_t i = 0; i < c.afterClicks.size(); ++i) {
            box->click();
            seen.push_back(box->checkState());
        }
        EXPECT_EQ(seen, c.afterClicks);
        w.cmdCancel->click();
    }
}

TEST_F(OptionPanelTest, LoadingRunsTheRulesAsEachValueArrives)
{
    struct Case {
        const char* name;
        QByteArray file;
        bool switchRes;
    };
    const Case cases[] = {
        // Its own handler ticks it; the stored 0 then clears it and no later rule control changes.
        {"nothing changes after", "[Per-Window Video Options]\r\nResolution 0=640x480@60\r\n", false},
        // A later rule control's handler ticks it again.
        {"sound changes after", "[Per-Window Video Options]\r\nResolution 0=640x480@60\r\n[Sound Options]\r\nSound=0\r\n",
         true},
        {"stored ticked", "[Full Screen Options]\r\nSwitch Resolution=1\r\n", true},
        {"stored unticked", "[Full Screen Options]\r\nSwitch Resolution=0\r\n[Sound Options]\r\nSound=0\r\n", false},
    };
    frmMain& w = loaded();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Each case starts from a panel at the defaults.
        writeFile(settings("raster.cfg"), "");
        w.cmdRaster->click();
        w.cmdCancel->click();
        IniService::instance().dropAll();
        writeFile(settings("raster.cfg"), c.file);
        w.cmdRaster->click();
        EXPECT_EQ(check(w, "chkSwitchRes")->isChecked(), c.switchRes);
        w.cmdCancel->click();
        IniService::instance().dropAll();
    }
}

TEST_F(OptionPanelTest, CustomSettingsSavedUnchangedAreDeletedAtOnce)
{
    writeFile(settings("raster.cfg"), "[Video Options]\r\nVideo=DDraw\r\n");
    frmMain& w = loaded();
    struct Case {
        const char* name;
        std::function<void(frmMain&)> edit;
        bool kept;
    };
    const Case cases[] = {
        {"unchanged", [](frmMain&) {}, false},
        {"a changed value", [](frmMain& w) { combo(w, "cboFlip")->setCurrentText("Both"); }, true},
        {"only Other Commands", [](frmMain& w) { w.fraDefaults->txtOtherCommands->setText("-numscreens 2"); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(settings("pacman.cfg"));
        w.mnuToolsCustom->trigger();
        ASSERT_TRUE(panelOpen(w));
        EXPECT_EQ(w.fraDefaults->title(), "Custom Settings");
        EXPECT_EQ(w.StatusBar[1]->panelText(2), "Pac-Man");
        EXPECT_EQ(w.StatusBar[1]->panelText(3), "pacman");
        // Without its own file the game shows its type's settings.
        EXPECT_EQ(combo(w, "cboVideo")->currentText(), "DDraw");
        c.edit(w);
        w.cmdOK->click();
        EXPECT_EQ(QFileInfo::exists(settings("pacman.cfg")), c.kept);
        EXPECT_EQ(panel6(w), c.kept ? "Custom Settings" : "Default Settings");
        EXPECT_EQ(w.StatusBar[1]->panelText(2), "");
    }
    // Without the type's file, a game's own file at the defaults goes too.
    QFile::remove(settings("raster.cfg"));
    QFile::remove(settings("pacman.cfg"));
    w.mnuToolsCustom->trigger();
    w.cmdOK->click();
    EXPECT_FALSE(QFileInfo::exists(settings("pacman.cfg")));
    EXPECT_EQ(panel6(w), "Default Settings");
    EXPECT_TRUE(m_boxes.shown().empty());
}

TEST_F(OptionPanelTest, CustomSettingsEnableTheControlsOfTheGamesType)
{
    writeFile(settings("asteroid.cfg"), "[Vector Rendering Options]\r\nBeam=2.50\r\n");
    writeFile(settings("vector.cfg"), "");
    frmMain& w = loaded();
    struct Case {
        const char* rom;
        bool vector;
        const char* restore;
    };
    const Case cases[] = {{"asteroid", true, "R&estore Vector Settings"}, {"pacman", false, "R&estore M.A.M.E. Defaults"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rom);
        select(w, c.rom);
        w.mnuToolsCustom->trigger();
        EXPECT_EQ(combo(w, "cboBios")->isEnabled(), !c.vector);
        EXPECT_EQ(w.fraDefaults->lblCombo[11]->isEnabled(), !c.vector);
        for (const char* name : {"frame11", "cboBeam", "lblCombo22", "cboFlicker", "lblCombo23", "chkAntialias"})
            EXPECT_EQ(w.fraDefaults->findChild<QWidget*>(name)->isEnabled(), c.vector) << name;
        EXPECT_EQ(w.cmdRestore->text(), c.restore);
        w.cmdCancel->click();
    }

    // Restore shows the type's settings while the game has its own file and the type has one.
    select(w, "asteroid");
    w.mnuToolsCustom->trigger();
    EXPECT_EQ(combo(w, "cboBeam")->currentText(), "2.50");
    w.cmdRestore->click();
    EXPECT_EQ(combo(w, "cboBeam")->currentText(), "1.00");
    EXPECT_EQ(m_state.settings.strSettingsFile, settings("vector.cfg"));
    w.cmdOK->click();
    EXPECT_FALSE(QFileInfo::exists(settings("asteroid.cfg")));
    EXPECT_EQ(panel6(w), "Default Settings");
}

// Today's MAME has LCD and SVG screens: their games take the raster settings.
TEST_F(OptionPanelTest, CustomSettingsOfLcdAndSvgGamesAreRasterSettings)
{
    writeFile(settings("raster.cfg"), "[Video Options]\r\nVideo=DDraw\r\n");
    writeFile(settings("vector.cfg"), "[Video Options]\r\nVideo=GDI\r\n");
    std::vector<FixtureGame> games = fiveGames();
    games[1].type = QStringLiteral("Lcd");
    games[4].type = QStringLiteral("Svg");
    writeGames(games);
    writeOptions({});
    frmMain& w = loadShown();
    for (const char* rom : {"galaxian", "zaxxon"}) {
        SCOPED_TRACE(rom);
        const QString own = settings(rom) + ".cfg";
        select(w, rom);
        w.mnuToolsCustom->trigger();
        EXPECT_EQ(combo(w, "cboVideo")->currentText(), "DDraw");
        EXPECT_TRUE(combo(w, "cboBios")->isEnabled());
        EXPECT_FALSE(combo(w, "cboBeam")->isEnabled());
        w.cmdOK->click();
        EXPECT_FALSE(QFileInfo::exists(own)) << "equal to raster.cfg";
        EXPECT_EQ(panel6(w), "Default Settings");

        w.mnuToolsCustom->trigger();
        combo(w, "cboFlip")->setCurrentText("Both");
        w.cmdOK->click();
        EXPECT_EQ(storedOption(own, "Video Rotation Options", "Flip"), "Both");
        w.mnuToolsCustom->trigger();
        EXPECT_EQ(combo(w, "cboFlip")->currentText(), "Both");
        EXPECT_EQ(w.cmdRestore->text(), "R&estore Raster Settings");
        w.cmdRestore->click();
        EXPECT_EQ(m_state.settings.strSettingsFile, settings("raster.cfg"));
        w.cmdOK->click();
        EXPECT_FALSE(QFileInfo::exists(own));
    }
    EXPECT_TRUE(m_boxes.shown().empty());
}

// Machines without a screen have an empty Type: their settings are raster settings, never what
// the panel last held.
TEST_F(OptionPanelTest, AMachineWithoutAScreenTakesTheRasterSettings)
{
    writeFile(settings("raster.cfg"), "[Video Rotation Options]\r\nFlip=Both\r\n");
    writeFile(settings("vector.cfg"), "[Video Rotation Options]\r\nFlip=Horizontally\r\n");
    std::vector<FixtureGame> games = fiveGames();
    games[4].type.clear();
    writeGames(games);
    writeOptions({});
    frmMain& w = loadShown();
    w.cmdVector->click(); // the panel last held the vector settings
    w.cmdCancel->click();

    select(w, "zaxxon");
    w.mnuToolsCustom->trigger();
    EXPECT_EQ(combo(w, "cboFlip")->currentText(), "Both");
    w.cmdOK->click();
    EXPECT_FALSE(QFileInfo::exists(settings("zaxxon.cfg")));
    EXPECT_TRUE(m_boxes.shown().empty());
}

// Today's MAME reads the joystick unless told not to: a new settings file and Restore start there.
TEST_F(OptionPanelTest, TodaysMameStartsWithTheJoystickRead)
{
    std::vector<FixtureGame> games = fiveGames();
    for (FixtureGame& game : games)
        game.source = QStringLiteral("pacman/pacman.cpp");
    writeGames(games);
    writeOptions({});
    frmMain& w = loadShown();
    select(w, "pacman");
    QCheckBox* joystick = check(w, "chkJoystick");
    w.cmdRaster->click();
    EXPECT_EQ(joystick->checkState(), Qt::Checked);
    w.cmdOK->click();
    EXPECT_FALSE(QFileInfo::exists(settings("raster.cfg"))) << "at the defaults";

    w.cmdRaster->click();
    joystick->setCheckState(Qt::Unchecked);
    w.cmdRestore->click();
    EXPECT_EQ(joystick->checkState(), Qt::Checked);
    w.cmdCancel->click();
}

TEST_F(OptionPanelTest, CancelKeepsEveryFileAndReopeningShowsTheStoredValues)
{
    writeFile(settings("vector.cfg"), "[Sound Options]\r\nVolume=-5\r\n");
    frmMain& w = loaded();
    w.cmdVector->click();
    EXPECT_EQ(w.fraDefaults->title(), "Vector Settings");
    EXPECT_EQ(combo(w, "cboVolume")->currentText(), "-5");
    combo(w, "cboVolume")->setCurrentText("-10");
    w.fraDefaults->VScroll0->setValue(w.fraDefaults->VScroll0->maximum());
    EXPECT_LT(w.picBox1->y(), 0);
    w.cmdCancel->click();
    EXPECT_EQ(readFile(settings("vector.cfg")), "[Sound Options]\r\nVolume=-5\r\n");
    EXPECT_EQ(m_state.view.intPanelShown, 0);
    w.cmdVector->click();
    EXPECT_EQ(combo(w, "cboVolume")->currentText(), "-5");
    EXPECT_EQ(w.fraDefaults->VScroll0->value(), 0);
    EXPECT_EQ(w.picBox1->y(), 0);
}

TEST_F(OptionPanelTest, FailedSaveNamesTheFileAndKeepsThePanelOpen)
{
    frmMain& w = loaded();
    w.cmdRaster->click();
    combo(w, "cboVideo")->setCurrentText("GDI");
    {
        ScopedWriteLimit full(0);
        w.cmdOK->click();
    }
    EXPECT_FALSE(QFileInfo::exists(settings("raster.cfg")));
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_TRUE(m_boxes.shown()[0].prompt.contains(settings("raster.cfg")));
    EXPECT_TRUE(panelOpen(w));
    EXPECT_EQ(combo(w, "cboVideo")->currentText(), "GDI");
    // Once the disk has room, OK saves what the user still sees.
    w.cmdOK->click();
    EXPECT_TRUE(readFile(settings("raster.cfg")).contains("Video=GDI"));
}

class RebuildSettingsTest : public OptionPanelTest {
protected:
    QString reportText(frmMain& w) const { return w.fraVerify->txtVerify->Text(); }
};

TEST_F(RebuildSettingsTest, NoFilesOrNoMeansNothingShown)
{
    frmMain& w = loaded();
    w.mnuToolsRebuildSettings->trigger();
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_EQ(m_boxes.shown()[0].prompt, "There are no setting files.");
    EXPECT_EQ(m_boxes.shown()[0].style, MsgStyle::Information);
    EXPECT_EQ(m_boxes.shown()[0].title, "Rebuild Settings");

    writeFile(settings("raster.cfg"), "[Video Options]\r\nVideo=OpenGL\r\n");
    m_boxes.answer(MsgAnswer::No);
    w.mnuToolsRebuildSettings->trigger();
    ASSERT_EQ(m_boxes.shown().size(), 2u);
    EXPECT_EQ(m_boxes.shown()[1].title, "Confirm Continue");
    EXPECT_EQ(m_boxes.shown()[1].style, MsgStyle::YesNo + MsgStyle::Question);
    EXPECT_EQ(m_state.view.intPanelShown, 0);
    EXPECT_TRUE(readFile(settings("raster.cfg")).contains("OpenGL"));
}

TEST_F(RebuildSettingsTest, RepairsReportsAndASecondRunFindsNothing)
{
    writeFile(settings("raster.cfg"), "[Video Options]\r\nVideo=OpenGL\r\nEffect=Sharp\r\n");
    writeFile(settings("pacman.cfg"), "[Video Options]\r\nVideo=GDI\r\n");
    frmMain& w = loaded();
    w.mnuToolsRebuildSettings->trigger();
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_TRUE(m_boxes.shown()[0].prompt.endsWith("re-save them to correct name changes.  Do you want to continue?"));

    const QString expected = "Filename\tSetting\r\n\r\n\r\nraster.cfg     \tVideo\r\nraster.cfg     \tEffect\r\n\r\n";
    EXPECT_EQ(reportText(w), expected);
    EXPECT_EQ(readFile(report("rebuilt.txt")), expected.toLatin1());
    EXPECT_TRUE(readFile(settings("raster.cfg")).contains("Video=D3D\r\nEffect=None\r\n"));
    EXPECT_EQ(w.fraVerify->title(), "Rebuild Settings");
    EXPECT_TRUE(w.fraVerify->isEnabled());
    EXPECT_TRUE(w.fraVerify->cmdGameList->isEnabled());
    EXPECT_TRUE(w.mnuFileExit->isEnabled());
    EXPECT_FALSE(w.ProgressBar[1]->isVisible());
    EXPECT_EQ(w.StatusBar[1]->panelText(1), "Progress: 100%");
    // The headings are bold, the rest is not.
    QTextCursor cursor(w.fraVerify->txtVerify->document());
    cursor.setPosition(1);
    EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Bold);
    cursor.setPosition(QString(expected).indexOf("Video") + 1);
    EXPECT_NE(cursor.charFormat().fontWeight(), QFont::Bold);

    w.fraVerify->cmdGameList->click();
    w.mnuReportsRebuildSettings->trigger();
    EXPECT_EQ(reportText(w), expected);
    w.fraVerify->cmdGameList->click();

    w.mnuToolsRebuildSettings->trigger();
    EXPECT_EQ(reportText(w), "No invalid values were detected in your setting files.");
    EXPECT_FALSE(QFileInfo::exists(report("rebuilt.txt")));
}

TEST_F(RebuildSettingsTest, EverySettingsFileThatCannotBeRepairedIsNamed)
{
    const QByteArray bad = "[Video Options]\r\nVideo=OpenGL\r\n";
    writeFile(settings("raster.cfg"), bad);
    writeFile(settings("vector.cfg"), bad);
    frmMain& w = loaded();
    {
        const ScopedWriteLimit full(0);
        w.mnuToolsRebuildSettings->trigger();
    }
    ASSERT_EQ(m_boxes.shown().size(), 2u);
    const auto& told = m_boxes.shown()[1];
    EXPECT_TRUE(told.prompt.startsWith("Error In cmdRebuildSettings: ")) << told.prompt.toStdString();
    for (const char* file : {"raster.cfg", "vector.cfg"})
        EXPECT_TRUE(told.prompt.contains("\r" + QDir::toNativeSeparators(settings(file)) + " (")) << file;
    EXPECT_EQ(told.title, "Rebuild Settings");
    // Nothing was repaired, and nothing says the files are valid.
    EXPECT_FALSE(reportText(w).contains("No invalid values"));
    EXPECT_FALSE(reportText(w).contains("raster.cfg"));
    EXPECT_EQ(readFile(settings("raster.cfg")), bad);
    EXPECT_TRUE(w.fraVerify->cmdGameList->isEnabled());
}

TEST_F(RebuildSettingsTest, AReportThatCannotBeWrittenIsToldAndTheWayBackOpens)
{
    writeFile(settings("raster.cfg"), "[Video Options]\r\nVideo=OpenGL\r\n");
    makeDirs(report("rebuilt.txt"));
    frmMain& w = loaded();
    w.mnuToolsRebuildSettings->trigger();
    ASSERT_EQ(m_boxes.shown().size(), 2u);
    EXPECT_TRUE(m_boxes.shown()[1].prompt.startsWith("Error In cmdRebuildSettings: "));
    EXPECT_EQ(m_boxes.shown()[1].title, "Rebuild Settings");
    EXPECT_EQ(reportText(w), "Filename\tSetting\r\n\r\n\r\nraster.cfg     \tVideo\r\n\r\n");
    EXPECT_TRUE(readFile(settings("raster.cfg")).contains("Video=D3D"));
    EXPECT_TRUE(w.fraVerify->cmdGameList->isEnabled());
    EXPECT_TRUE(w.mnuFileExit->isEnabled());
}
