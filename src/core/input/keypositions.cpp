#include "core/input/keypositions.h"

#include "core/input/scriptlayouts.h"

#include <array>
#include <string_view>

namespace pelinor::core {

namespace {

constexpr quint32 x11Offset = 8;
constexpr quint32 evdevZenkakuHankaku = 85;

// Evdev codes of the positions 0 to 46, row by row:
// KEY_GRAVE, KEY_1 … KEY_0, KEY_MINUS, KEY_EQUAL;
// KEY_Q … KEY_P, KEY_LEFTBRACE, KEY_RIGHTBRACE;
// KEY_A … KEY_L, KEY_SEMICOLON, KEY_APOSTROPHE, KEY_BACKSLASH;
// KEY_Z … KEY_M, KEY_COMMA, KEY_DOT, KEY_SLASH.
// clang-format off
constexpr std::array<quint32, ScriptLayouts::keyCount> evdevCodes = {
    41, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13,
    16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27,
    30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 43,
    44, 45, 46, 47, 48, 49, 50, 51, 52, 53,
};
// clang-format on

constexpr quint32 highestEvdevCode = 85;

constexpr auto buildPositionTable()
{
    std::array<int, highestEvdevCode + 1> table{};
    for (int& position : table)
        position = -1;
    for (std::size_t i = 0; i < evdevCodes.size(); ++i)
        table[evdevCodes[i]] = static_cast<int>(i);
    table[evdevZenkakuHankaku] = 0;
    return table;
}

constexpr auto positionOfEvdev = buildPositionTable();

// The characters of the user's layout per position, unshifted and shifted; a space marks a key that types
// nothing there.
constexpr std::u16string_view jisLower = u" 1234567890-^qwertyuiop@[asdfghjkl;:]zxcvbnm,./";
constexpr std::u16string_view jisUpper = u" !\"#$%&'() =~QWERTYUIOP`{ASDFGHJKL+*}ZXCVBNM<>?";
constexpr std::u16string_view usLower = u"`1234567890-=qwertyuiop[]asdfghjkl;'\\zxcvbnm,./";
constexpr std::u16string_view usUpper = u"~!@#$%^&*()_+QWERTYUIOP{}ASDFGHJKL:\"|ZXCVBNM<>?";
static_assert(jisLower.size() == ScriptLayouts::keyCount && jisUpper.size() == ScriptLayouts::keyCount);
static_assert(usLower.size() == ScriptLayouts::keyCount && usUpper.size() == ScriptLayouts::keyCount);

std::u16string_view hostRow(HostLayout host, bool shifted)
{
    if (host == HostLayout::Us)
        return shifted ? usUpper : usLower;
    return shifted ? jisUpper : jisLower;
}

bool isKeyPosition(int position)
{
    return position >= 0 && position < ScriptLayouts::keyCount;
}

} // namespace

std::optional<int> KeyPositions::positionOfX11KeyCode(quint32 keyCode)
{
    if (keyCode < x11Offset || keyCode - x11Offset > highestEvdevCode)
        return std::nullopt;
    const int position = positionOfEvdev[keyCode - x11Offset];
    if (position < 0)
        return std::nullopt;
    return position;
}

quint32 KeyPositions::x11KeyCodeOfPosition(int position)
{
    if (!isKeyPosition(position))
        return 0;
    return evdevCodes[static_cast<std::size_t>(position)] + x11Offset;
}

std::optional<HostKey> KeyPositions::hostKeyOfCharacter(QChar character, HostLayout host)
{
    const char16_t c = character.unicode();
    if (c == u' ')
        return std::nullopt;
    for (const bool shifted : {false, true}) {
        const std::size_t at = hostRow(host, shifted).find(c);
        if (at != std::u16string_view::npos)
            return HostKey{static_cast<int>(at), shifted};
    }
    return std::nullopt;
}

QChar KeyPositions::hostCharacter(HostLayout host, int position, bool shifted)
{
    if (!isKeyPosition(position))
        return {};
    const char16_t c = hostRow(host, shifted)[static_cast<std::size_t>(position)];
    return c == u' ' ? QChar() : QChar(c);
}

bool KeyPositions::isHostLetterKey(HostLayout host, int position)
{
    if (!isKeyPosition(position))
        return false;
    const char16_t c = hostRow(host, false)[static_cast<std::size_t>(position)];
    return c >= u'a' && c <= u'z';
}

} // namespace pelinor::core
