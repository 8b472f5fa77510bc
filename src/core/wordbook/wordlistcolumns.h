#pragma once

#include "core/wordbook/wordentry.h"

#include <optional>

namespace pelinor::core {

// The columns of the word list by position (0-based): the first shows the foreign word or the Japanese
// meaning after the direction, then the entry number, phonetic symbols, kana reading, the other of foreign
// word and meaning, note, sound file and the never-shown colour. The stored order of the fields never
// changes with the direction.

/// Number of column positions of the word list.
inline constexpr int kWordListColumnCount = 8;

/// The stored field that a column position shows; nullopt for the number column and positions outside
/// the list. `foreignFirst` is the direction (`EiwaFlg`).
std::optional<WordField> wordFieldAtColumn(int column, bool foreignFirst);

} // namespace pelinor::core
