// One game list (All, Installed or Uninstalled) as a table model: rows are indexes into the
// loaded games, kept in the list's sort order.
#pragma once

#include "gamelist/GameLists.h"

#include <QAbstractTableModel>

#include <vector>

class GameListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit GameListModel(QObject* parent = nullptr);

    // Shows `rows` of `lists` (which must outlive the model or the next reset), ordered by the
    // model's current sort column and order.
    void setRows(const GameLists* lists, std::vector<qint32> rows);
    void clear();
    // Adds the game at the foot of the list, outside the sort order, as a new item is added.
    void appendRow(qint32 game);
    // Takes the row (from 0) out of the list.
    void removeRow(int row);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Reorders the rows; the selection and other persistent indexes follow their games.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }

    // The game shown in `row` (from 0): its index in the lists, its record, a column's text as
    // the game data holds it (the view shows it through ShownListingText).
    qint32 gameIndex(int row) const { return m_rows[size_t(row)]; }
    const ListedGame& game(int row) const;
    const QString& text(int row, int column) const;

private:
    void sortRows();

    const GameLists* m_lists = nullptr;
    std::vector<qint32> m_rows;
    int m_sortColumn = 0;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
