#include "core/app/settings.h"
#include "core/app/shippedfiles.h"
#include "core/common/regularfile.h"
#include "core/common/regularfilereader.h"
#include "core/common/textfile.h"
#include "core/input/tableset.h"
#include "core/tables/candidatefile.h"
#include "core/tables/symboldatabase.h"
#include "core/wordbook/wordbookfile.h"
#include "support/tempworld.h"

#include <QDir>
#include <QFile>

#include <chrono>
#include <fcntl.h>
#include <functional>
#include <future>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace pelinor::core;
using pelinor::test::TempWorld;

namespace {

// A folder with a pipe, a link to /dev/zero, a folder and a regular file. Reading the pipe must not wait
// for a writer; should a reader wait all the same, the test opens the pipe for writing and closes it, so
// that the reader gets an end of file and the test fails instead of hanging.
struct OddFiles {
    TempWorld world;
    QString pipe = world.path(u"pipe.csv"_qs);
    QString zeroLink = world.path(u"zero.csv"_qs);
    QString folder = world.path(u"folder.csv"_qs);

    OddFiles()
    {
        ::mkfifo(QFile::encodeName(pipe).constData(), 0600);
        QFile::link(u"/dev/zero"_qs, zeroLink);
        QDir().mkpath(folder);
    }

    bool returnsSoon(const std::function<void()>& read) const
    {
        auto done = std::async(std::launch::async, read);
        if (done.wait_for(std::chrono::seconds(5)) == std::future_status::ready)
            return true;
        const int fd = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
        done.wait();
        return false;
    }
};

} // namespace

TEST(RegularFile, DevicesPipesAndFoldersAreNotRead)
{
    OddFiles odd;
    const struct {
        const char* name;
        QString path;
        bool exists;
    } cases[] = {
        {"/dev/zero", u"/dev/zero"_qs, true},
        {"link to /dev/zero", odd.zeroLink, true},
        {"pipe", odd.pipe, true},
        {"folder", odd.folder, false},
    };
    for (const auto& c : cases) {
        for (const qint64 limit : {qint64(-1), qint64(1000)}) {
            SCOPED_TRACE(std::string(c.name) + " limit " + std::to_string(limit));
            FileBytes read;
            ASSERT_TRUE(odd.returnsSoon([&] { read = readFileBytes(c.path, limit); }));
            EXPECT_EQ(read.exists, c.exists);
            EXPECT_FALSE(read.readable);
            EXPECT_TRUE(read.bytes.isEmpty());
            if (c.exists) {
                EXPECT_TRUE(read.error.contains(QDir::toNativeSeparators(c.path))) << read.error.toStdString();
            }
        }
    }
}

// The lean reader of folder listings refuses what readFileBytes() refuses and reads a file whole.
TEST(RegularFile, ReaderOpensOnlyRegularFiles)
{
    OddFiles odd;
    odd.world.writeBytes(u"ten.txt"_qs, "0123456789");
    QFile::link(odd.world.path(u"ten.txt"_qs), odd.world.path(u"link.txt"_qs));
    using Status = RegularFileReader::Status;
    const struct {
        const char* name;
        QString path;
        Status status;
    } cases[] = {
        {"missing", odd.world.path(u"none.txt"_qs), Status::Missing},
        {"empty name", QString(), Status::Missing},
        {"folder", odd.folder, Status::Missing},
        {"/dev/zero", u"/dev/zero"_qs, Status::Unreadable},
        {"link to /dev/zero", odd.zeroLink, Status::Unreadable},
        {"pipe", odd.pipe, Status::Unreadable},
        {"regular file", odd.world.path(u"ten.txt"_qs), Status::Open},
        {"link to a regular file", odd.world.path(u"link.txt"_qs), Status::Open},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(odd.returnsSoon([&] {
            RegularFileReader reader(c.path);
            EXPECT_EQ(reader.status(), c.status);
            if (c.status == Status::Unreadable) {
                EXPECT_TRUE(reader.error().contains(QDir::toNativeSeparators(c.path))) << reader.error().toStdString();
            }
            if (c.status != Status::Open) {
                char byte = 0;
                EXPECT_EQ(reader.read(&byte, 1), -1);
                return;
            }
            EXPECT_EQ(reader.size(), 10);
            // A read past the end gives what there is; the next one gives nothing.
            char bytes[16] = {};
            EXPECT_EQ(reader.read(bytes, 4), 4);
            EXPECT_EQ(reader.read(bytes + 4, 12), 6);
            EXPECT_EQ(QByteArray(bytes, 10), QByteArray("0123456789"));
            EXPECT_EQ(reader.read(bytes, 4), 0);
        }));
    }
}

TEST(RegularFile, LimitHoldsForWhatIsRead)
{
    TempWorld world;
    world.writeBytes(u"ten.txt"_qs, "0123456789");
    for (const qint64 limit : {qint64(10), qint64(11), qint64(-1)}) {
        const FileBytes read = readFileBytes(world.path(u"ten.txt"_qs), limit);
        EXPECT_TRUE(read.readable);
        EXPECT_EQ(read.bytes, QByteArray("0123456789"));
    }
    const FileBytes over = readFileBytes(world.path(u"ten.txt"_qs), 9);
    EXPECT_TRUE(over.exists);
    EXPECT_FALSE(over.readable);
    EXPECT_TRUE(over.bytes.isEmpty());
    EXPECT_FALSE(over.error.isEmpty());
    // A link to a regular file is read as the file.
    QFile::link(world.path(u"ten.txt"_qs), world.path(u"link.txt"_qs));
    EXPECT_EQ(readFileBytes(world.path(u"link.txt"_qs)).bytes, QByteArray("0123456789"));
}

// Every reader of the program's files, handed a device or a pipe (a table name in the settings can name
// one), returns with the file unread and, where it reports, a message.
TEST(RegularFile, EveryReaderRefusesDevicesAndPipes)
{
    OddFiles odd;
    const struct {
        const char* name;
        std::function<bool(const QString& path)> readRefused;
    } readers[] = {
        {"text file",
            [](const QString& path) {
                const TextFileContent content = readTextFile(path, 1000);
                return content.exists && !content.readable && content.lines.isEmpty();
            }},
        {"settings",
            [](const QString& path) {
                Settings settings;
                QString error;
                return !settings.load(path, &error) && !error.isEmpty();
            }},
        {"candidate file", [](const QString& path) { return !CandidateFile::read(path).readError().isEmpty(); }},
        {"symbol database", [](const QString& path) { return !SymbolDatabase::read(path).readError().isEmpty(); }},
        {"input tables",
            [](const QString& path) {
                TableSet tables;
                tables.loadTableSet(QDir::rootPath(), path, path);
                return !tables.skippedLines().isEmpty() && tables.skippedLines().at(0).lineNumber == 0;
            }},
        {"word book",
            [](const QString& path) {
                QString text;
                QString error;
                return readWordBookText(path, &text, &error) == WordBookReadStatus::Unreadable && text.isEmpty()
                    && !error.isEmpty();
            }},
    };
    for (const auto& reader : readers) {
        for (const QString& path : {u"/dev/zero"_qs, odd.zeroLink, odd.pipe}) {
            SCOPED_TRACE(std::string(reader.name) + " " + path.toStdString());
            bool refused = false;
            ASSERT_TRUE(odd.returnsSoon([&] { refused = reader.readRefused(path); }));
            EXPECT_TRUE(refused);
        }
    }
}

TEST(RegularFile, CopyingShippedFilesSkipsWhatIsNotARegularFile)
{
    OddFiles odd;
    odd.world.writeBytes(u"book.utx"_qs, "book");
    TempWorld target;
    ASSERT_TRUE(odd.returnsSoon([&] { copyFolderFiles(odd.world.path(), target.path(), false); }));
    EXPECT_EQ(target.readBytes(u"book.utx"_qs), QByteArray("book"));
    EXPECT_FALSE(target.exists(u"pipe.csv"_qs));
    EXPECT_FALSE(target.exists(u"zero.csv"_qs));
}
