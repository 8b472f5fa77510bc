#include "core/app/folders.h"
#include "core/app/settings.h"
#include "support/testworld.h"
#include "support/xserver.h"
#include "support/xwindowplace.h"
#include "ui/app/tmainfrm.h"
#include "ui/app/workbench.h"

#include <QApplication>
#include <QScreen>
#include <QtTest>

#include <cstdio>

using namespace pelinor;

/// Under a real X server with a window manager: the stored geometry survives start and close unchanged,
/// however the window manager frames the window.
class GeometryXvfbTest : public QObject {
    Q_OBJECT

    static core::MainRect openAndClose(const test::TestWorld& world)
    {
        world.apply();
        core::Folders folders(core::FolderRoots::fromEnvironment(QString()));
        folders.setUpFolders();
        {
            ui::Workbench bench(folders);
            ui::TMainFrm& window = bench.window();
            window.show();
            if (!QTest::qWaitForWindowExposed(&window))
                return {};
            QTest::qWait(300); // let the window manager settle its frame
            window.close();
        }
        return storedSettings(world).mainRect();
    }

    static core::Settings storedSettings(const test::TestWorld& world)
    {
        core::Settings settings;
        settings.load(world.settingsFile());
        return settings;
    }

private Q_SLOTS:
    void firstStartIsCentredAt840By710()
    {
        test::TestWorld world;
        const core::MainRect rect = openAndClose(world);
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        QCOMPARE(rect.right - rect.left, 840);
        QCOMPARE(rect.bottom - rect.top, 710);
        QVERIFY2(qAbs(rect.left - (screen.width() - 840) / 2) <= 1, qPrintable(QString::number(rect.left)));
        QVERIFY2(qAbs(rect.top - (screen.height() - 710) / 2) <= 1, qPrintable(QString::number(rect.top)));
    }

    void tenRunsLeaveTheStoredGeometryUnchanged()
    {
        test::TestWorld world;
        world.writeBytes(world.settingsFile(), "MainLeft,100\r\nMainTop,80\r\nMainWidth,900\r\nMainHeight,720\r\n");
        for (int run = 0; run < 10; ++run) {
            const core::MainRect rect = openAndClose(world);
            QCOMPARE(rect.left, 100);
            QCOMPARE(rect.top, 80);
            QCOMPARE(rect.right - rect.left, 900);
            QCOMPARE(rect.bottom - rect.top, 720);
        }
    }

    void aWindowStoredOffTheScreenComesBackWhole_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QSize>("size");
        QTest::newRow("on a removed monitor to the right")
            << QByteArray("MainLeft,2000\r\nMainTop,80\r\nMainWidth,900\r\nMainHeight,720\r\n") << QSize(900, 720);
        QTest::newRow("on a removed monitor above")
            << QByteArray("MainLeft,100\r\nMainTop,-3000\r\nMainWidth,900\r\nMainHeight,720\r\n") << QSize(900, 720);
        QTest::newRow("82 x 25 pixels showing")
            << QByteArray("MainLeft,1198\r\nMainTop,999\r\nMainWidth,840\r\nMainHeight,710\r\n") << QSize(840, 710);
        QTest::newRow("larger than the screen")
            << QByteArray("MainLeft,3000\r\nMainTop,50\r\nMainWidth,2400\r\nMainHeight,1600\r\n") << QSize();
    }

    void aWindowStoredOffTheScreenComesBackWhole()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QSize, size);
        test::TestWorld world;
        world.writeBytes(world.settingsFile(), settings);
        world.apply();
        core::Folders folders(core::FolderRoots::fromEnvironment(QString()));
        folders.setUpFolders();
        ui::Workbench bench(folders);
        ui::TMainFrm& window = bench.window();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // The window manager frames the window and then settles its place; on a loaded machine (the whole
        // suite runs two tests at a time) it may take longer than QTRY's usual five seconds. The frame is
        // taken from the X server: the frame margins Qt keeps for a widget are measured once while the window
        // manager is still building the frame and are not always measured again.
        QTRY_VERIFY_WITH_TIMEOUT(test::windowOnXServer(window).framed, 20000);
        // The place the program stores on closing is Qt's idea of the window's area: it must be the real one.
        QTRY_COMPARE_WITH_TIMEOUT(window.geometry(), test::windowOnXServer(window).client, 20000);
        QTest::qWait(300);
        // The whole window shows, and its title bar; the window manager's borders are not known before the
        // window is first framed, so the outermost pixels of the frame may still lie off the edge.
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const test::WindowOnXServer place = test::windowOnXServer(window);
        const QRect frame = place.frame;
        const QString where = QStringLiteral("%1,%2 %3x%4 around %5,%6 in %7,%8 %9x%10")
                                  .arg(frame.x())
                                  .arg(frame.y())
                                  .arg(frame.width())
                                  .arg(frame.height())
                                  .arg(place.client.x())
                                  .arg(place.client.y())
                                  .arg(screen.x())
                                  .arg(screen.y())
                                  .arg(screen.width())
                                  .arg(screen.height());
        QVERIFY2(screen.contains(place.client), qPrintable(where));
        QVERIFY2(frame.top() >= screen.top() && frame.top() < place.client.top(), qPrintable(where));
        if (size.isValid())
            QCOMPARE(place.client.size(), size);
        window.close();
    }

    void lowerAreaHeightSurvivesStartAndClose_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<int>("height");
        QTest::newRow("first start, lower area stretching") << QByteArray() << 296;
        QTest::newRow("stored, lower area stretching") << QByteArray("UnderHeight,250\r\n") << 250;
        QTest::newRow("stored, input panel stretching")
            << QByteArray("UnderHeight,250\r\nUnderStretchFlg,0\r\n") << 250;
    }

    void lowerAreaHeightSurvivesStartAndClose()
    {
        QFETCH(QByteArray, settings);
        QFETCH(int, height);
        test::TestWorld world;
        if (!settings.isEmpty())
            world.writeBytes(world.settingsFile(), settings);
        for (int run = 0; run < 3; ++run) {
            openAndClose(world);
            QCOMPARE(storedSettings(world).integer(core::SettingKey::UnderHeight), height);
        }
    }
};

int main(int argc, char** argv)
{
    return test::runOnXServer<GeometryXvfbTest>(argc, argv);
}

#include "geometry_xvfb_test.moc"
