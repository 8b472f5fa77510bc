#include "core/app/folders.h"
#include "core/app/settings.h"
#include "support/testworld.h"
#include "support/xserver.h"
#include "ui/app/tmainfrm.h"

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
            ui::TMainFrm window(folders);
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
