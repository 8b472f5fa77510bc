#include "core/input/keyboardlayoutengine.h"

#include "core/input/scriptlayouts.h"

namespace pelinor::core {

KeyboardLayoutEngine::KeyboardLayoutEngine(ScriptLayout layout)
    : m_layout(layout)
{
}

void KeyboardLayoutEngine::setLayout(ScriptLayout layout)
{
    m_layout = layout;
    m_pending.reset();
}

QString KeyboardLayoutEngine::pressKey(int position, bool shift, bool capsLock)
{
    if (position < 0 || position >= ScriptLayouts::keyCount)
        return {};
    const KeyLevel level = ScriptLayouts::typedLevel(m_layout, position, shift, capsLock);
    if (const auto accent = ScriptLayouts::deadKeyAt(m_layout, level, position)) {
        QString text = flushDeadKey();
        m_pending = accent;
        return text;
    }
    return complete(ScriptLayouts::keyCaption(m_layout, level, position));
}

QString KeyboardLayoutEngine::pressHostText(QStringView text, bool capsLock, HostLayout host)
{
    if (text.size() == 1) {
        if (const auto key = KeyPositions::hostKeyOfCharacter(text.front(), host)) {
            // The user's layout turned the case of a letter over when Caps Lock was on; undo that to find
            // whether Shift was held.
            bool shift = key->shifted;
            if (capsLock && KeyPositions::isHostLetterKey(host, key->position))
                shift = !shift;
            return pressKey(key->position, shift, capsLock);
        }
    }
    return pressOtherKey(text);
}

QString KeyboardLayoutEngine::pressOtherKey(QStringView text)
{
    return complete(text);
}

QString KeyboardLayoutEngine::pressKeyWithoutText(int qtKey)
{
    if (isModifierKey(qtKey))
        return {};
    return flushDeadKey();
}

bool KeyboardLayoutEngine::isModifierKey(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_Mode_switch:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
    // The 英数 key is Caps Lock on a Japanese keyboard.
    case Qt::Key_Eisu_toggle:
    case Qt::Key_Eisu_Shift:
    case Qt::Key_Kana_Lock:
    case Qt::Key_Kana_Shift:
        return true;
    default:
        return false;
    }
}

QString KeyboardLayoutEngine::flushDeadKey()
{
    if (!m_pending)
        return {};
    const QChar accent = spacingGreekAccent(*m_pending);
    m_pending.reset();
    return QString(accent);
}

QString KeyboardLayoutEngine::complete(QStringView typed)
{
    if (!m_pending || typed.isEmpty())
        return typed.toString();
    const GreekAccent accent = *m_pending;
    m_pending.reset();
    if (typed.size() == 1) {
        if (const auto letter = accentedGreekVowel(typed.front(), accent))
            return QString(*letter);
        if (typed.front() == u' ')
            return QString(spacingGreekAccent(accent));
    }
    return spacingGreekAccent(accent) + typed.toString();
}

} // namespace pelinor::core
