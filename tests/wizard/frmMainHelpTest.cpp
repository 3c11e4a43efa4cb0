// The Help menu's three documents in the report panel, and the about box opened from the menu.
#include "support/MainWindowFixture.h"

#include "platform/RichTextBox.h"
#include "platform/StatusPanels.h"
#include "wizard/frmMyAbout.h"

#include <QAction>
#include <QApplication>

#include "support/Files.h"

namespace {

struct HelpItem {
    QAction* frmMain::* item;
    bool inMameFolder;
    const char* file;
    const char* title;
    const char* missing;
};

const HelpItem kItems[] = {
    {&frmMain::mnuHelpZelvane, false, "zelvane.txt", "Zelvane's Zelvane.txt", "Cannot find zelvane.txt!"},
    {&frmMain::mnuHelpNewvideo, true, "docs/newvideo.txt", "M.A.M.E.'s Newvideo.txt", "Cannot find newvideo.txt!"},
    {&frmMain::mnuHelpWindows, true, "docs/windows.txt", "M.A.M.E.'s Windows.txt", "Cannot find windows.txt!"},
};

class HelpTest : public MainWindowTest {
protected:
    frmMain& loaded()
    {
        writeGames(fiveGames());
        writeOptions();
        return loadShown();
    }
};

} // namespace

TEST_F(HelpTest, AMissingDocumentIsNamedAndTheListsStayInFront)
{
    frmMain& w = loaded();
    for (const HelpItem& item : kItems) {
        m_boxes.clearShown();
        (w.*item.item)->trigger();
        ASSERT_EQ(m_boxes.shown().size(), 1u) << item.file;
        EXPECT_EQ(m_boxes.shown()[0].prompt, item.missing);
        EXPECT_EQ(m_boxes.shown()[0].style, 48);
        EXPECT_EQ(m_boxes.shown()[0].title, item.title);
        EXPECT_EQ(m_state.view.intPanelShown, 0);
        EXPECT_TRUE(w.fraList->isEnabled());
        EXPECT_FALSE(w.StatusBar[1]->isVisible());
    }
}

TEST_F(HelpTest, EachDocumentShowsAsLiteralText)
{
    // Control words and tags that a rich-text or HTML reader would swallow.
    const QByteArray text = "{\\rtf1\\ansi {\\b not bold}}\r\n<b>not bold either</b> &amp;\r\n";
    frmMain& w = loaded();
    for (const HelpItem& item : kItems)
        writeFile((item.inMameFolder ? mame() : app()) + "/" + item.file, text + item.title);
    for (const HelpItem& item : kItems) {
        (w.*item.item)->trigger();
        EXPECT_TRUE(m_boxes.shown().empty());
        EXPECT_EQ(w.fraVerify->title(), item.title);
        EXPECT_EQ(m_state.view.intPanelShown, 1);
        EXPECT_FALSE(w.fraList->isEnabled());
        EXPECT_TRUE(w.StatusBar[1]->isVisible());
        EXPECT_EQ(w.fraVerify->txtVerify->Text(), QString::fromLatin1(text + item.title));
        w.fraVerify->txtVerify->setSelStart(0);
        w.fraVerify->txtVerify->setSelLength(w.fraVerify->txtVerify->Text().size());
        EXPECT_FALSE(w.fraVerify->txtVerify->SelBold()) << item.file;
        w.fraVerify->cmdGameList->click();
        EXPECT_EQ(m_state.view.intPanelShown, 0);
    }
}

TEST_F(HelpTest, AboutPausesTheMarqueeUntilItCloses)
{
    frmMain& w = loaded();
    ASSERT_TRUE(w.Tmr[0]->isActive());
    bool pausedWhileOpen = false;
    QTimer::singleShot(0, [&] {
        auto* box = QApplication::activeModalWidget() ? qobject_cast<frmMyAbout*>(QApplication::activeModalWidget())
                                                      : nullptr;
        ASSERT_NE(box, nullptr);
        pausedWhileOpen = !w.Tmr[0]->isActive();
        box->cmdOK->click();
    });
    w.mnuHelpAbout->trigger();
    EXPECT_TRUE(pausedWhileOpen);
    EXPECT_TRUE(w.Tmr[0]->isActive());
}
