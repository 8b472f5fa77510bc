#pragma once

#include "ui/input/candidatewindow.h"

namespace pelinor::ui {

/// The foreign candidate window: the cells in the font of the foreign-language input area, sized to the
/// cell and corrected by BandDev, which its up-down control changes in the settings; it reselects the
/// script's keyboard layout when it closes in a layout mode.
class TBandFrm : public CandidateWindow {
    Q_OBJECT

public:
    TBandFrm(const core::CandidateBuffer& buffer, const core::TableSet& set, core::Settings& settings,
        InsertFunction insert, QWidget* parent = nullptr);
};

} // namespace pelinor::ui
