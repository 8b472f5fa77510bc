#include "core/input/greekaccent.h"

#include <array>

namespace pelinor::core {

namespace {

// The accentable vowels all lie between Α (U+0391) and ω (U+03C9); a zero marks "no such letter".
constexpr char16_t firstVowel = u'\u0391';
constexpr char16_t lastVowel = u'\u03C9';

struct AccentedForms {
    char16_t tonos = 0;
    char16_t dialytika = 0;
    char16_t dialytikaTonos = 0;
};

struct VowelRow {
    char16_t vowel;
    AccentedForms forms;
};

constexpr VowelRow vowelRows[] = {
    {u'\u03B1', {u'\u03AC', 0, 0}}, // α ά
    {u'\u03B5', {u'\u03AD', 0, 0}}, // ε έ
    {u'\u03B7', {u'\u03AE', 0, 0}}, // η ή
    {u'\u03B9', {u'\u03AF', u'\u03CA', u'\u0390'}}, // ι ί ϊ ΐ
    {u'\u03BF', {u'\u03CC', 0, 0}}, // ο ό
    {u'\u03C5', {u'\u03CD', u'\u03CB', u'\u03B0'}}, // υ ύ ϋ ΰ
    {u'\u03C9', {u'\u03CE', 0, 0}}, // ω ώ
    {u'\u0391', {u'\u0386', 0, 0}}, // Α Ά
    {u'\u0395', {u'\u0388', 0, 0}}, // Ε Έ
    {u'\u0397', {u'\u0389', 0, 0}}, // Η Ή
    {u'\u0399', {u'\u038A', u'\u03AA', 0}}, // Ι Ί Ϊ
    {u'\u039F', {u'\u038C', 0, 0}}, // Ο Ό
    {u'\u03A5', {u'\u038E', u'\u03AB', 0}}, // Υ Ύ Ϋ
    {u'\u03A9', {u'\u038F', 0, 0}}, // Ω Ώ
};

constexpr auto buildVowelTable()
{
    std::array<AccentedForms, lastVowel - firstVowel + 1> table{};
    for (const VowelRow& row : vowelRows)
        table[static_cast<std::size_t>(row.vowel - firstVowel)] = row.forms;
    return table;
}

constexpr auto vowelTable = buildVowelTable();

} // namespace

std::optional<QChar> accentedGreekVowel(QChar vowel, GreekAccent accent)
{
    const char16_t u = vowel.unicode();
    if (u < firstVowel || u > lastVowel)
        return std::nullopt;
    const AccentedForms& forms = vowelTable[static_cast<std::size_t>(u - firstVowel)];
    char16_t letter = 0;
    switch (accent) {
    case GreekAccent::Tonos:
        letter = forms.tonos;
        break;
    case GreekAccent::Dialytika:
        letter = forms.dialytika;
        break;
    case GreekAccent::DialytikaTonos:
        letter = forms.dialytikaTonos;
        break;
    }
    if (letter == 0)
        return std::nullopt;
    return QChar(letter);
}

QChar spacingGreekAccent(GreekAccent accent)
{
    switch (accent) {
    case GreekAccent::Tonos:
        return QChar(u'\u0384');
    case GreekAccent::Dialytika:
        return QChar(u'\u00A8');
    case GreekAccent::DialytikaTonos:
        return QChar(u'\u0385');
    }
    return {};
}

} // namespace pelinor::core
