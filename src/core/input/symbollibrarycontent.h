#pragma once

#include "core/input/symbollibrarycell.h"
#include "core/input/symbollibrarypage.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace pelinor::core {

class Settings;
class SymbolLibraryNameIndex;

/// The 100 cells the symbol library shows: a page filled with its texts and marks and, for a page with a
/// symbol database, the names of each cell's first character.
class SymbolLibraryContent {
public:
    /// No page: every cell empty.
    SymbolLibraryContent() = default;

    /// The cells of `page`, with names from `names` when given.
    static SymbolLibraryContent of(const SymbolLibraryPage& page, const SymbolLibraryNameIndex* names = nullptr);

    /// The cells of `page`, with names read from its symbol database (named by `settings`) in
    /// `tableFolder`. A missing database leaves the cells without names; one that cannot be read does too
    /// and sets nameError().
    static SymbolLibraryContent load(
        const SymbolLibraryPage& page, const Settings& settings, const QString& tableFolder);

    /// Cells that no page holds (search results, recent and favourite symbols), in order from the first
    /// cell; those beyond the last cell are left out.
    static SymbolLibraryContent ofCells(const QList<SymbolLibraryCell>& cells);

    /// The page shown, if any.
    std::optional<SymbolLibraryPageId> page() const { return m_page; }

    /// Cell `index`, 0 to 99.
    const SymbolLibraryCell& cell(int index) const { return m_cells.at(static_cast<size_t>(index)); }
    bool isEmpty() const;

    /// Why the page's symbol database could not be read; empty when it was read or is missing.
    const QString& nameError() const { return m_nameError; }

private:
    std::optional<SymbolLibraryPageId> m_page;
    std::array<SymbolLibraryCell, kSymbolLibraryCellCount> m_cells;
    QString m_nameError;
};

} // namespace pelinor::core
