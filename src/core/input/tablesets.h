#pragma once

#include "core/input/tableset.h"

namespace pelinor::core {

/// The two sides of the input engine.
enum class TableSide { Phonetic, Foreign };

/// The phonetic table set (IPA symbols of the phonetic input area) and the foreign table set (the current
/// script of the foreign-language input area).
class TableSets {
public:
    TableSet& set(TableSide side) { return side == TableSide::Phonetic ? m_phonetic : m_foreign; }
    const TableSet& set(TableSide side) const { return side == TableSide::Phonetic ? m_phonetic : m_foreign; }
    TableSet& phonetic() { return m_phonetic; }
    TableSet& foreign() { return m_foreign; }

    /// Discards both sets.
    void releaseTables();

    /// The lines that the last loads of both sets left out, phonetic set first.
    QList<SkippedLine> skippedLines() const;

private:
    TableSet m_phonetic;
    TableSet m_foreign;
};

} // namespace pelinor::core
