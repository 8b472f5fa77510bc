#pragma once

#include <QApplication>
#include <QByteArray>
#include <QDeadlineTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QThread>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <sys/prctl.h>

namespace pelinor::test {

/// A private X server (Xvfb) with a window manager (openbox) for the tests that need real windows:
/// frames, the foreground window, key delivery. Start it before the QApplication exists; it sets
/// DISPLAY and selects the xcb platform for this process.
class XServer {
public:
    XServer() = default;
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;
    ~XServer() { stop(); }

    /// Starts Xvfb on a free display and openbox on it; returns false with `error` set on failure.
    bool start(QString* error, const QString& screen = QStringLiteral("1280x1024x24"))
    {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        const QString openbox = QStandardPaths::findExecutable(QStringLiteral("openbox"));
        if (xvfb.isEmpty() || openbox.isEmpty()) {
            *error = QStringLiteral("Xvfb and openbox are needed (scripts/dev.sh installs them)");
            return false;
        }
        // The server and the window manager end with this test program, also when it ends without unwinding
        // (a ctest timeout, a crash, or QtTest options such as -functions that exit at once): left running,
        // they would hold a display of a shared machine.
        for (QProcess* p : {&m_server, &m_windowManager})
            p->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        // -displayfd 1: Xvfb picks a free display and writes its number to standard output when ready.
        m_server.setProgram(xvfb);
        m_server.setArguments({QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
            QStringLiteral("0"), screen, QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        m_server.start();
        QByteArray number;
        const QDeadlineTimer deadline(15000);
        while (!number.contains('\n') && !deadline.hasExpired() && m_server.state() != QProcess::NotRunning) {
            m_server.waitForReadyRead(200);
            number += m_server.readAllStandardOutput();
        }
        if (!number.contains('\n')) {
            *error = QStringLiteral("Xvfb did not start: ") + QString::fromLocal8Bit(m_server.readAllStandardError());
            return false;
        }
        m_display = QStringLiteral(":") + QString::fromLatin1(number.trimmed());
        qputenv("DISPLAY", m_display.toLocal8Bit());
        qputenv("QT_QPA_PLATFORM", "xcb");

        m_windowManager.setProgram(openbox);
        m_windowManager.setArguments({QStringLiteral("--sm-disable")});
        m_windowManager.start();
        if (!waitForWindowManager()) {
            *error = QStringLiteral("openbox did not take the display");
            return false;
        }
        return true;
    }

    void stop()
    {
        for (QProcess* p : {&m_windowManager, &m_server}) {
            if (p->state() != QProcess::NotRunning) {
                p->terminate();
                if (!p->waitForFinished(3000))
                    p->kill();
                p->waitForFinished(3000);
            }
        }
    }

    QString display() const { return m_display; }

private:
    bool waitForWindowManager()
    {
        const QString xprop = QStandardPaths::findExecutable(QStringLiteral("xprop"));
        const QDeadlineTimer deadline(15000);
        while (!deadline.hasExpired()) {
            if (xprop.isEmpty()) {
                QThread::msleep(1500);
                return m_windowManager.state() == QProcess::Running;
            }
            QProcess probe;
            probe.start(xprop, {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
            probe.waitForFinished(3000);
            if (probe.readAllStandardOutput().contains("window id"))
                return true;
            QThread::msleep(100);
        }
        return false;
    }

    QProcess m_server;
    QProcess m_windowManager;
    QString m_display;
};

/// The main() of a test that needs real windows: starts the X server, then the application, then runs the
/// test object `Test`. `applicationName` names the class part of WM_CLASS of the test's own windows.
template <typename Test> int runOnXServer(int argc, char** argv, const QString& applicationName = QString())
{
    XServer server;
    QString error;
    if (!server.start(&error)) {
        std::fprintf(stderr, "FAIL: %s\n", qPrintable(error));
        return 1;
    }
    if (!applicationName.isEmpty())
        QCoreApplication::setApplicationName(applicationName);
    QApplication app(argc, argv);
    Test test;
    return QTest::qExec(&test, argc, argv);
}

} // namespace pelinor::test
