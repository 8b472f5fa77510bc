#include "ui/tables/symbolviewmodel.h"

#include "core/common/hexcode.h"
#include "ui/common/fontfamilies.h"

#include <QHash>

namespace pelinor::ui {

namespace {

// Captions and widths of the columns, in column order.
struct ColumnInfo {
    const char* caption;
    int width;
};
constexpr ColumnInfo kColumns[SymbolViewModel::ColumnCount] = {
    {"No", 50},
    {"Unicode", 80},
    {"ｸﾞﾘﾌ", 60},
    {"英語名", 180},
    {"日本語名", 180},
    {"補助", 60},
    {"備考", 200},
};

QFont pixelFont(const QString& family, int pixels)
{
    QFont font = fontOfFamily(family);
    font.setPixelSize(pixels);
    return font;
}

} // namespace

SymbolViewModel::SymbolViewModel(QObject* parent)
    : QAbstractTableModel(parent)
    // 12 and 15 points at 96 dots per inch.
    , m_textFont(pixelFont(QStringLiteral("Tahoma"), 16))
    , m_japaneseFont(pixelFont(QStringLiteral("ＭＳ Ｐゴシック"), 16))
    , m_glyphFont(pixelFont(QStringLiteral("Segoe UI"), 20))
{
}

int SymbolViewModel::columnWidth(int column)
{
    return column >= 0 && column < ColumnCount ? kColumns[column].width : 0;
}

void SymbolViewModel::setDatabase(core::SymbolDatabase database, const QString& displayFont)
{
    beginResetModel();
    m_database = std::move(database);
    m_glyphFont = pixelFont(displayFont, 20);
    m_rows.clear();
    m_rowOfEntry.fill(-1, m_database.entries().size());

    // Entries of each group in file order; groups by their place in the group list.
    QHash<int, qsizetype> groupOfNumber;
    const QList<core::SymbolGroup>& groups = m_database.groups();
    for (qsizetype g = 0; g < groups.size(); ++g)
        groupOfNumber.insert(groups[g].number, g);
    QList<QList<qsizetype>> members(groups.size());
    QList<qsizetype> strays;
    const QList<core::SymbolEntry>& entries = m_database.entries();
    for (qsizetype e = 0; e < entries.size(); ++e) {
        const auto at = groupOfNumber.constFind(entries[e].group);
        if (at == groupOfNumber.constEnd())
            strays.append(e);
        else
            members[*at].append(e);
    }
    m_rows.reserve(groups.size() + entries.size());
    const auto addEntry = [this](qsizetype e) {
        m_rowOfEntry[e] = static_cast<int>(m_rows.size());
        m_rows.append(e);
    };
    for (qsizetype g = 0; g < groups.size(); ++g) {
        m_rows.append(-1 - g);
        for (qsizetype e : members[g])
            addEntry(e);
    }
    for (qsizetype e : strays)
        addEntry(e);
    endResetModel();
}

void SymbolViewModel::clear()
{
    beginResetModel();
    m_database = {};
    m_rows.clear();
    m_rowOfEntry.clear();
    endResetModel();
}

int SymbolViewModel::rowOfNumber(int number) const
{
    return number >= 1 && number <= m_rowOfEntry.size() ? m_rowOfEntry[number - 1] : -1;
}

int SymbolViewModel::numberOfRow(int row) const
{
    if (row < 0 || row >= m_rows.size() || m_rows[row] < 0)
        return 0;
    return static_cast<int>(m_rows[row] + 1);
}

int SymbolViewModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int SymbolViewModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString SymbolViewModel::entryText(const core::SymbolEntry& entry, int number, int column) const
{
    switch (column) {
    case NumberColumn:
        return QString::number(number);
    case CodeColumn:
        return entry.code;
    case GlyphColumn:
        return core::isHexCode(entry.code) ? QString(core::charOfHexCode(entry.code)) : QString();
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

QVariant SymbolViewModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const qsizetype ref = m_rows[index.row()];
    if (ref < 0) {
        const core::SymbolGroup& group = m_database.groups()[-1 - ref];
        switch (role) {
        case Qt::DisplayRole:
            return index.column() == 0 ? group.name : QVariant();
        case GroupHeaderRole:
            return true;
        case NumberRole:
            return 0;
        case Qt::FontRole:
            return m_japaneseFont;
        default:
            return {};
        }
    }
    const core::SymbolEntry& entry = m_database.entries()[ref];
    const int number = static_cast<int>(ref + 1);
    switch (role) {
    case Qt::DisplayRole:
        return entryText(entry, number, index.column());
    case GroupHeaderRole:
        return false;
    case MarkedNoteRole:
        return entry.note.contains(u'注');
    case NumberRole:
        return number;
    case Qt::FontRole:
        if (index.column() == GlyphColumn)
            return m_glyphFont;
        return index.column() == JapaneseColumn || index.column() == NoteColumn ? m_japaneseFont : m_textFont;
    case Qt::TextAlignmentRole: {
        const bool left
            = index.column() == EnglishColumn || index.column() == JapaneseColumn || index.column() == NoteColumn;
        return (Qt::AlignVCenter | (left ? Qt::AlignLeft : Qt::AlignHCenter)).toInt();
    }
    default:
        return {};
    }
}

QVariant SymbolViewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return tr(kColumns[section].caption);
    return {};
}

Qt::ItemFlags SymbolViewModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (data(index, GroupHeaderRole).toBool())
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

} // namespace pelinor::ui
