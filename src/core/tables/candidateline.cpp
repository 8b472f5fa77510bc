#include "core/tables/candidateline.h"

#include <algorithm>

namespace pelinor::core {

bool CandidateLine::hasCandidates() const
{
    return std::any_of(candidates.begin(), candidates.end(), [](const QString& slot) { return !slot.isEmpty(); });
}

} // namespace pelinor::core
