#pragma once

#include "core/tables/symbolnamelabels.h"

#include <QString>

namespace pelinor::core {

/// One cell of the symbol library as shown: its text (empty, one character, or the digraph "Ch"/"ch"),
/// the names of its first character from the page's symbol database, and its mark.
struct SymbolLibraryCell {
    QString text;
    QString englishName; ///< hex escapes resolved
    QString japaneseName;
    QString note;
    QString unicodeName; ///< set for the cells of a search and of the recent and favourite pages
    bool red = false;

    bool isEmpty() const { return text.isEmpty(); }

    /// The cell's hint: the Japanese name, two spaces, the note, two spaces, then the code of the first
    /// character in brackets ("キリル大文字アー  ローマ字: A  [0410]"). Empty for an empty cell.
    QString hint() const;

    /// The hint, and for a cell with an English name a second line with its labels separated by two
    /// spaces: the labels drawn in the cell are often cut off by its edge; then the Unicode name, if set.
    QString toolTip() const;

    /// The two labels drawn in the cell, from the English name; both empty without one.
    SymbolNameLabels labels() const { return SymbolNameLabels::of(englishName); }
    bool hasLabels() const { return !englishName.isEmpty(); }

    friend bool operator==(const SymbolLibraryCell&, const SymbolLibraryCell&) = default;
};

} // namespace pelinor::core
