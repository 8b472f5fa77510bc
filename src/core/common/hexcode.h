#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

namespace pelinor::core {

/// The value of one digit of "0123456789ABCDEF" (upper case only), or -1 for any other character.
int upperHexDigitValue(QChar c);

/// True when `text` is exactly four characters from "0123456789ABCDEF" (upper case only).
bool isHexCode(QStringView text);

/// The UTF-16 code unit that a hex code names. The text must be a hex code.
QChar charOfHexCode(QStringView code);

/// The hex code of a UTF-16 code unit: four upper-case hexadecimal digits.
QString hexCodeOf(QChar unit);

/// Decodes "#$" escapes of a symbol name: the first "#$" is replaced by the character of the hex code
/// after it, or deleted when no hex code follows; this repeats until no "#$" is left.
QString decodeHexEscapes(QString text);

} // namespace pelinor::core
