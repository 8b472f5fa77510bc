#include "platform/windowsystem.h"
#include "support/pastetargetprocess.h"
#include "support/xserver.h"

#ifdef PELINOR_PLATFORM_X11
#include "platform/x11/x11windowsystem.h"

#include <xcb/xcb.h>
#endif

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

using namespace pelinor;
using platform::WindowHandle;

namespace {

using PasteTarget = test::PasteTargetProcess;

/// Replaces the window's _NET_WM_WINDOW_TYPE list (empty: removes it), on Qt's own connection.
bool setWindowTypes(WId window, const QStringList& types)
{
#ifdef PELINOR_PLATFORM_X11
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return false;
    const auto intern = [connection](const QString& name) {
        const QByteArray bytes = name.toLatin1();
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, static_cast<quint16>(bytes.size()), bytes.constData()), nullptr);
        const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        std::free(reply);
        return atom;
    };
    const auto xcbWindow = static_cast<xcb_window_t>(window);
    const xcb_atom_t property = intern(QStringLiteral("_NET_WM_WINDOW_TYPE"));
    QList<xcb_atom_t> atoms;
    for (const QString& type : types)
        atoms.append(intern(type));
    const xcb_void_cookie_t cookie = atoms.isEmpty()
        ? xcb_delete_property_checked(connection, xcbWindow, property)
        : xcb_change_property_checked(connection, XCB_PROP_MODE_REPLACE, xcbWindow, property, XCB_ATOM_ATOM, 32,
            static_cast<quint32>(atoms.size()), atoms.constData());
    xcb_generic_error_t* error = xcb_request_check(connection, cookie);
    std::free(error);
    return error == nullptr;
#else
    Q_UNUSED(window);
    Q_UNUSED(types);
    return false;
#endif
}

} // namespace

/// The X11 backend against a real X server with a window manager (Xvfb + openbox): windows of this process and
/// of another one, their titles and classes, activation through the window manager, and a real paste.
class X11WindowSystemTest : public QObject {
    Q_OBJECT

    std::unique_ptr<platform::WindowSystem> m_system;
    std::unique_ptr<QLineEdit> m_own;
    PasteTarget m_other;

    const QString m_ownTitle = QStringLiteral("Pelinor テスト — Ωμέγα");
    const QString m_otherTitle = QStringLiteral("Приёмник　受け取り");

private Q_SLOTS:
    void initTestCase()
    {
#ifndef PELINOR_PLATFORM_X11
        QSKIP("built without the X11 backend");
#else
        m_system = platform::createWindowSystem();
        QVERIFY(m_system);
        QVERIFY2(m_system->available(), qPrintable(m_system->unavailableReason()));
        QVERIFY(m_system->unavailableReason().isEmpty());
        auto* x11 = qobject_cast<platform::X11WindowSystem*>(m_system.get());
        QVERIFY2(x11, "on an X display the factory gives the X11 backend");
        QVERIFY2(x11->hasXTest(), "Xvfb offers XTEST");

        m_own = std::make_unique<QLineEdit>();
        m_own->setWindowTitle(m_ownTitle);
        m_own->resize(300, 40);
        m_own->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_own.get()));
        QVERIFY2(m_other.start(m_otherTitle, QStringLiteral("PelinorPasteTarget")), "the paste target program starts");
#endif
    }

    void cleanupTestCase()
    {
        m_other.stop();
        m_own.reset();
        m_system.reset();
    }

    void readsTitleAndClass_data()
    {
        QTest::addColumn<bool>("ownWindow");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("windowClass");
        QTest::newRow("window of this program") << true << m_ownTitle << QStringLiteral("PelinorPlatformTest");
        QTest::newRow("window of another program") << false << m_otherTitle << QStringLiteral("PelinorPasteTarget");
    }

    void readsTitleAndClass()
    {
        QFETCH(bool, ownWindow);
        QFETCH(QString, title);
        QFETCH(QString, windowClass);
        const WindowHandle window = ownWindow ? m_own->winId() : m_other.window();
        QVERIFY(m_system->windowExists(window));
        QCOMPARE(m_system->windowTitle(window), title);
        QCOMPARE(m_system->windowClass(window), windowClass);
        QVERIFY(!m_system->isExcludedTarget(window));
    }

    void titleFollowsARename()
    {
        const QString renamed = QStringLiteral("Документ 1 - Writer");
        m_own->setWindowTitle(renamed);
        QTRY_COMPARE(m_system->windowTitle(m_own->winId()), renamed);
        m_own->setWindowTitle(m_ownTitle);
        QTRY_COMPARE(m_system->windowTitle(m_own->winId()), m_ownTitle);
    }

    void activationBringsEitherWindowToTheFront()
    {
        QSignalSpy activeChanges(m_system.get(), &platform::WindowSystem::applicationActiveChanged);

        QVERIFY(m_system->activateWindow(m_own->winId()));
        QCOMPARE(m_system->foregroundWindow(), WindowHandle(m_own->winId()));
        QTRY_VERIFY(m_system->isApplicationActive());

        activeChanges.clear();
        QVERIFY(m_system->activateWindow(m_other.window()));
        QCOMPARE(m_system->foregroundWindow(), m_other.window());
        QTRY_VERIFY(!activeChanges.isEmpty());
        QCOMPARE(activeChanges.last().at(0).toBool(), false);
        QVERIFY(!m_system->isApplicationActive());

        activeChanges.clear();
        QVERIFY(m_system->activateWindow(m_own->winId()));
        QCOMPARE(m_system->foregroundWindow(), WindowHandle(m_own->winId()));
        QTRY_VERIFY(!activeChanges.isEmpty());
        QCOMPARE(activeChanges.last().at(0).toBool(), true);

        // Asking for the window that is already in front succeeds too.
        QVERIFY(m_system->activateWindow(m_own->winId()));
    }

    void pasteDeliversTheClipboardToAnotherProgram()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("да"));
        QVERIFY(m_system->activateWindow(m_other.window()));
        QVERIFY(m_system->sendPaste(m_other.window()));
        QCOMPARE(m_other.waitForLineStartingWith(QStringLiteral("chord ")), QStringLiteral("chord Ctrl+V"));
        QCOMPARE(m_other.waitForLineStartingWith(QStringLiteral("text ")), QStringLiteral("text да"));
        // Exactly one paste arrived.
        QTest::qWait(200);
        QCOMPARE(m_other.lines().filter(QStringLiteral("chord ")).size(), 1);
    }

    void terminalWindowsGetTheirOwnChord_data()
    {
        QTest::addColumn<QString>("instance");
        QTest::addColumn<QString>("windowClass");
        QTest::addColumn<QString>("chord");
        QTest::addColumn<bool>("primary"); // whether the PRIMARY selection is given the clipboard's text
        QTest::newRow("VTE terminal") << QStringLiteral("lxterminal") << QStringLiteral("Lxterminal")
                                      << QStringLiteral("chord Ctrl+Shift+V") << false;
        QTest::newRow("xterm") << QStringLiteral("xterm") << QStringLiteral("XTerm")
                               << QStringLiteral("chord Shift+Insert") << true;
        QTest::newRow("rxvt-unicode") << QStringLiteral("urxvt") << QStringLiteral("URxvt")
                                      << QStringLiteral("chord Shift+Insert") << true;
    }

    void terminalWindowsGetTheirOwnChord()
    {
        QFETCH(QString, instance);
        QFETCH(QString, windowClass);
        QFETCH(QString, chord);
        QFETCH(bool, primary);
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText(QStringLiteral("primary before"), QClipboard::Selection);
        clipboard->setText(QStringLiteral("привет"));

        PasteTarget terminal;
        QVERIFY(terminal.start(QStringLiteral("user@host: ~"), windowClass, instance));
        QCOMPARE(m_system->windowClass(terminal.window()), windowClass);
        QVERIFY(m_system->activateWindow(terminal.window()));
        QVERIFY(m_system->sendPaste(terminal.window()));
        QCOMPARE(terminal.waitForLineStartingWith(QStringLiteral("chord ")), chord);
        QCOMPARE(clipboard->text(QClipboard::Selection),
            primary ? QStringLiteral("привет") : QStringLiteral("primary before"));
        QCOMPARE(clipboard->text(), QStringLiteral("привет"));
    }

    // A real xterm, as Debian ships it, with `cat` writing what the terminal receives into a file.
    void xtermReceivesTheText()
    {
        const QString xterm = QStandardPaths::findExecutable(QStringLiteral("xterm"));
        QVERIFY2(!xterm.isEmpty(), "xterm is needed (Debian package xterm, scripts/dev.sh installs it)");
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString received = folder.filePath(QStringLiteral("received"));
        const QString ready = folder.filePath(QStringLiteral("ready"));

        QProcess terminal;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        terminal.setProcessEnvironment(environment);
        // Without canonical input, cat gets each byte as it arrives rather than only after a Return.
        terminal.start(xterm,
            {QStringLiteral("-u8"), QStringLiteral("-title"), QStringLiteral("xterm cat"), QStringLiteral("-e"),
                QStringLiteral("sh"), QStringLiteral("-c"),
                QStringLiteral("stty -icanon; : > \"$1\"; exec cat > \"$0\""), received, ready});
        QVERIFY2(terminal.waitForStarted(10000), qPrintable(terminal.errorString()));
        const auto stop = qScopeGuard([&terminal] {
            terminal.kill();
            terminal.waitForFinished(5000);
        });

        // The window manager puts the new window in front.
        WindowHandle window = 0;
        QVERIFY(QTest::qWaitFor(
            [&] {
                const WindowHandle front = m_system->foregroundWindow();
                if (front != 0 && m_system->windowClass(front) == QStringLiteral("XTerm"))
                    window = front;
                return window != 0 && QFileInfo::exists(ready);
            },
            15000));

        QGuiApplication::clipboard()->setText(QStringLiteral("привет"));
        QVERIFY(m_system->activateWindow(window));
        QVERIFY(m_system->sendPaste(window));

        const QByteArray expected = QStringLiteral("привет").toUtf8();
        QByteArray content;
        const bool arrived = QTest::qWaitFor(
            [&] {
                QFile file(received);
                content = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
                return content.size() >= expected.size();
            },
            10000);
        QVERIFY2(arrived, ("the terminal received " + content.toHex(' ')).constData());
        QCOMPARE(content, expected);
    }

    void desktopAndDockWindowsAreExcluded_data()
    {
        QTest::addColumn<QString>("windowType");
        QTest::addColumn<bool>("excluded");
        QTest::newRow("no type") << QString() << false;
        QTest::newRow("normal") << QStringLiteral("_NET_WM_WINDOW_TYPE_NORMAL") << false;
        QTest::newRow("dialog") << QStringLiteral("_NET_WM_WINDOW_TYPE_DIALOG") << false;
        QTest::newRow("desktop") << QStringLiteral("_NET_WM_WINDOW_TYPE_DESKTOP") << true;
        QTest::newRow("dock (panels)") << QStringLiteral("_NET_WM_WINDOW_TYPE_DOCK") << true;
        QTest::newRow("dock among others")
            << QStringLiteral("_NET_WM_WINDOW_TYPE_NORMAL,_NET_WM_WINDOW_TYPE_DOCK") << true;
    }

    void desktopAndDockWindowsAreExcluded()
    {
        QFETCH(QString, windowType);
        QFETCH(bool, excluded);
        QWidget window;
        QVERIFY(setWindowTypes(window.winId(), windowType.split(QLatin1Char(','), Qt::SkipEmptyParts)));
        QCOMPARE(m_system->isExcludedTarget(window.winId()), excluded);
    }

    void theDesktopItselfIsExcluded()
    {
#ifdef PELINOR_PLATFORM_X11
        const auto* x11 = qobject_cast<platform::X11WindowSystem*>(m_system.get());
        QVERIFY(m_system->isExcludedTarget(x11->rootWindow()));
#endif
        QVERIFY(m_system->isExcludedTarget(0));
    }

    void activationFailsForWindowsThatCannotComeToTheFront()
    {
        QVERIFY(m_system->activateWindow(m_own->winId()));

        // Never shown: the window manager does not manage it and ignores the request.
        QWidget withdrawn;
        withdrawn.setWindowTitle(QStringLiteral("withdrawn"));
        QVERIFY(m_system->windowExists(withdrawn.winId()));
        QVERIFY(!m_system->activateWindow(withdrawn.winId()));
        QCOMPARE(m_system->foregroundWindow(), WindowHandle(m_own->winId()));

        // Closed: its program ended.
        PasteTarget gone;
        QVERIFY(gone.start(QStringLiteral("Closed soon"), QStringLiteral("PelinorPasteTarget")));
        const WindowHandle window = gone.window();
        QVERIFY(m_system->windowExists(window));
        gone.stop();
        QTRY_VERIFY(!m_system->windowExists(window));
        QVERIFY(!m_system->activateWindow(window));
        QVERIFY(m_system->windowTitle(window).isEmpty());
        QVERIFY(m_system->windowClass(window).isEmpty());
        QVERIFY(m_system->isExcludedTarget(window));

        // Not a window id at all.
        QVERIFY(!m_system->activateWindow(0));
        QVERIFY(!m_system->activateWindow(WindowHandle(1) << 40));
        QVERIFY(!m_system->windowExists(WindowHandle(1) << 40));
    }

    void withoutAWindowManagerTheFocusDecides()
    {
#ifdef PELINOR_PLATFORM_X11
        // A second X server of our own, with no window manager at all; only the properties a window manager
        // that died would leave behind.
        QProcess server;
        server.start(QStringLiteral("Xvfb"),
            {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        QByteArray number;
        QDeadlineTimer started(15000);
        while (!number.contains('\n') && !started.hasExpired() && server.state() != QProcess::NotRunning) {
            server.waitForReadyRead(200);
            number += server.readAllStandardOutput();
        }
        QVERIFY2(number.contains('\n'), "a bare Xvfb starts");
        const QByteArray display = ':' + number.trimmed();
        int screenNumber = 0;
        xcb_connection_t* connection = xcb_connect(display.constData(), &screenNumber);
        QVERIFY(!xcb_connection_has_error(connection));
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
        // A round trip: everything sent before has been handled by the server.
        const auto sync = [connection] {
            std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
        };

        const auto createWindow = [&](xcb_window_t parent, const QByteArray& latin1Name, bool map) {
            const xcb_window_t window = xcb_generate_id(connection);
            xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, parent, 0, 0, 200, 100, 0,
                XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
            xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                static_cast<quint32>(latin1Name.size()), latin1Name.constData());
            if (map)
                xcb_map_window(connection, window);
            return window;
        };
        const xcb_window_t first = createWindow(screen->root, QByteArray("Caf\xe9"), true);
        const xcb_window_t second = createWindow(screen->root, QByteArray("second"), true);
        const xcb_window_t inner = createWindow(second, QByteArray("inner"), true);
        const xcb_window_t unmapped = createWindow(screen->root, QByteArray("unmapped"), false);

        // Stale EWMH properties: the check window does not name itself, so no window manager is alive.
        const auto intern = [connection](const char* name) {
            xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
                connection, xcb_intern_atom(connection, 0, static_cast<quint16>(std::strlen(name)), name), nullptr);
            const xcb_atom_t atom = reply->atom;
            std::free(reply);
            return atom;
        };
        const xcb_atom_t activeWindow = intern("_NET_ACTIVE_WINDOW");
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, screen->root, intern("_NET_SUPPORTED"), XCB_ATOM_ATOM,
            32, 1, &activeWindow);
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, screen->root, intern("_NET_SUPPORTING_WM_CHECK"),
            XCB_ATOM_WINDOW, 32, 1, &first);
        xcb_change_property(
            connection, XCB_PROP_MODE_REPLACE, screen->root, activeWindow, XCB_ATOM_WINDOW, 32, 1, &unmapped);
        sync();

        {
            platform::X11WindowSystem system(connection, screenNumber);
            system.setActivationTimeout(std::chrono::milliseconds(300));
            QVERIFY(system.available());
            QCOMPARE(system.windowTitle(first), QStringLiteral("Café"));

            QVERIFY(system.activateWindow(first));
            QCOMPARE(system.foregroundWindow(), WindowHandle(first));
            QVERIFY(system.activateWindow(second));
            QCOMPARE(system.foregroundWindow(), WindowHandle(second));

            // The focus on a child window means its top-level window.
            xcb_set_input_focus(connection, XCB_INPUT_FOCUS_PARENT, inner, XCB_CURRENT_TIME);
            sync();
            QCOMPARE(system.foregroundWindow(), WindowHandle(second));

            // An unmapped window cannot take the focus.
            QVERIFY(!system.activateWindow(unmapped));
            QCOMPARE(system.foregroundWindow(), WindowHandle(second));

            // Focus on nothing: no foreground window.
            xcb_set_input_focus(connection, XCB_INPUT_FOCUS_NONE, XCB_NONE, XCB_CURRENT_TIME);
            sync();
            QCOMPARE(system.foregroundWindow(), WindowHandle(0));
        }
        xcb_disconnect(connection);
        server.terminate();
        server.waitForFinished(5000);
#endif
    }
};

int main(int argc, char** argv)
{
    // The class part of WM_CLASS of this program's windows.
    return test::runOnXServer<X11WindowSystemTest>(argc, argv, QStringLiteral("PelinorPlatformTest"));
}

#include "x11windowsystem_test.moc"
