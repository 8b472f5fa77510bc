#include "ui/input/symbollibrarygrid.h"

#include "core/app/settings.h"
#include "ui/common/fontfamilies.h"
#include "ui/input/fitfontsize.h"
#include "ui/input/symbollibraryaccessible.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace pelinor::ui {

using core::SymbolLibraryCell;
using core::SymbolLibraryGeometry;

namespace {

constexpr int kCellCount = core::kSymbolLibraryCellCount;
constexpr int kColumns = core::kSymbolLibraryColumnCount;
const QColor kHighlight(0x00, 0xFF, 0xFF);

QString labelFamily()
{
    return QStringLiteral("Segoe UI");
}

} // namespace

SymbolLibraryGrid::SymbolLibraryGrid(const core::Settings& settings, QWidget* parent)
    : QWidget(parent)
    , m_settings(settings)
{
    installSymbolLibraryAccessibility();
    setObjectName(QStringLiteral("SymbolGrid"));
    setAccessibleName(tr("記号の一覧"));
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setMouseTracking(false);
    setGeometryOfCells(SymbolLibraryGeometry(0));
}

void SymbolLibraryGrid::setContent(const core::SymbolLibraryContent& content)
{
    m_content = content;
    m_highlighted = -1;
    m_pressed = -1;
    m_pressedShown = false;
    update();
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void SymbolLibraryGrid::setGeometryOfCells(const core::SymbolLibraryGeometry& geometry)
{
    m_geometry = geometry;
    // Room for the cells and for a pressed cell, which moves 2 pixels right and down.
    const QRect grid = geometry.gridRect();
    setFixedSize(grid.width() + 2, grid.height() + 2);

    const QString family = m_settings.text(core::SettingKey::UsrMainFont);
    if (geometry.cellSize() != m_sizedCell || family != m_sizedFamily) {
        m_sizedCell = geometry.cellSize();
        m_sizedFamily = family;
        // Fitted when first drawn or asked for: the library's tab page is hidden at start, and fitting
        // loads the label and symbol fonts.
        m_labelLimit = geometry.labelLimit();
        m_symbolLimit = geometry.symbolLimit();
        m_sizesPending = true;
    }
    update();
}

void SymbolLibraryGrid::fitFontSizes() const
{
    if (!m_sizesPending)
        return;
    m_sizesPending = false;
    m_labelSize = fitFontSize(labelFamily(), m_labelLimit, m_labelLimit, this);
    m_symbolSize = fitFontSize(m_sizedFamily, m_symbolLimit, m_symbolLimit, this);
}

int SymbolLibraryGrid::labelSize() const
{
    fitFontSizes();
    return m_labelSize;
}

int SymbolLibraryGrid::symbolSize() const
{
    fitFontSizes();
    return m_symbolSize;
}

void SymbolLibraryGrid::setSizeCorrection(int correction)
{
    m_correction = correction;
    update();
}

QPoint SymbolLibraryGrid::gridOrigin() const
{
    return {SymbolLibraryGeometry::kGridLeft, SymbolLibraryGeometry::kGridTop};
}

QRect SymbolLibraryGrid::cellRect(int index) const
{
    return m_geometry.cellRect(index).translated(-gridOrigin());
}

int SymbolLibraryGrid::cellAt(QPoint point) const
{
    return m_geometry.cellAt(point + gridOrigin());
}

QFont SymbolLibraryGrid::symbolFont(int pointSize) const
{
    QFont font = fontOfFamily(m_settings.text(core::SettingKey::UsrMainFont));
    font.setPointSize(std::max(1, pointSize));
    return font;
}

void SymbolLibraryGrid::chooseCell(int index)
{
    if (index < 0 || index >= kCellCount || m_content.cell(index).isEmpty())
        return;
    const int previous = m_highlighted;
    m_highlighted = index;
    updateCell(previous);
    setCurrentCell(index);
    updateCell(index);
    Q_EMIT cellChosen(index, m_content.cell(index).text);
}

void SymbolLibraryGrid::setCurrentCell(int index)
{
    if (index == m_current)
        return;
    const int previous = m_current;
    m_current = index;
    updateCell(previous);
    updateCell(index);
    if (hasFocus() && index >= 0) {
        QAccessibleEvent event(this, QAccessible::Focus);
        event.setChild(index);
        QAccessible::updateAccessibility(&event);
    }
}

void SymbolLibraryGrid::updateCell(int index)
{
    if (index >= 0 && index < kCellCount)
        update(cellRect(index).adjusted(0, 0, 2, 2));
}

bool SymbolLibraryGrid::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int index = cellAt(help->pos());
        const QString hint = index >= 0 ? m_content.cell(index).toolTip() : QString();
        if (hint.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            // Kept as written: runs of spaces separate the parts of the hint.
            QString html = hint.toHtmlEscaped();
            html.replace(u'\n', QStringLiteral("<br>"));
            QToolTip::showText(help->globalPos(), QStringLiteral("<p style='white-space:pre'>%1</p>").arg(html), this,
                cellRect(index));
        }
        return true;
    }
    return QWidget::event(event);
}

void SymbolLibraryGrid::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    for (int index = 0; index < kCellCount; ++index) {
        if (index != m_pressed)
            paintCell(painter, index);
    }
    // The pressed cell last, as it moves over its neighbours' edges.
    if (m_pressed >= 0)
        paintCell(painter, m_pressed);
}

void SymbolLibraryGrid::paintCell(QPainter& painter, int index) const
{
    const SymbolLibraryCell& cell = m_content.cell(index);
    QRect rect = cellRect(index);
    if (index == m_pressed && m_pressedShown && cell.text != QLatin1StringView(" "))
        rect.translate(2, 2);
    const int w = rect.width();
    const int h = rect.height();

    painter.save();
    painter.translate(rect.topLeft());
    painter.setClipRect(0, 0, w, h);

    QPen frame(cell.red ? QColor(Qt::red) : QColor(Qt::black), 2);
    frame.setJoinStyle(Qt::MiterJoin);
    if (cell.isEmpty()) {
        painter.fillRect(0, 0, w, h, palette().color(QPalette::Button));
    } else {
        painter.fillRect(0, 0, w, h, index == m_highlighted ? kHighlight : QColor(Qt::white));
        painter.setPen(Qt::black);
        if (cell.hasLabels()) {
            QFont labelFont = fontOfFamily(labelFamily());
            labelFont.setPointSize(labelSize());
            painter.setFont(labelFont);
            const QFontMetrics metrics(labelFont, this);
            const core::SymbolNameLabels labels = cell.labels();
            painter.drawText(4, 1 + metrics.ascent(), labels.first);
            painter.drawText(4, h - metrics.height() - 4 + metrics.ascent(), labels.second);
        }
        const QFont font = symbolFont(symbolSize() + m_correction);
        painter.setFont(font);
        const QFontMetrics metrics(font, this);
        const QPoint at = SymbolLibraryGeometry::textPosition(
            {w, h}, {metrics.horizontalAdvance(cell.text), metrics.height()}, cell.hasLabels());
        painter.drawText(at.x(), at.y() + metrics.ascent(), cell.text);
    }
    painter.setPen(frame);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(1, 1, w - 2, h - 2));

    if (index == m_current && hasFocus()) {
        QPen focus(Qt::black, 1, Qt::DotLine);
        painter.setPen(focus);
        painter.drawRect(QRect(3, 3, w - 7, h - 7));
    }
    painter.restore();
}

void SymbolLibraryGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const int index = cellAt(event->position().toPoint());
    if (index < 0 || m_content.cell(index).isEmpty())
        return;
    m_pressed = index;
    m_pressedShown = true;
    updateCell(index);
}

void SymbolLibraryGrid::mouseMoveEvent(QMouseEvent* event)
{
    if (m_pressed < 0)
        return;
    const bool onCell = cellAt(event->position().toPoint()) == m_pressed;
    if (onCell != m_pressedShown) {
        m_pressedShown = onCell;
        updateCell(m_pressed);
    }
}

void SymbolLibraryGrid::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || m_pressed < 0) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const int index = m_pressed;
    m_pressed = -1;
    m_pressedShown = false;
    updateCell(index);
    if (cellAt(event->position().toPoint()) == index)
        chooseCell(index);
}

void SymbolLibraryGrid::keyPressEvent(QKeyEvent* event)
{
    const int current = m_current < 0 ? 0 : m_current;
    int next = current;
    switch (event->key()) {
    case Qt::Key_Left:
        next = current - 1;
        break;
    case Qt::Key_Right:
        next = current + 1;
        break;
    case Qt::Key_Up:
        next = current - kColumns;
        break;
    case Qt::Key_Down:
        next = current + kColumns;
        break;
    case Qt::Key_Home:
        next = current - current % kColumns;
        break;
    case Qt::Key_End:
        next = current - current % kColumns + kColumns - 1;
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        chooseCell(current);
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (next >= 0 && next < kCellCount)
        setCurrentCell(next);
}

void SymbolLibraryGrid::contextMenuEvent(QContextMenuEvent* event)
{
    // From the keyboard the menu is for the current cell.
    const int index = event->reason() == QContextMenuEvent::Mouse ? cellAt(event->pos()) : m_current;
    if (index < 0 || index >= kCellCount || m_content.cell(index).isEmpty()) {
        event->ignore();
        return;
    }
    const QPoint at
        = event->reason() == QContextMenuEvent::Mouse ? event->globalPos() : mapToGlobal(cellRect(index).center());
    Q_EMIT cellMenuRequested(index, at);
}

void SymbolLibraryGrid::focusInEvent(QFocusEvent* event)
{
    if (m_current < 0)
        m_current = m_highlighted >= 0 ? m_highlighted : 0;
    updateCell(m_current);
    QWidget::focusInEvent(event);
}

void SymbolLibraryGrid::focusOutEvent(QFocusEvent* event)
{
    updateCell(m_current);
    QWidget::focusOutEvent(event);
}

} // namespace pelinor::ui
