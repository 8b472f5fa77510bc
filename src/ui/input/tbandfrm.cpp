#include "ui/input/tbandfrm.h"

namespace pelinor::ui {

TBandFrm::TBandFrm(const core::CandidateBuffer& buffer, const core::TableSet& set, core::Settings& settings,
    InsertFunction insert, QWidget* parent)
    : CandidateWindow(core::TableSide::Foreign, buffer, set, settings, std::move(insert), parent)
{
    setObjectName(QStringLiteral("BandFrm"));
}

} // namespace pelinor::ui
