#include "core/input/symbollibrarypage.h"

#include <algorithm>

namespace pelinor::core {

int SymbolLibraryPage::filledCellCount() const
{
    return static_cast<int>(std::count_if(texts.begin(), texts.end(), [](const QString& t) { return !t.isEmpty(); }));
}

} // namespace pelinor::core
