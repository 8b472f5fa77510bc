#pragma once

#include "ui/input/candidatewindow.h"

namespace pelinor::ui {

/// The phonetic candidate window: the cells in the font of the phonetic input area, on the CandBg colour,
/// with no size correction.
class TCandFrm : public CandidateWindow {
    Q_OBJECT

public:
    TCandFrm(const core::CandidateBuffer& buffer, const core::TableSet& set, core::Settings& settings,
        InsertFunction insert, QWidget* parent = nullptr);
};

} // namespace pelinor::ui
