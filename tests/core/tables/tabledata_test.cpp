#include "core/tables/skippedline.h"
#include "core/tables/symbolnamelabels.h"
#include "core/tables/triggerkeys.h"
#include "core/tables/writingsystems.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace pelinor::core;

TEST(TriggerKeys, TwoSequencesHoldThePrintableAsciiOnceEach)
{
    QSet<char16_t> seen;
    for (int p = 1; p <= TriggerKeys::ShiftedCount; ++p) {
        const QChar c = TriggerKeys::shifted(p);
        if (p == 10) {
            EXPECT_TRUE(c.isNull());
            continue;
        }
        EXPECT_FALSE(seen.contains(c.unicode())) << p;
        seen.insert(c.unicode());
    }
    for (int p = 1; p <= TriggerKeys::UnshiftedCount; ++p) {
        const QChar c = TriggerKeys::unshifted(p);
        EXPECT_FALSE(seen.contains(c.unicode())) << p;
        seen.insert(c.unicode());
    }
    EXPECT_EQ(seen.size(), 94);
    for (char16_t c = u'!'; c <= u'~'; ++c)
        EXPECT_TRUE(seen.contains(c)) << char(c);
    EXPECT_TRUE(TriggerKeys::shifted(0).isNull());
    EXPECT_TRUE(TriggerKeys::shifted(49).isNull());
    EXPECT_TRUE(TriggerKeys::unshifted(48).isNull());
}

TEST(TriggerKeys, PositionsPairTheKeysOfOneKeyboardRow)
{
    struct Case {
        int position;
        char16_t shifted, unshifted;
        int row;
    };
    const Case cases[] = {
        {1, u'!', u'1', 1},
        {2, u'"', u'2', 1},
        {10, 0, u'0', 1},
        {13, u'|', u'\\', 1},
        {14, u'Q', u'q', 2},
        {24, u'`', u'@', 2},
        {25, u'{', u'[', 2},
        {26, u'A', u'a', 3},
        {35, u'+', u';', 3},
        {37, u'}', u']', 3},
        {38, u'Z', u'z', 4},
        {47, u'?', u'/', 4},
        {48, u'_', 0, 4},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TriggerKeys::shifted(c.position), QChar(c.shifted)) << c.position;
        EXPECT_EQ(TriggerKeys::unshifted(c.position), QChar(c.unshifted)) << c.position;
        EXPECT_EQ(TriggerKeys::rowOfPosition(c.position), c.row) << c.position;
    }
    EXPECT_EQ(TriggerKeys::firstPositionOfRow(3), 26);
    EXPECT_EQ(TriggerKeys::lastPositionOfRow(3, TriggerKeys::ShiftedCount), 37);
    EXPECT_EQ(TriggerKeys::lastPositionOfRow(4, TriggerKeys::ShiftedCount), 48);
    EXPECT_EQ(TriggerKeys::lastPositionOfRow(4, TriggerKeys::UnshiftedCount), 47);
}

TEST(TriggerKeys, OffersNoDigitsAndFiltersLettersByMode)
{
    struct Case {
        char16_t c;
        bool lower, upper, both;
    };
    const Case cases[] = {
        {u'a', true, false, true},
        {u'Z', false, true, true},
        {u'0', false, false, false},
        {u'7', false, false, false},
        {u'"', true, true, true},
        {u'_', true, true, true},
        {u'\\', true, true, true},
        {u' ', false, false, false},
        {0, false, false, false},
        {u'я', false, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TriggerKeys::isOffered(QChar(c.c), TriggerMode::AlphabetLower), c.lower) << int(c.c);
        EXPECT_EQ(TriggerKeys::isOffered(QChar(c.c), TriggerMode::AlphabetUpper), c.upper) << int(c.c);
        EXPECT_EQ(TriggerKeys::isOffered(QChar(c.c), TriggerMode::AlphabetBoth), c.both) << int(c.c);
    }
    const QList<QChar> lower = TriggerKeys::offeredTriggers(TriggerMode::AlphabetLower);
    EXPECT_EQ(lower.size(), 94 - 10 - 26);
    EXPECT_EQ(lower.first(), QChar(u'!'));
    EXPECT_EQ(lower[9], QChar(u'=')); // the empty tenth position is skipped
    EXPECT_EQ(lower[12], QChar(u'`')); // Q to P are excluded under Alphabet_Lower
    EXPECT_EQ(lower.last(), QChar(u'/'));
    EXPECT_EQ(TriggerKeys::offeredTriggers(TriggerMode::AlphabetBoth).size(), 94 - 10);
}

TEST(WritingSystems, CharsetOfScriptNameMatchesWholeNamesOnly)
{
    struct Case {
        const char16_t* name;
        int charset;
    };
    const Case cases[] = {
        {u"タイ文字", 222},
        {u"キリル文字", 204},
        {u"ハングル", 129},
        {u"ベトナム文字", 163},
        {u"ギリシア文字", 161},
        {u"トルコ文字", 162},
        {u"トルコ語", 0},
        {u"発音記号", 0},
        {u"ラテン文字（欧文）", 0},
        {u"キリル文字 ", 0},
        {u"", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(charsetOfScriptName(c.name), c.charset) << QString::fromUtf16(c.name).toStdString();
}

TEST(WritingSystems, TablesAgreeWithTheCharsetRule)
{
    const QList<WritingSystem>& known = WritingSystems::known();
    ASSERT_EQ(known.size(), 12);
    EXPECT_EQ(known.first().name, u"発音記号"_qs);
    EXPECT_EQ(known.first().sampleGlyph, u"ɔ"_qs);
    EXPECT_EQ(known.last().name, u"その他"_qs);
    for (const WritingSystem& system : known)
        EXPECT_EQ(system.charset, charsetOfScriptName(system.name)) << system.name.toStdString();
    const std::optional<WritingSystem> khmer = WritingSystems::find(u"クメール文字");
    ASSERT_TRUE(khmer);
    EXPECT_EQ(khmer->defaultFont, u"Khmer OS Battambang"_qs);
    EXPECT_FALSE(WritingSystems::find(u"ラテン文字"));

    const QStringList& editor = WritingSystems::editorNames();
    ASSERT_EQ(editor.size(), 11);
    EXPECT_EQ(editor[3], u"ラテン文字"_qs);
    EXPECT_EQ(editor[9], u"トルコ語"_qs);
    EXPECT_FALSE(editor.contains(u"ギリシア文字"_qs));
}

TEST(SymbolNameLabels, SplitAtTheFirstBackslash)
{
    struct Case {
        const char16_t* name;
        const char16_t* first;
        const char16_t* second;
    };
    const Case cases[] = {
        {u"open o", u"open o", u""},
        {u"open o\\turned c", u"open o", u"turned c"},
        {u"a\\b\\c", u"a", u"b\\c"},
        {u"\\only second", u"", u"only second"},
        {u"trailing\\", u"trailing", u""},
        {u"", u"", u""},
    };
    for (const Case& c : cases) {
        const SymbolNameLabels labels = SymbolNameLabels::of(c.name);
        EXPECT_EQ(labels.first, QString::fromUtf16(c.first)) << QString::fromUtf16(c.name).toStdString();
        EXPECT_EQ(labels.second, QString::fromUtf16(c.second)) << QString::fromUtf16(c.name).toStdString();
    }
}

TEST(SkippedLine, MessageListsFileAndLineAndCapsTheList)
{
    EXPECT_TRUE(skippedLinesMessage({}).isEmpty());
    const QList<SkippedLine> lines{
        {u"CandAll.csv"_qs, 12, u"reason one"_qs},
        {u"DBPhonet.csv"_qs, 0, u"whole file"_qs},
        {u"DBPhonet.csv"_qs, 40, u"reason three"_qs},
    };
    const QString all = skippedLinesMessage(lines);
    EXPECT_TRUE(all.startsWith(u"次の行を読み込めませんでした。"_qs));
    EXPECT_TRUE(all.contains(u"CandAll.csv"_qs));
    EXPECT_TRUE(all.contains(u"12"_qs));
    EXPECT_TRUE(all.contains(u"reason one"_qs));
    EXPECT_TRUE(all.contains(u"whole file"_qs));
    EXPECT_EQ(all.count(u'\n'), 3);

    const QString capped = skippedLinesMessage(lines, 2);
    EXPECT_FALSE(capped.contains(u"reason three"_qs));
    EXPECT_TRUE(capped.contains(u"1"_qs));
    EXPECT_EQ(capped.count(u'\n'), 3); // two lines and the count of the rest
}
