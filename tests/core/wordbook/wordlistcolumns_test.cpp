#include "core/wordbook/wordlistcolumns.h"

#include <gtest/gtest.h>

using namespace pelinor::core;

TEST(WordListColumns, EachPositionShowsItsFieldAfterTheDirection)
{
    using F = std::optional<WordField>;
    struct Case {
        int column;
        F foreignFirst;
        F japaneseFirst;
    };
    const Case cases[] = {
        {-1, std::nullopt, std::nullopt},
        {0, WordField::ForeignWord, WordField::Japanese},
        {1, std::nullopt, std::nullopt}, // the entry number
        {2, WordField::Phonetic, WordField::Phonetic},
        {3, WordField::Kana, WordField::Kana},
        {4, WordField::Japanese, WordField::ForeignWord},
        {5, WordField::Note, WordField::Note},
        {6, WordField::SoundFile, WordField::SoundFile},
        {7, WordField::Colour, WordField::Colour},
        {kWordListColumnCount, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wordFieldAtColumn(c.column, true), c.foreignFirst) << c.column;
        EXPECT_EQ(wordFieldAtColumn(c.column, false), c.japaneseFirst) << c.column;
    }
}
