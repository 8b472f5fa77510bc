#pragma once

#include <QAbstractTableModel>
#include <QList>

namespace pelinor::core {
class SymbolDatabaseDocument;
}

namespace pelinor::ui {

/// The rows of an open symbol database as the editor lists them: a header row per group that has rows,
/// in group order, followed by the group's rows in list order. Rows whose group has no group line come
/// last, under a header of their number.
class SymbolListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        NoColumn,
        CodeColumn,
        GlyphColumn,
        EnglishColumn,
        JapaneseColumn,
        AuxiliaryColumn,
        NoteColumn,
        ColumnCount
    };
    enum Role {
        HeaderRowRole = Qt::UserRole + 1, ///< true for a group header row
        EntryRole, ///< index of the row in the document, -1 for a header
        NoteRole, ///< the row's note (the delegate marks rows whose note holds "注")
    };

    explicit SymbolListModel(const core::SymbolDatabaseDocument& document, QObject* parent = nullptr);

    /// Rebuilds the list after rows were added, removed or the file changed.
    void reload();
    /// Redraws the row of document entry `entry`.
    void entryChanged(qsizetype entry);
    /// The list row of document entry `entry`, or -1.
    int rowOfEntry(qsizetype entry) const;
    /// The document entry of list row `row`, or -1 for a header row.
    qsizetype entryOfRow(int row) const;
    /// List rows that are group headers.
    QList<int> headerRows() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    struct Line {
        qsizetype entry = -1; ///< -1: header of `group`
        int group = 0;
    };

    const core::SymbolDatabaseDocument& m_document;
    QList<Line> m_lines;
    QList<int> m_rowOfEntry;
};

} // namespace pelinor::ui
