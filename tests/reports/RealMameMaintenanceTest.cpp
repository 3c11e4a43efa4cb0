// The maintenance panel on the NVRAM that the MAME Debian installs (/usr/games/mame) writes, when
// it is there: today's MAME keeps a game's NVRAM in a folder named after the game.
#include "platform/CommandLine.h"
#include "platform/MsgBox.h"
#include "reports/MaintenancePanel.h"
#include "shell/ExecCmd.h"

#include <QCheckBox>
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
    ExecCmd("mame arb -nvram_directory " + QuoteArg(nvram) + " -seconds_to_run 1 -video none -sound none -skip_gameinfo",
            ShowState::Minimized, kMameFolder);
    ASSERT_TRUE(QFileInfo(nvram + "/arb/nvram").isFile());

    AppState state;
    state.dirs.strNvramPath = nvram;
    state.game[GameColumn::ROM] = "arb";
    state.game[GameColumn::Source] = "chess/ave_arb.cpp"; // as today's game data holds it
    MaintenancePanel panel(state);
    panel.prepare(true);
    panel.chkFolder[1]->setChecked(true);
    MsgBoxScript boxes;
    boxes.answer(MsgAnswer::Yes);
    panel.cmdFolders->click();

    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_FALSE(QFileInfo::exists(nvram + "/arb"));
    EXPECT_TRUE(QFileInfo(nvram).isDir());
}

} // namespace
