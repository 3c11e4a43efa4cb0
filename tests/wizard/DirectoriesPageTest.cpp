// The directories page: browsing, the MAME folder's fill, the folder checks and what OK takes.
#include "WizardFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>

#include "support/Files.h"
#include "support/FullDisk.h"
#include "support/ScopedEnv.h"

namespace {

QPushButton* button(frmChoose& form, const char* name) { return form.findChild<QPushButton*>(name); }

} // namespace

TEST_F(WizardTest, BrowsedFolderKeepsItsCaseAndMovesTheFocusToOK)
{
    auto form = openForm();
    form->cmdNext->click();
    const QString roms = m_root.filePath("Emu/My ROMs");
    makeDirs(roms);
    dialogs.folder(roms).folder(m_root.filePath("Emu/Snaps"));
    button(*form, "cmdSelectROM")->click();
    button(*form, "cmdSelectSnap")->click();
    EXPECT_EQ(dialogs.browseTitles(), (QStringList{"Select your ROMs folder...", "Select your Snapshot folder..."}));
    EXPECT_EQ(box(*form, "txtROMPath")->text(), roms);
    EXPECT_EQ(box(*form, "txtSnapPath")->text(), m_root.filePath("Emu/Snaps"));
    EXPECT_EQ(form->focusWidget(), form->cmdOK);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(WizardTest, TheRootIsRefusedAndAClosedBrowserChangesNothing)
{
    state.dirs.strSamplesPath = "/emu/samples";
    auto form = openForm();
    form->cmdNext->click();
    dialogs.folder("/");
    button(*form, "cmdSelectROM")->click();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.lastPrompt(), "ROMs cannot reside in the root!  Please select a folder.");
    EXPECT_EQ(boxes.shown()[0].style, 16);
    EXPECT_EQ(boxes.shown()[0].title, "Directories");
    EXPECT_EQ(box(*form, "txtROMPath")->text(), "");
    EXPECT_EQ(form->focusWidget(), box(*form, "txtROMPath"));

    dialogs.closeBrowser();
    button(*form, "cmdSelectSam")->click();
    EXPECT_EQ(box(*form, "txtSamPath")->text(), "/emu/samples");
    EXPECT_EQ(boxes.shown().size(), 1u);
}

TEST_F(WizardTest, AFolderOptionsIniCannotHoldIsAnInvalidSelection)
{
    state.dirs.strMAMEPath = "/emu/mame";
    state.dirs.strCfgPath = "/emu/cfg";
    auto form = openForm();
    form->cmdNext->click();
    dialogs.folder("/emu/two\nlines").folder("/emu/two\nlines");
    button(*form, "cmdSelectCfg")->click();
    button(*form, "cmdSelectMAME")->click();
    ASSERT_EQ(boxes.shown().size(), 2u);
    for (const auto& shown : boxes.shown()) {
        EXPECT_EQ(shown.prompt, "Invalid selection!  Please try again.");
        EXPECT_EQ(shown.style, 16);
        EXPECT_EQ(shown.title, "Zelvane");
    }
    EXPECT_EQ(box(*form, "txtCfgPath")->text(), "");
    EXPECT_EQ(box(*form, "txtMAMEPath")->text(), "");
    EXPECT_EQ(form->focusWidget(), box(*form, "txtMAMEPath"));
}

TEST_F(WizardTest, AFolderMameIniCannotHoldIsRefusedSayingWhy)
{
    // OK refuses it through the folder check, whose own tests walk both characters.
    const QString semicolon = m_root.filePath("Emu/roms;old");
    makeDirs(semicolon);
    auto form = openForm();
    browseMame(*form);
    dialogs.folder(semicolon);
    button(*form, "cmdSelectROM")->click();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.lastPrompt(), "The ROMs folder's name holds \" or ;, which M.A.M.E. cannot read from mame.ini!  "
                                  "Please select another folder.");
    EXPECT_EQ(boxes.shown()[0].title, "Directories");
    EXPECT_EQ(box(*form, "txtROMPath")->text(), "");
}

TEST_F(WizardTest, MameBrowseFillsOnlyTheEmptyBoxesWithTheUsualFolders)
{
    state.dirs.strSamplesPath = "/e/samples";
    auto form = openForm();
    browseMame(*form);
    EXPECT_EQ(dialogs.browseTitles(), QStringList{"Select your M.A.M.E. folder..."});
    EXPECT_TRUE(boxes.shown().empty());
    const QString m = mameDir();
    EXPECT_EQ(box(*form, "txtMAMEPath")->text(), m);
    EXPECT_EQ(box(*form, "txtROMPath")->text(), m + "/roms");
    EXPECT_EQ(box(*form, "txtSamPath")->text(), "/e/samples");
    EXPECT_EQ(box(*form, "txtINIsPath")->text(), m);
    EXPECT_EQ(box(*form, "txtInpPath")->text(), m + "/inp");
    EXPECT_EQ(box(*form, "txtHiPath")->text(), m + "/hi");
    EXPECT_EQ(box(*form, "txtStaPath")->text(), m + "/sta");
    EXPECT_EQ(box(*form, "txtSnapPath")->text(), m + "/snap");
    EXPECT_EQ(box(*form, "txtCtrlrPath")->text(), m + "/ctrlr");
    EXPECT_EQ(box(*form, "txtAddROMPath")->text(), "");
    EXPECT_EQ(box(*form, "txtCommentPath")->text(), "");
    EXPECT_EQ(form->focusWidget(), form->cmdOK);
}

TEST_F(WizardTest, MameBrowseWithoutTheProgramEmptiesOnlyTheMameBox)
{
    state.dirs.strROMsPath = "/e/roms";
    auto form = openForm();
    form->cmdNext->click();
    dialogs.folder(m_root.filePath("Emu"));
    button(*form, "cmdSelectMAME")->click();
    EXPECT_EQ(boxes.lastPrompt(), "Cannot find mame.exe!");
    EXPECT_EQ(boxes.shown().back().title, "Directories");
    EXPECT_EQ(box(*form, "txtMAMEPath")->text(), "");
    EXPECT_EQ(box(*form, "txtROMPath")->text(), "/e/roms");
    EXPECT_EQ(box(*form, "txtSamPath")->text(), "");
    EXPECT_EQ(form->focusWidget(), box(*form, "txtMAMEPath"));
}

TEST_F(WizardTest, FailedOKTakesNothingAndAFixedOKTakesAndSavesEverything)
{
    QDir(mameDir()).rmdir("sta");
    state.dirs.strMAMEPath = "/old/mame";
    state.dirs.strHiscorePath = "/old/hi";
    state.dirs.strTempStatePath = "/before";
    auto form = openForm();
    form->chkHideVS->setChecked(true);
    browseMame(*form);
    box(*form, "txtMAMEPath")->setText(mameDir() + "/");
    box(*form, "txtHiPath")->setText(mameDir() + "/hi");
    form->cmdOK->click();

    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.lastPrompt(), "The State folder does not exist!  Please select an existing folder.");
    EXPECT_EQ(boxes.shown()[0].title, "Directories");
    EXPECT_EQ(box(*form, "txtStaPath")->text(), "");
    EXPECT_EQ(form->focusWidget(), box(*form, "txtStaPath"));
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(QFileInfo::exists(optionsIni()));
    // Neither the preferences nor the folders that passed before the State folder are taken.
    EXPECT_FALSE(state.filters.blnHideVs);
    EXPECT_EQ(state.dirs.strMAMEPath, "/old/mame");
    EXPECT_EQ(state.dirs.strShortMAMEPath, "");
    EXPECT_EQ(state.dirs.strHiscorePath, "/old/hi");
    EXPECT_EQ(state.dirs.strShortHiscorePath, "");
    EXPECT_EQ(state.dirs.strTempStatePath, "/before");

    makeDirs(mameDir() + "/sta");
    box(*form, "txtStaPath")->setText(mameDir() + "/sta/");
    form->cmdOK->click();
    EXPECT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_TRUE(state.filters.blnHideVs);
    EXPECT_EQ(state.dirs.strMAMEPath, mameDir());
    EXPECT_EQ(state.dirs.strShortHiscorePath, mameDir() + "/hi");
    EXPECT_EQ(state.dirs.strStatePath, mameDir() + "/sta");
    EXPECT_EQ(state.dirs.strArtworkPath, mameDir() + "/artwork");
    EXPECT_EQ(keysOf(optionsIni()).size(), 50);
    EXPECT_TRUE(readFile(optionsIni()).contains(("State=" + mameDir() + "/sta\r\n").toUtf8()));
}

TEST_F(WizardTest, CancelAfterAFailedOKLeavesEveryRecordAsItWas)
{
    state.dirs.strROMsPath = "/old/roms";
    state.appearance.strFontSize = "12";
    state.prefs.blnCloneShots = true;
    auto form = openForm();
    form->chkHideClones->setChecked(true);
    form->cboSize->setCurrentIndex(form->cboSize->findText("14"));
    browseMame(*form);
    box(*form, "txtCtrlrPath")->setText(mameDir() + "/gone");
    form->cmdOK->click();
    ASSERT_EQ(boxes.shown().size(), 1u);
    form->cmdCancel->click();

    EXPECT_TRUE(state.startup.blnOptionsCancelled);
    EXPECT_EQ(state.dirs.strMAMEPath, "");
    EXPECT_EQ(state.dirs.strROMsPath, "/old/roms");
    EXPECT_FALSE(state.filters.blnHideClones);
    EXPECT_EQ(state.appearance.strFontSize, "12");
    EXPECT_TRUE(state.prefs.blnCloneShots);
    EXPECT_FALSE(QFileInfo::exists(optionsIni()));
}

TEST_F(WizardTest, TypedFoldersOptionsIniCannotHoldAndRootsInOptionalBoxesAreRefusedAtOK)
{
    const QString tooLong = mameDir() + "/" + QString(254 - mameDir().size(), 'x');
    makeDirs(tooLong);
    struct Case {
        const char* box;
        QString text, prompt, title;
    };
    const Case cases[] = {
        {"txtROMPath", tooLong, "Invalid selection!  Please try again.", "Zelvane"},
        {"txtAddROMPath", tooLong + "/", "Invalid selection!  Please try again.", "Zelvane"},
        {"txtMAMEPath", tooLong, "Invalid selection!  Please try again.", "Zelvane"},
        {"txtAddROMPath", "/", "Additional Roms cannot reside in the root!  Please select a folder.", "Directories"},
        {"txtCommentPath", "//", "Comment cannot reside in the root!  Please select a folder.", "Directories"},
    };
    for (const Case& c : cases) {
        boxes.clearShown();
        auto form = openForm();
        browseMame(*form);
        box(*form, c.box)->setText(c.text);
        form->cmdOK->click();
        ASSERT_EQ(boxes.shown().size(), 1u) << c.box;
        EXPECT_EQ(boxes.lastPrompt(), c.prompt) << c.box;
        EXPECT_EQ(boxes.shown()[0].title, c.title) << c.box;
        EXPECT_EQ(box(*form, c.box)->text(), "") << c.box;
        EXPECT_EQ(form->focusWidget(), box(*form, c.box)) << c.box;
        EXPECT_FALSE(QFileInfo::exists(optionsIni())) << c.box;
        form->cmdCancel->click();
    }
    // One byte less is kept whole.
    auto form = openForm();
    browseMame(*form);
    box(*form, "txtAddROMPath")->setText(tooLong.chopped(1));
    makeDirs(tooLong.chopped(1));
    form->cmdOK->click();
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(state.dirs.strAdditionalROMsPath, tooLong.chopped(1));
}

TEST_F(WizardTest, RequiredFoldersMustBeGivenAndMoreThanTheRoot)
{
    auto form = openForm();
    browseMame(*form);
    box(*form, "txtROMPath")->clear();
    form->cmdOK->click();
    EXPECT_EQ(boxes.lastPrompt(), "You must select a ROMs folder!");
    EXPECT_EQ(form->focusWidget(), box(*form, "txtROMPath"));

    box(*form, "txtROMPath")->setText(mameDir() + "/roms");
    box(*form, "txtINIsPath")->setText("/");
    form->cmdOK->click();
    EXPECT_EQ(boxes.lastPrompt(), "You must select a Ini folder!");
    EXPECT_EQ(box(*form, "txtINIsPath")->text(), "");
    EXPECT_FALSE(QFileInfo::exists(optionsIni()));
}

TEST_F(WizardTest, MameFolderWithoutTheProgramStopsOKFirst)
{
    auto form = openForm();
    browseMame(*form);
    box(*form, "txtMAMEPath")->setText(m_root.filePath("Emu"));
    box(*form, "txtROMPath")->clear();
    form->cmdOK->click();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.lastPrompt(), "Cannot find mame.exe!");
    EXPECT_EQ(box(*form, "txtMAMEPath")->text(), "");
    EXPECT_EQ(state.dirs.strMAMEPath, "");
}

TEST_F(WizardTest, TabRunsRowByRowBoxBeforeButton)
{
    auto form = openForm();
    form->cmdNext->click();
    const QStringList expected = {"cmdSelectMAME", "txtROMPath", "cmdSelectROM", "txtAddROMPath", "cmdSelectAddROM",
                                  "txtSamPath"};
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(form->focusWidget(), &tab);
        visited << form->focusWidget()->objectName();
    }
    EXPECT_EQ(visited, expected);
}

TEST_F(WizardTest, FolderLabelsNameTheirBoxes)
{
    auto form = openForm();
    QLabel* romsLabel = nullptr;
    for (QLabel* label : form->fraDirectories->findChildren<QLabel*>())
        if (label->buddy() == box(*form, "txtROMPath"))
            romsLabel = label;
    ASSERT_NE(romsLabel, nullptr);
    EXPECT_EQ(romsLabel->text(), "ROMs:");
    EXPECT_EQ(romsLabel->toolTip(), "This Is For Your Main ROM Directory");
}

// Debian's MAME, run in the MAME folder as the program runs it, looks for a typed relative ROMs
// folder's sets where the program found the folder.
TEST_F(WizardTest, RealMameReadsTheTypedRelativeRomsFolderWhereTheCheckFoundIt)
{
    const QString realMame = "/usr/games/mame";
    if (!QFileInfo(realMame).isExecutable())
        GTEST_SKIP() << "no MAME at /usr/games/mame (scripts/setup installs Debian's mame package)";
    // A set MAME knows, with a ROM file that is not the real one: found, and bad.
    makeDirs(m_root.filePath("data/roms/puckman"));
    writeFile(m_root.filePath("data/roms/puckman/pm1_prg1.6e"), "x");
    ScopedEnv homeFolder("HOME", QFile::encodeName(m_root.filePath("home")));
    {
        const ScopedCurrentFolder current(m_root.path());
        auto form = openForm();
        browseMame(*form);
        box(*form, "txtROMPath")->setText("data/roms");
        form->cmdOK->click();
        ASSERT_EQ(form->result(), QDialog::Accepted) << boxes.lastPrompt().toStdString();
    }
    QProcess mame;
    mame.setProcessChannelMode(QProcess::MergedChannels);
    mame.setWorkingDirectory(state.dirs.strMAMEPath);
    mame.start(realMame, {"-inipath", state.dirs.strIniPath, "-verifyroms", "puckman"});
    ASSERT_TRUE(mame.waitForFinished(120000));
    const QByteArray output = mame.readAll();
    EXPECT_TRUE(output.contains("romset puckman is bad")) << output.toStdString();
}

// A save that failed leaves every mame.ini as it was, in the Ini folder just chosen too: MAME
// reads only the folders that options.ini holds.
TEST_F(WizardTest, AFailedSaveLeavesTheMameIniOfEveryIniFolderAsItWas)
{
    const QString fresh = m_root.filePath("fresh"), used = m_root.filePath("used");
    makeDirs(fresh);
    makeDirs(used);
    writeFile(used + "/mame.ini", "rompath\tthe user's\r\n");
    for (const QString& iniFolder : {fresh, used}) {
        boxes.clearShown();
        auto form = openForm();
        browseMame(*form);
        box(*form, "txtINIsPath")->setText(iniFolder);
        {
            // Room for mame.ini, not for options.ini as well.
            ScopedWriteLimit full(1024);
            form->cmdOK->click();
        }
        EXPECT_EQ(boxes.lastPrompt().toStdString(), DiskFullPrompt(optionsIni()));
        form->cmdCancel->click();
        EXPECT_FALSE(QFileInfo::exists(fresh + "/mame.ini"));
        EXPECT_EQ(readFile(used + "/mame.ini"), "rompath\tthe user's\r\n");
        EXPECT_EQ(QDir(iniFolder).entryList(QDir::Files).size(), iniFolder == used ? 1 : 0) << "no file is left";
    }
}
