// The file encoders on any text: UTF-16 in both byte orders must give back every code unit (lone
// surrogates too), UTF-8 every valid text, and code page 932 every character it has; a character it lacks
// becomes one default character, never more, and what was written reads back as code page 932.

#include "core/common/textcodec.h"
#include "fuzzsupport.h"

using namespace pelinor;
using core::TextEncoding;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = fuzz::unitsOf(data, size);

    for (const TextEncoding encoding : {TextEncoding::Utf16Le, TextEncoding::Utf16Be}) {
        const QByteArray bytes = core::encodeText(text, encoding);
        fuzz::check(bytes.size() == 2 * (text.size() + 1), "UTF-16 has the wrong length");
        TextEncoding detected = TextEncoding::Cp932;
        fuzz::check(core::decodeText(bytes, &detected) == text && detected == encoding, "UTF-16 round trip");
    }
    if (fuzz::isValidUtf16(text)) {
        TextEncoding detected = TextEncoding::Cp932;
        fuzz::check(core::decodeText(core::encodeText(text, TextEncoding::Utf8), &detected) == text
                && detected == TextEncoding::Utf8,
            "UTF-8 round trip");
    }

    const QByteArray cp932 = core::encodeCp932(text);
    fuzz::check(cp932.size() <= 2 * text.size(), "code page 932 wrote more than two bytes a code unit");
    fuzz::check(core::encodeText(text, TextEncoding::Cp932) == cp932, "the two code page 932 encoders disagree");
    const QString back = core::decodeCp932(cp932);
    fuzz::check(!back.contains(QChar::ReplacementCharacter), "code page 932 wrote bytes it cannot read");
    TextEncoding detected = TextEncoding::Utf8;
    fuzz::check(core::decodeText(cp932, &detected) == back && detected == TextEncoding::Cp932,
        "code page 932 bytes read as another encoding");
    // What came back is all in the code page, so it survives another round unchanged.
    fuzz::check(core::decodeCp932(core::encodeCp932(back)) == back, "code page 932 round trip is not stable");
    // Characters the code page has come back as they were; each one it lacks is one "?".
    if (!text.contains(u'?') && fuzz::isValidUtf16(text)) {
        qsizetype characters = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (!text[i].isLowSurrogate())
                ++characters;
        }
        fuzz::check(back.size() <= text.size(), "code page 932 added characters");
        if (!back.contains(u'?'))
            fuzz::check(back.size() == characters, "code page 932 dropped characters");
    }
    return 0;
}
