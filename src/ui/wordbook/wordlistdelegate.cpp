#include "ui/wordbook/wordlistdelegate.h"

#include "ui/wordbook/wordlistmodel.h"

#include <QPainter>

namespace pelinor::ui {

WordListDelegate::WordListDelegate(QObject* parent)
    : QStyledItemDelegate(parent)
    , m_foreignMetrics(QFont())
    , m_phoneticMetrics(QFont())
    , m_japaneseMetrics(QFont())
{
}

void WordListDelegate::setStyle(const Style& style)
{
    m_style = style;
    m_foreignMetrics = QFontMetrics(style.foreignFont);
    m_phoneticMetrics = QFontMetrics(style.phoneticFont);
    m_japaneseMetrics = QFontMetrics(style.japaneseFont);
}

QString WordListDelegate::fitText(const QFontMetrics& metrics, const QString& text, int available)
{
    if (text.isEmpty() || metrics.horizontalAdvance(text) <= available)
        return text;
    const QString dots = QStringLiteral("...");
    // The longest head that fits with the dots; the width of head + dots grows with the head, so the
    // search finds the same cut as dropping one character after the other.
    qsizetype low = 0;
    qsizetype high = text.size() - 1;
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        if (metrics.horizontalAdvance(text.left(middle) + dots) <= available)
            low = middle;
        else
            high = middle - 1;
    }
    return text.left(low) + dots;
}

void WordListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const int column = index.column();
    if (column == WordListModel::ColourColumn || (m_skipNote && column == WordListModel::NoteColumn))
        return;

    const QPalette& palette = option.palette;
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const auto kind = static_cast<WordListModel::CellKind>(index.data(WordListModel::CellKindRole).toInt());
    QColor background;
    QColor text;
    if (selected) {
        // The selection stays visible when the list has no focus.
        background = palette.color(QPalette::Active, QPalette::Highlight);
        text = palette.color(QPalette::Active, QPalette::HighlightedText);
    } else {
        background = kind == WordListModel::CellKind::Phonetic && m_style.phoneticBackground.isValid()
            ? m_style.phoneticBackground
            : palette.color(QPalette::Active, QPalette::Base);
        const QVariant colour = index.data(Qt::ForegroundRole);
        text = colour.isValid() ? colour.value<QColor>() : palette.color(QPalette::Active, QPalette::Text);
    }

    const QFont* font = &m_style.japaneseFont;
    const QFontMetrics* metrics = &m_japaneseMetrics;
    if (kind == WordListModel::CellKind::Foreign) {
        font = &m_style.foreignFont;
        metrics = &m_foreignMetrics;
    } else if (kind == WordListModel::CellKind::Phonetic) {
        font = &m_style.phoneticFont;
        metrics = &m_phoneticMetrics;
    }

    const QRect cell = option.rect;
    const int indent = indentOf(column);
    const QString shown = fitText(*metrics, index.data(Qt::DisplayRole).toString(), cell.width() - indent);
    const int textWidth = metrics->horizontalAdvance(shown);
    const int top = cell.top() + (cell.height() - metrics->height()) / 2;
    const int left
        = kind == WordListModel::CellKind::Number ? cell.left() + (cell.width() - textWidth) / 2 : cell.left() + indent;

    painter->save();
    painter->setClipRect(cell);
    painter->fillRect(cell, background);
    painter->setFont(*font);
    painter->setPen(text);
    painter->drawText(QPoint(left, top + metrics->ascent()), shown);
    painter->restore();
}

QSize WordListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    // Rows have the height the list sets; this keeps header fitting from measuring every row.
    Q_UNUSED(index)
    return QSize(option.rect.width(), option.rect.height());
}

} // namespace pelinor::ui
