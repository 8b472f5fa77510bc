#include "core/wordbook/wordbookfile.h"
#include "core/wordbook/wordbookrow.h"
#include "support/tempworld.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace pelinor::core;
using pelinor::test::TempWorld;

namespace {

void writeBook(
    const TempWorld& world, const QString& fileName, const QString& title, const QString& group, qsizetype entries = 0)
{
    QList<WordEntry> list;
    for (qsizetype i = 0; i < entries; ++i) {
        WordEntry e;
        e.foreignWord = u"слово%1"_qs.arg(i);
        list.append(e);
    }
    ASSERT_TRUE(
        writeWordBookFile(QDir(world.path()).filePath(fileName), WordBookHeader{title, group, QString()}, list));
}

QStringList fileNames(const QList<WordBookRow>& rows)
{
    QStringList names;
    for (const WordBookRow& row : rows)
        names.append(row.fileName);
    return names;
}

} // namespace

TEST(WordBookScan, ListsTheWordBooksOfAFolderInTitleOrder)
{
    TempWorld world;
    writeBook(world, u"c.utx"_qs, u"Apple"_qs, u"動詞"_qs, 2);
    writeBook(world, u"a.utx"_qs, u"Zebra"_qs, u"その他"_qs);
    writeBook(world, u"b.utx"_qs, u"Apple"_qs, u"動詞"_qs, 1); // equal titles keep the order of the names
    world.writeBytes(u"short.utx"_qs, "one line\r\ntwo lines\r\n"); // fewer than three lines: no word book
    world.writeBytes(u"notes.txt"_qs, "a\r\nb\r\nc\r\n");
    QDir(world.path()).mkdir(u"folder.utx"_qs);

    const WordBookScan scan = scanWordBookFolder(world.path());
    EXPECT_TRUE(scan.errors.isEmpty());
    ASSERT_EQ(scan.rows.size(), 3);
    EXPECT_EQ(fileNames(scan.rows), (QStringList{u"b.utx"_qs, u"c.utx"_qs, u"a.utx"_qs}));
    EXPECT_EQ(scan.rows.at(1), (WordBookRow{u"Apple"_qs, u"c.utx"_qs, u"動詞"_qs, 2}));
}

// What the folder holds besides plain books: names in any case, hidden books, links, folders and pipes.
TEST(WordBookScan, ListsWhatTheFolderHoldsAsBooksAndNamesWhatCannotBeRead)
{
    TempWorld world;
    writeBook(world, u"b.utx"_qs, u"B"_qs, QString());
    writeBook(world, u"A.UTX"_qs, u"A"_qs, QString()); // the extension in any case
    writeBook(world, u".hidden.utx"_qs, u"C"_qs, QString());
    writeBook(world, u"target.txt"_qs, u"D"_qs, QString());
    QFile::link(world.path(u"target.txt"_qs), world.path(u"link.utx"_qs));
    QFile::link(world.path(u"gone.txt"_qs), world.path(u"broken.utx"_qs)); // no word book, no message
    QDir(world.path()).mkdir(u"sub"_qs);
    QFile::link(world.path(u"sub"_qs), world.path(u"folderlink.utx"_qs));
    ASSERT_EQ(::mkfifo(QFile::encodeName(world.path(u"pipe.utx"_qs)).constData(), 0600), 0);

    const WordBookScan scan = scanWordBookFolder(world.path() + QLatin1Char('/'));
    EXPECT_EQ(fileNames(scan.rows), (QStringList{u"A.UTX"_qs, u"b.utx"_qs, u".hidden.utx"_qs, u"link.utx"_qs}));
    ASSERT_EQ(scan.errors.size(), 1);
    EXPECT_TRUE(scan.errors.at(0).contains(QDir::toNativeSeparators(world.path(u"pipe.utx"_qs))))
        << scan.errors.at(0).toStdString();
}

TEST(WordBookScan, AFolderThatIsNotThereHasNoRows)
{
    TempWorld world;
    for (const QString& folder : {QString(), world.path(u"missing"_qs)}) {
        const WordBookScan scan = scanWordBookFolder(folder);
        EXPECT_TRUE(scan.rows.isEmpty());
        EXPECT_TRUE(scan.errors.isEmpty());
    }
}

TEST(WordBookRowOrder, SortsByTheChosenKeyInEitherDirection)
{
    const QList<WordBookRow> rows{
        {u"beta"_qs, u"2.utx"_qs, u"動詞"_qs, 0},
        {u"Alpha"_qs, u"10.utx"_qs, u"名詞"_qs, 0},
        {u"alpha"_qs, u"1.utx"_qs, u"動詞"_qs, 0},
        {u"Gamma"_qs, u"B.utx"_qs, u"その他"_qs, 0},
    };
    struct Case {
        const char* what;
        WordBookRowKey key;
        int direction;
        std::vector<int> order;
    };
    const Case cases[] = {
        {"titles ignore case, equal ones keep their order", WordBookRowKey::Title, 1, {1, 2, 0, 3}},
        {"titles descending", WordBookRowKey::Title, -1, {3, 0, 1, 2}},
        {"file names by code unit", WordBookRowKey::FileName, 1, {2, 1, 0, 3}},
        {"file names descending", WordBookRowKey::FileName, -1, {3, 0, 1, 2}},
        {"groups", WordBookRowKey::Group, 1, {3, 0, 2, 1}},
        {"groups descending keep equal ones in order", WordBookRowKey::Group, -1, {1, 0, 2, 3}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sortedRowOrder(rows, c.key, c.direction), c.order) << c.what;
}
