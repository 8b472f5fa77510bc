#include "core/wordbook/oldwordbookreader.h"

#include "core/common/textcodec.h"
#include "core/wordbook/wordbookfile.h"

#include <QStringDecoder>

#include <algorithm>

namespace pelinor::core {

namespace {

// The lines of a text, cut as word book lines are: at CR LF, a lone CR or a lone LF, without an empty
// line after a final line break. The views point into `text`.
QList<QStringView> linesOf(const QString& text)
{
    QList<QStringView> lines;
    forEachWordBookLine(text, [&lines](QStringView line) {
        lines.append(line);
        return true;
    });
    return lines;
}

QString lineAt(const QList<QStringView>& lines, qsizetype index)
{
    return index < lines.size() ? lines.at(index).toString() : QString();
}

// The record count of line 2: decimal digits, surrounding blanks allowed; anything else, a negative number
// included, counts as 0.
qsizetype recordCount(QStringView line)
{
    bool ok = false;
    const qlonglong n = line.trimmed().toLongLong(&ok);
    return ok && n > 0 ? static_cast<qsizetype>(n) : 0;
}

QString decoded(const QByteArray& bytes, const char* codePage)
{
    QStringDecoder decoder(codePage);
    return decoder.decode(bytes);
}

// Room for the records the lines can hold, never for a count the file cannot back.
void reserveEntries(OldWordBook& book, qsizetype linesLeft, qsizetype linesPerRecord)
{
    book.entries.reserve(std::min(book.promisedRecords, std::max<qsizetype>(linesLeft, 0) / linesPerRecord));
}

} // namespace

OldWordBook readFourLineRecords(const QByteArray& bytes, const char* foreignCodePage)
{
    constexpr qsizetype kFirstRecordLine = 2;
    constexpr qsizetype kLinesPerRecord = 4;

    // Code pages 932 and 949 never use CR or LF as the second byte of a character, so both decodings cut
    // into the same lines.
    const QString japaneseText = decodeCp932(bytes);
    const QString foreignText = decoded(bytes, foreignCodePage);
    const QList<QStringView> japanese = linesOf(japaneseText);
    const QList<QStringView> foreign = linesOf(foreignText);

    OldWordBook book;
    book.header.title = lineAt(japanese, 0);
    book.promisedRecords = japanese.size() > 1 ? recordCount(japanese.at(1)) : 0;
    const qsizetype available = std::min(japanese.size(), foreign.size());
    reserveEntries(book, available - kFirstRecordLine, kLinesPerRecord);
    for (qsizetype e = 0; e < book.promisedRecords; ++e) {
        const qsizetype first = kFirstRecordLine + kLinesPerRecord * e;
        if (first + kLinesPerRecord > available)
            break;
        WordEntry entry;
        entry.japanese = japanese.at(first).toString();
        entry.kana = japanese.at(first + 1).toString();
        entry.note = japanese.at(first + 2).toString();
        entry.foreignWord = foreign.at(first + 3).toString();
        entry.foreignWord.remove(u'"');
        book.entries.append(std::move(entry));
    }
    renumberEntries(book.entries);
    return book;
}

OldWordBook readSevenLineRecords(const QByteArray& bytes)
{
    constexpr qsizetype kFirstRecordLine = 3;
    constexpr qsizetype kLinesPerRecord = 7;

    const QString text = decodeUtf16Le(bytes);
    const QList<QStringView> lines = linesOf(text);

    OldWordBook book;
    book.header.title = lineAt(lines, 0);
    book.promisedRecords = lines.size() > 1 ? recordCount(lines.at(1)) : 0;
    book.header.soundFolder = lineAt(lines, 2);
    reserveEntries(book, lines.size() - kFirstRecordLine, kLinesPerRecord);
    for (qsizetype e = 0; e < book.promisedRecords; ++e) {
        const qsizetype first = kFirstRecordLine + kLinesPerRecord * e;
        if (first + kLinesPerRecord > lines.size())
            break;
        WordEntry entry;
        entry.japanese = lines.at(first).toString();
        entry.foreignWord = lines.at(first + 1).toString();
        entry.phonetic = lines.at(first + 2).toString();
        entry.kana = lines.at(first + 3).toString();
        entry.note = lines.at(first + 4).toString();
        entry.soundFile = lines.at(first + 5).toString();
        entry.colour = lines.at(first + 6).toString();
        book.entries.append(std::move(entry));
    }
    renumberEntries(book.entries);
    return book;
}

OldWordBook readOldWordBook(const QByteArray& bytes, const OldFileFormat& format)
{
    if (format.rule == OldRecordRule::SevenLine)
        return readSevenLineRecords(bytes);
    return readFourLineRecords(bytes, format.foreignCodePage);
}

} // namespace pelinor::core
