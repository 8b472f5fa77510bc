#pragma once

#include "core/input/symbollibrarycontent.h"
#include "core/input/symbollibrarygeometry.h"

#include <QWidget>

namespace pelinor::core {
class Settings;
}

namespace pelinor::ui {

/// The 100 cells of the symbol library, painted in one widget. A cell with text shows its character in the
/// font of the foreign-language input area, the two name labels when it has names, a red frame when it is
/// marked, and its hint as tooltip; an empty cell is a plain frame and cannot be chosen. A click (or Space
/// or Enter on the keyboard's current cell) chooses a cell: it becomes the highlighted cell and
/// cellChosen() is emitted. The widget never takes the focus by mouse, so that the input area keeps it.
class SymbolLibraryGrid : public QWidget {
    Q_OBJECT

public:
    explicit SymbolLibraryGrid(const core::Settings& settings, QWidget* parent = nullptr);

    /// Shows `content`; no cell is highlighted afterwards.
    void setContent(const core::SymbolLibraryContent& content);
    const core::SymbolLibraryContent& content() const { return m_content; }

    /// Places the cells for a tab area of the geometry's width and recomputes the label and symbol sizes
    /// for the cell size and the current font of the foreign-language input area.
    void setGeometryOfCells(const core::SymbolLibraryGeometry& geometry);
    const core::SymbolLibraryGeometry& cellGeometry() const { return m_geometry; }

    /// Points added to the symbol size when drawing (−5 to +5).
    void setSizeCorrection(int correction);
    int sizeCorrection() const { return m_correction; }

    /// Font sizes in points for the cells of the last setGeometryOfCells().
    int labelSize() const;
    int symbolSize() const;

    int highlightedCell() const { return m_highlighted; }
    /// The cell the keyboard acts on, or −1.
    int currentCell() const { return m_current; }

    /// Rectangle of cell `index` in this widget's coordinates.
    QRect cellRect(int index) const;
    /// The cell under `point` (widget coordinates), or −1.
    int cellAt(QPoint point) const;

    /// Chooses cell `index` as a click does; nothing happens for an empty cell.
    void chooseCell(int index);

    /// The font the symbols are drawn in at `pointSize`.
    QFont symbolFont(int pointSize) const;

Q_SIGNALS:
    /// A cell was chosen; `text` is its text.
    void cellChosen(int index, const QString& text);
    /// The context menu was asked for on cell `index`, which holds text.
    void cellMenuRequested(int index, const QPoint& globalPos);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void paintCell(QPainter& painter, int index) const;
    void setCurrentCell(int index);
    void updateCell(int index);
    QPoint gridOrigin() const;
    /// Fits the label and symbol sizes to the cells, when the cells or the family changed since.
    void fitFontSizes() const;

    const core::Settings& m_settings;
    core::SymbolLibraryContent m_content;
    core::SymbolLibraryGeometry m_geometry{0};
    mutable int m_labelSize = 8;
    mutable int m_symbolSize = 8;
    mutable bool m_sizesPending = false;
    int m_labelLimit = 0;
    int m_symbolLimit = 0;
    int m_correction = 0;
    int m_highlighted = -1;
    int m_pressed = -1; ///< cell under the held mouse button
    bool m_pressedShown = false; ///< the pressed cell is drawn moved (the pointer is still on it)
    int m_current = -1;
    // Key of the last size computation: cell size and symbol font family.
    int m_sizedCell = -1;
    QString m_sizedFamily;
};

} // namespace pelinor::ui
