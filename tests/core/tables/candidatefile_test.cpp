#include "core/tables/candidatefile.h"
#include "support/tempworld.h"

#include <gtest/gtest.h>

using namespace pelinor::core;
using pelinor::test::TempWorld;

namespace {

class CandidateFileTest : public ::testing::Test {
protected:
    CandidateFile readBytes(const QString& name, const QByteArray& bytes)
    {
        world.writeBytes(name, bytes);
        return CandidateFile::read(world.path(name));
    }

    TempWorld world;
};

const QString E; // an empty slot

CandidateLine line(const QString& trigger, std::array<QString, 9> candidates)
{
    return {trigger, std::move(candidates)};
}

} // namespace

TEST_F(CandidateFileTest, ReadsHeaderAndCandidateLines)
{
    struct Case {
        QByteArray bytes;
        bool header;
        QString database, mode;
    };
    const Case cases[] = {
        {"\"DBPhonet.csv\",Alphabet_Upper\r\n", true, u"DBPhonet.csv"_qs, u"Alphabet_Upper"_qs},
        {"\"DBPhonet.csv\", Alphabet_Upper\r\n", true, u"DBPhonet.csv"_qs, u"Alphabet_Upper"_qs},
        {"\"DB Phonet.csv\",\"Alphabet_Both\"\r\n", true, u"DB Phonet.csv"_qs, u"Alphabet_Both"_qs},
        {"DB Phonet.csv,Alphabet_Upper\r\n", false, {}, {}},
        {"\"a\",\"0061\",,,,,,,,\r\n", false, {}, {}},
    };
    for (const Case& c : cases) {
        const CandidateFile file = readBytes(u"CandX.csv"_qs, c.bytes);
        EXPECT_EQ(file.hasHeader(), c.header) << c.bytes.toStdString();
        EXPECT_EQ(file.symbolDatabase(), c.database) << c.bytes.toStdString();
        EXPECT_EQ(file.triggerModeText(), c.mode) << c.bytes.toStdString();
    }
}

TEST_F(CandidateFileTest, KeepsOnlyTenFieldLinesWithATriggerAndACandidate)
{
    const CandidateFile file = readBytes(u"CandX.csv"_qs,
        "\"DBx.csv\",Alphabet_Lower\r\n"
        "\"0022\",0022,,,,,,,,\r\n"
        "\"a\",,0254,,,,,,,\r\n"
        "\"b\",0062,,,,,,,\r\n" // nine fields
        "\"c\",0063,,,,,,,,,\r\n" // eleven fields
        "\"d\",,,,,,,,,\r\n" // no candidate
        "\"\",0065,,,,,,,,\r\n" // no trigger
        "\"0041\",0041,,,,,,,,0042\n"); // kept as it stands
    const QList<CandidateLine> expected{
        line(u"\""_qs, {u"0022"_qs}),
        line(u"a"_qs, {QString(), u"0254"_qs}),
        line(u"0041"_qs, {u"0041"_qs, E, E, E, E, E, E, E, u"0042"_qs}),
    };
    EXPECT_EQ(file.lines(), expected);
    EXPECT_EQ(file.indexOfTrigger(u"a"), 1);
    EXPECT_EQ(file.indexOfTrigger(u"\""), 0);
    EXPECT_EQ(file.triggerMode(), TriggerMode::AlphabetLower);
}

TEST_F(CandidateFileTest, DefaultsByFileNameWhenHeaderOrDatabaseNameIsMissing)
{
    struct Case {
        QString fileName;
        QByteArray header;
        QString database, mode;
    };
    const Case cases[] = {
        {u"CandAll.csv"_qs, "", u"DBPhonet.csv"_qs, u"Alphabet_Upper"_qs},
        {u"CandThai.csv"_qs, "", u"DBThai.csv"_qs, u"Alphabet_Lower"_qs},
        {u"CandThai2.csv"_qs, "\"\",Alphabet_Both\r\n", u"DBThai.csv"_qs, u"Alphabet_Lower"_qs},
        {u"CandRussian.csv"_qs, "", QString(), u"Alphabet_Lower"_qs},
        {u"CandAll.csv"_qs, "\"DBOwn.csv\",Alphabet_Both\r\n", u"DBOwn.csv"_qs, u"Alphabet_Both"_qs},
    };
    for (const Case& c : cases) {
        CandidateFile file = readBytes(c.fileName, c.header + "\"a\",0061,,,,,,,,\r\n");
        file.applyFileNameDefaults(c.fileName);
        EXPECT_EQ(file.symbolDatabase(), c.database) << c.fileName.toStdString();
        EXPECT_EQ(file.triggerModeText(), c.mode) << c.fileName.toStdString();
        EXPECT_EQ(file.lines().size(), 1);
    }
}

TEST_F(CandidateFileTest, WritesTheFileByteForByte)
{
    CandidateFile file;
    file.setSymbolDatabase(u"DBPhonet.csv"_qs);
    file.setTriggerMode(TriggerMode::AlphabetUpper);
    file.lines() = {
        line(u"!"_qs, {u"00A1"_qs}),
        line(u"\""_qs, {u"0022"_qs, E, u"201C"_qs}),
        line(u"A"_qs, {}), // no candidate: left out
        line(u"a"_qs, {E, u"0254"_qs, E, E, E, E, E, E, u"0251"_qs}),
    };
    ASSERT_TRUE(file.write(world.path(u"CandOut.csv"_qs)));
    EXPECT_EQ(world.readBytes(u"CandOut.csv"_qs),
        QByteArray("\"DBPhonet.csv\",Alphabet_Upper\r\n"
                   "\"!\",00A1,,,,,,,,\r\n"
                   "\"0022\",0022,,201C,,,,,,\r\n"
                   "\"a\",,0254,,,,,,,0251\r\n"));
}

TEST_F(CandidateFileTest, ReadThenWriteGivesTheSameBytes)
{
    const QByteArray bytes("\"DBRussian.csv\",Alphabet_Lower\r\n"
                           "\"0022\",0022,,,,,,,,\r\n"
                           "\"a\",,0254,,,,,,,\r\n"
                           "\"y\",044B,042B,,,,,,,043a\r\n");
    const CandidateFile file = readBytes(u"CandIn.csv"_qs, bytes);
    ASSERT_TRUE(file.write(world.path(u"CandOut.csv"_qs)));
    EXPECT_EQ(world.readBytes(u"CandOut.csv"_qs), bytes);
}

TEST_F(CandidateFileTest, RefusesFieldsThatWouldBreakTheLineAndKeepsTheOldFile)
{
    struct Case {
        const char* what;
        void (*spoil)(CandidateFile&);
    };
    const Case cases[] = {
        {"slot with comma", [](CandidateFile& f) { f.lines()[0].candidates[0] = u"00,1"_qs; }},
        {"slot with space", [](CandidateFile& f) { f.lines()[0].candidates[3] = u"00 1"_qs; }},
        {"trigger with quote", [](CandidateFile& f) { f.lines()[0].trigger = u"a\""_qs; }},
        {"database with quote", [](CandidateFile& f) { f.setSymbolDatabase(u"DB\".csv"_qs); }},
        {"mode with comma", [](CandidateFile& f) { f.setTriggerModeText(u"Alphabet,Lower"_qs); }},
    };
    world.writeBytes(u"CandKeep.csv"_qs, "old\r\n");
    for (const Case& c : cases) {
        CandidateFile file;
        file.setSymbolDatabase(u"DBx.csv"_qs);
        file.setTriggerMode(TriggerMode::AlphabetBoth);
        file.lines() = {line(u"a"_qs, {u"0061"_qs})};
        c.spoil(file);
        QString error;
        EXPECT_FALSE(file.write(world.path(u"CandKeep.csv"_qs), &error)) << c.what;
        EXPECT_FALSE(error.isEmpty()) << c.what;
    }
    EXPECT_EQ(world.readBytes(u"CandKeep.csv"_qs), QByteArray("old\r\n"));
}

TEST_F(CandidateFileTest, MissingFileIsEmpty)
{
    const CandidateFile file = CandidateFile::read(world.path(u"CandNone.csv"_qs));
    EXPECT_FALSE(file.fileExists());
    EXPECT_FALSE(file.hasHeader());
    EXPECT_TRUE(file.lines().isEmpty());
}

TEST(TriggerMode, OnlyTheThreeExactNames)
{
    struct Case {
        const char16_t* text;
        TriggerMode mode;
    };
    const Case cases[] = {
        {u"Alphabet_Lower", TriggerMode::AlphabetLower},
        {u"Alphabet_Upper", TriggerMode::AlphabetUpper},
        {u"Alphabet_Both", TriggerMode::AlphabetBoth},
        {u"alphabet_lower", TriggerMode::AlphabetBoth},
        {u"Alphabet_Lower ", TriggerMode::AlphabetBoth},
        {u"", TriggerMode::AlphabetBoth},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseTriggerMode(c.text), c.mode) << QString::fromUtf16(c.text).toStdString();
    for (TriggerMode mode : {TriggerMode::AlphabetLower, TriggerMode::AlphabetUpper, TriggerMode::AlphabetBoth})
        EXPECT_EQ(parseTriggerMode(triggerModeName(mode)), mode);
}
