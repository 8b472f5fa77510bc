#pragma once

#include "core/input/symbollibrarypage.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <array>

namespace pelinor::ui {

class SymbolLibraryGrid;

/// Installs, once per program, the accessibility support of the symbol library grid: the grid is a group
/// whose 100 children are its cells, each a button named by its text and described by its hint.
void installSymbolLibraryAccessibility();

/// The accessible view of the symbol library grid.
class SymbolLibraryGridAccessible : public QAccessibleWidget {
public:
    explicit SymbolLibraryGridAccessible(SymbolLibraryGrid* grid);
    ~SymbolLibraryGridAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    SymbolLibraryGrid* grid() const;

    mutable std::array<QAccessible::Id, core::kSymbolLibraryCellCount> m_cells{};
};

} // namespace pelinor::ui
