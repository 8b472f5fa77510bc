#pragma once

#include "core/input/scriptlayout.h"

namespace pelinor::core {

/// Which level the on-screen keyboard shows, and its CAPS button.
///
/// A click on CAPS shows the upper level while it is down, the lower one otherwise. While the system's
/// Caps Lock is off, a Shift key-down shows the upper level and its key-up the lower one, whatever CAPS
/// shows; while Caps Lock is on, Shift changes nothing. A Caps Lock key event puts CAPS down exactly when
/// Caps Lock is on and then acts as a click on CAPS.
class OnScreenShiftState {
public:
    KeyLevel level() const { return m_level; }
    bool capsDown() const { return m_capsDown; }
    bool capsLockOn() const { return m_capsLock; }

    /// CAPS was clicked and now stands `down`.
    void clickCaps(bool down);
    /// A Shift key went down or up. Returns true when the level shown may have changed.
    bool shift(bool down);
    /// A Caps Lock key event; `on` is the system's Caps Lock state after it.
    void capsLock(bool on);

private:
    KeyLevel m_level = KeyLevel::Lower;
    bool m_capsDown = false;
    bool m_capsLock = false;
};

} // namespace pelinor::core
