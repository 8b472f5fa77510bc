#include "core/input/triggerkeylookup.h"

#include "core/app/settings.h"
#include "core/input/candidateslots.h"

namespace pelinor::core {

TriggerKeyLookup::TriggerKeyLookup(const TableSets& sets, const Settings& settings)
    : m_sets(sets)
    , m_settings(settings)
{
}

bool TriggerKeyLookup::isTrigger(TableSide side, char16_t key) const
{
    return m_sets.set(side).isTrigger(key);
}

bool TriggerKeyLookup::takeTriggerKey(TableSide side, char16_t key, InsertionTarget target)
{
    const TableSet& set = m_sets.set(side);
    if (!set.isTrigger(key))
        return false;
    CandidateBuffer& buffer = m_buffers[index(side)];
    set.fetchCandidates(key, buffer);
    if (m_settings.flag(triggerReturnKey(side)))
        buffer.setSlot(CandidateBuffer::SlotCount, key);
    m_targets[index(side)] = target;
    return true;
}

CandidateOffer TriggerKeyLookup::offer(TableSide side) const
{
    const CandidateBuffer& buffer = m_buffers[index(side)];
    if (nonBlankSlotCount(buffer) != 1 || !m_settings.flag(directInputKey(side)))
        return {};
    for (char16_t unit : buffer.contents()) {
        if (!isBlankCandidate(unit))
            return {true, unit};
    }
    return {};
}

SettingKey TriggerKeyLookup::triggerReturnKey(TableSide side)
{
    return side == TableSide::Phonetic ? SettingKey::PhTriRevFlg : SettingKey::GaTriRevFlg;
}

SettingKey TriggerKeyLookup::directInputKey(TableSide side)
{
    return side == TableSide::Phonetic ? SettingKey::PhOneInpFlg : SettingKey::GaOneInpFlg;
}

} // namespace pelinor::core
