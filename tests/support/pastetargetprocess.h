#pragma once

#include "platform/windowsystem.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QStringList>
#include <QtTest>

namespace pelinor::test {

/// The other program (tests/platform/helpers/pastetarget.cpp): a text field in a process of its own that prints
/// "window <id>" once shown, "chord Ctrl+V" for every paste chord it receives and "text <text>" on every change.
/// Every line is kept, so a case can look at exactly what arrived after a mark.
class PasteTargetProcess {
public:
    PasteTargetProcess() = default;
    PasteTargetProcess(const PasteTargetProcess&) = delete;
    PasteTargetProcess& operator=(const PasteTargetProcess&) = delete;
    ~PasteTargetProcess() { stop(); }

    /// Starts the program with that window title and WM_CLASS (and instance name, when given); true once its
    /// window is shown.
    bool start(const QString& title, const QString& windowClass = QStringLiteral("Receiver"),
        const QString& instance = QString())
    {
#ifdef PELINOR_PASTE_TARGET
        QStringList arguments{QStringLiteral("--title"), title, QStringLiteral("--class"), windowClass};
        if (!instance.isEmpty())
            arguments << QStringLiteral("-name") << instance;
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral(PELINOR_PASTE_TARGET), arguments);
        if (!m_process.waitForStarted(10000))
            return false;
        m_window = waitForLineStartingWith(QStringLiteral("window ")).mid(7).toULongLong();
        return m_window != 0;
#else
        Q_UNUSED(title);
        Q_UNUSED(windowClass);
        Q_UNUSED(instance);
        return false;
#endif
    }

    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.kill();
        m_process.waitForFinished(5000);
    }

    platform::WindowHandle window() const
    {
        return m_window;
    }
    /// The number of lines received so far.
    qsizetype mark()
    {
        readLines();
        return m_lines.size();
    }

    /// What the field holds by the last "text" line received; empty before any.
    QString lastText()
    {
        readLines();
        for (qsizetype i = m_lines.size() - 1; i >= 0; --i) {
            if (m_lines.at(i).startsWith(QStringLiteral("text ")))
                return m_lines.at(i).mid(5);
        }
        return {};
    }

    /// Every line received so far.
    QStringList lines()
    {
        readLines();
        return m_lines;
    }

    /// Waits, serving this process's events (the clipboard among them), for a line that starts with `prefix`
    /// and returns the first such line; empty if none came.
    QString waitForLineStartingWith(const QString& prefix, int timeoutMs = 10000)
    {
        if (!waitForLine(0, prefix, timeoutMs))
            return {};
        for (const QString& line : std::as_const(m_lines)) {
            if (line.startsWith(prefix))
                return line;
        }
        return {};
    }

    /// The lines received after `mark`.
    QStringList linesSince(qsizetype mark)
    {
        readLines();
        return m_lines.mid(mark);
    }

    /// Waits, serving this process's events (the clipboard among them), for a line after `mark` that starts
    /// with `prefix`.
    bool waitForLine(qsizetype mark, const QString& prefix, int timeoutMs = 10000)
    {
        const QDeadlineTimer deadline(timeoutMs);
        for (;;) {
            readLines();
            for (qsizetype i = mark; i < m_lines.size(); ++i) {
                if (m_lines.at(i).startsWith(prefix))
                    return true;
            }
            if (deadline.hasExpired() || m_process.state() == QProcess::NotRunning)
                return false;
            QTest::qWait(10);
        }
    }

private:
    void readLines()
    {
        m_pending += m_process.readAllStandardOutput();
        qsizetype end = 0;
        while ((end = m_pending.indexOf('\n')) >= 0) {
            m_lines.append(QString::fromUtf8(m_pending.left(end)));
            m_pending.remove(0, end + 1);
        }
    }

    QProcess m_process;
    QByteArray m_pending;
    QStringList m_lines;
    platform::WindowHandle m_window = 0;
};

} // namespace pelinor::test
