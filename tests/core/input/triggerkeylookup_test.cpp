#include "core/app/settings.h"
#include "core/common/textcodec.h"
#include "core/common/textfile.h"
#include "core/input/candidateslots.h"
#include "core/input/triggerkeylookup.h"
#include "support/tempworld.h"

#include <gtest/gtest.h>

using namespace pelinor::core;
using pelinor::test::TempWorld;

namespace {

// A foreign table with one-candidate, two-candidate, blank-candidate and empty keys, and a phonetic table
// that shares none of its triggers.
class TriggerKeyLookupTest : public ::testing::Test {
protected:
    TriggerKeyLookupTest()
    {
        write(u"CandF.csv"_qs,
            {u"\"a\",0430,,,,,,,,"_qs, u"\"b\",0431,0432,,,,,,,"_qs, u"\"s\",0020,,,,,,,,"_qs,
                u"\"e\",0009,0435,,,,,,,"_qs, u"\"z\",,,,,,,,,"_qs, u"\"0020\",044A,,,,,,,,"_qs});
        write(u"CandP.csv"_qs, {u"\"q\",0251,,,,,,,,"_qs});
        sets.foreign().loadTableSet(world.path(), u"CandF.csv"_qs, u"DBF.csv"_qs);
        sets.phonetic().loadTableSet(world.path(), u"CandP.csv"_qs, u"DBP.csv"_qs);
    }

    void write(const QString& name, const QStringList& lines)
    {
        world.writeBytes(name, encodeText(joinLines(lines), TextEncoding::Cp932));
    }

    void setFlags(TableSide side, bool triggerReturn, bool directInput)
    {
        settings.setFlag(TriggerKeyLookup::triggerReturnKey(side), triggerReturn);
        settings.setFlag(TriggerKeyLookup::directInputKey(side), directInput);
    }

    TempWorld world;
    TableSets sets;
    Settings settings;
    TriggerKeyLookup lookup{sets, settings};
};

} // namespace

TEST_F(TriggerKeyLookupTest, FlagsAndBlankSlotsDecideBetweenDirectInputAndTheWindow)
{
    struct Case {
        const char* name;
        char16_t key;
        bool triggerReturn;
        bool directInput;
        char16_t slot10;
        CandidateOffer offer;
    };
    const Case cases[] = {
        {"one candidate, direct input", u'a', false, true, 0, {true, u'а'}},
        {"trigger return adds the key as a second candidate", u'a', true, true, u'a', {}},
        {"direct input off opens the window for one candidate", u'a', false, false, 0, {}},
        {"two candidates", u'b', false, true, 0, {}},
        {"a space candidate is blank and never inserted", u's', false, true, 0, {}},
        {"a tab beside one candidate is not counted", u'e', false, true, 0, {true, u'е'}},
        {"a space trigger returned is blank itself", u' ', true, true, u' ', {true, u'ъ'}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        setFlags(TableSide::Foreign, c.triggerReturn, c.directInput);
        ASSERT_TRUE(lookup.takeTriggerKey(TableSide::Foreign, c.key, InsertionTarget::MainWindow));
        EXPECT_EQ(lookup.buffer(TableSide::Foreign).slot(10), c.slot10);
        EXPECT_EQ(lookup.offer(TableSide::Foreign), c.offer);
    }
}

TEST_F(TriggerKeyLookupTest, ANonTriggerChangesNeitherBufferNorTarget)
{
    EXPECT_EQ(lookup.target(TableSide::Foreign), TriggerKeyLookup::NoTarget);
    ASSERT_TRUE(lookup.takeTriggerKey(TableSide::Foreign, u'b', InsertionTarget::RegistrationDialog));
    const CandidateBuffer before = lookup.buffer(TableSide::Foreign);

    for (char16_t key : {u'1', u'z', u'A', char16_t(0)}) {
        SCOPED_TRACE(static_cast<int>(key));
        EXPECT_FALSE(lookup.takeTriggerKey(TableSide::Foreign, key, InsertionTarget::EditDialog));
        EXPECT_EQ(lookup.buffer(TableSide::Foreign), before);
        EXPECT_EQ(lookup.target(TableSide::Foreign), InsertionTarget::RegistrationDialog);
    }
}

TEST_F(TriggerKeyLookupTest, TheSidesKeepTheirOwnTablesFlagsBuffersAndTargets)
{
    setFlags(TableSide::Foreign, true, true);
    setFlags(TableSide::Phonetic, false, true);
    EXPECT_FALSE(lookup.takeTriggerKey(TableSide::Phonetic, u'a', InsertionTarget::MainWindow));
    EXPECT_FALSE(lookup.takeTriggerKey(TableSide::Foreign, u'q', InsertionTarget::MainWindow));

    ASSERT_TRUE(lookup.takeTriggerKey(TableSide::Foreign, u'a', InsertionTarget::SearchWindow));
    ASSERT_TRUE(lookup.takeTriggerKey(TableSide::Phonetic, u'q', InsertionTarget::Pad));
    EXPECT_EQ(lookup.offer(TableSide::Phonetic), (CandidateOffer{true, u'ɑ'}));
    EXPECT_EQ(lookup.offer(TableSide::Foreign), CandidateOffer{});
    EXPECT_EQ(lookup.buffer(TableSide::Foreign).slot(1), u'а');
    EXPECT_EQ(lookup.buffer(TableSide::Foreign).slot(10), u'a');
    EXPECT_EQ(lookup.buffer(TableSide::Phonetic).slot(10), 0);
    EXPECT_EQ(lookup.target(TableSide::Foreign), InsertionTarget::SearchWindow);
    EXPECT_EQ(lookup.target(TableSide::Phonetic), InsertionTarget::Pad);
}

TEST_F(TriggerKeyLookupTest, AMissingTableTakesNoKey)
{
    sets.foreign().loadTableSet(world.path(), u"Missing.csv"_qs, u"Missing.csv"_qs);
    EXPECT_FALSE(lookup.takeTriggerKey(TableSide::Foreign, u'a', InsertionTarget::MainWindow));
    EXPECT_EQ(lookup.target(TableSide::Foreign), TriggerKeyLookup::NoTarget);
}
