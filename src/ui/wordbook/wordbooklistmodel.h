#pragma once

#include "core/wordbook/wordbookrow.h"

#include <QAbstractTableModel>
#include <QList>

namespace pelinor::ui {

/// The rows of the word book list (`WordBookList`): title, file name, group and entry count of each word book
/// of the current folder. Sorting is stable and keeps the selection on its row.
class WordBookListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { TitleColumn = 0, FileNameColumn, GroupColumn, CountColumn, ColumnCount };

    explicit WordBookListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    /// Replaces all rows.
    void setRows(QList<core::WordBookRow> rows);
    const QList<core::WordBookRow>& rows() const { return m_rows; }
    const core::WordBookRow& row(int index) const { return m_rows.at(index); }

    /// Sorts the rows by a column, stable: titles lower-cased, then by UTF-16 code unit; file names and
    /// groups by code unit as they stand. A negative `direction` sorts descending. The count column is
    /// not sortable and is ignored.
    void sortRows(Column column, int direction);

    /// Sets the count of every row whose file name equals `fileName` exactly.
    void setCount(const QString& fileName, qsizetype count);
    /// Sum of all counts.
    qsizetype total() const;
    /// Index of the first row whose file name equals `fileName` exactly, or -1.
    int rowOfFile(const QString& fileName) const;

private:
    QList<core::WordBookRow> m_rows;
};

} // namespace pelinor::ui
