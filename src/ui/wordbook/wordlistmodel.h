#pragma once

#include "core/wordbook/wordentry.h"
#include "core/wordbook/wordlistcolumns.h"

#include <QAbstractTableModel>
#include <QString>

#include <optional>

namespace pelinor::core {
class WordBook;
}

namespace pelinor::ui {

/// The word list (`WordList`) as a table over the open word book: one row per entry, eight columns by
/// position. The direction decides whether position 1 shows the foreign word (and position 5 the
/// Japanese meaning) or the other way round; the stored order of the fields never changes.
///
/// Every change of the entries goes through this model, which lets the word book write its file first
/// and tells the views afterwards; a change whose write fails changes neither the file nor the list.
class WordListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    /// Column positions, 0-based (position 1 of the user's view is column 0).
    enum Column {
        FirstColumn = 0, ///< foreign word or Japanese meaning
        NumberColumn,
        PhoneticColumn,
        KanaColumn,
        FifthColumn, ///< Japanese meaning or foreign word
        NoteColumn,
        SoundColumn,
        ColourColumn, ///< never shown
        ColumnCount
    };
    static_assert(ColumnCount == core::kWordListColumnCount);

    /// How a cell is drawn: its font and indent follow from it.
    enum class CellKind { Foreign, Phonetic, Number, Japanese };

    enum Role {
        /// CellKind of the cell, as int.
        CellKindRole = Qt::UserRole + 1,
        /// The entry's stored colour text.
        ColourTextRole,
    };

    explicit WordListModel(core::WordBook& book, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    /// True while the list shows the open book; false leaves it empty whatever the book holds.
    bool isShowing() const { return m_showing; }
    /// Shows the book's entries as they are now (after it was opened or re-read), or nothing.
    void showBook(bool showing);

    /// Direction: true = foreign word first (`EiwaFlg` 1).
    bool foreignFirst() const { return m_foreignFirst; }
    void setForeignFirst(bool foreignFirst);
    /// Language name of the current script, the caption of the foreign-word column.
    void setLanguageName(const QString& name);
    /// Caption of a column position.
    QString caption(int column) const;
    /// The stored field a column position shows, or nullopt for the number column.
    std::optional<core::WordField> fieldOfColumn(int column) const;

    // Changes of the open book, each written to its file before the list follows.
    bool appendEntry(const core::WordEntry& entry, QString* error = nullptr);
    bool insertEntry(qsizetype index, const core::WordEntry& entry, QString* error = nullptr);
    bool replaceEntry(qsizetype index, const core::WordEntry& entry, QString* error = nullptr);
    bool removeEntry(qsizetype index, QString* error = nullptr);
    bool moveEntry(qsizetype from, qsizetype before, QString* error = nullptr);
    bool setEntryColour(qsizetype index, const QString& colour, QString* error = nullptr);
    bool sortEntries(core::WordField field, int direction, QString* error = nullptr);

    const core::WordBook& book() const { return m_book; }

private:
    int bookRows() const;

    core::WordBook& m_book;
    int m_rows = 0; // rows the views know of
    bool m_showing = false;
    bool m_foreignFirst = false;
    QString m_languageName;
};

} // namespace pelinor::ui
