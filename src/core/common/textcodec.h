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

/// Encodes text in code page 932. A character the code page lacks becomes "?", the code page's default
/// character, as the Windows conversion does.
QByteArray encodeCp932(QStringView text);

/// Decodes code page 932 bytes.
QString decodeCp932(const QByteArray& bytes);

/// Decodes UTF-16 little-endian bytes whatever they start with; a leading FF FE mark is skipped. A trailing
/// odd byte is dropped.
QString decodeUtf16Le(const QByteArray& bytes);

/// Encodes text for a file of the given encoding, byte-order mark included where the encoding has one.
QByteArray encodeText(QStringView text, TextEncoding encoding);

} // namespace pelinor::core
