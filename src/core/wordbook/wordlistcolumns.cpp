#include "core/wordbook/wordlistcolumns.h"

namespace pelinor::core {

std::optional<WordField> wordFieldAtColumn(int column, bool foreignFirst)
{
    switch (column) {
    case 0:
        return foreignFirst ? WordField::ForeignWord : WordField::Japanese;
    case 2:
        return WordField::Phonetic;
    case 3:
        return WordField::Kana;
    case 4:
        return foreignFirst ? WordField::Japanese : WordField::ForeignWord;
    case 5:
        return WordField::Note;
    case 6:
        return WordField::SoundFile;
    case 7:
        return WordField::Colour;
    default:
        return std::nullopt;
    }
}

} // namespace pelinor::core
