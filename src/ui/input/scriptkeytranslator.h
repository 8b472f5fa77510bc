#pragma once

#include "core/app/inputmodes.h"
#include "core/input/insertiontarget.h"
#include "core/input/keyboardlayoutengine.h"

#include <QString>

class QKeyEvent;

namespace pelinor::ui {

class TriggerKeyInput;

/// The keyboard layout of the layout modes: turns a physical key into the character the script's layout
/// puts on it, keeping the dead keys of the Greek layout waiting between presses. The main window's and
/// the PAD's input fields share it, so a Caps Lock pressed in one shows in the other.
class ScriptKeyTranslator {
public:
    /// `input` receives an accent that a non-character key releases; it must outlive the translator.
    explicit ScriptKeyTranslator(TriggerKeyInput& input);

    /// Typing follows the layout of `mode` (the Russian one of `russianTypewriter`); the modes without a
    /// layout of their own leave the last one in place.
    void followMode(core::InputMode mode, bool russianTypewriter);

    /// The text `event` types in the script's layout, for TriggerKeyInput::KeyTranslator. An accent that a
    /// non-character key releases goes to the foreign side's insertion target `target`.
    QString translate(const QKeyEvent& event, core::InsertionTarget target);

    /// Caps Lock as the key presses seen by the input fields have left it.
    bool capsLock() const { return m_capsLock; }
    void toggleCapsLock() { m_capsLock = !m_capsLock; }

private:
    TriggerKeyInput& m_input;
    core::KeyboardLayoutEngine m_engine;
    bool m_capsLock = false;
};

} // namespace pelinor::ui
