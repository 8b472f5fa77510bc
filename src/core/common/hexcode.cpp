#include "core/common/hexcode.h"

namespace pelinor::core {

int upperHexDigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

bool isHexCode(QStringView text)
{
    if (text.size() != 4)
        return false;
    for (QChar c : text) {
        if (upperHexDigitValue(c) < 0)
            return false;
    }
    return true;
}

QChar charOfHexCode(QStringView code)
{
    char16_t value = 0;
    for (QChar c : code)
        value = static_cast<char16_t>((value << 4) | upperHexDigitValue(c));
    return QChar(value);
}

QString hexCodeOf(QChar unit)
{
    return QStringLiteral("%1").arg(unit.unicode(), 4, 16, QLatin1Char('0')).toUpper();
}

QString decodeHexEscapes(QString text)
{
    const QLatin1StringView escape("#$");
    for (qsizetype at = text.indexOf(escape); at >= 0; at = text.indexOf(escape)) {
        const QStringView code = QStringView(text).mid(at + 2, 4);
        if (isHexCode(code))
            text.replace(at, 6, charOfHexCode(code));
        else
            text.remove(at, 2);
    }
    return text;
}

} // namespace pelinor::core
