#include "core/tables/symbolnamelabels.h"

namespace pelinor::core {

SymbolNameLabels SymbolNameLabels::of(QStringView englishName)
{
    const qsizetype at = englishName.indexOf(u'\\');
    if (at < 0)
        return {englishName.toString(), QString()};
    return {englishName.first(at).toString(), englishName.mid(at + 1).toString()};
}

} // namespace pelinor::core
