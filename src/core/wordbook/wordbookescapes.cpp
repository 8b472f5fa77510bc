#include "core/wordbook/wordbookescapes.h"

namespace pelinor::core {

namespace {

constexpr QLatin1StringView kQuoteEscape("#$22");
constexpr QLatin1StringView kLineBreakEscape("#$0D");

} // namespace

QString encodeQuotes(QStringView text)
{
    if (!text.contains(u'"'))
        return text.toString();
    QString out;
    out.reserve(text.size() + 3 * text.count(u'"'));
    for (QChar c : text) {
        if (c == u'"')
            out += kQuoteEscape;
        else
            out += c;
    }
    return out;
}

QString decodeQuotes(QStringView text)
{
    QString out = text.toString();
    if (text.contains(kQuoteEscape))
        out.replace(kQuoteEscape, QStringLiteral("\""));
    return out;
}

QString encodeLineBreaks(QStringView text)
{
    QString out;
    out.reserve(text.size() + 3 * text.count(u'\r'));
    for (QChar c : text) {
        if (c == u'\r')
            out += kLineBreakEscape;
        else if (c != u'\n')
            out += c;
    }
    return out;
}

QString decodeLineBreaks(QStringView text)
{
    QString out = text.toString();
    if (text.contains(kLineBreakEscape))
        out.replace(kLineBreakEscape, QStringLiteral("\r\n"));
    return out;
}

QString encodePlainTextLineBreaks(QStringView text)
{
    QString out;
    out.reserve(text.size() + 3 * (text.count(u'\r') + text.count(u'\n')));
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            out += kLineBreakEscape;
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
        } else {
            out += c;
        }
    }
    return out;
}

QString decodePlainTextLineBreaks(QStringView text)
{
    QString out = text.toString();
    if (text.contains(kLineBreakEscape))
        out.replace(kLineBreakEscape, QStringLiteral("\n"));
    return out;
}

bool isColourText(QStringView text)
{
    return parseColourCode(text).has_value();
}

std::optional<ColourRgb> colourFromText(QStringView text)
{
    return parseColourCode(text);
}

QString colourToText(ColourRgb colour)
{
    return colourCode(colour);
}

} // namespace pelinor::core
