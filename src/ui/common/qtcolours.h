#pragma once

#include "core/common/colourcode.h"

#include <QColor>

namespace pelinor::ui {

/// The widget colour of a colour as the settings and word books store it.
inline QColor toQColor(core::ColourRgb rgb)
{
    return {rgb.red, rgb.green, rgb.blue};
}

/// The stored form of a widget colour; the alpha channel is dropped.
inline core::ColourRgb toColourRgb(const QColor& colour)
{
    return core::ColourRgb{
        static_cast<quint8>(colour.red()), static_cast<quint8>(colour.green()), static_cast<quint8>(colour.blue())};
}

} // namespace pelinor::ui
