#pragma once

#include "core/input/symbollibrarypageid.h"

#include <QString>

#include <array>

namespace pelinor::core {

inline constexpr int kSymbolLibraryCellCount = 100;
inline constexpr int kSymbolLibraryColumnCount = 20;
inline constexpr int kSymbolLibraryRowCount = 5;
/// The first pages of SymbolLibraryPageId belong to the page buttons, the rest to the page list.
inline constexpr int kSymbolLibraryButtonPageCount = 10;

/// A page of the symbol library: its caption and hint, where its names come from, and the text and mark
/// of each of its cells (index 0 to 99, row by row, 20 to a row). An empty text is an empty cell.
struct SymbolLibraryPage {
    SymbolLibraryPageId id = SymbolLibraryPageId::Library;
    QString caption; ///< page button caption or page list entry
    QString hint; ///< page button hint; empty for the pages of the page list
    bool bold = false; ///< the page button's caption is bold
    SymbolLibraryNameSource names = SymbolLibraryNameSource::None;
    std::array<QString, kSymbolLibraryCellCount> texts;
    std::array<bool, kSymbolLibraryCellCount> red{};

    bool isButtonPage() const { return static_cast<int>(id) < kSymbolLibraryButtonPageCount; }
    /// The number of cells that hold text.
    int filledCellCount() const;
};

} // namespace pelinor::core
