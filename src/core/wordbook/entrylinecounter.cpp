#include "core/wordbook/entrylinecounter.h"

#include "core/wordbook/shapemasks.h"
#include "core/wordbook/wordbookfile.h"

#include <algorithm>
#include <bit>

namespace pelinor::core {

namespace {

constexpr qsizetype kBlock = kShapeBlock;

// The bits below bit `k` (0 to 64).
quint64 bitsBelow(qsizetype k)
{
    return k >= kBlock ? ~quint64(0) : (quint64(1) << k) - 1;
}

int bitCount(quint64 bits)
{
    return std::popcount(bits);
}

struct Tally {
    int quotes = 0;
    int separators = 0;
    int lone = 0;
    bool slow = false;
};

// A line is of the written shape when its quotes are its first and last character plus six separators
// `","` that do not overlap, and nothing at or below U+000D (U+0000 above all) stands in it. Every other
// line is split the general way.
[[gnu::noinline]] bool splitsIntoEntry(const char16_t* d, qsizetype start, qsizetype end)
{
    return splitEntryLine(QStringView(d + start, end - start)).has_value();
}

inline bool isEntryLine(const char16_t* d, qsizetype start, qsizetype end, const Tally& tally)
{
    if (!tally.slow && tally.quotes == 2 * kWordFieldCount && tally.separators == kWordFieldCount - 1 && tally.lone == 2
        && d[start] == u'"' && d[end - 1] == u'"' && !(d[start + 1] == u',' && d[start + 2] == u'"')
        && !(d[end - 2] == u',' && d[end - 3] == u'"'))
        return true;
    return splitsIntoEntry(d, start, end);
}

template <ShapeMasks (*masksAt)(const char16_t*, qsizetype, qsizetype)>
[[gnu::always_inline]] inline qsizetype countEntriesIn(
    const char16_t* text, qsizetype size, qsizetype from, qsizetype to)
{
    qsizetype count = 0;
    if (from >= to)
        return count;
    qsizetype lineStart = from;
    Tally tally;
    // A separator covers its own quote and the one two characters on; those of a block's last two
    // characters cover the next block's first two. The block before `from` is not looked at: `from`
    // follows a line break, so no separator reaches over it into the line.
    quint64 carriedCover = 0;
    qsizetype block = from & ~(kBlock - 1);
    ShapeMasks current = masksAt(text, size, block);
    while (block < to) {
        const ShapeMasks next = masksAt(text, size, block + kBlock);
        const quint64 separators
            = current.quote & ((current.comma >> 1) | (next.comma << 63)) & ((current.quote >> 2) | (next.quote << 62));
        const quint64 lone = current.quote & ~(separators | (separators << 2) | carriedCover);
        const auto tallyRange = [&](qsizetype low, qsizetype high) {
            const quint64 range = bitsBelow(high) & ~bitsBelow(low);
            tally.quotes += bitCount(current.quote & range);
            tally.separators += bitCount(separators & range);
            tally.lone += bitCount(lone & range);
        };

        const qsizetype high = std::min(to - block, kBlock);
        qsizetype segmentStart = std::clamp<qsizetype>(lineStart - block, 0, kBlock);
        quint64 events = current.low & bitsBelow(high) & ~bitsBelow(segmentStart);
        while (events != 0) {
            const int bit = std::countr_zero(events);
            events &= events - 1;
            const qsizetype at = block + bit;
            const char16_t c = text[at];
            if (c != u'\r' && c != u'\n') {
                tally.slow = true;
                continue;
            }
            tallyRange(segmentStart, bit);
            if (isEntryLine(text, lineStart, at, tally))
                ++count;
            tally = Tally();
            lineStart = at + 1;
            if (c == u'\r' && lineStart < size && text[lineStart] == u'\n')
                ++lineStart;
            if (lineStart >= to)
                return count;
            segmentStart = lineStart - block;
            events &= ~bitsBelow(segmentStart);
        }
        if (segmentStart < high)
            tallyRange(segmentStart, high);
        carriedCover = separators >> 62;
        block += kBlock;
        current = next;
    }
    // The text ends without a line break.
    if (lineStart < to && isEntryLine(text, lineStart, to, tally))
        ++count;
    return count;
}

qsizetype countEntriesPlain(const char16_t* text, qsizetype size, qsizetype from, qsizetype to)
{
    return countEntriesIn<shapeMasksPlain>(text, size, from, to);
}

#if defined(PELINOR_X86_VECTORS)
qsizetype countEntriesSse2(const char16_t* text, qsizetype size, qsizetype from, qsizetype to)
{
    return countEntriesIn<shapeMasksSse2>(text, size, from, to);
}

// Bits are counted several times per line: with the processor's own instruction where it has one.
__attribute__((target("popcnt"))) qsizetype countEntriesSse2Popcnt(
    const char16_t* text, qsizetype size, qsizetype from, qsizetype to)
{
    return countEntriesIn<shapeMasksSse2>(text, size, from, to);
}

__attribute__((target("avx2,popcnt"))) qsizetype countEntriesAvx2(
    const char16_t* text, qsizetype size, qsizetype from, qsizetype to)
{
    return countEntriesIn<shapeMasksAvx2>(text, size, from, to);
}
#endif

EntryLineCounter::CountFunction countFunction(VectorWidth width)
{
#if defined(PELINOR_X86_VECTORS)
    if (width == VectorWidth::Avx2 && __builtin_cpu_supports("popcnt"))
        return countEntriesAvx2;
    if (width != VectorWidth::None)
        return __builtin_cpu_supports("popcnt") ? countEntriesSse2Popcnt : countEntriesSse2;
#endif
    Q_UNUSED(width);
    return countEntriesPlain;
}

} // namespace

EntryLineCounter::EntryLineCounter(QStringView text, VectorWidth width)
    : m_data(text.utf16())
    , m_size(text.size())
    , m_count(countFunction(width))
{
}

qsizetype EntryLineCounter::countEntries(qsizetype from, qsizetype to) const
{
    return m_count(m_data, m_size, from, std::min(to, m_size));
}

} // namespace pelinor::core
