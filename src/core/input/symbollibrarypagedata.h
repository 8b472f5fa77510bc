#pragma once

#include "core/input/symbollibrarypageid.h"

#include <span>

namespace pelinor::core {

/// Consecutive cells of a page: from `firstCell` (1-based) on, the code points `firstCode` to `lastCode` in
/// order; or, when `text` is set, that text in the one cell `firstCell`.
struct SymbolLibraryRun {
    int firstCell;
    char16_t firstCode;
    char16_t lastCode;
    const char16_t* text;
};

/// A page of the symbol library as it is stored in the program.
struct SymbolLibraryPageSource {
    SymbolLibraryPageId id;
    const char* caption; ///< page button caption, or the page list entry (translatable)
    const char* hint; ///< page button hint (translatable); null for the pages of the page list
    bool bold; ///< the page button's caption is bold
    SymbolLibraryNameSource names;
    std::span<const SymbolLibraryRun> runs;
    std::span<const int> redCells; ///< 1-based
};

/// The stored pages, in SymbolLibraryPageId order.
std::span<const SymbolLibraryPageSource> symbolLibraryPageSources();

} // namespace pelinor::core
