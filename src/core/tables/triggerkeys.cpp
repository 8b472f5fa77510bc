#include "core/tables/triggerkeys.h"

#include <array>

namespace pelinor::core {

namespace {

// Position 10 of the shifted sequence has no character (0).
constexpr std::array<char16_t, TriggerKeys::ShiftedCount> kShifted{
    u'!', u'"', u'#', u'$', u'%', u'&', u'\'', u'(', u')', 0, u'=', u'~', u'|', //
    u'Q', u'W', u'E', u'R', u'T', u'Y', u'U', u'I', u'O', u'P', u'`', u'{', //
    u'A', u'S', u'D', u'F', u'G', u'H', u'J', u'K', u'L', u'+', u'*', u'}', //
    u'Z', u'X', u'C', u'V', u'B', u'N', u'M', u'<', u'>', u'?', u'_', //
};

constexpr std::array<char16_t, TriggerKeys::UnshiftedCount> kUnshifted{
    u'1', u'2', u'3', u'4', u'5', u'6', u'7', u'8', u'9', u'0', u'-', u'^', u'\\', //
    u'q', u'w', u'e', u'r', u't', u'y', u'u', u'i', u'o', u'p', u'@', u'[', //
    u'a', u's', u'd', u'f', u'g', u'h', u'j', u'k', u'l', u';', u':', u']', //
    u'z', u'x', u'c', u'v', u'b', u'n', u'm', u',', u'.', u'/', //
};

// First position of each keyboard row; row 4 runs to the end of its sequence.
constexpr std::array<int, TriggerKeys::RowCount> kRowStarts{1, 14, 26, 38};

template <std::size_t N> bool contains(const std::array<char16_t, N>& sequence, char16_t c)
{
    for (char16_t s : sequence) {
        if (s == c)
            return true;
    }
    return false;
}

} // namespace

QChar TriggerKeys::shifted(int position)
{
    if (position < 1 || position > ShiftedCount)
        return {};
    return QChar(kShifted[static_cast<std::size_t>(position - 1)]);
}

QChar TriggerKeys::unshifted(int position)
{
    if (position < 1 || position > UnshiftedCount)
        return {};
    return QChar(kUnshifted[static_cast<std::size_t>(position - 1)]);
}

int TriggerKeys::rowOfPosition(int position)
{
    if (position < 1 || position > ShiftedCount)
        return 0;
    int row = 0;
    for (int start : kRowStarts) {
        if (position >= start)
            ++row;
    }
    return row;
}

int TriggerKeys::firstPositionOfRow(int row)
{
    if (row < 1 || row > RowCount)
        return 0;
    return kRowStarts[static_cast<std::size_t>(row - 1)];
}

int TriggerKeys::lastPositionOfRow(int row, int sequenceLength)
{
    if (row < 1 || row > RowCount)
        return 0;
    return row == RowCount ? sequenceLength : kRowStarts[static_cast<std::size_t>(row)] - 1;
}

bool TriggerKeys::isOffered(QChar c, TriggerMode mode)
{
    const char16_t u = c.unicode();
    if (u == 0 || (u >= u'0' && u <= u'9'))
        return false;
    if (mode == TriggerMode::AlphabetLower && u >= u'A' && u <= u'Z')
        return false;
    if (mode == TriggerMode::AlphabetUpper && u >= u'a' && u <= u'z')
        return false;
    return contains(kShifted, u) || contains(kUnshifted, u);
}

QList<QChar> TriggerKeys::offeredTriggers(TriggerMode mode)
{
    QList<QChar> triggers;
    for (char16_t u : kShifted) {
        if (isOffered(QChar(u), mode))
            triggers.append(QChar(u));
    }
    for (char16_t u : kUnshifted) {
        if (isOffered(QChar(u), mode))
            triggers.append(QChar(u));
    }
    return triggers;
}

} // namespace pelinor::core
