#pragma once

#include "core/app/inputmodes.h"
#include "core/input/greekaccent.h"
#include "core/input/scriptlayout.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace pelinor::core {

/// The key tables of the eight script layouts (Russian standard, Russian typewriter, Greek and Ukrainian,
/// each lower and upper) over the 47 key positions of a JIS keyboard, and the legends that the on-screen
/// keyboard shows above them. Typing and the on-screen keyboard both use these tables.
///
/// Positions, in four rows: 0 is the key left of "1", 1 to 10 are "1" to "0", 11 and 12 the two keys
/// right of "0" ("-" and "^"); 13 to 24 are "q" to "p", "@" and "["; 25 to 36 are "a" to "l", ";", ":"
/// and "]"; 37 to 46 are "z" to "m", ",", "." and "/". The yen key and the "ろ" key have no position.
class ScriptLayouts {
public:
    static constexpr int keyCount = 47;
    static constexpr int legendCount = 48;

    /// The caption of key `position` in a layout: the character the key types, or "a", "b" or "ab" for the
    /// dead keys of the Greek layout. Empty for a position outside 0 to 46.
    static QStringView keyCaption(ScriptLayout layout, KeyLevel level, int position);

    /// The legend above key `position` (0 to 47), the same for every layout of a level. The legend of
    /// position 47, which has no key, is empty, and so is a position outside 0 to 47.
    static QStringView legendCaption(KeyLevel level, int position);

    /// The accent of the dead key at that place, if the key is one: on the Greek layout the tonos at
    /// lower 34, the dialytika at upper 34 and the dialytika with tonos at upper 14.
    static std::optional<GreekAccent> deadKeyAt(ScriptLayout layout, KeyLevel level, int position);

    /// The accent that a dead-key caption stands for: "a" tonos, "b" dialytika, "ab" both.
    static std::optional<GreekAccent> deadKeyOfCaption(QStringView caption);

    /// The hint shown when a dead key of the on-screen keyboard is clicked.
    static QString deadKeyMessage(GreekAccent accent);

    /// True when Caps Lock acts on the key: its lower and upper captions are the small and the capital
    /// form of one letter. On every other key Caps Lock changes nothing.
    static bool followsCapsLock(ScriptLayout layout, int position);

    /// The level that a press of the key types: Shift selects the upper level, and on the keys that follow
    /// Caps Lock, Caps Lock inverts that (Caps Lock with Shift types the small letter).
    static KeyLevel typedLevel(ScriptLayout layout, int position, bool shift, bool capsLock);

    /// The layout that typing uses in an input mode (1 to 7): the Russian one of `russianTypewriter` in
    /// mode 2, Greek in mode 5, Ukrainian in mode 7; none (the user's own layout) in the other modes.
    static std::optional<ScriptLayout> typingLayout(int inputMode, bool russianTypewriter);

    /// The layout that the on-screen keyboard shows in an input mode: Greek in modes 4 and 5, Ukrainian in
    /// modes 6 and 7, else the Russian one of `russianTypewriter`.
    static ScriptLayout onScreenLayout(int inputMode, bool russianTypewriter);

    static std::optional<ScriptLayout> typingLayout(InputMode mode, bool russianTypewriter)
    {
        return typingLayout(inputModeNumber(mode), russianTypewriter);
    }
    static ScriptLayout onScreenLayout(InputMode mode, bool russianTypewriter)
    {
        return onScreenLayout(inputModeNumber(mode), russianTypewriter);
    }
};

} // namespace pelinor::core
