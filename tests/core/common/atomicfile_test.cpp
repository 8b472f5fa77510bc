#include "core/common/atomicfile.h"
#include "support/smalldisk.h"
#include "support/tempworld.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace pelinor::core;
using pelinor::test::SmallDisk;
using pelinor::test::TempWorld;

namespace {

// Makes every write stop after a number of bytes while it lives.
class WriteLimit {
public:
    explicit WriteLimit(qint64 bytes) { setWriteLimitForTesting(bytes); }
    ~WriteLimit() { setWriteLimitForTesting(-1); }
    WriteLimit(const WriteLimit&) = delete;
    WriteLimit& operator=(const WriteLimit&) = delete;
};

QByteArray newContent(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = static_cast<char>('a' + i % 26);
    return bytes;
}

} // namespace

TEST(AtomicFile, WriteStoppedShortKeepsTheOldFileAndNamesIt)
{
    const QByteArray old("old content\r\n");
    const QByteArray fresh = newContent(3000);
    for (const qint64 limit : {qint64(0), qint64(1), qint64(1500), qint64(fresh.size() - 1)}) {
        for (const bool existed : {true, false}) {
            SCOPED_TRACE(std::to_string(limit) + (existed ? " over an old file" : " as a new file"));
            TempWorld world;
            if (existed)
                world.writeBytes(u"単語帳.utx"_qs, old);
            QString error;
            {
                const WriteLimit full(limit);
                EXPECT_FALSE(writeFileAtomically(world.path(u"単語帳.utx"_qs), fresh, &error));
            }
            EXPECT_TRUE(error.contains(QDir::toNativeSeparators(world.path(u"単語帳.utx"_qs)))) << error.toStdString();
            EXPECT_EQ(world.exists(u"単語帳.utx"_qs), existed);
            if (existed) {
                EXPECT_EQ(world.readBytes(u"単語帳.utx"_qs), old);
            }
            // No temporary file is left behind.
            EXPECT_EQ(QDir(world.path()).entryList(QDir::Files | QDir::Hidden).size(), existed ? 1 : 0);
        }
    }
}

TEST(AtomicFile, WriteWithinTheLimitSucceeds)
{
    TempWorld world;
    world.writeBytes(u"a.txt"_qs, "old");
    const QByteArray fresh = newContent(100);
    const WriteLimit limit(fresh.size());
    QString error;
    EXPECT_TRUE(writeFileAtomically(world.path(u"a.txt"_qs), fresh, &error)) << error.toStdString();
    EXPECT_EQ(world.readBytes(u"a.txt"_qs), fresh);
}

// A real full disk: a write smaller than Qt's file buffer fails only when the buffer goes out, and a
// larger one at the write itself; both must leave the old file.
TEST(AtomicFile, FullDiskKeepsTheOldFile)
{
    SmallDisk disk;
    if (!disk.mounted())
        GTEST_SKIP() << disk.reason().toStdString();
    const QByteArray old("old content\r\n");
    for (const qsizetype size : {qsizetype(100), qsizetype(8000), qsizetype(40000)}) {
        SCOPED_TRACE(size);
        const QString path = disk.path(u"Pelinor_A.rng"_qs);
        ASSERT_TRUE(writeFileAtomically(path, old));
        ASSERT_TRUE(disk.fill());
        QString error;
        EXPECT_FALSE(writeFileAtomically(path, newContent(size), &error));
        EXPECT_TRUE(error.contains(QDir::toNativeSeparators(path))) << error.toStdString();
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), old);
        EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files).size(), 1); // the filler is hidden

        // With room again the same write goes through.
        disk.release();
        ASSERT_TRUE(writeFileAtomically(path, newContent(size), &error)) << error.toStdString();
        file.close();
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), newContent(size));
    }
}
