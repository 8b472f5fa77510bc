#include "core/input/scriptlayouts.h"

#include <gtest/gtest.h>
#include <optional>

using namespace pelinor::core;

namespace {

constexpr ScriptLayout allLayouts[]
    = {ScriptLayout::RussianStandard, ScriptLayout::RussianTypewriter, ScriptLayout::Greek, ScriptLayout::Ukrainian};

TEST(ScriptLayouts, LegendsShowTheJisKeys)
{
    const QString lower = u"半1234567890-^qwertyuiop@[asdfghjkl;:]zxcvbnm,./"_qs;
    const QString upper = u"半1234567890=~QWERTYUIOP`{ASDFGHJKL+*}ZXCVBNM<>?"_qs;
    ASSERT_EQ(lower.size(), ScriptLayouts::keyCount);
    ASSERT_EQ(upper.size(), ScriptLayouts::keyCount);
    for (int position = 0; position < ScriptLayouts::keyCount; ++position) {
        EXPECT_EQ(ScriptLayouts::legendCaption(KeyLevel::Lower, position), QString(lower[position])) << position;
        EXPECT_EQ(ScriptLayouts::legendCaption(KeyLevel::Upper, position), QString(upper[position])) << position;
    }
    for (const int outside : {47, 48, -1}) {
        EXPECT_TRUE(ScriptLayouts::legendCaption(KeyLevel::Lower, outside).isEmpty()) << outside;
        EXPECT_TRUE(ScriptLayouts::legendCaption(KeyLevel::Upper, outside).isEmpty()) << outside;
    }
}

TEST(ScriptLayouts, EveryKeyHasACaptionAndNothingLiesOutside)
{
    for (const ScriptLayout layout : allLayouts) {
        for (const KeyLevel level : {KeyLevel::Lower, KeyLevel::Upper}) {
            for (int position = 0; position < ScriptLayouts::keyCount; ++position)
                EXPECT_FALSE(ScriptLayouts::keyCaption(layout, level, position).isEmpty()) << position;
            EXPECT_TRUE(ScriptLayouts::keyCaption(layout, level, -1).isEmpty());
            EXPECT_TRUE(ScriptLayouts::keyCaption(layout, level, 47).isEmpty());
        }
    }
    // The Greek upper key 7 holds a single ampersand.
    EXPECT_EQ(ScriptLayouts::keyCaption(ScriptLayout::Greek, KeyLevel::Upper, 7), u"&");
}

TEST(ScriptLayouts, DeadKeysSitOnlyOnTheGreekLayout)
{
    for (const ScriptLayout layout : allLayouts) {
        for (const KeyLevel level : {KeyLevel::Lower, KeyLevel::Upper}) {
            for (int position = 0; position < ScriptLayouts::keyCount; ++position) {
                const auto accent = ScriptLayouts::deadKeyAt(layout, level, position);
                std::optional<GreekAccent> expected;
                if (layout == ScriptLayout::Greek && position == 34)
                    expected = level == KeyLevel::Lower ? GreekAccent::Tonos : GreekAccent::Dialytika;
                if (layout == ScriptLayout::Greek && position == 14 && level == KeyLevel::Upper)
                    expected = GreekAccent::DialytikaTonos;
                EXPECT_EQ(accent, expected) << static_cast<int>(layout) << " " << position;
                // The caption of a dead key names it.
                EXPECT_EQ(ScriptLayouts::deadKeyOfCaption(ScriptLayouts::keyCaption(layout, level, position)), expected)
                    << static_cast<int>(layout) << " " << position;
            }
        }
    }
    EXPECT_EQ(ScriptLayouts::keyCaption(ScriptLayout::Greek, KeyLevel::Lower, 34), u"a");
    EXPECT_EQ(ScriptLayouts::keyCaption(ScriptLayout::Greek, KeyLevel::Upper, 34), u"b");
    EXPECT_EQ(ScriptLayouts::keyCaption(ScriptLayout::Greek, KeyLevel::Upper, 14), u"ab");
    for (const char16_t* other : {u"", u"A", u"ba", u"a ", u"abc"})
        EXPECT_EQ(ScriptLayouts::deadKeyOfCaption(QStringView(other)), std::nullopt);
}

TEST(ScriptLayouts, DeadKeyMessages)
{
    EXPECT_EQ(ScriptLayouts::deadKeyMessage(GreekAccent::Tonos),
        u"このキーの後に母音文字を入力するとアクセント付き文字を入力できます。"_qs);
    EXPECT_EQ(ScriptLayouts::deadKeyMessage(GreekAccent::Dialytika),
        u"このキーの後に母音文字を入力すると分音符（ウムラウト）付き文字を入力できます。"_qs);
    EXPECT_EQ(ScriptLayouts::deadKeyMessage(GreekAccent::DialytikaTonos),
        u"このキーの後に母音文字を入力するとアクセントと分音符付き文字を入力できます。"_qs);
}

TEST(ScriptLayouts, LayoutsOfTheInputModes)
{
    struct Case {
        int mode;
        bool typewriter;
        std::optional<ScriptLayout> typing;
        ScriptLayout onScreen;
    };
    const Case cases[] = {
        {1, false, std::nullopt, ScriptLayout::RussianStandard},
        {1, true, std::nullopt, ScriptLayout::RussianTypewriter},
        {2, false, ScriptLayout::RussianStandard, ScriptLayout::RussianStandard},
        {2, true, ScriptLayout::RussianTypewriter, ScriptLayout::RussianTypewriter},
        {3, false, std::nullopt, ScriptLayout::RussianStandard},
        {3, true, std::nullopt, ScriptLayout::RussianTypewriter},
        {4, true, std::nullopt, ScriptLayout::Greek},
        {5, true, ScriptLayout::Greek, ScriptLayout::Greek},
        {6, true, std::nullopt, ScriptLayout::Ukrainian},
        {7, true, ScriptLayout::Ukrainian, ScriptLayout::Ukrainian},
        {0, false, std::nullopt, ScriptLayout::RussianStandard},
        {8, false, std::nullopt, ScriptLayout::RussianStandard},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ScriptLayouts::typingLayout(c.mode, c.typewriter), c.typing) << c.mode << c.typewriter;
        EXPECT_EQ(ScriptLayouts::onScreenLayout(c.mode, c.typewriter), c.onScreen) << c.mode << c.typewriter;
    }
}

} // namespace
