#include "ui/input/tcandfrm.h"

namespace pelinor::ui {

TCandFrm::TCandFrm(const core::CandidateBuffer& buffer, const core::TableSet& set, core::Settings& settings,
    InsertFunction insert, QWidget* parent)
    : CandidateWindow(core::TableSide::Phonetic, buffer, set, settings, std::move(insert), parent)
{
    setObjectName(QStringLiteral("CandFrm"));
}

} // namespace pelinor::ui
