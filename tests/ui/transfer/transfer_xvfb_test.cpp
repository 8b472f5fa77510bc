#include "core/app/folders.h"
#include "core/app/settings.h"
#include "platform/windowsystem.h"
#include "support/tempworld.h"
#include "support/xserver.h"
#include "ui/transfer/transfercontroller.h"
#include "ui/transfer/transferindicator.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QVBoxLayout>
#include <QtTest>

#include <cstdio>
#include <memory>

using namespace pelinor;
using platform::WindowHandle;

namespace {

/// The other program (tests/platform/helpers/pastetarget.cpp): a text field in a process of its own that prints
/// "window <id>" once shown and "text <text>" on every change.
class PasteTarget {
public:
    ~PasteTarget()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    bool start(const QString& title)
    {
#ifdef PELINOR_PASTE_TARGET
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral(PELINOR_PASTE_TARGET),
                        {QStringLiteral("--title"), title, QStringLiteral("--class"), QStringLiteral("Receiver")});
        if (!m_process.waitForStarted(10000))
            return false;
        m_window = waitForLineStartingWith(QStringLiteral("window ")).mid(7).toULongLong();
        return m_window != 0;
#else
        Q_UNUSED(title);
        return false;
#endif
    }

    WindowHandle window() const { return m_window; }

    /// Waits, serving this process's events (the clipboard among them), for a line that starts with `prefix`.
    QString waitForLineStartingWith(const QString& prefix, int timeoutMs = 10000)
    {
        const QDeadlineTimer deadline(timeoutMs);
        for (;;) {
            m_pending += m_process.readAllStandardOutput();
            qsizetype end;
            while ((end = m_pending.indexOf('\n')) >= 0) {
                m_lines.append(QString::fromUtf8(m_pending.left(end)));
                m_pending.remove(0, end + 1);
            }
            for (const QString& line : std::as_const(m_lines)) {
                if (line.startsWith(prefix))
                    return line;
            }
            if (deadline.hasExpired() || m_process.state() == QProcess::NotRunning)
                return {};
            QTest::qWait(20);
        }
    }

private:
    QProcess m_process;
    QByteArray m_pending;
    QStringList m_lines;
    WindowHandle m_window = 0;
};

} // namespace

/// The whole road on a real X server: another program is in front, the user comes back, types and transfers, and
/// the text arrives in the other program's field.
class TransferXvfbTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void transferredTextArrivesInTheTarget()
    {
        const std::unique_ptr<platform::WindowSystem> system = platform::createWindowSystem();
        QVERIFY2(system->available(), qPrintable(system->unavailableReason()));

        test::TempWorld world;
        core::Settings settings;
        settings.setInteger(core::SettingKey::TrTimer, 50);
        const core::Folders folders(core::FolderRoots{world.path(QStringLiteral("appdata")),
                                                      world.path(QStringLiteral("prog")),
                                                      world.path(QStringLiteral("docs"))});
        QDir().mkpath(folders.systemFolder());

        QWidget window;
        window.setWindowTitle(QStringLiteral("Pelinor"));
        auto* layout = new QVBoxLayout(&window);
        auto* foreign = new QPlainTextEdit;
        auto* phonetic = new QLineEdit;
        auto* indicator = new ui::TransferIndicator;
        auto* autoPaste = new QCheckBox;
        auto* modeDisplay = new QLineEdit;
        for (QWidget* w : std::initializer_list<QWidget*>{foreign, phonetic, indicator, autoPaste, modeDisplay})
            layout->addWidget(w);
        window.resize(400, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        ui::TransferController controller(settings, folders, *system,
                                          {foreign, phonetic, indicator, autoPaste, modeDisplay, &window});

        // The other program comes to the front: it becomes the target.
        PasteTarget other;
        QVERIFY2(other.start(QStringLiteral("Получатель")), "the paste target program starts");
        QVERIFY(system->activateWindow(other.window()));
        QTRY_COMPARE(controller.targetWindow(), other.window());
        QCOMPARE(window.windowTitle(), QStringLiteral("Pelinor    転送先：[ Получатель ]"));

        // The user comes back and types.
        QVERIFY(system->activateWindow(window.winId()));
        QTRY_VERIFY(system->isApplicationActive());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        foreign->setFocus();
        for (const QChar c : QStringLiteral("да"))
            QTest::sendKeyEvent(QTest::Click, foreign, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QCOMPARE(foreign->toPlainText(), QStringLiteral("да"));

        controller.TransferTxt1();

        QCOMPARE(other.waitForLineStartingWith(QStringLiteral("text ")), QStringLiteral("text да"));
        QVERIFY(controller.hasTarget());
    }
};

int main(int argc, char** argv)
{
    test::XServer server;
    QString error;
    if (!server.start(&error)) {
        std::fprintf(stderr, "FAIL: %s\n", qPrintable(error));
        return 1;
    }
    QApplication app(argc, argv);
    TransferXvfbTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "transfer_xvfb_test.moc"
