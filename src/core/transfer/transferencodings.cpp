#include "core/transfer/transferencodings.h"

#include <QChar>

#include <algorithm>
#include <array>

namespace pelinor::core {

namespace {

// The fixed pieces of the rich-text document, around the charset, the font name, the size and the text.
constexpr QLatin1StringView kRtfOpening(
    R"({\rtf1\ansi\ansicpg932\deff0\deflang1033\deflangfe1041{\fonttbl{\f0\fnil\fcharset)");
constexpr QLatin1StringView kRtfAfterFontName(R"(;}}\viewkind4\uc1\pard)");
constexpr QLatin1StringView kRtfWorkFileLanguage(R"(\lang1041)");
constexpr QLatin1StringView kRtfBeforeSize(R"(\f0\)");
constexpr QLatin1StringView kRtfClosing(R"(\f1\par})");
// A word processor takes a paragraph mark at the end of pasted rich text as a paragraph break of its own.
constexpr QLatin1StringView kRtfClipboardClosing("}");

void appendHex4(QString& out, char16_t unit)
{
    out += QString::number(unit, 16).toUpper().rightJustified(4, u'0');
}

// Every character outside printable ASCII, and the four that HTML reserves, as a numeric reference.
void appendHtmlEscaped(QString& out, QStringView text, bool lineBreaks)
{
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (lineBreaks && (c == u'\r' || c == u'\n')) {
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            out += QLatin1StringView("<br>");
            continue;
        }
        if (c == u'\t' || (c >= 0x20 && c < 0x7F && c != u'&' && c != u'<' && c != u'>' && c != u'"')) {
            out += QChar(c);
            continue;
        }
        char32_t codePoint = c;
        if (QChar::isHighSurrogate(c) && i + 1 < n && text[i + 1].isLowSurrogate()) {
            codePoint = QChar::surrogateToUcs4(c, text[i + 1].unicode());
            ++i;
        } else if (QChar::isSurrogate(c)) {
            codePoint = 0xFFFD;
        }
        out += QLatin1StringView("&#");
        out += QString::number(codePoint);
        out += QLatin1Char(';');
    }
}

// A CSS string in single quotes: the quote and the backslash are escaped, a line break is dropped.
QString cssString(const QString& text)
{
    QString out(QLatin1Char('\''));
    for (QChar c : text) {
        if (c == u'\'' || c == u'\\')
            out += QLatin1Char('\\');
        if (c != u'\r' && c != u'\n')
            out += c;
    }
    out += QLatin1Char('\'');
    return out;
}

QString rtfDocument(int charset, int pointSize, const QString& fontName, const QString& languageTag, QStringView text,
    QLatin1StringView closing)
{
    QString out;
    out.reserve(kRtfOpening.size() + fontName.size() + text.size() * 8 + 64);
    out += kRtfOpening;
    out += QString::number(isRtfFontCharset(charset) ? charset : 0);
    out += QLatin1Char(' ');
    out += fontName;
    out += kRtfAfterFontName;
    out += languageTag;
    out += kRtfBeforeSize;
    out += QLatin1StringView("fs");
    out += QString::number(2 * static_cast<qint64>(pointSize));
    out += rtfUnicodeEscapes(text);
    out += closing;
    return out;
}

} // namespace

QString hexCharRefs(QStringView text)
{
    QString out;
    out.reserve(text.size() * 8);
    for (QChar c : text) {
        out += QLatin1StringView("&#x");
        appendHex4(out, c.unicode());
        out += QLatin1Char(';');
    }
    return out;
}

QString decCharRefs(QStringView text)
{
    QString out;
    out.reserve(text.size() * 8);
    for (QChar c : text) {
        out += QLatin1StringView("&#");
        out += QString::number(c.unicode());
        out += QLatin1Char(';');
    }
    return out;
}

QString rtfUnicodeEscapes(QStringView text)
{
    QString out;
    out.reserve(text.size() * 8);
    for (QChar c : text) {
        out += QLatin1StringView("\\u");
        out += QString::number(c.unicode());
        out += QLatin1Char('?');
    }
    return out;
}

bool isRtfFontCharset(int charset)
{
    static constexpr std::array<int, 9> named{0, 1, 129, 134, 161, 162, 163, 204, 222};
    return std::ranges::find(named, charset) != named.end();
}

QString makeRtfDocument(int charset, int pointSize, const QString& fontName, QStringView text)
{
    return rtfDocument(charset, pointSize, fontName, QString(kRtfWorkFileLanguage), text, kRtfClosing);
}

QString makeClipboardRtf(int charset, int pointSize, const QString& fontName, int language, QStringView text)
{
    const QString languageTag = language > 0 ? QStringLiteral("\\lang") + QString::number(language) : QString();
    return rtfDocument(charset, pointSize, fontName, languageTag, text, kRtfClipboardClosing);
}

QString makeHtmlDocument(int pointSize, const QString& fontName, QStringView text)
{
    QString out = QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"></head><body>"
                                 "<span style=\"font-family:");
    appendHtmlEscaped(out, cssString(fontName), false);
    out += QLatin1StringView(";font-size:");
    out += QString::number(pointSize);
    out += QLatin1StringView("pt;white-space:pre-wrap\">");
    appendHtmlEscaped(out, text, true);
    out += QLatin1StringView("</span></body></html>\n");
    return out;
}

} // namespace pelinor::core
