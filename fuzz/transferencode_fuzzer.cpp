// The transfer encoders on any text: numeric references and rich-text escapes must give back every code
// unit, the rich-text document must stay one well-formed group of ASCII, and the HTML page must read back
// as the text (line breaks as breaks, lone surrogates as U+FFFD) with nothing of the text taken as markup.

#include "core/transfer/transferencodings.h"
#include "core/transfer/transferpayload.h"
#include "fuzzsupport.h"

#include <array>
#include <optional>

using namespace pelinor;

namespace {

// Reads "<prefix><number><suffix>" repeated over the whole of `encoded`; none when anything else is there.
std::optional<QString> readUnits(QStringView encoded, QStringView prefix, QChar suffix, int base)
{
    QString units;
    qsizetype i = 0;
    while (i < encoded.size()) {
        if (!encoded.sliced(i).startsWith(prefix))
            return std::nullopt;
        i += prefix.size();
        const qsizetype end = encoded.indexOf(suffix, i);
        if (end < 0)
            return std::nullopt;
        bool ok = false;
        const uint value = encoded.sliced(i, end - i).toUInt(&ok, base);
        if (!ok || value > 0xFFFF)
            return std::nullopt;
        units += QChar(static_cast<char16_t>(value));
        i = end + 1;
    }
    return units;
}

bool isAscii(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

// The text an HTML body shows: "<br>" a line break, "&#N;" a character, every other character itself.
std::optional<QString> readHtmlBody(QStringView body)
{
    QString text;
    qsizetype i = 0;
    while (i < body.size()) {
        if (body.sliced(i).startsWith(u"<br>")) {
            text += u'\n';
            i += 4;
        } else if (body[i] == u'&') {
            const qsizetype end = body.indexOf(u';', i);
            if (end < 0 || !body.sliced(i).startsWith(u"&#"))
                return std::nullopt;
            bool ok = false;
            const uint value = body.sliced(i + 2, end - i - 2).toUInt(&ok, 10);
            if (!ok || value > 0x10FFFF)
                return std::nullopt;
            text += QChar::fromUcs4(value);
            i = end + 1;
        } else if (body[i] == u'<' || body[i] == u'>' || body[i] == u'"') {
            return std::nullopt;
        } else {
            text += body[i++];
        }
    }
    return text;
}

// What the HTML page should show of a text: each line break one LF, each lone surrogate U+FFFD.
QString expectedHtmlText(QStringView text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            out += u'\n';
        } else if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out += c;
            out += text[++i];
        } else {
            out += c.isSurrogate() ? QChar(QChar::ReplacementCharacter) : c;
        }
    }
    return out;
}

void checkRtfDocument(const QString& document, const QString& fontName, QStringView text)
{
    fuzz::check(document.startsWith(u"{\\rtf1"), "the rich text does not start as rich text");
    QString rest = document;
    rest.replace(fontName, QString());
    fuzz::check(isAscii(rest), "the rich text holds more than ASCII beside the font name");
    fuzz::check(document.contains(core::rtfUnicodeEscapes(text)), "the rich text lost its text");
    int depth = 0;
    for (qsizetype i = 0; i < rest.size(); ++i) {
        if (rest[i] == u'\\') {
            ++i;
            continue;
        }
        if (rest[i] == u'{')
            ++depth;
        else if (rest[i] == u'}')
            --depth;
        fuzz::check(depth > 0 || i == rest.size() - 1 || rest.sliced(i + 1).trimmed().isEmpty(),
            "the rich text has something outside its group", document);
    }
    fuzz::check(depth == 0, "the rich text has unbalanced braces", document);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 4)
        return 0;
    // The first bytes choose the font size, the charset and the font; the rest is the text.
    const int pointSize = static_cast<int>(static_cast<std::int8_t>(data[0])) * 3;
    const int charset = data[1];
    static const std::array<QString, 4> fonts{QStringLiteral("Times New Roman"), QStringLiteral("ＭＳ 明朝"),
        QStringLiteral("Noto Serif CJK JP"), QStringLiteral("Charis SIL")};
    const QString& fontName = fonts[data[2] % fonts.size()];
    const QString text = fuzz::unitsOf(data + 4, size - 4);

    const QString hex = core::hexCharRefs(text);
    fuzz::check(hex.size() == 8 * text.size(), "hexadecimal references of the wrong length");
    fuzz::check(readUnits(hex, u"&#x", u';', 16) == text, "hexadecimal references lost the text");
    fuzz::check(readUnits(core::decCharRefs(text), u"&#", u';', 10) == text, "decimal references lost the text");
    fuzz::check(readUnits(core::rtfUnicodeEscapes(text), u"\\u", u'?', 10) == text, "rich-text escapes lost the text");

    checkRtfDocument(core::makeRtfDocument(charset, pointSize, fontName, text), fontName, text);

    // The font name of the HTML page is any text: it must stay inside its style attribute.
    const qsizetype cut = text.indexOf(QChar(u'\0'));
    const QString htmlFont = cut >= 0 ? text.first(cut) : QString();
    const QString body = cut >= 0 ? text.sliced(cut + 1) : text;
    const QString html = core::makeHtmlDocument(pointSize, htmlFont, body);
    fuzz::check(isAscii(html), "the HTML page holds more than ASCII");
    const QLatin1StringView open("pt;white-space:pre-wrap\">");
    const qsizetype start = html.indexOf(open);
    const qsizetype end = html.lastIndexOf(u"</span></body></html>");
    fuzz::check(start > 0 && end >= start && html.indexOf(open, start + 1) < 0, "the HTML page lost its shape", html);
    const QString head = html.first(start);
    const QString plain = core::makeHtmlDocument(pointSize, QString(), QString());
    const QString plainHead = plain.first(plain.indexOf(open));
    for (const QChar c : {u'"', u'<', u'>'})
        fuzz::check(head.count(c) == plainHead.count(c), "the font name broke out of its attribute", html);
    const std::optional<QString> shown
        = readHtmlBody(QStringView(html).sliced(start + open.size(), end - start - open.size()));
    const QString expected = expectedHtmlText(body);
    if (shown != expected)
        fuzz::fail("the HTML page shows another text",
            html + u'\n' + fuzz::describe({expected}) + QStringLiteral("shown as\n")
                + fuzz::describe({shown.value_or(QString())}));

    // Every mode's clipboard content, for the sanitizers.
    for (int mode = 0; mode <= 12; ++mode)
        core::transferPayload(mode, text, core::RichTextFont{fontName, pointSize, charset});
    return 0;
}
