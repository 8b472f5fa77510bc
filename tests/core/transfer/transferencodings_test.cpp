#include "core/transfer/transferencodings.h"

#include <gtest/gtest.h>
#include <ostream>

using namespace pelinor::core;

namespace {

struct EncoderCase {
    const char* name;
    QString text;
    QString hex;
    QString dec;
    QString rtf;
};

void PrintTo(const EncoderCase& c, std::ostream* os)
{
    *os << c.name;
}

QString units(std::initializer_list<char16_t> codes)
{
    QString text;
    for (char16_t c : codes)
        text += QChar(c);
    return text;
}

// The Russian word of the worked example, "да" (U+0434 U+0430), and its three encodings.
const QString kDa = units({0x0434, 0x0430});
const QString kDaHex = u"&#x0434;&#x0430;"_qs;
const QString kDaDec = u"&#1076;&#1072;"_qs;
// The single line of Work.rtf for "да" with the default foreign-language font, and the one for the
// phonetic "ə" (U+0259) with the default phonetic font (its opening is the same as the first one's).
const QString kDaDocument
    = uR"({\rtf1\ansi\ansicpg932\deff0\deflang1033\deflangfe1041{\fonttbl{\f0\fnil\fcharset204 Times New Roman;)"
      uR"(}}\viewkind4\uc1\pard\lang1041\f0\fs36\u1076?\u1072?\f1\par})"_qs;
const QString kSchwaDocumentTail = uR"(\fcharset0 Segoe UI;}}\viewkind4\uc1\pard\lang1041\f0\fs32\u601?\f1\par})"_qs;

} // namespace

class EncoderTable : public testing::TestWithParam<EncoderCase> { };

TEST_P(EncoderTable, EncodesEveryCodeUnit)
{
    const EncoderCase& c = GetParam();
    EXPECT_EQ(hexCharRefs(c.text), c.hex);
    EXPECT_EQ(decCharRefs(c.text), c.dec);
    EXPECT_EQ(rtfUnicodeEscapes(c.text), c.rtf);
}

INSTANTIATE_TEST_SUITE_P(Transfer, EncoderTable,
    testing::Values(EncoderCase{"WorkedExample", kDa, kDaHex, kDaDec, uR"(\u1076?\u1072?)"_qs},
        EncoderCase{"Empty", QString(), QString(), QString(), QString()},
        EncoderCase{"AsciiLetterIsEncodedToo", u"A"_qs, u"&#x0041;"_qs, u"&#65;"_qs, uR"(\u65?)"_qs},
        // A line break is the two units CR LF, each encoded on its own.
        EncoderCase{"LineBreak", u"\r\n"_qs, u"&#x000D;&#x000A;"_qs, u"&#13;&#10;"_qs, uR"(\u13?\u10?)"_qs},
        // Outside the BMP: one reference per surrogate, never five hexadecimal digits, and the units above
        // 32767 unsigned after "\u".
        EncoderCase{"SurrogatePair", units({0xD834, 0xDD1E}), u"&#xD834;&#xDD1E;"_qs, u"&#55348;&#56606;"_qs,
            uR"(\u55348?\u56606?)"_qs},
        EncoderCase{"LoneSurrogateIsNotSkipped", units({0xDC00}), u"&#xDC00;"_qs, u"&#56320;"_qs, uR"(\u56320?)"_qs},
        EncoderCase{"RtfControlCharactersAreEscapedAsUnits", uR"({\})"_qs, u"&#x007B;&#x005C;&#x007D;"_qs,
            u"&#123;&#92;&#125;"_qs, uR"(\u123?\u92?\u125?)"_qs},
        EncoderCase{"Extremes", units({0x0000, 0x0020, 0xFFFF}), u"&#x0000;&#x0020;&#xFFFF;"_qs,
            u"&#0;&#32;&#65535;"_qs, uR"(\u0?\u32?\u65535?)"_qs},
        EncoderCase{"HexDigitsAreUpperCase", units({0x03AC, 0x0259}), u"&#x03AC;&#x0259;"_qs, u"&#940;&#601;"_qs,
            uR"(\u940?\u601?)"_qs}),
    [](const testing::TestParamInfo<EncoderCase>& p) { return std::string(p.param.name); });

TEST(RtfDocument, WorkedExample)
{
    EXPECT_EQ(makeRtfDocument(204, 18, u"Times New Roman"_qs, kDa), kDaDocument);

    QString greek = kDaDocument;
    greek.replace(u"fcharset204"_qs, u"fcharset161"_qs);
    EXPECT_EQ(makeRtfDocument(161, 18, u"Times New Roman"_qs, kDa), greek);

    const QString schwa = makeRtfDocument(0, 16, u"Segoe UI"_qs, units({0x0259}));
    const QString opening = kDaDocument.left(kDaDocument.indexOf(u"\\fcharset"_qs));
    EXPECT_EQ(schwa, opening + kSchwaDocumentTail);
}

TEST(RtfDocument, CharsetSizeAndEmptyText)
{
    const auto fontTable = [](int charset) {
        const QString doc = makeRtfDocument(charset, 18, u"F"_qs, u"x"_qs);
        const qsizetype start = doc.indexOf(u"\\fcharset"_qs);
        return doc.mid(start, doc.indexOf(u';', start) - start);
    };
    for (int charset : {0, 1, 129, 134, 161, 162, 163, 204, 222})
        EXPECT_EQ(fontTable(charset), QStringLiteral("\\fcharset%1 F").arg(charset));
    // 128 (Shift_JIS) is a real charset but not one the font table names.
    for (int charset : {2, 128, 160, 255, -1, 204 + 256})
        EXPECT_EQ(fontTable(charset), u"\\fcharset0 F"_qs) << charset;

    EXPECT_TRUE(makeRtfDocument(204, 8, u"F"_qs, u"x"_qs).contains(uR"(\f0\fs16\u120?\f1\par})"_qs));

    QString empty = kDaDocument;
    empty.remove(uR"(\u1076?\u1072?)"_qs);
    EXPECT_EQ(makeRtfDocument(204, 18, u"Times New Roman"_qs, QString()), empty);
    EXPECT_TRUE(empty.endsWith(uR"(\fs36\f1\par})"_qs));
}

TEST(HtmlDocument, CarriesFontSizeAndEveryCharacterAsAscii)
{
    const QString text = u"a b\r\n<&>\""_qs + units({0x0434, 0xD834, 0xDD1E, 0xDC00});
    const QString html = makeHtmlDocument(18, u"Times New Roman"_qs, text);

    EXPECT_TRUE(html.contains(u"font-family:'Times New Roman';font-size:18pt;white-space:pre-wrap"_qs))
        << html.toStdString();
    // The surrogate pair is one character in HTML; the lone surrogate cannot be held and becomes U+FFFD.
    EXPECT_TRUE(html.contains(u">a b<br>&#60;&#38;&#62;&#34;&#1076;&#119070;&#65533;</span>"_qs)) << html.toStdString();
    for (QChar c : html)
        ASSERT_LT(c.unicode(), 0x80) << html.toStdString();

    // A font name cannot break out of the style attribute or the CSS string.
    const QString quoted = makeHtmlDocument(16, u"My \"Font's\" ＭＳ"_qs, u"x"_qs);
    EXPECT_TRUE(quoted.contains(u"font-family:'My &#34;Font\\'s&#34; &#65325;&#65331;';font-size:16pt"_qs))
        << quoted.toStdString();
}
