#include "core/input/symbolcollections.h"
#include "core/input/symbollist.h"
#include "support/tempworld.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace pelinor::core;
using pelinor::test::TempWorld;

namespace {

QStringList recentAfter(const QStringList& insertions, qsizetype capacity)
{
    SymbolList list(capacity);
    for (const QString& text : insertions)
        list.putFirst(text);
    return list.items();
}

TEST(SymbolList, RecentSymbolsAreNewestFirstWithoutRepeatsAndBounded)
{
    EXPECT_EQ(recentAfter({u"a"_qs, u"ə"_qs, u"a"_qs}, 40), QStringList({u"a"_qs, u"ə"_qs}));
    QStringList many;
    for (int i = 0; i < 45; ++i)
        many.append(QString(QChar(0x0410 + i)));
    const QStringList kept = recentAfter(many, 40);
    ASSERT_EQ(kept.size(), 40);
    EXPECT_EQ(kept.front(), QString(QChar(0x0410 + 44)));
    EXPECT_EQ(kept.back(), QString(QChar(0x0410 + 5)));
}

TEST(SymbolList, TakesOnlySymbols)
{
    struct Case {
        QString text;
        bool symbol;
    };
    const Case cases[] = {{u"ə"_qs, true}, {u"Ch"_qs, true}, {QString::fromUcs4(U"\U0001F600", 1), true},
        {u"\u0301"_qs, true}, {QString(), false}, {u" "_qs, false}, {u"\n"_qs, false}, {u"abcde"_qs, false},
        {QString(QChar(0xD800)), false}, {u"\u0007"_qs, false}};
    for (const Case& c : cases)
        EXPECT_EQ(SymbolList::isSymbol(c.text), c.symbol) << c.text.toStdString();
}

TEST(SymbolList, FileFormRoundTripsAndSkipsGarbage)
{
    SymbolList list;
    for (const QString& text : {u"ə"_qs, u"Ch"_qs, u"\u0301"_qs, u"\u2003x"_qs, QString::fromUcs4(U"\U0001F600", 1)})
        ASSERT_TRUE(list.append(text));
    const QByteArray bytes = list.toFileBytes();
    EXPECT_TRUE(bytes.startsWith("0259\t\xC9\x99\n0043 0068\tCh\n"));
    EXPECT_EQ(SymbolList::fromFileBytes(bytes), list);

    int skipped = -1;
    const SymbolList read = SymbolList::fromFileBytes(
        "\xEF\xBB\xBF# comment\r\n0259\r\nzz\tq\n0000\n0259\t\n\n110000\nD800\n03A3 03A3 03A3 03A3 03A3\n03A3\n", 0,
        &skipped);
    EXPECT_EQ(read.items(), QStringList({u"ə"_qs, u"Σ"_qs}));
    EXPECT_EQ(skipped, 5);
}

TEST(SymbolCollections, ListsSurviveARestartInTheirOwnFiles)
{
    TempWorld world;
    {
        SymbolCollections lists(world.path());
        ASSERT_TRUE(lists.load());
        lists.recordInsertion(u"ə"_qs);
        lists.recordInsertion(u"Σ"_qs);
        EXPECT_TRUE(lists.toggleFavourite(u"ʃ"_qs));
        EXPECT_TRUE(lists.toggleFavourite(u"ə"_qs));
        EXPECT_FALSE(lists.toggleFavourite(u"ʃ"_qs));
        ASSERT_TRUE(lists.saveRecent());
    }
    EXPECT_EQ(world.readBytes(SymbolCollections::favouriteFileName()), QByteArray("0259\t\xC9\x99\n"));
    SymbolCollections again(world.path());
    ASSERT_TRUE(again.load());
    EXPECT_EQ(again.recent(), QStringList({u"Σ"_qs, u"ə"_qs}));
    EXPECT_EQ(again.favourites(), QStringList({u"ə"_qs}));
}

TEST(SymbolCollections, AFileThatCannotBeReadIsReportedAndNeverOverwritten)
{
    TempWorld world;
    // Far too large for a list: not read, and not replaced by the one short list of this run.
    const QByteArray large(2 << 20, 'x');
    world.writeBytes(SymbolCollections::favouriteFileName(), large);
    SymbolCollections lists(world.path());
    QString error;
    EXPECT_FALSE(lists.load(&error));
    EXPECT_TRUE(error.contains(SymbolCollections::favouriteFileName())) << error.toStdString();
    EXPECT_TRUE(lists.toggleFavourite(u"ʃ"_qs));
    EXPECT_TRUE(lists.saveFavourites());
    EXPECT_EQ(world.readBytes(SymbolCollections::favouriteFileName()), large);
}

TEST(SymbolCollections, WritesOnlyWhatChangedAndReportsAFailedWrite)
{
    TempWorld world;
    // A folder where the favourites file should be counts as no file, and cannot be written over.
    ASSERT_TRUE(QDir().mkpath(world.path(SymbolCollections::favouriteFileName())));
    world.writeBytes(SymbolCollections::recentFileName(), "0259\n");
    SymbolCollections lists(world.path());
    ASSERT_TRUE(lists.load());
    EXPECT_EQ(lists.recent(), QStringList({u"ə"_qs}));
    // Writing the recent list again leaves its content alone when nothing changed.
    EXPECT_TRUE(lists.saveRecent());
    EXPECT_EQ(world.readBytes(SymbolCollections::recentFileName()), QByteArray("0259\n"));
    // A failed write is reported, and the list in memory keeps the change.
    QString writeError;
    EXPECT_TRUE(lists.toggleFavourite(u"ʃ"_qs, &writeError));
    EXPECT_FALSE(writeError.isEmpty());
}

} // namespace
