#include "core/app/settings.h"
#include "core/common/textcodec.h"
#include "core/wordbook/wordbookfolders.h"
#include "support/tempworld.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace pelinor::core;
using pelinor::test::TempWorld;

namespace {

class WordBookFoldersTest : public ::testing::Test {
protected:
    WordBookFoldersTest()
        : folders(FolderRoots{world.path(u"appdata"_qs), world.path(u"program"_qs), world.path(u"documents"_qs)})
    {
        folders.setUpFolders();
        settings.setDefaults();
        folders.setCurrentWordBookFolder(folders.wordBookFolder(ScriptFolder::Greek));
        folders.setCurrentDictionaryFolder(folders.dictionaryFolder(ScriptFolder::Greek));
    }

    TempWorld world;
    Folders folders;
    Settings settings;
};

} // namespace

TEST_F(WordBookFoldersTest, DictionaryModeReturnsToTheFolderItWasEnteredFrom)
{
    WordBookFolders books(folders, settings);
    books.setCurrentFolder(u"/elsewhere"_qs);
    EXPECT_FALSE(books.setDictionaryMode(false)); // already off
    EXPECT_EQ(books.currentFolder(), u"/elsewhere"_qs);

    EXPECT_TRUE(books.setDictionaryMode(true));
    EXPECT_TRUE(books.isDictionaryMode());
    EXPECT_TRUE(books.canCreateDictionaryFiles());
    EXPECT_TRUE(settings.flag(SettingKey::DicFlg));
    EXPECT_EQ(books.currentFolder(), folders.dictionaryFolder(ScriptFolder::Greek));
    EXPECT_EQ(books.returnFolder(), u"/elsewhere"_qs);
    EXPECT_FALSE(books.setDictionaryMode(true)); // already on: the return folder stays
    EXPECT_EQ(books.returnFolder(), u"/elsewhere"_qs);

    EXPECT_TRUE(books.setDictionaryMode(false));
    EXPECT_FALSE(books.isDictionaryMode());
    EXPECT_FALSE(books.canCreateDictionaryFiles());
    EXPECT_FALSE(settings.flag(SettingKey::DicFlg));
    EXPECT_EQ(books.currentFolder(), u"/elsewhere"_qs);
    EXPECT_TRUE(books.returnFolder().isEmpty());
}

TEST_F(WordBookFoldersTest, AScriptChangeLeavesDictionaryModeForTheScriptsFolders)
{
    struct Case {
        const char* what;
        bool dictionaryMode;
        ScriptFolder script;
    };
    const Case cases[] = {
        {"from dictionary mode", true, ScriptFolder::Ukrainian},
        {"from a word book folder", false, ScriptFolder::Russian},
    };
    for (const Case& c : cases) {
        WordBookFolders books(folders, settings);
        books.setDictionaryMode(c.dictionaryMode);
        books.followScript(c.script);
        EXPECT_FALSE(books.isDictionaryMode()) << c.what;
        EXPECT_FALSE(settings.flag(SettingKey::DicFlg)) << c.what;
        EXPECT_TRUE(books.returnFolder().isEmpty()) << c.what;
        EXPECT_EQ(books.currentFolder(), folders.wordBookFolder(c.script)) << c.what;
        EXPECT_EQ(folders.currentDictionaryFolder(), folders.dictionaryFolder(c.script)) << c.what;
    }
}

TEST_F(WordBookFoldersTest, TheStoredDictionaryModeIsTakenOnce)
{
    struct Case {
        bool stored;
    };
    for (const Case c : {Case{true}, Case{false}}) {
        settings.setFlag(SettingKey::DicFlg, c.stored);
        WordBookFolders books(folders, settings);
        settings.setFlag(SettingKey::DicFlg, false); // as a script change at start-up leaves it
        EXPECT_EQ(books.takeStoredDictionaryMode(), c.stored);
        EXPECT_FALSE(books.takeStoredDictionaryMode());
        EXPECT_FALSE(books.isDictionaryMode());
    }
}

TEST_F(WordBookFoldersTest, TheFolderMenuOffersTheNonEmptyLinesOfItsFile)
{
    WordBookFolders books(folders, settings);
    QString error;
    // No file yet: it is made with the Russian word book folder and the current dictionary folder.
    EXPECT_EQ(books.folderMenuEntries(&error),
        (QStringList{folders.wordBookFolder(ScriptFolder::Russian), folders.dictionaryFolder(ScriptFolder::Greek)}));
    EXPECT_TRUE(error.isEmpty());
    EXPECT_EQ(books.folderMenuFile(), QDir(folders.systemFolder()).filePath(u"FolList.txt"_qs));
    EXPECT_TRUE(QFileInfo::exists(books.folderMenuFile()));

    QFile file(books.folderMenuFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(encodeText(u"/a\r\n\r\n/b\r\n"_qs, TextEncoding::Cp932));
    file.close();
    EXPECT_EQ(books.folderMenuEntries(), (QStringList{u"/a"_qs, u"/b"_qs}));
    EXPECT_TRUE(books.addToFolderMenu(u"/c"_qs));
    EXPECT_EQ(books.folderMenuEntries(), (QStringList{u"/c"_qs, u"/a"_qs, u"/b"_qs}));
}

TEST_F(WordBookFoldersTest, DictionaryFilesAreMadeInTheCurrentFolderWithItsScriptsPrefix)
{
    struct Case {
        QString folder;
        QString first;
    };
    const Case cases[] = {
        {folders.dictionaryFolder(ScriptFolder::Ukrainian), u"UA辞書（Alpha）.utx"_qs},
        {folders.wordBookFolder(ScriptFolder::Ukrainian), u"XY辞書（Alpha）.utx"_qs},
    };
    for (const Case& c : cases) {
        WordBookFolders books(folders, settings);
        books.setCurrentFolder(c.folder);
        const DictionaryFileBatch batch = books.createDictionaryFiles();
        EXPECT_TRUE(batch.error.isEmpty());
        EXPECT_EQ(batch.created.value(0), c.first);
        EXPECT_TRUE(QFileInfo::exists(QDir(c.folder).filePath(c.first)));
    }
}
