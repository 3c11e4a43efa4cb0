// The maintenance panel on the NVRAM that the MAME Debian installs (/usr/games/mame) writes, when
// it is there: today's MAME keeps a game's NVRAM in a folder named after the game.
#include "platform/CommandLine.h"
#include "platform/MsgBox.h"
#include "reports/MaintenancePanel.h"
#include "shell/ExecCmd.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/Files.h"
#include "support/MsgBoxScript.h"
#include "support/ScopedEnv.h"

namespace {

const QString kMameFolder = QStringLiteral("/usr/games");

// ave_arb's chess computer needs no ROM files and keeps its board in NVRAM.
TEST(RealMameMaintenance, TheNvramFolderMameWritesIsOfferedAndDeleted)
{
    if (!QFileInfo(kMameFolder + "/mame").isExecutable())
        GTEST_SKIP() << "no MAME at /usr/games/mame (scripts/setup installs Debian's mame package)";
    QTemporaryDir root;
    ScopedEnv home("HOME", QFile::encodeName(root.filePath("home")));
    makeDirs(root.filePath("home"));
    const QString nvram = root.filePath("my nvram");
    const QString source = root.filePath("source.txt");
    ExecCmd("mame arb -listsource > " + QuoteArg(source), ShowState::Minimized, kMameFolder);
    ExecCmd("mame arb -nvram_directory " + QuoteArg(nvram) +
                " -seconds_to_run 1 -video none -sound none -nothrottle -skip_gameinfo > " +
                QuoteArg(root.filePath("run.txt")) + " 2>&1",
            ShowState::Minimized, kMameFolder);
    ASSERT_TRUE(QFileInfo(nvram + "/arb/nvram").isFile()) << readFile(root.filePath("run.txt")).toStdString();
    ASSERT_FALSE(QFileInfo::exists(nvram + "/arb.nv"));

    AppState state;
    state.dirs.strNvramPath = nvram;
    state.game[GameColumn::ROM] = "arb";
    // "arb              chess/ave_arb.cpp": the source as the game data holds it.
    state.game[GameColumn::Source] = QString::fromLatin1(readFile(source).simplified().split(' ').value(1));
    MaintenancePanel panel(state);
    panel.prepare(true);
    panel.chkFolder[1]->setChecked(true);
    MsgBoxScript boxes;
    boxes.answer(MsgAnswer::Yes);
    panel.cmdFolders->click();

    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].prompt, "Are you sure you want to delete the .nv file for arb?");
    EXPECT_FALSE(QFileInfo::exists(nvram + "/arb"));
    EXPECT_TRUE(QFileInfo(nvram).isDir());
}

} // namespace
