#include "core/wordbook/wordentry.h"

namespace pelinor::core {

const QString& WordEntry::field(WordField which) const
{
    switch (which) {
    case WordField::ForeignWord:
        return foreignWord;
    case WordField::Phonetic:
        return phonetic;
    case WordField::Kana:
        return kana;
    case WordField::Japanese:
        return japanese;
    case WordField::Note:
        return note;
    case WordField::SoundFile:
        return soundFile;
    case WordField::Colour:
        break;
    }
    return colour;
}

QString& WordEntry::field(WordField which)
{
    return const_cast<QString&>(std::as_const(*this).field(which));
}

void renumberEntries(QList<WordEntry>& entries)
{
    for (qsizetype i = 0; i < entries.size(); ++i)
        entries[i].number = i + 1;
}

} // namespace pelinor::core
