#include "core/common/textfile.h"

#include "core/common/atomicfile.h"
#include "core/common/regularfile.h"

namespace pelinor::core {

QStringList splitLines(QStringView text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start).toString());
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start).toString());
    return lines;
}

TextFileContent readTextFile(const QString& path, qint64 maxBytes)
{
    TextFileContent content;
    FileBytes file = readFileBytes(path, maxBytes);
    content.exists = file.exists;
    content.readable = file.readable;
    content.error = std::move(file.error);
    if (content.readable)
        content.lines = splitLines(decodeText(file.bytes, &content.encoding));
    return content;
}

QString joinLines(const QStringList& lines)
{
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + 2;
    QString text;
    text.reserve(size);
    for (const QString& line : lines) {
        text += line;
        text += u"\r\n";
    }
    return text;
}

bool writeTextFile(const QString& path, const QStringList& lines, TextEncoding encoding, QString* error)
{
    return writeFileAtomically(path, encodeText(joinLines(lines), encoding), error);
}

bool writeTextFileKeepingText(const QString& path, const QStringList& lines, QString* error)
{
    const QString text = withoutLoneSurrogates(joinLines(lines));
    // The code page's bytes are kept when they give the text back unchanged; else the text goes as UTF-8.
    const QByteArray cp932 = encodeCp932(text);
    if (decodeCp932(cp932) == text)
        return writeFileAtomically(path, cp932, error);
    return writeFileAtomically(path, encodeText(text, TextEncoding::Utf8), error);
}

} // namespace pelinor::core
