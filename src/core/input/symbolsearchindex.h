#pragma once

#include "core/tables/symbolentry.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
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
/// when the name contains the query, Latin case ignored; a query of one Latin letter matches names that
/// have it as a word of its own. A query that is a code ("0259", "U+0259") or a
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
    qsizetype unicodeNameCount() const;
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

    /// Characters whose Unicode name is a shared prefix and their code ("CJK UNIFIED IDEOGRAPH-4E00"):
    /// kept as the prefix and the codes, which makes the text that every search reads six times smaller.
    struct NumberedNames {
        std::string prefix; ///< up to and with the hyphen
        std::vector<char32_t> codes;
    };

    void build() const;
    void addUnicodeName(char32_t code, std::string_view name) const;
    void searchDatabases(const QString& folded, std::vector<char32_t>& out, std::vector<bool>& seen) const;
    void searchUnicodeNames(const std::string& upper, std::vector<char32_t>& out, std::vector<bool>& seen) const;
    void searchLetter(char letter, std::array<std::vector<char32_t>, 4>& buckets) const;
    void searchNumberedNames(const std::string& upper, std::array<std::vector<char32_t>, 4>& buckets) const;

    DatabaseSource m_databases;
    mutable bool m_built = false;
    mutable std::vector<DatabaseEntry> m_entries;
    mutable QHash<char32_t, qsizetype> m_entryOfCode;
    /// Every Unicode name in upper case, each followed by a newline, in code order.
    mutable std::string m_unicodeNames;
    mutable std::vector<std::uint32_t> m_unicodeNameStart;
    mutable std::vector<char32_t> m_unicodeCodes;
    mutable std::vector<NumberedNames> m_numberedNames;
};

} // namespace pelinor::core
