#pragma once

#include "core/tables/skippedline.h"
#include "core/tables/symbolentry.h"
#include "core/tables/symbolgroup.h"

#include <QList>
#include <QString>
#include <QStringView>
#include <QtGlobal>

namespace pelinor::core {

/// A symbol database open for editing: the file's header, groups and rows, with the rules the table
/// editors share for placing new rows, refusing a second row with a code already present and writing the
/// file back.
///
/// The list order is the file order, and a row's number ("No") is always its 1-based position, so every
/// insertion and deletion renumbers the rows that follow.
class SymbolDatabaseDocument {
public:
    /// What became of a code typed for a row.
    struct CodeChange {
        enum class Result {
            NotHexCode, ///< not four upper-case hexadecimal digits: the row keeps its old code
            Duplicate, ///< another row already holds it: the row keeps its old code
            Taken, ///< the row now holds the code
        };
        Result result = Result::NotHexCode;
        qsizetype otherRow = -1; ///< for Duplicate: the first row that holds the code
    };

    /// Reads the file at `path` and takes its content, replacing what was open; the header defaults of
    /// the file name apply when it has no writing system. False when the file could not be read:
    /// readError() then says why and the document is empty.
    bool open(const QString& path);
    /// Empties the document: no file, no groups, no rows.
    void clear();

    const QString& path() const { return m_path; }
    const QString& readError() const { return m_readError; }
    /// Lines of the last opened file that could not be read (file and line, with the reason).
    const QList<SkippedLine>& skippedLines() const { return m_skipped; }

    const QString& writingSystem() const { return m_writingSystem; }
    /// Sets the writing system and with it the font character set.
    void setWritingSystem(const QString& name);
    quint8 charset() const { return m_charset; }
    void setCharset(quint8 charset) { m_charset = charset; }
    const QString& displayFont() const { return m_displayFont; }
    void setDisplayFont(const QString& font) { m_displayFont = font; }

    const QList<SymbolGroup>& groups() const { return m_groups; }
    /// Name of the group of that number; empty when the file has no such group line.
    QString groupName(int number) const;

    const QList<SymbolEntry>& rows() const { return m_rows; }
    qsizetype rowCount() const { return m_rows.size(); }
    const SymbolEntry& row(qsizetype index) const { return m_rows.at(index); }
    /// The row's number as the editors show it.
    static int rowNumber(qsizetype index) { return static_cast<int>(index + 1); }
    /// The character of the row's code, or empty when the code is not a hex code.
    QString glyph(qsizetype index) const;

    /// Where "追加" puts a new row of group `group`: after the last row of the selected row's group from the
    /// selected row on; with no row selected (`selectedRow` < 0) after the last row of `group`, else before
    /// the first row of the next group that has rows, else at the end.
    qsizetype addPosition(int group, qsizetype selectedRow) const;
    /// Adds an empty row of group `group` at addPosition(); returns its index.
    qsizetype addRow(int group, qsizetype selectedRow);
    /// Inserts an empty row of group `group` before the row at `index` (at the end when it is the row count).
    void insertRow(qsizetype index, int group);
    void removeRow(qsizetype index);

    /// The first row other than `row` whose code equals `code`, or -1.
    qsizetype duplicateOf(QStringView code, qsizetype row) const;
    /// Takes a code typed for `row` (trimmed) unless it is no hex code or another row holds it.
    CodeChange setCode(qsizetype row, const QString& typed);
    void setEnglishName(qsizetype row, const QString& text) { m_rows[row].englishName = text; }
    void setJapaneseName(qsizetype row, const QString& text) { m_rows[row].japaneseName = text; }
    void setNote(qsizetype row, const QString& text) { m_rows[row].note = text; }
    void setAuxiliary(qsizetype row, int kind) { m_rows[row].auxiliary = QString::number(kind); }

    /// Rows that a write leaves out because their code is not a hex code.
    QList<qsizetype> rowsWithoutCode() const;
    /// The question that names those rows before a write; empty when every row has a code.
    QString rowsWithoutCodeQuestion() const;

    /// Writes the document to `path`, replacing the file atomically. On failure `error` names the file and
    /// the reason, and the old file stays as it was.
    bool write(const QString& path, QString* error = nullptr) const;
    /// Makes `path` the document's file (after a write under a new name).
    void setPath(const QString& path) { m_path = path; }

private:
    QString m_path;
    QString m_readError;
    QString m_writingSystem;
    quint8 m_charset = 0;
    QString m_displayFont;
    QList<SymbolGroup> m_groups;
    QList<SymbolEntry> m_rows;
    QList<SkippedLine> m_skipped;
};

} // namespace pelinor::core
