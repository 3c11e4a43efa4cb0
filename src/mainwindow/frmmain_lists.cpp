// The three game lists of the main window: switching between them, the screenshot pane, sorting
// by column with the header arrow, the list events and the remembered selection.
#include "mainwindow/frmMain.h"

#include "gamelist/GameListModel.h"
#include "gamelist/HideFilters.h"
#include "platform/MsgBox.h"
#include "platform/StatusPanels.h"
#include "platform/Twips.h"
#include "shell/IniFile.h"
#include "shell/MameProgram.h"
#include "shell/OptionsIni.h"
#include "shell/ShortPath.h"
#include "shell/StartupForms.h"
#include "shell/frmWait.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>

#include <algorithm>

namespace {

// RAII guard for selections made by the program, which are not the user's item clicks.
class CodeSelection {
public:
    explicit CodeSelection(bool& flag) : m_flag(flag), m_old(flag) { m_flag = true; }
    ~CodeSelection() { m_flag = m_old; }

private:
    bool& m_flag;
    bool m_old;
};

} // namespace

frmMain::ListView& frmMain::listView(QTreeView* view)
{
    return *std::find_if(m_views.begin(), m_views.end(), [view](const ListView& r) { return r.view == view; });
}

frmMain::ListView* frmMain::currentListView()
{
    return &m_views[size_t(m_state.view.current)];
}

void frmMain::connectListEvents(ListView& row)
{
    QTreeView* lv = row.view;
    connect(lv->header(), &QHeaderView::sectionClicked, this, [this, lv](int section) {
        columnClick(listView(lv), section);
    });
    connect(lv->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this, lv] {
        if (!m_selectingFromCode)
            itemClick(listView(lv));
    });
    lv->viewport()->installEventFilter(this);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    const bool mouse = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
                       type == QEvent::MouseButtonRelease;
    for (ListView& row : m_views) {
        if (!mouse || watched != row.view->viewport())
            continue;
        const auto* click = static_cast<QMouseEvent*>(event);
        // The right button selects through its own release, not as an item click, and a double
        // click with it plays nothing.
        if (click->button() == Qt::RightButton && type != QEvent::MouseButtonRelease)
            return true;
        if (type == QEvent::MouseButtonDblClick) {
            if (row.view == lvUninstalled)
                lvUninstalled_DblClick();
            else
                cmdPlay_Click();
        } else if (type == QEvent::MouseButtonRelease && row.view != lvUninstalled) {
            listMouseUp(row, click->button(), click->position().toPoint());
        }
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::clearGameLists()
{
    CodeSelection code(m_selectingFromCode);
    for (ListView& row : m_views) {
        row.model->clear();
        m_state.counts.*row.count = 0;
    }
}

void frmMain::showGameLists(GameLists lists)
{
    CodeSelection code(m_selectingFromCode);
    // Each list is sorted once, by the key it will be shown with.
    for (ListView& row : m_views) {
        row.model->clear();
        row.model->sort(m_state.view.*row.sortKey,
                        m_state.view.*row.sortOrder == 1 ? Qt::DescendingOrder : Qt::AscendingOrder);
    }
    m_lists = std::move(lists);
    std::vector<qint32> all(m_lists.games.size());
    for (size_t i = 0; i < all.size(); ++i)
        all[i] = qint32(i);
    m_views[0].model->setRows(&m_lists, std::move(all));
    m_views[1].model->setRows(&m_lists, m_lists.installed);
    m_views[2].model->setRows(&m_lists, m_lists.uninstalled);
    m_state.counts.intAllCount = m_lists.intAllCount();
    m_state.counts.intInstalledCount = m_lists.intInstalledCount();
    m_state.counts.intUninstalledCount = m_lists.intUninstalledCount();
}

qint32 frmMain::gameOfRow(QTreeView* lv, int row) { return listView(lv).model->gameIndex(row); }

qint32 frmMain::selectedIndex(const ListView& row) const
{
    // The current row: a click makes it current before it selects it.
    const QModelIndex current = row.view->selectionModel()->currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

void frmMain::selectRow(ListView& row, qint32 index, bool scroll)
{
    // A remembered index beyond the list (it shrank since it was saved) selects the nearest end.
    const qint32 count = m_state.counts.*row.count;
    index = std::clamp(index, 1, std::max(count, 1));
    const QModelIndex item = row.model->index(index - 1, 0);
    CodeSelection code(m_selectingFromCode);
    row.view->selectionModel()->setCurrentIndex(item, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (scroll)
        row.view->scrollTo(item);
}

void frmMain::switchToList(ListView& row)
{
    const bool uninstalled = row.view == lvUninstalled;
    m_state.view.current = row.id;
    fraList->setTitle(QLatin1String(GameViewCaption(row.id)));
    // Just after the caption; a wider font than the design's pushes it further right.
    const int afterCaption = fraList->fontMetrics().horizontalAdvance(fraList->title()) + 16;
    lblFiltersApp->move(std::max(twipsToPixels(row.filtersLeft), afterCaption), lblFiltersApp->y());

    mnuViewAll->setChecked(row.view == lvAll);
    mnuViewInstalled->setChecked(row.view == lvInstalled);
    mnuViewUninstalled->setChecked(uninstalled);

    for (ListView& other : m_views)
        other.view->setFocusPolicy(&other == &row ? Qt::StrongFocus : Qt::NoFocus);
    row.view->show();
    row.view->raise();

    if (!uninstalled) {
        setDefaultButton(cmdPlay);
        EnableButtons();
    } else {
        chkAutoRun->setEnabled(false);
        chkAutoRun->setChecked(false);
        chkRecord->setEnabled(false);
        chkPlayback->setEnabled(false);
        if (m_defaultButton == cmdPlay)
            setDefaultButton(nullptr);
        cmdPlay->setEnabled(false);
        mnuFilePlay->setEnabled(false);
    }

    const qint32 count = m_state.counts.*row.count;
    StatusBar[0]->setPanelText(1, QStringLiteral("Total Games: %1").arg(count));

    if (count < 1) {
        if (uninstalled && !m_state.startup.blnLoading)
            row.view->setFocus();
        DisableGameButtons();
        if (row.view != lvAll)
            lblShots->hide();
        if (uninstalled) {
            Tmr[1]->stop();
            IconScreen->hide();
            lblList->clear();
            lblArtwork->hide();
        }
        return;
    }

    if (uninstalled) {
        cmdVerify->setEnabled(true);
        cmdInfo->setEnabled(true);
    }
    const int key = m_state.view.*row.sortKey;
    const Qt::SortOrder order = m_state.view.*row.sortOrder == 1 ? Qt::DescendingOrder : Qt::AscendingOrder;
    if (row.model->sortColumn() != key || row.model->sortOrder() != order) {
        CodeSelection code(m_selectingFromCode);
        row.model->sort(key, order);
    }
    SetHeaderSortIcon(row.view, key, m_state.view.*row.sortOrder, true);
    selectRow(row, m_state.view.*row.index, true);
    if (!m_state.startup.blnLoading)
        row.view->setFocus();
    (this->*row.status)();
}

void frmMain::mnuViewAll_Click() { switchToList(m_views[0]); }
void frmMain::mnuViewInstalled_Click() { switchToList(m_views[1]); }
void frmMain::mnuViewUninstalled_Click() { switchToList(m_views[2]); }

void frmMain::mnuView_Click()
{
    const bool on = m_state.view.intPanelShown == 0;
    for (QAction* a : {mnuViewAll, mnuViewInstalled, mnuViewUninstalled, mnuViewRefresh, mnuViewFavorites, mnuViewShots})
        a->setEnabled(on);
}

void frmMain::mnuViewRefresh_Click()
{
    lblList->clear();
    repaint();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    IconScreen->clear();
    for (QPushButton* b : {cmdPlay, cmdVerify, cmdInfo, cmdExit})
        b->setEnabled(false);
    DisableFormButtons();

    clearGameLists();
    m_state.view.intAllIndex = m_state.view.intInstalledIndex = m_state.view.intUninstalledIndex = 1;

    auto& wait = static_cast<frmWait&>(progress());
    wait.show();
    wait.repaint();
    m_state.selected = SelectedGame();
    for (int panel = 1; panel <= 6; ++panel)
        StatusBar[0]->setPanelText(panel, QString());

    // A MAME program that has gone missing is no new MAME: the lists reload from the data at hand.
    const QFileInfo program(MameProgramFile(m_state.dirs.strMAMEPath));
    if (program.isFile()) {
        m_state.lngNewMAMESize = qint32(program.size());
        if (m_state.lngMAMESize != 0 && m_state.lngNewMAMESize != m_state.lngMAMESize) {
            ShowCaptionNow(*wait.lblText, QStringLiteral("A new version of M.A.M.E. was detected."));
            if (Status error = buildGameData(true))
                MsgBox(QStringLiteral("Error In mnuViewRefresh: ") + error->description, MsgStyle::Critical);
            m_state.lngMAMESize = m_state.lngNewMAMESize;
            WriteOptionKey(m_state.paths.strOptionsIni, m_state, "MAMESize");
            FlushINI(m_state.paths.strOptionsIni);
        }
    }

    ShowCaptionNow(*wait.lblText, QStringLiteral("Please wait while Zelvane refreshes the game list."));
    loadLists();

    switchToList(*currentListView());

    m_wait.reset();
    EnableFormButtons();
    cmdExit->setEnabled(true);
    QApplication::restoreOverrideCursor();
}

void frmMain::mnuViewShots_Click()
{
    // The menu item has already changed its own check mark when it was triggered.
    const bool shown = mnuViewShots->isChecked();
    const double frame = pixelsToTwips(fraList->width());
    const double width = shown ? frame - (pixelsToTwips(imgShots->width()) + 480) : frame - 330;
    for (ListView& row : m_views) {
        setWidthTwips(row.view, width);
        if (shown && m_state.counts.*row.count > 0 && row.view->currentIndex().isValid())
            row.view->scrollTo(row.view->currentIndex());
    }
    if (shown)
        LoadShot();
}

void frmMain::SetHeaderSortIcon(QTreeView* lv, int col, int image, bool show)
{
    // The header shows one arrow: on the sort column, up for ascending, down for descending.
    QHeaderView* header = lv->header();
    ListView& row = listView(lv);
    if (show) {
        row.arrowColumn = col;
        row.arrowOrder = image == 1 ? Qt::DescendingOrder : Qt::AscendingOrder;
    } else if (row.arrowColumn == col) {
        row.arrowColumn = -1;
    }
    header->setSortIndicator(row.arrowColumn, row.arrowOrder);
}

void frmMain::SortListView(ListView& row, int header)
{
    const int oldKey = row.model->sortColumn();
    const int key = header - 1;
    Qt::SortOrder order = Qt::AscendingOrder;
    if (key == oldKey)
        order = row.model->sortOrder() == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    {
        // The selection moves with its game; that is no item click.
        CodeSelection code(m_selectingFromCode);
        row.model->sort(key, order);
    }

    const int image = order == Qt::DescendingOrder ? 1 : 0;
    for (int i = 0; i < kGameColumnCount; ++i)
        SetHeaderSortIcon(row.view, i, i == key ? image : 0, i == key);
    if (row.view->currentIndex().isValid())
        row.view->scrollTo(row.view->currentIndex());
    row.view->viewport()->update();
}

void frmMain::columnClick(ListView& row, int column)
{
    if (m_state.counts.*row.count <= 1) {
        // The header moves its arrow on any click by itself: put it back.
        row.view->header()->setSortIndicator(row.arrowColumn, row.arrowOrder);
        return;
    }
    SortListView(row, column + 1);
    m_state.view.*row.sortKey = row.model->sortColumn();
    m_state.view.*row.sortOrder = row.model->sortOrder() == Qt::DescendingOrder ? 1 : 0;
    if (const qint32 index = selectedIndex(row))
        m_state.view.*row.index = index;
}

void frmMain::itemClick(ListView& row)
{
    const qint32 index = selectedIndex(row);
    if (index == 0)
        return;
    m_state.view.*row.index = index;
    (this->*row.status)();
}

QTreeView* frmMain::playableList() const
{
    switch (m_state.view.current) {
    case GameView::All:
        return lvAll;
    case GameView::Installed:
        return lvInstalled;
    case GameView::Uninstalled:
        break;
    }
    return nullptr;
}

const GameRecord* frmMain::selectedRecord(QTreeView* lv)
{
    if (!lv || !lv->currentIndex().isValid())
        return nullptr;
    return &m_lists.games[size_t(gameOfRow(lv, lv->currentIndex().row()))].record;
}

void frmMain::showNotInstalled()
{
    MsgBox(QStringLiteral("This game is not installed."), MsgStyle::Information, QStringLiteral("Play Game"));
}

void frmMain::lvUninstalled_DblClick() { showNotInstalled(); }

void frmMain::listMouseUp(ListView& row, Qt::MouseButton button, const QPoint& pos)
{
    if (row.view == lvInstalled)
        mnuDeleteROM->setEnabled(true);
    if (button != Qt::RightButton)
        return;

    const QModelIndex hit = row.view->indexAt(pos);
    {
        CodeSelection code(m_selectingFromCode);
        if (hit.isValid())
            row.view->selectionModel()->setCurrentIndex(hit, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        else
            row.view->selectionModel()->clear();
    }
    if (!hit.isValid())
        return;

    mnuAddFavorite->setEnabled(!m_state.view.blnFavorites);
    mnuRemoveFavorite->setEnabled(m_state.view.blnFavorites);
    if (row.view == lvAll)
        mnuDeleteROM->setEnabled(m_state.selected.installed != SelectedGame::Install::NotInstalled);
    const QString& rom = m_state.selected.rom;
    mnuDeleteSamples->setEnabled(
        !rom.isEmpty() && QFileInfo::exists(JoinPath(m_state.dirs.strSamplesPath, rom + QStringLiteral(".zip"))));
    mnuRightClick->popup(row.view->viewport()->mapToGlobal(pos));
}

void frmMain::GetSelectedIndex()
{
    if (m_state.startup.blnLoading || !fraList->isEnabled())
        return;
    ListView* row = currentListView();
    if (!row || m_state.counts.*row->count <= 0)
        return;
    selectRow(*row, m_state.view.*row->index, false);
    row->view->setFocus();
}

void frmMain::CheckFilters() { lblFiltersApp->setVisible(FiltersApplied(m_state.filters)); }
