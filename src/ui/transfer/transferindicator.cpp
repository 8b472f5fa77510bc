#include "ui/transfer/transferindicator.h"

#include <QPainter>

namespace pelinor::ui {

TransferIndicator::TransferIndicator(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(26, 26);
}

void TransferIndicator::setColour(const QColor& colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    update();
}

void TransferIndicator::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(m_colour);
    painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

} // namespace pelinor::ui
