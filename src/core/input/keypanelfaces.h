#pragma once

#include "core/input/scriptlayout.h"

#include <QString>

#include <array>

namespace pelinor::core {

class TableSet;

/// The three key panels of the key panel column.
enum class KeyPanelKind { Romaji, Keyboard, Phonetic };

/// The colour of a key's caption.
enum class KeyInk { Black, Red, Blue };

/// How one key or legend strip of a key panel looks and whether it can be clicked. A face with an empty
/// caption is a blank, disabled position.
struct KeyFace {
    QString caption;
    bool enabled = false;
    bool bold = false;
    KeyInk ink = KeyInk::Black;
    int pointSize = 0;
    /// A letter key of the romaji or phonetic-symbol panel: its key is taller and its legend shorter.
    bool letter = false;

    friend bool operator==(const KeyFace&, const KeyFace&) = default;
};

/// The faces of a whole panel: 47 keys and 48 legends (legend i above key i; legend 47 has no key).
struct KeyPanelFaces {
    static constexpr int keyCount = 47;
    static constexpr int legendCount = 48;
    std::array<KeyFace, keyCount> keys;
    std::array<KeyFace, legendCount> legends;
};

/// The faces of the romaji key panel for the foreign candidate table `foreign`: the unshifted JIS
/// characters on the keys and the shifted ones on the legends; a trigger is enabled and bold (keys 12
/// points, legends 11), everything else disabled and regular (keys 11, legends 10).
KeyPanelFaces romajiPanelFaces(const TableSet& foreign);

/// The faces of the phonetic-symbol key panel for the phonetic candidate table: capitals on the letter
/// keys, legends only where the shifted character is no letter; triggers enabled. Keys are one point
/// larger than `panelPointSize`, legends `panelPointSize`.
KeyPanelFaces phoneticPanelFaces(const TableSet& phonetic, int panelPointSize);

/// The point sizes that the on-screen keyboard starts with, before any layout is applied.
inline constexpr int kKeyboardInitialKeySize = 16;
inline constexpr int kKeyboardInitialLegendSize = 13;

/// The faces of the on-screen keyboard showing `layout` at `level`. On the Russian and Ukrainian layouts a
/// key whose character is a trigger of `foreign` is bold, red and 17 points, any other key regular, black
/// and 15 points, legends 12 points. On the Greek layout keys and legends keep the sizes of `previous`
/// and the dead keys are blue. Legends are never enabled.
KeyPanelFaces keyboardFaces(
    ScriptLayout layout, KeyLevel level, const TableSet& foreign, const KeyPanelFaces& previous);

/// The faces of the on-screen keyboard before its first layout: blank, at the initial key size and with
/// legends of `legendPointSize` (the PAD's keyboard starts them smaller).
KeyPanelFaces initialKeyboardFaces(int legendPointSize = kKeyboardInitialLegendSize);

} // namespace pelinor::core
