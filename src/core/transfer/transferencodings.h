#pragma once

#include <QString>
#include <QStringView>

namespace pelinor::core {

// The text encoders of a transfer. They all work on UTF-16 code units: a character outside the Basic
// Multilingual Plane gives two encoded units, one per surrogate, and every unit is encoded, ASCII letters,
// spaces and the CR and LF of a line break included. An empty text gives an empty result.

/// "&#x" + four upper-case hexadecimal digits + ";" for every code unit ("A" gives "&#x0041;").
QString hexCharRefs(QStringView text);

/// "&#" + the decimal value + ";" for every code unit ("A" gives "&#65;").
QString decCharRefs(QStringView text);

/// "\u" + the unsigned decimal value + the fallback "?" for every code unit; a unit above 32767 keeps its
/// unsigned value ("\u55348?"), and no unit is written as a plain character.
QString rtfUnicodeEscapes(QStringView text);

/// True for the font charsets that the rich-text font table names as they are (0, 1, 129, 134, 161,
/// 162, 163, 204, 222); any other value is written there as 0.
bool isRtfFontCharset(int charset);

/// The one-line rich-text document of a transfer: a font table with the font `fontName` of `charset`,
/// the size `pointSize` (written in half-points, "fs36" for 18 points) and the text as Unicode escapes.
/// Apart from the font name the document is ASCII. This is the content of Work.rtf.
QString makeRtfDocument(int charset, int pointSize, const QString& fontName, QStringView text);

/// The rich text that a transfer puts on the clipboard: the document of makeRtfDocument() without its closing
/// paragraph mark, so that a word processor inserts the text into the line at the caret instead of as a
/// paragraph of its own, and with the text tagged "\lang" + `language` (a Windows language id such as 1049)
/// so that it is spell-checked in its own language; `language` 0 leaves the text without a language tag.
QString makeClipboardRtf(int charset, int pointSize, const QString& fontName, int language, QStringView text);

/// An HTML page with the text in the font `fontName` at `pointSize` points, for programs that take HTML
/// rather than rich text from the clipboard. Spaces are kept, a line break (CR LF, lone CR or LF) becomes
/// "<br>", and every character outside printable ASCII is a numeric character reference, so the page reads
/// the same whatever character set the receiver assumes. A surrogate pair gives one reference of its code
/// point; a lone surrogate, which HTML cannot hold, gives U+FFFD.
QString makeHtmlDocument(int pointSize, const QString& fontName, QStringView text);

} // namespace pelinor::core
