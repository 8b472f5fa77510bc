#pragma once

#include "core/input/candidatebuffer.h"
#include "core/input/candidaterecord.h"
#include "core/input/tudb.h"
#include "core/tables/skippedline.h"

#include <QHash>
#include <QList>
#include <QString>

#include <vector>

namespace pelinor::core {

/// The part of a symbol that symbolText() returns.
enum class SymbolPart { JapaneseName, EnglishName, Note };

/// One table set of the input engine: a candidate table read from a candidate file and the symbols of its
/// candidates read from a symbol database, with an index on each so that every query is a hash lookup.
///
/// A line whose key or candidate field of four characters is not hexadecimal, or whose auxiliary field
/// is not an integer, is left out and listed in skippedLines(); so is a candidate line whose key an
/// earlier line already has, since every query uses the first line of a key. Loading always completes.
class TableSet {
public:
    /// Replaces the set with the tables of the two files, bare names looked up in `tableFolder`. A missing
    /// candidate file gives an empty candidate table, a missing symbol database an empty database; neither
    /// is reported. A file that exists but cannot be read is reported in skippedLines() with line 0.
    void loadTableSet(
        const QString& tableFolder, const QString& candidateFileName, const QString& symbolDatabaseFileName);

    /// True when the first candidate record of `key` has at least one candidate.
    bool isTrigger(char16_t key) const;

    /// Empties all ten slots of `buffer`, then puts the nine candidates of the first record of `key` into
    /// slots 1 to 9 (all empty when no record has that key).
    void fetchCandidates(char16_t key, CandidateBuffer& buffer) const;

    /// The requested text of the symbol `code`; empty for code 0 and for a code without symbol.
    QString symbolText(char16_t code, SymbolPart part) const;

    /// The symbol `code`, or null for code 0 and for a code without symbol.
    const TUDB* findSymbol(char16_t code) const;

    /// Discards the candidate table, the symbols and the skipped-line list.
    void releaseTables();

    /// The lines that the last load left out, in file order, candidate file first.
    const QList<SkippedLine>& skippedLines() const { return m_skipped; }

    /// The usable candidate records in file order; the later lines of a repeated key are not kept.
    const std::vector<CandidateRecord>& candidateRecords() const { return m_records; }

    /// The symbols of the candidates that the symbol database describes, each once.
    const std::vector<TUDB>& symbols() const { return m_symbols; }

private:
    void loadCandidates(const QString& path, const QString& fileName);
    void loadSymbols(const QString& path, const QString& fileName);

    std::vector<CandidateRecord> m_records;
    QHash<char16_t, qsizetype> m_recordOfKey;
    std::vector<TUDB> m_symbols;
    QHash<char16_t, qsizetype> m_symbolOfCode;
    QList<SkippedLine> m_skipped;
};

} // namespace pelinor::core
