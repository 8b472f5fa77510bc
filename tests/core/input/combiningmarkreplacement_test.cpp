#include "core/input/combiningmarkreplacement.h"

#include <gtest/gtest.h>
#include <ostream>
#include <random>
#include <string>

using namespace pelinor::core;

namespace {

// The replacement done the slow, literal way: each pair in turn, and for each pair the first occurrence
// from the start of the text, again and again until there is none.
CombiningMarkReplacement replaceStepByStep(QString text)
{
    struct Step {
        const char16_t* sequence;
        char16_t letter;
    };
    static const Step steps[] = {
        {u"\u03B9\u0308\u0301", u'\u0390'}, // 1
        {u"\u03C5\u0308\u0301", u'\u03B0'}, // 2
        {u"\u03B1\u0301", u'\u03AC'}, // 3
        {u"\u03B5\u0301", u'\u03AD'}, // 4
        {u"\u03B7\u0301", u'\u03AE'}, // 5
        {u"\u03B9\u0301", u'\u03AF'}, // 6
        {u"\u03BF\u0301", u'\u03CC'}, // 7
        {u"\u03C5\u0301", u'\u03CD'}, // 8
        {u"\u03C9\u0301", u'\u03CE'}, // 9
        {u"\u03B9\u0308", u'\u03CA'}, // 10
        {u"\u03C5\u0308", u'\u03CB'}, // 11
        {u"\u0391\u0301", u'\u0386'}, // 12
        {u"\u0395\u0301", u'\u0388'}, // 13
        {u"\u0397\u0301", u'\u0389'}, // 14
        {u"\u0399\u0301", u'\u038A'}, // 15
        {u"\u039F\u0301", u'\u038C'}, // 16
        {u"\u03A5\u0301", u'\u038E'}, // 17
        {u"\u03A9\u0301", u'\u038F'}, // 18
        {u"\u0399\u0308", u'\u03AA'}, // 19
        {u"\u03A5\u0308", u'\u03AB'}, // 20
    };
    int count = 0;
    for (const Step& step : steps) {
        const QString sequence = QString::fromUtf16(step.sequence);
        for (qsizetype at = text.indexOf(sequence); at >= 0; at = text.indexOf(sequence)) {
            text.remove(at, sequence.size());
            text.insert(at, QChar(step.letter));
            ++count;
        }
    }
    return {text, count};
}

std::string codes(const QString& text)
{
    std::string out;
    for (QChar c : text)
        out += QStringLiteral("%1 ").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper().toStdString();
    return out;
}

struct ReplacementCase {
    const char* name;
    QString text;
    QString expected;
    int count;
};

void PrintTo(const ReplacementCase& c, std::ostream* os)
{
    *os << c.name;
}

class CombiningMarkCases : public ::testing::TestWithParam<ReplacementCase> { };

TEST_P(CombiningMarkCases, MatchesTheStepByStepReplacement)
{
    const ReplacementCase& c = GetParam();
    const CombiningMarkReplacement fast = replaceCombiningMarks(c.text);
    EXPECT_EQ(codes(fast.text), codes(c.expected));
    EXPECT_EQ(fast.count, c.count);
    const CombiningMarkReplacement reference = replaceStepByStep(c.text);
    EXPECT_EQ(codes(reference.text), codes(c.expected));
    EXPECT_EQ(reference.count, c.count);
}

QString repeated(const QString& piece, int times)
{
    QString text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

INSTANTIATE_TEST_SUITE_P(Texts, CombiningMarkCases,
    ::testing::Values(ReplacementCase{"AlphaAcute", u"\u03B1\u0301"_qs, u"\u03AC"_qs, 1},
        ReplacementCase{"IotaDiaeresisAcute", u"\u03B9\u0308\u0301"_qs, u"\u0390"_qs, 1},
        ReplacementCase{"UpsilonDiaeresisAcute", u"\u03C5\u0308\u0301"_qs, u"\u03B0"_qs, 1},
        ReplacementCase{"AcuteBeforeDiaeresis", u"\u03B9\u0301\u0308"_qs, u"\u03AF\u0308"_qs, 1},
        ReplacementCase{"CapitalWithBothMarks", u"\u0399\u0308\u0301"_qs, u"\u03AA\u0301"_qs, 1},
        ReplacementCase{"CapitalUpsilonBothMarks", u"\u03A5\u0308\u0301"_qs, u"\u03AB\u0301"_qs, 1},
        ReplacementCase{"EveryLowerVowel",
            u"\u03B1\u0301\u03B5\u0301\u03B7\u0301\u03B9\u0301\u03BF\u0301\u03C5\u0301\u03C9\u0301"
            u"\u03B9\u0308\u03C5\u0308"_qs,
            u"\u03AC\u03AD\u03AE\u03AF\u03CC\u03CD\u03CE\u03CA\u03CB"_qs, 9},
        ReplacementCase{"EveryCapital",
            u"\u0391\u0301\u0395\u0301\u0397\u0301\u0399\u0301\u039F\u0301\u03A5\u0301\u03A9\u0301"
            u"\u0399\u0308\u03A5\u0308"_qs,
            u"\u0386\u0388\u0389\u038A\u038C\u038E\u038F\u03AA\u03AB"_qs, 9},
        ReplacementCase{"ConsonantAndLatinKeepMarks", u"\u03C1\u0301 a\u0301 e\u0308 \u03B1\u0308"_qs,
            u"\u03C1\u0301 a\u0301 e\u0308 \u03B1\u0308"_qs, 0},
        ReplacementCase{"NoMarks", u"\u039A\u03B1\u03BB\u03B7\u03BC\u03AD\u03C1\u03B1 text"_qs,
            u"\u039A\u03B1\u03BB\u03B7\u03BC\u03AD\u03C1\u03B1 text"_qs, 0},
        ReplacementCase{"Empty", QString(), QString(), 0},
        ReplacementCase{"MarkAtStartAndEnd", u"\u0301\u03B1\u0301\u0301\u03B9"_qs, u"\u0301\u03AC\u0301\u03B9"_qs, 1},
        ReplacementCase{"SecondDiaeresisLeftAlone", u"\u03B9\u0308\u0308\u0301"_qs, u"\u03CA\u0308\u0301"_qs, 1},
        // Precomposed marks and other combining marks are not part of the table.
        ReplacementCase{"OtherMarksUnchanged", u"\u03B9\u0344 \u03B1\u0342 \u03B1\u0313\u0301"_qs,
            u"\u03B9\u0344 \u03B1\u0342 \u03B1\u0313\u0301"_qs, 0},
        ReplacementCase{"VowelThenSurrogatePair", u"\u03B1\U0001D301\u0301"_qs, u"\u03B1\U0001D301\u0301"_qs, 0},
        ReplacementCase{"LoneSurrogates", u"\xD835\u03B5\u0301\xDF00"_qs, u"\xD835\u03AD\xDF00"_qs, 1},
        ReplacementCase{"ThousandAlphas", repeated(u"\u03B1\u0301"_qs, 1000), repeated(u"\u03AC"_qs, 1000), 1000}),
    [](const ::testing::TestParamInfo<ReplacementCase>& p) { return std::string(p.param.name); });

TEST(CombiningMarks, RandomTextsMatchTheStepByStepReplacement)
{
    // Letters that take part, their neighbours, both marks and other marks, spaces, Latin letters and
    // surrogates, weighted so that most texts contain several candidate sequences.
    const char16_t pieces[] = {u'\u03B1', u'\u03B5', u'\u03B7', u'\u03B9', u'\u03BF', u'\u03C5', u'\u03C9', u'\u0391',
        u'\u0395', u'\u0397', u'\u0399', u'\u039F', u'\u03A5', u'\u03A9', u'\u03C1', u'\u03C2', u'\u03CA', u'\u03AC',
        u'\u0301', u'\u0301', u'\u0301', u'\u0308', u'\u0308', u'\u0308', u'\u0344', u'\u0342', u' ', u'a', u'i',
        u'\xD835', u'\xDF00', u'\u0439'};
    std::mt19937 random(20240611);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
    std::uniform_int_distribution<int> length(0, 40);
    int replaced = 0;
    for (int round = 0; round < 20000; ++round) {
        QString text;
        const int size = round % 500 == 0 ? 3000 : length(random);
        for (int i = 0; i < size; ++i)
            text += QChar(pieces[pick(random)]);
        const CombiningMarkReplacement fast = replaceCombiningMarks(text);
        const CombiningMarkReplacement reference = replaceStepByStep(text);
        ASSERT_EQ(codes(fast.text), codes(reference.text)) << "input " << codes(text);
        ASSERT_EQ(fast.count, reference.count) << "input " << codes(text);
        replaced += fast.count;
    }
    EXPECT_GT(replaced, 20000); // the texts did exercise the replacement
}

TEST(CombiningMarks, LeavesTheCallersTextAlone)
{
    const QString text = u"\u03B1\u0301"_qs;
    const QString copy = text;
    EXPECT_EQ(replaceCombiningMarks(copy).text, u"\u03AC"_qs);
    EXPECT_EQ(copy, text);
}

TEST(CombiningMarks, ReportsTheCount)
{
    EXPECT_EQ(combiningMarkReplacementReport(3), u"3 個の置換を行いました。"_qs);
    EXPECT_EQ(combiningMarkReplacementReport(0), u"0 個の置換を行いました。"_qs);
}

} // namespace
