#include "ui/input/screenkeyboard.h"

#include "core/input/keypanelclick.h"
#include "core/input/scriptlayouts.h"
#include "core/input/tableset.h"

#include <QToolButton>

namespace pelinor::ui {

ScreenKeyboard::ScreenKeyboard(const core::TableSet& foreignSet, int legendPointSize, QWidget* parent)
    : KeyPanelBase(core::KeyPanelKind::Keyboard, QStringLiteral("Times New Roman"), QColor(64, 64, 64), parent)
    , m_foreign(foreignSet)
{
    setObjectName(QStringLiteral("ScreenKeyboard"));
    m_caps = new QToolButton(this);
    m_caps->setObjectName(QStringLiteral("CapsButton"));
    m_caps->setText(QStringLiteral("CAPS"));
    m_caps->setCheckable(true);
    m_caps->setFocusPolicy(Qt::NoFocus);
    connect(m_caps, &QToolButton::clicked, this, [this](bool down) {
        m_state.clickCaps(down);
        applyCaps();
    });
    setFaces(core::initialKeyboardFaces(legendPointSize));
}

void ScreenKeyboard::build(core::ScriptLayout layout, bool shifted)
{
    m_layout = layout;
    m_level = shifted ? core::KeyLevel::Upper : core::KeyLevel::Lower;
    setFaces(core::keyboardFaces(m_layout, m_level, m_foreign, faces()));
}

void ScreenKeyboard::setShifted(bool shiftDown)
{
    if (m_state.shift(shiftDown))
        build(m_layout, m_state.level() == core::KeyLevel::Upper);
}

void ScreenKeyboard::setCapsLock(bool on)
{
    m_state.capsLock(on);
    m_caps->setChecked(on);
    applyCaps();
}

void ScreenKeyboard::applyCaps()
{
    build(m_layout, m_state.capsDown());
}

void ScreenKeyboard::keyClicked(int index, bool legend)
{
    if (legend)
        return;
    const core::KeyClickAction action = core::keyboardClick(keyCaption(index), m_layout, m_foreign);
    switch (action.kind) {
    case core::KeyClickAction::Nothing:
        break;
    case core::KeyClickAction::Trigger:
        Q_EMIT triggerClicked(action.key, core::TableSide::Foreign);
        break;
    case core::KeyClickAction::Text:
        Q_EMIT textClicked(action.text, core::TableSide::Foreign);
        break;
    case core::KeyClickAction::DeadKey:
        showMessage(core::ScriptLayouts::deadKeyMessage(action.accent));
        break;
    }
}

void ScreenKeyboard::placeControls()
{
    if (!m_caps)
        return;
    // At the left end of the fourth row, a little taller than a key.
    const core::KeyPanelGeometry& g = geometry();
    const QRect firstKey = g.keyRect(37);
    const int capsWidth = static_cast<int>(1.9 * g.keyWidth());
    m_caps->setGeometry(core::KeyPanelGeometry::leftMargin - 4, firstKey.top() - 2, capsWidth, firstKey.height() + 4);
}

} // namespace pelinor::ui
