#include "core/input/symbollibrarygeometry.h"

#include "core/input/symbollibrarypage.h"

#include <QtMath>

#include <algorithm>

namespace pelinor::core {

SymbolLibraryGeometry::SymbolLibraryGeometry(int areaWidth)
    : m_pitch(std::max(kMinimumPitch, (areaWidth - 31) / kSymbolLibraryColumnCount))
{
}

QRect SymbolLibraryGeometry::cellRect(int index) const
{
    const int column = index % kSymbolLibraryColumnCount;
    const int row = index / kSymbolLibraryColumnCount;
    return {kGridLeft + m_pitch * column, kGridTop + row * (m_pitch + 1), cellSize(), cellSize()};
}

int SymbolLibraryGeometry::cellAt(QPoint point) const
{
    const int x = point.x() - kGridLeft;
    const int y = point.y() - kGridTop;
    if (x < 0 || y < 0)
        return -1;
    const int column = x / m_pitch;
    const int row = y / (m_pitch + 1);
    if (column >= kSymbolLibraryColumnCount || row >= kSymbolLibraryRowCount)
        return -1;
    const int index = row * kSymbolLibraryColumnCount + column;
    return cellRect(index).contains(point) ? index : -1;
}

QRect SymbolLibraryGeometry::gridRect() const
{
    return cellRect(0).united(cellRect(kSymbolLibraryCellCount - 1));
}

int SymbolLibraryGeometry::labelLimit() const
{
    return qRound(0.4 * cellSize());
}

int SymbolLibraryGeometry::symbolLimit() const
{
    return qRound(0.8 * cellSize());
}

QPoint SymbolLibraryGeometry::textPosition(QSize cell, QSize text, bool withLabels)
{
    const int x = (cell.width() - text.width()) / 2;
    const int y = (cell.height() - text.height()) / 2;
    if (!withLabels)
        return {x, y};
    return {cell.width() / 8 + x, cell.height() / 18 + y};
}

QString SymbolLibraryGeometry::correctionText(int correction)
{
    if (correction == 0)
        return QStringLiteral(" 0");
    return correction > 0 ? u'+' + QString::number(correction) : QString::number(correction);
}

} // namespace pelinor::core
