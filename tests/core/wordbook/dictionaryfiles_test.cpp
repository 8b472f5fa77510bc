#include "core/app/folders.h"
#include "core/wordbook/dictionaryfiles.h"
#include "core/wordbook/wordbookfile.h"
#include "support/tempworld.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace pelinor::core;
using pelinor::test::TempWorld;

TEST(DictionaryFiles, ThePrefixNamesTheScriptOfTheDictionaryFolder)
{
    const Folders folders(FolderRoots{u"/appdata"_qs, u"/program"_qs, u"/documents"_qs});
    struct Case {
        QString folder;
        QString prefix;
    };
    const Case cases[] = {
        {folders.dictionaryFolder(ScriptFolder::Russian), u"RU"_qs},
        {folders.dictionaryFolder(ScriptFolder::Greek), u"EL"_qs},
        {folders.dictionaryFolder(ScriptFolder::Ukrainian), u"UA"_qs},
        {folders.wordBookFolder(ScriptFolder::Russian), u"XY"_qs},
        {folders.dictionaryFolder(ScriptFolder::Russian) + u"/"_qs, u"XY"_qs},
        {QString(), u"XY"_qs},
    };
    for (const Case& c : cases)
        EXPECT_EQ(dictionaryFilePrefix(folders, c.folder), c.prefix) << c.folder.toStdString();
}

TEST(DictionaryFiles, TitlesFollowTheKanaRowHeads)
{
    struct Case {
        int k;
        QString title;
    };
    const Case cases[] = {
        {0, u"辞書（Alpha）"_qs},
        {1, u"辞書（あ）"_qs},
        {6, u"辞書（か）"_qs},
        {36, u"辞書（や）"_qs},
        {43, u"辞書（ろ）"_qs},
        {44, u"辞書（わ）"_qs},
    };
    for (const Case& c : cases)
        EXPECT_EQ(dictionaryFileTitle(c.k), c.title) << c.k;
}

TEST(DictionaryFiles, ABatchCreatesFortyFiveEmptyBooks)
{
    TempWorld world;
    const DictionaryFileBatch batch = createDictionaryFiles(world.path(), u"RU"_qs);
    EXPECT_TRUE(batch.error.isEmpty());
    ASSERT_EQ(batch.created.size(), kDictionaryFileCount);
    EXPECT_EQ(batch.created.first(), u"RU辞書（Alpha）.utx"_qs);
    EXPECT_EQ(batch.created.last(), u"RU辞書（わ）.utx"_qs);
    const WordBookContent book = readWordBookFile(QDir(world.path()).filePath(u"RU辞書（あ）.utx"_qs));
    EXPECT_EQ(book.header.title, u"辞書（あ）"_qs);
    EXPECT_EQ(book.header.group, u"辞書"_qs);
    EXPECT_TRUE(book.entries.isEmpty());
}

TEST(DictionaryFiles, TakenNamesGetTheLowestFreeNumber)
{
    TempWorld world;
    world.writeBytes(u"XY辞書（あ）.utx"_qs, "keep");
    world.writeBytes(u"XY1辞書（あ）.utx"_qs, "keep");
    world.writeBytes(u"XY辞書（い）.utx"_qs, "keep");
    const DictionaryFileBatch batch = createDictionaryFiles(world.path(), u"XY"_qs);
    ASSERT_EQ(batch.created.size(), kDictionaryFileCount);
    struct Case {
        int k;
        QString fileName;
        QString group;
    };
    const Case cases[] = {
        {0, u"XY辞書（Alpha）.utx"_qs, u"辞書"_qs},
        {1, u"XY2辞書（あ）.utx"_qs, u"辞書2"_qs},
        {2, u"XY1辞書（い）.utx"_qs, u"辞書1"_qs},
        {3, u"XY辞書（う）.utx"_qs, u"辞書"_qs},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(batch.created.at(c.k), c.fileName) << c.k;
        EXPECT_EQ(readWordBookFile(QDir(world.path()).filePath(c.fileName)).header.group, c.group) << c.k;
    }
    EXPECT_EQ(world.readBytes(u"XY辞書（あ）.utx"_qs), QByteArray("keep")); // never replaced
    EXPECT_EQ(world.readBytes(u"XY1辞書（あ）.utx"_qs), QByteArray("keep"));
}
