#include "core/input/combiningmarkreplacement.h"

#include "core/input/greekaccent.h"

#include <QCoreApplication>

#include <optional>

namespace pelinor::core {

namespace {

constexpr char16_t combiningAcute = u'\u0301';
constexpr char16_t combiningDiaeresis = u'\u0308';

bool isMark(char16_t c)
{
    return c == combiningAcute || c == combiningDiaeresis;
}

struct Match {
    QChar letter;
    qsizetype length = 0;
};

// The replacement that starts at `at`, if any. A replacement is always a base letter followed by marks,
// and the letter it leaves is neither a base letter nor a mark, so replacements never overlap, never
// create new ones, and only compete when they start at the same letter. There the two-mark sequence
// comes first, then the acute accent, then the diaeresis.
std::optional<Match> matchAt(const QChar* text, qsizetype at, qsizetype size)
{
    const qsizetype rest = size - at;
    if (rest < 2)
        return std::nullopt;
    const char16_t mark = text[at + 1].unicode();
    if (!isMark(mark))
        return std::nullopt;
    const QChar base = text[at];
    if (mark == combiningDiaeresis) {
        if (rest >= 3 && text[at + 2].unicode() == combiningAcute) {
            if (const auto letter = accentedGreekVowel(base, GreekAccent::DialytikaTonos))
                return Match{*letter, 3};
        }
        if (const auto letter = accentedGreekVowel(base, GreekAccent::Dialytika))
            return Match{*letter, 2};
        return std::nullopt;
    }
    if (const auto letter = accentedGreekVowel(base, GreekAccent::Tonos))
        return Match{*letter, 2};
    return std::nullopt;
}

} // namespace

CombiningMarkReplacement replaceCombiningMarks(QString text)
{
    CombiningMarkReplacement result;
    const qsizetype size = text.size();
    qsizetype read = 0;
    std::optional<Match> match;
    // Most texts have nothing to replace: find the first replacement without detaching the text.
    for (const QChar* data = text.constData(); read < size; ++read) {
        match = matchAt(data, read, size);
        if (match)
            break;
    }
    if (!match) {
        result.text = std::move(text);
        return result;
    }
    // Compact in place: the write position never passes the read position.
    QChar* data = text.data();
    qsizetype write = read;
    while (read < size) {
        if (match) {
            data[write++] = match->letter;
            read += match->length;
            ++result.count;
        } else {
            data[write++] = data[read++];
        }
        match = read < size ? matchAt(data, read, size) : std::nullopt;
    }
    text.truncate(write);
    result.text = std::move(text);
    return result;
}

QString combiningMarkReplacementReport(int count)
{
    return QCoreApplication::translate("pelinor::core::CombiningMarkReplacement", "%1 個の置換を行いました。")
        .arg(count);
}

} // namespace pelinor::core
