#include "ui/input/candidatecell.h"

#include <QMouseEvent>
#include <QPainter>

namespace pelinor::ui {

CandidateCell::CandidateCell(int slot, QWidget* parent)
    : QWidget(parent)
    , m_slot(slot)
{
    setObjectName(QStringLiteral("Cell%1").arg(slot));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CandidateCell::setCell(const QString& text, const QColor& fill)
{
    if (text == m_text && fill == m_fill)
        return;
    m_text = text;
    m_fill = fill;
    update();
}

void CandidateCell::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_fill);
    painter.setPen(Qt::black);
    painter.drawText(rect(), Qt::AlignCenter, m_text);
    QPen frame(Qt::black);
    frame.setWidth(2);
    painter.setPen(frame);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

void CandidateCell::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void CandidateCell::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click && m_clicked)
        m_clicked(m_slot);
}

} // namespace pelinor::ui
