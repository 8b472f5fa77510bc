#include "core/common/textcodec.h"
#include "core/common/textfile.h"
#include "core/input/candidateslots.h"
#include "core/input/candidatewindowplacement.h"
#include "core/input/candidatewindowtexts.h"
#include "core/input/fitfontsize.h"
#include "support/tempworld.h"

#include <gtest/gtest.h>

using namespace pelinor::core;
using pelinor::test::TempWorld;

TEST(CandidateSlotsTest, NavigationWrapsAndDigitsNameTheirSlots)
{
    EXPECT_EQ(nextCandidateSlot(1), 2);
    EXPECT_EQ(nextCandidateSlot(9), 10);
    EXPECT_EQ(nextCandidateSlot(10), 1);
    EXPECT_EQ(previousCandidateSlot(2), 1);
    EXPECT_EQ(previousCandidateSlot(1), 10);
    EXPECT_EQ(slotOfDigit(0), 10);
    EXPECT_EQ(slotOfDigit(1), 1);
    EXPECT_EQ(slotOfDigit(9), 9);
    EXPECT_EQ(slotOfDigit(10), 0);
    EXPECT_EQ(slotNumberCaption(1), u"1"_qs);
    EXPECT_EQ(slotNumberCaption(10), u"0"_qs);
}

TEST(CandidateSlotsTest, BlankSlotsAreNulWhiteSpaceAndControlCharactersUpToTheSpace)
{
    CandidateBuffer buffer;
    const char16_t units[] = {0, 0x01, 0x09, 0x20, 0x21, 0xA0, 0x3000, u'а', 0x0D, 0x7F};
    for (int slot = 1; slot <= 10; ++slot)
        buffer.setSlot(slot, units[slot - 1]);
    EXPECT_EQ(nonBlankSlotCount(buffer), 5);
    EXPECT_EQ(candidateSlotText(buffer, 4), QString());
    EXPECT_EQ(candidateSlotText(buffer, 5), u"!"_qs);
    EXPECT_EQ(candidateSlotText(buffer, 7), QString(QChar(0x3000)));
    EXPECT_EQ(candidateSlotText(buffer, 9), QString());
}

TEST(CandidateWindowTextsTest, CorrectionCaptionAndRange)
{
    const std::pair<int, const char16_t*> cases[] = {{0, u" 0"}, {-2, u"-2"}, {-4, u"-4"}, {3, u"+3"}, {9, u"+9"}};
    for (const auto& [value, caption] : cases)
        EXPECT_EQ(bandDevCaption(value), QString::fromUtf16(caption)) << value;
    EXPECT_EQ(clampBandDev(100), 9);
    EXPECT_EQ(clampBandDev(-10), -4);
    EXPECT_EQ(clampBandDev(5), 5);
}

namespace {

class CandidateLinesTest : public ::testing::Test {
protected:
    CandidateLinesTest()
    {
        world.writeBytes(u"Cand.csv"_qs, encodeText(joinLines({u"\"a\",0430,0431,0254,,,,,,"_qs}), TextEncoding::Utf8));
        world.writeBytes(u"DB.csv"_qs,
            encodeText(joinLines({u"0,\"0430\",\"Cyrillic small a\\a\",\"ア\",\"0\",\"like a in father\""_qs,
                           u"0,\"0254\",\"open o #$0254\",\"開いたオー\",\"0\",\"\""_qs}),
                TextEncoding::Utf8));
        set.loadTableSet(world.path(), u"Cand.csv"_qs, u"DB.csv"_qs);
    }

    TempWorld world;
    TableSet set;
};

} // namespace

TEST_F(CandidateLinesTest, HintsNameAndNoteLinesOfBothWindows)
{
    ASSERT_EQ(set.symbolText(u'а', SymbolPart::EnglishName), u"Cyrillic small a\\a"_qs);

    EXPECT_EQ(candidateCellHint(set, u'а'), u"like a in father $0430"_qs);
    EXPECT_EQ(candidateCellHint(set, u'б'), u" $0431"_qs);
    EXPECT_EQ(candidateCellHint(set, u' '), u" $0020"_qs);
    EXPECT_EQ(candidateCellHint(set, 0), QString());

    EXPECT_EQ(candidateNameLine(TableSide::Foreign, set, u'а'), u"日本語名： ア"_qs);
    EXPECT_EQ(candidateNameLine(TableSide::Phonetic, set, u'а'), u"日本語名：ア"_qs);
    EXPECT_EQ(candidateNameLine(TableSide::Foreign, set, u'б'), u"日本語名： "_qs);

    // The foreign line shows the name up to its backslash, the phonetic line the whole name.
    EXPECT_EQ(candidateNoteLine(TableSide::Foreign, set, u'а'), u"Note: Cyrillic small a   $0430"_qs);
    EXPECT_EQ(candidateNoteLine(TableSide::Phonetic, set, u'а'), u"Note: Cyrillic small a\\a  $0430"_qs);
    EXPECT_EQ(candidateNoteLine(TableSide::Foreign, set, u'ɔ'), u"Note: open o ɔ   $0254"_qs);
    EXPECT_EQ(candidateNoteLine(TableSide::Foreign, set, u'б'), u"Note:    $0431"_qs);
    EXPECT_EQ(candidateNoteLine(TableSide::Foreign, set, 0), u"Note:    $0000"_qs);
    EXPECT_EQ(candidateNoteLine(TableSide::Phonetic, set, 0), u"Note:   $0000"_qs);
}

TEST(FitFontSizeTest, GrowsFromEightPointsUntilALimitIsReached)
{
    struct Case {
        const char* name;
        int maxHeight;
        int maxWidth;
        std::function<QSize(int)> measure; // width, height
        int expected;
    };
    const Case cases[] = {
        {"height reached first", 32, 30, [](int pt) { return QSize(pt, pt * 2); }, 16},
        {"width reached first", 32, 30, [](int pt) { return QSize(pt * 3, pt); }, 10},
        {"reached exactly at the limit", 20, 100, [](int pt) { return QSize(1, pt + 12); }, 8},
        {"already past at eight points", 10, 10, [](int pt) { return QSize(pt * 5, pt * 5); }, 8},
        {"a letter that never grows stops at the size limit", 32, 30, [](int) { return QSize(0, 0); },
            kFitFontSizeLimit},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fitFontSize(c.maxHeight, c.maxWidth, c.measure), c.expected);
    }
}

TEST(CandidateWindowPlacementTest, AboveTheCaretAndInsideTheRightScreenEdge)
{
    struct Case {
        const char* name;
        QPoint caret;
        QRect screen;
        QPoint expected;
    };
    const QRect wide(0, 0, 1920, 1080);
    const Case cases[] = {
        {"above the caret", {100, 300}, wide, {100, 200}},
        {"ending on the edge stays", {1500, 300}, wide, {1500, 200}},
        {"one pixel past the edge is pulled back", {1501, 300}, wide, {1492, 200}},
        {"the top is not corrected", {50, 40}, wide, {50, -60}},
        {"a second screen to the right", {3100, 500}, QRect(1920, 0, 1280, 1024), {2772, 400}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(candidateWindowPosition(c.caret, QSize(420, 92), c.screen), c.expected);
    }
}
