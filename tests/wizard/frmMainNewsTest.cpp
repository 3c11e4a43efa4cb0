// The news and the update check against a web server of the test's own, and the start-up news.
#include "support/MainWindowFixture.h"

#include "app/modSubMain.h"
#include "platform/Beep.h"
#include "platform/Inet.h"
#include "platform/RichTextBox.h"
#include "platform/StatusPanels.h"

#include <QAction>
#include <QApplication>

#include "support/LocalWebServer.h"
#include "support/ScopedEnv.h"

namespace {

const QByteArray kNewsPath = "/zelvane/news.txt";
const QByteArray kPagePath = "/zelvane/index.html";

// A home page with "Version <dotted><br>" starting at the 1-based character `at`.
QByteArray homePage(const QByteArray& dotted, int at)
{
    QByteArray page = QByteArray(at - 1, 'x') + "Version " + dotted + "<br>";
    return page + QByteArray(2600 - page.size(), 'y');
}

class NewsTest : public MainWindowTest {
protected:
    frmMain& loaded(const QString& host)
    {
        m_host.reset();
        m_host = std::make_unique<ScopedEnv>("ZELVANE_WEB_HOST", host.toLatin1());
        writeGames(fiveGames());
        writeOptions();
        return loadShown();
    }
    void TearDown() override
    {
        MainWindowTest::TearDown();
        m_host.reset();
    }

    // Which of the first `n` characters of the report are bold.
    static QList<bool> boldness(frmMain& w, int n)
    {
        RichTextBox* box = w.fraVerify->txtVerify;
        QList<bool> bold;
        for (int i = 0; i < n; ++i) {
            box->setSelStart(i);
            box->setSelLength(1);
            bold.append(box->SelBold());
        }
        box->setSelStart(0);
        return bold;
    }

    void expectNewsShown(frmMain& w, const QByteArray& news)
    {
        EXPECT_EQ(w.fraVerify->title(), "Zelvane News");
        EXPECT_EQ(m_state.view.intPanelShown, 1);
        EXPECT_FALSE(w.fraList->isEnabled());
        EXPECT_TRUE(w.StatusBar[1]->isVisible());
        EXPECT_EQ(w.fraVerify->txtVerify->Text(), QString::fromLatin1(news));
    }

    LocalWebServer m_server;
    std::unique_ptr<ScopedEnv> m_host;
};

} // namespace

TEST_F(NewsTest, NewsMenuShowsTheWholeTextAsPlainTextWithItsStampBold)
{
    // 250 characters, markup and all, which must reach the panel as they are.
    QByteArray news = "20260315 <b>not bold</b> {\\rtf1 \\b x}";
    news += QByteArray(250 - news.size(), '.');
    m_server.serve(kNewsPath, news);
    frmMain& w = loaded(m_server.host());
    ClearBeepRecord();

    w.mnuHelpNews->trigger();

    EXPECT_TRUE(m_boxes.shown().empty());
    expectNewsShown(w, news);
    EXPECT_EQ(boldness(w, 10), QList<bool>({true, true, true, true, true, true, true, true, false, false}));
    EXPECT_EQ(storedOption(optionsIni(), "Miscellaneous", "News"), "20260315");
    EXPECT_TRUE(BeepRecord().empty()) << "no chime from the menu";
    EXPECT_EQ(m_state.web.strInetMode, "News");

    w.fraVerify->cmdGameList->click();
    EXPECT_EQ(m_state.view.intPanelShown, 0);
}

TEST_F(NewsTest, NewsMenuWithoutConnectionShowsTheErrorAndLeavesThePanelClosed)
{
    frmMain& w = loaded(RefusingHost());
    w.mnuHelpNews->trigger();
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_EQ(m_boxes.shown()[0].prompt, "Error retrieving news.  This may mean that you are not connected to the "
                                         "Internet\r\nor there is a temporary problem with the website.");
    EXPECT_EQ(m_boxes.shown()[0].style, 64);
    EXPECT_EQ(m_boxes.shown()[0].title, "Zelvane News");
    EXPECT_EQ(m_state.view.intPanelShown, 0);
    EXPECT_TRUE(w.fraList->isEnabled());
    EXPECT_TRUE(w.fraVerify->title().isEmpty());
}

TEST_F(NewsTest, CheckForUpdatesComparesTheSitesVersionWithOurs)
{
    const QString noUpdates = "No updates available.  You are running the current version of Zelvane.";
    const struct {
        const char* what;
        QByteArray page; // empty: the connection is refused
        QStringList prompts;
    } cases[] = {
        {"same version at 1200", homePage("4.0.0", 1200), {noUpdates}},
        {"newer on the site", homePage("4.0.1", 1200),
         {"There is a new version of Zelvane available.\r\nYou can get it from " + m_server.host() + "."}},
        {"older on the site", homePage("3.9.9", 1200),
         {"You are running a newer version of Zelvane than the one that is available on the website."}},
        {"before character 1000", homePage("4.0.0", 500),
         {"Error in Inet1_StateChanged: Invalid procedure call or argument"}},
        {"refused", QByteArray(),
         {"Error checking for updates.  This may mean that you are not connected to the Internet\r\nor there is a "
          "temporary problem with the website."}},
    };
    for (const auto& c : cases) {
        nextCase();
        m_server.serve(kPagePath, c.page);
        frmMain& w = loaded(c.page.isEmpty() ? RefusingHost() : m_server.host());
        w.mnuHelpCheck->trigger();
        QStringList prompts;
        for (const auto& box : m_boxes.shown()) {
            prompts.append(box.prompt);
            EXPECT_EQ(box.style, 64) << c.what;
            EXPECT_EQ(box.title, "Check For Updates") << c.what;
        }
        EXPECT_EQ(prompts, c.prompts) << c.what;
        EXPECT_EQ(m_state.view.intPanelShown, 0) << c.what;
    }
}

// A check that fails, or reads no version, says so and gives no verdict, whatever an earlier
// check of the same run read.
TEST_F(NewsTest, AFailedCheckGivesNoVerdict)
{
    m_server.serve(kPagePath, homePage("4.1", 1200));
    frmMain& w = loaded(m_server.host());
    w.mnuHelpCheck->trigger();
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_TRUE(m_boxes.shown()[0].prompt.startsWith("There is a new version of Zelvane available."));
    for (const QByteArray& page : {QByteArray("<html>moved</html>"), homePage("4.1", 500)}) {
        m_boxes.clearShown();
        m_server.serve(kPagePath, page, page.startsWith("<html>") ? 404 : 200);
        w.mnuHelpCheck->trigger();
        ASSERT_EQ(m_boxes.shown().size(), 1u) << page.left(20).toStdString();
        EXPECT_TRUE(m_boxes.shown()[0].prompt.startsWith(page.startsWith("<html>") ? "Error checking for updates."
                                                                                   : "Error in Inet1_StateChanged: "))
            << m_boxes.shown()[0].prompt.toStdString();
    }
}

TEST_F(NewsTest, NewsAndUpdatesStayOffWhileARequestRuns)
{
    m_server.hold("/held");
    m_server.serve(kNewsPath, "20260101 news");
    frmMain& w = loaded(m_server.host());
    w.Inet1->Execute(m_server.host() + "/held", 0);
    w.mnuHelp_Click();
    EXPECT_FALSE(w.mnuHelpNews->isEnabled());
    EXPECT_FALSE(w.mnuHelpCheck->isEnabled());
    EXPECT_TRUE(w.mnuHelpZelvane->isEnabled());

    w.requestNews(10000);
    w.mnuHelp_Click();
    EXPECT_TRUE(w.mnuHelpNews->isEnabled());
    EXPECT_TRUE(w.mnuHelpCheck->isEnabled());
}

// Main's last steps with the real window: the news request after the load.
TEST_F(NewsTest, StartupShowsNewsOncePerStampOrEveryTimeWithASemicolon)
{
    const struct {
        const char* what;
        const char* stored;
        QByteArray news;
        bool shown;
        const char* storedAfter;
        bool refused = false;
    } cases[] = {
        {"stamp seen", "20260101", "20260101 seen before", false, "20260101"},
        {"stamp seen, semicolon", "20260101", "20260101;shown every start", true, "20260101"},
        {"new stamp", "20251224", "20260101 new", true, "20260101"},
        {"refused", "20251224", QByteArray(), false, "20251224", true},
        {"empty reply", "20251224", QByteArray(), false, "20251224"},
        {"stamp ending in a blank, seen", "2026-01", "2026-01 seen before", false, "2026-01"},
        {"stamp holding a line break, seen", "2026\r\n01", "2026\r\n01 seen before", false, "2026  01"},
    };
    for (const auto& c : cases) {
        nextCase();
        ScopedEnv instance("ZELVANE_INSTANCE", QFile::encodeName(m_root + "/instance"));
        LocalWebServer server;
        server.serve(kNewsPath, c.news);
        ScopedEnv host("ZELVANE_WEB_HOST", (c.refused ? RefusingHost() : server.host()).toLatin1());
        writeGames(fiveGames());
        writeOptions();
        WriteINI(optionsIni(), "Miscellaneous", "News", c.stored);
        FlushINI(optionsIni());
        IniService::instance().dropAll();
        ClearBeepRecord();

        Program program;
        Main(program, startup());
        frmMain& w = *program.mainWindow;

        EXPECT_EQ(program.state.view.intPanelShown, c.shown ? 1 : 0) << c.what;
        EXPECT_EQ(w.fraVerify->title(), c.shown ? "Zelvane News" : "") << c.what;
        if (c.shown) {
            EXPECT_EQ(w.fraVerify->txtVerify->Text(), QString::fromLatin1(c.news)) << c.what;
            w.fraVerify->txtVerify->setSelStart(0);
            w.fraVerify->txtVerify->setSelLength(9);
            EXPECT_TRUE(w.fraVerify->txtVerify->SelBold()) << c.what;
            w.fraVerify->txtVerify->setSelStart(9);
            w.fraVerify->txtVerify->setSelLength(1);
            EXPECT_FALSE(w.fraVerify->txtVerify->SelBold()) << c.what;
            EXPECT_EQ(BeepRecord(), (std::vector<ToneRequest>{{1000, 75}, {1500, 75}, {2000, 75}, {2500, 75}, {3000, 75}}));
        } else {
            EXPECT_TRUE(BeepRecord().empty()) << c.what;
        }
        EXPECT_EQ(storedOption(optionsIni(), "Miscellaneous", "News"), c.storedAfter) << c.what;
        EXPECT_EQ(server.requested().size(), c.refused ? 0 : 1) << c.what;
        EXPECT_TRUE(program.state.web.strNewsText.isEmpty());
        EXPECT_TRUE(program.state.web.strLastNews.isEmpty());
        EXPECT_TRUE(m_boxes.shown().empty()) << c.what;
    }
}
