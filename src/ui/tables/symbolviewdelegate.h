#pragma once

#include <QStyledItemDelegate>

class QFontMetrics;

namespace pelinor::ui {

/// Draws the rows of a SymbolViewModel as the symbol lists of the table tools do: a yellow background for
/// entries whose note contains "注", the highlight colours on the selected row while the list has the
/// focus and silver without it, text 4 pixels into left-aligned cells, and text that does not fit cut
/// short from the end with "..." appended. Group header rows show the group's name across the row.
class SymbolViewDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    /// `text` shortened one character at a time from the end, with "..." appended, until it fits `width`.
    static QString fitted(const QString& text, const QFontMetrics& metrics, int width);
};

} // namespace pelinor::ui
