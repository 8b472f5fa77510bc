#pragma once

#include <QChar>

#include <optional>

namespace pelinor::core {

/// The accents of modern Greek that the accent replacement and the dead keys of the Greek layout put on
/// vowels: the acute accent (tonos), the diaeresis (dialytika) and both together.
enum class GreekAccent { Tonos, Dialytika, DialytikaTonos };

/// The precomposed letter of the Greek and Coptic block for `vowel` with `accent` (ά έ ή ί ό ύ ώ, ϊ ϋ, ΐ ΰ
/// and the capitals Ά Έ Ή Ί Ό Ύ Ώ, Ϊ Ϋ), or nothing when that block has no such letter.
std::optional<QChar> accentedGreekVowel(QChar vowel, GreekAccent accent);

/// The spacing form of an accent, as a dead key followed by a space types it: ΄ (U+0384), ¨ (U+00A8) and
/// ΅ (U+0385).
QChar spacingGreekAccent(GreekAccent accent);

} // namespace pelinor::core
