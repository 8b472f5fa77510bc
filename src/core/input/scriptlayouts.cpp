#include "core/input/scriptlayouts.h"

#include <QCoreApplication>

#include <array>

namespace pelinor::core {

namespace {

using CaptionRow = std::array<const char16_t*, ScriptLayouts::keyCount>;
using LegendRow = std::array<const char16_t*, ScriptLayouts::legendCount>;

// clang-format off
// Two rows per layout, lower then upper, in the order of ScriptLayout. The Ukrainian layouts have ґ and Ґ
// where the Ukrainian keyboard has them, on the key right of "]" (the backslash key of a US keyboard).
constexpr CaptionRow keyCaptions[] = {
    // Russian standard, lower
    {{
        u"ё", u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9", u"0", u"-",
        u"=", u"й", u"ц", u"у", u"к", u"е", u"н", u"г", u"ш", u"щ", u"з", u"х",
        u"ъ", u"ф", u"ы", u"в", u"а", u"п", u"р", u"о", u"л", u"д", u"ж", u"э",
        u"\\", u"я", u"ч", u"с", u"м", u"и", u"т", u"ь", u"б", u"ю", u".",
    }},
    // Russian standard, upper
    {{
        u"Ё", u"!", u"\"", u"№", u";", u"%", u":", u"?", u"*", u"(", u")", u"_",
        u"+", u"Й", u"Ц", u"У", u"К", u"Е", u"Н", u"Г", u"Ш", u"Щ", u"З", u"Х",
        u"Ъ", u"Ф", u"Ы", u"В", u"А", u"П", u"Р", u"О", u"Л", u"Д", u"Ж", u"Э",
        u"/", u"Я", u"Ч", u"С", u"М", u"И", u"Т", u"Ь", u"Б", u"Ю", u",",
    }},
    // Russian typewriter, lower
    {{
        u"|", u"№", u"-", u"/", u"\"", u":", u",", u".", u"_", u"?", u"%", u"!",
        u";", u"й", u"ц", u"у", u"к", u"е", u"н", u"г", u"ш", u"щ", u"з", u"х",
        u"ъ", u"ф", u"ы", u"в", u"а", u"п", u"р", u"о", u"л", u"д", u"ж", u"э",
        u")", u"я", u"ч", u"с", u"м", u"и", u"т", u"ь", u"б", u"ю", u"ё",
    }},
    // Russian typewriter, upper
    {{
        u"+", u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9", u"0", u"=",
        u"\\", u"Й", u"Ц", u"У", u"К", u"Е", u"Н", u"Г", u"Ш", u"Щ", u"З", u"Х",
        u"Ъ", u"Ф", u"Ы", u"В", u"А", u"П", u"Р", u"О", u"Л", u"Д", u"Ж", u"Э",
        u"(", u"Я", u"Ч", u"С", u"М", u"И", u"Т", u"Ь", u"Б", u"Ю", u"Ё",
    }},
    // Greek, lower
    {{
        u"`", u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9", u"0", u"-",
        u"=", u";", u"ς", u"ε", u"ρ", u"τ", u"υ", u"θ", u"ι", u"ο", u"π", u"[",
        u"]", u"α", u"σ", u"δ", u"φ", u"γ", u"η", u"ξ", u"κ", u"λ", u"a", u"'",
        u"\\", u"ζ", u"χ", u"ψ", u"ω", u"β", u"ν", u"μ", u",", u".", u"/",
    }},
    // Greek, upper
    {{
        u"~", u"!", u"@", u"#", u"$", u"%", u"^", u"&", u"*", u"(", u")", u"_",
        u"+", u":", u"ab", u"Ε", u"Ρ", u"Τ", u"Υ", u"Θ", u"Ι", u"Ο", u"Π", u"{",
        u"}", u"Α", u"Σ", u"Δ", u"Φ", u"Γ", u"Η", u"Ξ", u"Κ", u"Λ", u"b", u"\"",
        u"|", u"Ζ", u"Χ", u"Ψ", u"Ω", u"Β", u"Ν", u"Μ", u"<", u">", u"?",
    }},
    // Ukrainian, lower
    {{
        u"'", u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9", u"0", u"-",
        u"=", u"й", u"ц", u"у", u"к", u"е", u"н", u"г", u"ш", u"щ", u"з", u"х",
        u"ї", u"ф", u"і", u"в", u"а", u"п", u"р", u"о", u"л", u"д", u"ж", u"є",
        u"ґ", u"я", u"ч", u"с", u"м", u"и", u"т", u"ь", u"б", u"ю", u".",
    }},
    // Ukrainian, upper
    {{
        u"₴", u"!", u"\"", u"№", u";", u"%", u":", u"?", u"*", u"(", u")", u"_",
        u"+", u"Й", u"Ц", u"У", u"К", u"Е", u"Н", u"Г", u"Ш", u"Щ", u"З", u"Х",
        u"Ї", u"Ф", u"І", u"В", u"А", u"П", u"Р", u"О", u"Л", u"Д", u"Ж", u"Є",
        u"Ґ", u"Я", u"Ч", u"С", u"М", u"И", u"Т", u"Ь", u"Б", u"Ю", u",",
    }},
};
static_assert(std::size(keyCaptions) == 8);

constexpr LegendRow legendCaptions[] = {
    // lower layouts
    {{
        u"半", u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9", u"0", u"-",
        u"^", u"q", u"w", u"e", u"r", u"t", u"y", u"u", u"i", u"o", u"p", u"@",
        u"[", u"a", u"s", u"d", u"f", u"g", u"h", u"j", u"k", u"l", u";", u":",
        u"]", u"z", u"x", u"c", u"v", u"b", u"n", u"m", u",", u".", u"/", u"",
    }},
    // upper layouts
    {{
        u"半", u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9", u"0", u"=",
        u"~", u"Q", u"W", u"E", u"R", u"T", u"Y", u"U", u"I", u"O", u"P", u"`",
        u"{", u"A", u"S", u"D", u"F", u"G", u"H", u"J", u"K", u"L", u"+", u"*",
        u"}", u"Z", u"X", u"C", u"V", u"B", u"N", u"M", u"<", u">", u"?", u"",
    }},
};

// clang-format on

int levelIndex(KeyLevel level)
{
    return level == KeyLevel::Upper ? 1 : 0;
}

std::size_t rowIndex(ScriptLayout layout, KeyLevel level)
{
    return static_cast<std::size_t>(static_cast<int>(layout) * 2 + levelIndex(level));
}

bool isKeyPosition(int position)
{
    return position >= 0 && position < ScriptLayouts::keyCount;
}

} // namespace

QStringView ScriptLayouts::keyCaption(ScriptLayout layout, KeyLevel level, int position)
{
    if (!isKeyPosition(position))
        return {};
    return QStringView(keyCaptions[rowIndex(layout, level)][static_cast<std::size_t>(position)]);
}

QStringView ScriptLayouts::legendCaption(KeyLevel level, int position)
{
    if (position < 0 || position >= legendCount)
        return {};
    return QStringView(legendCaptions[levelIndex(level)][static_cast<std::size_t>(position)]);
}

std::optional<GreekAccent> ScriptLayouts::deadKeyAt(ScriptLayout layout, KeyLevel level, int position)
{
    // Only the Greek layout has dead keys; their captions name them.
    if (layout != ScriptLayout::Greek)
        return std::nullopt;
    return deadKeyOfCaption(keyCaption(layout, level, position));
}

std::optional<GreekAccent> ScriptLayouts::deadKeyOfCaption(QStringView caption)
{
    if (caption == u"a")
        return GreekAccent::Tonos;
    if (caption == u"b")
        return GreekAccent::Dialytika;
    if (caption == u"ab")
        return GreekAccent::DialytikaTonos;
    return std::nullopt;
}

QString ScriptLayouts::deadKeyMessage(GreekAccent accent)
{
    const char* text = nullptr;
    switch (accent) {
    case GreekAccent::Tonos:
        text = "このキーの後に母音文字を入力するとアクセント付き文字を入力できます。";
        break;
    case GreekAccent::Dialytika:
        text = "このキーの後に母音文字を入力すると分音符（ウムラウト）付き文字を入力できます。";
        break;
    case GreekAccent::DialytikaTonos:
        text = "このキーの後に母音文字を入力するとアクセントと分音符付き文字を入力できます。";
        break;
    }
    return QCoreApplication::translate("pelinor::core::ScriptLayouts", text);
}

bool ScriptLayouts::followsCapsLock(ScriptLayout layout, int position)
{
    const QStringView lower = keyCaption(layout, KeyLevel::Lower, position);
    const QStringView upper = keyCaption(layout, KeyLevel::Upper, position);
    if (lower.size() != 1 || upper.size() != 1 || !lower.front().isLetter())
        return false;
    return lower.front() != upper.front() && lower.front().toUpper() == upper.front();
}

KeyLevel ScriptLayouts::typedLevel(ScriptLayout layout, int position, bool shift, bool capsLock)
{
    const bool upper = capsLock && followsCapsLock(layout, position) ? !shift : shift;
    return upper ? KeyLevel::Upper : KeyLevel::Lower;
}

std::optional<ScriptLayout> ScriptLayouts::typingLayout(int inputMode, bool russianTypewriter)
{
    switch (inputMode) {
    case 2:
        return russianTypewriter ? ScriptLayout::RussianTypewriter : ScriptLayout::RussianStandard;
    case 5:
        return ScriptLayout::Greek;
    case 7:
        return ScriptLayout::Ukrainian;
    default:
        return std::nullopt;
    }
}

ScriptLayout ScriptLayouts::onScreenLayout(int inputMode, bool russianTypewriter)
{
    switch (inputMode) {
    case 4:
    case 5:
        return ScriptLayout::Greek;
    case 6:
    case 7:
        return ScriptLayout::Ukrainian;
    default:
        return russianTypewriter ? ScriptLayout::RussianTypewriter : ScriptLayout::RussianStandard;
    }
}

} // namespace pelinor::core
