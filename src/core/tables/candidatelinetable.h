#pragma once

#include "core/tables/candidatefile.h"
#include "core/tables/candidateline.h"
#include "core/tables/skippedline.h"
#include "core/tables/triggermode.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <array>

namespace pelinor::core {

/// The candidate editor's lines: one line for every key position of the trigger keyboard, shifted
/// sequence first, leaving out the letters that the trigger mode excludes. Every line starts without
/// candidates; merging a candidate file fills the lines its triggers name, and registering replaces the
/// candidates of one trigger. The position without a character has a line with an empty trigger, which no
/// trigger ever matches. The digits have lines too, so that their candidates survive a save although the
/// editor does not offer them.
class CandidateLineTable {
public:
    /// A table without lines: no candidate file is open.
    CandidateLineTable() = default;
    explicit CandidateLineTable(TriggerMode mode);

    TriggerMode mode() const { return m_mode; }
    const QList<CandidateLine>& lines() const { return m_lines; }

    /// Fills the table from the candidate lines of `file`, in file order, a later line for the same table
    /// line replacing an earlier one. A file trigger fills the line of the same trigger; besides, unless the
    /// mode takes both letter cases, it fills the line of the other case of that letter, under the table's
    /// case. Gives the lines (named `fileName`) of the file that the table cannot hold or that a later line replaced,
    /// which a save would lose, together with the lines the reader left out.
    QList<SkippedLine> merge(const CandidateFile& file, const QString& fileName);

    /// The line of `trigger`, or null when the table has none.
    const CandidateLine* line(QStringView trigger) const;

    /// True when the line of `trigger` has at least one candidate.
    bool hasCandidates(QStringView trigger) const;

    /// Replaces the candidates of the line of `trigger`; false when the table has no such line.
    bool setCandidates(QStringView trigger, const std::array<QString, CandidateLine::SlotCount>& candidates);

    /// A candidate file with the given header and the lines that have candidates, in table order.
    CandidateFile toFile(const QString& symbolDatabase, TriggerMode mode) const;

private:
    qsizetype indexOf(QStringView trigger) const;

    TriggerMode m_mode = TriggerMode::AlphabetBoth;
    QList<CandidateLine> m_lines;
};

} // namespace pelinor::core
