#include "core/input/symbollibrarycell.h"

#include "core/common/hexcode.h"

namespace pelinor::core {

QString SymbolLibraryCell::hint() const
{
    if (isEmpty())
        return {};
    return japaneseName + QLatin1StringView("  ") + note + QLatin1StringView("  [") + hexCodeOf(text.at(0)) + u']';
}

QString SymbolLibraryCell::toolTip() const
{
    if (!hasLabels())
        return hint();
    const SymbolNameLabels names = labels();
    QString tip = hint() + u'\n' + names.first;
    if (!names.second.isEmpty())
        tip += QLatin1StringView("  ") + names.second;
    return tip;
}

} // namespace pelinor::core
