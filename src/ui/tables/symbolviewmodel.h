#pragma once

#include "core/tables/symboldatabase.h"

#include <QAbstractTableModel>
#include <QFont>
#include <QList>

namespace pelinor::ui {

/// A symbol database shown read-only, grouped: for each group in group order a header row with the
/// group's name, then the entries of that group in file order. Entries whose group number names no group
/// follow at the end, so that every entry stays visible. Each entry row shows its No (its position in the
/// file), its code, its glyph, its names, its auxiliary kind and its note.
class SymbolViewModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { NumberColumn, CodeColumn, GlyphColumn, EnglishColumn, JapaneseColumn, AuxiliaryColumn, NoteColumn };
    static constexpr int ColumnCount = 7;

    enum Role {
        /// True on a group header row.
        GroupHeaderRole = Qt::UserRole + 1,
        /// True on an entry whose note contains "注": drawn on yellow.
        MarkedNoteRole,
        /// The entry's No; 0 on a group header row.
        NumberRole,
    };

    explicit SymbolViewModel(QObject* parent = nullptr);

    /// Shows `database`; the glyph column draws in `displayFont`.
    void setDatabase(core::SymbolDatabase database, const QString& displayFont);
    void clear();
    const core::SymbolDatabase& database() const { return m_database; }

    /// The view row of a No, or -1.
    int rowOfNumber(int number) const;
    /// The view row's No, or 0 on a header row.
    int numberOfRow(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    /// The width of each column in pixels.
    static int columnWidth(int column);

private:
    QString entryText(const core::SymbolEntry& entry, int number, int column) const;

    core::SymbolDatabase m_database;
    /// Per view row: the entry index, or -1 - the group index on a header row.
    QList<qsizetype> m_rows;
    QList<int> m_rowOfEntry;
    QFont m_textFont;
    QFont m_japaneseFont;
    QFont m_glyphFont;
};

} // namespace pelinor::ui
