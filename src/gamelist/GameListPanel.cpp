#include "gamelist/GameListPanel.h"

#include "gamelist/GameListModel.h"
#include "gamelist/HideFilters.h"
#include "platform/RuntimeText.h"
#include "platform/SortArrowHeader.h"
#include "platform/SysColors.h"
#include "platform/TwipsLayout.h"
#include "shell/IniFile.h"
#include "shell/ShortPath.h"
#include "shell/StarField.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
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

// Column widths in twips, in GameColumn order.
constexpr std::array<int, kGameColumnCount> kColumnWidths = {
    4200, 850, 1200, 1000, 1000, 1000, 900, 2600, 900, 1100, 1200, 1300, 1600, 1100, 1300, 1100, 700, 2200, 1300};

int column(GameColumn c) { return static_cast<int>(c); }

// The star field repeats across a list in tiles of this size.
constexpr QSize kStarFieldTile(256, 256);

} // namespace

GameListPanel::GameListPanel(AppState& state, QWidget* parent) : QGroupBox(parent), m_state(state)
{
    setObjectName(QStringLiteral("fraList"));
    setTitle(QLatin1String(GameViewCaption(m_state.view.current)));

    // The screenshot lies behind the lists, which cover it while screenshots are off.
    imgShots = makeControl<QLabel>(this, "imgShots", 3145, 270, 4760, 4760);
    imgShots->setScaledContents(true);
    imgShots->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblShots = makeControl<QLabel>(this, "lblShots", 4170, 2400, 2700, 480,
                                   QStringLiteral("THERE IS NO SCREEN SHOT FOR THIS GAME"));
    lblShots->setAlignment(Qt::AlignCenter);
    lblShots->setWordWrap(true);
    lblShots->hide();

    lvAll = createGameList("lvAll", new GameListModel(this));
    lvInstalled = createGameList("lvInstalled", new GameListModel(this));
    lvUninstalled = createGameList("lvUninstalled", new GameListModel(this));

    lblFiltersApp = makeControl<QLabel>(this, "lblFiltersApp", 850, 0, 1400, 240, QStringLiteral("Filters Applied"));
    lblFiltersApp->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
    lblFiltersApp->hide();

    cmdPlay = makeButton(this, "cmdPlay", "&Play Game", "Starts The Selected Game", 150, 5180, 1500);
    cmdVerify = makeButton(this, "cmdVerify", "Game &Audit", "Checks The ROM File And Sample File Of The Selected Game",
                           3285, 5180, 1500);
    cmdInfo = makeButton(this, "cmdInfo", "Game &Information",
                         "Shows The History.Dat, Mameinfo.Dat, And Cheat.Dat Of The Selected Game", 6195, 5180, 1700);

    views = {{
        {lvAll, qobject_cast<GameListModel*>(lvAll->model()), GameView::All, 850, &ListCounts::intAllCount,
         &ViewState::intAllIndex, &ViewState::intAllSortKey, &ViewState::intAllSortOrder},
        {lvInstalled, qobject_cast<GameListModel*>(lvInstalled->model()), GameView::Installed, 1270,
         &ListCounts::intInstalledCount, &ViewState::intInstalledIndex, &ViewState::intInstalledSortKey,
         &ViewState::intInstalledSortOrder},
        {lvUninstalled, qobject_cast<GameListModel*>(lvUninstalled->model()), GameView::Uninstalled, 1465,
         &ListCounts::intUninstalledCount, &ViewState::intUninstalledIndex, &ViewState::intUninstalledSortKey,
         &ViewState::intUninstalledSortOrder},
    }};
    for (ListView& row : views)
        connectListEvents(row);
}

GameListPanel::~GameListPanel()
{
    // The views outlive this body (Qt deletes the children later) and must not reach the games
    // that the members below take with them.
    clearGameLists();
}

QTreeView* GameListPanel::createGameList(const char* name, GameListModel* model)
{
    auto* lv = makeControl<QTreeView>(this, name, 150, 270, 7755, 4785);
    lv->setHeader(new SortArrowHeader(lv));
    lv->setModel(model);
    lv->setRootIsDecorated(false);
    lv->setUniformRowHeights(true);
    lv->setAllColumnsShowFocus(true);
    lv->setSelectionMode(QAbstractItemView::SingleSelection);
    lv->setSelectionBehavior(QAbstractItemView::SelectRows);
    lv->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lv->setTextElideMode(Qt::ElideRight);
    lv->header()->setSectionsClickable(true);
    lv->header()->setSortIndicatorShown(true);
    lv->header()->setSortIndicator(-1, Qt::AscendingOrder);
    lv->header()->setStretchLastSection(false);
    lv->header()->setSectionsMovable(false);
    for (int c = 0; c < kGameColumnCount; ++c)
        lv->setColumnWidth(c, twipsToPixels(kColumnWidths[size_t(c)]));
    lv->hide();
    return lv;
}

GameListPanel::ListView& GameListPanel::listView(QTreeView* view)
{
    return *std::find_if(views.begin(), views.end(), [view](const ListView& r) { return r.view == view; });
}

GameListPanel::ListView& GameListPanel::currentListView() { return views[size_t(m_state.view.current)]; }

void GameListPanel::connectListEvents(ListView& row)
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

bool GameListPanel::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    const bool mouse = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
                       type == QEvent::MouseButtonRelease;
    for (ListView& row : views) {
        if (!mouse || watched != row.view->viewport())
            continue;
        const auto* click = static_cast<QMouseEvent*>(event);
        // The right button selects through its own release, not as an item click, and a double
        // click with it plays nothing.
        if (click->button() == Qt::RightButton && type != QEvent::MouseButtonRelease)
            return true;
        if (type == QEvent::MouseButtonDblClick) {
            if (row.view == lvUninstalled)
                emit uninstalledDoubleClicked();
            else
                emit playRequested();
        } else if (type == QEvent::MouseButtonRelease && row.view != lvUninstalled) {
            emit mouseUp(row.id, click->button(), click->position().toPoint());
        }
        break;
    }
    return QGroupBox::eventFilter(watched, event);
}

void GameListPanel::clearGameLists()
{
    CodeSelection code(m_selectingFromCode);
    for (ListView& row : views) {
        row.model->clear();
        m_state.counts.*row.count = 0;
    }
}

void GameListPanel::showGameLists(GameLists lists)
{
    CodeSelection code(m_selectingFromCode);
    // Each list is sorted once, by the key it will be shown with.
    for (ListView& row : views) {
        row.model->clear();
        row.model->sort(m_state.view.*row.sortKey,
                        m_state.view.*row.sortOrder == 1 ? Qt::DescendingOrder : Qt::AscendingOrder);
    }
    m_lists = std::move(lists);
    std::vector<qint32> all(m_lists.games.size());
    for (size_t i = 0; i < all.size(); ++i)
        all[i] = qint32(i);
    views[0].model->setRows(&m_lists, std::move(all));
    views[1].model->setRows(&m_lists, m_lists.installed);
    views[2].model->setRows(&m_lists, m_lists.uninstalled);
    m_state.counts.intAllCount = m_lists.intAllCount();
    m_state.counts.intInstalledCount = m_lists.intInstalledCount();
    m_state.counts.intUninstalledCount = m_lists.intUninstalledCount();
}

qint32 GameListPanel::gameWithRom(const QString& rom) const
{
    const auto found = std::find_if(m_lists.games.begin(), m_lists.games.end(),
                                    [&rom](const ListedGame& listed) { return listed.record[GameColumn::ROM] == rom; });
    return found == m_lists.games.end() ? -1 : qint32(found - m_lists.games.begin());
}

bool GameListPanel::appendInstalled(const GameRecord& game)
{
    const qint32 index = gameWithRom(game[GameColumn::ROM]);
    if (index < 0)
        return false;
    m_lists.games[size_t(index)].installed = true;
    m_lists.installed.push_back(index);
    views[1].model->appendRow(index);
    return true;
}

bool GameListPanel::restoreUninstalled(const GameRecord& game)
{
    const qint32 index = gameWithRom(game[GameColumn::ROM]);
    if (index < 0)
        return false;
    m_lists.games[size_t(index)].installed = false;
    m_lists.uninstalled.push_back(index);
    views[2].model->appendRow(index);
    return true;
}

qint32 GameListPanel::uninstalledRow(const QString& rom) const
{
    const GameListModel& model = *views[2].model;
    for (int row = 0; row < model.rowCount(); ++row)
        if (model.text(row, static_cast<int>(GameColumn::ROM)) == rom)
            return row + 1;
    return 0;
}

bool GameListPanel::removeUninstalled(qint32 row)
{
    GameListModel& model = *views[2].model;
    if (row < 1 || row > model.rowCount())
        return false;
    const qint32 game = model.gameIndex(row - 1);
    std::erase(m_lists.uninstalled, game);
    // The row that takes the current place is no game the user chose.
    CodeSelection code(m_selectingFromCode);
    model.removeRow(row - 1);
    return true;
}

qint32 GameListPanel::gameOfRow(QTreeView* lv, int row) { return listView(lv).model->gameIndex(row); }

qint32 GameListPanel::selectedIndex(const ListView& row) const
{
    // The current row: a click makes it current before it selects it.
    const QModelIndex current = row.view->selectionModel()->currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

void GameListPanel::selectRow(ListView& row, qint32 index, bool scroll)
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

bool GameListPanel::selectAt(ListView& row, const QPoint& pos)
{
    const QModelIndex hit = row.view->indexAt(pos);
    {
        CodeSelection code(m_selectingFromCode);
        if (hit.isValid())
            row.view->selectionModel()->setCurrentIndex(hit, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        else
            row.view->selectionModel()->clear();
    }
    // The pop-up menu's commands act on the shown game: the one under the pointer.
    if (hit.isValid())
        itemClick(row);
    return hit.isValid();
}

void GameListPanel::showList(ListView& row)
{
    m_state.view.current = row.id;
    setTitle(QLatin1String(GameViewCaption(row.id)));
    // Just after the caption; a wider font than the design's pushes it further right.
    const int afterCaption = fontMetrics().horizontalAdvance(title()) + 16;
    lblFiltersApp->move(std::max(twipsToPixels(row.filtersLeft), afterCaption), lblFiltersApp->y());

    for (ListView& other : views)
        other.view->setFocusPolicy(&other == &row ? Qt::StrongFocus : Qt::NoFocus);
    row.view->show();
    row.view->raise();
}

void GameListPanel::applySavedSort(ListView& row)
{
    const int key = m_state.view.*row.sortKey;
    const Qt::SortOrder order = m_state.view.*row.sortOrder == 1 ? Qt::DescendingOrder : Qt::AscendingOrder;
    if (row.model->sortColumn() != key || row.model->sortOrder() != order) {
        CodeSelection code(m_selectingFromCode);
        row.model->sort(key, order);
    }
    SetHeaderSortIcon(row.view, key, m_state.view.*row.sortOrder, true);
}

void GameListPanel::showShots(bool shown)
{
    const double frame = pixelsToTwips(width());
    const double listWidth = shown ? frame - (pixelsToTwips(imgShots->width()) + 480) : frame - 330;
    for (ListView& row : views) {
        setWidthTwips(row.view, listWidth);
        if (shown && m_state.counts.*row.count > 0 && row.view->currentIndex().isValid())
            row.view->scrollTo(row.view->currentIndex());
    }
    if (shown)
        LoadShot(shown);
}

void GameListPanel::SetHeaderSortIcon(QTreeView* lv, int col, int image, bool show)
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

void GameListPanel::SortListView(ListView& row, int header)
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

void GameListPanel::columnClick(ListView& row, int column)
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

void GameListPanel::itemClick(ListView& row)
{
    const qint32 index = selectedIndex(row);
    if (index == 0)
        return;
    m_state.view.*row.index = index;
    emit itemClicked(row.id);
}

QTreeView* GameListPanel::playableList() const
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

const GameRecord* GameListPanel::selectedRecord(QTreeView* lv)
{
    if (!lv || !lv->currentIndex().isValid())
        return nullptr;
    return &m_lists.games[size_t(gameOfRow(lv, lv->currentIndex().row()))].record;
}

void GameListPanel::GetSelectedIndex()
{
    if (m_state.startup.blnLoading || !isEnabled())
        return;
    ListView& row = currentListView();
    if (m_state.counts.*row.count <= 0)
        return;
    selectRow(row, m_state.view.*row.index, false);
    row.view->setFocus();
}

void GameListPanel::CheckFilters() { lblFiltersApp->setVisible(FiltersApplied(m_state.filters)); }

void GameListPanel::LoadShot(bool shotsShown)
{
    if (!shotsShown)
        return;

    const ListView& row = currentListView();
    const QModelIndex current = row.view->currentIndex();
    // An empty list (or one with nothing selected) has no screenshot to look for.
    if (m_state.counts.*row.count <= 0 || !current.isValid()) {
        lblShots->hide();
    } else {
        const QString parent = row.model->text(current.row(), column(GameColumn::Origin)).mid(9);
        const QString name = m_state.prefs.blnCloneShots && !parent.isEmpty()
                                 ? parent
                                 : row.model->text(current.row(), column(GameColumn::ROM));
        const QString path = JoinPath(m_state.dirs.strSnapshotsPath, name + QStringLiteral(".png"));
        QPixmap picture;
        if (!m_state.dirs.strSnapshotsPath.isEmpty() && QFileInfo::exists(path) && picture.load(path)) {
            lblShots->hide();
            imgShots->setPixmap(picture);
        } else {
            imgShots->clear();
            lblShots->show();
        }
    }

    placeShot();
}

bool GameListPanel::noStretchFileExists() const
{
    return QFileInfo::exists(JoinPath(m_state.paths.strAppPath, QStringLiteral("settings/nostretch.ini")));
}

void GameListPanel::placeShot()
{
    // nostretch.ini fixes the picture, except in a maximised window; otherwise it is a stretched
    // square as high as the lists.
    if (noStretchFileExists() && m_state.view.intWindowState != 2) {
        NoStretchShot();
        return;
    }
    imgShots->setScaledContents(true);
    const double side = pixelsToTwips(lvAll->height()) - 25;
    setHeightTwips(imgShots, side);
    setWidthTwips(imgShots, side);
    place(imgShots, pixelsToTwips(width()) - (pixelsToTwips(imgShots->width()) + 180), 270);
}

void GameListPanel::NoStretchShot()
{
    const QString ini = JoinPath(m_state.paths.strAppPath, QStringLiteral("settings/nostretch.ini"));
    // A value that is not a number keeps its default.
    const auto value = [&ini](const char* section, const char* key, int fallback) -> double {
        const auto n = ParseNumber(ReadINI(ini, QLatin1String(section), QLatin1String(key), fallback));
        return n ? *n : fallback;
    };
    imgShots->setScaledContents(false);
    const double left = value("Position", "Left", 3145);
    const double top = value("Position", "Top", 240);
    const double height = value("Size", "Height", 4760);
    const double width = value("Size", "Width", 4760);
    place(imgShots, left, top);
    setHeightTwips(imgShots, height);
    setWidthTwips(imgShots, width);
}

void GameListPanel::prepareListColumns()
{
    for (const GameColumn c : {GameColumn::Source, GameColumn::RomOf, GameColumn::CHD})
        for (const ListView& row : views)
            row.view->setColumnHidden(static_cast<int>(c), true);

    const QString& appPath = m_state.paths.strAppPath;
    m_state.startup.blnCatver = QFileInfo::exists(JoinPath(appPath, QStringLiteral("catver.ini")));
    m_state.startup.blnNPlayers = QFileInfo::exists(JoinPath(appPath, QStringLiteral("nplayers.ini")));
    for (const ListView& row : views) {
        row.view->setColumnHidden(static_cast<int>(GameColumn::Category), !m_state.startup.blnCatver);
        row.view->setColumnHidden(static_cast<int>(GameColumn::Players), !m_state.startup.blnNPlayers);
    }
}

void GameListPanel::applyListAppearance()
{
    const ListAppearance& look = m_state.appearance;
    const QImage starField = look.blnUseStarfield ? StarFieldImage(kStarFieldTile) : QImage();
    for (const ListView& row : views) {
        QPalette palette = row.view->palette();
        // The "Star Field" picture takes the back colour's place when chosen.
        if (look.blnUseStarfield)
            palette.setBrush(QPalette::Base, QBrush(QPixmap::fromImage(starField)));
        else
            palette.setBrush(QPalette::Base, StoredColor(look.lngBackColor));
        // Text in the back colour (white on the window's white, the first-run colours) would hide
        // every name: it then takes black or white, whichever stands out.
        const QColor back = StoredColor(look.lngBackColor);
        QColor text = StoredColor(look.lngFontColor);
        if (!look.blnUseStarfield && text == back)
            text = back.lightness() < 128 ? QColor(Qt::white) : QColor(Qt::black);
        palette.setColor(QPalette::Text, text);
        row.view->setPalette(palette);
        QFont font = row.view->font();
        bool ok = false;
        const int points = look.strFontSize.toInt(&ok);
        if (ok && points > 0)
            font.setPointSize(points);
        row.view->setFont(font);
    }
}
