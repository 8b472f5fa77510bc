#include "core/app/folders.h"
#include "core/app/shippedfiles.h"
#include "support/tempworld.h"

#include <gtest/gtest.h>

using namespace pelinor::core;
using pelinor::test::TempWorld;

namespace {

const QString kMarker = QStringLiteral("Leaf360.txt");

/// A private world: program files under prog/, user data under data/, documents under docs/, with a
/// shipped program folder holding one file in each shipped folder.
class FirstRunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folders = Folders(FolderRoots{m_world.path(u"data"_qs), m_world.path(u"prog"_qs), m_world.path(u"docs"_qs)});
        for (const char* folder : {"Sys", "Tbl", "bookA", "bookG", "GreekA", "GreekG", "UkraineA", "UkraineG"})
            ship(QLatin1StringView(folder) + u"/shipped-"_qs + QLatin1StringView(folder) + u".txt"_qs, "new");
        ship(u"Tbl/sub/nested.csv"_qs, "nested");
        ASSERT_TRUE(m_folders.setUpFolders().isEmpty());
    }

    void ship(const QString& relative, const QByteArray& bytes)
    {
        m_world.writeBytes(u"prog/Norvanta/Pelinor/"_qs + relative, bytes);
    }
    QString user(const QString& relative) const { return u"data/Norvanta/Pelinor/"_qs + relative; }
    QString docs(const QString& relative) const { return u"docs/Norvanta/Pelinor/"_qs + relative; }

    bool run(bool replaceTables = true, bool noSamples = false)
    {
        return updateShippedFilesOnNewVersion(m_folders, kMarker, replaceTables, noSamples);
    }

    TempWorld m_world;
    Folders m_folders;
};

TEST_F(FirstRunTest, FirstStartCreatesFoldersCopiesEverythingAndWritesMarker)
{
    for (const char* folder : {"bookA", "bookG", "GreekA", "GreekG", "UkraineA", "UkraineG", "usr"})
        EXPECT_TRUE(QFileInfo(m_world.path(docs(QLatin1StringView(folder)))).isDir()) << folder;
    EXPECT_TRUE(run());
    EXPECT_EQ(m_world.readBytes(user(u"Sys/Leaf360.txt"_qs)), QByteArray("GF-RD1\r\n"));
    EXPECT_TRUE(m_world.exists(user(u"Sys/shipped-Sys.txt"_qs)));
    EXPECT_TRUE(m_world.exists(user(u"Tbl/shipped-Tbl.txt"_qs)));
    EXPECT_FALSE(m_world.exists(user(u"Tbl/sub"_qs))); // subfolders are neither copied nor entered
    for (const char* folder : {"bookA", "bookG", "GreekA", "GreekG", "UkraineA", "UkraineG"})
        EXPECT_TRUE(
            m_world.exists(docs(QLatin1StringView(folder) + u"/shipped-"_qs + QLatin1StringView(folder) + u".txt"_qs)))
            << folder;
}

TEST_F(FirstRunTest, SameVersionAgainCopiesNothing)
{
    ASSERT_TRUE(run());
    QFile::remove(m_world.path(docs(u"bookA/shipped-bookA.txt"_qs)));
    EXPECT_FALSE(run());
    EXPECT_FALSE(m_world.exists(docs(u"bookA/shipped-bookA.txt"_qs)));
}

TEST_F(FirstRunTest, UpgradeRemovesOldMarkersAndOldSettingsButKeepsCurrentSettings)
{
    m_world.writeBytes(user(u"Sys/Leaf350.txt"_qs), "GF-RD1\r\n");
    m_world.writeBytes(user(u"Sys/Leaf999.txt"_qs), "GF-RD1\r\n");
    m_world.writeBytes(user(u"Sys/Pelinor.rng"_qs), "old");
    m_world.writeBytes(user(u"Sys/Pelinor_A.rng"_qs), "InputMode,4\r\n");
    EXPECT_TRUE(run());
    EXPECT_TRUE(m_world.exists(user(u"Sys/Leaf360.txt"_qs)));
    EXPECT_FALSE(m_world.exists(user(u"Sys/Leaf350.txt"_qs)));
    EXPECT_FALSE(m_world.exists(user(u"Sys/Leaf999.txt"_qs)));
    EXPECT_FALSE(m_world.exists(user(u"Sys/Pelinor.rng"_qs)));
    EXPECT_EQ(m_world.readBytes(user(u"Sys/Pelinor_A.rng"_qs)), QByteArray("InputMode,4\r\n"));
}

TEST_F(FirstRunTest, WhichUserCopiesSurviveAnUpgrade)
{
    struct Case {
        const char* name;
        bool replaceTables;
        bool noSamples;
        const char* file; // a user file named like a shipped one, edited by the user
        QByteArray expected; // its content after the upgrade
    };
    const Case cases[] = {
        {"tables replaced", true, false, "Tbl/shipped-Tbl.txt", "new"},
        {"tables kept", false, false, "Tbl/shipped-Tbl.txt", "edited"},
        {"system files always kept", true, false, "Sys/shipped-Sys.txt", "edited"},
        {"Russian sample replaced", true, false, "bookA/shipped-bookA.txt", "new"},
        {"Russian dictionary replaced", true, false, "bookG/shipped-bookG.txt", "new"},
        {"Greek sample kept", true, false, "GreekA/shipped-GreekA.txt", "edited"},
        {"Ukrainian dictionary kept", true, false, "UkraineG/shipped-UkraineG.txt", "edited"},
        {"no samples: Russian sample untouched", true, true, "bookA/shipped-bookA.txt", "edited"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = QString::fromLatin1(c.file);
        const bool isDocument = !file.startsWith(u"Tbl"_qs) && !file.startsWith(u"Sys"_qs);
        const QString target = isDocument ? docs(file) : user(file);
        m_world.writeBytes(target, "edited");
        QFile::remove(m_world.path(user(u"Sys/"_qs + kMarker)));
        run(c.replaceTables, c.noSamples);
        EXPECT_EQ(m_world.readBytes(target), c.expected);
    }
}

TEST_F(FirstRunTest, NoSamplesStillCopiesSystemFilesAndTablesButNoWordBooks)
{
    EXPECT_TRUE(run(true, true));
    EXPECT_TRUE(m_world.exists(user(u"Sys/shipped-Sys.txt"_qs)));
    EXPECT_TRUE(m_world.exists(user(u"Tbl/shipped-Tbl.txt"_qs)));
    for (const char* folder : {"bookA", "bookG", "GreekA", "GreekG", "UkraineA", "UkraineG"})
        EXPECT_TRUE(QDir(m_world.path(docs(QLatin1StringView(folder)))).isEmpty()) << folder;
}

TEST(CopyFolderFiles, MissingFolderCopiesNothingAndCountsAttempts)
{
    TempWorld world;
    world.writeBytes(u"src/a"_qs, "a");
    world.writeBytes(u"src/b"_qs, "b");
    world.writeBytes(u"dst/a"_qs, "old");
    EXPECT_EQ(copyFolderFiles(world.path(u"nowhere"_qs), world.path(u"dst"_qs), false), 0);
    EXPECT_EQ(copyFolderFiles(world.path(u"src"_qs), world.path(u"nowhere"_qs), false), 0);
    EXPECT_EQ(copyFolderFiles(world.path(u"src"_qs), world.path(u"dst"_qs), true), 2);
    EXPECT_EQ(world.readBytes(u"dst/a"_qs), QByteArray("old"));
    EXPECT_EQ(world.readBytes(u"dst/b"_qs), QByteArray("b"));
}

TEST(SetUpFolders, ReportsTheFirstFiveFailuresInOrderAndTheRestSilently)
{
    TempWorld world;
    world.writeBytes(u"data"_qs, "a file where the user data folder should be");
    world.writeBytes(u"docs"_qs, "a file where the documents folder should be");
    const Folders folders(FolderRoots{world.path(u"data"_qs), world.path(u"prog"_qs), world.path(u"docs"_qs)});
    EXPECT_EQ(folders.setUpFolders(),
        (QStringList{u"システムフォルダが作れませんでした。"_qs,
            u"ユーザーテーブルフォルダフォルダが作れませんでした。"_qs,
            u"ユーザーテキストフォルダが作れませんでした。"_qs, u"単語帳フォルダが作れませんでした。"_qs,
            u"辞書フォルダが作れませんでした。"_qs}));
}

TEST(SetUpFolders, PathsFollowTheRoots)
{
    const Folders folders(FolderRoots{u"/a"_qs, u"/p"_qs, u"/d"_qs});
    EXPECT_EQ(folders.programFolder(), u"/p/Norvanta/Pelinor"_qs);
    EXPECT_EQ(folders.helpFolder(), u"/p/Norvanta/Pelinor/Help"_qs);
    EXPECT_EQ(folders.systemTableFolder(), u"/p/Norvanta/Pelinor/Tbl"_qs);
    EXPECT_EQ(folders.systemFolder(), u"/a/Norvanta/Pelinor/Sys"_qs);
    EXPECT_EQ(folders.userTableFolder(), u"/a/Norvanta/Pelinor/Tbl"_qs);
    EXPECT_EQ(folders.userTextFolder(), u"/d/Norvanta/Pelinor/usr"_qs);
    EXPECT_EQ(folders.dictionaryFolder(ScriptFolder::Ukrainian), u"/d/Norvanta/Pelinor/UkraineG"_qs);
    EXPECT_EQ(folders.currentWordBookFolder(), u"/d/Norvanta/Pelinor/bookA"_qs);
    EXPECT_EQ(folders.currentDictionaryFolder(), u"/d/Norvanta/Pelinor/bookG"_qs);
}

TEST(SetUpFolders, EnvironmentOverridesRoots)
{
    qputenv("APPDATA", "/tmp/appdata-root");
    qputenv("PROGRAMFILES", "/tmp/program-root");
    const FolderRoots roots = FolderRoots::fromEnvironment(u"/opt/pelinor/bin"_qs);
    EXPECT_EQ(roots.appData, u"/tmp/appdata-root"_qs);
    EXPECT_EQ(roots.programFiles, u"/tmp/program-root"_qs);
    qputenv("PROGRAMFILES", "");
    EXPECT_EQ(FolderRoots::fromEnvironment(u"/opt/pelinor/bin"_qs).programFiles, u"/opt/pelinor/share"_qs);
    qunsetenv("APPDATA");
    qunsetenv("PROGRAMFILES");
}

} // namespace
