#include "ui/input/symbolsearchmodel.h"

#include "core/input/symbolsearchindex.h"

#include <QStringList>

namespace pelinor::ui {

SymbolSearchModel::SymbolSearchModel(const core::SymbolSearchIndex& index, QObject* parent)
    : QAbstractListModel(parent)
    , m_index(index)
{
}

void SymbolSearchModel::search(const QString& query)
{
    beginResetModel();
    m_codes = m_index.search(query);
    endResetModel();
}

QString SymbolSearchModel::textAt(int row) const
{
    if (row < 0 || row >= rowCount())
        return {};
    const char32_t code = m_codes[static_cast<std::size_t>(row)];
    return QString::fromUcs4(&code, 1);
}

int SymbolSearchModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_codes.size());
}

QVariant SymbolSearchModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole && role != Qt::AccessibleTextRole)
        return {};
    const core::SymbolDescription description = m_index.describe(m_codes[static_cast<std::size_t>(index.row())]);
    QStringList parts
        = {description.text, QStringLiteral("[%1]").arg(description.code, 4, 16, QLatin1Char('0')).toUpper()};
    for (const QString& name :
        {description.japaneseName, description.note, description.englishName, description.unicodeName}) {
        if (!name.isEmpty())
            parts.append(name);
    }
    return parts.join(role == Qt::ToolTipRole ? QStringLiteral("\n") : QStringLiteral("  "));
}

} // namespace pelinor::ui
