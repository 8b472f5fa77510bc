#include "core/common/colourcode.h"
#include "core/common/hexcode.h"

#include <gtest/gtest.h>

using namespace pelinor::core;

TEST(HexCode, StrictFourUpperCaseDigits)
{
    for (const char16_t* good : {u"0000", u"0254", u"FFFF", u"0022", u"ABCD"})
        EXPECT_TRUE(isHexCode(QStringView(good))) << QString::fromUtf16(good).toStdString();
    for (const char16_t* bad : {u"", u"254", u"00254", u"00e9", u"00G0", u" 254", u"０２５４"})
        EXPECT_FALSE(isHexCode(QStringView(bad))) << QString::fromUtf16(bad).toStdString();
}

TEST(HexCode, RoundTripsEveryCodeUnit)
{
    for (int u = 0; u <= 0xFFFF; u += 0x0FED) {
        const QChar c(static_cast<char16_t>(u));
        EXPECT_EQ(charOfHexCode(hexCodeOf(c)), c);
    }
    EXPECT_EQ(hexCodeOf(QChar(u'ɔ')), u"0254"_qs);
}

TEST(HexCode, DecodesEscapesOfNames)
{
    struct Case {
        QString in, out;
    };
    const Case cases[] = {
        {u"open-mid back rounded #$0254"_qs, u"open-mid back rounded ɔ"_qs},
        {u"#$0254#$0259"_qs, u"ɔə"_qs},
        {u"bad #$00e9 code"_qs, u"bad 00e9 code"_qs}, // escape deleted, the four characters stay
        {u"ends in #$"_qs, u"ends in "_qs},
        {u"short #$02"_qs, u"short 02"_qs},
        {u"quote #$0022"_qs, u"quote \""_qs},
        {u"no escape"_qs, u"no escape"_qs},
        // A decoded "#" followed by "$" forms a new escape, which is decoded in turn.
        {u"#$0023$0041"_qs, u"A"_qs},
    };
    for (const Case& c : cases)
        EXPECT_EQ(decodeHexEscapes(c.in), c.out) << c.in.toStdString();
}

TEST(ColourCode, AcceptsOnlyHashAndSixUpperCaseDigits)
{
    EXPECT_EQ(parseColourCode(u"#9EDE5C"), (ColourRgb{0x9E, 0xDE, 0x5C}));
    EXPECT_EQ(parseColourCode(u"#000000"), (ColourRgb{0, 0, 0}));
    for (const char16_t* bad : {u"#f8ffc0", u"F8FFC0", u"#F8FFC", u"#F8FFC00", u"", u"#GGGGGG", u"# 8FFC0"})
        EXPECT_FALSE(parseColourCode(QStringView(bad))) << QString::fromUtf16(bad).toStdString();
}

TEST(ColourCode, FormatsUpperCase)
{
    EXPECT_EQ(colourCode({0xF8, 0xFF, 0xC0}), u"#F8FFC0"_qs);
    EXPECT_EQ(colourCode({0, 10, 255}), u"#000AFF"_qs);
}
