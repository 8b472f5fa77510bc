#include "core/tables/candidatelinetable.h"

#include "core/tables/triggerkeys.h"

#include <QCoreApplication>

#include <algorithm>

namespace pelinor::core {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("pelinor::core::CandidateLineTable", text);
}

bool isExcludedLetter(QChar c, TriggerMode mode)
{
    const char16_t u = c.unicode();
    if (mode == TriggerMode::AlphabetLower)
        return u >= u'A' && u <= u'Z';
    if (mode == TriggerMode::AlphabetUpper)
        return u >= u'a' && u <= u'z';
    return false;
}

} // namespace

CandidateLineTable::CandidateLineTable(TriggerMode mode)
    : m_mode(mode)
{
    const auto addSequence = [this](int count, QChar (*at)(int)) {
        for (int position = 1; position <= count; ++position) {
            const QChar c = at(position);
            if (isExcludedLetter(c, m_mode))
                continue;
            CandidateLine line;
            if (!c.isNull())
                line.trigger = QString(c);
            m_lines.append(line);
        }
    };
    addSequence(TriggerKeys::ShiftedCount, &TriggerKeys::shifted);
    addSequence(TriggerKeys::UnshiftedCount, &TriggerKeys::unshifted);
}

qsizetype CandidateLineTable::indexOf(QStringView trigger) const
{
    if (trigger.isEmpty())
        return -1;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].trigger == trigger)
            return i;
    }
    return -1;
}

QList<SkippedLine> CandidateLineTable::merge(const CandidateFile& file, const QString& fileName)
{
    QList<SkippedLine> lost = file.skippedLines();
    const QList<CandidateLine>& fileLines = file.lines();
    // For each table line the file line that filled it last; for each file line the table lines it filled.
    QList<qsizetype> filledBy(m_lines.size(), -1);
    QList<QList<qsizetype>> placedOn(fileLines.size());

    for (qsizetype f = 0; f < fileLines.size(); ++f) {
        const QString& trigger = fileLines[f].trigger;
        for (qsizetype t = 0; t < m_lines.size(); ++t) {
            const QString tableTrigger = m_lines[t].trigger;
            if (tableTrigger.isEmpty())
                continue;
            const bool exact = tableTrigger == trigger;
            const bool otherCase = !exact && m_mode != TriggerMode::AlphabetBoth
                && tableTrigger.compare(trigger, Qt::CaseInsensitive) == 0;
            if (!exact && !otherCase)
                continue;
            m_lines[t] = fileLines[f];
            // The table's case of the letter, which the next write stores.
            m_lines[t].trigger = tableTrigger;
            filledBy[t] = f;
            placedOn[f].append(t);
        }
    }

    const auto lineNumberOf = [&file](qsizetype index) {
        return index < file.lineNumbers().size() ? file.lineNumbers()[index] : static_cast<int>(index + 1);
    };
    for (qsizetype f = 0; f < fileLines.size(); ++f) {
        const QString& trigger = fileLines[f].trigger;
        if (placedOn[f].isEmpty()) {
            lost.append({fileName, lineNumberOf(f),
                tr("トリガー「%1」は候補エディタのキーにないため、保存すると失われます。").arg(trigger)});
            continue;
        }
        const bool survives
            = std::any_of(placedOn[f].cbegin(), placedOn[f].cend(), [&](qsizetype t) { return filledBy[t] == f; });
        if (!survives) {
            lost.append({fileName, lineNumberOf(f),
                tr("トリガー「%1」は %2 行目の候補に置き換えられ、保存すると失われます。")
                    .arg(trigger)
                    .arg(lineNumberOf(filledBy[placedOn[f].first()]))});
        }
    }
    std::stable_sort(lost.begin(), lost.end(),
        [](const SkippedLine& a, const SkippedLine& b) { return a.lineNumber < b.lineNumber; });
    return lost;
}

const CandidateLine* CandidateLineTable::line(QStringView trigger) const
{
    const qsizetype index = indexOf(trigger);
    return index < 0 ? nullptr : &m_lines[index];
}

bool CandidateLineTable::hasCandidates(QStringView trigger) const
{
    const CandidateLine* found = line(trigger);
    return found && found->hasCandidates();
}

bool CandidateLineTable::setCandidates(
    QStringView trigger, const std::array<QString, CandidateLine::SlotCount>& candidates)
{
    const qsizetype index = indexOf(trigger);
    if (index < 0)
        return false;
    m_lines[index].candidates = candidates;
    return true;
}

CandidateFile CandidateLineTable::toFile(const QString& symbolDatabase, TriggerMode mode) const
{
    CandidateFile file;
    file.setSymbolDatabase(symbolDatabase);
    file.setTriggerMode(mode);
    for (const CandidateLine& line : m_lines) {
        if (!line.trigger.isEmpty() && line.hasCandidates())
            file.lines().append(line);
    }
    return file;
}

} // namespace pelinor::core
