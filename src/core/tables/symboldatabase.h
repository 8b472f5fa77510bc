#pragma once

#include "core/tables/skippedline.h"
#include "core/tables/symbolentry.h"
#include "core/tables/symbolgroup.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace pelinor::core {

/// A symbol database file ("DB*.csv"): a header naming the writing system and the display font, the
/// group lines and the symbol entries, each kept in file order.
///
/// Lines of any other shape are ignored. A group line or entry whose group number is not an integer is
/// left out and listed in skippedLines(), and the rest of the file is still read, so that the caller can
/// warn before a save would drop it.
class SymbolDatabase {
public:
    /// Writing system and display font that a file of a given name gets when it has no header.
    struct Header {
        QString writingSystem;
        QString displayFont;
        friend bool operator==(const Header&, const Header&) = default;
    };

    /// Reads the file at `path`. A missing file gives an empty database; an unreadable one gives an empty
    /// database with readError() set.
    static SymbolDatabase read(const QString& path);

    /// The header defaults for a file name ("DBPhonet.csv" → "発音記号" and "Segoe UI", ...).
    static Header defaultsForFileName(QStringView fileName);

    /// Writes the database to `path`, replacing the file atomically: the header, the groups in list order
    /// and the entries whose code is a hex code, in code page 932 with CR LF after every line; in UTF-8 with
    /// its byte-order mark when a name or note would not come back unchanged from code page 932.
    ///
    /// A double quote, line break or U+0000 in an English name is stored as its "#$" escape, as is any
    /// character that code page 932 cannot hold, so the name reads back unchanged. The same characters in
    /// any other field cannot be stored: the write is refused with a message naming the line, and the file
    /// is left as it was.
    bool write(const QString& path, QString* error = nullptr) const;

    /// The lines that write() would store; none, with `error` set, when a field cannot be stored.
    std::optional<QStringList> toLines(QString* error = nullptr) const;

    /// Takes the header defaults of `fileName` when the file gave no writing system.
    void applyFileNameDefaults(QStringView fileName);

    /// Index of the first entry whose code equals `code`, or -1.
    qsizetype indexOfCode(QStringView code) const;

    bool fileExists() const { return m_fileExists; }
    const QString& readError() const { return m_readError; }
    bool hasHeader() const { return m_hasHeader; }

    const QString& writingSystem() const { return m_header.writingSystem; }
    void setWritingSystem(const QString& name) { m_header.writingSystem = name; }
    const QString& displayFont() const { return m_header.displayFont; }
    void setDisplayFont(const QString& font) { m_header.displayFont = font; }

    const QList<SymbolGroup>& groups() const { return m_groups; }
    QList<SymbolGroup>& groups() { return m_groups; }
    const QList<SymbolEntry>& entries() const { return m_entries; }
    QList<SymbolEntry>& entries() { return m_entries; }

    /// Lines left out by read().
    const QList<SkippedLine>& skippedLines() const { return m_skipped; }

private:
    bool m_fileExists = false;
    bool m_hasHeader = false;
    QString m_readError;
    Header m_header;
    QList<SymbolGroup> m_groups;
    QList<SymbolEntry> m_entries;
    QList<SkippedLine> m_skipped;
};

} // namespace pelinor::core
