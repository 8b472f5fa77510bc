#pragma once

#include <array>

namespace pelinor::core {

/// The candidates of one trigger key as the candidate windows offer them: slots 1 to 9 hold the key's
/// candidates, slot 10 the key itself when the side returns triggers; 0 is an empty slot.
class CandidateBuffer {
public:
    static constexpr int SlotCount = 10;

    /// The character in slot `number` (1 to 10); 0 for an empty slot and outside the buffer.
    char16_t slot(int number) const
    {
        return number >= 1 && number <= SlotCount ? m_slots[static_cast<std::size_t>(number - 1)] : char16_t(0);
    }

    /// Puts `unit` into slot `number` (1 to 10); other numbers are ignored.
    void setSlot(int number, char16_t unit)
    {
        if (number >= 1 && number <= SlotCount)
            m_slots[static_cast<std::size_t>(number - 1)] = unit;
    }

    void clear() { m_slots.fill(0); }

    const std::array<char16_t, SlotCount>& contents() const { return m_slots; }

    friend bool operator==(const CandidateBuffer&, const CandidateBuffer&) = default;

private:
    std::array<char16_t, SlotCount> m_slots{};
};

} // namespace pelinor::core
