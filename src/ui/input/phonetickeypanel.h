#pragma once

#include "ui/input/tablekeypanel.h"

namespace pelinor::ui {

/// The phonetic-symbol key panel: capitals on the letter keys, the shifted non-letters on the legends;
/// the triggers of the phonetic candidate table are enabled. A click on one emits triggerClicked() with
/// the phonetic side. Its upper band takes the colour IpaBg.
class PhoneticKeyPanel : public TableKeyPanel {
    Q_OBJECT

public:
    PhoneticKeyPanel(core::Settings& settings, QWidget* parent = nullptr);

    /// Shows the triggers of `phoneticSet` (which must outlive the panel or the next rebuild) and the
    /// colour and flags as the settings hold them now.
    void rebuild(const core::TableSet& phoneticSet);
};

} // namespace pelinor::ui
