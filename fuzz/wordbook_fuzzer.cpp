// The word book reader on any file: the fast entry-line reading must agree with the general field
// splitter, and a book read and written again must read back with the same header and entries. The search
// of the text, which reads only the lines holding what it seeks, must find what a line-by-line reading
// finds, with the same entry numbers.

#include "core/common/fieldsplitter.h"
#include "core/common/textfile.h"
#include "core/wordbook/wordbookescapes.h"
#include "core/wordbook/wordbookfile.h"
#include "core/wordbook/wordsearch.h"
#include "fuzzsupport.h"

using namespace pelinor;

namespace {

// An entry line read the slow way: seven fields by splitFields(), the quote escape removed from 1 to 6.
std::optional<core::WordEntry> slowEntry(QStringView line)
{
    const QStringList fields = core::splitFields(line);
    if (fields.size() != core::kWordFieldCount)
        return std::nullopt;
    core::WordEntry entry;
    for (int k = 0; k < core::kWordFieldCount; ++k) {
        const auto which = static_cast<core::WordField>(k);
        entry.field(which) = which == core::WordField::Colour ? fields[k] : core::decodeQuotes(fields[k]);
    }
    return entry;
}

// The search's hits ("number" or "*number" for exact ones), found the slow way: every entry line split.
QStringList slowSearch(const QStringList& lines, const core::WordSearchQuery& query)
{
    QStringList hits;
    qsizetype number = 0;
    for (qsizetype i = 3; i < lines.size(); ++i) {
        const auto fields = core::splitEntryLine(lines[i]);
        if (!fields)
            continue;
        ++number;
        const QString& value = fields->at(static_cast<size_t>(query.field));
        if (value == query.storedText)
            hits.append(u'*' + QString::number(number));
        else if (value.contains(query.storedText))
            hits.append(QString::number(number));
    }
    return hits;
}

QString describeEntry(const core::WordEntry& entry)
{
    QStringList fields;
    for (int k = 0; k < core::kWordFieldCount; ++k)
        fields.append(entry.field(static_cast<core::WordField>(k)));
    return fuzz::describe(fields);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const QString path = fuzz::writeScratch(QStringLiteral("book.utx"), bytes);

    QString text;
    QString error;
    fuzz::check(core::readWordBookText(path, &text, &error) == core::WordBookReadStatus::Read, "a book was refused");
    fuzz::check(text == core::decodeUtf16Le(bytes), "the book's text differs from its bytes");

    const QStringList lines = core::splitLines(text);
    for (const QString& line : lines) {
        const std::optional<core::WordEntry> fast = core::parseEntryLine(line);
        const std::optional<core::WordEntry> slow = slowEntry(line);
        if (fast != slow)
            fuzz::fail("the fast entry reading differs from the field splitter",
                fuzz::describe({line}) + (fast ? describeEntry(*fast) : QStringLiteral("none\n"))
                    + QStringLiteral("instead of\n") + (slow ? describeEntry(*slow) : QStringLiteral("none\n")));
        if (fast) {
            const core::WordEntry stored = core::storableEntry(*fast);
            if (core::parseEntryLine(core::formatEntryLine(*fast)) != stored)
                fuzz::fail("an entry line does not read back", describeEntry(*fast));
        }
    }

    if (lines.size() >= 3 && !text.isEmpty()) {
        // A short piece of the text itself, so that it is found somewhere.
        const qsizetype length = 1 + static_cast<qsizetype>(data[0] % 3);
        const qsizetype from = static_cast<qsizetype>(data[size / 2]) % text.size();
        const QString part = text.mid(from, length);
        for (int k = 0; k < core::kWordFieldCount; ++k) {
            const core::WordSearchQuery query{static_cast<core::WordField>(k), part};
            QStringList found;
            for (const core::WordSearchHit& hit : core::searchWordBookText(text, QStringLiteral("book.utx"), query))
                found.append(hit.numberText());
            const QStringList expected = slowSearch(lines, query);
            if (found != expected)
                fuzz::fail("the search differs from a line-by-line reading",
                    fuzz::describe({part, found.join(u' '), expected.join(u' ')}));
        }
    }

    const core::WordBookContent content = core::readWordBookFile(path);
    if (lines.size() < 3) {
        fuzz::check(content.status == core::WordBookReadStatus::NotAWordBook, "a short file was read as a book");
        return 0;
    }
    fuzz::check(content.status == core::WordBookReadStatus::Read, "a book was not read");
    const QString saved = fuzz::scratchPath(QStringLiteral("saved.utx"));
    if (!core::writeWordBookFile(saved, content.header, content.entries, &error))
        fuzz::fail("a book was not written", error);
    const core::WordBookContent again = core::readWordBookFile(saved);
    fuzz::check(again.status == core::WordBookReadStatus::Read, "a written book was not read");
    fuzz::check(again.header == content.header, "the header changed on writing");
    fuzz::check(again.entries.size() == content.entries.size(), "entries were lost on writing");
    for (qsizetype i = 0; i < content.entries.size(); ++i) {
        if (again.entries[i] != core::storableEntry(content.entries[i]))
            fuzz::fail("an entry changed on writing",
                describeEntry(content.entries[i]) + QStringLiteral("became\n") + describeEntry(again.entries[i]));
    }
    return 0;
}
