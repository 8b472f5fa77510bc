#include "core/app/folders.h"
#include "core/app/inputmodecontroller.h"
#include "core/app/settingkey.h"
#include "core/app/settings.h"
#include "support/messageboxes.h"
#include "support/testworld.h"
#include "support/widgetlookup.h"
#include "ui/app/tmainfrm.h"
#include "ui/app/tsetteifrm.h"
#include "ui/app/workbench.h"
#include "ui/transfer/transfercontroller.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

using namespace pelinor;
using core::SettingKey;

namespace {

core::Folders setUpWorld(const test::TestWorld& world)
{
    world.apply();
    core::Folders folders(core::FolderRoots::fromEnvironment(QString()));
    folders.setUpFolders();
    return folders;
}

/// Opens the settings dialog with F8's action (or the menu item `item`) and runs `edit` on it while it is
/// shown.
void withSettingsDialog(
    ui::TMainFrm& window, std::function<void(ui::TSetteiFrm*)> edit, const QString& item = QStringLiteral("Settings"))
{
    bool ran = false;
    test::whenModal(
        [&](QWidget* modal) {
            auto* dialog = static_cast<ui::TSetteiFrm*>(modal);
            edit(dialog);
            ran = true;
            // A failed check inside `edit` returns early: the dialog must not stay open.
            if (dialog->isVisible() && QApplication::activeModalWidget() == dialog)
                dialog->reject();
        },
        [](QWidget* modal) { return qobject_cast<ui::TSetteiFrm*>(modal) != nullptr; });
    window.findChild<QAction*>(item)->trigger();
    QVERIFY(ran);
}

QString anotherFont(const QComboBox* box, const QString& than)
{
    for (int i = 0; i < box->count(); ++i) {
        if (box->itemText(i) != than)
            return box->itemText(i);
    }
    return {};
}

} // namespace

class TSetteiFrmTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void okAppliesFontColourAndTimerAtOnceAndTheySurviveARestart()
    {
        test::TestWorld world;
        QString greekFont;
        {
            ui::Workbench bench(setUpWorld(world));
            ui::TMainFrm& window = bench.window();
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QVERIFY(window.findChild<QAction*>(QStringLiteral("Settings"))->isEnabled());
            withSettingsDialog(window, [&](ui::TSetteiFrm* dialog) {
                QCOMPARE(dialog->windowTitle(), QStringLiteral("設定"));
                auto* greek = test::child<QComboBox>(dialog, "GreekFontBox");
                greekFont = anotherFont(greek, QStringLiteral("Times New Roman"));
                greek->setEditText(greekFont);
                // Upper-case codes only: a lower-case one cannot be typed, so the sample stays.
                auto* field = test::child<QLineEdit>(dialog, "ColourField1");
                field->clear();
                QTest::keyClicks(field, QStringLiteral("#ffaacc"));
                QCOMPARE(field->text(), QStringLiteral("#"));
                QTest::keyClicks(field, QStringLiteral("FF0000G1"));
                QCOMPARE(field->text(), QStringLiteral("#FF0000"));
                QCOMPARE(
                    test::child<QFrame>(dialog, "ColourSample1")->palette().color(QPalette::Window), QColor(Qt::red));
                auto* candBg = test::child<QLineEdit>(dialog, "ColourField7");
                candBg->clear();
                QTest::keyClicks(candBg, QStringLiteral("#102030"));
                test::child<QSlider>(dialog, "PasteTimerBar")->setValue(400);
                test::child<QPushButton>(dialog, "OkButton")->click();
            });
            QVERIFY(!greekFont.isEmpty());
            QCOMPARE(bench.settings().text(SettingKey::GreekFont), greekFont);
            QCOMPARE(bench.transfer().pasteTimer()->interval(), 400);
            QCOMPARE(test::child<QLineEdit>(window, "PhoneticArea")->palette().color(QPalette::Base),
                QColor(0x10, 0x20, 0x30));
            QVERIFY(window.isVisible());
            window.close();
        }
        ui::Workbench again(setUpWorld(world));
        QCOMPARE(again.settings().text(SettingKey::GreekFont), greekFont);
        QCOMPARE(again.settings().colour(SettingKey::RomanBg2), (core::ColourRgb{0xFF, 0, 0}));
        QCOMPARE(again.settings().integer(SettingKey::PaTimer), 400);
        again.settings().setDiscardSettings(true);
    }

    void theCurrentScriptsNewFontShowsAtOnceInTheInputArea()
    {
        test::TestWorld world;
        ui::Workbench bench(setUpWorld(world));
        ui::TMainFrm& window = bench.window();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(bench.inputModes().script().script, core::Script::Russian);
        auto* fontBox = test::child<QComboBox>(window, "FontBox");
        // A font that is neither shown nor already the Russian one, so that OK counts it as changed.
        const QString storedFont = bench.settings().text(core::scriptInfo(core::Script::Russian).fontKey);
        QString russianFont;
        for (int i = 0; i < fontBox->count() && russianFont.isEmpty(); ++i) {
            if (fontBox->itemText(i) != fontBox->currentText() && fontBox->itemText(i) != storedFont)
                russianFont = fontBox->itemText(i);
        }
        QVERIFY(!russianFont.isEmpty());
        // Through the menu item "設定(&S)", which F8 stands for.
        withSettingsDialog(
            window,
            [&](ui::TSetteiFrm* dialog) {
                test::child<QComboBox>(dialog, "RussianFontBox")->setEditText(russianFont);
                test::child<QPushButton>(dialog, "OkButton")->click();
            },
            QStringLiteral("OptionSettings"));
        QCOMPARE(fontBox->currentText(), russianFont);
        QCOMPARE(bench.settings().text(SettingKey::UsrMainFont), russianFont);
        QCOMPARE(test::child<QPlainTextEdit>(window, "ForeignArea")->font().family(), russianFont);
        bench.settings().setDiscardSettings(true);
    }

    void appearanceBarsActAtOnceEvenWhenCancelled()
    {
        test::TestWorld world;
        ui::Workbench bench(setUpWorld(world));
        ui::TMainFrm& window = bench.window();
        window.show();
        withSettingsDialog(window, [](ui::TSetteiFrm* dialog) {
            auto* bar = test::child<QSlider>(dialog, "LineHeightBar");
            QVERIFY(!bar->isEnabled());
            test::child<QCheckBox>(dialog, "AppearanceChangeBox")->setChecked(true);
            QVERIFY(bar->isEnabled());
            bar->setValue(40);
            test::child<QPushButton>(dialog, "CancelButton")->click();
        });
        QCOMPARE(bench.settings().integer(SettingKey::LVLineHeight), 40);
        bench.settings().setDiscardSettings(true);
    }

    void anotherCandidateFileAsksForARestartAndTheNextStartUsesIt()
    {
        test::TestWorld world;
        {
            ui::Workbench bench(setUpWorld(world));
            ui::TMainFrm& window = bench.window();
            window.show();
            QString message;
            withSettingsDialog(window, [&](ui::TSetteiFrm* dialog) {
                test::child<QLineEdit>(dialog, "TableFile7")->setText(QStringLiteral("CandMine.csv"));
                test::answerMessage(QMessageBox::Yes, &message);
                test::child<QPushButton>(dialog, "OkButton")->click();
            });
            QTRY_VERIFY(!window.isVisible());
            QCOMPARE(
                message, QStringLiteral("テーブルファイルが変更されました。\n一旦終了しますので、再起動して下さい。"));
        }
        QVERIFY(world.readBytes(world.settingsFile()).contains("\r\nUkrainianCandFile,\"CandMine.csv\"\r\n"));
    }

    void nothingChangedClosesWithoutAMessage()
    {
        test::TestWorld world;
        ui::Workbench bench(setUpWorld(world));
        ui::TMainFrm& window = bench.window();
        window.show();
        test::MessageBoxCatcher catcher;
        withSettingsDialog(
            window, [](ui::TSetteiFrm* dialog) { test::child<QPushButton>(dialog, "OkButton")->click(); });
        QTest::qWait(50);
        QVERIFY(catcher.texts().isEmpty());
        QVERIFY(window.isVisible());
        bench.settings().setDiscardSettings(true);
    }

    void resettingTheSettingsFileEndsWithoutWritingIt()
    {
        test::TestWorld world;
        world.writeBytes(world.settingsFile(), "InputMode,4\r\n");
        {
            ui::Workbench bench(setUpWorld(world));
            ui::TMainFrm& window = bench.window();
            window.show();
            withSettingsDialog(window, [](ui::TSetteiFrm* dialog) {
                test::answerMessage(QMessageBox::Yes);
                test::child<QPushButton>(dialog, "ResetSettingsButton")->click();
            });
            QTRY_VERIFY(!window.isVisible());
        }
        QVERIFY(!QFileInfo::exists(world.settingsFile()));
        ui::Workbench again(setUpWorld(world));
        QCOMPARE(again.settings().integer(SettingKey::InputMode), 1);
        again.settings().setDiscardSettings(true);
    }

    void removingAllFilesLeavesTheUsersOwnAndEnds()
    {
        test::TestWorld world;
        const QString books = world.documentsFolder() + QStringLiteral("/bookA/");
        {
            ui::Workbench bench(setUpWorld(world));
            world.writeBytes(books + QStringLiteral("mine.utx"), "own");
            ui::TMainFrm& window = bench.window();
            window.show();
            QVERIFY(QFileInfo::exists(books + QStringLiteral("あいさつ.utx")));
            withSettingsDialog(window, [](ui::TSetteiFrm* dialog) {
                auto* remove = test::child<QPushButton>(dialog, "RemoveAllButton");
                QVERIFY(!remove->isEnabled());
                test::child<QCheckBox>(dialog, "UninstallBox")->setChecked(true);
                QVERIFY(remove->isEnabled());
                test::answerMessage(QMessageBox::Yes);
                remove->click();
            });
            QTRY_VERIFY(!window.isVisible());
        }
        QVERIFY(!QFileInfo::exists(books + QStringLiteral("あいさつ.utx")));
        QVERIFY(QFileInfo::exists(books + QStringLiteral("mine.utx")));
        QVERIFY(!QFileInfo::exists(world.settingsFile()));
        QVERIFY(!QFileInfo::exists(world.systemFolder() + QStringLiteral("/Leaf360.txt")));
        QVERIFY(!QFileInfo::exists(world.path(QStringLiteral("appdata/Norvanta/Pelinor/Tbl/CandAll.csv"))));
    }
};

QTEST_MAIN(TSetteiFrmTest)
#include "tsetteifrm_test.moc"
