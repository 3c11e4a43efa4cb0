// The maintenance panel in the main window, Delete ROM and Delete Samples of the pop-up menu, and
// File > Export List; every question answered through the scripted message box.
#include "support/MainWindowFixture.h"

#include "platform/MsgBox.h"
#include "platform/StatusPanels.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QMenu>
#include <QTest>
#include <QTreeView>

#include "support/Files.h"

namespace {

constexpr int kConfirm = MsgStyle::YesNo + MsgStyle::Question + MsgStyle::DefaultButton2;

class MaintenanceWindowTest : public MainWindowTest {
protected:
    // All Games sorted: Asteroids, galaxian, Ms. Pac-Man, Pac-Man, Zaxxon; the first and the
    // third are not installed.
    frmMain& loaded(const QByteArray& options = {}, const std::vector<FixtureGame>& games = {})
    {
        for (const char* folder : {"more", "cfg", "hi", "nv", "inp", "art"})
            makeDirs(extraFolder(folder));
        writeGames(games.empty() ? fiveGames() : games);
        writeOptions("AdditionalROMs=" + extraFolder("more").toUtf8() + "\r\nCfg=" + extraFolder("cfg").toUtf8() +
                     "\r\nHiscore=" + extraFolder("hi").toUtf8() + "\r\nNvram=" + extraFolder("nv").toUtf8() +
                     "\r\nInput=" + extraFolder("inp").toUtf8() + "\r\nArtwork=" + extraFolder("art").toUtf8() + "\r\n" +
                     options);
        return loadShown();
    }
    QString extraFolder(const char* name) const { return m_root + "/" + name; }
    static bool exists(const QString& path) { return QFileInfo::exists(path); }
    QStringList prompts() const
    {
        QStringList p;
        for (const MsgBoxScript::Shown& box : m_boxes.shown())
            p << box.prompt;
        return p;
    }
    static QStringList column(QTreeView* lv, int col)
    {
        QStringList list;
        for (int r = 0; r < lv->model()->rowCount(); ++r)
            list << lv->model()->index(r, col).data().toString();
        return list;
    }
};

TEST_F(MaintenanceWindowTest, OpensOnTheSelectedGameAndReturns)
{
    frmMain& w = loaded();
    selectRow(w.fraList->lvAll, 3);
    w.mnuToolsMaintenance->trigger();

    EXPECT_EQ(m_state.view.intPanelShown, 1);
    EXPECT_TRUE(w.fraMaintenance->isEnabled());
    EXPECT_EQ(w.StatusBar[1]->panelText(2), "Pac-Man");
    EXPECT_EQ(w.StatusBar[1]->panelText(3), "pacman");
    EXPECT_EQ(m_state.game[GameColumn::ROM], "pacman");
    EXPECT_TRUE(w.fraMaintenance->optCurrent->isEnabled());

    w.fraMaintenance->lblText->setText("ROM compare complete.");
    w.fraMaintenance->cmdGameList2->click();
    EXPECT_EQ(m_state.view.intPanelShown, 0);
    EXPECT_FALSE(w.fraMaintenance->isEnabled());
    EXPECT_TRUE(w.fraList->isEnabled());
    EXPECT_TRUE(w.fraMaintenance->lblText->text().isEmpty());
    EXPECT_TRUE(w.fraVerify->cmdGameList->isEnabledTo(w.fraVerify));
}

TEST_F(MaintenanceWindowTest, AnEmptyListOffersNoCurrentGame)
{
    frmMain& w = loaded({}, {{"Pac-Man", "1980", "pacman"}, {"Zaxxon", "1982", "zaxxon"}});
    w.mnuViewUninstalled->trigger();
    ASSERT_EQ(m_state.counts.intUninstalledCount, 0);
    w.mnuToolsMaintenance->trigger();
    EXPECT_FALSE(w.fraMaintenance->optCurrent->isEnabled());
    EXPECT_TRUE(w.StatusBar[1]->panelText(2).isEmpty());
    EXPECT_TRUE(w.StatusBar[1]->panelText(3).isEmpty());
    EXPECT_TRUE(m_state.game[GameColumn::ROM].isEmpty());
}

TEST_F(MaintenanceWindowTest, CompareOffersOnlyFilesNoSetOfTheListingOwnsWhateverTheListShows)
{
    // Favorites on (Pac-Man and Zaxxon only), clones hidden (Ms. Pac-Man installed all the same).
    frmMain& w = loaded("[Preferences]\r\nHideClones=True\r\n");
    QByteArray favorites;
    for (const QByteArray& line : readFile(report("gameinfo.txt")).split('\n'))
        if (line.contains("\"pacman\"") || line.contains("\"zaxxon\""))
            favorites += line + '\n';
    writeFile(report("favorite.txt"), favorites);
    w.mnuViewFavorites->trigger();
    ASSERT_TRUE(m_state.view.blnFavorites);
    ASSERT_EQ(column(w.fraList->lvAll, 13), QStringList({"pacman", "zaxxon"}));

    writeFile(report("resource.txt"),
              "\t<machine name=\"neogeo\" sourcefile=\"neogeo/neogeo.cpp\" isbios=\"yes\">\n</mame>\n");
    writeFile(report("listxml.txt"),
              "<mame build=\"0.251\">\n\t<machine name=\"pacman\" sourcefile=\"pacman.cpp\">\n\t</machine>\n"
              "\t<machine name=\"neogeo\" sourcefile=\"neogeo/neogeo.cpp\" isbios=\"yes\">\n\t</machine>\n"
              "\t<machine name=\"namco51\" sourcefile=\"namco/namco51.cpp\" isdevice=\"yes\" runnable=\"no\">\n"
              "\t</machine>\n</mame>\n");
    // The older MAME opened no .7z: zaxxon.7z is no set of its.
    for (const char* file : {"mspacman.zip", "neogeo.zip", "namco51.zip", "x..zip", ".hidden.zip", "zaxxon.7z"})
        writeFile(roms() + "/" + file, "PK");
    writeFile(extraFolder("more") + "/stray.zip", "PK");

    // The right-clicked game is the one Delete ROM asks about.
    selectRow(w.fraList->lvAll, 0);
    const QRect second = w.fraList->lvAll->visualRect(w.fraList->lvAll->model()->index(1, 0));
    QTest::mouseClick(w.fraList->lvAll->viewport(), Qt::RightButton, {}, second.center());
    w.mnuRightClick->hide();
    w.mnuDeleteROM->trigger(); // answered No
    ASSERT_EQ(prompts().size(), 1);
    EXPECT_TRUE(prompts()[0].startsWith("Are you sure you want to permanently delete the ROM zaxxon.zip "));
    m_boxes.clearShown();

    w.mnuToolsMaintenance->trigger();
    m_boxes.answer(MsgAnswer::Yes).answer(MsgAnswer::No).answer(MsgAnswer::No);
    w.fraMaintenance->cmdROMs->click();
    EXPECT_EQ(prompts(), QStringList({"X..zip is not in the All Games List.\rDo you want to delete it?",
                                      "Zaxxon.7z is not in the All Games List.\rDo you want to delete it?",
                                      "Stray.zip is not in the All Games List.\rDo you want to delete it?"}));
    EXPECT_FALSE(exists(roms() + "/x..zip"));
    EXPECT_TRUE(exists(extraFolder("more") + "/stray.zip"));
    for (const char* kept : {"mspacman.zip", "neogeo.zip", "namco51.zip", ".hidden.zip", "galaxian.zip", "zaxxon.zip"})
        EXPECT_TRUE(exists(roms() + "/" + kept)) << kept;
    EXPECT_EQ(w.fraMaintenance->lblText->text(), "ROM compare complete.");
}

TEST_F(MaintenanceWindowTest, ACompareWithoutItsGameDataSaysSoAndOffersNothing)
{
    frmMain& w = loaded();
    writeFile(roms() + "/stray.zip", "PK");
    QFile::remove(report("listxml.txt"));
    w.mnuToolsMaintenance->trigger();
    w.fraMaintenance->cmdROMs->click();
    ASSERT_EQ(prompts().size(), 1);
    EXPECT_TRUE(prompts()[0].startsWith("Error in cmdROMs_Click: ")) << qPrintable(prompts()[0]);
    EXPECT_TRUE(prompts()[0].contains("listxml.txt"));
    EXPECT_TRUE(exists(roms() + "/stray.zip"));
    EXPECT_TRUE(w.fraMaintenance->cmdGameList2->isEnabled());
}

TEST_F(MaintenanceWindowTest, DeleteRomAsksThenTakesTheGamesFilesAndReloads)
{
    const QString romQuestion = "Are you sure you want to permanently delete the ROM pacman.zip from your hard drive?"
                                "\rAssociated artwork, .cfg, .hi, .nv, and .inp files will also be deleted.";
    const QString sampleQuestion = "A Sample set for this ROM was found.  Would you like to permanently delete it "
                                   "also?\rUse caution as a clone game might be using it.";
    const QString shotQuestion = "A Snapshot for this ROM was found.  Would you like to permanently delete it "
                                 "also?\rUse caution as a clone game might be using it.";
    const struct Case {
        const char* name;
        bool zipOnlyInMore;
        bool sampleAndShot;
        std::vector<int> answers;
        QStringList asked;
        bool deleted;
        bool sampleDeleted;
    } cases[] = {
        {"No deletes nothing", false, true, {MsgAnswer::No}, {romQuestion}, false, false},
        {"Yes, the sample too, the snapshot kept", false, true, {MsgAnswer::Yes, MsgAnswer::Yes, MsgAnswer::No},
         {romQuestion, sampleQuestion, shotQuestion}, true, true},
        {"a zip only in the additional folder, nothing shared", true, false, {MsgAnswer::Yes}, {romQuestion}, true,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        nextCase();
        const QStringList owned = {extraFolder("more") + "/pacman.zip", extraFolder("cfg") + "/pacman.cfg",
                                   extraFolder("hi") + "/pacman.hi",    extraFolder("nv") + "/pacman.nv",
                                   extraFolder("inp") + "/pacman.inp",  extraFolder("art") + "/pacman.zip"};
        const QStringList others = {roms() + "/zaxxon.zip", extraFolder("cfg") + "/zaxxon.cfg",
                                    extraFolder("cfg") + "/pacman.ini"};
        frmMain& w = loaded();
        if (c.zipOnlyInMore)
            QFile::remove(roms() + "/pacman.zip");
        for (const QString& path : owned + others)
            writeFile(path, "x");
        if (c.sampleAndShot) {
            writeFile(samples() + "/pacman.zip", "PK");
            writeFile(snaps() + "/pacman.png", "png");
        }
        selectRow(w.fraList->lvAll, 3);
        ASSERT_EQ(w.StatusBar[0]->panelText(3), "pacman");
        const qint32 installed = m_state.counts.intInstalledCount;
        for (int a : c.answers)
            m_boxes.answer(a);

        w.mnuDeleteROM->trigger();

        EXPECT_EQ(prompts(), c.asked);
        for (const MsgBoxScript::Shown& box : m_boxes.shown()) {
            EXPECT_EQ(box.style, kConfirm);
            EXPECT_EQ(box.title, "Confirm Delete");
        }
        EXPECT_EQ(exists(roms() + "/pacman.zip"), !c.deleted && !c.zipOnlyInMore);
        for (const QString& path : owned)
            EXPECT_EQ(exists(path), !c.deleted) << qPrintable(path);
        for (const QString& path : others)
            EXPECT_TRUE(exists(path)) << qPrintable(path);
        EXPECT_EQ(exists(samples() + "/pacman.zip"), c.sampleAndShot && !c.sampleDeleted);
        EXPECT_EQ(exists(snaps() + "/pacman.png"), c.sampleAndShot);
        // The reload moves the game to the uninstalled list.
        EXPECT_EQ(m_state.counts.intInstalledCount, c.deleted ? installed - 1 : installed);
        EXPECT_EQ(column(w.fraList->lvUninstalled, 13).contains("pacman"), c.deleted);
    }
}

// Today's MAME opens "<set>.7z" where no zip stands, and keeps a game's NVRAM and snapshots in
// folders named after it.
TEST_F(MaintenanceWindowTest, TodaysGameKeptAsA7zIsInstalledAndDeleteRomTakesItsSetAndFolders)
{
    std::vector<FixtureGame> games = fiveGames();
    for (FixtureGame& g : games)
        g.source = "namco/" + g.rom + ".cpp";
    games[0].installed = false; // Pac-Man's set is a .7z
    writeFile(roms() + "/pacman.7z", "7z");
    frmMain& w = loaded({}, games);
    writeFile(extraFolder("nv") + "/pacman/eeprom", "x");
    writeFile(snaps() + "/pacman/0000.png", "png");
    writeFile(extraFolder("nv") + "/zaxxon/eeprom", "x");
    EXPECT_TRUE(column(w.fraList->lvInstalled, 13).contains("pacman"));

    selectRow(w.fraList->lvAll, 3);
    ASSERT_EQ(w.StatusBar[0]->panelText(3), "pacman");
    m_boxes.answer(MsgAnswer::Yes).answer(MsgAnswer::Yes);
    w.mnuDeleteROM->trigger();

    ASSERT_EQ(prompts().size(), 2);
    EXPECT_TRUE(prompts()[0].contains("delete the ROM pacman.7z from")) << qPrintable(prompts()[0]);
    for (const QString& path : {roms() + "/pacman.7z", extraFolder("nv") + "/pacman", snaps() + "/pacman"})
        EXPECT_FALSE(exists(path)) << qPrintable(path);
    EXPECT_TRUE(exists(extraFolder("nv") + "/zaxxon/eeprom"));
    EXPECT_TRUE(column(w.fraList->lvUninstalled, 13).contains("pacman"));
}

TEST_F(MaintenanceWindowTest, DeleteRomNamesAFileThatStaysTakesTheOthersAndReloads)
{
    frmMain& w = loaded();
    // A folder where the .cfg file would be cannot be deleted as a file.
    const QString stays = extraFolder("cfg") + "/pacman.cfg";
    makeDirs(stays);
    const QStringList goes = {extraFolder("hi") + "/pacman.hi", extraFolder("art") + "/pacman.zip"};
    for (const QString& path : goes)
        writeFile(path, "x");
    writeFile(snaps() + "/pacman.png", "png");
    selectRow(w.fraList->lvAll, 3);
    const qint32 installed = m_state.counts.intInstalledCount;
    m_boxes.answer(MsgAnswer::Yes).answer(MsgAnswer::OK).answer(MsgAnswer::Yes);

    w.mnuDeleteROM->trigger();

    ASSERT_EQ(m_boxes.shown().size(), 3u);
    const MsgBoxScript::Shown& failed = m_boxes.shown()[1];
    EXPECT_TRUE(failed.prompt.startsWith("Error in mnuDeleteROM_Click: ")) << qPrintable(failed.prompt);
    EXPECT_TRUE(failed.prompt.contains(QDir::toNativeSeparators(stays))) << qPrintable(failed.prompt);
    EXPECT_EQ(failed.title, "Delete ROM");
    EXPECT_TRUE(m_boxes.shown()[2].prompt.startsWith("A Snapshot for this ROM was found."));
    EXPECT_TRUE(QFileInfo(stays).isDir());
    EXPECT_FALSE(exists(roms() + "/pacman.zip"));
    for (const QString& path : goes)
        EXPECT_FALSE(exists(path)) << qPrintable(path);
    EXPECT_FALSE(exists(snaps() + "/pacman.png"));
    EXPECT_EQ(m_state.counts.intInstalledCount, installed - 1);
    EXPECT_TRUE(column(w.fraList->lvUninstalled, 13).contains("pacman"));
}

TEST_F(MaintenanceWindowTest, DeleteSamplesTakesOnlyTheSampleAndLeavesTheLists)
{
    frmMain& w = loaded();
    writeFile(samples() + "/pacman.zip", "PK");
    selectRow(w.fraList->lvAll, 3);
    const QString question = "Are you sure you want to permanently delete the sample pacman.zip from your hard "
                             "drive?\rUse caution as a clone game might be using it.";

    w.mnuDeleteSamples->trigger(); // the default answer is No
    EXPECT_TRUE(exists(samples() + "/pacman.zip"));

    m_boxes.answer(MsgAnswer::Yes);
    w.mnuDeleteSamples->trigger();
    EXPECT_FALSE(exists(samples() + "/pacman.zip"));
    EXPECT_TRUE(exists(roms() + "/pacman.zip"));
    EXPECT_EQ(w.fraList->lvAll->currentIndex().row(), 3);
    EXPECT_EQ(w.StatusBar[0]->panelText(3), "pacman");

    m_boxes.answer(MsgAnswer::Yes);
    w.mnuDeleteSamples->trigger();
    ASSERT_EQ(m_boxes.shown().size(), 4u);
    EXPECT_EQ(prompts().mid(0, 3), QStringList({question, question, question}));
    EXPECT_EQ(m_boxes.shown()[3].prompt, "Error in mnuDeleteSamples_Click: File not found");
    EXPECT_EQ(m_boxes.shown()[3].style, MsgStyle::Information);
    EXPECT_EQ(m_boxes.shown()[3].title, "Delete Samples");
}

TEST_F(MaintenanceWindowTest, ARomNameThatLeavesItsFolderDeletesNothing)
{
    frmMain& w = loaded();
    writeFile(samples() + "/pacman.zip", "PK");
    for (const char* rom : {"../roms/pacman", "", "..", "sub/pacman"}) {
        m_boxes.clearShown();
        w.StatusBar[0]->setPanelText(3, rom);
        m_boxes.answer(MsgAnswer::Yes).answer(MsgAnswer::Yes);
        w.mnuDeleteROM->trigger();
        w.mnuDeleteSamples->trigger();
        EXPECT_TRUE(m_boxes.shown().empty()) << rom;
        EXPECT_TRUE(exists(roms() + "/pacman.zip"));
        EXPECT_TRUE(exists(samples() + "/pacman.zip"));
    }
}

TEST_F(MaintenanceWindowTest, ExportWritesTheShownListInItsOrder)
{
    const QByteArray header = "ROM           Game\r\n\r\n";
    frmMain& w = loaded();
    // By ROM name, last first: the list as it is shown, not as it was loaded.
    w.fraList->SortListView(w.fraList->views[0], 14); // headers count from 1
    w.fraList->SortListView(w.fraList->views[0], 14);
    ASSERT_EQ(column(w.fraList->lvAll, 13), QStringList({"zaxxon", "pacman", "mspacman", "galaxian", "asteroid"}));
    m_boxes.answer(MsgAnswer::Yes);
    w.mnuFileExport->trigger();
    EXPECT_EQ(readFile(report("allgames.txt")),
              header + "zaxxon        Zaxxon\r\npacman        Pac-Man\r\nmspacman      Ms. Pac-Man\r\n"
                       "galaxian      galaxian\r\nasteroid      Asteroids\r\n\r\nTotal Count:   5 \r\n");
    ASSERT_EQ(m_boxes.shown().size(), 2u);
    EXPECT_EQ(m_boxes.shown()[0].prompt, "Do you want to export this list of ROMs and Games to a text file in your "
                                         "Zelvane\\Reports directory?");
    EXPECT_EQ(m_boxes.shown()[0].style, MsgStyle::YesNo + MsgStyle::Question);
    EXPECT_EQ(m_boxes.shown()[0].title, "Confirm Export");
    EXPECT_EQ(m_boxes.shown()[1].prompt, "Export complete.  Game list exported as allgames.txt.");
    EXPECT_EQ(m_boxes.shown()[1].style, MsgStyle::Information);
    EXPECT_EQ(m_boxes.shown()[1].title, "Export List");
}

TEST_F(MaintenanceWindowTest, ExportAnsweredNoWritesNothing)
{
    frmMain& w = loaded({}, {{"Pac-Man", "1980", "pacman"}});
    m_boxes.answer(MsgAnswer::No);
    w.mnuViewInstalled->trigger();
    w.mnuFileExport->trigger();
    EXPECT_FALSE(exists(report("installedgames.txt")));
    EXPECT_EQ(m_boxes.shown().size(), 1u);
}

TEST_F(MaintenanceWindowTest, AnExportThatCannotBeWrittenIsNotReportedDone)
{
    frmMain& w = loaded();
    makeDirs(report("allgames.txt") + "/in-the-way");
    m_boxes.answer(MsgAnswer::Yes);
    w.mnuFileExport->trigger();
    ASSERT_EQ(m_boxes.shown().size(), 2u);
    EXPECT_TRUE(m_boxes.shown()[1].prompt.startsWith("Error in mnuFileExport_Click: "));
    EXPECT_EQ(m_boxes.shown()[1].title, "Export List");
    EXPECT_TRUE(exists(report("allgames.txt") + "/in-the-way"));
}

} // namespace
