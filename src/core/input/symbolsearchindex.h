#pragma once

#include "core/tables/symbolentry.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace pelinor::core {

/// What the search knows of one character: its text and the names that describe it.
struct SymbolDescription {
    QString text; ///< the character itself (two UTF-16 units outside the Basic Multilingual Plane)
    char32_t code = 0;
    QString englishName; ///< from the program's symbol databases, hex escapes resolved
    QString japaneseName;
    QString note;
    QString unicodeName; ///< from ICU; empty for a character Unicode does not name
};

/// Name search over every character the program can describe: first the entries of its symbol databases
/// (English name, Japanese name and note), then every character Unicode names. The index is built once, at
/// the first call that needs it, since it holds every Unicode name and most runs never search.
///
/// A query matches a database entry when the entry's folded names contain the folded query; folding makes
/// Latin case, full-width and half-width forms and hiragana/katakana alike. It matches a Unicode name
/// when the name contains the query, Latin case ignored. A query that is a code ("0259", "U+0259") or a
/// single character finds that character first. Within each source, names that hold the query as a word
/// of their own come before those that hold it as the start of a word, then the rest; ties keep database
/// order, or code order for Unicode names. Each character is listed once.
class SymbolSearchIndex {
public:
    /// The entries of the program's symbol databases, in the order their matches are listed; called once,
    /// when the index is built.
    using DatabaseSource = std::function<QList<SymbolEntry>()>;

    explicit SymbolSearchIndex(DatabaseSource databases = {});

    /// The codes of every character `query` finds, best first. An empty or blank query finds nothing.
    std::vector<char32_t> search(QStringView query) const;

    /// The names of `code`.
    SymbolDescription describe(char32_t code) const;

    /// Drops the index so that the next search reads the databases again (the tables changed).
    void invalidate();

    bool isBuilt() const { return m_built; }
    /// The number of named Unicode characters in the index (0 before it is built).
    qsizetype unicodeNameCount() const { return static_cast<qsizetype>(m_unicodeCodes.size()); }
    /// Bytes the built index holds on the heap, roughly.
    std::size_t memoryBytes() const;

    /// The folding applied to queries and database names.
    static QString fold(QStringView text);

private:
    struct DatabaseEntry {
        char32_t code = 0;
        QString englishName;
        QString japaneseName;
        QString note;
        QString folded; ///< the three fields folded, separated by newlines
    };

    void build() const;
    void searchDatabases(const QString& folded, std::vector<char32_t>& out, std::vector<bool>& seen) const;
    void searchUnicodeNames(const std::string& upper, std::vector<char32_t>& out, std::vector<bool>& seen) const;

    DatabaseSource m_databases;
    mutable bool m_built = false;
    mutable std::vector<DatabaseEntry> m_entries;
    mutable QHash<char32_t, qsizetype> m_entryOfCode;
    /// Every Unicode name in upper case, each followed by a newline, in code order.
    mutable std::string m_unicodeNames;
    mutable std::vector<std::uint32_t> m_unicodeNameStart;
    mutable std::vector<char32_t> m_unicodeCodes;
};

} // namespace pelinor::core
