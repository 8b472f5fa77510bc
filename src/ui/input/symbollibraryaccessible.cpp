#include "ui/input/symbollibraryaccessible.h"

#include "ui/input/symbollibrarygrid.h"

#include <QCoreApplication>

namespace pelinor::ui {

namespace {

/// One cell of the grid: a button named by the cell's text.
class CellAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    CellAccessible(SymbolLibraryGrid* grid, int index)
        : m_grid(grid)
        , m_index(index)
    {
    }

    bool isValid() const override { return !m_grid.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_grid ? m_grid->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_grid.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::Button; }
    void setText(QAccessible::Text, const QString&) override { }

    QString text(QAccessible::Text kind) const override
    {
        if (!m_grid)
            return {};
        const core::SymbolLibraryCell& cell = m_grid->content().cell(m_index);
        switch (kind) {
        case QAccessible::Name:
            return cell.isEmpty() ? QCoreApplication::translate("pelinor::ui::SymbolLibraryGrid", "空き") : cell.text;
        case QAccessible::Description:
            return cell.toolTip();
        default:
            return {};
        }
    }

    QRect rect() const override
    {
        if (!m_grid)
            return {};
        const QRect local = m_grid->cellRect(m_index);
        return {m_grid->mapToGlobal(local.topLeft()), local.size()};
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        // One read of the guarded pointer: the grid cannot go away between the checks below.
        const SymbolLibraryGrid* grid = m_grid.data();
        if (grid == nullptr)
            return state;
        state.disabled = grid->content().cell(m_index).isEmpty();
        state.focusable = true;
        state.focused = grid->hasFocus() && grid->currentCell() == m_index;
        state.selected = grid->highlightedCell() == m_index;
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (m_grid && name == pressAction())
            m_grid->chooseCell(m_index);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<SymbolLibraryGrid> m_grid;
    int m_index;
};

QAccessibleInterface* gridFactory(const QString& className, QObject* object)
{
    if (className == QLatin1StringView(SymbolLibraryGrid::staticMetaObject.className())) {
        if (auto* grid = qobject_cast<SymbolLibraryGrid*>(object))
            return new SymbolLibraryGridAccessible(grid);
    }
    return nullptr;
}

} // namespace

void installSymbolLibraryAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(gridFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

SymbolLibraryGridAccessible::SymbolLibraryGridAccessible(SymbolLibraryGrid* grid)
    : QAccessibleWidget(grid, QAccessible::Grouping)
{
}

SymbolLibraryGridAccessible::~SymbolLibraryGridAccessible()
{
    for (QAccessible::Id id : m_cells) {
        if (id)
            QAccessible::deleteAccessibleInterface(id);
    }
}

SymbolLibraryGrid* SymbolLibraryGridAccessible::grid() const
{
    return static_cast<SymbolLibraryGrid*>(widget());
}

int SymbolLibraryGridAccessible::childCount() const
{
    return core::kSymbolLibraryCellCount;
}

QAccessibleInterface* SymbolLibraryGridAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    QAccessible::Id& id = m_cells.at(static_cast<size_t>(index));
    if (!id)
        id = QAccessible::registerAccessibleInterface(new CellAccessible(grid(), index));
    return QAccessible::accessibleInterface(id);
}

int SymbolLibraryGridAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    for (size_t i = 0; i < m_cells.size(); ++i) {
        if (m_cells[i] && QAccessible::accessibleInterface(m_cells[i]) == child)
            return static_cast<int>(i);
    }
    return -1;
}

QAccessibleInterface* SymbolLibraryGridAccessible::childAt(int x, int y) const
{
    const int index = grid()->cellAt(grid()->mapFromGlobal(QPoint(x, y)));
    return index >= 0 ? child(index) : nullptr;
}

QAccessibleInterface* SymbolLibraryGridAccessible::focusChild() const
{
    return grid()->hasFocus() && grid()->currentCell() >= 0 ? child(grid()->currentCell()) : nullptr;
}

} // namespace pelinor::ui
