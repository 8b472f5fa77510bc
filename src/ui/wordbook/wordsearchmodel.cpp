#include "ui/wordbook/wordsearchmodel.h"

#include "ui/wordbook/wordlistmodel.h"

namespace pelinor::ui {

WordSearchModel::WordSearchModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

int WordSearchModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return m_nothingFound ? 1 : static_cast<int>(m_results.size());
}

int WordSearchModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

const core::WordSearchHit* WordSearchModel::hit(int row) const
{
    if (m_nothingFound || row < 0 || row >= m_results.size())
        return nullptr;
    return &m_results.at(row);
}

QVariant WordSearchModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int column = index.column();
    if (role == WordListModel::CellKindRole) {
        WordListModel::CellKind kind = WordListModel::CellKind::Japanese;
        if (column == ForeignColumn)
            kind = WordListModel::CellKind::Foreign;
        else if (column == PhoneticColumn)
            kind = WordListModel::CellKind::Phonetic;
        else if (column == NumberColumn)
            kind = WordListModel::CellKind::Number;
        return static_cast<int>(kind);
    }
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    if (m_nothingFound)
        return column == ForeignColumn ? tr("- なし -") : QString();
    const core::WordSearchHit* found = hit(index.row());
    if (!found)
        return {};
    const core::WordEntry& entry = found->entry;
    switch (column) {
    case ForeignColumn:
        return entry.foreignWord;
    case PhoneticColumn:
        return entry.phonetic;
    case TitleColumn:
        return found->title;
    case NumberColumn:
        return found->numberText();
    case JapaneseColumn:
        return entry.japanese;
    case KanaColumn:
        return entry.kana;
    case NoteColumn:
        return entry.note;
    case SoundColumn:
        return entry.soundFile;
    case ColourColumn:
        return entry.colour;
    default:
        return {};
    }
}

QVariant WordSearchModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case ForeignColumn:
        return m_languageName;
    case PhoneticColumn:
        return tr("発音記号");
    case TitleColumn:
        return tr("単語帳");
    case NumberColumn:
        return tr("No");
    case JapaneseColumn:
        return tr("日本語");
    default:
        return QString();
    }
}

void WordSearchModel::setLanguageName(const QString& name)
{
    m_languageName = name;
    Q_EMIT headerDataChanged(Qt::Horizontal, ForeignColumn, ForeignColumn);
}

void WordSearchModel::clear()
{
    beginResetModel();
    m_results.clear();
    m_nothingFound = false;
    endResetModel();
}

void WordSearchModel::addHits(const QList<core::WordSearchHit>& hits)
{
    if (m_nothingFound)
        clear();
    for (const core::WordSearchHit& found : hits) {
        const auto row = static_cast<int>(found.exact ? 0 : m_results.size());
        beginInsertRows(QModelIndex(), row, row);
        m_results.add(found);
        endInsertRows();
    }
}

void WordSearchModel::showNothingFound()
{
    if (!m_results.isEmpty() || m_nothingFound)
        return;
    beginInsertRows(QModelIndex(), 0, 0);
    m_nothingFound = true;
    endInsertRows();
}

} // namespace pelinor::ui
