#include "shell/frmGradient.h"

#include "platform/ColorCombo.h"
#include "platform/MsgBox.h"
#include "platform/SysColors.h"
#include "shell/IniFile.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/Files.h"
#include "support/MsgBoxScript.h"

namespace {

class GradientDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        IniService::instance().dropAll();
        makeDirs(dir.filePath("settings"));
        state.paths.strOptionsIni = dir.filePath("settings/options.ini");
    }
    void TearDown() override { IniService::instance().dropAll(); }

    QTemporaryDir dir;
    AppState state;
    int repaints = 0;
    std::function<void()> setGradient = [this] { ++repaints; };
};

} // namespace

TEST_F(GradientDialog, SelectsTheStoredColourOrFallsBackToTheFifthEntry)
{
    // Button shadow is in the list; an RGB value and system colour 25 are not.
    for (const qint32 stored : {qint32(-2147483632), qint32(0x123457), sysColorValue(25)}) {
        const bool listed = stored == -2147483632;
        MsgBoxScript boxes;
        repaints = 0;
        state.appearance.lngGradientColor = stored;
        frmGradient form(state, setGradient);
        ASSERT_EQ(boxes.shown().size(), listed ? 0u : 1u) << stored;
        if (!listed) {
            EXPECT_EQ(boxes.shown()[0].prompt, "Problem getting color.  Reverting to default setting.");
            EXPECT_EQ(boxes.shown()[0].style, MsgStyle::Information);
            EXPECT_EQ(boxes.shown()[0].title, "Zelvane");
            EXPECT_EQ(form.cboSysCol->currentIndex(), 4);
            EXPECT_GE(repaints, 1);
        }
        EXPECT_EQ(form.cboSysCol->ItemData(form.cboSysCol->currentIndex()), -2147483632);
        EXPECT_EQ(state.appearance.lngGradientColor, -2147483632);
    }
}

TEST_F(GradientDialog, ChoosingPreviewsAtOnceAndOnlyOKSaves)
{
    MsgBoxScript boxes;
    frmGradient form(state, setGradient);
    repaints = 0;
    const int window = form.cboSysCol->FindValue(sysColorValue(SysColor::Window));
    ASSERT_GE(window, 0);
    form.cboSysCol->setCurrentIndex(window);
    EXPECT_EQ(state.appearance.lngGradientColor, -2147483643);
    EXPECT_EQ(repaints, 1);
    EXPECT_TRUE(readFile(state.paths.strOptionsIni).isEmpty());

    form.cmdOK->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(readFile(state.paths.strOptionsIni), QByteArray("[Preferences]\r\nGradientColor=-2147483643\r\n"));
}

TEST_F(GradientDialog, ListEndsWithTheTitleBarGradientsCarryingTheirCurrentColours)
{
    MsgBoxScript boxes;
    frmGradient form(state, setGradient);
    const int n = form.cboSysCol->count();
    ASSERT_EQ(n, 30);
    EXPECT_EQ(form.cboSysCol->itemText(n - 3), "ActiveTitleBarGradient");
    EXPECT_EQ(form.cboSysCol->ItemData(n - 3), GetSysColor(SysColor::ActiveTitleBarGradient));
    EXPECT_EQ(form.cboSysCol->itemText(n - 1), "HotTracking");
    EXPECT_GE(form.cboSysCol->ItemData(n - 1), 0);
}
