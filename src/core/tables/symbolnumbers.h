#pragma once

#include "core/tables/candidateline.h"
#include "core/tables/symbolentry.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>

#include <array>

namespace pelinor::core {

/// The translation between the symbol numbers ("No", the 1-based position of an entry in its symbol
/// database) that the candidate editor shows and the codes that candidate files store. A code stands for
/// the first entry that carries it.
class SymbolNumbers {
public:
    using Slots = std::array<QString, CandidateLine::SlotCount>;

    SymbolNumbers() = default;
    /// `entries` must outlive this object unchanged.
    explicit SymbolNumbers(const QList<SymbolEntry>& entries);

    qsizetype count() const { return m_entries ? m_entries->size() : 0; }

    /// The No of the first entry with `code`, or 0 when none has it (or the code is empty).
    int numberOfCode(QStringView code) const;

    /// The entry of a No, or null outside 1 to count().
    const SymbolEntry* entryOfNumber(int number) const;

    /// The entry that a field's text names: a No of digits only, or null.
    const SymbolEntry* entryOfField(QStringView field) const;

    /// The field texts of a line's slots: each the No of its code, empty when no entry has the code.
    Slots fieldsOfSlots(const Slots& slots) const;

    /// The slots of field texts: each the code of the entry of its No, empty when the field is empty or
    /// no entry has that No. Slots keep their positions.
    Slots slotsOfFields(const Slots& fields) const;

private:
    const QList<SymbolEntry>* m_entries = nullptr;
    QHash<QString, int> m_numberOfCode;
};

} // namespace pelinor::core
