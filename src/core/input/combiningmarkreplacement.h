#pragma once

#include <QString>

namespace pelinor::core {

/// The outcome of replacing combining marks in a text.
struct CombiningMarkReplacement {
    QString text;
    int count = 0; ///< number of sequences replaced
};

/// Turns Greek vowels followed by combining marks into the precomposed letters of the Greek and Coptic
/// block: ι or υ followed by U+0308 U+0301 (diaeresis, then acute) becomes ΐ or ΰ; α ε η ι ο υ ω and
/// Α Ε Η Ι Ο Υ Ω followed by U+0301 get the tonos; ι υ Ι Υ followed by U+0308 get the dialytika. No other
/// mark, order of marks or base letter is recognised; everything else, surrogates included, stays as it
/// is. A vowel with both marks takes the letter with both where one exists, else the diaeresis form (Ϊ Ϋ)
/// followed by the unconsumed U+0301.
///
/// Linear in the length of the text. The result equals applying the twenty replacement pairs one after
/// another, each repeatedly at its first occurrence from the start of the text.
CombiningMarkReplacement replaceCombiningMarks(QString text);

/// The report shown after a replacement, for example "3 個の置換を行いました。".
QString combiningMarkReplacementReport(int count);

} // namespace pelinor::core
