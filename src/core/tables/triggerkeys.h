#pragma once

#include "core/tables/triggermode.h"

#include <QChar>
#include <QList>

namespace pelinor::core {

/// The trigger keys that the candidate editor offers: the keys of a Japanese keyboard in two sequences,
/// shifted (48 positions) and unshifted (47 positions). Position k of both sequences is one key. Each
/// sequence is laid out in four keyboard rows: positions 1–13, 14–25, 26–37 and 38 to the end.
class TriggerKeys {
public:
    static constexpr int ShiftedCount = 48;
    static constexpr int UnshiftedCount = 47;
    static constexpr int RowCount = 4;

    /// The character at a 1-based position of the shifted sequence; a null QChar at the position without
    /// a character (10) and outside the sequence.
    static QChar shifted(int position);

    /// The character at a 1-based position of the unshifted sequence; a null QChar outside it.
    static QChar unshifted(int position);

    /// The keyboard row (1 to 4) of a position, or 0 outside 1 to 48.
    static int rowOfPosition(int position);

    /// The first and last position of a keyboard row (1 to 4) in a sequence of the given length.
    static int firstPositionOfRow(int row);
    static int lastPositionOfRow(int row, int sequenceLength);

    /// True when the editor offers `c` as a trigger under `mode`: it is in one of the sequences, it is not
    /// a digit, and it is not a letter of the case that the mode excludes.
    static bool isOffered(QChar c, TriggerMode mode);

    /// The offered triggers in the editor's order: the shifted sequence, then the unshifted one.
    static QList<QChar> offeredTriggers(TriggerMode mode);
};

} // namespace pelinor::core
