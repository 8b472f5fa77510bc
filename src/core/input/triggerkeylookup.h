#pragma once

#include "core/app/settingkey.h"
#include "core/input/candidatebuffer.h"
#include "core/input/insertiontarget.h"
#include "core/input/tablesets.h"

#include <array>

namespace pelinor::core {

class Settings;

/// What offering the candidates of a side comes to before any window opens.
struct CandidateOffer {
    /// True when the one non-blank candidate is inserted at once; false when the candidate window opens.
    bool direct = false;
    /// The candidate to insert when `direct` is true.
    char16_t candidate = 0;

    friend bool operator==(const CandidateOffer&, const CandidateOffer&) = default;
};

/// The state of the two sides of trigger-key input, phonetic and foreign: each side's candidate buffer and
/// insertion target, filled from its table set as its trigger-return and direct-input flags say. The
/// sides never mix. The widgets that insert and the candidate windows are the user interface's; this
/// class decides what they get.
class TriggerKeyLookup {
public:
    /// The target of a side before its first offer: nothing is inserted anywhere.
    static constexpr InsertionTarget NoTarget = InsertionTarget::None;

    /// Keeps references to `sets` and `settings`; both must outlive the lookup. The flags are read from
    /// `settings` at each key, so that a change of a check box takes effect with the next key.
    TriggerKeyLookup(const TableSets& sets, const Settings& settings);

    /// True when `key` is a trigger of the side's table set.
    bool isTrigger(TableSide side, char16_t key) const;

    /// The first steps of a typed or clicked key. Returns false, changing nothing, when `key` is no
    /// trigger of the side's set. Otherwise fills the side's buffer with the key's candidates, puts the
    /// key itself into slot 10 when the side's trigger-return flag is on, makes `target` the side's
    /// insertion target and returns true: the key is taken and must not be typed.
    bool takeTriggerKey(TableSide side, char16_t key, InsertionTarget target);

    /// How the side's buffer is offered: directly when exactly one slot is non-blank and the side's
    /// direct-input flag is on, else through the candidate window.
    CandidateOffer offer(TableSide side) const;

    /// The side's candidate buffer; it keeps its contents until the side's next trigger key.
    const CandidateBuffer& buffer(TableSide side) const { return m_buffers[index(side)]; }

    /// The side's insertion target (NoTarget before the side's first trigger key).
    InsertionTarget target(TableSide side) const { return m_targets[index(side)]; }

    /// Makes `target` the side's insertion target without a key.
    void setTarget(TableSide side, InsertionTarget target) { m_targets[index(side)] = target; }

    /// The settings flag that adds the trigger itself as slot 10 ("復").
    static SettingKey triggerReturnKey(TableSide side);
    /// The settings flag that inserts a single candidate without a window ("直").
    static SettingKey directInputKey(TableSide side);

private:
    static std::size_t index(TableSide side) { return side == TableSide::Phonetic ? 0 : 1; }

    const TableSets& m_sets;
    const Settings& m_settings;
    std::array<CandidateBuffer, 2> m_buffers{};
    std::array<InsertionTarget, 2> m_targets{NoTarget, NoTarget};
};

} // namespace pelinor::core
