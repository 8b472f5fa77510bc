#include "core/common/colourcode.h"

#include "core/common/hexcode.h"

#include <array>

namespace pelinor::core {

std::optional<ColourRgb> parseColourCode(QStringView text)
{
    if (text.size() != 7 || text[0] != u'#')
        return std::nullopt;
    std::array<quint8, 3> parts{};
    for (qsizetype i = 0; i < 3; ++i) {
        const int high = upperHexDigitValue(text[1 + 2 * i]);
        const int low = upperHexDigitValue(text[2 + 2 * i]);
        if (high < 0 || low < 0)
            return std::nullopt;
        parts[static_cast<size_t>(i)] = static_cast<quint8>(high * 16 + low);
    }
    return ColourRgb{parts[0], parts[1], parts[2]};
}

QString colourCode(ColourRgb colour)
{
    return QStringLiteral("#%1%2%3")
        .arg(colour.red, 2, 16, QLatin1Char('0'))
        .arg(colour.green, 2, 16, QLatin1Char('0'))
        .arg(colour.blue, 2, 16, QLatin1Char('0'))
        .toUpper();
}

} // namespace pelinor::core
