#pragma once

#include <QByteArray>
#include <QString>

namespace pelinor::core {

/// Encodings of the program's text files.
enum class TextEncoding {
    Cp932, ///< Windows-31J (Shift_JIS as Windows writes it), no byte-order mark
    Utf8, ///< UTF-8 with its byte-order mark
    Utf16Le, ///< UTF-16 little-endian with its byte-order mark
    Utf16Be, ///< UTF-16 big-endian with its byte-order mark
};

/// Decodes file bytes, honouring a UTF-16 LE, UTF-16 BE or UTF-8 byte-order mark and falling back to
/// code page 932. The mark itself is not part of the text. `detected` receives the encoding used.
QString decodeText(const QByteArray& bytes, TextEncoding* detected = nullptr);

/// Encodes text in code page 932 as the Windows conversion does: 〜 ‖ − ¢ £ ¬ take the code page's
/// best fits (8160 8161 817C 8191 8192 81CA, which decode as ～ ∥ － ￠ ￡ ￢), any other character the code
/// page lacks becomes "?", its default character. Half surrogates are left out. Callers that must not lose
/// a character check fitsCp932() first.
QByteArray encodeCp932(QStringView original);

/// True when the text comes back unchanged from code page 932: no character is lost to "?" or to a best fit.
bool fitsCp932(QStringView text);

/// The text without half surrogates (a high one not followed by a low one, a low one not preceded by a high
/// one): no encoding but UTF-16 can hold them, so they are dropped rather than written as "?".
QString withoutLoneSurrogates(QStringView text);

/// Decodes code page 932 bytes.
QString decodeCp932(const QByteArray& bytes);

/// Decodes UTF-16 little-endian bytes whatever they start with; a leading FF FE mark is skipped. A trailing
/// odd byte is dropped.
QString decodeUtf16Le(const QByteArray& bytes);

/// Encodes text for a file of the given encoding, byte-order mark included where the encoding has one. UTF-16
/// keeps every code unit; code page 932 and UTF-8 leave half surrogates out.
QByteArray encodeText(QStringView text, TextEncoding encoding);

} // namespace pelinor::core
