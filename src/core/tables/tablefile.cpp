#include "core/tables/tablefile.h"

#include <QString>

namespace pelinor::core {

std::optional<int> parseTableInteger(QStringView field)
{
    bool ok = false;
    const int value = field.trimmed().toString().toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace pelinor::core
