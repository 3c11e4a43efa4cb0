#include "gamelist/GameListModel.h"

#include "gamelist/ListSort.h"
#include "platform/ListingText.h"

#include <algorithm>

GameListModel::GameListModel(QObject* parent) : QAbstractTableModel(parent) {}

void GameListModel::setRows(const GameLists* lists, std::vector<qint32> rows)
{
    beginResetModel();
    m_lists = lists;
    m_rows = std::move(rows);
    sortRows();
    endResetModel();
}

void GameListModel::clear() { setRows(nullptr, {}); }

void GameListModel::appendRow(qint32 game)
{
    const int row = int(m_rows.size());
    beginInsertRows(QModelIndex(), row, row);
    m_rows.push_back(game);
    endInsertRows();
}

void GameListModel::removeRow(int row)
{
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
}

int GameListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int GameListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kGameColumnCount;
}

QVariant GameListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return QVariant();
    return ShownListingText(text(index.row(), index.column()));
}

QVariant GameListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kGameColumnCount)
        return QVariant();
    return QString::fromLatin1(kGameColumnCaptions[size_t(section)]);
}

void GameListModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= kGameColumnCount)
        return;
    m_sortColumn = column;
    m_sortOrder = order;
    if (m_rows.size() < 2)
        return;

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<qint32> gamesBefore;
    gamesBefore.reserve(size_t(before.size()));
    for (const QModelIndex& i : before)
        gamesBefore.push_back(m_rows[size_t(i.row())]);

    sortRows();

    std::vector<int> rowOfGame;
    if (!before.isEmpty()) {
        rowOfGame.resize(m_lists->games.size());
        for (size_t r = 0; r < m_rows.size(); ++r)
            rowOfGame[size_t(m_rows[r])] = int(r);
    }
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype k = 0; k < before.size(); ++k)
        after.push_back(index(rowOfGame[size_t(gamesBefore[size_t(k)])], before[k].column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

const ListedGame& GameListModel::game(int row) const { return m_lists->games[size_t(m_rows[size_t(row)])]; }

const QString& GameListModel::text(int row, int column) const { return ColumnText(game(row), column); }

void GameListModel::sortRows()
{
    if (m_lists && m_rows.size() > 1)
        SortRows(m_rows, *m_lists, m_sortColumn, m_sortOrder == Qt::DescendingOrder);
}
