#pragma once

#include "core/input/candidatebuffer.h"

#include <QString>

namespace pelinor::core {

/// True for a slot character that is never offered, inserted or counted: 0 (an empty slot) and U+0001 to
/// U+0020 (white space and control characters).
constexpr bool isBlankCandidate(char16_t unit)
{
    return unit <= 0x20;
}

/// The number of non-blank slots among all ten of `buffer`.
int nonBlankSlotCount(const CandidateBuffer& buffer);

/// The text that slot `slot` offers: its character, or the empty text when the slot is blank.
QString candidateSlotText(const CandidateBuffer& buffer, int slot);

/// The slot after `slot` in a candidate window; slot 10 wraps to slot 1.
int nextCandidateSlot(int slot);

/// The slot before `slot` in a candidate window; slot 1 wraps to slot 10.
int previousCandidateSlot(int slot);

/// The slot that a digit key chooses: 1 to 9 their own slot, 0 slot 10; 0 for anything else.
int slotOfDigit(int digit);

/// The number shown above a slot: "1" to "9", and "0" for slot 10.
QString slotNumberCaption(int slot);

} // namespace pelinor::core
