#include "core/common/textcodec.h"

#include <QHash>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace pelinor::core {

namespace {

constexpr const char* kCp932Name = "windows-31j";

bool startsWith(const QByteArray& bytes, std::initializer_list<unsigned char> mark)
{
    if (bytes.size() < static_cast<qsizetype>(mark.size()))
        return false;
    qsizetype i = 0;
    for (unsigned char c : mark) {
        if (static_cast<unsigned char>(bytes[i++]) != c)
            return false;
    }
    return true;
}

QString decodeUtf16(const QByteArray& bytes, bool littleEndian)
{
    QString text;
    const qsizetype units = bytes.size() / 2;
    text.resize(units);
    auto* out = text.data();
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.constData());
    for (qsizetype i = 0; i < units; ++i) {
        const auto lo = littleEndian ? in[2 * i] : in[2 * i + 1];
        const auto hi = littleEndian ? in[2 * i + 1] : in[2 * i];
        out[i] = QChar(static_cast<char16_t>(lo | (hi << 8)));
    }
    return text;
}

bool isCp932LeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool isCp932TrailByte(unsigned char byte)
{
    return byte >= 0x40 && byte <= 0xFC && byte != 0x7F;
}

// True when code page 932 bytes end with the first byte of a double-byte character whose second byte is
// missing: a file cut in the middle of a character.
bool endsInsideCharacter(const QByteArray& bytes)
{
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        if (!isCp932LeadByte(data[i]))
            ++i;
        else if (i + 1 == n)
            return true;
        else
            i += isCp932TrailByte(data[i + 1]) ? 2 : 1;
    }
    return false;
}

QByteArray encodeUtf16(QStringView text, bool littleEndian)
{
    QByteArray bytes;
    bytes.resize(2 * (text.size() + 1));
    auto* out = reinterpret_cast<unsigned char*>(bytes.data());
    auto put = [&](qsizetype i, char16_t unit) {
        const auto lo = static_cast<unsigned char>(unit & 0xFF);
        const auto hi = static_cast<unsigned char>(unit >> 8);
        out[2 * i] = littleEndian ? lo : hi;
        out[2 * i + 1] = littleEndian ? hi : lo;
    };
    put(0, 0xFEFF);
    for (qsizetype i = 0; i < text.size(); ++i)
        put(i + 1, text[i].unicode());
    return bytes;
}

// Characters that the usual Windows conversion writes as a code page 932 character which ICU's table
// gives only to a look-alike: 〜 (what Japanese input methods on Linux type), ‖, −, ¢, £ and ¬. Each is
// replaced by the look-alike that the code page character decodes to.
char16_t windowsBestFit(char16_t c)
{
    switch (c) {
    case 0x301C: // WAVE DASH, 8160
        return 0xFF5E;
    case 0x2016: // DOUBLE VERTICAL LINE, 8161
        return 0x2225;
    case 0x2212: // MINUS SIGN, 817C
        return 0xFF0D;
    case 0x00A2: // CENT SIGN, 8191
        return 0xFFE0;
    case 0x00A3: // POUND SIGN, 8192
        return 0xFFE1;
    case 0x00AC: // NOT SIGN, 81CA
        return 0xFFE2;
    default:
        return c;
    }
}

// The text with the best fits in place and without half surrogates.
QString prepareForCp932(QStringView text)
{
    QString prepared = withoutLoneSurrogates(text);
    for (QChar& c : prepared)
        c = QChar(windowsBestFit(c.unicode()));
    return prepared;
}

} // namespace

QString withoutLoneSurrogates(QStringView text)
{
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            kept += c;
            kept += text[++i];
        } else if (!c.isSurrogate()) {
            kept += c;
        }
    }
    return kept;
}

bool fitsCp932(QStringView text)
{
    return decodeCp932(encodeCp932(text)) == text;
}

QString decodeCp932(const QByteArray& bytes)
{
    QStringDecoder decoder(kCp932Name);
    QString text = decoder.decode(bytes);
    // The converter keeps a lone first byte at the end back for input that never comes: show the damage.
    if (endsInsideCharacter(bytes))
        text += QChar(QChar::ReplacementCharacter);
    return text;
}

QString decodeUtf16Le(const QByteArray& bytes)
{
    return decodeUtf16(startsWith(bytes, {0xFF, 0xFE}) ? bytes.mid(2) : bytes, true);
}

QString decodeText(const QByteArray& bytes, TextEncoding* detected)
{
    TextEncoding encoding = TextEncoding::Cp932;
    QString text;
    if (startsWith(bytes, {0xFF, 0xFE})) {
        encoding = TextEncoding::Utf16Le;
        text = decodeUtf16(bytes.mid(2), true);
    } else if (startsWith(bytes, {0xFE, 0xFF})) {
        encoding = TextEncoding::Utf16Be;
        text = decodeUtf16(bytes.mid(2), false);
    } else if (startsWith(bytes, {0xEF, 0xBB, 0xBF})) {
        encoding = TextEncoding::Utf8;
        // Only the file's own mark goes: a second one belongs to the text.
        QStringDecoder decoder(
            QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        text = decoder.decode(QByteArrayView(bytes).sliced(3));
    } else {
        text = decodeCp932(bytes);
    }
    if (detected)
        *detected = encoding;
    return text;
}

QByteArray encodeCp932(QStringView original)
{
    const bool plain = std::none_of(original.begin(), original.end(),
        [](QChar c) { return c.isSurrogate() || windowsBestFit(c.unicode()) != c.unicode(); });
    const QString prepared = plain ? QString() : prepareForCp932(original);
    const QStringView text = plain ? original : QStringView(prepared);
    QStringEncoder encoder(kCp932Name);
    QByteArray bytes = encoder.encode(text);
    if (!encoder.hasError())
        return bytes;

    // Some character is missing from the code page: encode one character at a time so that each missing
    // one becomes a single default character, whatever substitute the converter would choose.
    // Opening a converter is costly, so each distinct character is converted once per call.
    bytes.clear();
    QHash<char32_t, QByteArray> converted;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].unicode() < 0x80) {
            bytes += static_cast<char>(text[i].unicode());
            continue;
        }
        qsizetype length = 1;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            length = 2;
        const QStringView character = text.mid(i, length);
        const char32_t key = character.toUcs4().value(0);
        auto found = converted.constFind(key);
        if (found == converted.constEnd()) {
            QStringEncoder single(kCp932Name);
            const QByteArray piece = single.encode(character);
            found = converted.insert(key, single.hasError() ? QByteArray("?") : piece);
        }
        bytes += *found;
        i += length - 1;
    }
    return bytes;
}

QByteArray encodeText(QStringView text, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Cp932:
        return encodeCp932(text);
    case TextEncoding::Utf8:
        return QByteArray("\xEF\xBB\xBF") + withoutLoneSurrogates(text).toUtf8();
    case TextEncoding::Utf16Le:
        return encodeUtf16(text, true);
    case TextEncoding::Utf16Be:
        return encodeUtf16(text, false);
    }
    return {};
}

} // namespace pelinor::core
