#pragma once

#include "core/input/onscreenshiftstate.h"
#include "core/input/scriptlayout.h"
#include "ui/input/keypanelbase.h"

class QToolButton;

namespace pelinor::core {
class TableSet;
}

namespace pelinor::ui {

/// The on-screen keyboard: what a script's keyboard layout types on each key of a JIS keyboard, lower or
/// upper, with the JIS legends above. On the Russian and Ukrainian layouts the triggers of the foreign
/// candidate table are bold and red; on the Greek layout the dead keys are blue. A click on a trigger
/// emits triggerClicked(), on any other key textClicked(), both with the foreign side; a dead key shows
/// its hint and inserts nothing.
///
/// The toggle "CAPS" chooses the upper layout; the Shift and Caps Lock hooks, fed from key events of the
/// foreign-language input area while the keyboard's page is shown, change the level as the user's
/// keyboard does.
class ScreenKeyboard : public KeyPanelBase {
    Q_OBJECT

public:
    /// `foreignSet` marks the triggers; it must outlive the keyboard. Legends start at `legendPointSize`
    /// points; the Greek layout keeps the sizes it finds.
    explicit ScreenKeyboard(const core::TableSet& foreignSet, int legendPointSize = core::kKeyboardInitialLegendSize,
        QWidget* parent = nullptr);

    /// Shows `layout`, upper when `shifted`, with the triggers of the foreign set as it is now.
    void build(core::ScriptLayout layout, bool shifted);
    core::ScriptLayout layout() const { return m_layout; }
    bool isShifted() const { return m_level == core::KeyLevel::Upper; }

    /// True while "CAPS" is down.
    bool isCapsDown() const { return m_state.capsDown(); }
    QToolButton* capsButton() const { return m_caps; }

    /// A Shift key went down or up. While the system's Caps Lock is off (as setCapsLock() last said) this
    /// shows the upper or lower layout whatever "CAPS" shows; while it is on nothing changes.
    void setShifted(bool shiftDown);
    /// A Caps Lock key went down or up; `on` is the system's Caps Lock state now. "CAPS" goes down exactly
    /// when it is on and the layout is applied as a click on "CAPS" does.
    void setCapsLock(bool on);

protected:
    void keyClicked(int index, bool legend) override;
    void placeControls() override;

private:
    void applyCaps();

    const core::TableSet& m_foreign;
    core::ScriptLayout m_layout = core::ScriptLayout::RussianStandard;
    core::KeyLevel m_level = core::KeyLevel::Lower;
    core::OnScreenShiftState m_state;
    QToolButton* m_caps = nullptr;
};

} // namespace pelinor::ui
