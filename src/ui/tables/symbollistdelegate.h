#pragma once

#include <QFont>
#include <QStyledItemDelegate>

class QFontMetrics;

namespace pelinor::ui {

/// Paints the symbol list: group header rows across the list, entry rows in their column fonts, yellow
/// when the note holds "注", the selection in the highlight colours with focus and in silver without,
/// text too wide for its cell cut with "...".
class SymbolListDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit SymbolListDelegate(QObject* parent = nullptr);

    /// The display font of the glyph column.
    void setDisplayFont(const QString& family);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    /// `text` shortened from the end, one character at a time, until it fits `width` with "..." appended.
    static QString fitted(const QString& text, const QFontMetrics& metrics, int width);

private:
    QFont m_tahoma;
    QFont m_japanese;
    QFont m_glyph;
    QFont m_header;
};

} // namespace pelinor::ui
