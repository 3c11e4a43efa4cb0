#include "app/modSubMain.h"

#include <QApplication>
#include <QFileInfo>
#include <QStyle>
#include <QTemporaryDir>
#include <QUuid>
#include <gtest/gtest.h>

#include "support/Files.h"

namespace {

// Each case takes its own instance name and program folder, and records what the main window's
// step saw instead of running the real load.
class MainStartup : public ::testing::Test {
protected:
    void SetUp() override
    {
        qputenv("ZELVANE_INSTANCE", m_dir.filePath("instance").toLocal8Bit());
    }
    void TearDown() override { qunsetenv("ZELVANE_INSTANCE"); }

    StartupEnvironment environment()
    {
        return {m_dir.path(), [this](Program& program) {
                    m_loads.push_back(program.state.startup);
                    m_listeningAtLoad = program.instance && program.instance->isListening();
                    m_styleAtLoad = QApplication::style()->name();
                }};
    }

    QTemporaryDir m_dir;
    std::vector<StartupState> m_loads;
    bool m_listeningAtLoad = false;
    QString m_styleAtLoad;
};

} // namespace

TEST_F(MainStartup, StartTimeNameAndLookBeforeTheLoadEndTimeAfterIt)
{
    Program program;
    program.state.startup.sngStartTime = -1;
    program.state.startup.sngEndTime = -1;
    program.state.web.strNewsText = QStringLiteral("20240101;news");
    program.state.web.strLastNews = QStringLiteral("20231231");

    Main(program, environment());

    ASSERT_EQ(m_loads.size(), 1u);
    EXPECT_GE(m_loads[0].sngStartTime, 0.0f);
    EXPECT_EQ(m_loads[0].sngEndTime, -1.0f);
    EXPECT_TRUE(m_listeningAtLoad);
    EXPECT_EQ(m_styleAtLoad.toLower(), "windows") << "the classic look without the manifest";
    EXPECT_GE(program.state.startup.sngEndTime, 0.0f);
    EXPECT_LT(program.state.startup.sngEndTime, 86400.0f);
    // Whatever the news step did, its texts are not kept.
    EXPECT_TRUE(program.state.web.strNewsText.isEmpty());
    EXPECT_TRUE(program.state.web.strLastNews.isEmpty());
}

TEST_F(MainStartup, ThemedLookWithTheManifest)
{
    writeFile(m_dir.filePath("zelvane.exe.manifest"), "<assembly/>");
    Program program;
    Main(program, environment());
    EXPECT_EQ(m_styleAtLoad.toLower(), "fusion");
}

TEST(Build, PutsTheManifestBesideTheProgram)
{
    const QString folder = QFileInfo(QStringLiteral(ZELVANE_BINARY)).absolutePath();
    const QByteArray manifest = readFile(folder + "/zelvane.exe.manifest");
    EXPECT_TRUE(manifest.startsWith("<?xml"));
    EXPECT_TRUE(manifest.contains("name=\"Zelvane\""));
}

TEST(Build, PutsTheHelpTextBesideTheProgram)
{
    const QString folder = QFileInfo(QStringLiteral(ZELVANE_BINARY)).absolutePath();
    const QString help = QString::fromUtf8(readFile(folder + "/zelvane.txt"));
    // It covers setting up and each menu of the window.
    for (const char* part : {"SETTING UP", "Preferences", "Directories", "File ", "View ", "Tools ", "Reports ",
                             "Help ", "report panel", "About"})
        EXPECT_TRUE(help.contains(QLatin1String(part))) << part;
}
