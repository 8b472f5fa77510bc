#include "core/app/folders.h"
#include "core/app/settingkey.h"
#include "support/messageboxes.h"
#include "support/testworld.h"
#include "support/widgetlookup.h"
#include "ui/app/tmainfrm.h"
#include "ui/app/workbench.h"
#include "ui/wordbook/wordbookcontroller.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

using namespace pelinor;

namespace {

core::Folders setUpWorld(const test::TestWorld& world)
{
    world.apply();
    core::Folders folders(core::FolderRoots::fromEnvironment(QString()));
    folders.setUpFolders();
    return folders;
}

} // namespace

class TMainFrmTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void firstStartCopiesShippedFilesAndShowsTheInputAreas()
    {
        test::TestWorld world;
        ui::Workbench bench(setUpWorld(world));
        ui::TMainFrm& window = bench.window();
        QCOMPARE(window.windowTitle(), QStringLiteral("Pelinor"));
        QVERIFY(window.findChild<QLineEdit*>(QStringLiteral("PhoneticArea")));
        QVERIFY(window.findChild<QPlainTextEdit*>(QStringLiteral("ForeignArea")));
        QCOMPARE(world.readBytes(world.systemFolder() + QStringLiteral("/Leaf360.txt")), QByteArray("GF-RD1\r\n"));
        QVERIFY(QFileInfo::exists(world.path(QStringLiteral("appdata/Norvanta/Pelinor/Tbl"))));
        // The phonetic area takes the stored phonetic colour.
        QCOMPARE(
            test::child<QLineEdit>(window, "PhoneticArea")->palette().color(QPalette::Base), QColor(0xF8, 0xFF, 0xC0));
    }

    void storedValuesShapeTheWindowAndClosingWritesAllSettings()
    {
        test::TestWorld world;
        world.writeBytes(world.settingsFile(),
            "CandBg,#102030\r\nUsrMainFontSize,24\r\nMainLeft,30\r\n"
            "MainTop,40\r\nMainWidth,700\r\nMainHeight,600\r\n");
        {
            ui::Workbench bench(setUpWorld(world));
            ui::TMainFrm& window = bench.window();
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QCOMPARE(test::child<QLineEdit>(window, "PhoneticArea")->palette().color(QPalette::Base),
                QColor(0x10, 0x20, 0x30));
            QCOMPARE(test::child<QPlainTextEdit>(window, "ForeignArea")->font().pointSize(), 24);
            QCOMPARE(window.size(), QSize(700, 600));
            QVERIFY(test::child<QPlainTextEdit>(window, "ForeignArea")->hasFocus());
            window.close();
        }
        const QByteArray saved = world.readBytes(world.settingsFile());
        // Every setting is written, one line each.
        QCOMPARE(saved.count("\r\n"), qsizetype(core::kSettingCount));
        QVERIFY(saved.startsWith("MainLeft,"));
        QVERIFY(saved.contains("\r\nCandBg,#102030\r\n"));
        QVERIFY(saved.contains("\r\nMainWidth,700\r\nMainHeight,600\r\n"));
    }

    void lowerAreaHeightAndFontPanelWidthRoundTrip()
    {
        test::TestWorld world;
        world.writeBytes(world.settingsFile(),
            "UnderHeight,250\r\nFontPanelWidth,230\r\nMainLeft,10\r\nMainTop,10\r\n"
            "MainWidth,900\r\nMainHeight,700\r\n");
        for (int run = 0; run < 2; ++run) {
            ui::Workbench bench(setUpWorld(world));
            ui::TMainFrm& window = bench.window();
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QTRY_COMPARE(test::child<QTabWidget>(window, "LowerTabs")->height(), 250);
            window.close();
        }
        const QByteArray saved = world.readBytes(world.settingsFile());
        QVERIFY2(saved.contains("\r\nUnderHeight,250\r\nFontPanelWidth,230\r\n"), saved.constData());
    }

    void theSoundSwitchCanBeChosenAndTogglesPlaying()
    {
        test::TestWorld world;
        ui::Workbench bench(setUpWorld(world));
        ui::TMainFrm& window = bench.window();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QMenu* menu = test::child<QMenu>(window, "WordBookMenu");
        auto* sound = bench.wordBooks().findChild<QAction*>(QStringLiteral("WordBookMediaPlayer"));
        QVERIFY(sound);
        QCOMPARE(sound->text(), QStringLiteral("音声ファイルをWMPで再生する"));
        for (const bool expected : {true, false}) {
            menu->popup(window.geometry().center());
            QVERIFY(QTest::qWaitForWindowExposed(menu));
            QVERIFY(sound->isEnabled());
            QCOMPARE(sound->isChecked(), !expected);
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(sound).center());
            QTRY_VERIFY(!menu->isVisible());
            QCOMPARE(bench.settings().flag(core::SettingKey::MediaPlayerFlg), expected);
        }
        bench.settings().setDiscardSettings(true);
    }

    void brokenTableLinesAreReportedOnceAfterStartUp()
    {
        test::TestWorld world;
        world.writeBytes(world.systemFolder() + QStringLiteral("/Leaf360.txt"), "GF-RD1\r\n");
        world.writeBytes(world.path(QStringLiteral("appdata/Norvanta/Pelinor/Tbl/CandAll.csv")),
            "\"DBPhonet.csv\",Alphabet_Upper\r\n\"A\",0251,,,,,,,,\r\n\"B\",XYZW,,,,,,,,\r\n");
        test::MessageBoxCatcher catcher;
        ui::Workbench bench(setUpWorld(world));
        ui::TMainFrm& window = bench.window();
        window.show();
        QTRY_COMPARE(catcher.texts().size(), 1);
        QVERIFY(catcher.texts().constFirst().contains(QStringLiteral("CandAll.csv")));
        QVERIFY(bench.tables().phonetic().isTrigger(u'A'));
        QVERIFY(!bench.tables().phonetic().isTrigger(u'B'));
        QTest::qWait(100);
        QCOMPARE(catcher.texts().size(), 1);
    }

    void discardedSettingsAreNotWritten()
    {
        test::TestWorld world;
        {
            ui::Workbench bench(setUpWorld(world));
            ui::TMainFrm& window = bench.window();
            bench.settings().setDiscardSettings(true);
            window.show();
            window.close();
        }
        QVERIFY(!QFileInfo::exists(world.settingsFile()));
    }

    void failedWritesIntoTheSystemFolderAreReportedOnce()
    {
        test::TestWorld world;
        // A regular file where the system folder belongs: neither the marker nor the settings can be written.
        world.writeBytes(world.path(QStringLiteral("appdata/Norvanta/Pelinor/Sys")), "not a folder");
        test::MessageBoxCatcher catcher;
        {
            ui::Workbench bench(setUpWorld(world));
            ui::TMainFrm& window = bench.window();
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            window.close();
        }
        QTRY_COMPARE(catcher.texts().size(), 1);
        QVERIFY(catcher.texts().constFirst().contains(QStringLiteral("Leaf360.txt")));
        QCOMPARE(
            world.readBytes(world.path(QStringLiteral("appdata/Norvanta/Pelinor/Sys"))), QByteArray("not a folder"));
    }
};

QTEST_MAIN(TMainFrmTest)
#include "tmainfrm_test.moc"
