#pragma once

#include <QString>
#include <QStringView>

namespace pelinor::core {

/// The code value checker's text: the text without leading and trailing characters U+0000 to U+0020, each
/// of its UTF-16 code units in order as "/#$" and four upper-case hexadecimal digits. Line breaks inside
/// show as their own units (CR, LF); a character outside the Basic Multilingual Plane as its two halves.
/// Empty when nothing is left after trimming.
QString codeValueText(QStringView text);

} // namespace pelinor::core
