#include "ui/input/keypanelbase.h"

#include "ui/common/fontfamilies.h"

#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>

namespace pelinor::ui {

KeyPanelBase::KeyPanelBase(
    core::KeyPanelKind kind, const QString& fontFamily, const QColor& lowerColour, QWidget* parent)
    : QWidget(parent)
    , m_kind(kind)
    , m_fontFamily(fontFamily)
    , m_background(Qt::lightGray)
    , m_lowerColour(lowerColour)
{
    QFont panelFont = font();
    setFontFamily(panelFont, fontFamily);
    panelFont.setPointSize(9);
    setFont(panelFont);
    setMinimumSize(100, 120);
    relayout();
}

core::KeyFace KeyPanelBase::keyFace(int index) const
{
    return index >= 0 && index < core::KeyPanelFaces::keyCount ? m_faces.keys[static_cast<size_t>(index)]
                                                               : core::KeyFace{};
}

core::KeyFace KeyPanelBase::legendFace(int index) const
{
    return index >= 0 && index < core::KeyPanelFaces::legendCount ? m_faces.legends[static_cast<size_t>(index)]
                                                                  : core::KeyFace{};
}

void KeyPanelBase::setBackground(const QColor& colour)
{
    m_background = colour;
    update();
}

void KeyPanelBase::setLowerColour(const QColor& colour)
{
    m_lowerColour = colour;
    update();
}

void KeyPanelBase::setFaces(const core::KeyPanelFaces& faces)
{
    m_faces = faces;
    m_pressed = {};
    relayout();
    update();
}

void KeyPanelBase::showMessage(const QString& message)
{
    if (m_messageHook)
        m_messageHook(message);
    else
        QMessageBox::information(this, QStringLiteral("Pelinor"), message, QMessageBox::Yes);
}

void KeyPanelBase::relayout()
{
    m_geometryStale = true;
    if (!isVisible()) {
        m_controlsStale = true;
        return;
    }
    laidOut();
    placeControls();
    m_controlsStale = false;
}

const core::KeyPanelGeometry& KeyPanelBase::laidOut() const
{
    if (!m_geometryStale)
        return m_geometry;
    m_geometryStale = false;
    // The keys take the panel's width, narrowed one pixel of key width at a time (13 pixels of panel width)
    // until the fourth row leaves the room the panel's own controls need.
    const int room = roomRightOfLastRow();
    int keysWidth = width();
    m_geometry = core::KeyPanelGeometry(m_kind, keysWidth, height(), m_faces);
    while (room > 0 && m_geometry.keyRect(46).right() + 1 + room > width() && keysWidth > 16 + 13 * 4) {
        keysWidth -= 13;
        m_geometry = core::KeyPanelGeometry(m_kind, keysWidth, height(), m_faces);
    }
    return m_geometry;
}

void KeyPanelBase::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void KeyPanelBase::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_controlsStale)
        relayout();
}

KeyPanelBase::Hit KeyPanelBase::hitAt(QPoint point) const
{
    const core::KeyPanelGeometry& geometry = laidOut();
    if (const int key = geometry.keyAt(point); key >= 0)
        return m_faces.keys[static_cast<size_t>(key)].enabled ? Hit{key, false} : Hit{};
    if (const int legend = geometry.legendAt(point); legend >= 0)
        return m_faces.legends[static_cast<size_t>(legend)].enabled ? Hit{legend, true} : Hit{};
    return {};
}

void KeyPanelBase::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_pressed = hitAt(event->position().toPoint());
    update();
}

void KeyPanelBase::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const Hit pressed = m_pressed;
    m_pressed = {};
    update();
    // A click counts only when the button goes up over the key it went down on.
    if (pressed.index >= 0 && hitAt(event->position().toPoint()) == pressed)
        keyClicked(pressed.index, pressed.legend);
}

void KeyPanelBase::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    if (m_pressed.index >= 0) {
        m_pressed = {};
        update();
    }
}

void KeyPanelBase::paintEvent(QPaintEvent*)
{
    const core::KeyPanelGeometry& geometry = laidOut();
    QPainter painter(this);
    painter.fillRect(QRect(0, 0, width(), colouredHeight), m_background);
    if (m_lowerColour.isValid() && height() > colouredHeight)
        painter.fillRect(QRect(0, colouredHeight, width(), height() - colouredHeight), m_lowerColour);
    for (int i = 0; i < core::KeyPanelFaces::legendCount; ++i)
        paintFace(
            painter, geometry.legendRect(i), m_faces.legends[static_cast<size_t>(i)], false, m_pressed == Hit{i, true});
    for (int i = 0; i < core::KeyPanelFaces::keyCount; ++i)
        paintFace(painter, geometry.keyRect(i), m_faces.keys[static_cast<size_t>(i)], true, m_pressed == Hit{i, false});
}

void KeyPanelBase::paintFace(
    QPainter& painter, const QRect& rect, const core::KeyFace& face, bool raised, bool pressed) const
{
    if (rect.isEmpty())
        return;
    if (raised) {
        QStyleOptionButton option;
        option.initFrom(this);
        option.rect = rect;
        option.state = QStyle::State_None;
        if (face.enabled)
            option.state |= QStyle::State_Enabled;
        option.state |= pressed ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);
    } else if (pressed) {
        painter.fillRect(rect, palette().color(QPalette::Midlight));
    }
    if (face.caption.isEmpty())
        return;
    QFont captionFont = fontOfFamily(m_fontFamily);
    captionFont.setPointSize(face.pointSize > 0 ? face.pointSize : font().pointSize());
    captionFont.setBold(face.bold);
    painter.setFont(captionFont);
    QColor ink = Qt::black;
    if (face.ink == core::KeyInk::Red)
        ink = Qt::red;
    else if (face.ink == core::KeyInk::Blue)
        ink = Qt::blue;
    // The keyboard's legends are disabled but stay black; elsewhere a disabled caption is greyed.
    if (!face.enabled && (raised || m_kind != core::KeyPanelKind::Keyboard))
        ink = palette().color(QPalette::Disabled, QPalette::WindowText);
    painter.setPen(ink);
    painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, face.caption);
}

} // namespace pelinor::ui
