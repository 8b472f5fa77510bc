#include "core/input/tableset.h"
#include "core/tables/candidatefile.h"
#include "core/tables/candidatelinetable.h"
#include "core/tables/newcandidatefilename.h"
#include "core/tables/symboldatabase.h"
#include "core/tables/symbolnumbers.h"
#include "support/tempworld.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace pelinor::core;
using pelinor::test::TempWorld;

namespace {

using Slots = SymbolNumbers::Slots;

QStringList triggersOf(const CandidateLineTable& table)
{
    QStringList triggers;
    for (const CandidateLine& line : table.lines())
        triggers.append(line.trigger);
    return triggers;
}

class CandidateLineTableTest : public ::testing::Test {
protected:
    CandidateFile readBytes(const QByteArray& bytes)
    {
        world.writeBytes(u"CandX.csv"_qs, bytes);
        return CandidateFile::read(world.path(u"CandX.csv"_qs));
    }

    TempWorld world;
};

} // namespace

TEST_F(CandidateLineTableTest, HasALineForEveryKeyPositionExceptTheExcludedLetters)
{
    struct Case {
        TriggerMode mode;
        qsizetype lineCount;
        bool hasA, hasLowerA;
    };
    const Case cases[] = {
        {TriggerMode::AlphabetBoth, 95, true, true},
        {TriggerMode::AlphabetLower, 95 - 26, false, true},
        {TriggerMode::AlphabetUpper, 95 - 26, true, false},
    };
    for (const Case& c : cases) {
        const CandidateLineTable table(c.mode);
        const QStringList triggers = triggersOf(table);
        EXPECT_EQ(triggers.size(), c.lineCount);
        EXPECT_EQ(triggers.contains(u"A"_qs), c.hasA);
        EXPECT_EQ(triggers.contains(u"a"_qs), c.hasLowerA);
        // Shifted sequence first; the position without a character keeps its place with an empty trigger.
        EXPECT_EQ(triggers.mid(0, 11),
            QStringList({u"!"_qs, u"\""_qs, u"#"_qs, u"$"_qs, u"%"_qs, u"&"_qs, u"'"_qs, u"("_qs, u")"_qs, QString(),
                u"="_qs}));
        // The digits have lines, so that hand-made digit lines survive a save.
        EXPECT_TRUE(triggers.contains(u"1"_qs));
        EXPECT_EQ(triggers.last(), u"/"_qs);
        for (const CandidateLine& line : table.lines())
            EXPECT_FALSE(line.hasCandidates());
    }
}

TEST_F(CandidateLineTableTest, MergesByTriggerModeAndReportsWhatASaveWouldLose)
{
    const CandidateFile file = readBytes("\"DBPhonet.csv\",Alphabet_Upper\r\n"
                                         "\"A\",0251,0250,,,,,,,\r\n"
                                         "\"b\",03B2,,,,,,,,\r\n"
                                         "\"0022\",0022,,,,,,,,\r\n"
                                         "\"\x84\x77\",0436,,,,,,,,\r\n" // "ж" in code page 932: no key of the keyboard
                                         "\"1\",0031,,,,,,,,\r\n"
                                         "\"c\",0063,,,,,,,\r\n" // nine fields
                                         "\r\n"
                                         "\"d\",,,,,,,,,\r\n" // carries nothing
                                         "\"B\",0299,,,,,,,,\r\n");
    struct Case {
        TriggerMode mode;
        QString aTrigger; ///< where "A" lands
        QString aSlot1;
        QString bTrigger;
        QString bSlot1; ///< the later of "b" and "B" under a one-case mode
        QList<int> lostLines;
    };
    const Case cases[] = {
        {TriggerMode::AlphabetUpper, u"A"_qs, u"0251"_qs, u"B"_qs, u"0299"_qs, {3, 5, 7}},
        {TriggerMode::AlphabetLower, u"a"_qs, u"0251"_qs, u"b"_qs, u"0299"_qs, {3, 5, 7}},
        {TriggerMode::AlphabetBoth, u"A"_qs, u"0251"_qs, u"b"_qs, u"03B2"_qs, {5, 7}},
    };
    for (const Case& c : cases) {
        CandidateLineTable table(c.mode);
        const QList<SkippedLine> lost = table.merge(file, u"CandX.csv"_qs);
        QList<int> lostLines;
        for (const SkippedLine& line : lost) {
            lostLines.append(line.lineNumber);
            EXPECT_EQ(line.fileName, u"CandX.csv"_qs);
        }
        EXPECT_EQ(lostLines, c.lostLines) << int(c.mode);
        ASSERT_TRUE(table.line(c.aTrigger));
        EXPECT_EQ(table.line(c.aTrigger)->candidates[0], c.aSlot1);
        EXPECT_EQ(table.line(c.aTrigger)->trigger, c.aTrigger);
        ASSERT_TRUE(table.line(c.bTrigger));
        EXPECT_EQ(table.line(c.bTrigger)->candidates[0], c.bSlot1);
        EXPECT_TRUE(table.hasCandidates(u"\""));
        EXPECT_TRUE(table.hasCandidates(u"1"));
        // Under both cases "A" does not fill "a".
        if (c.mode == TriggerMode::AlphabetBoth) {
            EXPECT_FALSE(table.hasCandidates(u"a"));
        }
    }
}

TEST_F(CandidateLineTableTest, AFileReloadedUnderTheOtherCaseIsWrittenInThatCase)
{
    const CandidateFile upper = readBytes("\"DBPhonet.csv\",Alphabet_Upper\r\n"
                                          "\"A\",0251,,,,,,,,\r\n"
                                          "\"0022\",0308,,,,,,,,\r\n"
                                          "\"?\",0294,,,,,,,,\r\n"
                                          "\"B\",,0253,,,,,,,\r\n");
    CandidateLineTable table(TriggerMode::AlphabetLower);
    EXPECT_TRUE(table.merge(upper, u"CandX.csv"_qs).isEmpty());
    ASSERT_TRUE(table.toFile(u"DBPhonet.csv"_qs, TriggerMode::AlphabetLower).write(world.path(u"CandX.csv"_qs)));
    // Table order, the double quote as "0022", empty slots kept in place.
    EXPECT_EQ(world.readBytes(u"CandX.csv"_qs),
        QByteArray("\"DBPhonet.csv\",Alphabet_Lower\r\n"
                   "\"0022\",0308,,,,,,,,\r\n"
                   "\"?\",0294,,,,,,,,\r\n"
                   "\"a\",0251,,,,,,,,\r\n"
                   "\"b\",,0253,,,,,,,\r\n"));
}

TEST_F(CandidateLineTableTest, RegisteringReplacesOneLineAndEmptyLinesAreNotWritten)
{
    CandidateLineTable table(TriggerMode::AlphabetLower);
    EXPECT_TRUE(table.setCandidates(u"q", {u"0251"_qs}));
    EXPECT_TRUE(table.setCandidates(u"w", {u"0252"_qs}));
    EXPECT_TRUE(table.setCandidates(u"w", {}));
    EXPECT_FALSE(table.setCandidates(u"Q", {u"0251"_qs}));
    EXPECT_FALSE(table.setCandidates(u"", {u"0251"_qs}));
    const CandidateFile file = table.toFile(u"DB.csv"_qs, TriggerMode::AlphabetLower);
    ASSERT_EQ(file.lines().size(), 1);
    EXPECT_EQ(file.lines()[0].trigger, u"q"_qs);
}

TEST(SymbolNumbersTest, TranslatesBetweenNumbersAndCodesByTheFirstEntry)
{
    QList<SymbolEntry> entries;
    for (const char* code : {"0251", "0250", "0254", "0252", "0254", "", "0283"})
        entries.append({0, QString::fromLatin1(code), {}, {}, u"0"_qs, {}});
    const SymbolNumbers numbers(entries);

    EXPECT_EQ(numbers.numberOfCode(u"0254"), 3);
    EXPECT_EQ(numbers.numberOfCode(u""), 0);
    EXPECT_EQ(numbers.numberOfCode(u"FFFF"), 0);

    // Nos 3, empty, 7 give the codes of 3 and 7 in slots 1 and 3; Nos no entry has give empty slots.
    const Slots slots = numbers.slotsOfFields({u"3"_qs, QString(), u"7"_qs, u"8"_qs, u"0"_qs, u"6"_qs, u"007"_qs});
    EXPECT_EQ(slots, (Slots{u"0254"_qs, {}, u"0283"_qs, {}, {}, {}, u"0283"_qs}));
    EXPECT_EQ(numbers.fieldsOfSlots({u"0254"_qs, {}, u"0283"_qs, u"ABCD"_qs}), (Slots{u"3"_qs, {}, u"7"_qs, {}}));

    // The same codes after the database was renumbered show the new Nos.
    entries.removeFirst();
    const SymbolNumbers renumbered(entries);
    EXPECT_EQ(renumbered.fieldsOfSlots({u"0254"_qs, {}, u"0283"_qs}), (Slots{u"2"_qs, {}, u"6"_qs}));
}

TEST(NewCandidateFileNameTest, ChecksTheNameAsTypedInOrder)
{
    TempWorld world;
    world.writeBytes(u"CandOld.csv"_qs, "\"DB.csv\",Alphabet_Lower\r\n");
    struct Case {
        QString name;
        std::optional<NewCandidateFileProblem> problem;
    };
    const Case cases[] = {
        {u"CandNew.csv"_qs, std::nullopt},
        {u"CandNew.CSV"_qs, NewCandidateFileProblem::WrongExtension},
        {u"candNew.CSV"_qs, NewCandidateFileProblem::WrongExtension}, // only the first failure
        {u"candNew.csv"_qs, NewCandidateFileProblem::WrongPrefix},
        {u"Cand/../../x.csv"_qs, NewCandidateFileProblem::NotAFileName},
        {u"CandOld.csv"_qs, NewCandidateFileProblem::Exists},
    };
    for (const Case& c : cases)
        EXPECT_EQ(checkNewCandidateFileName(c.name, world.path()), c.problem) << c.name.toStdString();
}

// A new symbol, assigned to a trigger and saved, is offered by that trigger once the tables are loaded as
// at the next start.
TEST(CandidateEditorRoundTripTest, ANewSymbolAssignedToATriggerReachesThePhoneticSet)
{
    TempWorld world;
    const QString shipped = QStringLiteral(PELINOR_TEST_SOURCE_DIR "/data/Tbl/");
    for (const char* name : {"CandAll.csv", "DBPhonet.csv"})
        ASSERT_TRUE(QFile::copy(shipped + QString::fromLatin1(name), world.path(QString::fromLatin1(name))));

    SymbolDatabase database = SymbolDatabase::read(world.path(u"DBPhonet.csv"_qs));
    ASSERT_EQ(database.indexOfCode(u"1D7B"), -1);
    database.entries().append({3, u"1D7B"_qs, u"barred small capital i"_qs, u"横線付き小型大文字I"_qs, u"0"_qs, {}});
    ASSERT_TRUE(database.write(world.path(u"DBPhonet.csv"_qs)));

    // The editor as it opens the file: the database read again, the lines merged under the file's mode.
    const SymbolDatabase reread = SymbolDatabase::read(world.path(u"DBPhonet.csv"_qs));
    const SymbolNumbers numbers(reread.entries());
    CandidateFile file = CandidateFile::read(world.path(u"CandAll.csv"_qs));
    file.applyFileNameDefaults(u"CandAll.csv");
    CandidateLineTable table(file.triggerMode());
    EXPECT_TRUE(table.merge(file, u"CandAll.csv"_qs).isEmpty());

    // The user clicks "I", types the new symbol's No into the third field and registers.
    ASSERT_TRUE(table.line(u"I"));
    Slots fields = numbers.fieldsOfSlots(table.line(u"I")->candidates);
    EXPECT_EQ(fields[2], QString());
    fields[2] = QString::number(numbers.numberOfCode(u"1D7B"));
    ASSERT_TRUE(table.setCandidates(u"I", numbers.slotsOfFields(fields)));
    QString error;
    ASSERT_TRUE(table.toFile(file.symbolDatabase(), file.triggerMode()).write(world.path(u"CandAll.csv"_qs), &error))
        << error.toStdString();

    TableSet phonetic;
    phonetic.loadTableSet(world.path(), u"CandAll.csv"_qs, u"DBPhonet.csv"_qs);
    EXPECT_TRUE(phonetic.skippedLines().isEmpty());
    CandidateBuffer buffer;
    phonetic.fetchCandidates(u'I', buffer);
    EXPECT_EQ(buffer.slot(1), u'\u026A');
    EXPECT_EQ(buffer.slot(2), u'\u0268');
    EXPECT_EQ(buffer.slot(3), u'\u1D7B');
    EXPECT_EQ(phonetic.symbolText(u'\u1D7B', SymbolPart::JapaneseName), u"横線付き小型大文字I"_qs);
    // Every other trigger kept its candidates.
    phonetic.fetchCandidates(u'O', buffer);
    EXPECT_EQ(buffer.slot(1), u'\u0254');
}

TEST(CandidateEditorRoundTripTest, EveryShippedCandidateFileOpensWithoutLosingALine)
{
    const QString folder = QStringLiteral(PELINOR_TEST_SOURCE_DIR "/data/Tbl/");
    for (const char* name : {"CandAll.csv", "CandGreek.csv", "CandRussian.csv", "CandUkrainian.csv"}) {
        const QString fileName = QString::fromLatin1(name);
        CandidateFile file = CandidateFile::read(folder + fileName);
        file.applyFileNameDefaults(fileName);
        CandidateLineTable table(file.triggerMode());
        EXPECT_TRUE(table.merge(file, fileName).isEmpty()) << name;
        EXPECT_EQ(table.toFile(file.symbolDatabase(), file.triggerMode()).lines().size(), file.lines().size()) << name;
    }
}
