#pragma once

#include <QString>

#include <array>

namespace pelinor::core {

/// A candidate line of a candidate file: a trigger and nine candidate slots, each empty or a hex code.
/// Slots keep their positions; an empty slot between filled ones stays empty.
struct CandidateLine {
    static constexpr int SlotCount = 9;

    /// The trigger character. The field "0022" is read as the double quote, which the writer stores as
    /// "0022" again; any other field is kept as it stands.
    QString trigger;
    std::array<QString, SlotCount> candidates;

    /// True when at least one slot is filled.
    bool hasCandidates() const;

    friend bool operator==(const CandidateLine&, const CandidateLine&) = default;
};

} // namespace pelinor::core
