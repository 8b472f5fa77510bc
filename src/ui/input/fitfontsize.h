#pragma once

#include <QString>

class QPaintDevice;

namespace pelinor::ui {

/// The font size in points at which the letter "M" in the font `fontName` reaches a box of `maxHeight` ×
/// `maxWidth` pixels, measured from 8 points upwards (see core::fitFontSize) on `device`, or on the
/// screen's canvas when it is null. The face is chosen by name; the font fallback supplies the characters
/// of other scripts, so the character set drawn does not change the measure.
int fitFontSize(const QString& fontName, int maxHeight, int maxWidth, const QPaintDevice* device = nullptr);

} // namespace pelinor::ui
