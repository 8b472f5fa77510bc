#include "ui/tables/symbollistdelegate.h"

#include "ui/common/fontfamilies.h"
#include "ui/tables/symbollistmodel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>

namespace pelinor::ui {

namespace {

constexpr int kRowHeight = 28;
constexpr int kTextIndent = 4;

QFont pointFont(const QString& family, int points)
{
    QFont font = fontOfFamily(family);
    font.setPointSize(points);
    return font;
}

} // namespace

SymbolListDelegate::SymbolListDelegate(QObject* parent)
    : QStyledItemDelegate(parent)
    , m_tahoma(pointFont(QStringLiteral("Tahoma"), 12))
    , m_japanese(pointFont(tr("ＭＳ Ｐゴシック"), 12))
    , m_glyph(pointFont(QStringLiteral("Times New Roman"), 15))
    , m_header(m_japanese)
{
    m_header.setBold(true);
}

void SymbolListDelegate::setDisplayFont(const QString& family)
{
    m_glyph = pointFont(family, 15);
}

QString SymbolListDelegate::fitted(const QString& text, const QFontMetrics& metrics, int width)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    const QString dots = QStringLiteral("...");
    QString shortened = text;
    while (!shortened.isEmpty() && metrics.horizontalAdvance(shortened + dots) > width)
        shortened.chop(1);
    return shortened + dots;
}

void SymbolListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    painter->save();
    const QPalette& palette = option.palette;
    const QRect cell = option.rect;
    if (index.data(SymbolListModel::HeaderRowRole).toBool()) {
        painter->fillRect(cell, palette.color(QPalette::Button));
        painter->setFont(m_header);
        painter->setPen(palette.color(QPalette::Link));
        const QRect text = cell.adjusted(kTextIndent, 0, -kTextIndent, 0);
        painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
            fitted(index.data().toString(), QFontMetrics(m_header), text.width()));
        painter->setPen(palette.color(QPalette::Mid));
        painter->drawLine(cell.bottomLeft(), cell.bottomRight());
        painter->restore();
        return;
    }

    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
    const bool focused = view && view->hasFocus();
    QColor background = palette.color(QPalette::Base);
    QColor foreground = palette.color(QPalette::Text);
    if (selected && focused) {
        background = palette.color(QPalette::Highlight);
        foreground = palette.color(QPalette::HighlightedText);
    } else if (selected) {
        background = QColor(0xC0, 0xC0, 0xC0);
        foreground = palette.color(QPalette::ButtonText);
    } else if (index.data(SymbolListModel::NoteRole).toString().contains(u'注')) {
        background = Qt::yellow;
    }
    painter->fillRect(cell, background);
    painter->setPen(palette.color(QPalette::Midlight));
    painter->drawLine(cell.topRight(), cell.bottomRight());
    painter->drawLine(cell.bottomLeft(), cell.bottomRight());

    const QFont* font = &m_tahoma;
    Qt::Alignment alignment = Qt::AlignHCenter;
    switch (index.column()) {
    case SymbolListModel::GlyphColumn:
        font = &m_glyph;
        break;
    case SymbolListModel::EnglishColumn:
        alignment = Qt::AlignLeft;
        break;
    case SymbolListModel::JapaneseColumn:
    case SymbolListModel::NoteColumn:
        font = &m_japanese;
        alignment = Qt::AlignLeft;
        break;
    default:
        break;
    }
    const QRect text = alignment == Qt::AlignLeft ? cell.adjusted(kTextIndent, 0, -2, 0) : cell.adjusted(2, 0, -2, 0);
    painter->setFont(*font);
    painter->setPen(foreground);
    painter->drawText(text, static_cast<int>((alignment | Qt::AlignVCenter).toInt()),
        fitted(index.data().toString(), QFontMetrics(*font), text.width()));
    painter->restore();
}

QSize SymbolListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return {QStyledItemDelegate::sizeHint(option, index).width(), kRowHeight};
}

} // namespace pelinor::ui
