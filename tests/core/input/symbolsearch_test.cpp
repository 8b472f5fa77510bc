#include "core/app/settings.h"
#include "core/input/symbolsearchindex.h"
#include "core/input/symbolsearchsources.h"
#include "core/input/unicodenames.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

using namespace pelinor::core;

namespace {

QString shippedTableFolder()
{
    return QStringLiteral(PELINOR_TEST_SOURCE_DIR "/data/Tbl");
}

// One index over the shipped databases for all cases: building it reads every Unicode name.
const SymbolSearchIndex& shippedIndex()
{
    static const SymbolSearchIndex index([] {
        const Settings settings;
        return readSymbolSearchDatabases(symbolSearchDatabaseNames(settings), shippedTableFolder());
    });
    return index;
}

qsizetype positionOf(const std::vector<char32_t>& found, char32_t code)
{
    const auto it = std::find(found.begin(), found.end(), code);
    return it == found.end() ? -1 : it - found.begin();
}

struct SearchCase {
    const char16_t* query;
    char32_t first; ///< the character listed first
    std::vector<char32_t> alsoFound; ///< further characters the query must find
};

class SymbolSearchCases : public testing::TestWithParam<SearchCase> { };

TEST_P(SymbolSearchCases, ListsTheExpectedCharacterFirst)
{
    const SearchCase& c = GetParam();
    const std::vector<char32_t> found = shippedIndex().search(QStringView(c.query));
    ASSERT_FALSE(found.empty()) << QString::fromUtf16(c.query).toStdString();
    EXPECT_EQ(static_cast<unsigned>(found.front()), static_cast<unsigned>(c.first))
        << QString::fromUtf16(c.query).toStdString();
    for (char32_t code : c.alsoFound)
        EXPECT_GE(positionOf(found, code), 0)
            << QString::fromUtf16(c.query).toStdString() << " misses " << static_cast<unsigned>(code);
}

INSTANTIATE_TEST_SUITE_P(Queries, SymbolSearchCases,
    testing::Values(
        // The English name in DBPhonet.csv is "mid central vowel (schwa)"; Unicode adds the other schwas.
        SearchCase{u"schwa", 0x0259, {0x018F, 0x04D9, 0x04D8}}, SearchCase{u"SchWA", 0x0259, {}},
        // "シュワー" is in the note of that entry ("あいまい母音（シュワー）"), its Japanese name is
        // "中舌中央母音".
        SearchCase{u"シュワー", 0x0259, {}}, SearchCase{u"中舌中央母音", 0x0259, {}},
        // Half-width katakana and hiragana find the same entry.
        SearchCase{u"ｼｭﾜｰ", 0x0259, {}}, SearchCase{u"あいまい母音", 0x0259, {}},
        // Codes and the character itself.
        SearchCase{u"0259", 0x0259, {}}, SearchCase{u"U+0259", 0x0259, {}}, SearchCase{u"u+259", 0x0259, {}},
        SearchCase{u"ə", 0x0259, {}}, SearchCase{u"  schwa ", 0x0259, {}},
        // Names found only in Unicode, the whole word before a longer one.
        SearchCase{u"sigma", 0x03A3, {0x03C3, 0x03C2}}, SearchCase{u"EURO SIGN", 0x20AC, {}},
        // A code outside the Basic Multilingual Plane.
        SearchCase{u"1F600", 0x1F600, {}}, SearchCase{u"grinning face", 0x1F600, {}},
        // Database names in Cyrillic scripts' databases.
        SearchCase{u"キリル大文字アー", 0x0410, {}}));

TEST(SymbolSearch, FindsNothingForBlankOrUnknownQueries)
{
    EXPECT_TRUE(shippedIndex().search(u"").empty());
    EXPECT_TRUE(shippedIndex().search(u"   ").empty());
    EXPECT_TRUE(shippedIndex().search(u"qqqzzzxq").empty());
}

TEST(SymbolSearch, ListsEachCharacterOnceAndOnlyInsertableCharacters)
{
    // "a" is a word of many names: nothing may repeat, and no surrogate or control is offered.
    const std::vector<char32_t> found = shippedIndex().search(u"a");
    ASSERT_GT(found.size(), 500u);
    std::vector<char32_t> sorted = found;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end());
    EXPECT_EQ(found.front(), U'a');
    for (char32_t code : found) {
        EXPECT_FALSE(code >= 0xD800 && code <= 0xDFFF);
        EXPECT_GE(code, 0x20u);
    }
}

TEST(SymbolSearch, WordsWithoutDigitsAreNamesNotCodes)
{
    // "face" is also four hex digits; it is searched as a word.
    const std::vector<char32_t> found = shippedIndex().search(u"face");
    ASSERT_FALSE(found.empty());
    EXPECT_NE(found.front(), 0xFACEu);
}

TEST(SymbolSearch, DescribesACharacterWithAllItsNames)
{
    const SymbolDescription schwa = shippedIndex().describe(0x0259);
    EXPECT_EQ(schwa.text, QStringLiteral("ə"));
    EXPECT_EQ(schwa.englishName, QStringLiteral("mid central vowel (schwa)"));
    EXPECT_EQ(schwa.japaneseName, QStringLiteral("中舌中央母音"));
    EXPECT_EQ(schwa.unicodeName, QStringLiteral("LATIN SMALL LETTER SCHWA"));
    EXPECT_EQ(shippedIndex().describe(0x1F600).text, QString::fromUcs4(U"\U0001F600", 1));
    EXPECT_TRUE(shippedIndex().describe(0x0007).unicodeName.isEmpty());
}

TEST(SymbolSearch, IndexIsBuiltAtTheFirstSearchAndHoldsEveryUnicodeName)
{
    int reads = 0;
    SymbolSearchIndex index([&reads] {
        ++reads;
        return QList<SymbolEntry>{{0, QStringLiteral("0259"), QStringLiteral("x#$0283y"), QStringLiteral("試し"),
            QStringLiteral("0"), QString()}};
    });
    EXPECT_FALSE(index.isBuilt());
    EXPECT_EQ(reads, 0);
    // Hex escapes in English names are resolved before searching.
    EXPECT_EQ(index.search(u"xʃy").front(), 0x0259u);
    index.search(u"schwa");
    EXPECT_EQ(reads, 1);
    qsizetype named = 0;
    forEachUnicodeName([&named](char32_t, std::string_view) { ++named; });
    EXPECT_EQ(index.unicodeNameCount(), named);
    EXPECT_GT(named, 30000);
    index.invalidate();
    index.search(u"schwa");
    EXPECT_EQ(reads, 2);
}

TEST(SymbolSearch, UnicodeNamesComeFromIcu)
{
    EXPECT_EQ(unicodeName(0x0259), QStringLiteral("LATIN SMALL LETTER SCHWA"));
    EXPECT_EQ(unicodeName(0x0416), QStringLiteral("CYRILLIC CAPITAL LETTER ZHE"));
    EXPECT_TRUE(unicodeName(0xD800).isEmpty());
    EXPECT_TRUE(unicodeName(0x110000).isEmpty());
}

} // namespace
