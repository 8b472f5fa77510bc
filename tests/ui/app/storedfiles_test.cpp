#include "core/app/folders.h"
#include "core/app/settings.h"
#include "core/common/atomicfile.h"
#include "core/tables/candidatefile.h"
#include "core/tables/symboldatabase.h"
#include "core/transfer/workrtf.h"
#include "core/wordbook/folderlistfile.h"
#include "core/wordbook/groupnamelist.h"
#include "core/wordbook/wordbookfile.h"
#include "support/messageboxes.h"
#include "support/smalldisk.h"
#include "support/tempworld.h"
#include "support/testworld.h"
#include "support/widgetlookup.h"
#include "ui/app/tmainfrm.h"
#include "ui/app/workbench.h"
#include "ui/wordbook/wordbookcontroller.h"
#include "ui/wordbook/wordbookfixture.h"
#include "ui/wordbook/wordlistmodel.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>
#include <sys/stat.h>

using namespace pelinor;
using core::SettingKey;

namespace {

// Makes every file write stop after a number of bytes, as on a full disk, while it lives.
class WriteLimit {
public:
    explicit WriteLimit(qint64 bytes) { core::setWriteLimitForTesting(bytes); }
    ~WriteLimit() { core::setWriteLimitForTesting(-1); }
    WriteLimit(const WriteLimit&) = delete;
    WriteLimit& operator=(const WriteLimit&) = delete;
};

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A kind of file the program writes: `write` stores version 1 or 2 (different bytes) of it in a folder.
struct StoredFile {
    const char* name;
    QString fileName;
    std::function<bool(const QString& folder, int version, QString* error)> write;
};

const std::vector<StoredFile>& storedFiles()
{
    static const std::vector<StoredFile> files{
        {"word book", u"book.utx"_qs,
            [](const QString& folder, int version, QString* error) {
                QList<core::WordEntry> entries;
                for (int i = 0; i < 20 * version; ++i)
                    entries.append(test::entry(QStringLiteral("слово %1").arg(i)));
                return core::writeWordBookFile(
                    folder + u"/book.utx"_qs, {u"Book"_qs, u"あいさつ"_qs, QString()}, entries, error);
            }},
        {"settings", u"Pelinor_A.rng"_qs,
            [](const QString& folder, int version, QString* error) {
                core::Settings settings;
                settings.setText(SettingKey::LastGroup, QStringLiteral("グループ %1").arg(version));
                return settings.save(folder + u"/Pelinor_A.rng"_qs, error);
            }},
        {"group names", u"GroupName.txt"_qs,
            [](const QString& folder, int version, QString* error) {
                QStringList names{u"あいさつ"_qs, u"その他"_qs};
                if (version == 2)
                    names.append(u"動詞"_qs);
                return core::writeGroupNameList(folder, names, error);
            }},
        {"folder list", u"FolList.txt"_qs,
            [](const QString& folder, int version, QString* error) {
                return core::addFolderToList(folder, QStringLiteral("/home/user/単語帳 %1").arg(version), error);
            }},
        {"Work.rtf", u"Work.rtf"_qs,
            [](const QString& folder, int version, QString* error) {
                const core::WorkRtfResult result
                    = core::writeWorkRtf(folder, 204, 18, u"Times New Roman"_qs, QString(version * 10, QChar(u'ж')));
                if (error)
                    *error = result.error;
                return result.error.isEmpty();
            }},
        {"candidate file", u"CandRussian.csv"_qs,
            [](const QString& folder, int version, QString* error) {
                core::CandidateFile file;
                file.setSymbolDatabase(u"DBRussian.csv"_qs);
                file.setTriggerModeText(u"Alphabet_Both"_qs);
                for (int i = 0; i < 10 * version; ++i) {
                    core::CandidateLine line;
                    line.trigger = QString(QChar(u'A' + i));
                    line.candidates[0] = QStringLiteral("%1").arg(0x0410 + i, 4, 16, QLatin1Char('0')).toUpper();
                    file.lines().append(line);
                }
                return file.write(folder + u"/CandRussian.csv"_qs, error);
            }},
        {"symbol database", u"DBRussian.csv"_qs,
            [](const QString& folder, int version, QString* error) {
                core::SymbolDatabase database;
                database.setWritingSystem(u"ロシア語"_qs);
                database.setDisplayFont(u"Times New Roman"_qs);
                database.groups().append({1, u"文字"_qs});
                for (int i = 0; i < 10 * version; ++i) {
                    database.entries().append(
                        {1, QStringLiteral("%1").arg(0x0410 + i, 4, 16, QLatin1Char('0')).toUpper(),
                            u"CYRILLIC LETTER"_qs, u"キリル文字"_qs, u"0"_qs, u"備考"_qs});
                }
                return database.write(folder + u"/DBRussian.csv"_qs, error);
            }},
    };
    return files;
}

// A text with 〜 ‖ − ¢ £ ¬ that is stored in one of the program's files and read back.
struct Carrier {
    const char* name;
    std::function<QString(const QString& folder, const QString& text)> storeAndRead;
};

const std::vector<Carrier>& carriers()
{
    static const std::vector<Carrier> list{
        {"settings group name",
            [](const QString& folder, const QString& text) {
                core::Settings settings;
                settings.setText(SettingKey::LastGroup, text);
                settings.save(folder + u"/Pelinor_A.rng"_qs);
                core::Settings loaded;
                loaded.load(folder + u"/Pelinor_A.rng"_qs);
                return loaded.text(SettingKey::LastGroup);
            }},
        {"settings word book path",
            [](const QString& folder, const QString& text) {
                core::Settings settings;
                settings.setText(SettingKey::LastWB, u"/home/user/"_qs + text + u".utx"_qs);
                settings.save(folder + u"/Pelinor_A.rng"_qs);
                core::Settings loaded;
                loaded.load(folder + u"/Pelinor_A.rng"_qs);
                return loaded.text(SettingKey::LastWB).mid(11).chopped(4);
            }},
        {"GroupName.txt",
            [](const QString& folder, const QString& text) {
                core::writeGroupNameList(folder, {u"あいさつ"_qs, text});
                return core::readGroupNameList(folder).lines.value(1);
            }},
        {"FolList.txt",
            [](const QString& folder, const QString& text) {
                core::addFolderToList(folder, u"/home/user/"_qs + text);
                return core::readOrCreateFolderList(folder, QString(), QString()).folders.value(0).mid(11);
            }},
        {"candidate file's symbol database name",
            [](const QString& folder, const QString& text) {
                core::CandidateFile file;
                file.setSymbolDatabase(text + u".csv"_qs);
                file.setTriggerModeText(u"Alphabet_Both"_qs);
                file.write(folder + u"/Cand.csv"_qs);
                return core::CandidateFile::read(folder + u"/Cand.csv"_qs).symbolDatabase().chopped(4);
            }},
        {"symbol database note",
            [](const QString& folder, const QString& text) {
                core::SymbolDatabase database;
                database.setWritingSystem(u"ロシア語"_qs);
                database.entries().append({1, u"0410"_qs, u"A"_qs, u"ア"_qs, u"0"_qs, text});
                database.write(folder + u"/DB.csv"_qs);
                const core::SymbolDatabase read = core::SymbolDatabase::read(folder + u"/DB.csv"_qs);
                return read.entries().isEmpty() ? QString() : read.entries().at(0).note;
            }},
    };
    return list;
}

} // namespace

/// The program's files under a full disk and with characters that code page 932 lacks or changes.
class StoredFilesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorld> m_world;
    std::unique_ptr<ui::Workbench> m_bench;
    ui::TMainFrm* m_window = nullptr;

    void open(const std::function<QByteArray(const test::TestWorld&)>& settings = {})
    {
        m_bench.reset();
        m_world = std::make_unique<test::TestWorld>();
        if (settings)
            m_world->writeBytes(m_world->settingsFile(), settings(*m_world));
        m_world->apply();
        core::Folders folders(core::FolderRoots::fromEnvironment(QString()));
        folders.setUpFolders();
        m_bench = std::make_unique<ui::Workbench>(folders);
        m_window = &m_bench->window();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }

    static void addFileRows()
    {
        QTest::addColumn<int>("file");
        for (std::size_t i = 0; i < storedFiles().size(); ++i)
            QTest::newRow(storedFiles()[i].name) << int(i);
    }

    // With writing failing, the old file stays byte for byte and the message names it.
    static void expectFailedWriteKeepsTheFile(const StoredFile& file, const QString& folder)
    {
        const QString path = folder + u'/' + file.fileName;
        const QByteArray before = readFile(path);
        QVERIFY(!before.isEmpty());
        QString error;
        QVERIFY(!file.write(folder, 2, &error));
        QVERIFY2(error.contains(QDir::toNativeSeparators(path)), qPrintable(error));
        QCOMPARE(readFile(path), before);
    }

private Q_SLOTS:
    void cleanup()
    {
        m_bench.reset();
        core::setWriteLimitForTesting(-1);
    }

    void failedWriteKeepsEveryKindOfFile_data() { addFileRows(); }
    void failedWriteKeepsEveryKindOfFile()
    {
        QFETCH(int, file);
        const StoredFile& stored = storedFiles()[static_cast<std::size_t>(file)];
        for (const qint64 limit : {qint64(0), qint64(7), qint64(20)}) {
            test::TempWorld world;
            QString error;
            QVERIFY2(stored.write(world.path(), 1, &error), qPrintable(error));
            const WriteLimit full(limit);
            expectFailedWriteKeepsTheFile(stored, world.path());
            QCOMPARE(QDir(world.path()).entryList(QDir::Files).size(), 1); // no temporary file left
        }
    }

    void fullDiskKeepsEveryKindOfFile_data() { addFileRows(); }
    void fullDiskKeepsEveryKindOfFile()
    {
        QFETCH(int, file);
        const StoredFile& stored = storedFiles()[static_cast<std::size_t>(file)];
        test::SmallDisk disk;
        if (!disk.mounted())
            QSKIP(qPrintable(disk.reason()));
        QString error;
        QVERIFY2(stored.write(disk.path(), 1, &error), qPrintable(error));
        QVERIFY(disk.fill());
        expectFailedWriteKeepsTheFile(stored, disk.path());
        disk.release();
        QVERIFY2(stored.write(disk.path(), 2, &error), qPrintable(error));
    }

    void textsSurviveCodePage932Files_data()
    {
        QTest::addColumn<int>("carrier");
        QTest::addColumn<QString>("text");
        const QString texts[] = {u"〜"_qs, u"‖"_qs, u"−"_qs, u"¢"_qs, u"£"_qs, u"¬"_qs, u"10〜20日 −5 ¢£¬‖"_qs};
        for (std::size_t i = 0; i < carriers().size(); ++i) {
            for (const QString& text : texts)
                QTest::addRow("%s %s", carriers()[i].name, qPrintable(text)) << int(i) << text;
        }
    }
    void textsSurviveCodePage932Files()
    {
        QFETCH(int, carrier);
        QFETCH(QString, text);
        test::TempWorld world;
        QCOMPARE(carriers()[static_cast<std::size_t>(carrier)].storeAndRead(world.path(), text), text);
        // Nothing was written as "?".
        for (const QString& name : QDir(world.path()).entryList(QDir::Files))
            QVERIFY2(!readFile(world.path(name)).contains('?'), qPrintable(name));
    }

    void textsCodePage932HoldsStayInCodePage932_data()
    {
        QTest::addColumn<int>("carrier");
        for (std::size_t i = 0; i < carriers().size(); ++i)
            QTest::newRow(carriers()[i].name) << int(i);
    }
    void textsCodePage932HoldsStayInCodePage932()
    {
        QFETCH(int, carrier);
        test::TempWorld world;
        const QString text = u"～ ∥ － ￠ ￡ ￢ ｷﾞﾘｼｱ語"_qs;
        QCOMPARE(carriers()[static_cast<std::size_t>(carrier)].storeAndRead(world.path(), text), text);
        for (const QString& name : QDir(world.path()).entryList(QDir::Files))
            QVERIFY2(!readFile(world.path(name)).startsWith("\xEF\xBB\xBF"), qPrintable(name));
    }

    void f4WithTheDiskFullShowsAMessageAndTheBookKeepsEveryEntry()
    {
        open();
        ui::WordBookController* books = &m_bench->wordBooks();
        QVERIFY(books->openWordBook(QStringLiteral("あいさつ.utx")));
        const QString path = m_world->documentsFolder() + QStringLiteral("/bookA/あいさつ.utx");
        const QByteArray before = m_world->readBytes(path);
        const int rows = books->wordListModel()->rowCount();
        QVERIFY(rows > 0);
        test::child<QPlainTextEdit>(m_window, "ForeignArea")->setFocus();
        QTest::keyClicks(test::child<QPlainTextEdit>(m_window, "ForeignArea"), QStringLiteral("privet"));

        QString message;
        bool dialogStayed = false;
        test::whenModal(
            [&](QWidget* dialog) {
                test::answerMessage(QMessageBox::Yes, &message);
                QTest::keyClick(dialog, Qt::Key_F4); // "追加 (F4)"
                dialogStayed = dialog->isVisible();
                if (QWidget* modal = QApplication::activeModalWidget())
                    static_cast<QDialog*>(modal)->reject();
            },
            [](QWidget* modal) { return modal->objectName() == u"TRegFrm"_qs; });
        {
            const WriteLimit full(100);
            QTest::keyClick(m_window, Qt::Key_F4);
        }
        QVERIFY2(message.contains(QDir::toNativeSeparators(path)), qPrintable(message));
        QVERIFY(dialogStayed);
        QCOMPARE(m_world->readBytes(path), before);
        QCOMPARE(books->wordListModel()->rowCount(), rows);
    }

    // /dev/zero gives bytes without end and opening a pipe waits for a writer: start-up must go on all
    // the same and report both tables.
    void startUpWithTablesNamingADeviceAndAPipe()
    {
        test::MessageBoxCatcher catcher;
        QString pipe;
        open([&pipe](const test::TestWorld& world) {
            pipe = world.path(u"pipe.csv"_qs);
            ::mkfifo(QFile::encodeName(pipe).constData(), 0600);
            const QByteArray zero = "\"/dev/zero\"";
            return "RussianCandFile," + zero + "\r\nGaCandFile," + zero + "\r\nPhCandFile,\"" + QFile::encodeName(pipe)
                + "\"\r\n";
        });
        QTRY_VERIFY(!catcher.texts().isEmpty());
        const QString all = catcher.texts().join(u'\n');
        QVERIFY2(all.contains(u"/dev/zero"_qs), qPrintable(all));
        QVERIFY2(all.contains(QDir::toNativeSeparators(pipe)), qPrintable(all));
    }

    void closingWithTheDiskFullKeepsTheSettingsFile()
    {
        open();
        m_bench->settings().setInteger(SettingKey::InputMode, 4);
        QString error;
        QVERIFY2(m_bench->settings().save(m_world->settingsFile(), &error), qPrintable(error));
        const QByteArray before = m_world->readBytes(m_world->settingsFile());
        QVERIFY(!before.isEmpty());

        QString message;
        test::answerMessage(QMessageBox::Yes, &message);
        {
            const WriteLimit full(0);
            m_window->close();
        }
        QVERIFY2(message.contains(QDir::toNativeSeparators(m_world->settingsFile())), qPrintable(message));
        QCOMPARE(m_world->readBytes(m_world->settingsFile()), before);
    }
};

QTEST_MAIN(StoredFilesTest)
#include "storedfiles_test.moc"
