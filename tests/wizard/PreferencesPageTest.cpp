// The preferences page: its load, the rules among its controls, the presets and the preview.
#include "WizardFixture.h"

#include "platform/ColorCombo.h"
#include "platform/SysColors.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "support/Files.h"

namespace {

std::vector<int> checkedEntries(const frmChoose& form)
{
    std::vector<int> checked;
    for (int i = 0; i < form.lstHideBios->count(); ++i)
        if (form.lstHideBios->item(i)->checkState() == Qt::Checked)
            checked.push_back(i);
    return checked;
}

} // namespace

TEST_F(WizardTest, SystemListKeepsItsOrderAndShowsTheFlags)
{
    state.filters.blnHideMPU4 = true;
    state.filters.blnHideNeoGeo = true;
    state.filters.blnHideVs = true;
    auto form = openForm();
    ASSERT_EQ(form->lstHideBios->count(), 19);
    EXPECT_EQ(form->lstHideBios->item(7)->text(), "Hide Mega-Tech & Mega Play Games");
    EXPECT_EQ(form->lstHideBios->item(8)->text(), "Hide MPU4 Video Firmware Games");
    EXPECT_EQ(checkedEntries(*form), (std::vector<int>{8, 10}));
    EXPECT_TRUE(form->chkHideVS->isChecked());
    EXPECT_FALSE(form->chkHideClones->isChecked());

    form->lstHideBios->item(0)->setCheckState(Qt::Checked);
    form->lstHideBios->item(8)->setCheckState(Qt::Unchecked);
    okWithEveryFolder(*form);
    EXPECT_TRUE(state.filters.blnHideArcadia);
    EXPECT_FALSE(state.filters.blnHideMPU4);
    EXPECT_TRUE(state.filters.blnHideNeoGeo);
}

TEST_F(WizardTest, HidingClonesUnchecksCloneShotsAndUnhidingDoesNotRecheck)
{
    state.prefs.blnCloneShots = true;
    auto form = openForm();
    EXPECT_TRUE(form->chkCloneShots->isChecked());
    EXPECT_TRUE(form->chkCloneShots->isEnabled());
    form->chkHideClones->setChecked(true);
    EXPECT_FALSE(form->chkCloneShots->isChecked());
    EXPECT_FALSE(form->chkCloneShots->isEnabled());
    form->chkHideClones->setChecked(false);
    EXPECT_FALSE(form->chkCloneShots->isChecked());
    EXPECT_TRUE(form->chkCloneShots->isEnabled());
}

TEST_F(WizardTest, StoredHideClonesAndCloneShotsShowCheckedButDisabledAndSaveBothTrue)
{
    state.filters.blnHideClones = true;
    state.prefs.blnCloneShots = true;
    auto form = openForm();
    EXPECT_TRUE(form->chkCloneShots->isChecked());
    EXPECT_FALSE(form->chkCloneShots->isEnabled());
    browseMame(*form);
    form->cmdOK->click();
    const QByteArray ini = readFile(optionsIni());
    EXPECT_TRUE(ini.contains("HideClones=True\r\n"));
    EXPECT_TRUE(ini.contains("CloneShots=True\r\n"));
}

TEST_F(WizardTest, YearListRunsTo1975ToLastYearAndHidesItsTextWhenUnused)
{
    const auto colours = [](const QComboBox* years) {
        return std::pair(years->palette().color(QPalette::Button), years->palette().color(QPalette::ButtonText));
    };
    const QColor face = StoredColor(sysColorValue(SysColor::ButtonFace));
    const QColor window = StoredColor(sysColorValue(SysColor::Window));
    state.filters.strHideYear = "1990";
    auto form = openForm();
    const QComboBox* years = form->cboHideYear;
    EXPECT_EQ(years->itemText(0), "1975");
    EXPECT_EQ(years->itemText(years->count() - 1), QString::number(QDate::currentDate().year() - 1));
    EXPECT_EQ(years->currentText(), "1990");
    EXPECT_FALSE(years->isEnabled());
    EXPECT_EQ(colours(years), std::pair(face, face));

    form->chkHideYear->setChecked(true);
    EXPECT_TRUE(years->isEnabled());
    EXPECT_EQ(colours(years), std::pair(window, StoredColor(sysColorValue(SysColor::WindowText))));

    form->chkHideYear->setChecked(false);
    EXPECT_FALSE(years->isEnabled());
    EXPECT_EQ(years->currentText(), "1990");
    okWithEveryFolder(*form);
    EXPECT_FALSE(state.filters.blnHideYear);
    EXPECT_EQ(state.filters.strHideYear, "1990");

    // A stored hide-by-year shows its year in the button text colour.
    state.filters.blnHideYear = true;
    state.filters.strHideYear = "1984";
    form = openForm();
    EXPECT_TRUE(form->chkHideYear->isChecked());
    EXPECT_TRUE(form->cboHideYear->isEnabled());
    EXPECT_EQ(form->cboHideYear->currentText(), "1984");
    EXPECT_EQ(colours(form->cboHideYear), std::pair(window, StoredColor(sysColorValue(SysColor::ButtonText))));
}

TEST_F(WizardTest, StarFieldReplacesTheColourAndTurningItOffShowsTheSelectedEntry)
{
    state.appearance.blnUseStarfield = true;
    auto form = openForm();
    EXPECT_FALSE(form->cboBackColor->isEnabled());
    EXPECT_FALSE(form->lblBackColor->isEnabled());
    EXPECT_TRUE(form->imgStarfield->isVisible());
    EXPECT_EQ(form->imgStarfield->pixmap().size(), QSize(101, 44));

    form->chkBackground->setChecked(false);
    EXPECT_TRUE(form->cboBackColor->isEnabled());
    EXPECT_FALSE(form->imgStarfield->isVisible());
    const int entry = form->cboBackColor->currentIndex();
    EXPECT_EQ(form->previewBackColor(), form->cboBackColor->ItemData(entry));
    form->cboBackColor->setCurrentIndex(0);
    EXPECT_EQ(form->previewBackColor(), form->cboBackColor->ItemData(0));
    EXPECT_EQ(form->lblListBack->palette().color(QPalette::Window), StoredColor(form->cboBackColor->ItemData(0)));
}

// The fallback is the wizard's choice until OK: a Cancel leaves the stored colour in the record.
TEST_F(WizardTest, UnknownBackColourFallsBackToEntry25WhichOnlyOKTakes)
{
    for (const bool ok : {false, true}) {
        state.appearance.lngBackColor = 0x123457;
        state.appearance.blnUseStarfield = false;
        boxes.clearShown();
        auto form = openForm();
        ASSERT_EQ(boxes.shown().size(), 1u);
        EXPECT_EQ(boxes.shown()[0].prompt, "Problem getting Back Color.  Reverting to default setting.");
        EXPECT_EQ(boxes.shown()[0].style, 64);
        EXPECT_EQ(boxes.shown()[0].title, "Preferences");
        EXPECT_EQ(form->cboBackColor->currentIndex(), 25);
        EXPECT_EQ(form->previewBackColor(), -2147483643);
        EXPECT_EQ(form->lblListBack->palette().color(QPalette::Window), StoredColor(-2147483643));
        if (ok)
            okWithEveryFolder(*form);
        else
            form->cmdCancel->click();
        EXPECT_EQ(state.appearance.lngBackColor, ok ? -2147483643 : 0x123457) << ok;
    }
}

TEST_F(WizardTest, StoredColoursAndSizeReachThePreview)
{
    state.appearance.lngBackColor = sysColorValue(SysColor::ButtonFace);
    state.appearance.lngFontColor = 0x0000FF;
    state.appearance.strFontSize = "12";
    auto form = openForm();
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(form->previewBackColor(), sysColorValue(SysColor::ButtonFace));
    EXPECT_EQ(form->lblListText->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(form->cboSize->currentText(), "12");
    EXPECT_EQ(form->lblListText->font().pointSize(), 12);
    form->cboSize->setCurrentIndex(form->cboSize->findText("14"));
    EXPECT_EQ(form->lblListText->font().pointSize(), 14);
}

TEST_F(WizardTest, FontColourComesFromTheColourDialogAndCancelKeepsIt)
{
    auto form = openForm();
    dialogs.color(QColor(0, 128, 255));
    form->cmdFontColor->click();
    ASSERT_EQ(dialogs.colorsOffered().size(), 1u);
    EXPECT_EQ(dialogs.colorsOffered()[0], QColor(255, 255, 255));
    EXPECT_EQ(form->previewTextColor(), 0xFF8000);
    EXPECT_EQ(form->focusWidget(), form->cmdNext);

    form->cmdFontColor->click(); // cancelled
    EXPECT_EQ(dialogs.colorsOffered().back(), QColor(0, 128, 255));
    EXPECT_EQ(form->previewTextColor(), 0xFF8000);
    okWithEveryFolder(*form);
    EXPECT_EQ(state.appearance.lngFontColor, 0xFF8000);
}

TEST_F(WizardTest, ZelvaneChoicesSetsThePresetWhichCancelDrops)
{
    state.appearance.lngBackColor = sysColorValue(SysColor::ButtonFace);
    state.appearance.lngFontColor = 0;
    state.appearance.strFontSize = "14";
    state.filters.blnHideImperfect = true;
    state.filters.blnHideArcadia = true;
    state.prefs.blnCloneShots = true;
    auto form = openForm();
    form->chkHideVS->setFocus();
    form->cmdMyDefaults->click();

    EXPECT_EQ(checkedEntries(*form), (std::vector<int>{6, 10, 13, 14}));
    for (QCheckBox* box : {form->chkHideClones, form->chkHidePrelim, form->chkHideVS, form->chkHideYear,
                           form->chkHideBoot, form->chkHideTest, form->chkHideCHD})
        EXPECT_TRUE(box->isChecked()) << box->objectName().toStdString();
    EXPECT_FALSE(form->chkHideImperfect->isChecked());
    EXPECT_FALSE(form->chkCloneShots->isChecked());
    EXPECT_TRUE(form->cboHideYear->isEnabled());
    EXPECT_EQ(form->cboHideYear->currentText(), "1990");
    EXPECT_TRUE(form->chkDisable->isChecked());
    EXPECT_EQ(form->cboBackColor->currentIndex(), 25);
    EXPECT_EQ(form->cboSize->currentText(), "8");
    EXPECT_EQ(form->lblListText->font().pointSize(), 8);
    EXPECT_TRUE(form->chkBackground->isChecked());
    EXPECT_TRUE(form->imgStarfield->isVisible());
    EXPECT_EQ(form->focusWidget(), form->cmdNext);

    EXPECT_EQ(form->previewBackColor(), -2147483643);
    EXPECT_EQ(form->previewTextColor(), 16777215);

    // Cancel leaves every record as it was, the colours too.
    form->cmdCancel->click();
    EXPECT_EQ(state.appearance.lngBackColor, sysColorValue(SysColor::ButtonFace));
    EXPECT_EQ(state.appearance.lngFontColor, 0);
    EXPECT_EQ(state.appearance.strFontSize, "14");
    EXPECT_TRUE(state.filters.blnHideImperfect);
}

TEST_F(WizardTest, HotKeyLockIsOffAndDisabledOnWindowsNTAndFreeElsewhere)
{
    for (const bool nt : {true, false}) {
        if (nt)
            qputenv("OS", "Windows_NT");
        state.prefs.blnDisableHotKeys = true;
        auto form = openForm();
        EXPECT_EQ(form->chkDisable->isChecked(), !nt);
        EXPECT_EQ(form->chkDisable->isEnabled(), !nt);
        form->cmdClearAll->click();
        form->cmdMyDefaults->click();
        EXPECT_EQ(form->chkDisable->isChecked(), !nt);
        okWithEveryFolder(*form);
        EXPECT_EQ(state.prefs.blnDisableHotKeys, !nt);
        qunsetenv("OS");
    }
}

TEST_F(WizardTest, ClearAllUnchecksTheFiltersAndKeepsTheRest)
{
    state.filters.blnHideNeoGeo = true;
    state.filters.blnHideClones = true;
    state.filters.blnHideYear = true;
    state.filters.strHideYear = "1984";
    state.filters.blnHideImperfect = true;
    state.prefs.blnDisableHotKeys = true;
    state.appearance.blnUseStarfield = true;
    state.appearance.lngFontColor = 0x00FF00;
    state.appearance.strFontSize = "10";
    auto form = openForm();
    form->chkCloneShots->setChecked(false);
    form->cmdClearAll->click();

    EXPECT_TRUE(checkedEntries(*form).empty());
    for (QCheckBox* box : {form->chkHideClones, form->chkHidePrelim, form->chkHideVS, form->chkHideYear,
                           form->chkHideBoot, form->chkHideTest, form->chkHideCHD, form->chkHideImperfect,
                           form->chkDisable, form->chkBackground})
        EXPECT_FALSE(box->isChecked()) << box->objectName().toStdString();
    EXPECT_TRUE(form->chkCloneShots->isEnabled());
    EXPECT_EQ(form->cboHideYear->currentText(), "1984");
    EXPECT_FALSE(form->cboHideYear->isEnabled());
    EXPECT_EQ(form->previewTextColor(), 0x00FF00);
    EXPECT_EQ(form->cboSize->currentText(), "10");
    EXPECT_TRUE(form->cboBackColor->isEnabled());
    EXPECT_EQ(form->focusWidget(), form->cmdNext);
}
