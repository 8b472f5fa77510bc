#include "core/common/textcodec.h"
#include "core/wordbook/folderlistfile.h"
#include "support/tempworld.h"

#include <gtest/gtest.h>

using namespace pelinor::core;
using pelinor::test::TempWorld;

TEST(FolderListFile, AMissingFileIsCreatedWithTheTwoStartFolders)
{
    TempWorld world;
    const FolderList list = readOrCreateFolderList(world.path(), u"/b/Україна"_qs, u"/d/辞書"_qs);
    EXPECT_EQ(list.folders, (QStringList{u"/b/Україна"_qs, u"/d/辞書"_qs}));
    EXPECT_TRUE(list.error.isEmpty());
    // A Ukrainian "і" does not fit code page 932: the file is UTF-8 with its mark.
    EXPECT_EQ(
        world.readBytes(u"FolList.txt"_qs), QByteArray("\xEF\xBB\xBF") + u"/b/Україна\r\n/d/辞書\r\n"_qs.toUtf8());
}

TEST(FolderListFile, AnExistingFileIsReadAsItIs)
{
    const QStringList lines{u"/home/u/単語帳"_qs, QString(), u"/home/u/辞書"_qs};
    const QString text = lines.join(u"\r\n"_qs) + u"\r\n"_qs;
    struct Case {
        const char* what;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"code page 932", encodeText(text, TextEncoding::Cp932)},
        {"UTF-8 with mark", encodeText(text, TextEncoding::Utf8)},
        {"UTF-16 LE with mark", encodeText(text, TextEncoding::Utf16Le)},
    };
    TempWorld world;
    for (const Case& c : cases) {
        world.writeBytes(u"FolList.txt"_qs, c.bytes);
        const FolderList list = readOrCreateFolderList(world.path(), u"/x"_qs, u"/y"_qs);
        EXPECT_EQ(list.folders, lines) << c.what; // empty lines are kept; the menu leaves them out
        EXPECT_TRUE(list.error.isEmpty()) << c.what;
        EXPECT_EQ(world.readBytes(u"FolList.txt"_qs), c.bytes) << c.what; // reading never rewrites
    }
}

TEST(FolderListFile, AddingPutsANewFolderFirstAndKeepsTen)
{
    struct Case {
        const char* what;
        QStringList before; // empty: no file
        QString added;
        QStringList after;
    };
    QStringList ten;
    for (int i = 0; i < 10; ++i)
        ten.append(u"/f%1"_qs.arg(i));
    QStringList tenAfter = ten;
    tenAfter.prepend(u"/new"_qs);
    tenAfter.removeLast();
    const Case cases[] = {
        {"no file", {}, u"/a"_qs, {u"/a"_qs}},
        {"new folder", {u"/a"_qs, u"/b"_qs}, u"/c"_qs, {u"/c"_qs, u"/a"_qs, u"/b"_qs}},
        {"listed folder stays in place", {u"/a"_qs, u"/b"_qs}, u"/b"_qs, {u"/a"_qs, u"/b"_qs}},
        {"exact comparison", {u"/a"_qs}, u"/A"_qs, {u"/A"_qs, u"/a"_qs}},
        {"the eleventh falls off", ten, u"/new"_qs, tenAfter},
    };
    for (const Case& c : cases) {
        TempWorld world;
        if (!c.before.isEmpty())
            world.writeBytes(
                u"FolList.txt"_qs, encodeText(c.before.join(u"\r\n"_qs) + u"\r\n"_qs, TextEncoding::Cp932));
        QString error;
        EXPECT_TRUE(addFolderToList(world.path(), c.added, &error)) << c.what;
        EXPECT_TRUE(error.isEmpty()) << c.what;
        EXPECT_EQ(readOrCreateFolderList(world.path(), u"/x"_qs, u"/y"_qs).folders, c.after) << c.what;
    }
}

TEST(FolderListFile, ThePathIsInTheSystemFolder)
{
    EXPECT_EQ(folderListPath(u"/u/Sys"_qs), u"/u/Sys/FolList.txt"_qs);
}
