#include "core/input/onscreenshiftstate.h"

namespace pelinor::core {

void OnScreenShiftState::clickCaps(bool down)
{
    m_capsDown = down;
    m_level = down ? KeyLevel::Upper : KeyLevel::Lower;
}

bool OnScreenShiftState::shift(bool down)
{
    if (m_capsLock)
        return false;
    m_level = down ? KeyLevel::Upper : KeyLevel::Lower;
    return true;
}

void OnScreenShiftState::capsLock(bool on)
{
    m_capsLock = on;
    clickCaps(on);
}

} // namespace pelinor::core
