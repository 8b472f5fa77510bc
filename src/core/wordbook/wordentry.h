#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

namespace pelinor::core {

/// The seven stored fields of a word entry, in file order.
enum class WordField : int {
    ForeignWord = 0, ///< foreign word, in the script of the folder
    Phonetic, ///< phonetic symbols (IPA)
    Kana, ///< kana reading
    Japanese, ///< Japanese meaning
    Note, ///< note; line breaks are held as "#$0D"
    SoundFile, ///< sound file name, without folder
    Colour, ///< text colour as colour text, or empty for the default colour
};

/// Number of stored fields of an entry line.
inline constexpr int kWordFieldCount = 7;

/// One word entry of a word book. Fields 1 to 6 hold the text with the quote escape removed; the colour
/// is kept as stored. The line-break escape stays in the text.
struct WordEntry {
    QString foreignWord;
    QString phonetic;
    QString kana;
    QString japanese;
    QString note;
    QString soundFile;
    QString colour;
    /// 1-based position in its word book, as set by renumberEntries().
    qsizetype number = 0;

    const QString& field(WordField which) const;
    QString& field(WordField which);

    friend bool operator==(const WordEntry&, const WordEntry&) = default;
};

/// Sets every entry's number to its 1-based position in the list.
void renumberEntries(QList<WordEntry>& entries);

} // namespace pelinor::core
