#include "ui/wordbook/positionlistmodel.h"

#include <limits>

namespace pelinor::ui {

PositionListModel::PositionListModel(qsizetype count, QObject* parent)
    : QAbstractListModel(parent)
    , m_count(static_cast<int>(qBound(qsizetype(0), count, qsizetype(std::numeric_limits<int>::max()))))
{
}

int PositionListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_count;
}

QVariant PositionListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_count)
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return itemText(index.row() + 1);
    return {};
}

QString PositionListModel::itemText(qsizetype number)
{
    return QLatin1Char(' ') + QString::number(number);
}

} // namespace pelinor::ui
