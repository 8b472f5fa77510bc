#include "ui/tables/symbolviewdelegate.h"

#include "ui/tables/symbolviewmodel.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QPainter>

namespace pelinor::ui {

namespace {

constexpr int kTextIndent = 4;
const QColor kNoteYellow(255, 255, 0);
const QColor kSilver(192, 192, 192);

} // namespace

QString SymbolViewDelegate::fitted(const QString& text, const QFontMetrics& metrics, int width)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    const QString dots = QStringLiteral("...");
    QString shortened = text;
    while (!shortened.isEmpty()) {
        shortened.chop(shortened.size() >= 2 && shortened.back().isLowSurrogate() ? 2 : 1);
        if (metrics.horizontalAdvance(shortened + dots) <= width)
            break;
    }
    return shortened + dots;
}

void SymbolViewDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    painter->save();
    const QPalette& palette = option.palette;
    const bool header = index.data(SymbolViewModel::GroupHeaderRole).toBool();
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
    const bool focused = view && view->hasFocus();

    QColor background = palette.color(QPalette::Base);
    QColor foreground = palette.color(QPalette::Text);
    if (header) {
        background = palette.color(QPalette::Button);
    } else if (selected && focused) {
        background = palette.color(QPalette::Highlight);
        foreground = palette.color(QPalette::HighlightedText);
    } else if (selected) {
        background = kSilver;
        foreground = palette.color(QPalette::ButtonText);
    } else if (index.data(SymbolViewModel::MarkedNoteRole).toBool()) {
        background = kNoteYellow;
    }
    painter->fillRect(option.rect, background);

    const QFont font = index.data(Qt::FontRole).value<QFont>();
    painter->setFont(font);
    painter->setPen(foreground);
    const QFontMetrics metrics(font);
    const QString text = index.data(Qt::DisplayRole).toString();
    if (header) {
        QFont bold = font;
        bold.setBold(true);
        painter->setFont(bold);
        const QRect area = option.rect.adjusted(kTextIndent, 0, -kTextIndent, 0);
        painter->drawText(area, Qt::AlignVCenter | Qt::AlignLeft, fitted(text, QFontMetrics(bold), area.width()));
        painter->restore();
        return;
    }
    const auto alignment = Qt::Alignment::fromInt(index.data(Qt::TextAlignmentRole).toUInt());
    const QRect area = alignment.testFlag(Qt::AlignLeft) ? option.rect.adjusted(kTextIndent, 0, -1, 0)
                                                         : option.rect.adjusted(1, 0, -1, 0);
    painter->drawText(
        area, static_cast<int>(alignment.toInt()) | Qt::TextSingleLine, fitted(text, metrics, area.width()));
    painter->restore();
}

} // namespace pelinor::ui
