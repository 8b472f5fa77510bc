#include "core/common/fieldsplitter.h"
#include "core/common/textcodec.h"
#include "core/wordbook/wordbookfile.h"
#include "core/wordbook/wordbooksummary.h"
#include "support/tempworld.h"

#include <gtest/gtest.h>

using namespace pelinor::core;
using pelinor::test::TempWorld;

namespace {

QByteArray utf16Le(QStringView text, bool mark = true)
{
    QByteArray bytes = mark ? QByteArray("\xFF\xFE") : QByteArray();
    for (QChar c : text) {
        bytes.append(static_cast<char>(c.unicode() & 0xFF));
        bytes.append(static_cast<char>(c.unicode() >> 8));
    }
    return bytes;
}

WordEntry entry(const QString& foreign, const QString& japanese = QString(), const QString& colour = QString())
{
    WordEntry e;
    e.foreignWord = foreign;
    e.japanese = japanese;
    e.colour = colour;
    return e;
}

QString tenEntryBookWithOneBrokenLine()
{
    QString text = u"本\r\nグループ\r\n\r\n"_qs;
    for (int i = 1; i <= 10; ++i) {
        text += QStringLiteral("\"w%1\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n").arg(i);
        if (i == 4)
            text += u"\"broken\",\"only\",\"three\"\r\n"_qs;
    }
    return text;
}

} // namespace

TEST(WordBookFile, RoundTripKeepsQuotesEscapesAndColours)
{
    TempWorld world;
    WordEntry full;
    full.foreignWord = u"Привет #$0D \"мир\""_qs;
    full.phonetic = u"prʲɪˈvʲet"_qs;
    full.kana = u"プリヴィエート"_qs;
    full.japanese = u"こんにちは、\"世界\"　,"_qs;
    full.note = u"a#$0Db"_qs;
    full.soundFile = u"privet 1.wav"_qs;
    full.colour = u"#FF0000"_qs;
    const QList<WordEntry> entries{full, entry(u"Ελλάδα"_qs, u"ギリシャ"_qs, u"#ff0000"_qs), WordEntry()};
    const WordBookHeader header{u"ロシア語 \"1\""_qs, u"あいさつ"_qs, u"/home/u/音声"_qs};

    const QString path = world.path(u"book.utx"_qs);
    ASSERT_TRUE(writeWordBookFile(path, header, entries));
    const QByteArray bytes = world.readBytes(u"book.utx"_qs);
    EXPECT_TRUE(bytes.startsWith("\xFF\xFE"));
    const QString text = decodeUtf16Le(bytes);
    EXPECT_TRUE(
        text.startsWith(u"ロシア語 \"1\"\r\nあいさつ\r\n/home/u/音声\r\n\"Привет #$0D #$22мир#$22\",\"prʲɪˈvʲet\""_qs));
    EXPECT_TRUE(text.contains(u"\"こんにちは、#$22世界#$22　,\",\"a#$0Db\",\"privet 1.wav\",\"#FF0000\"\r\n"_qs));
    EXPECT_TRUE(text.endsWith(u"\"#ff0000\"\r\n\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"_qs));

    const WordBookContent read = readWordBookFile(path);
    ASSERT_EQ(read.status, WordBookReadStatus::Read);
    EXPECT_EQ(read.header, header);
    ASSERT_EQ(read.entries.size(), 3);
    QList<WordEntry> numbered = entries;
    renumberEntries(numbered);
    EXPECT_EQ(read.entries, numbered);
}

TEST(WordBookFile, NewWordBookIsMarkAndThreeHeaderLines)
{
    TempWorld world;
    world.writeBytes(u"new.utx"_qs, "old content");
    ASSERT_TRUE(createWordBookFile(world.path(u"new.utx"_qs), {u"T"_qs, u"G"_qs, QString()}));
    EXPECT_EQ(world.readBytes(u"new.utx"_qs), utf16Le(u"T\r\nG\r\n\r\n"));
    const WordBookSummary summary = readWordBookSummary(world.path(u"new.utx"_qs));
    EXPECT_TRUE(summary.isWordBook());
    EXPECT_EQ(summary.entryLineCount, 0);
}

TEST(WordBookFile, ReadsAnyLineBreakWithOrWithoutMark)
{
    struct Case {
        const char* what;
        QByteArray bytes;
    };
    const QString lfText = u"T\nG\nS\n\"Я\",\"ja\",\"\",\"\",\"\",\"\",\"\"\n\"b\",\"\",\"\",\"\",\"\",\"\",\"\""_qs;
    const Case cases[] = {
        {"CR LF with mark", utf16Le(QString(lfText).replace(u'\n', u"\r\n"_qs))},
        {"CR LF without mark", utf16Le(QString(lfText).replace(u'\n', u"\r\n"_qs), false)},
        {"lone LF", utf16Le(lfText)},
        {"lone CR without mark", utf16Le(QString(lfText).replace(u'\n', u'\r'), false)},
        {"mixed",
            utf16Le(u"T\rG\r\nS\n\"Я\",\"ja\",\"\",\"\",\"\",\"\",\"\"\r\"b\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"_qs)},
    };
    TempWorld world;
    for (const Case& c : cases) {
        world.writeBytes(u"b.utx"_qs, c.bytes);
        const WordBookContent read = readWordBookFile(world.path(u"b.utx"_qs));
        ASSERT_EQ(read.status, WordBookReadStatus::Read) << c.what;
        EXPECT_EQ(read.header, (WordBookHeader{u"T"_qs, u"G"_qs, u"S"_qs})) << c.what;
        ASSERT_EQ(read.entries.size(), 2) << c.what;
        EXPECT_EQ(read.entries[0].foreignWord, u"Я"_qs) << c.what;
        EXPECT_EQ(read.entries[1].number, 2) << c.what;
        EXPECT_EQ(readWordBookSummary(world.path(u"b.utx"_qs)).entryLineCount, 2) << c.what;
    }
}

TEST(WordBookFile, FewerThanThreeLinesIsNoWordBook)
{
    TempWorld world;
    for (const QString& text : {u"T\r\nG\r\n"_qs, u"T"_qs, QString()}) {
        world.writeBytes(u"short.utx"_qs, utf16Le(text));
        EXPECT_EQ(readWordBookFile(world.path(u"short.utx"_qs)).status, WordBookReadStatus::NotAWordBook);
        const WordBookSummary summary = readWordBookSummary(world.path(u"short.utx"_qs));
        EXPECT_FALSE(summary.isWordBook());
        EXPECT_EQ(summary.status, WordBookReadStatus::NotAWordBook);
    }
    EXPECT_EQ(readWordBookFile(world.path(u"none.utx"_qs)).status, WordBookReadStatus::Missing);
    EXPECT_EQ(readWordBookSummary(world.path(u"none.utx"_qs)).status, WordBookReadStatus::Missing);
}

TEST(WordBookFile, BrokenLinesAreCountedButNotRead)
{
    TempWorld world;
    world.writeBytes(u"b.utx"_qs, utf16Le(tenEntryBookWithOneBrokenLine() + u"\r\n"_qs));
    const WordBookSummary summary = readWordBookSummary(world.path(u"b.utx"_qs));
    EXPECT_EQ(summary.title, u"本"_qs);
    EXPECT_EQ(summary.group, u"グループ"_qs);
    EXPECT_EQ(summary.entryLineCount, 12); // ten entries, the broken line and the empty line

    const WordBookContent read = readWordBookFile(world.path(u"b.utx"_qs));
    ASSERT_EQ(read.entries.size(), 10);
    EXPECT_EQ(read.entries[4].foreignWord, u"w5"_qs);
    EXPECT_EQ(read.entries[4].number, 5);

    ASSERT_TRUE(writeWordBookFile(world.path(u"b.utx"_qs), read.header, read.entries));
    EXPECT_EQ(readWordBookSummary(world.path(u"b.utx"_qs)).entryLineCount, 10);
}

// Entry lines are cut by a fast path for the lines the program writes and by splitFields() otherwise; both
// must give what splitFields() gives.
TEST(WordBookFile, EntryLinesSplitExactlyAsTheFieldRule)
{
    const QString lines[] = {
        u"\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\""_qs,
        u"\"\",\"\",\"\",\"\",\"\",\"\",\"\""_qs,
        u"\" a \",\"b,c\",\"\t\",\"d\",\"e\",\"f\",\"#FF0000\""_qs,
        u"\"a\", \"b\",\"c\",\"d\",\"e\",\"f\",\"g\""_qs,
        u"  \"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\"  "_qs,
        u"\"a\"\"x\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\""_qs,
        u"a,b,c,d,e,f,g"_qs,
        u"\"a\"x,\"b\",\"c\",\"d\",\"e\",\"f\""_qs,
        u"\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\",\"h\""_qs,
        u"\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\","_qs,
        u"\"a\",\"b\",\"c\",\"d\",\"e\",\"f\""_qs,
        u"\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g"_qs,
        u"\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g\"x"_qs,
        u"\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",,"_qs,
        QStringLiteral("\"a\",\"b\",\"c\",\"d\",\"e\",\"f\",\"g") + QChar(u'\0') + u"\""_qs,
        QString(),
    };
    for (const QString& line : lines) {
        const QStringList expected = splitFields(line);
        const auto fields = splitEntryLine(line);
        ASSERT_EQ(fields.has_value(), expected.size() == kWordFieldCount) << line.toStdString();
        if (fields) {
            for (int k = 0; k < kWordFieldCount; ++k)
                EXPECT_EQ((*fields)[static_cast<size_t>(k)], expected[k]) << line.toStdString();
        }
    }
}

TEST(WordBookFile, TextsThatWouldCutALineAreMadeStorable)
{
    TempWorld world;
    WordEntry raw = entry(u"a\nb"_qs, QStringLiteral("x") + QChar(u'\0') + u"y\r\nz"_qs, u"#FF\"0000\r"_qs);
    raw.note = u"\"q\"\r"_qs;
    const WordBookHeader header{u"two\nlines"_qs, u"g"_qs, QString()};
    ASSERT_TRUE(writeWordBookFile(world.path(u"s.utx"_qs), header, {raw, entry(u"next"_qs)}));

    const WordBookContent read = readWordBookFile(world.path(u"s.utx"_qs));
    EXPECT_EQ(readWordBookSummary(world.path(u"s.utx"_qs)).entryLineCount, 2);
    ASSERT_EQ(read.entries.size(), 2);
    EXPECT_EQ(read.header.title, u"two lines"_qs);
    EXPECT_EQ(read.entries[0].foreignWord, u"a#$0Db"_qs);
    EXPECT_EQ(read.entries[0].japanese, u"xy#$0Dz"_qs);
    EXPECT_EQ(read.entries[0].note, u"\"q\"#$0D"_qs);
    EXPECT_EQ(read.entries[0].colour, u"#FF0000"_qs);
    EXPECT_EQ(read.entries[1].foreignWord, u"next"_qs);

    WordEntry storable = storableEntry(raw);
    storable.number = 1;
    EXPECT_EQ(storable, read.entries[0]);
    EXPECT_EQ(storableHeader(header), read.header);
}
