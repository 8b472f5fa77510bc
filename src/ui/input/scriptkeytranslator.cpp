#include "ui/input/scriptkeytranslator.h"

#include "core/input/keypositions.h"
#include "core/input/scriptlayouts.h"
#include "ui/input/triggerkeyinput.h"

#include <QKeyEvent>

namespace pelinor::ui {

ScriptKeyTranslator::ScriptKeyTranslator(TriggerKeyInput& input)
    : m_input(input)
{
}

void ScriptKeyTranslator::followMode(core::InputMode mode, bool russianTypewriter)
{
    if (const auto layout = core::ScriptLayouts::typingLayout(mode, russianTypewriter))
        m_engine.setLayout(*layout);
}

QString ScriptKeyTranslator::translate(const QKeyEvent& event, core::InsertionTarget target)
{
    const bool shift = event.modifiers().testFlag(Qt::ShiftModifier);
    const QString typed = event.text();
    const auto position = core::KeyPositions::positionOfX11KeyCode(event.nativeScanCode());
    const bool shortcut = event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (typed.isEmpty() && position && !shortcut) {
        // A key of the layout that types no text in the user's own layout, such as the 半角/全角 key of a
        // Japanese keyboard: in the script's layout it types its character (the Ukrainian apostrophe, the
        // Russian ё).
        const QString produced = m_engine.pressKey(*position, shift, m_capsLock);
        return produced.isNull() ? QStringLiteral("") : produced;
    }
    if (typed.isEmpty() || typed.at(0).unicode() < 0x20) {
        // Enter, Tab, the cursor keys: a waiting accent is typed before the key takes effect. Shift and the
        // other modifiers leave it waiting for the key they modify.
        const QString accent = m_engine.pressKeyWithoutText(event.key());
        if (!accent.isEmpty())
            m_input.insertText(core::TableSide::Foreign, target, accent);
        return QString();
    }
    // Caps Lock shows in letters whose case differs from what Shift alone gives.
    const QChar first = typed.at(0);
    const bool capsLock = first.isLetter() && (first.isUpper() != shift);
    const QString produced
        = position ? m_engine.pressKey(*position, shift, capsLock) : m_engine.pressHostText(typed, capsLock);
    // A dead key produces nothing yet, and nothing must not let the typed key through.
    return produced.isNull() ? QStringLiteral("") : produced;
}

} // namespace pelinor::ui
