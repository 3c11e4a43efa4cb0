// The maintenance panel on its own: deleting in MAME's folders and among the stored reports, and
// the ROM compare, every deletion answered through the scripted message box.
#include "platform/MsgBox.h"
#include "reports/MaintenanceFiles.h"
#include "reports/MaintenancePanel.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <memory>

#include "support/Files.h"
#include "support/MsgBoxScript.h"

namespace {

constexpr int kConfirm = MsgStyle::YesNo + MsgStyle::Question + MsgStyle::DefaultButton2;
constexpr int kConfirmOrCancel = MsgStyle::YesNoCancel + MsgStyle::Question + MsgStyle::DefaultButton2;
constexpr int kInfo = MsgStyle::Information;

struct Box {
    QString prompt;
    int style;
    QString title;
    bool operator==(const Box&) const = default;
};

void PrintTo(const Box& b, std::ostream* os) { *os << qPrintable(b.prompt) << "|" << b.style << "|" << qPrintable(b.title); }

Box question(const QString& prompt) { return {prompt, kConfirm, "Confirm Delete"}; }
Box note(const QString& prompt) { return {prompt, kInfo, "Maintenance"}; }
Box orphan(const QString& file)
{
    return {file + " is not in the All Games List.\rDo you want to delete it?", kConfirmOrCancel, "Confirm Delete"};
}

// Makes a file undeletable for the scope (even for root), where the file system allows it.
class Immutable {
public:
    explicit Immutable(const QString& path) : m_fd(::open(QFile::encodeName(path).constData(), O_RDONLY))
    {
        int flags = 0;
        m_set = m_fd >= 0 && ioctl(m_fd, FS_IOC_GETFLAGS, &flags) == 0 &&
                (flags |= FS_IMMUTABLE_FL, ioctl(m_fd, FS_IOC_SETFLAGS, &flags) == 0);
    }
    ~Immutable()
    {
        int flags = 0;
        if (m_set && ioctl(m_fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags &= ~FS_IMMUTABLE_FL;
            ioctl(m_fd, FS_IOC_SETFLAGS, &flags);
        }
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Immutable(const Immutable&) = delete;
    Immutable& operator=(const Immutable&) = delete;
    bool set() const { return m_set; }

private:
    int m_fd;
    bool m_set = false;
};

class MaintenancePanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* folder : {"cfg", "nvram", "inp", "hi", "snap", "roms", "more", "app/reports"})
            makeDirs(dir(folder));
        m_state.paths.strAppPath = dir("app");
        m_state.dirs.strCfgPath = dir("cfg");
        m_state.dirs.strNvramPath = dir("nvram");
        m_state.dirs.strInputPath = dir("inp");
        m_state.dirs.strHiscorePath = dir("hi");
        m_state.dirs.strSnapshotsPath = dir("snap");
        m_state.dirs.strROMsPath = dir("roms");
        m_state.game[GameColumn::ROM] = "pacman";
        m_panel = std::make_unique<MaintenancePanel>(m_state);
        m_panel->prepare(true);
    }

    QString dir(const QString& name) const { return m_dir.filePath(name); }
    bool exists(const QString& name) const { return QFileInfo::exists(dir(name)); }
    std::vector<Box> boxes() const
    {
        std::vector<Box> b;
        for (const MsgBoxScript::Shown& s : m_boxes.shown())
            b.push_back({s.prompt, s.style, s.title});
        return b;
    }
    void tick(std::initializer_list<int> folders)
    {
        for (int i : folders)
            m_panel->chkFolder[size_t(i)]->setChecked(true);
    }
    bool anyTicked() const
    {
        for (QCheckBox* box : m_panel->chkFolder)
            if (box->isChecked())
                return true;
        for (QCheckBox* box : m_panel->chkReports)
            if (box->isChecked())
                return true;
        return false;
    }
    void compare(std::initializer_list<const char*> listed, bool todaysMame = false)
    {
        RomNameSet set;
        for (const char* rom : listed)
            set.insert(rom, todaysMame);
        m_panel->compareRomFolders(set);
    }

    QTemporaryDir m_dir;
    AppState m_state;
    MsgBoxScript m_boxes;
    std::unique_ptr<MaintenancePanel> m_panel;
};

TEST_F(MaintenancePanelTest, DeleteWithoutTicksAsksForAChoiceEveryTime)
{
    m_panel->cmdFolders->click();
    m_panel->cmdReports->click();
    // A processed box is unticked, so a second Delete finds nothing chosen again.
    tick({0});
    m_panel->cmdFolders->click();
    m_panel->cmdFolders->click();
    EXPECT_EQ(boxes(), (std::vector<Box>{note("You must first select a directory."),
                                         note("You must first select a report or list."),
                                         note("There is no .cfg file for pacman."),
                                         note("You must first select a directory.")}));
}

TEST_F(MaintenancePanelTest, CurrentGameFilesAreAskedForFolderByFolder)
{
    writeFile(dir("cfg/pacman.cfg"), "x");
    writeFile(dir("hi/pacman.hi"), "x");
    writeFile(dir("snap/pacman.png"), "x");
    writeFile(dir("nvram/galaxian.nv"), "x");
    makeDirs(dir("inp/pacman.inp")); // a folder by that name is no file of the game
    m_panel->cmdSelectAll[0]->click();
    // One answer per box shown, the notes' OK included.
    for (int a : {MsgAnswer::Yes, MsgAnswer::OK, MsgAnswer::OK, MsgAnswer::No, MsgAnswer::Yes})
        m_boxes.answer(a);
    m_panel->cmdFolders->click();

    EXPECT_EQ(boxes(), (std::vector<Box>{question("Are you sure you want to delete the .cfg file for pacman?"),
                                         note("There is no .nv file for pacman."),
                                         note("There is no .inp file for pacman."),
                                         question("Are you sure you want to delete the .hi file for pacman?"),
                                         question("Are you sure you want to delete the .png file for pacman?")}));
    EXPECT_FALSE(exists("cfg/pacman.cfg"));
    EXPECT_TRUE(exists("hi/pacman.hi"));
    EXPECT_FALSE(exists("snap/pacman.png"));
    EXPECT_TRUE(exists("nvram/galaxian.nv"));
    EXPECT_TRUE(exists("inp/pacman.inp"));
    EXPECT_FALSE(anyTicked());
}

TEST_F(MaintenancePanelTest, AllFilesTakesOnlyTheFoldersExtension)
{
    for (const char* name : {"cfg/pacman.cfg", "cfg/Galaxian.CFG", "cfg/x..cfg", "cfg/notes.txt", "cfg/.hidden.cfg",
                             "cfg/keep.cfg/inner.cfg", "nvram/readme.txt", "hi/pacman.hi"})
        writeFile(dir(name), "x");
    m_state.dirs.strInputPath.clear();
    m_panel->optAll->setChecked(true);

    struct Case {
        int answer;
        bool cfgDeleted;
    };
    for (const Case& c : {Case{MsgAnswer::No, false}, Case{MsgAnswer::Yes, true}}) {
        m_boxes.clearShown();
        tick({0, 1, 2});
        m_boxes.answer(c.answer);
        m_panel->cmdFolders->click();
        EXPECT_EQ(boxes(), (std::vector<Box>{question("Are you sure you want to delete all .cfg files?"),
                                             note("There are no .nv files to delete."),
                                             note("There are no .inp files to delete.")}));
        EXPECT_EQ(exists("cfg/pacman.cfg"), !c.cfgDeleted);
        EXPECT_EQ(exists("cfg/Galaxian.CFG"), !c.cfgDeleted);
        EXPECT_EQ(exists("cfg/x..cfg"), !c.cfgDeleted);
        for (const char* kept : {"cfg/notes.txt", "cfg/.hidden.cfg", "cfg/keep.cfg/inner.cfg", "nvram/readme.txt",
                                 "hi/pacman.hi"})
            EXPECT_TRUE(exists(kept)) << kept;
    }
}

// Today's MAME keeps a game's NVRAM and snapshots in a folder named after it; links in it go as links.
TEST_F(MaintenancePanelTest, TodaysGameFolderIsTheGamesFileWhereMameKeepsOne)
{
    makeDirs(dir("outside"));
    writeFile(dir("outside/keep.txt"), "x");
    writeFile(dir("nvram/pacman/eeprom"), "x");
    ASSERT_TRUE(QFile::link(dir("outside/keep.txt"), dir("nvram/pacman/link")));
    ASSERT_TRUE(QFile::link(dir("outside"), dir("nvram/pacman/folderlink")));
    writeFile(dir("snap/pacman/0000.png"), "x");
    writeFile(dir("cfg/pacman/x.cfg"), "x"); // MAME keeps no folder of the game's here
    writeFile(dir("nvram/galaxian/eeprom"), "x");
    m_state.game[GameColumn::Source] = "pacman/pacman.cpp";
    tick({0, 1, 4});
    m_boxes.answer(MsgAnswer::OK).answer(MsgAnswer::Yes).answer(MsgAnswer::Yes);
    m_panel->cmdFolders->click();

    EXPECT_EQ(boxes(), (std::vector<Box>{note("There is no .cfg file for pacman."),
                                         question("Are you sure you want to delete the .nv file for pacman?"),
                                         question("Are you sure you want to delete the .png file for pacman?")}));
    EXPECT_FALSE(exists("nvram/pacman"));
    EXPECT_FALSE(exists("snap/pacman"));
    for (const char* kept : {"outside/keep.txt", "cfg/pacman/x.cfg", "nvram/galaxian/eeprom"})
        EXPECT_TRUE(exists(kept)) << kept;
}

TEST_F(MaintenancePanelTest, AllFilesTakesTheFoldersOfTodaysGamesOnly)
{
    writeFile(dir("nvram/pacman/eeprom"), "x");
    writeFile(dir("nvram/backup/pacman.nv"), "x"); // no game's folder
    writeFile(dir("nvram/Pacman/eeprom"), "x");    // nor is one in another case here
    m_panel->setTodaysGames([] { return QStringList{"pacman", "galaxian"}; });
    m_panel->optAll->setChecked(true);
    tick({1});
    m_boxes.answer(MsgAnswer::Yes);
    m_panel->cmdFolders->click();

    EXPECT_EQ(boxes(), (std::vector<Box>{question("Are you sure you want to delete all .nv files?")}));
    EXPECT_FALSE(exists("nvram/pacman"));
    EXPECT_TRUE(exists("nvram/backup/pacman.nv"));
    EXPECT_TRUE(exists("nvram/Pacman/eeprom"));
}

TEST_F(MaintenancePanelTest, AFileThatCannotBeDeletedIsNamedAndTheRestGoes)
{
    writeFile(dir("cfg/a.cfg"), "x");
    writeFile(dir("cfg/b.cfg"), "x");
    const Immutable locked(dir("cfg/a.cfg"));
    if (!locked.set())
        GTEST_SKIP() << "this file system cannot make a file undeletable";
    m_panel->optAll->setChecked(true);
    tick({0});
    m_boxes.answer(MsgAnswer::Yes);
    m_panel->cmdFolders->click();

    ASSERT_EQ(m_boxes.shown().size(), 2u);
    EXPECT_TRUE(m_boxes.shown()[1].prompt.contains(QDir::toNativeSeparators(dir("cfg/a.cfg"))));
    EXPECT_EQ(m_boxes.shown()[1].title, "Maintenance");
    EXPECT_TRUE(exists("cfg/a.cfg"));
    EXPECT_FALSE(exists("cfg/b.cfg"));
}

TEST_F(MaintenancePanelTest, ReportsAreTakenInTheirOrderWithTheirOwnNames)
{
    for (const char* file : {"roms.txt", "rebuilt.txt", "installedgames.txt", "newroms.txt", "whatsnew.txt"})
        writeFile(dir(QStringLiteral("app/reports/") + file), "x");
    m_panel->cmdSelectAll[1]->click();
    for (int a : {MsgAnswer::Yes, MsgAnswer::OK, MsgAnswer::No, MsgAnswer::OK, MsgAnswer::Yes, MsgAnswer::OK,
                  MsgAnswer::OK, MsgAnswer::Yes})
        m_boxes.answer(a);
    m_panel->cmdReports->click();

    EXPECT_EQ(boxes(), (std::vector<Box>{
                           question("Are you sure you want to delete the ROMs report?"),
                           note("There is no Samples report to delete."),
                           question("Are you sure you want to delete the Rebuilt Settings report?"),
                           note("There is no All Games list to delete."),
                           question("Are you sure you want to delete the Installed Games list?"),
                           note("There is no Uninstalled Games list to delete."),
                           note("There is no Favorite List Changes report to delete."),
                           question("Are you sure you want to delete the What's Changed (ROMs Info) report?"),
                           question("Are you sure you want to delete the What's Changed (All Info) report?"),
                       }));
    EXPECT_FALSE(exists("app/reports/roms.txt"));
    EXPECT_TRUE(exists("app/reports/rebuilt.txt"));
    EXPECT_FALSE(exists("app/reports/installedgames.txt"));
    EXPECT_FALSE(exists("app/reports/newroms.txt"));
    EXPECT_TRUE(exists("app/reports/whatsnew.txt")); // the default answer is No
    EXPECT_FALSE(anyTicked());
}

TEST_F(MaintenancePanelTest, CompareOffersEachFileNoListedGameOwns)
{
    const QString done = "ROM compare complete.";
    const QString clean = "ROM compare complete.  No orphan files found.";
    const struct Case {
        const char* name;
        std::vector<const char*> roms;   // in the ROMs folder; a trailing "/" makes a folder
        std::vector<const char*> more;   // in the Additional ROMs folder; null: no such setting
        const char* sameFolder;          // the additional setting names the ROMs folder so
        std::vector<int> answers;
        std::vector<Box> asked;
        QString result;
        QStringList gone;
        bool todaysMame = false;
    } cases[] = {
        {"today's MAME: a listed set's .7z in any case", {"pacman.7z", "GALAXIAN.7Z", "stray.7z"}, {}, nullptr, {},
         {orphan("Stray.7z")}, done, {}, true},
        {"the older MAME: a .7z is no set", {"pacman.7z", "pacman.zip"}, {}, nullptr, {}, {orphan("Pacman.7z")}, done,
         {}},
        {"only listed zips, any case", {"pacman.zip", "GALAXIAN.ZIP", "chd/"}, {}, nullptr, {}, {}, clean, {}},
        {"orphans kept on No, hidden files never offered", {"pacman.zip", "stray file.zip", "zz.txt", ".hidden.zip"},
         {}, nullptr, {}, {orphan("Stray File.zip"), orphan("Zz.txt")}, done, {}},
        {"orphan deleted on Yes, sub-folder never offered", {"old.zip", "pacman.zip", "oldgame/"}, {}, nullptr,
         {MsgAnswer::Yes}, {orphan("Old.zip")}, done, {"roms/old.zip"}},
        {"a name no ROM set has is deleted all the same", {"a:b.zip", "back\\slash.zip", "x..zip"}, {}, nullptr,
         {MsgAnswer::Yes, MsgAnswer::Yes, MsgAnswer::Yes},
         {orphan("A:b.zip"), orphan("Back\\slash.zip"), orphan("X..zip")}, done,
         {"roms/a:b.zip", "roms/back\\slash.zip", "roms/x..zip"}},
        {"two folders", {"a.zip"}, {"b.zip", "galaxian.zip"}, nullptr, {MsgAnswer::No, MsgAnswer::Yes},
         {orphan("A.zip"), orphan("B.zip")}, done, {"more/b.zip"}},
        {"Cancel in the first folder skips the second", {"a.zip", "c.zip"}, {"b.zip"}, nullptr,
         {MsgAnswer::Cancel}, {orphan("A.zip")}, "", {}},
        {"the same folder is compared once", {"a.zip"}, {}, "roms", {}, {orphan("A.zip")}, done, {}},
        {"also when given with a separator after it", {"a.zip"}, {}, "roms/", {}, {orphan("A.zip")}, done, {}},
        {"an empty ROMs folder", {}, {}, nullptr, {},
         {{"There are no ROMs installed in this folder.", kInfo, "ROMs Directory"}}, "", {}},
        {"an empty second folder still ends with the result", {"a.zip"}, {"chd/"}, nullptr, {},
         {orphan("A.zip"), {"There are no ROMs installed in this folder.", kInfo, "ROMs Directory"}}, done, {}},
        {"an empty first folder leaves the second", {}, {"pacman.zip"}, nullptr, {},
         {{"There are no ROMs installed in this folder.", kInfo, "ROMs Directory"}}, clean, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::pair<QString, std::vector<const char*>> folders[] = {{"roms/", c.roms}, {"more/", c.more}};
        for (const auto& [folder, files] : folders) {
            QDir(dir(folder)).removeRecursively();
            makeDirs(dir(folder));
            for (const char* file : files)
                QString(file).endsWith('/') ? makeDirs(dir(folder + file)) : writeFile(dir(folder + file), "PK");
        }
        m_state.dirs.strAdditionalROMsPath = c.sameFolder   ? dir(c.sameFolder)
                                             : c.more.empty() ? QString()
                                                              : dir("more");
        m_boxes.clearShown();
        for (int a : c.answers)
            m_boxes.answer(a);
        // While a question is open the panel stays, and a folder starts with an empty bar.
        std::vector<int> progress;
        m_boxes.onShow([&](const MsgBoxScript::Shown& box) {
            EXPECT_FALSE(m_panel->cmdGameList2->isEnabled()) << qPrintable(box.prompt);
            if (box.title == "ROMs Directory")
                progress.push_back(m_panel->ProgressBar0->value());
        });

        compare({"pacman", "galaxian"}, c.todaysMame);
        m_boxes.onShow({});

        EXPECT_EQ(boxes(), c.asked);
        EXPECT_EQ(m_panel->lblText->text(), c.result);
        EXPECT_TRUE(m_panel->lblFolder->text().isEmpty());
        EXPECT_TRUE(m_panel->cmdROMs->isEnabled());
        EXPECT_TRUE(m_panel->ProgressBar0->isHidden());
        EXPECT_TRUE(m_panel->cmdGameList2->isEnabled());
        EXPECT_EQ(progress, std::vector<int>(progress.size(), 0));
        for (const auto& [folder, files] : folders)
            for (const char* file : files)
                EXPECT_EQ(exists(folder + file), !c.gone.contains(folder + file)) << file;
    }
}

TEST_F(MaintenancePanelTest, CompareWithoutAROMsSettingNeverLooksAtTheRoot)
{
    m_state.dirs.strROMsPath.clear();
    m_state.dirs.strAdditionalROMsPath = dir("more");
    writeFile(dir("more/a.zip"), "PK");
    compare({"pacman"});
    EXPECT_EQ(boxes(), std::vector<Box>{orphan("A.zip")});
    EXPECT_EQ(m_panel->lblText->text(), "ROM compare complete.");
}

} // namespace
