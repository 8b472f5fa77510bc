#include "ui/wordbook/wordlistmodel.h"

#include "core/wordbook/wordbook.h"
#include "core/wordbook/wordbookescapes.h"
#include "ui/common/qtcolours.h"

#include <QColor>

namespace pelinor::ui {

WordListModel::WordListModel(core::WordBook& book, QObject* parent)
    : QAbstractTableModel(parent)
    , m_book(book)
{
}

int WordListModel::bookRows() const
{
    return m_showing ? static_cast<int>(m_book.entryCount()) : 0;
}

int WordListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int WordListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

std::optional<core::WordField> WordListModel::fieldOfColumn(int column) const
{
    return core::wordFieldAtColumn(column, m_foreignFirst);
}

QVariant WordListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = index.row();
    if (row >= m_rows || row >= m_book.entryCount())
        return {};
    const core::WordEntry& entry = m_book.entries().at(row);
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole: {
        if (column == NumberColumn)
            return QString::number(entry.number);
        const std::optional<core::WordField> field = fieldOfColumn(column);
        return field ? entry.field(*field) : QString();
    }
    case Qt::ForegroundRole: {
        const std::optional<core::ColourRgb> colour = core::colourFromText(entry.colour);
        if (!colour)
            return {};
        return toQColor(*colour);
    }
    case Qt::TextAlignmentRole:
        if (column == NumberColumn)
            return QVariant::fromValue(Qt::AlignCenter);
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    case CellKindRole: {
        CellKind kind = CellKind::Japanese;
        if (column == NumberColumn)
            kind = CellKind::Number;
        else if (column == PhoneticColumn)
            kind = CellKind::Phonetic;
        else if (fieldOfColumn(column) == core::WordField::ForeignWord)
            kind = CellKind::Foreign;
        return static_cast<int>(kind);
    }
    case ColourTextRole:
        return entry.colour;
    default:
        return {};
    }
}

QString WordListModel::caption(int column) const
{
    switch (column) {
    case FirstColumn:
        return m_foreignFirst ? m_languageName : tr("日本語");
    case NumberColumn:
        return tr("No");
    case PhoneticColumn:
        return tr("発音記号");
    case KanaColumn:
        return tr("発音カナ");
    case FifthColumn:
        return m_foreignFirst ? tr("日本語") : m_languageName;
    case NoteColumn:
        return tr("備考");
    case SoundColumn:
        return tr("音声ファイル");
    case ColourColumn:
        return tr("文字色");
    default:
        return {};
    }
}

QVariant WordListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole)
        return caption(section);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

void WordListModel::showBook(bool showing)
{
    beginResetModel();
    m_showing = showing;
    m_rows = bookRows();
    endResetModel();
}

void WordListModel::setForeignFirst(bool foreignFirst)
{
    if (m_foreignFirst == foreignFirst)
        return;
    m_foreignFirst = foreignFirst;
    Q_EMIT headerDataChanged(Qt::Horizontal, FirstColumn, FifthColumn);
    if (m_rows > 0)
        Q_EMIT dataChanged(index(0, FirstColumn), index(m_rows - 1, FifthColumn));
}

void WordListModel::setLanguageName(const QString& name)
{
    if (m_languageName == name)
        return;
    m_languageName = name;
    Q_EMIT headerDataChanged(Qt::Horizontal, FirstColumn, FifthColumn);
}

bool WordListModel::appendEntry(const core::WordEntry& entry, QString* error)
{
    return insertEntry(m_book.entryCount(), entry, error);
}

bool WordListModel::insertEntry(qsizetype index, const core::WordEntry& entry, QString* error)
{
    if (!m_book.insertEntry(index, entry, error))
        return false;
    if (!m_showing)
        return true;
    const int at = static_cast<int>(index);
    beginInsertRows(QModelIndex(), at, at);
    m_rows = bookRows();
    endInsertRows();
    // The numbers below the new entry moved on by one.
    if (at + 1 < m_rows)
        Q_EMIT dataChanged(this->index(at + 1, NumberColumn), this->index(m_rows - 1, NumberColumn));
    return true;
}

bool WordListModel::replaceEntry(qsizetype index, const core::WordEntry& entry, QString* error)
{
    if (!m_book.replaceEntry(index, entry, error))
        return false;
    const int at = static_cast<int>(index);
    if (m_showing && at < m_rows)
        Q_EMIT dataChanged(this->index(at, 0), this->index(at, ColumnCount - 1));
    return true;
}

bool WordListModel::removeEntry(qsizetype index, QString* error)
{
    if (!m_book.removeEntry(index, error))
        return false;
    if (!m_showing)
        return true;
    const int at = static_cast<int>(index);
    beginRemoveRows(QModelIndex(), at, at);
    m_rows = bookRows();
    endRemoveRows();
    if (at < m_rows)
        Q_EMIT dataChanged(this->index(at, NumberColumn), this->index(m_rows - 1, NumberColumn));
    return true;
}

bool WordListModel::moveEntry(qsizetype from, qsizetype before, QString* error)
{
    if (!m_book.moveEntry(from, before, error))
        return false;
    if (!m_showing)
        return true;
    const int source = static_cast<int>(from);
    const int target = static_cast<int>(before);
    if (target != source && target != source + 1) {
        beginMoveRows(QModelIndex(), source, source, QModelIndex(), target);
        endMoveRows();
    }
    if (m_rows > 0)
        Q_EMIT dataChanged(index(0, NumberColumn), index(m_rows - 1, NumberColumn));
    return true;
}

bool WordListModel::setEntryColour(qsizetype index, const QString& colour, QString* error)
{
    if (!m_book.setEntryColour(index, colour, error))
        return false;
    const int at = static_cast<int>(index);
    if (m_showing && at < m_rows)
        Q_EMIT dataChanged(this->index(at, 0), this->index(at, ColumnCount - 1));
    return true;
}

bool WordListModel::sortEntries(core::WordField field, int direction, QString* error)
{
    if (!m_book.sortEntries(field, direction, error))
        return false;
    if (m_showing) {
        beginResetModel();
        endResetModel();
    }
    return true;
}

} // namespace pelinor::ui
