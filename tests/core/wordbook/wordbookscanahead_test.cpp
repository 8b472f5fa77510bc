#include "core/wordbook/wordbookfile.h"
#include "core/wordbook/wordbookscanahead.h"
#include "support/tempworld.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace pelinor::core;
using pelinor::test::TempWorld;

namespace {

void writeBook(const QString& folder, const QString& fileName, const QString& title)
{
    ASSERT_TRUE(writeWordBookFile(QDir(folder).filePath(fileName), WordBookHeader{title, QString(), QString()}, {}));
}

QStringList titles(const WordBookScan& scan)
{
    QStringList result;
    for (const WordBookRow& row : scan.rows)
        result.append(row.title);
    return result;
}

/// Two folders of books, "ru" and "el".
class WordBookScanAheadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir(world.path()).mkpath(u"ru"_qs);
        QDir(world.path()).mkpath(u"el"_qs);
        writeBook(ru(), u"a.utx"_qs, u"Привет"_qs);
        writeBook(ru(), u"b.utx"_qs, u"Числа"_qs);
        writeBook(el(), u"a.utx"_qs, u"Γεια"_qs);
    }

    QString ru() const { return world.path() + u"/ru"_qs; }
    QString el() const { return world.path() + u"/el"_qs; }

    TempWorld world;
};

} // namespace

TEST_F(WordBookScanAheadTest, GivesTheFolderItStartedOnAndReadsAnyOtherNow)
{
    WordBookScanAhead ahead;
    ahead.start(ru());
    EXPECT_EQ(titles(ahead.take(el())), QStringList{u"Γεια"_qs});

    ahead.start(ru());
    EXPECT_EQ(titles(ahead.take(ru())), (QStringList{u"Привет"_qs, u"Числа"_qs}));

    WordBookScanAhead never;
    EXPECT_EQ(titles(never.take(el())), QStringList{u"Γεια"_qs});
}

TEST_F(WordBookScanAheadTest, EachReadingAheadIsTakenOnce)
{
    // A later listing (the user's "update", a change of script and back) shows the folder as it is then.
    WordBookScanAhead ahead;
    ahead.start(ru());
    EXPECT_EQ(ahead.take(ru()).rows.size(), 2);
    writeBook(ru(), u"c.utx"_qs, u"Цвета"_qs);
    EXPECT_EQ(titles(ahead.take(ru())), (QStringList{u"Привет"_qs, u"Цвета"_qs, u"Числа"_qs}));
}

TEST_F(WordBookScanAheadTest, EndsWhileReadingAndStartsAgain)
{
    // Started twice before anything is taken, and ended with a reading not taken: nothing is left running.
    {
        WordBookScanAhead ahead;
        ahead.start(ru());
        ahead.start(el());
        EXPECT_EQ(titles(ahead.take(el())), QStringList{u"Γεια"_qs});
        ahead.start(world.path() + u"/missing"_qs);
    }
    SUCCEED();
}
