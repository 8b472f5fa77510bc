#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <array>
#include <optional>

namespace pelinor::core {

/// A colour as the program stores it: red, green and blue, 0 to 255 each.
struct ColourRgb {
    quint8 red = 0;
    quint8 green = 0;
    quint8 blue = 0;
    friend bool operator==(const ColourRgb&, const ColourRgb&) = default;
};

/// Parses a colour code: exactly "#" followed by six digits from 0-9 and upper-case A-F, red, green,
/// blue. Anything else (lower-case digits included) is no colour code.
std::optional<ColourRgb> parseColourCode(QStringView text);

/// Formats a colour as "#" followed by two upper-case hexadecimal digits each for red, green and blue.
QString colourCode(ColourRgb colour);

} // namespace pelinor::core
