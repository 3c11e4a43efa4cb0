// The option panel's commands (open it for a type or a game, save, restore, cancel) and Rebuild
// Settings, which checks every settings file and reports in the report panel.
#include "mainwindow/frmMain.h"

#include "options/OptionLists.h"
#include "options/RebuildSettings.h"
#include "options/SettingsChoice.h"
#include "platform/AnsiText.h"
#include "platform/ListingText.h"
#include "platform/MsgBox.h"
#include "platform/RichTextBox.h"
#include "platform/RuntimeErrorText.h"
#include "platform/StatusPanels.h"
#include "platform/WholeFile.h"
#include "shell/IniFile.h"
#include "shell/ProgramEnd.h"
#include "shell/ShortPath.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace {

const QString kRasterType = QStringLiteral("Raster");
const QString kVectorType = QStringLiteral("Vector");

// Stored in lower case whatever the type's spelling, so that Play and Rebuild Settings find them.
QString typeFileName(const QString& type) { return type.toLower() + QStringLiteral(".cfg"); }

} // namespace

void frmMain::connectOptionPanel()
{
    connect(cmdRaster, &QPushButton::clicked, this, &frmMain::cmdRaster_Click);
    connect(cmdVector, &QPushButton::clicked, this, &frmMain::cmdVector_Click);
    connect(mnuToolsRaster, &QAction::triggered, this, &frmMain::mnuToolsRaster_Click);
    connect(mnuToolsVector, &QAction::triggered, this, &frmMain::mnuToolsVector_Click);
    connect(mnuToolsCustom, &QAction::triggered, this, &frmMain::mnuToolsCustom_Click);
    connect(fraDefaults->cmdOK, &QPushButton::clicked, this, &frmMain::cmdOK_Click);
    connect(fraDefaults->cmdRestore, &QPushButton::clicked, this, &frmMain::cmdRestore_Click);
    connect(fraDefaults->cmdCancel, &QPushButton::clicked, this, &frmMain::cmdCancel_Click);
    connect(mnuToolsRebuildSettings, &QAction::triggered, this, &frmMain::mnuToolsRebuildSettings_Click);
}

void frmMain::DefineCombos()
{
    const QString resource = reportFile("resource.txt");
    Result<QStringList> bios = BiosItems(resource);
    if (!bios.ok()) {
        // The load has tried to build it again; the options go on without the BIOS sets.
        MsgBox(QStringLiteral("Error In DefineCombos: %1: %2")
                   .arg(bios.error().description, QDir::toNativeSeparators(resource)),
               MsgStyle::Critical);
        bios = QStringList{QStringLiteral("Default")};
    }
    fraDefaults->DefineCombos(DefineComboLists(*bios, EffectItems(m_state.dirs.strShortArtworkPath)));
}

QString frmMain::settingsPath(const QString& name) const
{
    return JoinPath(JoinPath(m_state.paths.strAppPath, QStringLiteral("settings")), name);
}

void frmMain::openTypeSettings(SettingsKind kind)
{
    const bool vector = kind == SettingsKind::Vector;
    SettingsEdit& settings = m_state.settings;
    settings.strSettingsType = vector ? kVectorType : kRasterType;
    fraDefaults->scrollSetUp();
    fraDefaults->setKind(kind);
    EnterPanel(fraDefaults, fraDefaults->title(), PanelStatus::General, false);

    const QString file = settingsPath(typeFileName(settings.strSettingsType));
    if (QFileInfo::exists(file)) {
        settings.strSettingsFile = file;
        fraDefaults->LoadControls(file);
    } else {
        fraDefaults->SetDefaults();
    }
    fraDefaults->enableVectorControls(vector);
    fraDefaults->cmdRestore->setText(QStringLiteral("R&estore M.A.M.E. Defaults"));
    fraDefaults->raise();
    fraDefaults->cmdOK->setFocus();
}

void frmMain::cmdRaster_Click() { openTypeSettings(SettingsKind::Raster); }

void frmMain::cmdVector_Click() { openTypeSettings(SettingsKind::Vector); }

void frmMain::mnuToolsCustom_Click()
{
    QTreeView* lv = fraList->playableList();
    const GameRecord* selected = lv ? fraList->selectedRecord(lv) : nullptr;
    if (!selected)
        return;
    GameRecord& game = m_state.game;
    game[GameColumn::Game] = (*selected)[GameColumn::Game];
    game[GameColumn::Type] = (*selected)[GameColumn::Type];
    game[GameColumn::ROM] = (*selected)[GameColumn::ROM];

    fraDefaults->scrollSetUp();
    fraDefaults->setKind(SettingsKind::Custom);
    EnterPanel(fraDefaults, fraDefaults->title(), PanelStatus::SelectedGame, false);
    StatusBar[1]->setPanelText(2, ShownListingText(game[GameColumn::Game]));
    StatusBar[1]->setPanelText(3, game[GameColumn::ROM]);

    SettingsEdit& settings = m_state.settings;
    const QString type = SettingsTypeOf(game[GameColumn::Type]);
    const QString own = settingsPath(game[GameColumn::ROM] + QStringLiteral(".cfg"));
    if (QFileInfo::exists(own)) {
        settings.strSettingsType = type;
        const bool typeFile = QFileInfo::exists(settingsPath(typeFileName(type)));
        fraDefaults->cmdRestore->setText(!typeFile             ? QStringLiteral("R&estore M.A.M.E. Defaults")
                                         : type == kRasterType ? QStringLiteral("R&estore Raster Settings")
                                                               : QStringLiteral("R&estore Vector Settings"));
        settings.strSettingsFile = own;
        fraDefaults->LoadControls(own);
        fraDefaults->enableVectorControls(type == kVectorType);
    } else if (type == kRasterType) {
        cmdRaster_Click();
    } else {
        cmdVector_Click();
    }

    Tmr[1]->start();
    fraDefaults->setKind(SettingsKind::Custom);
    fraDefaults->raise();
    fraDefaults->cmdOK->setFocus();
}

void frmMain::cmdRestore_Click()
{
    SettingsEdit& settings = m_state.settings;
    const QString type = SettingsTypeOf(m_state.game[GameColumn::Type]);
    if (fraDefaults->kind() == SettingsKind::Custom &&
        QFileInfo::exists(settingsPath(m_state.game[GameColumn::ROM] + QStringLiteral(".cfg"))) &&
        QFileInfo::exists(settingsPath(typeFileName(type)))) {
        settings.strSettingsType = type;
        settings.strSettingsFile = settingsPath(typeFileName(type));
        fraDefaults->LoadControls(settings.strSettingsFile);
    } else {
        fraDefaults->SetDefaults();
    }
    fraDefaults->cmdOK->setFocus();
}

void frmMain::cmdOK_Click()
{
    // What the file cannot give back would reach MAME cut: refused before anything is stored.
    if (const std::optional<QString> refusal = OtherCommandsRefusal(fraDefaults->txtOtherCommands->text())) {
        MsgBox(*refusal, MsgStyle::Exclamation);
        fraDefaults->txtOtherCommands->setFocus();
        return;
    }
    SettingsEdit& settings = m_state.settings;
    Tmr[1]->start();
    settings.blnAtDefaults = fraDefaults->CheckDefaults();
    settings.strOtherCommands.clear();

    // A file that cannot be written is named, and the panel stays open with the user's values.
    const auto save = [this, &settings](const QString& file) {
        settings.strSettingsFile = file;
        const Status failed = fraDefaults->SaveControls(file);
        if (failed)
            MsgBox(SaveFailedText(file, *failed), MsgStyle::Critical);
        return !failed;
    };
    // A file that stays would still be played with: it is named, never passed over.
    const auto remove = [](const QString& file) {
        const bool removed = KillINI(file);
        if (!removed)
            MsgBox(SaveFailedText(file, MakeRuntimeError(ErrorNumber::PathFileAccess)), MsgStyle::Critical);
        return removed;
    };

    if (fraDefaults->kind() != SettingsKind::Custom) {
        settings.strSettingsType = fraDefaults->kind() == SettingsKind::Vector ? kVectorType : kRasterType;
        const QString file = settingsPath(typeFileName(settings.strSettingsType));
        if (settings.blnAtDefaults ? QFileInfo::exists(file) && !remove(file) : !save(file))
            return;
    } else {
        const QString own = settingsPath(m_state.game[GameColumn::ROM] + QStringLiteral(".cfg"));
        settings.strSettingsType = SettingsTypeOf(m_state.game[GameColumn::Type]);
        if (!save(own))
            return;
        StatusBar[0]->setPanelText(6, QStringLiteral("Custom Settings"));
        settings.strCompareCustom = own;
        settings.strCompareBase = settingsPath(typeFileName(settings.strSettingsType));
        bool redundant = false;
        if (QFileInfo::exists(settings.strCompareBase) && QFileInfo::exists(own)) {
            const Result<bool> same = SameSettings(settings.strCompareBase, own);
            if (!same.ok())
                MsgBox(CompareSettingsErrorText(same.error()), MsgStyle::Exclamation);
            redundant = same.ok() && *same;
        } else {
            redundant = settings.blnAtDefaults;
        }
        if (redundant && remove(own))
            StatusBar[0]->setPanelText(6, QStringLiteral("Default Settings"));
    }
    ReturnToGameList(fraDefaults, false);
}

void frmMain::cmdCancel_Click()
{
    Tmr[1]->start();
    ReturnToGameList(fraDefaults, false);
}

void frmMain::boldRebuiltHeadings()
{
    RichTextBox* box = fraVerify->txtVerify;
    for (const QString& heading : {QStringLiteral("Filename"), QStringLiteral("Setting")}) {
        if (const int at = box->Find(heading, 0); at >= 0)
            box->boldSpan(at, static_cast<int>(heading.size()));
    }
    box->resetSelection();
}

void frmMain::mnuToolsRebuildSettings_Click()
{
    const QString title = QStringLiteral("Rebuild Settings");
    const QString folder = JoinPath(m_state.paths.strAppPath, QStringLiteral("settings"));
    const QStringList names = SettingsFileNames(folder);
    if (names.isEmpty()) {
        MsgBox(QStringLiteral("There are no setting files."), MsgStyle::Information, title);
        return;
    }
    if (MsgBox(QStringLiteral("This will check the values in all your setting files to see if they are compatible "
                              "with this version of Zelvane.  If any incompatible values are found, they will be set "
                              "to M.A.M.E. defaults.  This will not check the value names so you will have to open "
                              "Raster Settings, Vector Settings, and each Custom Settings and re-save them to correct "
                              "name changes.  Do you want to continue?"),
               MsgStyle::YesNo + MsgStyle::Question, QStringLiteral("Confirm Continue")) != MsgAnswer::Yes)
        return;

    enterGeneralReport(title);
    fraVerify->cmdGameList->setEnabled(false);
    mnuFileExit->setEnabled(false);
    StatusBar[1]->setPanelText(2, QString());
    QProgressBar* progress = ProgressBar[1];
    showPanelProgress(static_cast<int>(names.size()));
    QApplication::processEvents();

    const RebuildOutcome outcome =
        RebuildSettings(folder, names, fraDefaults->lists(), [this, progress, total = names.size()](int done) {
            progress->setValue(done);
            StatusBar[1]->setPanelText(1, RebuildProgressText(done, static_cast<int>(total)));
        });

    RichTextBox* box = fraVerify->txtVerify;
    const QString report = reportFile("rebuilt.txt");
    if (!outcome.found) {
        // Files that kept their invalid values are named below, never reported as valid.
        if (outcome.unsaved.empty()) {
            box->setText(box->Text() + QStringLiteral("No invalid values were detected in your setting files."));
            QFile::remove(report);
        }
    } else {
        box->setText(RebuiltReportText(box->Text() + outcome.log));
        // The panel shows the repairs even when the report file cannot keep them.
        if (const Status failed = ReplaceWholeFile(report, toAnsi(box->Text())))
            MsgBox(QStringLiteral("Error In cmdRebuildSettings: %1\rLine Number: 9").arg(failed->description),
                   MsgStyle::Information, title);
        boldRebuiltHeadings();
    }
    // A file that kept its refused values is named, so that the report is not taken for its repair.
    if (!outcome.unsaved.empty()) {
        QString files;
        for (const UnsavedSettings& file : outcome.unsaved)
            files += QStringLiteral("\r%1 (%2)").arg(QDir::toNativeSeparators(file.path), file.error.description);
        MsgBox(QStringLiteral("Error In cmdRebuildSettings: These setting files could not be stored and keep their "
                              "invalid values:") +
                   files,
               MsgStyle::Information, title);
    }

    progress->setValue(0);
    progress->hide();
    fraVerify->cmdGameList->setEnabled(true);
    mnuFileExit->setEnabled(true);
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    activateWindow();
    fraVerify->cmdGameList->setFocus();
}
