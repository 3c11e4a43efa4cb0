// The wizard as a whole: opening, pages, Cancel and a successful OK.
#include "WizardFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "support/Files.h"

namespace {

// Runs `act` on the wizard once ChooseOptions has shown it.
void whenShown(std::function<void(frmChoose&)> act)
{
    QTimer::singleShot(0, [act] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* form = qobject_cast<frmChoose*>(w); form && form->isVisible()) {
                act(*form);
                return;
            }
        }
        ADD_FAILURE() << "the wizard is not shown";
    });
}

} // namespace

TEST_F(WizardTest, CancelOnAFirstRunWritesNothingAndEmptiesThePreWizardCopies)
{
    state.dirs.strTempROMsPath = "/old/roms";
    state.dirs.strTempMAMEPath = "/old/mame";
    whenShown([](frmChoose& form) { form.cmdCancel->click(); });
    EXPECT_FALSE(ChooseOptions(state));
    EXPECT_TRUE(state.startup.blnOptionsCancelled);
    EXPECT_EQ(state.dirs.strTempROMsPath, "");
    EXPECT_EQ(state.dirs.strTempMAMEPath, "");
    EXPECT_FALSE(QFileInfo::exists(optionsIni()));
    EXPECT_FALSE(QFileInfo::exists(mameDir() + "/mame.ini"));
}

TEST_F(WizardTest, EscapeAndTheWindowManagersCloseMeanCancel)
{
    for (const bool escape : {true, false}) {
        state.startup.blnOptionsCancelled = false;
        auto form = openForm();
        if (escape) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(form.get(), &press);
        } else {
            form->close();
        }
        EXPECT_TRUE(state.startup.blnOptionsCancelled) << escape;
        EXPECT_FALSE(form->isVisible());
        EXPECT_EQ(form->result(), QDialog::Rejected);
        EXPECT_FALSE(form->windowFlags() & Qt::WindowCloseButtonHint);
    }
}

TEST_F(WizardTest, OKWithValidFoldersWritesAllFiftyKeysInOrder)
{
    whenShown([this](frmChoose& form) {
        browseMame(form);
        form.cmdOK->click();
    });
    EXPECT_TRUE(ChooseOptions(state));
    EXPECT_FALSE(state.startup.blnOptionsCancelled);
    EXPECT_TRUE(boxes.shown().empty());

    const QStringList expected = {
        "[Preferences]", "HideArcadia", "HideBabyPhoenix", "HideCassette", "HideCrystal", "HideCVS", "HideHyperNeo",
        "HideMaxAFlex", "HideSEGAC2.C", "HideMultiCassette", "HideNeoGeo", "HideNintendo", "HidePGM",
        "HidePlayChoice", "HideZN.C", "HideStandard", "HideST-V", "HideKaneko", "HideSystemGX", "HideMPU4",
        "HideClones", "HidePreliminary", "HideVs", "HideYear", "HideBootleg", "HideTest", "HideCHD",
        "HideImperfect", "Year", "DisableHotKeys", "CloneShots", "UseStarfield", "BackColor", "FontColor", "FontSize",
        "[Directories]", "MAME", "ROMs", "AdditionalROMs", "Samples", "Ini", "Cfg", "Nvram", "Memcard", "Input",
        "Hiscore", "State", "Artwork", "Snapshots", "Diff", "Ctrlr", "Comments"};
    QStringList lines;
    for (const QByteArray& line : readFile(optionsIni()).split('\n')) {
        const QString text = QString::fromUtf8(line).trimmed();
        if (!text.isEmpty())
            lines << text.section('=', 0, 0);
    }
    EXPECT_EQ(lines, expected);

    const QByteArray ini = readFile(optionsIni());
    const QString lastYear = QString::number(QDate::currentDate().year() - 1);
    EXPECT_TRUE(ini.contains(("Year=" + lastYear + "\r\n").toUtf8())) << ini.toStdString();
    EXPECT_TRUE(ini.contains("HideClones=False\r\n"));
    EXPECT_TRUE(ini.contains("BackColor=-2147483643\r\n"));
    EXPECT_TRUE(ini.contains("FontColor=16777215\r\n"));
    EXPECT_TRUE(ini.contains("FontSize=8\r\n"));
    EXPECT_TRUE(ini.contains(("MAME=" + mameDir() + "\r\n").toUtf8()));
    EXPECT_TRUE(ini.contains(("ROMs=" + mameDir() + "/roms\r\n").toUtf8()));
    EXPECT_TRUE(ini.contains(("Ini=" + mameDir() + "\r\n").toUtf8()));
    EXPECT_TRUE(ini.contains(("Snapshots=" + mameDir() + "/snap\r\n").toUtf8()));
    EXPECT_TRUE(ini.contains("AdditionalROMs=\r\n"));
    EXPECT_TRUE(ini.contains("Comments=\r\n"));

    EXPECT_EQ(state.dirs.strMAMEPath, mameDir());
    EXPECT_EQ(state.dirs.strShortMAMEPath, mameDir());
    EXPECT_EQ(state.dirs.strShortStatePath, mameDir() + "/sta");
    EXPECT_EQ(state.dirs.strShortCommentsPath, "");

    // The base mame.ini in the Ini folder, with the folders just chosen.
    const QByteArray mameIni = readFile(mameDir() + "/mame.ini");
    EXPECT_TRUE(mameIni.startsWith("#\r\n# PATH AND DIRECTORY OPTIONS #\r\n#\r\n")) << mameIni.toStdString();
    EXPECT_TRUE(mameIni.contains(("rompath\t.;" + mameDir() + "/roms\r\n").toUtf8()));
    EXPECT_TRUE(mameIni.contains(("state_directory\t" + mameDir() + "/sta\r\n").toUtf8()));
}

TEST_F(WizardTest, AnIniFolderThatCannotTakeMameIniSavesNothing)
{
    makeDirs(mameDir() + "/mame.ini");
    auto form = openForm();
    browseMame(*form);
    form->cmdOK->click();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_TRUE(boxes.lastPrompt().startsWith("Zelvane could not save " + mameDir() + "/mame.ini: "))
        << boxes.lastPrompt().toStdString();
    EXPECT_EQ(boxes.shown()[0].style, 16);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->focusWidget(), box(*form, "txtINIsPath"));
    EXPECT_FALSE(QFileInfo::exists(optionsIni()));
}

TEST_F(WizardTest, PagesFollowTheirStateTable)
{
    auto form = openForm();
    EXPECT_TRUE(form->fraPreferences->isEnabled());
    EXPECT_FALSE(form->fraDirectories->isEnabled());
    EXPECT_FALSE(form->cmdBack->isEnabled());
    EXPECT_TRUE(form->cmdNext->isEnabled());
    EXPECT_FALSE(form->cmdOK->isEnabled());
    EXPECT_TRUE(form->cmdClearAll->isEnabled());
    EXPECT_TRUE(form->cmdMyDefaults->isEnabled());
    EXPECT_EQ(form->focusWidget(), form->cmdNext);

    form->cmdNext->click();
    EXPECT_FALSE(form->fraPreferences->isEnabled());
    EXPECT_TRUE(form->fraDirectories->isEnabled());
    EXPECT_TRUE(form->cmdBack->isEnabled());
    EXPECT_FALSE(form->cmdNext->isEnabled());
    EXPECT_TRUE(form->cmdOK->isEnabled());
    EXPECT_FALSE(form->cmdClearAll->isEnabled());
    EXPECT_FALSE(form->cmdMyDefaults->isEnabled());
    EXPECT_EQ(form->focusWidget(), box(*form, "txtMAMEPath"));

    form->cmdBack->click();
    EXPECT_TRUE(form->fraPreferences->isEnabled());
    EXPECT_FALSE(form->fraDirectories->isEnabled());
    EXPECT_FALSE(form->cmdOK->isEnabled());
    EXPECT_FALSE(form->cmdBack->isEnabled());
    EXPECT_TRUE(form->cmdNext->isEnabled());
    EXPECT_EQ(form->focusWidget(), form->cmdNext);
}

TEST_F(WizardTest, NextFocusesTheFirstEmptyOfMameROMsAndAdditionalROMs)
{
    state.dirs.strMAMEPath = "/emu/mame";
    {
        auto form = openForm();
        form->cmdNext->click();
        EXPECT_EQ(form->focusWidget(), box(*form, "txtROMPath"));
    }
    state.dirs.strROMsPath = "/emu/roms";
    {
        auto form = openForm();
        form->cmdNext->click();
        EXPECT_EQ(form->focusWidget(), box(*form, "txtAddROMPath"));
    }
    state.dirs.strAdditionalROMsPath = "/emu/more";
    auto form = openForm();
    form->cmdNext->click();
    EXPECT_EQ(form->focusWidget(), form->cmdOK);
    EXPECT_EQ(box(*form, "txtAddROMPath")->text(), "/emu/more");
}

TEST_F(WizardTest, EnterPressesTheButtonWithTheFocusAndNothingElse)
{
    auto form = openForm();
    ASSERT_EQ(form->focusWidget(), form->cmdNext);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(form->cmdNext, &enter);
    EXPECT_TRUE(form->fraDirectories->isEnabled());
    // In a folder box Enter presses no button.
    box(*form, "txtMAMEPath")->setFocus();
    QApplication::sendEvent(box(*form, "txtMAMEPath"), &enter);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(WizardTest, OnlyTheFirstActivationMovesTheFocusToNext)
{
    auto form = openForm();
    ASSERT_EQ(form->focusWidget(), form->cmdNext);
    form->chkHideVS->setFocus();
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(form.get(), &activate);
    EXPECT_EQ(form->focusWidget(), form->chkHideVS);
}
