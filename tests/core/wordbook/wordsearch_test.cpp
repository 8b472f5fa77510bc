#include "core/wordbook/wordbookfile.h"
#include "core/wordbook/wordsearch.h"
#include "core/wordbook/wordsearchrun.h"
#include "support/tempworld.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace pelinor::core;
using pelinor::test::TempWorld;

namespace {

WordEntry entry(const QString& foreign, const QString& japanese, const QString& note = QString())
{
    WordEntry e;
    e.foreignWord = foreign;
    e.japanese = japanese;
    e.note = note;
    return e;
}

void writeBook(const TempWorld& world, const QString& fileName, const QString& title, const QList<WordEntry>& entries)
{
    QString error;
    ASSERT_TRUE(writeWordBookFile(
        QDir(world.path()).filePath(fileName), WordBookHeader{title, u"g"_qs, QString()}, entries, &error))
        << error.toStdString();
}

// The results of a whole folder as "title:number" in result-list order.
QStringList searchFolder(const QString& folder, WordField field, const QString& text)
{
    WordSearchResults results;
    const QString error = WordSearchRun::searchFolder(
        folder, WordSearchQuery::fromUserText(field, text), [&results](const QList<WordSearchHit>& hits) {
            for (const WordSearchHit& hit : hits)
                results.add(hit);
        });
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    QStringList rows;
    for (qsizetype i = 0; i < results.size(); ++i)
        rows.append(results.at(i).title + u':' + results.at(i).numberText());
    return rows;
}

struct FieldCase {
    const char* what;
    WordField field;
    QString text;
    QStringList expected;
};

class WordSearchFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeBook(world, u"a.utx"_qs, u"Book A"_qs,
            {entry(u"дом"_qs, u"家"_qs), entry(u"домик"_qs, u"小さい家"_qs),
                entry(u"кот"_qs, u"猫"_qs, u"line one\r\nline two"_qs), entry(u"\"ура\""_qs, u"万歳"_qs)});
        writeBook(world, u"b.utx"_qs, u"Book B"_qs, {entry(u"Дом"_qs, u"家（大文字）"_qs), entry(u"дом"_qs, u"家"_qs)});
    }

    TempWorld world;
};

TEST_F(WordSearchFolder, ExactMatchesStandOnTopAndPartialMatchesFollowInFileOrder)
{
    const std::vector<FieldCase> cases = {
        // The exact match found last comes first; partial matches keep the order of books and entries.
        {"foreign word", WordField::ForeignWord, u"дом"_qs, {u"Book B:*2"_qs, u"Book A:*1"_qs, u"Book A:2"_qs}},
        {"Japanese meaning", WordField::Japanese, u"家"_qs,
            {u"Book B:*2"_qs, u"Book A:*1"_qs, u"Book A:2"_qs, u"Book B:1"_qs}},
        {"case differs", WordField::ForeignWord, u"Дом"_qs, {u"Book B:*1"_qs}},
        {"a double quote is found as it is shown", WordField::ForeignWord, u"\"ура\""_qs, {u"Book A:*4"_qs}},
        {"part with a double quote", WordField::ForeignWord, u"ура\""_qs, {u"Book A:4"_qs}},
        {"a line break in the note", WordField::Note, u"one\nline"_qs, {u"Book A:3"_qs}},
        {"a CR LF line break in the note", WordField::Note, u"one\r\nline"_qs, {u"Book A:3"_qs}},
        {"the stored escape itself", WordField::Note, u"one#$0Dline"_qs, {u"Book A:3"_qs}},
        {"nothing", WordField::ForeignWord, u"нет"_qs, {}},
        {"empty text finds nothing", WordField::ForeignWord, QString(), {}},
    };
    for (const FieldCase& c : cases)
        EXPECT_EQ(searchFolder(world.path(), c.field, c.text), c.expected) << c.what;
}

TEST_F(WordSearchFolder, HitCarriesFileNameAndDecodedEntry)
{
    writeBook(world, u"c.utx"_qs, u"Book A"_qs, {entry(u"x"_qs, u"say \"hi\""_qs)});
    QString buffer;
    const WordSearchFileResult result = searchWordBookFile(
        world.path(), u"c.utx"_qs, WordSearchQuery::fromUserText(WordField::Japanese, u"\"hi\""_qs), &buffer);
    ASSERT_EQ(result.hits.size(), 1);
    const WordSearchHit& hit = result.hits.first();
    // Two books share the title "Book A": only the file name tells them apart.
    EXPECT_EQ(hit.fileName, u"c.utx"_qs);
    EXPECT_EQ(hit.title, u"Book A"_qs);
    EXPECT_EQ(hit.entry.japanese, u"say \"hi\""_qs);
    EXPECT_EQ(hit.entry.number, 1);
    EXPECT_FALSE(hit.exact);
}

TEST(WordSearchText, CountsOnlySevenFieldLinesAndReadsOtherShapes)
{
    // Line 5 is no entry, line 6 is an entry written by another program (unquoted, doubled quotes).
    const QString text = u"T\r\nG\r\n\r\n"
                         u"\"a\",\"\",\"\",\"m1\",\"\",\"\",\"\"\r\n"
                         u"broken line\r\n"
                         u"b,x,,\"m2 \"\"q\"\"\",,,\n"
                         u"\"c\",\"\",\"\",\"m3\",\"\",\"\",\"\""_qs;
    const QList<WordSearchHit> hits
        = searchWordBookText(text, u"t.utx"_qs, WordSearchQuery::fromUserText(WordField::Japanese, u"m"_qs));
    QList<qsizetype> numbers;
    for (const WordSearchHit& hit : hits)
        numbers.append(hit.number);
    EXPECT_EQ(numbers, (QList<qsizetype>{1, 2, 3}));
    EXPECT_EQ(hits.at(1).entry.foreignWord, u"b"_qs);
    EXPECT_EQ(hits.at(1).entry.japanese, u"m2 \"q\""_qs);
}

// Every kind of line the reader meets, searched for a text every entry holds: the hits must be exactly the
// entries the word book reader finds, with the same numbers and fields.
TEST(WordSearchText, FindsTheEntriesTheReaderReads)
{
    const QStringList shapes = {
        u"\"x1\",\"p\",\"k\",\"j\",\"n\",\"s\",\"\""_qs, // as written
        u"\"x2 with  spaces !\",\"\",\"\",\"\",\"\",\"\",\"#FF0000\""_qs,
        u"\"x3\",\"\",\"\",\"\",\"\",\"\""_qs, // six fields
        u"\"x4\",\"\",\"\",\"\",\"\",\"\",\"\",\"\""_qs, // eight fields
        u"x5,p,k,j,n,s,"_qs, // unquoted
        u"\"x6 \"\"q\"\"\",\"\",\"\",\"\",\"\",\"\",\"\""_qs, // doubled quotes
        u"\"x7\", \"\",\"\",\"\",\"\",\"\",\"\""_qs, // a blank after a comma
        u"\"x8\",\"\",\"\",\"\",\"\",\"\",\"\" "_qs, // a blank at the end
        QString(),
        u"\"x9#$22\",\"\",\"\",\"\",\"\",\"\",\"\""_qs,
        u"\"x10\",\"\",\"\",\"\",\"\",\"\",\"\"\""_qs, // a stray quote at the end
        u"\"x11\",\"a\",\"b\",\"c\",\"d\",\"e\",\"f\""_qs,
    };
    const QStringList breaks = {u"\r\n"_qs, u"\n"_qs, u"\r"_qs};
    QString text = u"T\r\nG\r\n\r\n"_qs;
    for (int round = 0; round < 3; ++round) {
        for (qsizetype i = 0; i < shapes.size(); ++i)
            text += shapes.at(i) + breaks.at((i + round) % breaks.size());
    }
    text += shapes.first(); // the last line without a line break

    TempWorld world;
    QFile file(world.path(u"all.utx"_qs));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(text.utf16()), 2 * text.size());
    file.close();

    const QList<WordEntry> expected = readWordBookFile(world.path(u"all.utx"_qs)).entries;
    QString buffer;
    const WordSearchFileResult result = searchWordBookFile(
        world.path(), u"all.utx"_qs, WordSearchQuery::fromUserText(WordField::ForeignWord, u"x"_qs), &buffer);
    ASSERT_TRUE(result.error.isEmpty());
    ASSERT_EQ(result.hits.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(result.hits.at(i).number, expected.at(i).number) << i;
        EXPECT_TRUE(result.hits.at(i).entry == expected.at(i)) << expected.at(i).foreignWord.toStdString();
    }
}

// One buffer serves book after book: a short book read after a long one must not show the long one's rest.
TEST_F(WordSearchFolder, ShortBookAfterLongOneInTheSameBuffer)
{
    QList<WordEntry> many;
    for (int i = 0; i < 300; ++i)
        many.append(entry(u"дом%1"_qs.arg(i), u"家"_qs));
    writeBook(world, u"long.utx"_qs, u"Long"_qs, many);
    writeBook(world, u"short.utx"_qs, u"Short"_qs, {entry(u"дом"_qs, u"家"_qs)});
    const WordSearchQuery query = WordSearchQuery::fromUserText(WordField::ForeignWord, u"дом"_qs);
    QString buffer;
    EXPECT_EQ(searchWordBookFile(world.path(), u"long.utx"_qs, query, &buffer).hits.size(), 300);
    const WordSearchFileResult result = searchWordBookFile(world.path(), u"short.utx"_qs, query, &buffer);
    ASSERT_EQ(result.hits.size(), 1);
    EXPECT_TRUE(result.hits.first().exact);
    EXPECT_EQ(searchWordBookFile(world.path(), u"gone.utx"_qs, query, &buffer).hits.size(), 0);
}

TEST(WordSearchText, FewerThanThreeLinesIsNoWordBook)
{
    const WordSearchQuery query = WordSearchQuery::fromUserText(WordField::ForeignWord, u"a"_qs);
    EXPECT_TRUE(searchWordBookText(u"\"a\",\"\",\"\",\"\",\"\",\"\",\"\"\r\nG\r\n"_qs, u"t"_qs, query).isEmpty());
    EXPECT_EQ(searchWordBookText(u"T\r\nG\r\n\r\n\"a\",\"\",\"\",\"\",\"\",\"\",\"\""_qs, u"t"_qs, query).size(), 1);
}

TEST_F(WordSearchFolder, UnreadableBookStopsTheSearchKeepingEarlierHits)
{
    // A named pipe where a book should be: it cannot be read as a file, even by root.
    QFile::remove(world.path(u"b.utx"_qs));
    ASSERT_EQ(::mkfifo(QFile::encodeName(world.path(u"b.utx"_qs)).constData(), 0600), 0);
    writeBook(world, u"c.utx"_qs, u"Book C"_qs, {entry(u"дом"_qs, u"家"_qs)});
    QStringList titles;
    const QString error = WordSearchRun::searchFolder(world.path(),
        WordSearchQuery::fromUserText(WordField::ForeignWord, u"дом"_qs), [&](const QList<WordSearchHit>& hits) {
            for (const WordSearchHit& hit : hits)
                titles.append(hit.title);
        });
    EXPECT_TRUE(error.contains(u"b.utx"_qs)) << error.toStdString();
    EXPECT_EQ(titles, (QStringList{u"Book A"_qs, u"Book A"_qs}));
}

TEST_F(WordSearchFolder, ThreadedRunDeliversBooksInFileOrder)
{
    int argc = 0;
    QCoreApplication app(argc, nullptr);
    WordSearchRun run;
    QStringList titles;
    bool finished = false;
    QObject::connect(&run, &WordSearchRun::bookSearched, [&](const QList<WordSearchHit>& hits) {
        for (const WordSearchHit& hit : hits)
            titles.append(hit.title + u':' + hit.numberText());
    });
    QEventLoop loop;
    QObject::connect(&run, &WordSearchRun::finished, [&] {
        finished = true;
        loop.quit();
    });
    // A search started and replaced at once leaves nothing of the first behind.
    run.start(world.path(), WordSearchQuery::fromUserText(WordField::Japanese, u"家"_qs));
    run.start(world.path(), WordSearchQuery::fromUserText(WordField::ForeignWord, u"дом"_qs));
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_TRUE(finished);
    EXPECT_FALSE(run.isRunning());
    EXPECT_EQ(titles, (QStringList{u"Book A:*1"_qs, u"Book A:2"_qs, u"Book B:*2"_qs}));
}

} // namespace
