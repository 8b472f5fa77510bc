#include "ui/wordbook/wordbooklistmodel.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace pelinor::ui {

WordBookListModel::WordBookListModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

int WordBookListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int WordBookListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant WordBookListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const core::WordBookRow& row = m_rows.at(index.row());
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        switch (index.column()) {
        case TitleColumn:
            return row.title;
        case FileNameColumn:
            return row.fileName;
        case GroupColumn:
            return row.group;
        case CountColumn:
            return QString::number(row.count);
        default:
            return {};
        }
    }
    if (role == Qt::TextAlignmentRole && index.column() == CountColumn)
        return QVariant::fromValue(Qt::AlignCenter);
    return {};
}

QVariant WordBookListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::TextAlignmentRole && section == CountColumn)
        return QVariant::fromValue(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (section) {
    case TitleColumn:
        return tr("タイトル");
    case FileNameColumn:
        return tr("ファイル名");
    case GroupColumn:
        return tr("グループ");
    case CountColumn:
        return tr("個数");
    default:
        return {};
    }
}

void WordBookListModel::setRows(QList<core::WordBookRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void WordBookListModel::sortRows(Column column, int direction)
{
    if (column == CountColumn || column >= ColumnCount)
        return;
    const core::WordBookRowKey key = column == TitleColumn ? core::WordBookRowKey::Title
        : column == FileNameColumn                         ? core::WordBookRowKey::FileName
                                                           : core::WordBookRowKey::Group;
    const std::vector<int> order = core::sortedRowOrder(m_rows, key, direction);
    const size_t n = order.size();

    Q_EMIT layoutAboutToBeChanged();
    std::vector<int> newRowOf(n);
    QList<core::WordBookRow> sorted;
    sorted.reserve(m_rows.size());
    for (size_t i = 0; i < n; ++i) {
        const int from = order[i];
        newRowOf[static_cast<size_t>(from)] = static_cast<int>(i);
        sorted.append(std::move(m_rows[from]));
    }
    m_rows = std::move(sorted);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before)
        after.append(this->index(newRowOf[static_cast<size_t>(index.row())], index.column()));
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged();
}

void WordBookListModel::setCount(const QString& fileName, qsizetype count)
{
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].fileName != fileName)
            continue;
        m_rows[i].count = count;
        const QModelIndex cell = index(i, CountColumn);
        Q_EMIT dataChanged(cell, cell);
    }
}

qsizetype WordBookListModel::total() const
{
    qsizetype sum = 0;
    for (const core::WordBookRow& row : m_rows)
        sum += row.count;
    return sum;
}

int WordBookListModel::rowOfFile(const QString& fileName) const
{
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].fileName == fileName)
            return i;
    }
    return -1;
}

} // namespace pelinor::ui
