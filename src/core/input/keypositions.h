#pragma once

#include <QChar>
#include <QtGlobal>

#include <optional>

namespace pelinor::core {

/// The user's own keyboard layout, whose characters are mapped back to key positions when a key event
/// carries no scan code.
enum class HostLayout { Jis, Us };

/// A key of the user's own layout: its position (0 to 46, as in ScriptLayouts) and whether the character
/// is the key's shifted one.
struct HostKey {
    int position = 0;
    bool shifted = false;

    friend bool operator==(const HostKey&, const HostKey&) = default;
};

/// Finds the key position of a physical key: from its X11 key code, or from the character that the user's
/// own layout gave it.
///
/// X11 key codes are evdev codes plus 8. Position 0 is the key left of "1" (KEY_GRAVE, the 半角/全角 key of a
/// JIS keyboard; KEY_ZENKAKUHANKAKU where a keyboard reports that instead), 1 to 10 are KEY_1 to KEY_0,
/// 11 and 12 KEY_MINUS and KEY_EQUAL; 13 to 24 are KEY_Q to KEY_P, KEY_LEFTBRACE and KEY_RIGHTBRACE; 25
/// to 36 are KEY_A to KEY_L, KEY_SEMICOLON, KEY_APOSTROPHE and KEY_BACKSLASH (the "]" key right of ":" on
/// a JIS keyboard); 37 to 46 are KEY_Z to KEY_M, KEY_COMMA, KEY_DOT and KEY_SLASH. Every other key, among
/// them KEY_YEN, KEY_RO, KEY_102ND and the keypad, has no position.
class KeyPositions {
public:
    /// The position of an X11 key code, or nothing for a key outside the 47.
    static std::optional<int> positionOfX11KeyCode(quint32 keyCode);

    /// The X11 key code of a position (0 to 46); 0 for any other number.
    static quint32 x11KeyCodeOfPosition(int position);

    /// The key of the user's layout that types `character` (the JIS legends: "1" to "0", "-", "^", "q" to
    /// "p", "@", "[", …, with "!", "\"", …, "=", "~", "Q", …, "`", "{", … shifted; or the US keys), or
    /// nothing for a character that no key of the 47 types there.
    static std::optional<HostKey> hostKeyOfCharacter(QChar character, HostLayout host);

    /// The character that a key of the user's layout types; null where it types none (on JIS, position 0
    /// and shifted "0").
    static QChar hostCharacter(HostLayout host, int position, bool shifted);

    /// True for the letter keys a to z, whose case Caps Lock turns over in the user's layout.
    static bool isHostLetterKey(HostLayout host, int position);
};

} // namespace pelinor::core
