#include "ui/tables/glyphpreview.h"

#include "ui/common/fontfamilies.h"
#include "ui/input/fitfontsize.h"

#include <QPainter>

namespace pelinor::ui {

GlyphPreview::GlyphPreview(QColor frame, int frameWidth, int pointSize, QWidget* parent)
    : QWidget(parent)
    , m_frame(frame)
    , m_frameWidth(frameWidth)
    , m_pointSize(pointSize)
{
}

void GlyphPreview::showGlyph(const QString& glyph, const QString& fontFamily)
{
    m_glyph = glyph;
    m_family = fontFamily;
    m_cleared = false;
    update();
}

void GlyphPreview::clear()
{
    m_glyph.clear();
    m_cleared = true;
    update();
}

void GlyphPreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_cleared) {
        painter.fillRect(rect(), QColor(128, 128, 128));
        return;
    }
    painter.fillRect(rect(), m_frame);
    const QRect inner = rect().adjusted(m_frameWidth, m_frameWidth, -m_frameWidth, -m_frameWidth);
    painter.fillRect(inner, Qt::cyan);
    QFont font = fontOfFamily(m_family);
    font.setPointSize(
        m_pointSize > 0 ? m_pointSize : fitFontSize(m_family, qRound(height() * 0.8), qRound(width() * 0.8), this));
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(inner, Qt::AlignCenter, m_glyph);
}

} // namespace pelinor::ui
