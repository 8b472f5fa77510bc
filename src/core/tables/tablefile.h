#pragma once

#include <QStringView>
#include <QtGlobal>

#include <optional>

namespace pelinor::core {

/// Table files larger than this are not read: shipped tables take some tens of kilobytes, so a file of
/// this size is not a table.
inline constexpr qint64 kMaxTableFileBytes = 32 * 1024 * 1024;

/// A decimal integer field of a table line (group number, auxiliary kind): optional sign, digits, blanks
/// around them allowed. Anything else, the empty field included, is no integer.
std::optional<int> parseTableInteger(QStringView field);

} // namespace pelinor::core
