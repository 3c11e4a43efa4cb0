// The main window's side of the options wizard: the first run, Tools > Options and what it
// redoes, and the header's gradient, path and start-up boxes.
#include "support/MainWindowFixture.h"

#include "platform/ColorCombo.h"
#include "platform/SysColors.h"
#include "shell/frmGradient.h"

#include <QAction>
#include <QGroupBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QTimer>
#include <QTreeView>

#include <map>

#include <gmock/gmock.h>

#include "support/Files.h"
#include "support/FullDisk.h"
#include "support/ScopedEnv.h"

namespace {

using ::testing::HasSubstr;

class MainWindowOptions : public MainWindowTest {
protected:
    // Every required folder box that is empty gets the fixture's folder or a folder of its own.
    void fillFolders(frmChoose& form)
    {
        form.cmdNext->click();
        const std::map<int, QString> fixture = {
            {kMameBox, mame()}, {kROMsBox, roms()}, {3 /* Samples */, samples()}, {kIniBox, mame()},
            {12 /* Snapshots */, snaps()}};
        for (size_t i = 0; i < kFolders.size(); ++i) {
            QLineEdit* box = form.txtFolder[i];
            if (!kFolders[i].wizard.required || !box->text().isEmpty())
                continue;
            const auto known = fixture.find(int(i));
            const QString folder = known != fixture.end() ? known->second : m_root + "/" + kFolders[i].wizard.box;
            makeDirs(folder);
            box->setText(folder);
        }
    }

    frmMain& loaded(const QByteArray& options = {})
    {
        writeGames(fiveGames());
        // A stored year: without one the wizard offers the newest, which counts as a change.
        writeOptions("[Preferences]\r\nYear=1990\r\n" + options);
        frmMain& w = load();
        w.show();
        QApplication::processEvents();
        for (QTreeView* lv : {w.fraList->lvAll, w.fraList->lvInstalled, w.fraList->lvUninstalled})
            QObject::connect(lv->model(), &QAbstractItemModel::modelReset, [this] { ++m_resets; });
        return w;
    }

    // Tools > Options, with `change` as what the user does before OK.
    void options(frmMain& w, std::function<void(frmChoose&)> change)
    {
        m_resets = 0;
        m_wizard = [this, change](frmChoose& form) {
            change(form);
            fillFolders(form);
            form.cmdOK->click();
        };
        w.mnuToolsOptions->trigger();
    }

    static void click(QWidget* w)
    {
        const QPointF at(2, 2);
        QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(w, &press);
        QApplication::sendEvent(w, &release);
    }

    int m_resets = 0;
};

} // namespace

TEST_F(MainWindowOptions, FirstRunOKSavesTheOptionsAndMameIniAndShowsTheLists)
{
    writeGames(fiveGames());
    // The first run rebuilds the game data: MAME lists the same five games.
    ScopedEnv listing("ZELVANE_FAKEMAME_LISTXML", QFile::encodeName(writeListing(fiveGames())));
    m_wizard = [this](frmChoose& form) {
        form.cmdMyDefaults->click();
        fillFolders(form);
        form.cmdOK->click();
    };
    frmMain& w = load();
    EXPECT_FALSE(m_state.startup.blnLoading);
    EXPECT_EQ(storedOption(optionsIni(), "Directories", "MAME"), mame());
    EXPECT_EQ(storedOption(optionsIni(), "Preferences", "HideNeoGeo"), "True");
    EXPECT_EQ(storedOption(optionsIni(), "Preferences", "Year"), "1990");
    EXPECT_EQ(storedOption(optionsIni(), "Miscellaneous", "ZelvaneVersion"), "4.0.0");
    EXPECT_EQ(storedOption(optionsIni(), "Miscellaneous", "MAMESize"), QString::number(mameSize()));
    EXPECT_TRUE(readFile(mame() + "/mame.ini").contains(("rompath\t.;" + roms() + "\r\n").toUtf8()));
    // The preset hides clones: Ms. Pac-Man is not listed.
    EXPECT_EQ(w.fraList->lvAll->model()->rowCount(), 4);
    EXPECT_TRUE(w.fraList->lblFiltersApp->isVisibleTo(w.fraList));
}

TEST_F(MainWindowOptions, CancelledToolsOptionsLeavesTheWindowAsItWas)
{
    frmMain& w = loaded();
    const QColor base = w.fraList->lvAll->palette().color(QPalette::Base);
    m_resets = 0;
    w.mnuToolsOptions->trigger();
    EXPECT_FALSE(m_state.startup.blnOptionsCancelled);
    EXPECT_EQ(m_resets, 0);
    EXPECT_EQ(w.fraList->lvAll->palette().color(QPalette::Base), base);
    EXPECT_EQ(m_state.dirs.strTempROMsPath, "");
}

TEST_F(MainWindowOptions, CancelAfterAFailedOKLeavesARefreshOnTheSavedMame)
{
    frmMain& w = loaded();
    // Another MAME, of another size, that a Refresh from its folder would take for a new one.
    const QString other = m_root + "/other";
    makeDirs(other);
    writeFile(other + "/mame", readFile(mame() + "/mame") + QByteArray(100, '\0'));
    QFile::setPermissions(other + "/mame", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray stored = readFile(optionsIni());
    m_wizard = [&](frmChoose& form) {
        form.chkHideClones->setChecked(true);
        fillFolders(form);
        form.txtFolder[kMameBox]->setText(other);
        form.txtFolder[kROMsBox]->setText(other);
        form.txtFolder[kIniBox]->setText(m_root + "/gone");
        form.cmdOK->click();
        form.cmdCancel->click();
    };
    w.mnuToolsOptions->trigger();
    EXPECT_EQ(m_boxes.lastPrompt(), "The Ini folder does not exist!  Please select an existing folder.");
    EXPECT_EQ(m_state.dirs.strMAMEPath, mame());
    EXPECT_EQ(m_state.dirs.strROMsPath, roms());
    EXPECT_FALSE(m_state.filters.blnHideClones);

    w.mnuViewRefresh->trigger();
    EXPECT_EQ(readFile(optionsIni()), stored);
    EXPECT_EQ(w.fraList->lvAll->model()->rowCount(), 5);
}

TEST_F(MainWindowOptions, OKRestylesTheListsAtOnceAndReloadsThemOnlyForWhatDecidesThem)
{
    const QString other = m_root + "/otherroms";
    makeDirs(other);
    struct Case {
        const char* what;
        std::function<void(frmChoose&)> change;
        bool reload;
        std::function<void(frmMain&)> check;
    };
    const Case cases[] = {
        {"back colour", [](frmChoose& f) { f.cboBackColor->setCurrentIndex(0); }, false,
         [this](frmMain& w) {
             for (QTreeView* lv : {w.fraList->lvAll, w.fraList->lvInstalled, w.fraList->lvUninstalled})
                 EXPECT_EQ(lv->palette().color(QPalette::Base), StoredColor(m_state.appearance.lngBackColor));
             EXPECT_EQ(m_state.dirs.strTempROMsPath, roms());
         }},
        {"star field", [](frmChoose& f) { f.chkBackground->setChecked(true); }, false,
         [](frmMain& w) { EXPECT_FALSE(w.fraList->lvAll->palette().brush(QPalette::Base).texture().isNull()); }},
        {"font size", [](frmChoose& f) { f.cboSize->setCurrentIndex(f.cboSize->findText("10")); }, true,
         [](frmMain& w) { EXPECT_EQ(w.fraList->lvInstalled->font().pointSize(), 10); }},
        {"hide flag", [](frmChoose& f) { f.lstHideBios->item(3)->setCheckState(Qt::Checked); }, true,
         [](frmMain& w) { EXPECT_TRUE(w.fraList->lblFiltersApp->isVisibleTo(w.fraList)); }},
        {"ROMs folder", [other](frmChoose& f) { f.txtFolder[kROMsBox]->setText(other); }, true,
         [this, other](frmMain&) {
             EXPECT_EQ(m_state.dirs.strROMsPath, other);
             EXPECT_EQ(m_state.dirs.strTempROMsPath, roms());
         }},
    };
    frmMain& w = loaded();
    EXPECT_FALSE(w.fraList->lblFiltersApp->isVisibleTo(w.fraList));
    for (const Case& c : cases) {
        options(w, c.change);
        EXPECT_EQ(m_resets > 0, c.reload) << c.what;
        c.check(w);
    }
}

TEST_F(MainWindowOptions, CloneShotsChangeReloadsOnlyTheScreenshot)
{
    QImage parent(40, 20, QImage::Format_RGB32);
    parent.fill(Qt::red);
    ASSERT_TRUE(parent.save(snaps() + "/pacman.png"));
    frmMain& w = loaded("[View]\r\nScreenShots=True\r\n");
    w.fraList->lvAll->setCurrentIndex(w.fraList->lvAll->model()->index(2, 0)); // Ms. Pac-Man, clone of pacman
    EXPECT_TRUE(w.fraList->imgShots->pixmap().isNull());
    options(w, [](frmChoose& form) { form.chkCloneShots->setChecked(true); });
    EXPECT_EQ(m_resets, 0);
    EXPECT_EQ(w.fraList->imgShots->pixmap().width(), 40);
}

TEST_F(MainWindowOptions, PathInformationShowsTheThreeFormsOfEachFolder)
{
    frmMain& w = loaded();
    click(w.header->imgMachine);
    ASSERT_FALSE(m_boxes.shown().empty());
    EXPECT_EQ(m_boxes.shown().back().style, 64);
    EXPECT_THAT(m_boxes.shown().back().prompt.toStdString(), HasSubstr(("M.A.M.E. Path:\t\t" + mame()).toStdString()));
    EXPECT_THAT(m_boxes.shown().back().prompt.toStdString(), HasSubstr("Temp ROMs Path:\t\t\r"));

    options(w, [](frmChoose&) {});
    click(w.header->imgMachine);
    EXPECT_THAT(m_boxes.shown().back().prompt.toStdString(), HasSubstr(("Temp ROMs Path:\t\t" + roms()).toStdString()));

    click(w.lblDownload);
    EXPECT_THAT(m_boxes.shown().back().prompt.toStdString(), HasSubstr(" Second(s)"));
}

TEST_F(MainWindowOptions, GradientLabelOpensTheColourDialogWhichSavesOnOK)
{
    frmMain& w = loaded();
    bool answered = false;
    QTimer::singleShot(0, [&] {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<frmGradient*>(top); dialog && dialog->isVisible()) {
                dialog->cboSysCol->SelectValue(sysColorValue(SysColor::Window));
                dialog->cmdOK->click();
                answered = true;
            }
    });
    click(w.lblGradient);
    EXPECT_TRUE(answered);
    EXPECT_EQ(m_state.appearance.lngGradientColor, -2147483643);
    EXPECT_EQ(storedOption(optionsIni(), "Preferences", "GradientColor"), "-2147483643");
    // The label is the gradient in small, down to the colour chosen.
    const QImage swatch = w.lblGradient->grab().toImage();
    const QColor bottom = swatch.pixelColor(swatch.width() / 2, swatch.height() - 2);
    EXPECT_LE(std::abs(bottom.lightness() - StoredColor(sysColorValue(SysColor::Window)).lightness()), 4);
}

// MAME reads its folders from mame.ini: after an OK that could not save options.ini, and a
// Cancel, it must name the folders that options.ini still holds.
TEST_F(MainWindowOptions, AFailedSaveOfNewFoldersLeavesMameIniOnTheSavedOnes)
{
    frmMain& w = loaded();
    options(w, [](frmChoose&) {});
    const QString mameIni = mame() + "/mame.ini";
    const QByteArray ini = readFile(mameIni);
    const QString otherRoms = m_root + "/otherroms";
    makeDirs(otherRoms);
    m_wizard = [&](frmChoose& form) {
        fillFolders(form);
        form.txtFolder[kROMsBox]->setText(otherRoms);
        {
            // Room for mame.ini twice, not for options.ini.
            ScopedWriteLimit full(2 * ini.size() + 64);
            form.cmdOK->click();
        }
        form.cmdCancel->click();
    };
    w.mnuToolsOptions->trigger();
    ASSERT_EQ(m_boxes.shown().size(), 1u);
    EXPECT_EQ(m_boxes.shown()[0].prompt.toStdString(), DiskFullPrompt(optionsIni()));
    EXPECT_NE(m_state.dirs.strROMsPath, otherRoms);
    EXPECT_EQ(readFile(mameIni), ini);
}

TEST_F(MainWindowOptions, OKOnAFullDiskSavesNothingKeepsTheWizardOpenAndSavesOnTheNextOK)
{
    struct Case {
        const char* name;
        bool mameIniFits; // room for mame.ini, not for options.ini after it
    };
    for (const Case c : {Case{"mame.ini", false}, Case{"options.ini", true}}) {
        IniService::instance().dropAll();
        m_state = AppState();
        m_boxes.clearShown();
        frmMain& w = loaded();
        // Once with room, so that the folders, and mame.ini with them, stay the same below.
        options(w, [](frmChoose&) {});
        const QString mameIni = mame() + "/mame.ini";
        const QByteArray ini = readFile(mameIni);
        const QByteArray options = readFile(optionsIni());
        bool openAfterFailure = false;
        QByteArray optionsAfterFailure, mameIniAfterFailure;
        m_wizard = [&](frmChoose& form) {
            form.chkHideClones->setChecked(true);
            fillFolders(form);
            {
                ScopedWriteLimit full(c.mameIniFits ? ini.size() : 0);
                form.cmdOK->click();
            }
            openAfterFailure = form.isVisible();
            optionsAfterFailure = readFile(optionsIni());
            mameIniAfterFailure = readFile(mameIni);
            form.cmdOK->click();
        };
        w.mnuToolsOptions->trigger();

        const QString file = c.mameIniFits ? optionsIni() : mameIni;
        ASSERT_EQ(m_boxes.shown().size(), 1u) << c.name;
        EXPECT_EQ(m_boxes.shown()[0].prompt.toStdString(), DiskFullPrompt(file)) << c.name;
        EXPECT_TRUE(openAfterFailure) << c.name;
        EXPECT_EQ(optionsAfterFailure, options) << c.name;
        EXPECT_EQ(mameIniAfterFailure, ini) << c.name;
        EXPECT_EQ(storedOption(optionsIni(), "Preferences", "HideClones"), "True") << c.name;
        m_window.reset();
    }
}
