#include "reports/MaintenancePanel.h"

#include "platform/MsgBox.h"
#include "platform/RuntimeText.h"
#include "platform/TwipsLayout.h"
#include "reports/MaintenanceFiles.h"
#include "reports/MaintenanceTables.h"
#include "shell/ShortPath.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

const QString kMaintenance = QStringLiteral("Maintenance");
const QString kConfirmDelete = QStringLiteral("Confirm Delete");
constexpr int kConfirmStyle = MsgStyle::YesNo + MsgStyle::Question + MsgStyle::DefaultButton2;

// The hourglass over the window only, so that the questions asked meanwhile keep the usual pointer.
class BusyWindow {
public:
    explicit BusyWindow(QWidget* window) : m_window(window) { m_window->setCursor(Qt::WaitCursor); }
    ~BusyWindow() { m_window->unsetCursor(); }
    BusyWindow(const BusyWindow&) = delete;
    BusyWindow& operator=(const BusyWindow&) = delete;

private:
    QWidget* m_window;
};

bool confirmDelete(const QString& question) { return MsgBox(question, kConfirmStyle, kConfirmDelete) == MsgAnswer::Yes; }

void information(const QString& text) { MsgBox(text, MsgStyle::Information, kMaintenance); }

// A file that is already gone needs no deleting; one that stays is named, and the command goes on.
void deleteOrReport(const GamePath& item)
{
    const Status failed = KillGamePath(item);
    if (failed && failed->number != ErrorNumber::FileNotFound)
        MsgBox(QStringLiteral("%1 could not be deleted: %2.")
                   .arg(QDir::toNativeSeparators(item.path), failed->description),
               MsgStyle::Exclamation, kMaintenance);
}

void deleteOrReport(const QString& path) { deleteOrReport(GamePath{path}); }

// What the current game has in one of the folder table's places: its file, and with today's MAME
// its folder where MAME keeps one.
std::vector<GamePath> currentGameItems(const MaintenanceFolder& row, const QString& folder, const GameRecord& game)
{
    const QString& rom = game[GameColumn::ROM];
    std::vector<GamePath> items;
    GamePath file{GameFile(folder, rom, QLatin1String(row.extension))};
    if (GamePathExists(file))
        items.push_back(std::move(file));
    if (row.gameFolders && FromTodaysMame(game))
        if (GamePath own = GameFolder(folder, rom); GamePathExists(own))
            items.push_back(std::move(own));
    return items;
}

QGroupBox* group(QWidget* parent, const char* name, const char* caption, double top, double height)
{
    return makeControl<QGroupBox>(parent, name, 120, top, 7215, height, QString::fromLatin1(caption));
}

} // namespace

MaintenancePanel::MaintenancePanel(AppState& state, QWidget* parent) : QGroupBox(parent), m_state(state)
{
    setObjectName(QStringLiteral("fraMaintenance"));
    picMaintenance = makeControl<QFrame>(this, "picMaintenance", 180, 270, 7705, 4750);
    picBox2 = makeControl<QFrame>(picMaintenance, "picBox2", 0, 0, 7450, 6000);
    VScroll1 = makeControl<QScrollBar>(picMaintenance, "VScroll1", 7450, 0, 255, 4700, Qt::Vertical);
    cmdGameList2 = makeButton(this, "cmdGameList2", "Return To &Game List", nullptr, 180, 5180, 2100);

    QGroupBox* folders = group(picBox2, "fraFolders", "M.A.M.E. Directories", 120, 1575);
    for (size_t i = 0; i < chkFolder.size(); ++i) {
        const QByteArray name = "chkFolder" + QByteArray::number(qsizetype(i));
        chkFolder[i] = makeControl<QCheckBox>(folders, name.constData(), 240 + double(i) * 1380, 330, 1200, 255,
                                              QString::fromLatin1(kMaintenanceFolders[i].caption));
    }
    optAll = makeControl<QRadioButton>(folders, "optAll", 240, 720, 1800, 255, QStringLiteral("All Files"));
    optCurrent = makeControl<QRadioButton>(folders, "optCurrent", 2160, 720, 3600, 255,
                                           QStringLiteral("Files From The Current Game"));
    // The narrower choice until the user picks the wider one.
    optCurrent->setChecked(true);
    cmdSelectAll[0] = makeButton(folders, "cmdSelectAll0", "Select All", nullptr, 240, 1080, 1500);
    cmdFolders = makeButton(folders, "cmdFolders", "Delete", nullptr, 1860, 1080, 1500);

    QGroupBox* reports = group(picBox2, "fraReports", "Reports && Lists", 1815, 1935);
    for (size_t i = 0; i < chkReports.size(); ++i) {
        const MaintenanceReport& r = kMaintenanceReports[i];
        chkReports[i] = makeControl<QCheckBox>(reports, r.box, 240 + (r.place % 3) * 2340, 330 + (r.place / 3) * 330,
                                               2280, 255, QString::fromLatin1(r.caption));
    }
    cmdSelectAll[1] = makeButton(reports, "cmdSelectAll1", "Select All", nullptr, 240, 1440, 1500);
    cmdReports = makeButton(reports, "cmdReports", "Delete", nullptr, 1860, 1440, 1500);

    QGroupBox* roms = group(picBox2, "fraROMs", "ROM Directories", 3870, 1935);
    cmdROMs = makeButton(roms, "cmdROMs", "Compare", nullptr, 240, 330, 1500);
    lblFolder = makeControl<QLabel>(roms, "lblFolder", 1860, 330, 5200, 255);
    lblText = makeControl<QLabel>(roms, "lblText", 1860, 660, 5200, 255,
                                  QStringLiteral("ROM compare in progress.  Please stand by."));
    lblText->hide();
    ProgressBar0 = makeControl<QProgressBar>(roms, "ProgressBar0", 240, 1200, 6735, 240);
    ProgressBar0->setTextVisible(false);
    ProgressBar0->hide();
    ConnectContentScroll(VScroll1, picBox2);

    connect(cmdFolders, &QPushButton::clicked, this, &MaintenancePanel::cmdFolders_Click);
    connect(cmdReports, &QPushButton::clicked, this, &MaintenancePanel::cmdReports_Click);
    for (int i = 0; i < 2; ++i)
        connect(cmdSelectAll[size_t(i)], &QPushButton::clicked, this, [this, i] { cmdSelectAll_Click(i); });
}

void MaintenancePanel::prepare(bool listHasGame)
{
    setUpContentScroll(VScroll1, picBox2, picMaintenance);
    for (QCheckBox* box : chkFolder)
        box->setChecked(false);
    for (QCheckBox* box : chkReports)
        box->setChecked(false);
    optCurrent->setEnabled(listHasGame);
}

void MaintenancePanel::scrollContent() { ::scrollContent(VScroll1, picBox2, picMaintenance); }

void MaintenancePanel::cmdSelectAll_Click(int index)
{
    if (index == 0) {
        for (QCheckBox* box : chkFolder)
            box->setChecked(true);
        cmdFolders->setFocus();
    } else if (index == 1) {
        for (QCheckBox* box : chkReports)
            box->setChecked(true);
        cmdReports->setFocus();
    }
}

void MaintenancePanel::cmdFolders_Click()
{
    if (std::none_of(chkFolder.begin(), chkFolder.end(), [](QCheckBox* box) { return box->isChecked(); })) {
        information(QStringLiteral("You must first select a directory."));
        cmdGameList2->setFocus();
        return;
    }
    const QString& rom = m_state.game[GameColumn::ROM];
    for (size_t i = 0; i < chkFolder.size(); ++i) {
        if (!chkFolder[i]->isChecked())
            continue;
        const MaintenanceFolder& row = kMaintenanceFolders[i];
        const QString folder = m_state.dirs.*row.path;
        const QString extension = QLatin1String(row.extension);
        const bool all = optAll->isChecked();
        const std::vector<GamePath> items = all ? allItems(row, folder) : currentGameItems(row, folder, m_state.game);
        if (items.empty()) {
            information(all ? QStringLiteral("There are no %1 files to delete.").arg(extension)
                            : QStringLiteral("There is no %1 file for %2.").arg(extension, rom));
        } else if (confirmDelete(all ? QStringLiteral("Are you sure you want to delete all %1 files?").arg(extension)
                                     : QStringLiteral("Are you sure you want to delete the %1 file for %2?")
                                           .arg(extension, rom))) {
            for (const GamePath& item : items)
                deleteOrReport(item);
        }
        chkFolder[i]->setChecked(false);
    }
    cmdGameList2->setFocus();
}

std::vector<GamePath> MaintenancePanel::allItems(const MaintenanceFolder& row, const QString& folder) const
{
    // Only the folder's own kind of file, and the folders of today's games: MAME keeps other files
    // and folders beside them.
    std::vector<GamePath> items;
    for (const QString& name : FilesWithExtension(folder, QLatin1String(row.extension)))
        items.push_back({ListedFile(folder, name)});
    if (!row.gameFolders || !m_todaysGames)
        return items;
    const QStringList subFolders = SubFolders(folder);
    if (subFolders.isEmpty())
        return items;
    for (const QString& name : NamedAfterGames(subFolders, m_todaysGames()))
        items.push_back({ListedFile(folder, name), true});
    return items;
}

void MaintenancePanel::cmdReports_Click()
{
    if (std::none_of(chkReports.begin(), chkReports.end(), [](QCheckBox* box) { return box->isChecked(); })) {
        information(QStringLiteral("You must first select a report or list."));
        cmdGameList2->setFocus();
        return;
    }
    const QString folder = m_state.paths.strAppPath.isEmpty() ? QString()
                                                                : JoinPath(m_state.paths.strAppPath, QStringLiteral("reports"));
    for (size_t i = 0; i < chkReports.size(); ++i) {
        if (!chkReports[i]->isChecked())
            continue;
        const MaintenanceReport& report = kMaintenanceReports[i];
        const QString name = QLatin1String(report.name);
        const QString path = FileInFolder(folder, QLatin1String(report.file));
        if (!FileExists(path))
            information(QStringLiteral("There is no %1 to delete.").arg(name));
        else if (confirmDelete(QStringLiteral("Are you sure you want to delete the %1?").arg(name)))
            deleteOrReport(path);
        chkReports[i]->setChecked(false);
    }
    cmdGameList2->setFocus();
}

void MaintenancePanel::compareRomFolders(const RomNameSet& listed)
{
    struct Folder {
        QString path;
        QString caption;
    };
    const DirectorySettings& dirs = m_state.dirs;
    std::vector<Folder> folders = {{dirs.strROMsPath, QString()}};
    if (!dirs.strAdditionalROMsPath.isEmpty() && !SameFolder(dirs.strAdditionalROMsPath, dirs.strROMsPath)) {
        folders.front().caption = QStringLiteral("ROMs Folder");
        folders.push_back({dirs.strAdditionalROMsPath, QStringLiteral("Additional ROMs Folder")});
    }

    // The panel stays until the compare ends: its questions are about these folders.
    cmdGameList2->setEnabled(false);
    std::optional<BusyWindow> busy;
    bool orphans = false;
    bool compared = false;
    for (size_t f = 0; f < folders.size(); ++f) {
        if (!folders[f].caption.isEmpty())
            lblFolder->setText(folders[f].caption);
        ProgressBar0->setValue(0);
        // An empty setting names no folder; the root it would make is never compared.
        if (folders[f].path.isEmpty())
            continue;
        const QStringList files = FolderFiles(folders[f].path);
        if (files.isEmpty()) {
            MsgBox(QStringLiteral("There are no ROMs installed in this folder."), MsgStyle::Information,
                   QStringLiteral("ROMs Directory"));
            continue;
        }
        if (!busy)
            busy.emplace(window());
        compared = true;
        if (compareFolder(folders[f].path, files, listed, orphans) == FolderEnd::Cancelled) {
            endCompare(QString());
            return;
        }
    }
    if (!compared)
        endCompare(QString());
    else
        endCompare(orphans ? QStringLiteral("ROM compare complete.")
                           : QStringLiteral("ROM compare complete.  No orphan files found."));
}

MaintenancePanel::FolderEnd MaintenancePanel::compareFolder(const QString& folder, const QStringList& files,
                                                            const RomNameSet& listed, bool& orphans)
{
    lblText->setText(QStringLiteral("ROM compare in progress.  Please stand by."));
    lblText->show();
    cmdROMs->setEnabled(false);
    ProgressBar0->setRange(0, int(files.size()));
    ProgressBar0->setValue(0);
    ProgressBar0->show();

    // The window repaints and answers while a long folder is walked, but not at every file.
    constexpr qint64 kPumpMs = 50;
    QElapsedTimer sincePump;
    sincePump.start();
    for (const QString& name : files) {
        if (!listed.listsSet(name)) {
            orphans = true;
            QCoreApplication::processEvents();
            sincePump.restart();
            const int answer = MsgBox(ProperCase(name) + QStringLiteral(" is not in the All Games List.\rDo you want to delete it?"),
                                      MsgStyle::YesNoCancel + MsgStyle::Question + MsgStyle::DefaultButton2, kConfirmDelete);
            if (answer == MsgAnswer::Cancel)
                return FolderEnd::Cancelled;
            if (answer == MsgAnswer::Yes)
                deleteOrReport(ListedFile(folder, name));
        }
        ProgressBar0->setValue(ProgressBar0->value() + 1);
        if (sincePump.elapsed() >= kPumpMs) {
            QCoreApplication::processEvents();
            sincePump.restart();
        }
    }
    return FolderEnd::Compared;
}

void MaintenancePanel::endCompare(const QString& result)
{
    lblFolder->clear();
    lblText->setText(result);
    cmdROMs->setEnabled(true);
    cmdGameList2->setEnabled(true);
    ProgressBar0->setValue(0);
    ProgressBar0->hide();
}
