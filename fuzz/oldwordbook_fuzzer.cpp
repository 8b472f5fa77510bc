// The old word book readers on any file, in each of the six formats (the first byte chooses): a book has
// no more entries than its count line promises, a four-line foreign word keeps no double quote, and every
// converted book is written as a word book that reads back with the same header and entries, whatever
// quotes and line ends the old file held.

#include "core/wordbook/oldwordbookreader.h"
#include "core/wordbook/wordbookescapes.h"
#include "core/wordbook/wordbookfile.h"
#include "fuzzsupport.h"

using namespace pelinor;

namespace {

QString describeEntry(const core::WordEntry& entry)
{
    QStringList fields;
    for (int k = 0; k < core::kWordFieldCount; ++k)
        fields.append(entry.field(static_cast<core::WordField>(k)));
    return fuzz::describe(fields);
}

// The entry as the word book reader gives it back: what the writer can store, with "#$22" read as a quote.
core::WordEntry asReadBack(const core::WordEntry& entry)
{
    core::WordEntry stored = core::storableEntry(entry);
    for (int k = 0; k < core::kWordFieldCount - 1; ++k) {
        QString& text = stored.field(static_cast<core::WordField>(k));
        text = core::decodeQuotes(text);
    }
    return stored;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    static const char* const kNames[] = {"a.rwd", "a.gwd", "a.kwd", "a.twd", "a.ewd", "a.tud"};
    const core::OldFileFormat format = core::oldFileFormat(QString::fromLatin1(kNames[data[0] % 6]));
    const QByteArray bytes = fuzz::bytesOf(data + 1, size - 1);

    const core::OldWordBook book = core::readOldWordBook(bytes, format);
    fuzz::check(book.entries.size() <= book.promisedRecords, "more entries than the count line promises");
    fuzz::check(book.header.group.isEmpty(), "a converted book has a group");
    for (const core::WordEntry& entry : book.entries) {
        if (format.rule == core::OldRecordRule::FourLine)
            fuzz::check(!entry.foreignWord.contains(u'"'), "a quote stayed in a foreign word", describeEntry(entry));
    }

    const QString path = fuzz::scratchPath(QStringLiteral("converted.utx"));
    QString error;
    if (!core::writeWordBookFile(path, book.header, book.entries, &error))
        fuzz::fail("a converted book was not written", error);
    const core::WordBookContent again = core::readWordBookFile(path);
    fuzz::check(again.status == core::WordBookReadStatus::Read, "a converted book was not read");
    fuzz::check(again.header == core::storableHeader(book.header), "the header changed on writing");
    fuzz::check(again.entries.size() == book.entries.size(), "entries were lost on writing");
    for (qsizetype i = 0; i < book.entries.size(); ++i) {
        if (again.entries[i] != asReadBack(book.entries[i]))
            fuzz::fail("an entry changed on writing",
                describeEntry(book.entries[i]) + QStringLiteral("became\n") + describeEntry(again.entries[i]));
    }
    return 0;
}
