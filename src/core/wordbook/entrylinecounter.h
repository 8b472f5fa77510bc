#pragma once

#include "core/wordbook/textscan.h"

#include <QStringView>
#include <QtGlobal>

namespace pelinor::core {

/// Counts the entry lines of a word book text without cutting them into fields. The word list numbers
/// entries by their place among the lines the reader takes as entries, so a search that looks only at
/// the lines holding the text it seeks still needs that count for the lines in between.
///
/// The text is looked at in blocks of 64 characters, each made into bit masks of its quotes, commas and
/// line breaks once; a line of the shape the program writes (seven quoted fields) is then recognised by
/// counting bits, and only lines of another shape are split the general way.
class EntryLineCounter {
public:
    /// The vector width is for tests; the counter otherwise uses the widest the processor has.
    explicit EntryLineCounter(QStringView text, VectorWidth width = widestVectorWidth());

    /// The number of entries among the lines that start in [`from`, `to`). Both are line starts (or the
    /// text's end); lines are cut at CR LF, a lone CR or a lone LF, as the word book reader cuts them.
    qsizetype countEntries(qsizetype from, qsizetype to) const;

    /// How the lines of a text part are counted; the counter picks the version its vector width calls for.
    using CountFunction = qsizetype (*)(const char16_t* text, qsizetype size, qsizetype from, qsizetype to);

private:
    const char16_t* m_data;
    qsizetype m_size;
    CountFunction m_count;
};

} // namespace pelinor::core
