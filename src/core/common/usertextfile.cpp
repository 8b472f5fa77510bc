#include "core/common/usertextfile.h"

#include "core/common/atomicfile.h"
#include "core/common/regularfile.h"
#include "core/common/textcodec.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringDecoder>

#include <optional>

namespace pelinor::core {

namespace {

QString message(const char* text)
{
    return QCoreApplication::translate("pelinor::core::UserTextFile", text);
}

bool hasByteOrderMark(const QByteArray& bytes)
{
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") || bytes.startsWith("\xEF\xBB\xBF");
}

// A file without a mark is taken in the first encoding that gives a text: UTF-8 (what Linux editors write;
// plain ASCII too), code page 932 (older Japanese files), UTF-16 LE (Windows' own "Unicode" that lost its
// mark). Binary data gives no text in any of them.
std::optional<QString> decodeWithoutMark(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError() && looksLikeText(text))
        return text;
    text = decodeCp932(bytes);
    if (!text.contains(QChar(QChar::ReplacementCharacter)) && looksLikeText(text))
        return text;
    if (bytes.size() % 2 == 0) {
        text = decodeUtf16Le(bytes);
        // Random bytes read as UTF-16 give some half surrogate nearly always; a text never has one.
        if (looksLikeText(text) && withoutLoneSurrogates(text).size() == text.size())
            return text;
    }
    return std::nullopt;
}

QString normalisedLineBreaks(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r') {
            result += u'\n';
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

} // namespace

bool looksLikeText(QStringView text)
{
    qsizetype controls = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == 0)
            return false;
        if (u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r' && u != u'\f')
            ++controls;
    }
    return controls * 100 <= text.size();
}

UserTextRead readUserTextFile(const QString& path)
{
    UserTextRead read;
    const FileBytes file = readFileBytes(path, kMaxUserTextBytes);
    if (!file.exists) {
        read.error = message("ファイル「%1」がありません。").arg(QFileInfo(path).fileName());
        return read;
    }
    if (!file.readable) {
        read.error = file.error;
        return read;
    }
    const std::optional<QString> text
        = hasByteOrderMark(file.bytes) ? std::optional<QString>(decodeText(file.bytes)) : decodeWithoutMark(file.bytes);
    if (!text || !looksLikeText(*text)) {
        read.error
            = message("ファイル「%1」はテキストファイルではないため、開けません。").arg(QFileInfo(path).fileName());
        return read;
    }
    read.ok = true;
    read.text = normalisedLineBreaks(*text);
    return read;
}

QByteArray userTextFileBytes(QStringView text)
{
    QString crlf;
    crlf.reserve(text.size() + text.size() / 16);
    const QString lf = normalisedLineBreaks(text);
    for (const QChar c : lf) {
        if (c == u'\n')
            crlf += u'\r';
        crlf += c;
    }
    return encodeText(crlf, TextEncoding::Utf16Le);
}

bool writeUserTextFile(const QString& path, QStringView text, QString* error)
{
    return writeFileAtomically(path, userTextFileBytes(text), error);
}

} // namespace pelinor::core
