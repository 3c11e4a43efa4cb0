// The maintenance panel's commands that reach beyond it (its opening, the ROM compare against the
// sets the game data knows, the return), Delete ROM and Delete Samples of the pop-up menu, and
// File > Export List.
#include "mainwindow/frmMain.h"

#include "gamelist/GameListModel.h"
#include "gamelist/KnownSets.h"
#include "platform/BusyPointer.h"
#include "platform/ListingText.h"
#include "platform/MsgBox.h"
#include "platform/StatusPanels.h"
#include "platform/WholeFile.h"
#include "reports/ListExport.h"
#include "reports/MaintenanceFiles.h"
#include "shell/ShortPath.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>

#include <algorithm>

namespace {

int column(GameColumn c) { return static_cast<int>(c); }

constexpr int kConfirmStyle = MsgStyle::YesNo + MsgStyle::Question + MsgStyle::DefaultButton2;
const QString kConfirmDelete = QStringLiteral("Confirm Delete");
const QString kCloneCaution = QStringLiteral("Use caution as a clone game might be using it.");

// The rows a list shows, up to its count, in the order they are shown.
qint32 shownRows(const GameListPanel::ListView& row, const ListCounts& counts)
{
    return std::clamp<qint32>(counts.*row.count, 0, row.model->rowCount());
}

} // namespace

void frmMain::connectMaintenance()
{
    connect(mnuToolsMaintenance, &QAction::triggered, this, &frmMain::mnuToolsMaintenance_Click);
    // Game data that cannot be read names no game, and then no folder is taken for one.
    fraMaintenance->setTodaysGames([this] {
        const Result<QStringList> games = TodaysGameNames(m_state.paths.strAppPath);
        return games ? *games : QStringList();
    });
    connect(fraMaintenance->cmdROMs, &QPushButton::clicked, this, &frmMain::cmdROMs_Click);
    connect(fraMaintenance->cmdGameList2, &QPushButton::clicked, this, &frmMain::cmdGameList2_Click);
    connect(mnuDeleteROM, &QAction::triggered, this, &frmMain::mnuDeleteROM_Click);
    connect(mnuDeleteSamples, &QAction::triggered, this, &frmMain::mnuDeleteSamples_Click);
    connect(mnuFileExport, &QAction::triggered, this, &frmMain::mnuFileExport_Click);
}

void frmMain::mnuToolsMaintenance_Click()
{
    const ListView& row = fraList->currentListView();
    const QModelIndex current = row.view->currentIndex();
    const bool hasGame = m_state.counts.*row.count > 0;
    QString& game = m_state.game[GameColumn::Game];
    QString& rom = m_state.game[GameColumn::ROM];
    // The game's source tells which MAME keeps its files, and so where.
    QString& source = m_state.game[GameColumn::Source];
    if (hasGame && current.isValid()) {
        game = row.model->text(current.row(), column(GameColumn::Game));
        rom = row.model->text(current.row(), column(GameColumn::ROM));
        source = row.model->text(current.row(), column(GameColumn::Source));
    } else {
        game.clear();
        rom.clear();
        source.clear();
    }

    EnterPanel(fraMaintenance, QString(), PanelStatus::SelectedGame);
    StatusBar[1]->setPanelText(2, ShownListingText(game));
    StatusBar[1]->setPanelText(3, rom);
    fraMaintenance->prepare(hasGame);
}

void frmMain::cmdROMs_Click()
{
    // Every set the game data knows, not the list as shown: a hidden game, a BIOS set or a device
    // is as much needed as a listed game.
    const Result<KnownSets> known = KnownSetNames(m_state.paths.strAppPath);
    if (!known) {
        MsgBox(QStringLiteral("Error in cmdROMs_Click: ") + known.error().description, MsgStyle::Exclamation,
               QStringLiteral("Maintenance"));
        return;
    }
    RomNameSet listed;
    for (const QString& rom : known->names)
        listed.insert(rom, known->todaysMame);
    fraMaintenance->compareRomFolders(listed);
}

void frmMain::cmdGameList2_Click()
{
    BusyPointer busy;
    fraVerify->cmdGameList->setEnabled(false);
    ReturnToGameList(fraMaintenance, false);
    LoadShot();
    fraMaintenance->lblText->clear();
    fraVerify->cmdGameList->setEnabled(true);
}

void frmMain::mnuDeleteROM_Click()
{
    const QString rom = StatusBar[0]->panelText(3);
    // A name that would reach outside its folders deletes nothing.
    if (!IsPlainFileName(rom))
        return;
    const bool todaysMame = m_state.selected.rom == rom && m_state.selected.todaysMame;
    if (MsgBox(QStringLiteral("Are you sure you want to permanently delete the ROM %1%2 from your hard drive?\r"
                              "Associated artwork, .cfg, .hi, .nv, and .inp files will also be deleted.")
                   .arg(rom, HeldSetExtension(m_state.dirs, rom, todaysMame)),
               kConfirmStyle, kConfirmDelete) != MsgAnswer::Yes)
        return;

    // A file that is not there is passed over; one that stays is named, and the others still go.
    auto deleted = [](const GamePath& item) {
        const Status status = KillGamePath(item);
        if (status && status->number != ErrorNumber::FileNotFound)
            MsgBox(QStringLiteral("Error in mnuDeleteROM_Click: %1: %2")
                       .arg(status->description, QDir::toNativeSeparators(item.path)),
                   MsgStyle::Information, QStringLiteral("Delete ROM"));
    };
    for (const GamePath& item : RomSetFiles(m_state.dirs, rom, todaysMame))
        deleted(item);

    // A clone may share these with its parent, so each is asked for.
    struct Shared {
        QString DirectorySettings::* folder;
        const char* extension;
        const char* what;
    };
    static constexpr Shared kShared[] = {
        {&DirectorySettings::strSamplesPath, ".zip", "A Sample set"},
        {&DirectorySettings::strSnapshotsPath, ".png", "A Snapshot"},
    };
    for (const Shared& shared : kShared) {
        const QString& folder = m_state.dirs.*shared.folder;
        std::vector<GamePath> items = {{GameFile(folder, rom, QLatin1String(shared.extension))}};
        // Today's MAME keeps a game's snapshots in a folder of its own.
        if (todaysMame && shared.folder == &DirectorySettings::strSnapshotsPath)
            items.push_back(GameFolder(folder, rom));
        std::erase_if(items, [](const GamePath& item) { return !GamePathExists(item); });
        if (items.empty())
            continue;
        const QString question = QStringLiteral("%1 for this ROM was found.  Would you like to permanently delete "
                                                "it also?\r")
                                     .arg(QLatin1String(shared.what)) +
                                 kCloneCaution;
        if (MsgBox(question, kConfirmStyle, kConfirmDelete) == MsgAnswer::Yes)
            for (const GamePath& item : items)
                deleted(item);
    }
    // Whatever stayed, the lists show what is installed now.
    mnuViewRefresh_Click();
}

void frmMain::mnuDeleteSamples_Click()
{
    const QString rom = StatusBar[0]->panelText(3);
    const QString path = GameFile(m_state.dirs.strSamplesPath, rom, QStringLiteral(".zip"));
    if (path.isEmpty())
        return;
    if (MsgBox(QStringLiteral("Are you sure you want to permanently delete the sample %1.zip from your hard drive?\r")
                       .arg(rom) +
                   kCloneCaution,
               kConfirmStyle, kConfirmDelete) != MsgAnswer::Yes)
        return;
    if (const Status status = KillFile(path))
        MsgBox(QStringLiteral("Error in mnuDeleteSamples_Click: ") + status->description, MsgStyle::Information,
               QStringLiteral("Delete Samples"));
}

void frmMain::mnuFileExport_Click()
{
    if (MsgBox(QStringLiteral("Do you want to export this list of ROMs and Games to a text file in your "
                              "Zelvane\\Reports directory?"),
               MsgStyle::YesNo + MsgStyle::Question, QStringLiteral("Confirm Export")) != MsgAnswer::Yes)
        return;
    BusyPointer busy;
    const ListView& row = fraList->currentListView();
    const QString file = ExportFileName(row.id);
    const QByteArray text = ExportListText(shownRows(row, m_state.counts), [&row](qint32 i) {
        return ExportRow{row.model->text(i, column(GameColumn::ROM)), row.model->text(i, column(GameColumn::Game))};
    });
    const QString title = QStringLiteral("Export List");
    const QString path = JoinPath(JoinPath(m_state.paths.strAppPath, QStringLiteral("reports")), file);
    // A list that could not be written is never reported as exported.
    if (const Status failed = ReplaceWholeFile(path, text)) {
        MsgBox(QStringLiteral("Error in mnuFileExport_Click: ") + failed->description, MsgStyle::Exclamation, title);
        return;
    }
    MsgBox(QStringLiteral("Export complete.  Game list exported as %1.").arg(file), MsgStyle::Information, title);
}
