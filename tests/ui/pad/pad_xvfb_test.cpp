// The PAD on a real X server: the main window as the program creates it, F7, and the PAD's transfers pasted into
// other programs through the window system of the desktop.

#include "core/app/folders.h"
#include "core/app/settings.h"
#include "platform/windowsystem.h"
#include "support/pastetargetprocess.h"
#include "support/testworld.h"
#include "support/xserver.h"
#include "support/xwindowplace.h"
#include "ui/app/tmainfrm.h"
#include "ui/app/workbench.h"
#include "ui/pad/tpadfrm.h"
#include "ui/transfer/transfercontroller.h"
#include "ui/transfer/transferindicator.h"

#include <QApplication>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTimer>
#include <QtTest>

#include <cstdio>
#include <functional>
#include <memory>

using namespace pelinor;

namespace {

const QString kCaptionPrefix = QStringLiteral("Pelinor    転送先：[ ");

} // namespace

class PadXvfbTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void thePadTypesAndPastesIntoTheProgramLastUsed()
    {
        const std::unique_ptr<platform::WindowSystem> system = platform::createWindowSystem();
        QVERIFY2(system->available(), qPrintable(system->unavailableReason()));
        m_system = system.get();

        test::TestWorld world;
        world.writeBytes(world.settingsFile(), "AutoPasteFlg,1\r\nTrTimer,20\r\nInputMode,1\r\n");
        world.apply();
        core::Folders folders(core::FolderRoots::fromEnvironment(QString()));
        folders.setUpFolders();
        ui::Workbench bench(folders);
        ui::TMainFrm& window = bench.window();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        // Another program was in front before the user came to Pelinor: it is the target.
        QVERIFY2(m_first.start(QStringLiteral("Письмо")), "the first paste target starts");
        QVERIFY(system->activateWindow(m_first.window()));
        QTRY_COMPARE(bench.transfer().targetWindow(), m_first.window());
        QVERIFY(system->activateWindow(window.winId()));
        QTRY_VERIFY(window.isActiveWindow());

        QVERIFY(openPad(window, [&](ui::TPadFrm* pad) { runOnPad(pad, window); }));
        QTRY_VERIFY(window.isVisible());
        bench.settings().setDiscardSettings(true);
        window.close();
    }

    // The PAD opens again where it was last closed. Its place is taken from the X server; Qt's measure of the
    // window manager's frame is sometimes the one taken while the frame was being built, and a place kept
    // through it moved the PAD at every opening.
    void thePadOpensAgainWhereItWasClosed()
    {
        test::TestWorld world;
        world.apply();
        core::Folders folders(core::FolderRoots::fromEnvironment(QString()));
        folders.setUpFolders();
        ui::Workbench bench(folders);
        ui::TMainFrm& window = bench.window();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QRect first;
        for (int opening = 0; opening < 3; ++opening) {
            QRect place;
            // F7 is a shortcut of the main window: it must have the focus.
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            QVERIFY(openPad(window, [&](ui::TPadFrm* pad) {
                place = settledPlace(*pad);
                pad->close();
            }));
            QTRY_VERIFY(window.isVisible());
            QVERIFY2(place.isValid(), "the window manager frames the PAD");
            if (opening == 0)
                first = place;
            else
                QCOMPARE(place, first);
        }
        bench.settings().setDiscardSettings(true);
        window.close();
    }

private:
    // Presses F7 on the main window and hands the PAD it opens to `onPad` once it shows; the PAD runs its own
    // event loop, so the main window's call returns only after the PAD has closed. False if no PAD showed.
    bool openPad(ui::TMainFrm& window, const std::function<void(ui::TPadFrm*)>& onPad)
    {
        bool ran = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* pad = qobject_cast<ui::TPadFrm*>(w);
                if (pad && pad->isVisible() && !ran) {
                    ran = true;
                    poll.stop();
                    onPad(pad);
                }
            }
        });
        poll.start(20);
        QTest::keyClick(&window, Qt::Key_F7);
        return ran;
    }

    // Where the window is once the window manager has framed it and Qt knows its place; invalid if that
    // does not happen.
    static QRect settledPlace(const QWidget& window)
    {
        const auto settled = [&window] {
            const test::WindowOnXServer place = test::windowOnXServer(window);
            return place.framed && window.geometry() == place.client;
        };
        // On a loaded machine the window manager may take longer than QTRY's usual five seconds.
        if (!QTest::qWaitFor(settled, 20000))
            return {};
        QTest::qWait(300);
        return test::windowOnXServer(window).client;
    }

    void runOnPad(ui::TPadFrm* pad, ui::TMainFrm& window)
    {
        const auto closer = qScopeGuard([pad] { pad->close(); });
        QVERIFY(!window.isVisible());
        QCOMPARE(pad->windowTitle(), u"PADモード"_qs);
        QCOMPARE(pad->indicator()->colour(), QColor(Qt::white));
        QVERIFY(QTest::qWaitForWindowActive(pad));

        // Romaji typed into the line and Enter: the text arrives in the known target and the line is cleared.
        QTest::keyClicks(pad->inputLine(), QStringLiteral("da"));
        QCOMPARE(pad->inputLine()->text(), u"да"_qs);
        qsizetype mark = m_first.mark();
        QTest::keyClick(pad->inputLine(), Qt::Key_Return);
        QVERIFY2(m_first.waitForLine(mark, QStringLiteral("text ")), "the first target's field changes");
        QCOMPARE(m_first.lastText(), u"да"_qs);
        QCOMPARE(pad->inputLine()->text(), QString());

        // The user goes to another program: the PAD shows it as the new target.
        QVERIFY2(m_second.start(QStringLiteral("Заметки")), "the second paste target starts");
        QVERIFY(m_system->activateWindow(m_second.window()));
        QTRY_COMPARE(pad->windowTitle(), kCaptionPrefix + u"Заметки ]"_qs);
        QCOMPARE(pad->indicator()->colour(), QColor(Qt::red));

        // Back in the PAD, F9 sends the next text there.
        QVERIFY(m_system->activateWindow(pad->winId()));
        QTRY_VERIFY(pad->isActiveWindow());
        QTest::keyClicks(pad->inputLine(), QStringLiteral("net"));
        QCOMPARE(pad->inputLine()->text(), u"нет"_qs);
        mark = m_second.mark();
        QTest::keyClick(pad, Qt::Key_F9);
        QVERIFY2(m_second.waitForLine(mark, QStringLiteral("text ")), "the second target's field changes");
        QCOMPARE(m_second.lastText(), u"нет"_qs);
        QCOMPARE(m_first.lastText(), u"да"_qs);
    }

    platform::WindowSystem* m_system = nullptr;
    test::PasteTargetProcess m_first;
    test::PasteTargetProcess m_second;
};

int main(int argc, char** argv)
{
    return test::runOnXServer<PadXvfbTest>(argc, argv);
}

#include "pad_xvfb_test.moc"
