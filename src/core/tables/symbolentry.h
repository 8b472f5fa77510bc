#pragma once

#include <QString>

namespace pelinor::core {

/// A symbol entry of a symbol database, its fields as the file holds them. The symbol number ("No") is the
/// entry's 1-based position among the entries and is not stored.
struct SymbolEntry {
    int group = 0; ///< number of the entry's group
    QString code; ///< a hex code; an entry whose code is not one is never written
    QString englishName; ///< as stored, "#$" escapes not resolved
    QString japaneseName;
    QString auxiliary; ///< auxiliary kind: "0", "1" or "2" in a well-formed file
    QString note;

    friend bool operator==(const SymbolEntry&, const SymbolEntry&) = default;
};

} // namespace pelinor::core
