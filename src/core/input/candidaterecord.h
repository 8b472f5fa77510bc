#pragma once

#include <array>

namespace pelinor::core {

/// One usable line of a loaded candidate table: the trigger key and its nine candidates in file order,
/// 0 marking an empty slot.
struct CandidateRecord {
    static constexpr int SlotCount = 9;

    char16_t key = 0;
    std::array<char16_t, SlotCount> candidates{};

    friend bool operator==(const CandidateRecord&, const CandidateRecord&) = default;
};

} // namespace pelinor::core
