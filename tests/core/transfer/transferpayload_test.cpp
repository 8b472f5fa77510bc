#include "core/app/inputmodes.h"
#include "core/app/settings.h"
#include "core/common/textcodec.h"
#include "core/transfer/transferaftermath.h"
#include "core/transfer/transferencodings.h"
#include "core/transfer/transferpayload.h"
#include "support/tempworld.h"

#include <QDir>
#include <QRegularExpression>

#include <gtest/gtest.h>
#include <ostream>

using namespace pelinor::core;
using pelinor::test::TempWorld;

namespace {

const QString kDa = QString::fromUtf16(u"\u0434\u0430");
const QString kSchwa = QString::fromUtf16(u"\u0259");

const RichTextFont kMainFont{u"Times New Roman"_qs, 18, 204};
const RichTextFont kSubFont{u"Segoe UI"_qs, 16, 0};

QByteArray clipboardRtfBytes(const RichTextFont& font, const QString& text)
{
    return encodeCp932(makeClipboardRtf(font.charset, font.pointSize, font.name, font.language, text));
}

struct ModeCase {
    int mode;
    TransferArea area;
    QString plainText; // for the text "да\r\n"
    bool rich;
    bool workFile;
};

void PrintTo(const ModeCase& c, std::ostream* os)
{
    *os << "mode " << c.mode;
}

} // namespace

class ModeTable : public testing::TestWithParam<ModeCase> { };

TEST_P(ModeTable, ProducesTheModesContent)
{
    const ModeCase& c = GetParam();
    const RichTextFont& font = c.area == TransferArea::Phonetic ? kSubFont : kMainFont;
    const auto payload = transferPayload(c.mode, kDa + u"\r\n"_qs, font);

    ASSERT_TRUE(payload);
    EXPECT_EQ(payload->area, c.area);
    EXPECT_EQ(transferAreaOf(c.mode), c.area);
    EXPECT_TRUE(payload->setsClipboard);
    EXPECT_EQ(payload->plainText, c.plainText);
    EXPECT_EQ(payload->writesWorkRtf, c.workFile);
    if (c.rich) {
        EXPECT_EQ(payload->rtf, clipboardRtfBytes(font, kDa + u"\r\n"_qs));
        EXPECT_EQ(payload->html, makeHtmlDocument(font.pointSize, font.name, kDa + u"\r\n"_qs));
    } else {
        EXPECT_TRUE(payload->rtf.isEmpty());
        EXPECT_TRUE(payload->html.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Transfer, ModeTable,
    testing::Values(ModeCase{1, TransferArea::Foreign, kDa + u"\n"_qs, true, false},
        ModeCase{2, TransferArea::Foreign, kDa + u"\n"_qs, true, true},
        ModeCase{3, TransferArea::Foreign, u"&#x0434;&#x0430;&#x000D;&#x000A;"_qs, false, false},
        ModeCase{4, TransferArea::Foreign, u"&#1076;&#1072;&#13;&#10;"_qs, false, false},
        ModeCase{5, TransferArea::Foreign, kDa + u"\n"_qs, false, false},
        ModeCase{11, TransferArea::Phonetic, kDa + u"\n"_qs, true, true},
        ModeCase{12, TransferArea::Phonetic, u"&#x0434;&#x0430;&#x000D;&#x000A;"_qs, false, false},
        ModeCase{13, TransferArea::Phonetic, u"&#1076;&#1072;&#13;&#10;"_qs, false, false},
        ModeCase{14, TransferArea::Phonetic, kDa + u"\n"_qs, false, false}),
    [](const testing::TestParamInfo<ModeCase>& p) { return "Mode" + std::to_string(p.param.mode); });

TEST(TransferPayload, OtherModesTransferNothing)
{
    for (int mode : {0, 6, 7, 10, 15, 21, -1}) {
        EXPECT_FALSE(transferPayload(mode, kDa, kMainFont)) << mode;
        EXPECT_FALSE(transferModeInfo(mode)) << mode;
        EXPECT_TRUE(transferShortLabel(mode, u"x"_qs).isEmpty()) << mode;
    }
    EXPECT_EQ(transferAreaOf(15), TransferArea::Phonetic);
    EXPECT_EQ(transferAreaOf(7), TransferArea::Foreign);
}

TEST(TransferPayload, EveryLineBreakFormIsTheCrLfPair)
{
    // A widget selection holds U+2029 where the area has a line break; plain widget text holds LF.
    for (const QString& text : {u"a\r\nb"_qs, u"a\nb"_qs, u"a\rb"_qs, QString::fromUtf16(u"a\u2029b")}) {
        EXPECT_EQ(transferPayload(3, text, kMainFont)->plainText, u"&#x0061;&#x000D;&#x000A;&#x0062;"_qs);
        EXPECT_EQ(transferPayload(4, text, kMainFont)->plainText, u"&#97;&#13;&#10;&#98;"_qs);
        const auto rich = transferPayload(1, text, kMainFont);
        EXPECT_EQ(rich->rtf, clipboardRtfBytes(kMainFont, u"a\r\nb"_qs));
        EXPECT_EQ(rich->plainText, u"a\nb"_qs);
        EXPECT_EQ(transferPayload(14, text, kSubFont)->plainText, u"a\nb"_qs);
    }
    // CR LF CR LF is two line breaks, not three.
    EXPECT_EQ(transferPayload(13, u"\r\n\r\n"_qs, kSubFont)->plainText, u"&#13;&#10;&#13;&#10;"_qs);
}

TEST(TransferPayload, EmptyTextSetsTheClipboardOnlyInReferenceModes)
{
    for (int mode : {3, 4, 12, 13}) {
        const auto payload = transferPayload(mode, QString(), kMainFont);
        EXPECT_TRUE(payload->setsClipboard) << mode;
        EXPECT_TRUE(payload->plainText.isEmpty()) << mode;
    }
    for (int mode : {1, 2, 5, 11, 14})
        EXPECT_FALSE(transferPayload(mode, QString(), kMainFont)->setsClipboard) << mode;
    EXPECT_TRUE(transferPayload(2, QString(), kMainFont)->writesWorkRtf);
}

class PrepareTransferTest : public testing::Test {
protected:
    TempWorld m_world;
};

TEST_F(PrepareTransferTest, DefaultSettingsGiveTheWorkedExample)
{
    const Settings settings;
    const PreparedTransfer prepared
        = prepareTransfer(2, kDa, richTextFontOf(TransferArea::Foreign, settings), m_world.path());

    ASSERT_TRUE(prepared.ok()) << prepared.error.toStdString();
    const QByteArray file = m_world.readBytes(u"Work.rtf"_qs);
    EXPECT_EQ(file,
        QByteArray(R"({\rtf1\ansi\ansicpg932\deff0\deflang1033\deflangfe1041{\fonttbl{\f0\fnil\fcharset)"
                   R"(204 Times New Roman;}}\viewkind4\uc1\pard\lang1041\f0\fs36\u1076?\u1072?\f1\par})"
                   "\r\n"));
    // The clipboard carries the same font, size and text, in the line at the caret and in Russian.
    EXPECT_EQ(prepared.payload->rtf,
        QByteArray(R"({\rtf1\ansi\ansicpg932\deff0\deflang1033\deflangfe1041{\fonttbl{\f0\fnil\fcharset)"
                   R"(204 Times New Roman;}}\viewkind4\uc1\pard\lang1049\f0\fs36\u1076?\u1072?})"));
    EXPECT_EQ(prepared.payload->plainText, kDa);

    const PreparedTransfer phonetic
        = prepareTransfer(11, kSchwa, richTextFontOf(TransferArea::Phonetic, settings), m_world.path());
    ASSERT_TRUE(phonetic.ok());
    EXPECT_TRUE(m_world.readBytes(u"Work.rtf"_qs)
                    .endsWith(R"(\fcharset0 Segoe UI;}}\viewkind4\uc1\pard\lang1041)"
                              R"(\f0\fs32\u601?\f1\par})"
                              "\r\n"));
}

TEST_F(PrepareTransferTest, OnlyTheWorkFileModesWriteTheFile)
{
    for (int mode : {1, 3, 4, 5, 12, 13, 14, 9}) {
        const PreparedTransfer prepared = prepareTransfer(mode, kDa, kMainFont, m_world.path());
        EXPECT_TRUE(prepared.ok()) << mode;
        EXPECT_EQ(prepared.payload.has_value(), mode != 9);
    }
    EXPECT_FALSE(m_world.exists(u"Work.rtf"_qs));
}

TEST_F(PrepareTransferTest, FailedWorkFileStopsTheTransfer)
{
    for (int mode : {2, 11}) {
        const PreparedTransfer prepared = prepareTransfer(mode, kDa, kMainFont, m_world.path(u"missing"_qs));
        EXPECT_FALSE(prepared.ok()) << mode;
        EXPECT_FALSE(prepared.payload) << mode;
        EXPECT_FALSE(prepared.error.isEmpty()) << mode;
    }
    // The direct route needs no file and still works.
    EXPECT_TRUE(prepareTransfer(1, kDa, kMainFont, m_world.path(u"missing"_qs)).payload);
}

namespace {

struct ClipboardRtfCase {
    const char* name;
    int mode;
    Script script;
    QString text;
    QString escapes; // the text as the rich text carries it
    QString language; // the one language tag of the text; empty for none
};

void PrintTo(const ClipboardRtfCase& c, std::ostream* os)
{
    *os << c.name;
}

// The number of every "\lang<number>" of a rich text (the header's "\deflang" is another control word).
QStringList languageTags(const QString& rtf)
{
    QStringList tags;
    static const QRegularExpression tag(uR"(\\lang(\d+))"_qs);
    for (auto it = tag.globalMatch(rtf); it.hasNext();)
        tags.append(it.next().captured(1));
    return tags;
}

} // namespace

class ClipboardRtfTable : public testing::TestWithParam<ClipboardRtfCase> {
protected:
    TempWorld m_world;
};

// A word processor inserts pasted rich text into the line at the caret unless the text ends with a paragraph
// mark, and checks its spelling in the language the text is tagged with.
TEST_P(ClipboardRtfTable, InsertsIntoTheLineInTheScriptsLanguage)
{
    const ClipboardRtfCase& c = GetParam();
    Settings settings;
    settings.setScriptName(scriptInfo(c.script).name);
    settings.setScriptCharset(scriptInfo(c.script).charset);
    const TransferArea area = transferAreaOf(c.mode);
    const RichTextFont font = richTextFontOf(area, settings);

    const PreparedTransfer prepared = prepareTransfer(c.mode, c.text, font, m_world.path());
    ASSERT_TRUE(prepared.ok()) << prepared.error.toStdString();
    const QString rtf = QString::fromLatin1(prepared.payload->rtf);
    // No paragraph mark ("\\pard" resets the paragraph's formatting, which is something else).
    EXPECT_FALSE(rtf.contains(QRegularExpression(uR"(\\par\b)"_qs))) << rtf.toStdString();
    EXPECT_TRUE(rtf.endsWith(c.escapes + u"}"_qs)) << rtf.toStdString();
    const QStringList expectedTags = c.language.isEmpty() ? QStringList() : QStringList{c.language};
    EXPECT_EQ(languageTags(rtf), expectedTags) << rtf.toStdString();
    EXPECT_TRUE(rtf.contains(u"\\fcharset"_qs + QString::number(font.charset) + u" "_qs + font.name + u";"_qs));

    // Work.rtf keeps its own bytes: Japanese text language and the closing paragraph mark.
    if (prepared.payload->writesWorkRtf) {
        EXPECT_TRUE(m_world.readBytes(u"Work.rtf"_qs)
                        .endsWith(c.escapes.toLatin1()
                            + R"(\f1\par})"
                              "\r\n"));
        EXPECT_TRUE(m_world.readBytes(u"Work.rtf"_qs).contains(R"(\pard\lang1041\f0)"));
    } else {
        EXPECT_FALSE(m_world.exists(u"Work.rtf"_qs));
    }
}

INSTANTIATE_TEST_SUITE_P(Transfer, ClipboardRtfTable,
    testing::Values(ClipboardRtfCase{"Mode1Russian", 1, Script::Russian, QString::fromUtf16(u"\u043F\u0440"),
                        u"\\u1087?\\u1088?"_qs, u"1049"_qs},
        ClipboardRtfCase{"Mode1Greek", 1, Script::Greek, QString::fromUtf16(u"\u03B1"), u"\\u945?"_qs, u"1032"_qs},
        ClipboardRtfCase{
            "Mode1Ukrainian", 1, Script::Ukrainian, QString::fromUtf16(u"\u0491"), u"\\u1169?"_qs, u"1058"_qs},
        ClipboardRtfCase{"Mode2Russian", 2, Script::Russian, QString::fromUtf16(u"\u043F\u0440"),
            u"\\u1087?\\u1088?"_qs, u"1049"_qs},
        ClipboardRtfCase{"Mode2Greek", 2, Script::Greek, QString::fromUtf16(u"\u03B1"), u"\\u945?"_qs, u"1032"_qs},
        ClipboardRtfCase{
            "Mode2Ukrainian", 2, Script::Ukrainian, QString::fromUtf16(u"\u0491"), u"\\u1169?"_qs, u"1058"_qs},
        // A final line break stays a line break of the text, not a paragraph mark.
        ClipboardRtfCase{"Mode2FinalLineBreak", 2, Script::Russian, u"a\r\n"_qs, u"\\u97?\\u13?\\u10?"_qs, u"1049"_qs},
        ClipboardRtfCase{"Mode11PhoneticWithoutLanguage", 11, Script::Greek, QString::fromUtf16(u"\u0259"),
            u"\\u601?"_qs, QString()}),
    [](const testing::TestParamInfo<ClipboardRtfCase>& p) { return std::string(p.param.name); });

TEST(RichTextFont, FollowsTheAreaAndTheScript)
{
    Settings settings;
    EXPECT_EQ(richTextFontOf(TransferArea::Foreign, settings), (RichTextFont{u"Times New Roman"_qs, 18, 204, 1049}));
    EXPECT_EQ(richTextFontOf(TransferArea::Phonetic, settings), (RichTextFont{u"Segoe UI"_qs, 16, 0, 0}));

    settings.setScriptCharset(161);
    settings.setScriptName(scriptInfo(Script::Greek).name);
    settings.setText(SettingKey::UsrSubFont, u"Charis SIL"_qs);
    settings.setInteger(SettingKey::UsrSubFontSize, 20);
    EXPECT_EQ(richTextFontOf(TransferArea::Foreign, settings).charset, 161);
    EXPECT_EQ(richTextFontOf(TransferArea::Foreign, settings).language, 1032);
    EXPECT_EQ(richTextFontOf(TransferArea::Phonetic, settings), (RichTextFont{u"Charis SIL"_qs, 20, 0, 0}));
}

TEST(TransferModeNames, CaptionsAndLabels)
{
    const QString russian = u"ロシア語"_qs;
    EXPECT_EQ(transferShortLabel(1, russian), u"ロシア語 ﾘｯﾁ1"_qs);
    EXPECT_EQ(transferShortLabel(14, russian), u"発音記号 ﾃｷｽﾄ"_qs);
    EXPECT_EQ(transferMenuCaption(14, russian), u"発音記号　Unicodeテキスト"_qs);
    EXPECT_EQ(transferMenuCaption(4, u"ｷﾞﾘｼｱ語"_qs), u"ｷﾞﾘｼｱ語"_qs + u"　Unicode10進　数値文字参照"_qs);

    QList<int> order;
    for (const TransferModeInfo& info : transferModes())
        order.append(info.mode);
    EXPECT_EQ(order, (QList<int>{11, 12, 13, 14, 1, 2, 3, 4, 5}));
}

namespace {

struct AftermathCase {
    const char* name;
    int mode;
    QString text;
    bool hadSelection;
    bool autoPaste;
    bool clear;
    TransferAftermath expected;
};

void PrintTo(const AftermathCase& c, std::ostream* os)
{
    *os << c.name;
}

} // namespace

class AftermathTable : public testing::TestWithParam<AftermathCase> { };

TEST_P(AftermathTable, SelectionPasteAndClearing)
{
    const AftermathCase& c = GetParam();
    Settings settings;
    settings.setFlag(SettingKey::AutoPasteFlg, c.autoPaste);
    settings.setFlag(SettingKey::TransClearFlg, c.clear);
    const auto payload = transferPayload(c.mode, c.text, kMainFont);
    ASSERT_TRUE(payload);
    EXPECT_EQ(transferAftermath(*payload, c.hadSelection, settings), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Transfer, AftermathTable,
    testing::Values(AftermathCase{"WholeTextIsShownSelected", 1, u"abc"_qs, false, true, false,
                        {TransferArea::Foreign, true, true, false}},
        AftermathCase{
            "UserSelectionIsKept", 3, u"abc"_qs, true, true, false, {TransferArea::Foreign, false, true, false}},
        AftermathCase{"PhoneticModeClearsBothAreas", 11, u"abc"_qs, false, false, true,
            {TransferArea::Phonetic, true, false, true}},
        AftermathCase{
            "EmptyReferencesArePasted", 12, QString(), false, true, false, {TransferArea::Phonetic, true, true, false}},
        // The clipboard was left as it was: pasting would put older content into the target.
        AftermathCase{
            "EmptyCopyIsNotPasted", 5, QString(), false, true, true, {TransferArea::Foreign, true, false, true}}),
    [](const testing::TestParamInfo<AftermathCase>& p) { return std::string(p.param.name); });
