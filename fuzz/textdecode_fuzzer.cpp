// The text decoder on any file bytes: byte-order-mark detection, UTF-16 in both byte orders, UTF-8 and
// code page 932. What a file held must come back byte for byte when it is written again in the encoding
// that was detected, wherever the bytes were a valid text of that encoding.

#include "core/common/textcodec.h"
#include "core/common/textfile.h"
#include "fuzzsupport.h"

using namespace pelinor;
using core::TextEncoding;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    TextEncoding encoding = TextEncoding::Cp932;
    const QString text = core::decodeText(bytes, &encoding);

    const auto starts = [&](const char* mark) { return bytes.startsWith(QByteArray(mark)); };
    switch (encoding) {
    case TextEncoding::Utf16Le:
        fuzz::check(starts("\xFF\xFE"), "UTF-16 LE without its mark");
        if (bytes.size() % 2 == 0)
            fuzz::check(core::encodeText(text, encoding) == bytes, "UTF-16 LE bytes changed");
        fuzz::check(core::decodeUtf16Le(bytes) == text, "the two UTF-16 LE decoders disagree");
        break;
    case TextEncoding::Utf16Be:
        fuzz::check(starts("\xFE\xFF"), "UTF-16 BE without its mark");
        if (bytes.size() % 2 == 0)
            fuzz::check(core::encodeText(text, encoding) == bytes, "UTF-16 BE bytes changed");
        break;
    case TextEncoding::Utf8:
        fuzz::check(starts("\xEF\xBB\xBF") && !starts("\xFF\xFE") && !starts("\xFE\xFF"), "UTF-8 without its mark");
        if (!text.contains(QChar::ReplacementCharacter))
            fuzz::check(core::encodeText(text, encoding) == bytes, "UTF-8 bytes changed");
        break;
    case TextEncoding::Cp932:
        fuzz::check(!starts("\xFF\xFE") && !starts("\xFE\xFF") && !starts("\xEF\xBB\xBF"), "a mark was missed");
        fuzz::check(core::decodeCp932(bytes) == text, "code page 932 text differs from the direct decoding");
        // Code page 932 maps some characters from two byte sequences, so the bytes need not come back, but
        // the text must.
        if (!text.contains(QChar::ReplacementCharacter)) {
            const QByteArray written = core::encodeCp932(text);
            fuzz::check(core::decodeCp932(written) == text, "code page 932 text changed on writing");
            TextEncoding again = TextEncoding::Utf8;
            fuzz::check(core::decodeText(written, &again) == text && again == TextEncoding::Cp932,
                "written code page 932 text reads back as another encoding");
        }
        break;
    }

    // Line splitting keeps every character that is not a line break.
    const QStringList lines = core::splitLines(text);
    qsizetype kept = 0;
    for (const QString& line : lines) {
        fuzz::check(!line.contains(u'\r') && !line.contains(u'\n'), "a line holds a line break");
        kept += line.size();
    }
    fuzz::check(kept == text.size() - text.count(u'\r') - text.count(u'\n'), "line splitting lost text");
    return 0;
}
