#pragma once

#include <QString>

namespace pelinor::ui {

/// The font size in points at which the letter "M" in the font `fontName` reaches a box of `maxHeight` ×
/// `maxWidth` pixels, measured on the screen's canvas from 8 points upwards (see core::FitFontSize).
/// `charset` is the font character set the caller draws in; the face is chosen by name here, and the
/// font fallback supplies the characters of that set, so it does not change the measure.
int FitFontSize(int charset, const QString& fontName, int maxHeight, int maxWidth);

} // namespace pelinor::ui
