// The whole build as its callers run it, against fakemame installed as the MAME folder's program.
#include "gamelist/GameDataBuilder.h"
#include "gamelist/GameDataCommands.h"

#include "shell/Progress.h"
#include "shell/ShortPath.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/FakeMame.h"
#include "support/Files.h"
#include "support/MsgBoxScript.h"
#include "support/ScopedEnv.h"

namespace {

class Captions : public Progress {
public:
    void message(const QString& text) override { messages << text; }
    void count(qint32) override {}
    QStringList messages;
};

} // namespace

TEST(GameDataBuild, BuildsTheGameDataFromFakeMamesListings)
{
    QTemporaryDir root;
    AppState state;
    state.paths.strAppPath = root.filePath("zel app");
    state.paths.strShortAppPath = state.paths.strAppPath;
    state.dirs.strMAMEPath = root.filePath("mame folder");
    makeDirs(QDir(state.paths.strAppPath).filePath("reports"));
    installFakeMame(state.dirs.strMAMEPath);
    ScopedEnv listing("ZELVANE_FAKEMAME_LISTXML", "");
    ScopedEnv games("ZELVANE_FAKEMAME_GAMES", "40");
    MsgBoxScript boxes;
    Captions captions;

    const QString reports = QDir(state.paths.strAppPath).filePath("reports/");
    writeFile(reports + "listxml.txt", "previous listing\r\n");
    ASSERT_FALSE(BackupListXML(state.paths.strAppPath));
    ASSERT_FALSE(BackupCRCInfo(state.paths.strAppPath));
    CreateListXML(state.paths, state.dirs, &captions);
    CreateCRCInfo(state.paths, state.dirs, &captions);
    ASSERT_FALSE(CreateGameInfo(state.paths.strAppPath, state.game, state.strRotate, &captions));

    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(readFile(reports + "oldlistxml.txt"), "previous listing\r\n");
    EXPECT_FALSE(QFileInfo::exists(reports + "oldcrcinfo.txt"));
    EXPECT_GT(QFileInfo(reports + "crcinfo.txt").size(), 0);
    EXPECT_EQ(readFile(reports + "gameinfo.txt").count("\r\n"), 40);
    EXPECT_TRUE(readFile(reports + "resource.txt").startsWith("\t<game runnable=\"no\""));
    EXPECT_TRUE(readFile(reports + "listxml.txt").endsWith(readFile(reports + "resource.txt")));
    EXPECT_EQ(captions.messages, (QStringList{"Creating listxml.txt...", "Creating crcinfo.txt...",
                                              "Creating gameinfo.txt...", "Creating resource.txt...", ""}));
}
