#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

namespace pelinor::core {

/// Where the symbol library puts its 100 cells for a given width of the tab area, and where a cell puts
/// its text. Coordinates are those of the tab area; cells are squares one pixel smaller than the pitch,
/// in 5 rows of 20, rows one pixel further apart than columns.
class SymbolLibraryGeometry {
public:
    static constexpr int kGridLeft = 8;
    static constexpr int kGridTop = 60;
    /// The pitch never drops below this, so that a very narrow or not yet shown tab area still gives
    /// cells that can be drawn and hit.
    static constexpr int kMinimumPitch = 10;

    /// The pitch fitted to a tab area's height never drops below this share of the pitch its width gives:
    /// in a lower area made much smaller the cells keep a readable size and the grid scrolls instead.
    static constexpr double kSmallestFittedShare = 0.75;

    /// The cell layout for a tab area `areaWidth` pixels wide: pitch (areaWidth − 31) div 20. With a
    /// `visibleHeight` above 0 the pitch is made smaller where that is needed for all five rows to show
    /// within it (the tab bar and fonts of the desktop may leave less height than the area was made for),
    /// though not below kSmallestFittedShare of the pitch of the width.
    explicit SymbolLibraryGeometry(int areaWidth, int visibleHeight = 0);

    int pitch() const { return m_pitch; }
    /// Side of a cell: pitch − 1.
    int cellSize() const { return m_pitch - 1; }

    /// Rectangle of cell `index` (0 to 99).
    QRect cellRect(int index) const;
    /// The cell under `point`, or −1 when the point lies in no cell.
    int cellAt(QPoint point) const;
    /// The rectangle that holds all cells.
    QRect gridRect() const;

    /// Font size limit in pixels of the name labels (0.4 of the cell size) and of the symbols (0.8).
    int labelLimit() const;
    int symbolLimit() const;

    /// Top-left corner of a cell's text of size `text` in a cell of size `cell`: centred, or shifted right
    /// by an eighth and down by an eighteenth of the cell when the cell shows name labels.
    static QPoint textPosition(QSize cell, QSize text, bool withLabels);

    /// The size correction as its label shows it: " 0", "-2", "+3".
    static QString correctionText(int correction);

private:
    int m_pitch;
};

} // namespace pelinor::core
