#include "core/wordbook/wordbookescapes.h"

#include <functional>
#include <gtest/gtest.h>

using namespace pelinor::core;

namespace {

struct EscapeCase {
    const char* what;
    std::function<QString(QStringView)> function;
    QString in;
    QString out;
};

} // namespace

TEST(WordBookEscapes, TransformTexts)
{
    const EscapeCase cases[] = {
        {"quotes encoded", encodeQuotes, u"say \"да\" \"\""_qs, u"say #$22да#$22 #$22#$22"_qs},
        {"no quote kept", encodeQuotes, u"ɔ #$0D"_qs, u"ɔ #$0D"_qs},
        {"quotes decoded", decodeQuotes, u"#$22a#$22#$22"_qs, u"\"a\"\""_qs},
        {"user text #$22 reads as a quote", decodeQuotes, encodeQuotes(u"#$22"), u"\""_qs},
        {"other escapes untouched", decodeQuotes, u"#$0D #$2 #$0022"_qs, u"#$0D #$2 #$0022"_qs},
        {"escape after a hash", decodeQuotes, u"##$22$22"_qs, u"#\"$22"_qs},
        {"CR LF one escape", encodeLineBreaks, u"a\r\nb"_qs, u"a#$0Db"_qs},
        {"lone CR escaped", encodeLineBreaks, u"a\rb\r"_qs, u"a#$0Db#$0D"_qs},
        {"lone LF dropped", encodeLineBreaks, u"a\nb"_qs, u"ab"_qs},
        {"empty lines kept", encodeLineBreaks, u"a\r\n\r\nb"_qs, u"a#$0D#$0Db"_qs},
        {"escape decoded to CR LF", decodeLineBreaks, u"a#$0Db#$0D"_qs, u"a\r\nb\r\n"_qs},
        {"lower-case escape is text", decodeLineBreaks, u"a#$0db"_qs, u"a#$0db"_qs},
        {"#$0D typed in a foreign word comes back as a break", decodeLineBreaks, u"Я#$0D"_qs, u"Я\r\n"_qs},
        {"plain text: each break once", encodePlainTextLineBreaks, u"a\nb\r\nc\rd\n\n"_qs,
            u"a#$0Db#$0Dc#$0Dd#$0D#$0D"_qs},
        {"plain text: escape to LF", decodePlainTextLineBreaks, u"a#$0Db#$0D"_qs, u"a\nb\n"_qs},
        {"empty", encodeLineBreaks, QString(), QString()},
    };
    for (const EscapeCase& c : cases)
        EXPECT_EQ(c.function(c.in), c.out) << c.what;
}

TEST(WordBookEscapes, LineBreaksRoundTripThroughBothForms)
{
    const QString windowsNote = u"строка 1\r\n\"ɔ\"\r\n\r\nline 4"_qs;
    EXPECT_EQ(decodeLineBreaks(encodeLineBreaks(windowsNote)), windowsNote);
    const QString qtNote = u"строка 1\n\"ɔ\"\n\nline 4"_qs;
    EXPECT_EQ(decodePlainTextLineBreaks(encodePlainTextLineBreaks(qtNote)), qtNote);
    EXPECT_EQ(encodePlainTextLineBreaks(qtNote), encodeLineBreaks(windowsNote));
}

TEST(WordBookEscapes, ColourText)
{
    struct Case {
        QString text;
        std::optional<ColourRgb> colour;
    };
    const Case cases[] = {
        {u"#000000"_qs, ColourRgb{0, 0, 0}},
        {u"#FF8000"_qs, ColourRgb{255, 128, 0}},
        {u"#0A1B2C"_qs, ColourRgb{10, 27, 44}},
        {u"#ff8000"_qs, std::nullopt}, // lower-case digits are no colour text
        {u"#FF800"_qs, std::nullopt},
        {u"#FF80000"_qs, std::nullopt},
        {u"FF8000"_qs, std::nullopt},
        {u"FF8000#"_qs, std::nullopt},
        {u"#FF 800"_qs, std::nullopt},
        {u"#GG0000"_qs, std::nullopt},
        {u"#ＦＦ8000"_qs, std::nullopt}, // full-width letters
        {u"clRed"_qs, std::nullopt},
        {QString(), std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(isColourText(c.text), c.colour.has_value()) << c.text.toStdString();
        EXPECT_EQ(colourFromText(c.text), c.colour) << c.text.toStdString();
        if (c.colour) {
            EXPECT_EQ(colourToText(*c.colour), c.text);
        }
    }
    EXPECT_EQ(colourToText(ColourRgb{171, 205, 239}), u"#ABCDEF"_qs);
}
