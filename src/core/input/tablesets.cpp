#include "core/input/tablesets.h"

namespace pelinor::core {

void TableSets::releaseTables()
{
    m_phonetic.releaseTables();
    m_foreign.releaseTables();
}

QList<SkippedLine> TableSets::skippedLines() const
{
    return m_phonetic.skippedLines() + m_foreign.skippedLines();
}

} // namespace pelinor::core
