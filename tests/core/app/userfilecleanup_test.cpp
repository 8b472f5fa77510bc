#include "core/app/folders.h"
#include "core/app/userfilecleanup.h"
#include "support/tempworld.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace pelinor::core;
using pelinor::test::TempWorld;

namespace {

const QString kMarker = QStringLiteral("Leaf360.txt");

/// Program files under prog/, user data under data/, documents under docs/; the program ships one word book
/// in bookA and bookG and two tables, and the user holds copies of them beside files of their own.
class UserFileCleanupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folders = Folders(FolderRoots{m_world.path(u"data"_qs), m_world.path(u"prog"_qs), m_world.path(u"docs"_qs)});
        ASSERT_TRUE(m_folders.setUpFolders().isEmpty());
        for (const QString& shipped : {u"bookA/sample.utx"_qs, u"bookG/dict.utx"_qs, u"Tbl/DBRuss.csv"_qs,
                 u"Tbl/CandAll.csv"_qs, u"GreekA/greek.utx"_qs})
            m_world.writeBytes(u"prog/Norvanta/Pelinor/"_qs + shipped, "shipped");
        for (const QString& copy : {docs(u"bookA/sample.utx"_qs), docs(u"bookG/dict.utx"_qs),
                 user(u"Tbl/DBRuss.csv"_qs), user(u"Tbl/CandAll.csv"_qs), docs(u"GreekA/greek.utx"_qs)})
            m_world.writeBytes(copy, "copy");
        for (const QString& own : {docs(u"bookA/mine.utx"_qs), docs(u"bookG/mydict.utx"_qs), user(u"Tbl/DBMine.csv"_qs),
                 user(u"Sys/notes.txt"_qs)})
            m_world.writeBytes(own, "own");
        for (const QString& system : {u"Pelinor_A.rng"_qs, u"FolList.txt"_qs, u"GroupName.txt"_qs, u"Work.rtf"_qs,
                 u"RecentSymbols.txt"_qs, u"FavouriteSymbols.txt"_qs, kMarker})
            m_world.writeBytes(user(u"Sys/"_qs + system), "sys");
    }

    QString user(const QString& relative) const { return u"data/Norvanta/Pelinor/"_qs + relative; }
    QString docs(const QString& relative) const { return u"docs/Norvanta/Pelinor/"_qs + relative; }

    TempWorld m_world;
    Folders m_folders;
};

TEST_F(UserFileCleanupTest, RemovesTheShippedNamesAndTheProgramsOwnFilesOnly)
{
    removeFilesBeforeUninstall(m_folders, kMarker);
    for (const QString& gone : {docs(u"bookA/sample.utx"_qs), docs(u"bookG/dict.utx"_qs), user(u"Tbl/DBRuss.csv"_qs),
             user(u"Tbl/CandAll.csv"_qs), user(u"Sys/Pelinor_A.rng"_qs), user(u"Sys/FolList.txt"_qs),
             user(u"Sys/GroupName.txt"_qs), user(u"Sys/Work.rtf"_qs), user(u"Sys/RecentSymbols.txt"_qs),
             user(u"Sys/FavouriteSymbols.txt"_qs), user(u"Sys/Leaf360.txt"_qs)})
        EXPECT_FALSE(m_world.exists(gone)) << gone.toStdString();
    // The user's own files, the Greek samples and every folder stay; the shipped files are not touched.
    for (const QString& kept : {docs(u"bookA/mine.utx"_qs), docs(u"bookG/mydict.utx"_qs), user(u"Tbl/DBMine.csv"_qs),
             user(u"Sys/notes.txt"_qs), docs(u"GreekA/greek.utx"_qs), docs(u"bookA"_qs), user(u"Tbl"_qs),
             u"prog/Norvanta/Pelinor/bookA/sample.utx"_qs, u"prog/Norvanta/Pelinor/Tbl/DBRuss.csv"_qs})
        EXPECT_TRUE(m_world.exists(kept)) << kept.toStdString();
}

TEST_F(UserFileCleanupTest, NeverRemovesFoldersOrFollowsLinks)
{
    // A folder named like a shipped file, a link named like one, and a user folder that is a link out.
    QDir().mkpath(m_world.path(u"prog/Norvanta/Pelinor/bookA/folder.utx"_qs));
    QDir().mkpath(m_world.path(docs(u"bookA/folder.utx"_qs)));
    m_world.writeBytes(u"elsewhere/precious.utx"_qs, "precious");
    m_world.writeBytes(u"prog/Norvanta/Pelinor/bookA/link.utx"_qs, "shipped");
    ASSERT_TRUE(QFile::link(m_world.path(u"elsewhere/precious.utx"_qs), m_world.path(docs(u"bookA/link.utx"_qs))));
    m_world.writeBytes(u"elsewhere/dict.utx"_qs, "precious");
    ASSERT_TRUE(QDir(m_world.path(docs(u"bookG"_qs))).removeRecursively());
    ASSERT_TRUE(QFile::link(m_world.path(u"elsewhere"_qs), m_world.path(docs(u"bookG"_qs))));

    const QStringList planned = filesToRemoveBeforeUninstall(m_folders, kMarker);
    for (const QString& file : planned)
        EXPECT_FALSE(file.contains(u"folder.utx"_qs) || file.contains(u"link.utx"_qs) || file.contains(u"/bookG/"_qs))
            << file.toStdString();
    removeFilesBeforeUninstall(m_folders, kMarker);
    EXPECT_TRUE(QFileInfo(m_world.path(docs(u"bookA/folder.utx"_qs))).isDir());
    EXPECT_TRUE(QFileInfo(m_world.path(docs(u"bookA/link.utx"_qs))).isSymLink());
    EXPECT_EQ(m_world.readBytes(u"elsewhere/precious.utx"_qs), QByteArray("precious"));
    EXPECT_EQ(m_world.readBytes(u"elsewhere/dict.utx"_qs), QByteArray("precious"));
}

TEST_F(UserFileCleanupTest, AMissingShippedFolderRemovesNothingOfItsPair)
{
    ASSERT_TRUE(QDir(m_world.path(u"prog/Norvanta/Pelinor/bookA"_qs)).removeRecursively());
    removeFilesBeforeUninstall(m_folders, kMarker);
    EXPECT_TRUE(m_world.exists(docs(u"bookA/sample.utx"_qs)));
    EXPECT_FALSE(m_world.exists(docs(u"bookG/dict.utx"_qs)));
}

TEST_F(UserFileCleanupTest, AMarkerNameThatIsAPathIsNotRemoved)
{
    m_world.writeBytes(u"data/Norvanta/Pelinor/other.txt"_qs, "x");
    const QStringList planned = filesToRemoveBeforeUninstall(m_folders, u"../other.txt"_qs);
    EXPECT_FALSE(planned.join(u'|').contains(u"other.txt"_qs));
}

TEST_F(UserFileCleanupTest, RemovingTheSettingsFileLeavesEverythingElse)
{
    EXPECT_TRUE(removeSettingsFile(m_folders));
    EXPECT_FALSE(m_world.exists(user(u"Sys/Pelinor_A.rng"_qs)));
    EXPECT_TRUE(m_world.exists(user(u"Sys/FolList.txt"_qs)));
    // No settings file is no failure.
    EXPECT_TRUE(removeSettingsFile(m_folders));
}

} // namespace
