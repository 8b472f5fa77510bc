#include "core/input/keyboardlayoutengine.h"
#include "core/input/scriptlayouts.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

using namespace pelinor::core;

namespace {

// What each key types, as four rows of the 47 positions: unshifted, with Shift, with Caps Lock, with both.
// "•" marks a dead key, which types nothing and waits.
struct LayoutRows {
    ScriptLayout layout;
    const char16_t* lower;
    const char16_t* shift;
    const char16_t* caps;
    const char16_t* capsShift;
};

void PrintTo(const LayoutRows& rows, std::ostream* os)
{
    *os << "layout " << static_cast<int>(rows.layout);
}

std::string layoutRowsName(const ::testing::TestParamInfo<LayoutRows>& p)
{
    const char* names[] = {"RussianStandard", "RussianTypewriter", "Greek", "Ukrainian"};
    return names[static_cast<int>(p.param.layout)];
}

class EveryKey : public ::testing::TestWithParam<LayoutRows> { };

TEST_P(EveryKey, TypesItsLayoutsCharacter)
{
    const LayoutRows& rows = GetParam();
    struct State {
        const char16_t* row;
        bool shift;
        bool caps;
    };
    const State states[] = {
        {rows.lower, false, false}, {rows.shift, true, false}, {rows.caps, false, true}, {rows.capsShift, true, true}};
    for (const State& state : states) {
        const QString row = QString::fromUtf16(state.row);
        ASSERT_EQ(row.size(), ScriptLayouts::keyCount);
        for (int position = 0; position < ScriptLayouts::keyCount; ++position) {
            KeyboardLayoutEngine engine(rows.layout);
            const QString typed = engine.pressKey(position, state.shift, state.caps);
            const QString where = QStringLiteral("position %1 shift %2 caps %3")
                                      .arg(position)
                                      .arg(int(state.shift))
                                      .arg(int(state.caps));
            if (row[position] == u'•') {
                EXPECT_TRUE(typed.isEmpty()) << where.toStdString();
                EXPECT_TRUE(engine.pendingDeadKey().has_value()) << where.toStdString();
            } else {
                EXPECT_EQ(typed.toStdString(), QString(row[position]).toStdString()) << where.toStdString();
                EXPECT_FALSE(engine.pendingDeadKey().has_value()) << where.toStdString();
            }
        }
    }
    // The captions are what the keys type unshifted and shifted.
    const QString lower = QString::fromUtf16(rows.lower);
    const QString upper = QString::fromUtf16(rows.shift);
    for (int position = 0; position < ScriptLayouts::keyCount; ++position) {
        if (lower[position] != u'•') {
            EXPECT_EQ(ScriptLayouts::keyCaption(rows.layout, KeyLevel::Lower, position), QString(lower[position]));
        }
        if (upper[position] != u'•') {
            EXPECT_EQ(ScriptLayouts::keyCaption(rows.layout, KeyLevel::Upper, position), QString(upper[position]));
        }
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Layouts, EveryKey,
    ::testing::Values(
        LayoutRows{ScriptLayout::RussianStandard,
                   u"ё1234567890-=йцукенгшщзхъфывапролджэ\\ячсмитьбю.",
                   u"Ё!\"№;%:?*()_+ЙЦУКЕНГШЩЗХЪФЫВАПРОЛДЖЭ/ЯЧСМИТЬБЮ,",
                   u"Ё1234567890-=ЙЦУКЕНГШЩЗХЪФЫВАПРОЛДЖЭ\\ЯЧСМИТЬБЮ.",
                   u"ё!\"№;%:?*()_+йцукенгшщзхъфывапролджэ/ячсмитьбю,"},
        LayoutRows{ScriptLayout::RussianTypewriter,
                   u"|№-/\":,._?%!;йцукенгшщзхъфывапролджэ)ячсмитьбюё",
                   u"+1234567890=\\ЙЦУКЕНГШЩЗХЪФЫВАПРОЛДЖЭ(ЯЧСМИТЬБЮЁ",
                   u"|№-/\":,._?%!;ЙЦУКЕНГШЩЗХЪФЫВАПРОЛДЖЭ)ЯЧСМИТЬБЮЁ",
                   u"+1234567890=\\йцукенгшщзхъфывапролджэ(ячсмитьбюё"},
        LayoutRows{ScriptLayout::Greek,
                   u"`1234567890-=;ςερτυθιοπ[]ασδφγηξκλ•'\\ζχψωβνμ,./",
                   u"~!@#$%^&*()_+:•ΕΡΤΥΘΙΟΠ{}ΑΣΔΦΓΗΞΚΛ•\"|ΖΧΨΩΒΝΜ<>?",
                   u"`1234567890-=;ςΕΡΤΥΘΙΟΠ[]ΑΣΔΦΓΗΞΚΛ•'\\ΖΧΨΩΒΝΜ,./",
                   u"~!@#$%^&*()_+:•ερτυθιοπ{}ασδφγηξκλ•\"|ζχψωβνμ<>?"},
        LayoutRows{ScriptLayout::Ukrainian,
                   u"'1234567890-=йцукенгшщзхїфівапролджєґячсмитьбю.",
                   u"₴!\"№;%:?*()_+ЙЦУКЕНГШЩЗХЇФІВАПРОЛДЖЄҐЯЧСМИТЬБЮ,",
                   u"'1234567890-=ЙЦУКЕНГШЩЗХЇФІВАПРОЛДЖЄҐЯЧСМИТЬБЮ.",
                   u"₴!\"№;%:?*()_+йцукенгшщзхїфівапролджєґячсмитьбю,"}),
    layoutRowsName);
// clang-format on

// Every letter of a layout's alphabet, small and capital, is typed by one of its keys.
TEST(KeyboardLayoutEngine, EveryLetterOfTheAlphabetHasAKey)
{
    struct Alphabet {
        ScriptLayout layout;
        const char16_t* letters;
    };
    const Alphabet alphabets[] = {
        {ScriptLayout::RussianStandard, u"абвгдеёжзийклмнопрстуфхцчшщъыьэюя"},
        {ScriptLayout::RussianTypewriter, u"абвгдеёжзийклмнопрстуфхцчшщъыьэюя"},
        {ScriptLayout::Greek, u"αβγδεζηθικλμνξοπρσςτυφχψω"},
        {ScriptLayout::Ukrainian, u"абвгґдеєжзиіїйклмнопрстуфхцчшщьюя"},
    };
    for (const Alphabet& alphabet : alphabets) {
        QString typed;
        for (int position = 0; position < ScriptLayouts::keyCount; ++position) {
            for (const bool shift : {false, true}) {
                KeyboardLayoutEngine engine(alphabet.layout);
                typed += engine.pressKey(position, shift, false);
            }
        }
        const QString letters = QString::fromUtf16(alphabet.letters);
        for (const QChar letter : letters) {
            EXPECT_TRUE(typed.contains(letter))
                << static_cast<int>(alphabet.layout) << " " << QString(letter).toStdString();
            // Final sigma has no capital of its own.
            if (letter != u'ς') {
                EXPECT_TRUE(typed.contains(letter.toUpper()))
                    << static_cast<int>(alphabet.layout) << " " << QString(letter.toUpper()).toStdString();
            }
        }
    }
}

TEST(KeyboardLayoutEngine, PositionsOutsideTheKeyboardTypeNothing)
{
    KeyboardLayoutEngine engine(ScriptLayout::Greek);
    EXPECT_TRUE(engine.pressKey(-1, false, false).isEmpty());
    EXPECT_TRUE(engine.pressKey(47, true, false).isEmpty());
    engine.pressKey(34, false, false);
    EXPECT_TRUE(engine.pressKey(100, false, false).isEmpty());
    EXPECT_EQ(engine.pendingDeadKey(), GreekAccent::Tonos); // still waiting
}

// A step of a typing sequence: a key of the layout, a key outside it, or text from the user's own layout.
struct Key {
    int position;
    bool shift = false;
    bool caps = false;
};
struct Other {
    const char16_t* text;
};
struct Host {
    const char16_t* text;
    bool caps = false;
    HostLayout host = HostLayout::Jis;
};
// A key that types no text, by its Qt key code: a modifier, Enter, a cursor key.
struct Silent {
    int qtKey;
};
using Step = std::variant<Key, Other, Host, Silent>;

struct Sequence {
    const char* name;
    ScriptLayout layout;
    std::vector<Step> steps;
    const char16_t* typed;
    std::optional<GreekAccent> pendingAfter = std::nullopt;
};

void PrintTo(const Sequence& s, std::ostream* os)
{
    *os << s.name;
}

QString run(KeyboardLayoutEngine& engine, const Step& step)
{
    if (const auto* key = std::get_if<Key>(&step))
        return engine.pressKey(key->position, key->shift, key->caps);
    if (const auto* other = std::get_if<Other>(&step))
        return engine.pressOtherKey(QStringView(other->text));
    if (const auto* silent = std::get_if<Silent>(&step))
        return engine.pressKeyWithoutText(silent->qtKey);
    const Host& host = std::get<Host>(step);
    return engine.pressHostText(QStringView(host.text), host.caps, host.host);
}

class TypingSequences : public ::testing::TestWithParam<Sequence> { };

TEST_P(TypingSequences, TypeTheExpectedText)
{
    const Sequence& s = GetParam();
    KeyboardLayoutEngine engine(s.layout);
    QString typed;
    for (const Step& step : s.steps)
        typed += run(engine, step);
    EXPECT_EQ(typed.toStdString(), QString::fromUtf16(s.typed).toStdString());
    EXPECT_EQ(engine.pendingDeadKey(), s.pendingAfter);
}

// Greek key positions used below.
constexpr int tonosKey = 34; // lower; dialytika when shifted
constexpr int dialytikaTonosKey = 14; // shifted
constexpr int alpha = 25, epsilon = 15, eta = 30, iota = 20, omicron = 21, upsilon = 18, omega = 40, rho = 16;

const Key tonos{tonosKey};
const Key dialytika{tonosKey, true};
const Key dialytikaTonos{dialytikaTonosKey, true};
const Silent shiftPress{Qt::Key_Shift};

INSTANTIATE_TEST_SUITE_P(DeadKeys, TypingSequences,
    ::testing::Values(Sequence{"TonosSmallVowels", ScriptLayout::Greek,
                          {tonos, Key{alpha}, tonos, Key{epsilon}, tonos, Key{eta}, tonos, Key{iota}, tonos,
                              Key{omicron}, tonos, Key{upsilon}, tonos, Key{omega}},
                          u"άέήίόύώ"},
        Sequence{"TonosCapitals", ScriptLayout::Greek,
            {tonos, Key{alpha, true}, tonos, Key{epsilon, true}, tonos, Key{eta, true}, tonos, Key{iota, true}, tonos,
                Key{omicron, true}, tonos, Key{upsilon, true}, tonos, Key{omega, true}},
            u"ΆΈΉΊΌΎΏ"},
        // Caps Lock gives capitals without Shift, small letters with it, and leaves the dead key alone.
        Sequence{"TonosWithCapsLock", ScriptLayout::Greek,
            {Key{tonosKey, false, true}, Key{alpha, false, true}, Key{tonosKey, false, true}, Key{alpha, true, true}},
            u"Άά"},
        Sequence{"Dialytika", ScriptLayout::Greek,
            {dialytika, Key{iota}, dialytika, Key{upsilon}, dialytika, Key{iota, true}, dialytika, Key{upsilon, true}},
            u"ϊϋΪΫ"},
        Sequence{
            "DialytikaTonos", ScriptLayout::Greek, {dialytikaTonos, Key{iota}, dialytikaTonos, Key{upsilon}}, u"ΐΰ"},
        // No capital with both marks exists: the accent comes first, then the letter.
        // The Shift press before a capital is a key of its own; it leaves the accent waiting.
        Sequence{"TonosShiftCapitals", ScriptLayout::Greek,
            {tonos, shiftPress, Key{alpha, true}, tonos, shiftPress, Key{epsilon, true}, tonos, shiftPress,
                Key{eta, true}, tonos, shiftPress, Key{iota, true}, tonos, shiftPress, Key{omicron, true}, tonos,
                shiftPress, Key{upsilon, true}, tonos, shiftPress, Key{omega, true}},
            u"ΆΈΉΊΌΎΏ"},
        // Shift is pressed for the dialytika key and again for the capital.
        Sequence{"DialytikaShiftCapitals", ScriptLayout::Greek,
            {shiftPress, dialytika, shiftPress, Key{iota, true}, shiftPress, dialytika, shiftPress, Key{upsilon, true}},
            u"ΪΫ"},
        Sequence{"EveryModifierLeavesTheAccentWaiting", ScriptLayout::Greek,
            {tonos, Silent{Qt::Key_Control}, Silent{Qt::Key_Alt}, Silent{Qt::Key_AltGr}, Silent{Qt::Key_Meta},
                Silent{Qt::Key_Super_L}, Silent{Qt::Key_Hyper_R}, Silent{Qt::Key_Mode_switch}, Silent{Qt::Key_CapsLock},
                Silent{Qt::Key_NumLock}, Silent{Qt::Key_ScrollLock}, Silent{Qt::Key_Eisu_toggle}, Key{omicron}},
            u"ό"},
        Sequence{"ModifierWithoutADeadKeyTypesNothing", ScriptLayout::Greek, {shiftPress, Key{alpha, true}}, u"Α"},
        // Keys that act without typing end the accent, which is typed first.
        Sequence{"EnterAndCursorKeysTypeTheAccent", ScriptLayout::Greek,
            {tonos, Silent{Qt::Key_Return}, Key{alpha}, dialytika, Silent{Qt::Key_Left}, Silent{Qt::Key_Shift},
                dialytikaTonos, Silent{Qt::Key_Tab}},
            u"΄α¨΅"},
        Sequence{"DialytikaTonosCapital", ScriptLayout::Greek, {dialytikaTonos, Key{iota, true}}, u"΅Ι"},
        Sequence{"DialytikaOnAlpha", ScriptLayout::Greek, {dialytika, Key{alpha}}, u"¨α"},
        Sequence{"SpaceGivesTheMark", ScriptLayout::Greek,
            {tonos, Other{u" "}, dialytika, Other{u" "}, dialytikaTonos, Other{u" "}}, u"΄¨΅"},
        Sequence{"OtherKeysFollowTheMark", ScriptLayout::Greek,
            {tonos, Key{rho}, tonos, Key{1}, tonos, Other{u"5"}, tonos, Key{13}}, u"΄ρ΄1΄5΄;"},
        Sequence{"DeadKeyAfterDeadKey", ScriptLayout::Greek, {tonos, tonos, Key{alpha}, tonos, dialytika, Key{iota}},
            u"΄ά΄ϊ"},
        Sequence{"DeadKeyWaitsAtTheEnd", ScriptLayout::Greek, {Key{alpha}, dialytikaTonos}, u"α",
            GreekAccent::DialytikaTonos},
        Sequence{"KeyWithoutTextKeepsItWaiting", ScriptLayout::Greek, {tonos, Other{u""}, Key{omega}}, u"ώ"},
        Sequence{"SpaceAmongOtherTextIsNotTheMark", ScriptLayout::Greek, {tonos, Other{u"  "}}, u"΄  "},
        Sequence{"TypedVowelFromOutsideCombines", ScriptLayout::Greek, {tonos, Other{u"ο"}}, u"ό"},
        Sequence{"HostKeysOfJis", ScriptLayout::Greek,
            {Host{u";"}, Host{u"a"}, Host{u"+"}, Host{u"i"}, Host{u"W"}, Host{u"y"}, Host{u" "}}, u"άϊΰ "},
        // With Caps Lock on, the user's layout typed "A" without Shift and "q" with Shift.
        Sequence{"HostKeysWithCapsLock", ScriptLayout::Greek,
            {Host{u";", true}, Host{u"A", true}, Host{u"q", true}, Host{u"Q", true}}, u"Ά:;"},
        // Only the Greek layout has dead keys.
        Sequence{"NoDeadKeysInRussian", ScriptLayout::RussianStandard, {Key{tonosKey}, Key{tonosKey, true}}, u"жЖ"}),
    [](const ::testing::TestParamInfo<Sequence>& p) { return std::string(p.param.name); });

TEST(KeyboardLayoutEngine, FlushCancelAndLayoutChangeEndAWaitingDeadKey)
{
    KeyboardLayoutEngine engine(ScriptLayout::Greek);
    EXPECT_TRUE(engine.flushDeadKey().isEmpty());
    engine.pressKey(tonosKey, false, false);
    EXPECT_EQ(engine.flushDeadKey(), u"΄"_qs);
    EXPECT_EQ(engine.pendingDeadKey(), std::nullopt);
    EXPECT_EQ(engine.pressKey(alpha, false, false), u"α"_qs);

    engine.pressKey(tonosKey, true, false);
    engine.cancelDeadKey();
    EXPECT_EQ(engine.pressKey(iota, false, false), u"ι"_qs);

    engine.pressKey(tonosKey, false, false);
    engine.setLayout(ScriptLayout::Ukrainian);
    EXPECT_EQ(engine.layout(), ScriptLayout::Ukrainian);
    EXPECT_EQ(engine.pendingDeadKey(), std::nullopt);
    EXPECT_EQ(engine.pressKey(tonosKey, false, false), u"ж"_qs);
}

TEST(KeyboardLayoutEngine, HostTextTypesOnTheSameKey)
{
    struct Case {
        ScriptLayout layout;
        HostLayout host;
        const char16_t* hostText;
        bool caps;
        const char16_t* typed;
    };
    const Case cases[] = {
        {ScriptLayout::RussianStandard, HostLayout::Jis, u"q", false, u"й"},
        {ScriptLayout::RussianStandard, HostLayout::Jis, u"Q", false, u"Й"},
        {ScriptLayout::RussianStandard, HostLayout::Jis, u"Q", true, u"Й"}, // Caps Lock, no Shift
        {ScriptLayout::RussianStandard, HostLayout::Jis, u"q", true, u"й"}, // Caps Lock and Shift
        {ScriptLayout::RussianStandard, HostLayout::Jis, u"2", false, u"2"},
        {ScriptLayout::RussianStandard, HostLayout::Jis, u"\"", false, u"\""}, // Shift+2
        {ScriptLayout::RussianStandard, HostLayout::Jis, u"#", true, u"№"},
        {ScriptLayout::RussianStandard, HostLayout::Jis, u"@", false, u"х"},
        {ScriptLayout::RussianStandard, HostLayout::Jis, u"`", false, u"Х"},
        {ScriptLayout::RussianStandard, HostLayout::Jis, u"@", true, u"Х"}, // Caps Lock acts on х
        {ScriptLayout::RussianStandard, HostLayout::Jis, u":", false, u"э"},
        {ScriptLayout::RussianStandard, HostLayout::Jis, u"*", false, u"Э"},
        {ScriptLayout::RussianStandard, HostLayout::Jis, u"]", false, u"\\"},
        {ScriptLayout::RussianStandard, HostLayout::Jis, u"}", false, u"/"},
        {ScriptLayout::RussianStandard, HostLayout::Jis, u"^", false, u"="},
        {ScriptLayout::RussianStandard, HostLayout::Jis, u"~", false, u"+"},
        {ScriptLayout::RussianStandard, HostLayout::Jis, u"/", false, u"."},
        {ScriptLayout::RussianStandard, HostLayout::Us, u"[", false, u"х"},
        {ScriptLayout::RussianStandard, HostLayout::Us, u"{", false, u"Х"},
        {ScriptLayout::RussianStandard, HostLayout::Us, u"'", false, u"э"},
        {ScriptLayout::RussianStandard, HostLayout::Us, u"\"", false, u"Э"},
        {ScriptLayout::RussianStandard, HostLayout::Us, u"`", false, u"ё"},
        {ScriptLayout::RussianStandard, HostLayout::Us, u"~", false, u"Ё"},
        {ScriptLayout::RussianStandard, HostLayout::Us, u"@", false, u"\""},
        {ScriptLayout::RussianStandard, HostLayout::Us, u"\\", false, u"\\"},
        {ScriptLayout::RussianTypewriter, HostLayout::Jis, u"1", false, u"№"},
        {ScriptLayout::RussianTypewriter, HostLayout::Jis, u"!", false, u"1"},
        {ScriptLayout::Ukrainian, HostLayout::Jis, u"s", false, u"і"},
        {ScriptLayout::Ukrainian, HostLayout::Jis, u"[", true, u"Ї"},
        {ScriptLayout::Greek, HostLayout::Jis, u"w", false, u"ς"},
        {ScriptLayout::Greek, HostLayout::Jis, u"w", true, u""}, // Caps Lock and Shift on W: a dead key
        {ScriptLayout::Greek, HostLayout::Jis, u"'", false, u"&"}, // Shift+7
        // Keys outside the 47 and longer texts pass through as typed.
        {ScriptLayout::RussianStandard, HostLayout::Jis, u"\\", false, u"\\"},
        {ScriptLayout::RussianStandard, HostLayout::Jis, u"_", false, u"_"},
        {ScriptLayout::RussianStandard, HostLayout::Jis, u"¥", false, u"¥"},
        {ScriptLayout::RussianStandard, HostLayout::Jis, u" ", false, u" "},
        {ScriptLayout::RussianStandard, HostLayout::Jis, u"qw", false, u"qw"},
        {ScriptLayout::RussianStandard, HostLayout::Jis, u"", false, u""},
    };
    for (const Case& c : cases) {
        KeyboardLayoutEngine engine(c.layout);
        EXPECT_EQ(engine.pressHostText(QStringView(c.hostText), c.caps, c.host).toStdString(),
            QString::fromUtf16(c.typed).toStdString())
            << QString::fromUtf16(c.hostText).toStdString() << " caps " << c.caps;
    }
}

TEST(KeyPositions, X11KeyCodesOfTheJisKeyboard)
{
    // Evdev + 8, position by position.
    const quint32 codes[] = {49, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, // 半角/全角, 1 … 0, -, ^
        24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, // q … p, @, [
        38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 51, // a … l, ;, :, ]
        52, 53, 54, 55, 56, 57, 58, 59, 60, 61}; // z … m, ",", ".", /
    static_assert(std::size(codes) == ScriptLayouts::keyCount);
    for (int position = 0; position < ScriptLayouts::keyCount; ++position) {
        const quint32 code = codes[position];
        EXPECT_EQ(KeyPositions::positionOfX11KeyCode(code), position) << code;
        EXPECT_EQ(KeyPositions::x11KeyCodeOfPosition(position), code) << position;
    }
    EXPECT_EQ(KeyPositions::positionOfX11KeyCode(93), 0); // KEY_ZENKAKUHANKAKU
    // Escape, Backspace, Tab, Enter, the Shift keys, space, the ISO key, ろ, yen, keypad 1, out of range.
    for (const quint32 code : {0u, 7u, 8u, 9u, 22u, 23u, 36u, 50u, 62u, 65u, 94u, 97u, 132u, 87u, 255u, 0xFFFFFFFFu})
        EXPECT_EQ(KeyPositions::positionOfX11KeyCode(code), std::nullopt) << code;
    EXPECT_EQ(KeyPositions::x11KeyCodeOfPosition(-1), 0u);
    EXPECT_EQ(KeyPositions::x11KeyCodeOfPosition(47), 0u);
}

TEST(KeyPositions, HostCharactersMapBackToTheirKeys)
{
    for (const HostLayout host : {HostLayout::Jis, HostLayout::Us}) {
        for (int position = 0; position < ScriptLayouts::keyCount; ++position) {
            for (const bool shifted : {false, true}) {
                const QChar c = KeyPositions::hostCharacter(host, position, shifted);
                if (c.isNull())
                    continue;
                EXPECT_EQ(KeyPositions::hostKeyOfCharacter(c, host), (HostKey{position, shifted}))
                    << position << " " << shifted;
            }
        }
    }
    // The JIS legends of the lower layouts are the unshifted characters of the JIS keys.
    for (int position = 1; position < ScriptLayouts::keyCount; ++position) {
        const QStringView legend = ScriptLayouts::legendCaption(KeyLevel::Lower, position);
        EXPECT_EQ(KeyPositions::hostCharacter(HostLayout::Jis, position, false), legend.front()) << position;
    }
    struct Case {
        QChar character;
        HostLayout host;
        std::optional<HostKey> key;
    };
    const Case cases[] = {
        {u'"', HostLayout::Jis, HostKey{2, true}},
        {u'"', HostLayout::Us, HostKey{35, true}},
        {u'@', HostLayout::Jis, HostKey{23, false}},
        {u'@', HostLayout::Us, HostKey{2, true}},
        {u'`', HostLayout::Jis, HostKey{23, true}},
        {u'`', HostLayout::Us, HostKey{0, false}},
        {u'_', HostLayout::Us, HostKey{11, true}},
        {u'_', HostLayout::Jis, std::nullopt}, // the ろ key
        {u'\\', HostLayout::Jis, std::nullopt}, // the yen or ろ key
        {u'|', HostLayout::Jis, std::nullopt},
        {u'¥', HostLayout::Jis, std::nullopt},
        {u' ', HostLayout::Jis, std::nullopt},
        {u'й', HostLayout::Jis, std::nullopt},
        {u'ｑ', HostLayout::Jis, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeyPositions::hostKeyOfCharacter(c.character, c.host), c.key) << int(c.character.unicode());
    EXPECT_TRUE(KeyPositions::hostCharacter(HostLayout::Jis, 0, false).isNull()); // 半角/全角 types nothing
    EXPECT_TRUE(KeyPositions::hostCharacter(HostLayout::Jis, 10, true).isNull()); // nor does Shift+0
}

TEST(KeyPositions, LetterKeysOfTheUsersLayout)
{
    for (const HostLayout host : {HostLayout::Jis, HostLayout::Us}) {
        for (int position = -1; position <= ScriptLayouts::keyCount; ++position) {
            const bool letter = (position >= 13 && position <= 22) || (position >= 25 && position <= 33)
                || (position >= 37 && position <= 43);
            EXPECT_EQ(KeyPositions::isHostLetterKey(host, position), letter) << position;
        }
    }
}

} // namespace
