#include "platform/singleinstance.h"
#include "support/testworld.h"

#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

using namespace pelinor;

/// Starts the real program in a private world and checks that only one copy runs per user.
class SingleInstanceTest : public QObject {
    Q_OBJECT

    static QString program() { return QStringLiteral(PELINOR_TEST_BINARY_DIR "/bin/pelinor"); }

    static void startFirst(QProcess& process, const test::TestWorld& world)
    {
        QProcessEnvironment env = world.environment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(env);
        process.start(program(), {});
        QVERIFY(process.waitForStarted());
        // The marker is written while the main window is created: the lock is held by then.
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(world.systemFolder() + QStringLiteral("/Leaf360.txt")), 20000);
    }

private Q_SLOTS:
    void secondStartEndsAtOnceWhileTheFirstRuns()
    {
        test::TestWorld world;
        QProcess first;
        startFirst(first, world);

        QProcess second;
        second.setProcessEnvironment(world.environment());
        second.start(program(), {});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);

        first.kill();
        first.waitForFinished();
    }

    void killedFirstCopyDoesNotBlockTheNextStart()
    {
        test::TestWorld world;
        QProcess first;
        startFirst(first, world);
        first.kill(); // SIGKILL: no chance to release the lock
        QVERIFY(first.waitForFinished());

        QProcess next;
        QProcessEnvironment env = world.environment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        next.setProcessEnvironment(env);
        next.start(program(), {});
        QVERIFY(next.waitForStarted());
        QVERIFY(!next.waitForFinished(3000)); // still running: it took over the lock
        next.kill();
        next.waitForFinished();
    }

    // Without starting programs: the guard against a copy that holds the lock, against an older version
    // that holds it with QLockFile, and after the holder let go.
    void lockHoldsAgainstOtherHoldersUntilReleased()
    {
        QTemporaryDir dir;
        const QString name = QStringLiteral("guard");
        platform::SingleInstance first(name, dir.path());
        QVERIFY(first.tryAcquire());
        QVERIFY(first.tryAcquire()); // held already
        platform::SingleInstance second(name, dir.path());
        QVERIFY(!second.tryAcquire());
        first.release();
        QVERIFY(second.tryAcquire());
        second.release();

        // The file names the holder, and only it, whatever a longer text of an earlier holder held.
        platform::SingleInstance stale(QStringLiteral("stale"), dir.path());
        QFile staleFile(stale.lockFilePath());
        QVERIFY(staleFile.open(QIODevice::WriteOnly));
        staleFile.write(QByteArray(300, 'x'));
        staleFile.close();
        QVERIFY(stale.tryAcquire());
        QVERIFY(staleFile.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = staleFile.readAll().split('\n');
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines.at(0), QByteArray::number(QCoreApplication::applicationPid()));
        QVERIFY(lines.at(3).isEmpty());
        staleFile.close();
        stale.release();

        platform::SingleInstance third(QStringLiteral("older"), dir.path());
        QLockFile older(third.lockFilePath());
        QVERIFY(older.tryLock(0));
        QVERIFY(!third.tryAcquire());
        older.unlock();
        QVERIFY(third.tryAcquire());
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "singleinstance_test.moc"
