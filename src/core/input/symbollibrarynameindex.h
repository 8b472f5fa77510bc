#pragma once

#include "core/tables/symbolentry.h"

#include <QChar>
#include <QHash>
#include <QList>
#include <QString>

namespace pelinor::core {

/// The names of a symbol database, read once and indexed by code for the cells of a symbol library page.
/// Only entries whose code is a hex code can be found; of several entries with one code the first in file
/// order wins.
class SymbolLibraryNameIndex {
public:
    /// An index without entries.
    SymbolLibraryNameIndex() = default;

    /// Reads the symbol database at `path`. A missing file gives an empty index; a file that exists but
    /// cannot be read gives an empty index with readError() set.
    static SymbolLibraryNameIndex read(const QString& path);

    /// The entry whose code is `code`, or null.
    const SymbolEntry* find(QChar code) const;

    bool fileExists() const { return m_fileExists; }
    const QString& readError() const { return m_readError; }
    qsizetype size() const { return m_index.size(); }

private:
    bool m_fileExists = false;
    QString m_readError;
    QList<SymbolEntry> m_entries;
    QHash<char16_t, qsizetype> m_index;
};

} // namespace pelinor::core
