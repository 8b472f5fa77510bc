#include "core/app/settings.h"
#include "core/common/textcodec.h"
#include "core/transfer/transferaftermath.h"
#include "core/transfer/transferencodings.h"
#include "core/transfer/transferpayload.h"
#include "support/tempworld.h"

#include <QDir>

#include <gtest/gtest.h>
#include <ostream>

using namespace pelinor::core;
using pelinor::test::TempWorld;

namespace {

const QString kDa = QString::fromUtf16(u"\u0434\u0430");
const QString kSchwa = QString::fromUtf16(u"\u0259");

const RichTextFont kMainFont{u"Times New Roman"_qs, 18, 204};
const RichTextFont kSubFont{u"Segoe UI"_qs, 16, 0};

QByteArray workRtfBytes(const RichTextFont& font, const QString& text)
{
    return encodeCp932(makeRtfDocument(font.charset, font.pointSize, font.name, text) + u"\r\n"_qs);
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
        EXPECT_EQ(payload->rtf, workRtfBytes(font, kDa + u"\r\n"_qs));
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
        EXPECT_EQ(rich->rtf, workRtfBytes(kMainFont, u"a\r\nb"_qs));
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
    EXPECT_EQ(prepared.payload->rtf, file);
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

TEST(RichTextFont, FollowsTheAreaAndTheScript)
{
    Settings settings;
    EXPECT_EQ(richTextFontOf(TransferArea::Foreign, settings), (RichTextFont{u"Times New Roman"_qs, 18, 204}));
    EXPECT_EQ(richTextFontOf(TransferArea::Phonetic, settings), (RichTextFont{u"Segoe UI"_qs, 16, 0}));

    settings.setScriptCharset(161);
    settings.setText(SettingKey::UsrSubFont, u"Charis SIL"_qs);
    settings.setInteger(SettingKey::UsrSubFontSize, 20);
    EXPECT_EQ(richTextFontOf(TransferArea::Foreign, settings).charset, 161);
    EXPECT_EQ(richTextFontOf(TransferArea::Phonetic, settings), (RichTextFont{u"Charis SIL"_qs, 20, 0}));
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
