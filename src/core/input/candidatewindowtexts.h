#pragma once

#include "core/input/tablesets.h"

#include <QString>

namespace pelinor::core {

/// The range of the font-size correction of the foreign candidate window (setting BandDev), in points.
inline constexpr int kBandDevMinimum = -4;
inline constexpr int kBandDevMaximum = 9;

/// `correction` brought into the range of BandDev.
int clampBandDev(int correction);

/// The label that shows the correction: " 0" for 0, the plain number when negative ("-2"), "+" and the
/// number when positive ("+3").
QString bandDevCaption(int correction);

/// The hint of a cell that shows `unit`: the symbol's note, " $" and the code as four upper-case
/// hexadecimal digits; empty for an empty slot (code 0).
QString candidateCellHint(const TableSet& set, char16_t unit);

/// The name line under the cells for `unit`: "日本語名：" and the Japanese name, with one space between
/// them in the foreign window.
QString candidateNameLine(TableSide side, const TableSet& set, char16_t unit);

/// The note line beside the name line for `unit`: "Note: ", the English name, spaces and "$" with the code
/// as four upper-case hexadecimal digits. The foreign window resolves "#$" escapes in the name once more
/// and shows it only up to its first backslash, then three spaces; the phonetic window shows the name as
/// loaded, then two spaces.
QString candidateNoteLine(TableSide side, const TableSet& set, char16_t unit);

} // namespace pelinor::core
