// The list frame fraList: the three game lists with their models and remembered state, the
// screenshot beside them, the caption and "Filters Applied", and the game buttons at its foot.
#pragma once

#include "gamelist/GameLists.h"
#include "state/AppState.h"

#include <QGroupBox>

#include <array>

class GameListModel;
class QLabel;
class QPushButton;
class QTreeView;

class GameListPanel : public QGroupBox {
    Q_OBJECT

public:
    // One list of the table of views: its control, model, caption and remembered state.
    struct ListView {
        QTreeView* view;
        GameListModel* model;
        GameView id;
        int filtersLeft;                    // twips
        qint32 ListCounts::* count;
        qint32 ViewState::* index;
        qint32 ViewState::* sortKey;
        qint32 ViewState::* sortOrder;
        int arrowColumn = -1;               // where the program last put the header arrow
        Qt::SortOrder arrowOrder = Qt::AscendingOrder;
    };

    explicit GameListPanel(AppState& state, QWidget* parent = nullptr);
    ~GameListPanel() override;

    // ---- The loaded games

    // Puts freshly loaded games into the three lists and sets the counts.
    void showGameLists(GameLists lists);
    // Empties the three lists and sets their counts to 0.
    void clearGameLists();
    // Whether today's MAME listed the loaded games.
    bool listedByTodaysMame() const { return m_lists.fromTodaysMame; }
    // The index in the loaded lists of the game a list shows in `row` (from 0).
    qint32 gameOfRow(QTreeView* lv, int row);
    // The record of the game selected in `lv`; null when nothing is selected.
    const GameRecord* selectedRecord(QTreeView* lv);
    // The list that Play and the favorites commands act on: lvAll or lvInstalled, null for the
    // Uninstalled list.
    QTreeView* playableList() const;
    // Lists the loaded game with `game`'s ROM set at the foot of the Installed list; false when
    // no loaded game has it. The counts are the caller's.
    bool appendInstalled(const GameRecord& game);
    // Takes the game at `row` (from 1, as the view state counts) out of the Uninstalled list;
    // false when there is no such row. The list's current row moves on without an item click.
    // The counts are the caller's.
    bool removeUninstalled(qint32 row);
    // Lists the loaded game with `game`'s ROM set at the foot of the Uninstalled list again; false
    // when no loaded game has it. The counts are the caller's.
    bool restoreUninstalled(const GameRecord& game);
    // The row (from 1) of the Uninstalled list that shows the game with ROM set `rom`; 0 if none.
    qint32 uninstalledRow(const QString& rom) const;

    // ---- The list shown and its selection

    ListView& listView(QTreeView* view);
    // The list of the view state: one of the three, always.
    ListView& currentListView();
    // Brings `row`'s list to the front under its caption; the view state records it.
    void showList(ListView& row);
    // Sorts the list as the view state remembers it and puts the header arrow there.
    void applySavedSort(ListView& row);
    void selectRow(ListView& row, qint32 index, bool scroll);
    qint32 selectedIndex(const ListView& row) const;
    // Makes the row under `pos` current as an item click does, or clears the selection when there
    // is none.
    bool selectAt(ListView& row, const QPoint& pos);
    void GetSelectedIndex();

    // ---- Sorting

    void SortListView(ListView& row, int header);
    void SetHeaderSortIcon(QTreeView* lv, int col, int image, bool show);

    // ---- Columns and look

    // Hides the columns that are never shown, and Category and Players without their files.
    void prepareListColumns();
    // The lists' colours, star field and font size from ListAppearance.
    void applyListAppearance();

    // ---- Screenshot and filters

    // Shows the selected game's screenshot while `shotsShown`, and places it either way.
    void LoadShot(bool shotsShown);
    // Narrows the lists for the screenshot, or widens them without it.
    void showShots(bool shown);
    // The screenshot's place: from nostretch.ini, or the square beside the lists.
    void placeShot();
    void NoStretchShot();
    void CheckFilters();

    std::array<ListView, 3> views{};

    QTreeView* lvAll = nullptr;
    QTreeView* lvInstalled = nullptr;
    QTreeView* lvUninstalled = nullptr;
    QLabel* imgShots = nullptr;
    QLabel* lblShots = nullptr;
    QLabel* lblFiltersApp = nullptr;
    QPushButton* cmdPlay = nullptr;
    QPushButton* cmdVerify = nullptr;
    QPushButton* cmdInfo = nullptr;

signals:
    // The user selected a game in the list.
    void itemClicked(GameView view);
    // A double click on a game of the All or Installed list.
    void playRequested();
    // A double click on the Uninstalled list.
    void uninstalledDoubleClicked();
    // A mouse button released over the All or Installed list.
    void mouseUp(GameView view, Qt::MouseButton button, const QPoint& pos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTreeView* createGameList(const char* name, GameListModel* model);
    void connectListEvents(ListView& row);
    void columnClick(ListView& row, int column);
    void itemClick(ListView& row);
    bool noStretchFileExists() const;
    // The loaded game with ROM set `rom`, or -1.
    qint32 gameWithRom(const QString& rom) const;

    AppState& m_state;
    GameLists m_lists;
    bool m_selectingFromCode = false;
};
