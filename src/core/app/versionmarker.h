#pragma once

#include <QString>

namespace pelinor::core {

/// The version text of this program.
QString programVersion();

/// Name of the version marker file of a version: "Leaf" + number + ".txt". The number comes from the
/// version text with its first "Ver" and its first "." removed and surrounding white space trimmed:
/// one digit gives digit × 100, two digits × 10, three digits the number itself ("3.6" gives
/// "Leaf360.txt"). Any other length, and any rest that is not made of ASCII digits only, gives 999.
QString versionMarkerName(const QString& version);

} // namespace pelinor::core
