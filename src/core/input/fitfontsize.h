#pragma once

#include <QSize>

#include <functional>

namespace pelinor::core {

/// The point size at which fitFontSize starts, and the size it never passes (a face whose letter does not
/// grow with its size would otherwise be measured for ever).
inline constexpr int kFitFontSizeStart = 8;
inline constexpr int kFitFontSizeLimit = 400;

/// The font size at which the letter "M" reaches a box of `maxHeight` × `maxWidth` pixels. `measureM`
/// gives the height and width of "M" at a point size. Starting at 8 points, the size grows by one point
/// while the letter stays below both limits; the result is the first size at which either limit is
/// reached (8 when 8 points already reach one).
int fitFontSize(int maxHeight, int maxWidth, const std::function<QSize(int pointSize)>& measureM);

} // namespace pelinor::core
