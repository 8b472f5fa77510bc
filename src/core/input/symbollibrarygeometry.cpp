#include "core/input/symbollibrarygeometry.h"

#include "core/input/symbollibrarypage.h"

#include <QtMath>

#include <algorithm>

namespace pelinor::core {

SymbolLibraryGeometry::SymbolLibraryGeometry(int areaWidth, int visibleHeight)
    : m_pitch(std::max(kMinimumPitch, (areaWidth - 31) / kSymbolLibraryColumnCount))
{
    if (visibleHeight <= 0)
        return;
    // The last row's cells end before kGridTop + (rows − 1)·(pitch + 1) + pitch − 1, that is before
    // kGridTop + rows·pitch + rows − 2.
    const int rows = kSymbolLibraryRowCount;
    const int fitted = (visibleHeight - kGridTop - rows + 2) / rows;
    const int smallest = std::max(kMinimumPitch, static_cast<int>(kSmallestFittedShare * m_pitch));
    m_pitch = std::clamp(fitted, std::min(smallest, m_pitch), m_pitch);
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
