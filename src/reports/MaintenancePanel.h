// The maintenance panel fraMaintenance: deletes the current game's files or a folder's files in
// five of MAME's folders, deletes stored reports and exported lists, and compares the ROM
// folders with the All Games list; every deletion is asked for first.
#pragma once

#include "state/AppState.h"

#include <QGroupBox>
#include <QStringList>

#include <array>
#include <functional>
#include <vector>

class QCheckBox;
class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QScrollBar;
class RomNameSet;
struct GamePath;
struct MaintenanceFolder;

class MaintenancePanel : public QGroupBox {
    Q_OBJECT

public:
    explicit MaintenancePanel(AppState& state, QWidget* parent = nullptr);

    // Readies the panel for an opening: the content at the top with its scroll steps set, every
    // box unticked, "Files From The Current Game" offered only when the list has a game.
    void prepare(bool listHasGame);
    // Moves the content with the scroll bar, when it is taller than its viewport.
    void scrollContent();

    // Where today's MAME keeps games' files in folders, "All Files" takes the folders named after
    // these games; asked only when such a place holds a folder.
    void setTodaysGames(std::function<QStringList()> games) { m_todaysGames = std::move(games); }

    void cmdFolders_Click();
    void cmdReports_Click();
    // 0 ticks the folder boxes, 1 the report boxes.
    void cmdSelectAll_Click(int index);
    // Offers each file of the ROM folders that is not the set file of a game in `listed`.
    void compareRomFolders(const RomNameSet& listed);

    QFrame* picMaintenance = nullptr;
    QFrame* picBox2 = nullptr;
    QScrollBar* VScroll1 = nullptr;
    std::array<QCheckBox*, 5> chkFolder{};   // in the order of kMaintenanceFolders
    QRadioButton* optAll = nullptr;
    QRadioButton* optCurrent = nullptr;
    std::array<QPushButton*, 2> cmdSelectAll{};
    QPushButton* cmdFolders = nullptr;
    std::array<QCheckBox*, 9> chkReports{};  // in the order of kMaintenanceReports
    QPushButton* cmdReports = nullptr;
    QPushButton* cmdROMs = nullptr;
    QProgressBar* ProgressBar0 = nullptr;
    QLabel* lblText = nullptr;
    QLabel* lblFolder = nullptr;
    QPushButton* cmdGameList2 = nullptr;

private:
    enum class FolderEnd { Compared, Cancelled };
    FolderEnd compareFolder(const QString& folder, const QStringList& files, const RomNameSet& listed, bool& orphans);
    void endCompare(const QString& result);
    // What "All Files" takes in one of the folder table's places.
    std::vector<GamePath> allItems(const MaintenanceFolder& row, const QString& folder) const;

    AppState& m_state;
    std::function<QStringList()> m_todaysGames;
};
