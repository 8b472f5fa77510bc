#include "ui/tables/candidateglyphbox.h"

#include "ui/common/fontfamilies.h"
#include "ui/input/fitfontsize.h"

#include <QPainter>

#include <cmath>

namespace pelinor::ui {

namespace {

constexpr int kSide = 42;
const QColor kEmptyGrey(128, 128, 128);

} // namespace

CandidateGlyphBox::CandidateGlyphBox(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(kSide, kSide);
}

void CandidateGlyphBox::showGlyph(const QString& glyph, const QString& fontName)
{
    if (glyph == m_glyph && (glyph.isEmpty() || m_fontName == fontName))
        return;
    m_glyph = glyph;
    if (!glyph.isEmpty()) {
        const int limit = static_cast<int>(std::lround(kSide * 0.8));
        m_fontName = fontName;
        m_font = fontOfFamily(fontName);
        m_font.setPointSize(fitFontSize(fontName, limit, limit, this));
    }
    update();
}

void CandidateGlyphBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_glyph.isEmpty()) {
        painter.fillRect(rect(), kEmptyGrey);
        return;
    }
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::gray);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(Qt::black);
    painter.setFont(m_font);
    painter.drawText(rect(), Qt::AlignCenter, m_glyph);
}

} // namespace pelinor::ui
