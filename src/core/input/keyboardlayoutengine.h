#pragma once

#include "core/input/greekaccent.h"
#include "core/input/keypositions.h"
#include "core/input/scriptlayout.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace pelinor::core {

/// Types with a script's keyboard layout, whatever layout the system has: turns key presses into the
/// text to insert, as the script's Windows layout would.
///
/// A press names the physical key by its position (see ScriptLayouts; KeyPositions finds it from an X11
/// key code) or, where no scan code is known, by the character the user's own layout typed. Shift selects
/// the upper level; Caps Lock acts as Shift on the letter keys only, and Caps Lock with Shift types the
/// small letter.
///
/// The Greek layout has three dead keys (tonos, dialytika, dialytika with tonos). A dead key types nothing
/// and waits: followed by a vowel that has a precomposed form with the accent it gives that letter;
/// followed by the space bar it gives the spacing accent; followed by anything else it gives the spacing
/// accent and then what that key types. A dead key followed by a dead key gives the first accent, and the
/// second one waits.
class KeyboardLayoutEngine {
public:
    explicit KeyboardLayoutEngine(ScriptLayout layout = ScriptLayout::RussianStandard);

    ScriptLayout layout() const { return m_layout; }

    /// Switches to another layout. A waiting dead key is dropped.
    void setLayout(ScriptLayout layout);

    /// A press of the key at `position` (0 to 46). Returns the text to insert: empty while a dead key
    /// waits, and for a position outside 0 to 46 (which leaves a waiting dead key waiting).
    QString pressKey(int position, bool shift, bool capsLock);

    /// A press for which only the text that the user's own layout typed is known. A single character of a
    /// key of the 47 in `host` is typed on that key, its Shift state recovered from the character (and, on
    /// a letter key, from `capsLock`); any other text, the space included, counts as a key outside the
    /// layout (pressOtherKey).
    QString pressHostText(QStringView text, bool capsLock, HostLayout host = HostLayout::Jis);

    /// A key outside the 47 that types `text` as it stands (the space bar, the keypad, the yen key…).
    /// Returns `text`, completed by a waiting dead key: a vowel it combines with becomes the accented
    /// letter, a single space becomes the spacing accent, anything else is preceded by it. Empty text
    /// leaves a waiting dead key waiting.
    QString pressOtherKey(QStringView text);

    /// The accent of the dead key that is waiting, if any.
    std::optional<GreekAccent> pendingDeadKey() const { return m_pending; }

    /// A key that types no text, named by its Qt key code. A modifier (isModifierKey) leaves a waiting dead
    /// key waiting, since the key it modifies comes next: Shift+A after the tonos key must give "Ά". Any
    /// other key, such as Enter or a cursor key, ends the dead key and returns its spacing accent (empty
    /// when none waits), so that the accent is not lost.
    QString pressKeyWithoutText(int qtKey);

    /// True for the keys that only change what other keys type or do: Shift, Ctrl, Alt, AltGr, Meta, Super,
    /// Hyper, the mode switch and the lock keys.
    static bool isModifierKey(int qtKey);

    /// Ends a waiting dead key and returns its spacing accent (empty when none waits), for a key that types
    /// nothing, such as Enter or a cursor key, when the accent should not be lost.
    QString flushDeadKey();

    /// Drops a waiting dead key without typing it (for example when the input field loses the focus).
    void cancelDeadKey() { m_pending.reset(); }

private:
    QString complete(QStringView typed);

    ScriptLayout m_layout;
    std::optional<GreekAccent> m_pending;
};

} // namespace pelinor::core
