#include "core/common/usertextfile.h"

#include "core/common/atomicfile.h"
#include "core/common/regularfile.h"
#include "core/common/textcodec.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringDecoder>

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

// Windows' own "Unicode" without its mark: in Latin, Cyrillic and Greek text most odd bytes are zero or a
// block number, while code page 932 and UTF-8 text never has a zero byte.
bool looksLikeUtf16Le(const QByteArray& bytes)
{
    if (bytes.size() < 2 || bytes.size() % 2 != 0)
        return false;
    const qsizetype pairs = std::min<qsizetype>(bytes.size() / 2, 4096);
    qsizetype zeroHigh = 0;
    for (qsizetype i = 0; i < pairs; ++i) {
        if (bytes[2 * i + 1] == 0 && bytes[2 * i] != 0)
            ++zeroHigh;
    }
    return zeroHigh * 4 >= pairs;
}

QString decodeWithoutMark(const QByteArray& bytes)
{
    if (looksLikeUtf16Le(bytes))
        return decodeUtf16Le(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return decodeText(bytes);
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
    const QString text = hasByteOrderMark(file.bytes) ? decodeText(file.bytes) : decodeWithoutMark(file.bytes);
    if (!looksLikeText(text)) {
        read.error
            = message("ファイル「%1」はテキストファイルではないため、開けません。").arg(QFileInfo(path).fileName());
        return read;
    }
    read.ok = true;
    read.text = normalisedLineBreaks(text);
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
