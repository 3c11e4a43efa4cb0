// The about box: the marquee it pauses, MAME's version, the extras browser and the link.
#include "wizard/frmMyAbout.h"

#include "platform/OpenUrl.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

#include "support/FakeMame.h"
#include "support/Files.h"
#include "support/MsgBoxScript.h"
#include "support/ScopedEnv.h"

namespace {

class AboutBox : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_state.paths.strAppPath = m_dir.filePath("app");
        m_state.dirs.strMAMEPath = m_dir.filePath("mame");
        m_state.dirs.strArtworkPath = m_dir.filePath("artwork");
        m_state.dirs.strSamplesPath = m_dir.filePath("samples");
        makeDirs(m_dir.filePath("app/reports"));
        makeDirs(m_state.dirs.strMAMEPath);
        m_marquee.setInterval(40);
    }
    void TearDown() override { setUrlOpenerHandler({}); }

    frmMyAbout& open()
    {
        m_form = std::make_unique<frmMyAbout>(m_state, &m_marquee, [this] { ++m_refreshes; });
        return *m_form;
    }

    QTemporaryDir m_dir;
    AppState m_state;
    QTimer m_marquee;
    int m_refreshes = 0;
    MsgBoxScript m_boxes;
    std::unique_ptr<frmMyAbout> m_form;
};

} // namespace

TEST_F(AboutBox, MarqueeRestoredOnlyWhenItRan)
{
    const struct {
        bool running;
        bool viaOK; // else the window's close (Escape)
    } cases[] = {{true, true}, {false, true}, {true, false}, {false, false}};
    for (const auto& c : cases) {
        m_refreshes = 0;
        c.running ? m_marquee.start() : m_marquee.stop();
        frmMyAbout& f = open();
        EXPECT_FALSE(m_marquee.isActive()) << "paused while the box is open";
        EXPECT_EQ(m_state.view.blnScroll, c.running);
        EXPECT_EQ(m_refreshes, c.running ? 1 : 0) << "the stopped marquee is redrawn";
        c.viaOK ? f.cmdOK->click() : f.reject();
        EXPECT_EQ(m_marquee.isActive(), c.running) << c.running << c.viaOK;
        EXPECT_EQ(f.result(), QDialog::Accepted);
    }
}

TEST_F(AboutBox, MameVersionFromItsHelpOutput)
{
    installFakeMame(m_state.dirs.strMAMEPath);
    // The line layouts of the -help output are the version reader's own table.
    ScopedEnv version("ZELVANE_FAKEMAME_VERSION", "0.251");
    frmMyAbout& f = open();
    f.cmdVersion->click();
    EXPECT_EQ(f.lblMAMEVersion->text(), "M.A.M.E. Version 0.251");
    EXPECT_FALSE(f.cmdVersion->isEnabled());
    EXPECT_TRUE(f.cmdOK->isEnabled());
    EXPECT_FALSE(QFileInfo::exists(m_dir.filePath("app/reports/version.txt"))) << "the temporary file is deleted";
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(AboutBox, NoMameGivesAnUnknownVersion)
{
    const QString mameFolder = m_state.dirs.strMAMEPath;
    for (const bool folderThere : {true, false}) {
        m_state.dirs.strMAMEPath = folderThere ? mameFolder : m_dir.filePath("gone");
        // Output an earlier run left behind is not this MAME's.
        writeFile(m_dir.filePath("app/reports/version.txt"), "M.A.M.E. v0.37b5 (Jun 1 2000)\r\n");
        frmMyAbout& f = open();
        f.cmdVersion->click();
        EXPECT_EQ(f.lblMAMEVersion->text(), "Unknown") << folderThere;
        EXPECT_TRUE(f.cmdOK->isEnabled());
        EXPECT_FALSE(QFileInfo::exists(m_dir.filePath("app/reports/version.txt")));
    }
}

TEST_F(AboutBox, DatFileDateReplacesTheVersionAndEnablesTheButtonAgain)
{
    installFakeMame(m_state.dirs.strMAMEPath);
    writeFile(m_state.dirs.strMAMEPath + "/history.dat", "x");
    writeFile(m_state.dirs.strMAMEPath + "/MAMEINFO.DAT", "x");
    writeFile(m_state.dirs.strMAMEPath + "/notes.txt", "x");
    frmMyAbout& f = open();
    f.cmdVersion->click();
    ASSERT_FALSE(f.cmdVersion->isEnabled());

    f.chkOther->setChecked(true);
    EXPECT_FALSE(f.fraOther->isHidden());
    EXPECT_TRUE(f.optArtwork->isChecked());
    EXPECT_FALSE(f.lblMAMEVersion->text().isEmpty()) << "the artwork choice keeps a shown MAME version";
    f.optDATs->setChecked(true);
    EXPECT_EQ(f.lblTotal->text(), "2");
    ASSERT_EQ(f.File1->model()->rowCount(), 2);
    f.File1->setCurrentIndex(f.File1->model()->index(0, 0));
    const QDateTime changed = QFileInfo(m_state.dirs.strMAMEPath + "/history.dat").lastModified();
    EXPECT_EQ(f.lblMAMEVersion->text(), QLocale::system().toString(changed, QLocale::ShortFormat));
    EXPECT_TRUE(f.cmdVersion->isEnabled());

    // With the button on again, Artwork clears the date.
    f.optArtwork->setChecked(true);
    EXPECT_TRUE(f.lblMAMEVersion->text().isEmpty());
    f.chkOther->setChecked(false);
    EXPECT_TRUE(f.fraOther->isHidden());
}

TEST_F(AboutBox, AMissingFolderShowsItsMessageAndKeepsTheCount)
{
    writeFile(m_state.dirs.strArtworkPath + "/a.zip", "x");
    writeFile(m_state.dirs.strArtworkPath + "/b.ZIP", "x");
    const struct {
        QRadioButton* frmMyAbout::* option;
        const char* message;
        const char* title;
    } cases[] = {
        {&frmMyAbout::optSamples, "Error in optSamples_Click.\r\rThis might mean you do not have a Samples folder.",
         "Samples"},
        {&frmMyAbout::optIcons, "Error in optIcons_Click.\r\rThis might mean you do not have an Icons folder.", "Icons"},
    };
    for (const auto& c : cases) {
        m_boxes.clearShown();
        frmMyAbout& f = open();
        f.chkOther->setChecked(true);
        ASSERT_EQ(f.lblTotal->text(), "2");
        (f.*c.option)->setChecked(true);
        ASSERT_EQ(m_boxes.shown().size(), 1u) << c.title;
        EXPECT_EQ(m_boxes.shown()[0].prompt, c.message);
        EXPECT_EQ(m_boxes.shown()[0].style, 64);
        EXPECT_EQ(m_boxes.shown()[0].title, c.title);
        EXPECT_EQ(f.lblTotal->text(), "2");
        EXPECT_EQ(f.File1->model()->rowCount(), 2);
    }
}

TEST_F(AboutBox, TheLinkOpensTheBrowserOrSaysItCouldNot)
{
    for (bool opens : {true, false}) {
        m_boxes.clearShown();
        QList<QUrl> opened;
        setUrlOpenerHandler([&](const QUrl& url) {
            opened.append(url);
            return opens;
        });
        frmMyAbout& f = open();
        f.lblURL_Click();
        ASSERT_EQ(opened.size(), 1);
        EXPECT_EQ(opened[0], QUrl(f.lblURL->text()));
        if (opens) {
            EXPECT_TRUE(m_boxes.shown().empty());
        } else {
            ASSERT_EQ(m_boxes.shown().size(), 1u);
            EXPECT_EQ(m_boxes.shown()[0].prompt, "Error launching browser.");
            EXPECT_EQ(m_boxes.shown()[0].title, "About Zelvane");
        }
    }
}
