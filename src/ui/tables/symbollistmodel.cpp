#include "ui/tables/symbollistmodel.h"

#include "core/tables/symboldatabasedocument.h"

#include <QHash>
#include <QMap>

namespace pelinor::ui {

SymbolListModel::SymbolListModel(const core::SymbolDatabaseDocument& document, QObject* parent)
    : QAbstractTableModel(parent)
    , m_document(document)
{
}

void SymbolListModel::reload()
{
    beginResetModel();
    m_lines.clear();
    m_rowOfEntry.fill(-1, m_document.rowCount());
    // Entries by group number, each in list order; one pass keeps 100,000 rows quick.
    QMap<int, QList<qsizetype>> byGroup;
    for (qsizetype i = 0; i < m_document.rowCount(); ++i)
        byGroup[m_document.row(i).group].append(i);
    const auto addGroup = [this](int group, const QList<qsizetype>& entries) {
        m_lines.append({-1, group});
        for (qsizetype entry : entries) {
            m_rowOfEntry[entry] = static_cast<int>(m_lines.size());
            m_lines.append({entry, group});
        }
    };
    for (const core::SymbolGroup& group : m_document.groups()) {
        const auto found = byGroup.find(group.number);
        if (found == byGroup.end())
            continue;
        addGroup(group.number, *found);
        byGroup.erase(found);
    }
    for (auto it = byGroup.cbegin(); it != byGroup.cend(); ++it)
        addGroup(it.key(), it.value());
    endResetModel();
}

void SymbolListModel::entryChanged(qsizetype entry)
{
    const int row = rowOfEntry(entry);
    if (row >= 0)
        Q_EMIT dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

int SymbolListModel::rowOfEntry(qsizetype entry) const
{
    return entry >= 0 && entry < m_rowOfEntry.size() ? m_rowOfEntry.at(entry) : -1;
}

qsizetype SymbolListModel::entryOfRow(int row) const
{
    return row >= 0 && row < m_lines.size() ? m_lines.at(row).entry : -1;
}

QList<int> SymbolListModel::headerRows() const
{
    QList<int> rows;
    for (int i = 0; i < m_lines.size(); ++i) {
        if (m_lines.at(i).entry < 0)
            rows.append(i);
    }
    return rows;
}

int SymbolListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_lines.size());
}

int SymbolListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SymbolListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_lines.size())
        return {};
    const Line& line = m_lines.at(index.row());
    if (role == HeaderRowRole)
        return line.entry < 0;
    if (role == EntryRole)
        return line.entry;
    if (line.entry < 0) {
        if (role != Qt::DisplayRole || index.column() != 0)
            return {};
        const QString name = m_document.groupName(line.group);
        return name.isEmpty() ? tr("グループ %1").arg(line.group) : name;
    }
    const core::SymbolEntry& entry = m_document.row(line.entry);
    if (role == NoteRole)
        return entry.note;
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case NoColumn:
        return core::SymbolDatabaseDocument::rowNumber(line.entry);
    case CodeColumn:
        return entry.code;
    case GlyphColumn:
        return m_document.glyph(line.entry);
    case EnglishColumn:
        return entry.englishName;
    case JapaneseColumn:
        return entry.japaneseName;
    case AuxiliaryColumn:
        return entry.auxiliary;
    case NoteColumn:
        return entry.note;
    default:
        return {};
    }
}

QVariant SymbolListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case NoColumn:
        return tr("No");
    case CodeColumn:
        return tr("Unicode");
    case GlyphColumn:
        return tr("ｸﾞﾘﾌ");
    case EnglishColumn:
        return tr("英語名");
    case JapaneseColumn:
        return tr("日本語名");
    case AuxiliaryColumn:
        return tr("補助");
    case NoteColumn:
        return tr("備考");
    default:
        return {};
    }
}

Qt::ItemFlags SymbolListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return m_lines.at(index.row()).entry < 0 ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

} // namespace pelinor::ui
