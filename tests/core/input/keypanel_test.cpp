#include "core/common/textcodec.h"
#include "core/common/textfile.h"
#include "core/input/keypanelclick.h"
#include "core/input/keypanelfaces.h"
#include "core/input/keypanelgeometry.h"
#include "core/input/onscreenshiftstate.h"
#include "core/input/tableset.h"
#include "support/tempworld.h"

#include <gtest/gtest.h>

using namespace pelinor::core;
using pelinor::test::TempWorld;

namespace {

/// A foreign table with the triggers "e" (Latin), "е" (Cyrillic), "!" and "Q", and a phonetic table with
/// "A" and "<".
class KeyPanelTest : public ::testing::Test {
protected:
    KeyPanelTest()
    {
        write(u"CandF.csv"_qs,
            {u"\"e\",0435,,,,,,,,"_qs, u"\"\u0435\",0451,044D,,,,,,,"_qs, u"\"!\",00A1,,,,,,,,"_qs,
                u"\"Q\",0051,,,,,,,,"_qs, u"\"x\",,,,,,,,,"_qs});
        write(u"CandP.csv"_qs, {u"\"A\",0251,,,,,,,,"_qs, u"\"<\",02C2,,,,,,,,"_qs});
        foreign.loadTableSet(world.path(), u"CandF.csv"_qs, u"DBF.csv"_qs);
        phonetic.loadTableSet(world.path(), u"CandP.csv"_qs, u"DBP.csv"_qs);
    }

    void write(const QString& name, const QStringList& lines)
    {
        world.writeBytes(name, encodeText(joinLines(lines), TextEncoding::Utf8));
    }

    TempWorld world;
    TableSet foreign;
    TableSet phonetic;
};

TEST_F(KeyPanelTest, RomajiPanelEnablesAndEmboldensTheTriggersOnly)
{
    const KeyPanelFaces faces = romajiPanelFaces(foreign);
    const KeyFace& e = faces.keys[15];
    EXPECT_EQ(e.caption, u"e"_qs);
    EXPECT_TRUE(e.enabled && e.bold);
    EXPECT_EQ(e.pointSize, 12);
    EXPECT_TRUE(e.letter);
    // "x" has a record but no candidate: no trigger.
    const KeyFace& x = faces.keys[38];
    EXPECT_EQ(x.caption, u"x"_qs);
    EXPECT_FALSE(x.enabled || x.bold);
    EXPECT_EQ(x.pointSize, 11);
    EXPECT_EQ(faces.keys[12].caption, u"\\"_qs);
    EXPECT_FALSE(faces.keys[12].letter);
    // Legends: "!" and "Q" are triggers; the legend over "0" and the one of the missing key are there or not.
    EXPECT_TRUE(faces.legends[0].enabled && faces.legends[0].bold);
    EXPECT_EQ(faces.legends[0].pointSize, 11);
    EXPECT_TRUE(faces.legends[13].enabled);
    EXPECT_TRUE(faces.legends[13].letter);
    EXPECT_FALSE(faces.legends[14].enabled);
    EXPECT_EQ(faces.legends[14].pointSize, 10);
    EXPECT_TRUE(faces.legends[9].caption.isEmpty());
    EXPECT_EQ(faces.legends[47].caption, u"_"_qs);
    EXPECT_EQ(faces.legends[23].caption, u"`"_qs);
}

TEST_F(KeyPanelTest, PhoneticPanelShowsCapitalsAndOnlyNonLetterLegends)
{
    const KeyPanelFaces faces = phoneticPanelFaces(phonetic, 9);
    EXPECT_EQ(faces.keys[25].caption, u"A"_qs);
    EXPECT_TRUE(faces.keys[25].enabled);
    EXPECT_TRUE(faces.keys[25].letter);
    EXPECT_EQ(faces.keys[25].pointSize, 10);
    EXPECT_FALSE(faces.keys[26].enabled);
    EXPECT_TRUE(faces.legends[25].caption.isEmpty());
    EXPECT_EQ(faces.legends[44].caption, u"<"_qs);
    EXPECT_TRUE(faces.legends[44].enabled);
    EXPECT_EQ(faces.legends[44].pointSize, 9);
    EXPECT_EQ(faces.keys[34].caption, u";"_qs);
    EXPECT_FALSE(faces.keys[34].letter);
}

TEST_F(KeyPanelTest, KeyboardMarksTriggersRedOnCyrillicLayouts)
{
    const KeyPanelFaces faces
        = keyboardFaces(ScriptLayout::RussianStandard, KeyLevel::Lower, foreign, initialKeyboardFaces());
    const KeyFace& ie = faces.keys[17];
    EXPECT_EQ(ie.caption, u"\u0435"_qs);
    EXPECT_TRUE(ie.enabled && ie.bold);
    EXPECT_EQ(ie.ink, KeyInk::Red);
    EXPECT_EQ(ie.pointSize, 17);
    const KeyFace& yo = faces.keys[0];
    EXPECT_EQ(yo.caption, u"\u0451"_qs);
    EXPECT_TRUE(yo.enabled);
    EXPECT_FALSE(yo.bold);
    EXPECT_EQ(yo.ink, KeyInk::Black);
    EXPECT_EQ(yo.pointSize, 15);
    EXPECT_FALSE(faces.legends[0].enabled);
    EXPECT_EQ(faces.legends[0].pointSize, 12);
    EXPECT_TRUE(faces.legends[47].caption.isEmpty());
}

TEST_F(KeyPanelTest, GreekKeyboardKeepsSizesAndPaintsDeadKeysBlue)
{
    const KeyPanelFaces russian
        = keyboardFaces(ScriptLayout::RussianStandard, KeyLevel::Lower, foreign, initialKeyboardFaces());
    const KeyPanelFaces greek = keyboardFaces(ScriptLayout::Greek, KeyLevel::Upper, foreign, russian);
    EXPECT_EQ(greek.keys[17].pointSize, 17); // was the red trigger "е"
    EXPECT_EQ(greek.keys[0].pointSize, 15);
    EXPECT_EQ(greek.legends[0].pointSize, 12);
    EXPECT_FALSE(greek.keys[17].bold);
    EXPECT_EQ(greek.keys[17].ink, KeyInk::Black);
    EXPECT_EQ(greek.keys[14].caption, u"ab"_qs);
    EXPECT_EQ(greek.keys[14].ink, KeyInk::Blue);
    EXPECT_EQ(greek.keys[34].caption, u"b"_qs);
    EXPECT_EQ(greek.keys[34].ink, KeyInk::Blue);
    // Straight from creation the sizes are the initial ones.
    const KeyPanelFaces fresh = keyboardFaces(ScriptLayout::Greek, KeyLevel::Lower, foreign, initialKeyboardFaces());
    EXPECT_EQ(fresh.keys[25].pointSize, kKeyboardInitialKeySize);
    EXPECT_EQ(fresh.legends[25].pointSize, kKeyboardInitialLegendSize);
    EXPECT_EQ(fresh.keys[14].ink, KeyInk::Black);
}

struct ClickCase {
    const char* name;
    QString caption;
    ScriptLayout layout;
    KeyClickAction::Kind kind;
    QString result; // the key of a trigger, the text to insert
};

TEST_F(KeyPanelTest, KeyboardClickFollowsCaptionLayoutAndTable)
{
    const ClickCase cases[] = {
        {"plain letter", u"\u0451"_qs, ScriptLayout::RussianStandard, KeyClickAction::Text, u"\u0451"_qs},
        {"trigger", u"\u0435"_qs, ScriptLayout::RussianStandard, KeyClickAction::Trigger, u"\u0435"_qs},
        {"blanks trimmed", u" % "_qs, ScriptLayout::Ukrainian, KeyClickAction::Text, u"%"_qs},
        {"ampersand", u"&"_qs, ScriptLayout::Greek, KeyClickAction::Text, u"&"_qs},
        {"empty", u"  "_qs, ScriptLayout::Greek, KeyClickAction::Nothing, QString()},
        {"dead key", u"ab"_qs, ScriptLayout::Greek, KeyClickAction::DeadKey, QString()},
        {"dead caption elsewhere", u"b"_qs, ScriptLayout::RussianStandard, KeyClickAction::Text, u"b"_qs},
        {"Latin trigger on Greek", u"e"_qs, ScriptLayout::Greek, KeyClickAction::Trigger, u"e"_qs},
    };
    for (const ClickCase& c : cases) {
        SCOPED_TRACE(c.name);
        const KeyClickAction action = keyboardClick(c.caption, c.layout, foreign);
        EXPECT_EQ(action.kind, c.kind);
        if (c.kind == KeyClickAction::Trigger) {
            EXPECT_EQ(QString(action.key), c.result);
        }
        if (c.kind == KeyClickAction::Text) {
            EXPECT_EQ(action.text, c.result);
        }
    }
    EXPECT_EQ(keyboardClick(u"a"_qs, ScriptLayout::Greek, foreign).accent, GreekAccent::Tonos);
    EXPECT_EQ(keyboardClick(u"ab"_qs, ScriptLayout::Greek, foreign).accent, GreekAccent::DialytikaTonos);
}

TEST_F(KeyPanelTest, PanelClickOffersOnlyTriggers)
{
    EXPECT_EQ(panelClick(u"e"_qs, foreign).kind, KeyClickAction::Trigger);
    EXPECT_EQ(panelClick(u"x"_qs, foreign).kind, KeyClickAction::Nothing);
    EXPECT_EQ(panelClick(QString(), foreign).kind, KeyClickAction::Nothing);
    EXPECT_EQ(panelClick(u"A"_qs, phonetic).kind, KeyClickAction::Trigger);
    EXPECT_EQ(panelClick(u"A"_qs, foreign).kind, KeyClickAction::Nothing);
}

TEST(OnScreenShiftStateTest, ShiftActsOnlyWhileCapsLockIsOff)
{
    OnScreenShiftState state;
    EXPECT_EQ(state.level(), KeyLevel::Lower);
    EXPECT_TRUE(state.shift(true));
    EXPECT_EQ(state.level(), KeyLevel::Upper);
    EXPECT_TRUE(state.shift(false));
    EXPECT_EQ(state.level(), KeyLevel::Lower);

    // Shift released while CAPS is down shows the lower layout all the same.
    state.clickCaps(true);
    EXPECT_EQ(state.level(), KeyLevel::Upper);
    state.shift(true);
    state.shift(false);
    EXPECT_EQ(state.level(), KeyLevel::Lower);
    EXPECT_TRUE(state.capsDown());

    // Caps Lock on: CAPS goes down and Shift changes nothing.
    state.capsLock(true);
    EXPECT_TRUE(state.capsDown());
    EXPECT_EQ(state.level(), KeyLevel::Upper);
    EXPECT_FALSE(state.shift(true));
    EXPECT_FALSE(state.shift(false));
    EXPECT_EQ(state.level(), KeyLevel::Upper);
    state.capsLock(false);
    EXPECT_FALSE(state.capsDown());
    EXPECT_EQ(state.level(), KeyLevel::Lower);
}

TEST(KeyPanelGeometryTest, RowsAreStaggeredAndLettersTaller)
{
    KeyPanelFaces faces;
    faces.keys[25].letter = faces.legends[25].letter = true;
    const KeyPanelGeometry panel(KeyPanelKind::Romaji, 385, 252, faces);
    EXPECT_EQ(panel.keyWidth(), 28);
    EXPECT_EQ(panel.pitch(), 57);
    EXPECT_EQ(panel.keyRect(13).left() - panel.keyRect(0).left(), 14); // trunc(0.5 × 28)
    EXPECT_EQ(panel.keyRect(25).left() - panel.keyRect(0).left(), 19); // trunc(0.7 × 28)
    EXPECT_EQ(panel.keyRect(37).left() - panel.keyRect(0).left(), 33); // trunc(1.2 × 28)
    EXPECT_EQ(panel.keyRect(1).left() - panel.keyRect(0).left(), 28);
    // Legends sit right above their keys; a letter key is taller with the same bottom.
    EXPECT_EQ(panel.legendRect(26).bottom() + 1, panel.keyRect(26).top());
    EXPECT_GT(panel.keyRect(25).height(), panel.keyRect(26).height());
    EXPECT_EQ(panel.keyRect(25).bottom(), panel.keyRect(26).bottom());
    EXPECT_EQ(panel.legendRect(47).left(), panel.keyRect(46).left() + 28);
    EXPECT_TRUE(panel.keyRect(47).isNull());
    for (int i = 0; i < KeyPanelFaces::keyCount; ++i) {
        EXPECT_EQ(panel.keyAt(panel.keyRect(i).center()), i);
        EXPECT_EQ(panel.legendAt(panel.legendRect(i).center()), i);
    }

    const KeyPanelGeometry keyboard(KeyPanelKind::Keyboard, 385, 252, KeyPanelFaces{});
    EXPECT_EQ(keyboard.pitch(), 59);
    EXPECT_EQ(keyboard.keyRect(37).left() - keyboard.keyRect(0).left(), 56); // 2.0 key widths
    EXPECT_EQ(keyboard.keyRect(13).left() - keyboard.keyRect(0).left(), 36); // trunc(1.3 × 28)
}

TEST(CandidateListPageTest, ReplacesTheExtension)
{
    EXPECT_EQ(candidateListPagePath(u"/t"_qs, u"CandRussian.csv"_qs), u"/t/CandRussian.html"_qs);
    EXPECT_EQ(candidateListPagePath(u"/t"_qs, u"Cand.v2.csv"_qs), u"/t/Cand.v2.html"_qs);
    EXPECT_EQ(candidateListPagePath(u"/t"_qs, u"Cand"_qs), u"/t/Cand.html"_qs);
}

} // namespace
