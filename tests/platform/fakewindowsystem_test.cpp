#include "platform/fake/fakeshellopener.h"
#include "platform/fake/fakewindowsystem.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QtTest>

using namespace pelinor;
using platform::FakeWindowSystem;
using platform::WindowHandle;

/// The scripted desktop that the transfer tests drive: it must behave like a desktop (activation moves the
/// front, refusals and closed windows fail) and record every activation and paste in order.
class FakeWindowSystemTest : public QObject {
    Q_OBJECT

    static constexpr WindowHandle writer = 11;
    static constexpr WindowHandle terminal = 12;
    static constexpr WindowHandle panel = 13;

    static void populate(FakeWindowSystem& system)
    {
        system.addWindow(writer, QStringLiteral("Документ 1 - Writer"), QStringLiteral("libreoffice-writer"));
        system.addWindow(terminal, QStringLiteral("user@host: ~"), QStringLiteral("kitty"));
        system.addWindow(panel, QStringLiteral("xfce4-panel"), QStringLiteral("Xfce4-panel"), true);
    }

private Q_SLOTS:
    void answersFromTheScript()
    {
        FakeWindowSystem system;
        populate(system);
        QVERIFY(system.available());
        QCOMPARE(system.foregroundWindow(), WindowHandle(0));
        system.setForegroundWindow(terminal);
        QCOMPARE(system.foregroundWindow(), terminal);
        QCOMPARE(system.windowTitle(writer), QStringLiteral("Документ 1 - Writer"));
        QCOMPARE(system.windowClass(terminal), QStringLiteral("kitty"));
        QVERIFY(!system.isExcludedTarget(writer));
        QVERIFY(system.isExcludedTarget(panel));
        QVERIFY(system.isExcludedTarget(99));
        system.setWindowTitle(writer, QStringLiteral("Документ 2 - Writer"));
        QCOMPARE(system.windowTitle(writer), QStringLiteral("Документ 2 - Writer"));
        QVERIFY(system.calls().isEmpty());
    }

    void recordsActivationsAndPastesInOrder()
    {
        FakeWindowSystem system;
        populate(system);
        system.setForegroundWindow(terminal);

        QVERIFY(system.activateWindow(writer));
        QCOMPARE(system.foregroundWindow(), writer);
        QVERIFY(system.sendPaste(writer));

        system.setActivationRefused(terminal, true);
        QVERIFY(!system.activateWindow(terminal));
        QCOMPARE(system.foregroundWindow(), writer);
        system.setActivationRefused(terminal, false);
        QVERIFY(system.activateWindow(terminal));
        QVERIFY(system.sendPaste(terminal));

        system.closeWindow(writer);
        QVERIFY(!system.windowExists(writer));
        QVERIFY(!system.activateWindow(writer));

        system.setAllActivationsRefused(true);
        QVERIFY(!system.activateWindow(terminal));

        const QStringList expected{
            QStringLiteral("activate 11 ok"),
            QStringLiteral("paste 11 Ctrl+V"),
            QStringLiteral("activate 12 refused"),
            QStringLiteral("activate 12 ok"),
            QStringLiteral("paste 12 Ctrl+Shift+V"),
            QStringLiteral("activate 11 refused"),
            QStringLiteral("activate 12 refused"),
        };
        QCOMPARE(system.log(), expected);
        QCOMPARE(system.calls().at(1),
            (FakeWindowSystem::Call{
                FakeWindowSystem::Call::Kind::Paste, writer, true, platform::PasteChord::CtrlV, {}}));
        system.clearCalls();
        QVERIFY(system.log().isEmpty());
    }

    void pasteRecordsTheChordAndThePrimarySelectionByWindowClass_data()
    {
        QTest::addColumn<QString>("windowClass");
        QTest::addColumn<QString>("paste");
        const QString text = QStringLiteral("привет");
        QTest::newRow("word processor") << QStringLiteral("libreoffice-writer") << QStringLiteral("paste 21 Ctrl+V");
        QTest::newRow("unknown class") << QString() << QStringLiteral("paste 21 Ctrl+V");
        QTest::newRow("VTE terminal") << QStringLiteral("Lxterminal") << QStringLiteral("paste 21 Ctrl+Shift+V");
        QTest::newRow("konsole") << QStringLiteral("konsole") << QStringLiteral("paste 21 Ctrl+Shift+V");
        QTest::newRow("xterm") << QStringLiteral("XTerm") << QStringLiteral("paste 21 Shift+Insert PRIMARY=") + text;
        QTest::newRow("rxvt-unicode") << QStringLiteral("URxvt")
                                      << QStringLiteral("paste 21 Shift+Insert PRIMARY=") + text;
    }

    void pasteRecordsTheChordAndThePrimarySelectionByWindowClass()
    {
        QFETCH(QString, windowClass);
        QFETCH(QString, paste);
        FakeWindowSystem system;
        const WindowHandle window = system.addWindow(21, QStringLiteral("target"), windowClass);
        QGuiApplication::clipboard()->setText(QStringLiteral("привет"));
        QVERIFY(system.sendPaste(window));
        QCOMPARE(system.log(), QStringList{paste});
    }

    void closingTheFrontWindowLeavesNoneInFront()
    {
        FakeWindowSystem system;
        populate(system);
        system.setForegroundWindow(writer);
        system.closeWindow(writer);
        QCOMPARE(system.foregroundWindow(), WindowHandle(0));
        system.setForegroundWindow(writer);
        QCOMPARE(system.foregroundWindow(), WindowHandle(0));
    }

    void unavailableDesktopAnswersNothingAndFailsEveryCall()
    {
        FakeWindowSystem system;
        populate(system);
        system.setForegroundWindow(writer);
        system.setAvailable(false, QStringLiteral("no X11 display"));
        QCOMPARE(system.unavailableReason(), QStringLiteral("no X11 display"));
        QCOMPARE(system.foregroundWindow(), WindowHandle(0));
        QVERIFY(system.windowTitle(writer).isEmpty());
        QVERIFY(!system.activateWindow(writer));
        QVERIFY(!system.sendPaste(writer));
        QCOMPARE(system.log(), (QStringList{QStringLiteral("activate 11 refused"), QStringLiteral("paste 11 failed")}));
    }

    void applicationActivationIsSignalledOncePerChange()
    {
        FakeWindowSystem system;
        QSignalSpy spy(&system, &platform::WindowSystem::applicationActiveChanged);
        QVERIFY(system.isApplicationActive());
        system.setApplicationActive(true);
        system.setApplicationActive(false);
        system.setApplicationActive(false);
        system.setApplicationActive(true);
        QCOMPARE(spy.size(), 2);
        QCOMPARE(spy.at(0).at(0).toBool(), false);
        QCOMPARE(spy.at(1).at(0).toBool(), true);
        QVERIFY(system.isApplicationActive());
    }

    void shellOpenerRecordsEveryFile()
    {
        platform::FakeShellOpener opener;
        QVERIFY(opener.openFile(QStringLiteral("/data/Help/Pelinor.html")));
        opener.setSucceeds(false);
        QVERIFY(!opener.openFile(QStringLiteral("/data/snd/привет.wav")));
        QCOMPARE(opener.openedFiles(),
            (QStringList{QStringLiteral("/data/Help/Pelinor.html"), QStringLiteral("/data/snd/привет.wav")}));
    }
};

QTEST_MAIN(FakeWindowSystemTest)
#include "fakewindowsystem_test.moc"
