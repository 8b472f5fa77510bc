#include "core/common/textcodec.h"
#include "core/common/textfile.h"
#include "core/input/tablesets.h"
#include "support/tempworld.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace pelinor::core;
using pelinor::test::TempWorld;

namespace {

class TableSetTest : public ::testing::Test {
protected:
    void writeFile(const QString& name, const QStringList& lines, TextEncoding encoding = TextEncoding::Cp932)
    {
        world.writeBytes(name, encodeText(joinLines(lines), encoding));
    }

    // A candidate line: the quoted key field and nine slot fields.
    static QString candidateLine(const QString& keyField, const QStringList& candidates)
    {
        QStringList fields = candidates;
        while (fields.size() < 9)
            fields.append(QString());
        return u"\"%1\",%2"_qs.arg(keyField, fields.join(u','));
    }

    static QString symbolLine(const QString& code, const QString& english, const QString& japanese = {},
        const QString& auxiliary = u"0"_qs, const QString& note = {})
    {
        return u"0,\"%1\",\"%2\",\"%3\",\"%4\",\"%5\""_qs.arg(code, english, japanese, auxiliary, note);
    }

    void load(const QStringList& candidateLines, const QStringList& symbolLines = {})
    {
        writeFile(u"CandT.csv"_qs, candidateLines);
        writeFile(u"DBT.csv"_qs, symbolLines);
        set.loadTableSet(world.path(), u"CandT.csv"_qs, u"DBT.csv"_qs);
    }

    std::array<char16_t, 10> fetch(char16_t key) const
    {
        CandidateBuffer buffer;
        buffer.setSlot(10, u'x'); // must be cleared
        set.fetchCandidates(key, buffer);
        return buffer.contents();
    }

    TempWorld world;
    TableSet set;
};

} // namespace

TEST_F(TableSetTest, KeyFieldsOfFourCharactersAreCodesOthersTheirFirstCharacter)
{
    struct Case {
        QString keyField;
        char16_t key;
    };
    const Case cases[] = {
        {u"0041"_qs, u'A'},
        {u"A"_qs, u'A'},
        {u"ABC"_qs, u'A'},
        {u"a"_qs, u'a'},
        {u"0022"_qs, u'"'},
        {u"00e9"_qs, u'é'},
        {u"ABCDE"_qs, u'A'},
    };
    for (const Case& c : cases) {
        load({u"\"DBT.csv\",Alphabet_Both"_qs, candidateLine(c.keyField, {u"0430"_qs})});
        EXPECT_TRUE(set.isTrigger(c.key)) << c.keyField.toStdString();
        EXPECT_EQ(fetch(c.key)[0], u'а') << c.keyField.toStdString();
        EXPECT_TRUE(set.skippedLines().isEmpty());
    }
    load({candidateLine(u"a"_qs, {u"0430"_qs})});
    EXPECT_FALSE(set.isTrigger(u'A')); // case matters
}

TEST_F(TableSetTest, CandidateFieldsOfFourCharactersAreCodesOthersEmpty)
{
    struct Case {
        QString field;
        char16_t candidate;
    };
    const Case cases[] = {
        {u"0430"_qs, u'а'},
        {u"043a"_qs, u'\x043A'},
        {u"043A"_qs, u'\x043A'},
        {u"430"_qs, 0},
        {u"00430"_qs, 0},
        {u""_qs, 0},
    };
    for (const Case& c : cases) {
        load({candidateLine(u"k"_qs, {u"0061"_qs, c.field, u"0062"_qs})});
        EXPECT_EQ(fetch(u'k'), (std::array<char16_t, 10>{u'a', c.candidate, u'b'})) << c.field.toStdString();
    }
}

TEST_F(TableSetTest, LinesOfOtherShapesAreIgnoredAndEmptyRecordsAreNoTrigger)
{
    load({u"\"DBT.csv\",Alphabet_Both"_qs, candidateLine(u"e"_qs, {}), // stored, but without candidates
        u"\"n\",0061,,,,,,,"_qs, // nine fields
        u"\"l\",0061,,,,,,,,,"_qs, // eleven fields
        u"\"\",0061,,,,,,,,"_qs, // empty key field
        candidateLine(u"g"_qs, {{}, {}, {}, {}, {}, {}, {}, {}, u"0067"_qs})});
    EXPECT_FALSE(set.isTrigger(u'e'));
    EXPECT_EQ(fetch(u'e'), (std::array<char16_t, 10>{}));
    EXPECT_FALSE(set.isTrigger(u'n'));
    EXPECT_FALSE(set.isTrigger(u'l'));
    EXPECT_TRUE(set.isTrigger(u'g'));
    EXPECT_EQ(fetch(u'g')[8], u'g');
    EXPECT_FALSE(set.isTrigger(0));
    EXPECT_EQ(fetch(u'z'), (std::array<char16_t, 10>{}));
    EXPECT_EQ(set.candidateRecords().size(), 2u);
    EXPECT_TRUE(set.skippedLines().isEmpty());
}

TEST_F(TableSetTest, SymbolsComeFromTheFirstStrictlyUpperCaseCodeLine)
{
    load({candidateLine(u"k"_qs, {u"043a"_qs, u"0431"_qs, u"0432"_qs, u"0433"_qs})},
        {u"\"キリル文字\",\"Times New Roman\""_qs, u"Group,0,\"Cyrillic\""_qs,
            symbolLine(u"043a"_qs, u"lower-case code"_qs), // never matches
            symbolLine(u"043A"_qs, u"ka"_qs, u"カ"_qs, u"0"_qs, u"注"_qs),
            symbolLine(u"0431"_qs, u"be first"_qs, u"ベ"_qs, u"2"_qs), symbolLine(u"0431"_qs, u"be second"_qs),
            u"0,\"0432\",\"ve\",\"\",\"0\""_qs, // five fields
            symbolLine(u"0041"_qs, u"not a candidate"_qs)});
    EXPECT_EQ(set.symbolText(0x043A, SymbolPart::EnglishName), u"ka"_qs);
    EXPECT_EQ(set.symbolText(0x043A, SymbolPart::JapaneseName), u"カ"_qs);
    EXPECT_EQ(set.symbolText(0x043A, SymbolPart::Note), u"注"_qs);
    EXPECT_EQ(set.symbolText(0x0431, SymbolPart::EnglishName), u"be first"_qs);
    ASSERT_TRUE(set.findSymbol(0x0431));
    EXPECT_EQ(set.findSymbol(0x0431)->auxiliary, 2);
    EXPECT_EQ(set.symbolText(0x0432, SymbolPart::EnglishName), QString());
    EXPECT_EQ(set.symbolText(0x0433, SymbolPart::EnglishName), QString());
    EXPECT_EQ(set.symbolText(u'A', SymbolPart::EnglishName), QString());
    EXPECT_EQ(set.symbols().size(), 2u); // only candidates that the database describes
    EXPECT_TRUE(set.skippedLines().isEmpty());
}

TEST_F(TableSetTest, EnglishNamesHaveTheirEscapesResolved)
{
    struct Case {
        QString stored, resolved;
    };
    const Case cases[] = {
        {u"x#$0041y"_qs, u"xAy"_qs},
        {u"x#$12"_qs, u"x12"_qs},
        {u"#$0023$0041"_qs, u"A"_qs},
        {u"open o#$0254"_qs, u"open oɔ"_qs},
        {u"end#$"_qs, u"end"_qs},
        {u"#$00e9"_qs, u"00e9"_qs},
    };
    for (const Case& c : cases) {
        load({candidateLine(u"o"_qs, {u"0254"_qs})}, {symbolLine(u"0254"_qs, c.stored, u"オー"_qs)});
        EXPECT_EQ(set.symbolText(0x0254, SymbolPart::EnglishName), c.resolved) << c.stored.toStdString();
        EXPECT_EQ(set.symbolText(0x0254, SymbolPart::JapaneseName), u"オー"_qs);
    }
}

TEST_F(TableSetTest, SymbolTextOfCodeZeroIsEmpty)
{
    load({candidateLine(u"k"_qs, {u"0000"_qs, u"0061"_qs})},
        {symbolLine(u"0000"_qs, u"null"_qs), symbolLine(u"0061"_qs, u"a"_qs)});
    EXPECT_EQ(set.symbolText(0, SymbolPart::EnglishName), QString());
    EXPECT_EQ(set.findSymbol(0), nullptr);
    EXPECT_EQ(set.symbolText(u'a', SymbolPart::EnglishName), u"a"_qs);
}

TEST_F(TableSetTest, DuplicateKeysAnswerWithTheFirstLineInEveryQuery)
{
    load({candidateLine(u"a"_qs, {u"0430"_qs}), candidateLine(u"a"_qs, {u"0431"_qs, u"0432"_qs}),
             candidateLine(u"e"_qs, {}), candidateLine(u"0065"_qs, {u"0435"_qs})},
        {symbolLine(u"0430"_qs, u"a"_qs), symbolLine(u"0431"_qs, u"be"_qs), symbolLine(u"0435"_qs, u"ie"_qs)});
    EXPECT_TRUE(set.isTrigger(u'a'));
    EXPECT_EQ(fetch(u'a'), (std::array<char16_t, 10>{u'а'}));
    // The first line of "e" has no candidate: not a trigger, and nothing to fetch either.
    EXPECT_FALSE(set.isTrigger(u'e'));
    EXPECT_EQ(fetch(u'e'), (std::array<char16_t, 10>{}));
    EXPECT_EQ(set.symbols().size(), 1u); // candidates of unused lines are not looked up

    ASSERT_EQ(set.skippedLines().size(), 2);
    EXPECT_EQ(set.skippedLines()[0].lineNumber, 2);
    EXPECT_EQ(set.skippedLines()[1].lineNumber, 4);
}

TEST_F(TableSetTest, ConversionErrorsSkipTheLineLoadTheRestAndAreReported)
{
    load({u"\"DBT.csv\",Alphabet_Both"_qs,
             candidateLine(u"00G1"_qs, {u"0430"_qs}), // key of four characters, not hexadecimal
             candidateLine(u"b"_qs, {u"0431"_qs, u"04x2"_qs}), // candidate not hexadecimal
             candidateLine(u"c"_qs, {u"0446"_qs}), candidateLine(u"d"_qs, {u"0434"_qs})},
        {symbolLine(u"0446"_qs, u"tse bad"_qs, {}, u"one"_qs), // auxiliary not an integer
            symbolLine(u"0446"_qs, u"tse"_qs, {}, u" 1 "_qs),
            symbolLine(u"0434"_qs, u"de"_qs, {}, QString())}); // empty auxiliary
    EXPECT_FALSE(set.isTrigger(u'b'));
    EXPECT_TRUE(set.isTrigger(u'c'));
    EXPECT_TRUE(set.isTrigger(u'd'));
    EXPECT_EQ(set.symbolText(0x0446, SymbolPart::EnglishName), u"tse"_qs);
    EXPECT_EQ(set.symbolText(0x0434, SymbolPart::EnglishName), QString());

    const QList<SkippedLine>& skipped = set.skippedLines();
    ASSERT_EQ(skipped.size(), 4);
    const std::pair<QString, int> where[]
        = {{u"CandT.csv"_qs, 2}, {u"CandT.csv"_qs, 3}, {u"DBT.csv"_qs, 1}, {u"DBT.csv"_qs, 3}};
    for (qsizetype i = 0; i < skipped.size(); ++i) {
        EXPECT_EQ(skipped[i].fileName, where[i].first) << i;
        EXPECT_EQ(skipped[i].lineNumber, where[i].second) << i;
    }
    EXPECT_TRUE(skipped[0].reason.contains(u"00G1"_qs));
    EXPECT_TRUE(skipped[1].reason.contains(u"04x2"_qs));
    EXPECT_TRUE(skipped[2].reason.contains(u"one"_qs));

    const QString message = skippedLinesMessage(skipped);
    EXPECT_TRUE(message.contains(u"CandT.csv"_qs));
    EXPECT_TRUE(message.contains(u"DBT.csv"_qs));
}

TEST_F(TableSetTest, MissingFilesGiveEmptyTablesWithoutReport)
{
    writeFile(u"CandT.csv"_qs, {candidateLine(u"a"_qs, {u"0430"_qs})});
    set.loadTableSet(world.path(), u"CandT.csv"_qs, u"DBmissing.csv"_qs);
    EXPECT_TRUE(set.isTrigger(u'a'));
    EXPECT_EQ(set.symbolText(0x0430, SymbolPart::JapaneseName), QString());
    EXPECT_TRUE(set.skippedLines().isEmpty());

    // Switching to a script whose candidate file is missing leaves the set empty.
    set.loadTableSet(world.path(), u"CandMissing.csv"_qs, u"DBT.csv"_qs);
    EXPECT_FALSE(set.isTrigger(u'a'));
    EXPECT_TRUE(set.candidateRecords().empty());
    EXPECT_TRUE(set.skippedLines().isEmpty());

    set.loadTableSet(world.path(u"no such folder"_qs), u"CandT.csv"_qs, u"DBT.csv"_qs);
    EXPECT_FALSE(set.isTrigger(u'a'));
}

TEST_F(TableSetTest, UnreadableFileIsReportedAndReadAsEmpty)
{
    writeFile(u"CandT.csv"_qs, {candidateLine(u"a"_qs, {u"0430"_qs})});
    QFile file(world.path(u"CandT.csv"_qs));
    file.setPermissions(QFileDevice::Permissions());
    if (file.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "running with rights that read any file";
    set.loadTableSet(world.path(), u"CandT.csv"_qs, u"DBT.csv"_qs);
    EXPECT_FALSE(set.isTrigger(u'a'));
    ASSERT_EQ(set.skippedLines().size(), 1);
    EXPECT_EQ(set.skippedLines()[0].lineNumber, 0);
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

TEST_F(TableSetTest, ReadsFilesWithByteOrderMarks)
{
    writeFile(u"CandT.csv"_qs, {u"\"DBT.csv\",Alphabet_Upper"_qs, candidateLine(u"Я"_qs, {u"0254"_qs})},
        TextEncoding::Utf16Le);
    writeFile(u"DBT.csv"_qs, {symbolLine(u"0254"_qs, u"open o"_qs, u"ɔの音"_qs)}, TextEncoding::Utf8);
    set.loadTableSet(world.path(), u"CandT.csv"_qs, u"DBT.csv"_qs);
    EXPECT_TRUE(set.isTrigger(u'Я'));
    EXPECT_EQ(set.symbolText(0x0254, SymbolPart::JapaneseName), u"ɔの音"_qs);
}

TEST_F(TableSetTest, ReloadReplacesAndReleaseEmptiesTheSet)
{
    load({candidateLine(u"00G1"_qs, {}), candidateLine(u"a"_qs, {u"0430"_qs})}, {symbolLine(u"0430"_qs, u"a"_qs)});
    EXPECT_EQ(set.skippedLines().size(), 1);
    load({candidateLine(u"b"_qs, {u"0431"_qs})});
    EXPECT_FALSE(set.isTrigger(u'a'));
    EXPECT_TRUE(set.isTrigger(u'b'));
    EXPECT_EQ(set.symbolText(0x0430, SymbolPart::EnglishName), QString());
    EXPECT_TRUE(set.skippedLines().isEmpty());
    set.releaseTables();
    EXPECT_FALSE(set.isTrigger(u'b'));
    EXPECT_TRUE(set.symbols().empty());
}

TEST_F(TableSetTest, TheTwoSetsAreIndependent)
{
    writeFile(u"CandAll.csv"_qs, {candidateLine(u"O"_qs, {u"0254"_qs}), candidateLine(u"0047"_qs, {u"G"_qs})});
    writeFile(u"CandRussian.csv"_qs, {candidateLine(u"o"_qs, {u"043E"_qs}), candidateLine(u"x0"_qs, {u"0x43"_qs})});
    TableSets sets;
    sets.phonetic().loadTableSet(world.path(), u"CandAll.csv"_qs, u"DBPhonet.csv"_qs);
    sets.foreign().loadTableSet(world.path(), u"CandRussian.csv"_qs, u"DBRuss.csv"_qs);
    EXPECT_TRUE(sets.set(TableSide::Phonetic).isTrigger(u'O'));
    EXPECT_FALSE(sets.set(TableSide::Phonetic).isTrigger(u'o'));
    EXPECT_TRUE(sets.set(TableSide::Foreign).isTrigger(u'o'));
    EXPECT_FALSE(sets.set(TableSide::Foreign).isTrigger(u'O'));
    const QList<SkippedLine> skipped = sets.skippedLines();
    ASSERT_EQ(skipped.size(), 1);
    EXPECT_EQ(skipped[0].fileName, u"CandRussian.csv"_qs);
    sets.releaseTables();
    EXPECT_FALSE(sets.set(TableSide::Phonetic).isTrigger(u'O'));
    EXPECT_FALSE(sets.set(TableSide::Foreign).isTrigger(u'o'));
}
