#include "core/input/candidateslots.h"

namespace pelinor::core {

int nonBlankSlotCount(const CandidateBuffer& buffer)
{
    int count = 0;
    for (char16_t unit : buffer.contents()) {
        if (!isBlankCandidate(unit))
            ++count;
    }
    return count;
}

QString candidateSlotText(const CandidateBuffer& buffer, int slot)
{
    const char16_t unit = buffer.slot(slot);
    return isBlankCandidate(unit) ? QString() : QString(QChar(unit));
}

int nextCandidateSlot(int slot)
{
    return slot >= CandidateBuffer::SlotCount || slot < 1 ? 1 : slot + 1;
}

int previousCandidateSlot(int slot)
{
    return slot <= 1 || slot > CandidateBuffer::SlotCount ? CandidateBuffer::SlotCount : slot - 1;
}

int slotOfDigit(int digit)
{
    if (digit == 0)
        return CandidateBuffer::SlotCount;
    return digit >= 1 && digit <= 9 ? digit : 0;
}

QString slotNumberCaption(int slot)
{
    return QString::number(slot % CandidateBuffer::SlotCount);
}

} // namespace pelinor::core
