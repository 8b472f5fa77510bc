#include "core/app/folders.h"
#include "core/app/settingkey.h"
#include "core/app/settings.h"
#include "core/app/versionmarker.h"
#include "core/common/atomicfile.h"
#include "platform/fake/fakeshellopener.h"
#include "support/messageboxes.h"
#include "support/testworld.h"
#include "support/widgetlookup.h"
#include "ui/app/tmainfrm.h"
#include "ui/app/workbench.h"
#include "ui/tools/textfilecommands.h"
#include "ui/tools/tversionfrm.h"
#include "ui/tools/utilitycommands.h"

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
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

QAction* menuItem(const ui::TMainFrm& window, const char* name)
{
    return test::child<QAction>(window, name);
}

} // namespace

class UtilitiesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aRussianTextIsSavedClearedAndOpenedBackUnchanged()
    {
        test::TestWorld world;
        ui::Workbench bench(setUpWorld(world));
        ui::TMainFrm& window = bench.window();
        window.show();
        auto* area = test::child<QPlainTextEdit>(window, "ForeignArea");
        QVERIFY(!menuItem(window, "FileSave")->isEnabled());
        area->setPlainText(QStringLiteral("Доброе утро\nспасибо"));
        const QString file = world.documentsFolder() + QStringLiteral("/usr/ru.txt");
        test::whenModal(
            [&](QWidget* modal) {
                auto* dialog = static_cast<QFileDialog*>(modal);
                QCOMPARE(QDir(dialog->directory()).absolutePath(), world.documentsFolder() + QStringLiteral("/usr"));
                dialog->selectFile(file);
                QMetaObject::invokeMethod(dialog, "accept");
            },
            [](QWidget* modal) { return qobject_cast<QFileDialog*>(modal) != nullptr; });
        menuItem(window, "FileSaveAs")->trigger();
        const QByteArray bytes = world.readBytes(file);
        QVERIFY(bytes.startsWith("\xFF\xFE"));
        QVERIFY(bytes.contains(QByteArray("\r\0\n\0", 4)));
        QVERIFY(menuItem(window, "FileSave")->isEnabled());

        window.areaClear();
        QVERIFY(bench.utilities().textFiles().openFile(file));
        QCOMPARE(area->toPlainText(), QStringLiteral("Доброе утро\nспасибо"));

        // "上書き保存" asks before it replaces the file.
        area->setPlainText(QStringLiteral("Да"));
        QString question;
        test::answerMessage(QMessageBox::Yes, &question);
        menuItem(window, "FileSave")->trigger();
        QCOMPARE(question, QStringLiteral("すでに\"ru.txt\"と名前が同じファイルが存在しますが、上書きしますか？"));
        QCOMPARE(world.readBytes(file), QByteArray("\xFF\xFE\x14\x04\x30\x04", 6));

        // A current file that was deleted meanwhile is written again rather than the text silently not saved.
        QVERIFY(QFile::remove(file));
        test::MessageBoxCatcher catcher;
        menuItem(window, "FileSave")->trigger();
        QCOMPARE(world.readBytes(file), QByteArray("\xFF\xFE\x14\x04\x30\x04", 6));
        QVERIFY(catcher.texts().isEmpty());
        bench.settings().setDiscardSettings(true);
    }

    void openingSomethingThatIsNoTextKeepsTheArea()
    {
        test::TestWorld world;
        ui::Workbench bench(setUpWorld(world));
        ui::TMainFrm& window = bench.window();
        auto* area = test::child<QPlainTextEdit>(window, "ForeignArea");
        area->setPlainText(QStringLiteral("keep"));
        const QString binary = world.path(QStringLiteral("binary.txt"));
        world.writeBytes(binary,
            QByteArray("\x7F"
                       "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0",
                16));
        test::MessageBoxCatcher catcher;
        QVERIFY(!bench.utilities().textFiles().openFile(binary));
        QTRY_COMPARE(catcher.texts().size(), 1);
        QVERIFY(catcher.texts().constFirst().contains(QStringLiteral("binary.txt")));
        QCOMPARE(area->toPlainText(), QStringLiteral("keep"));
        QVERIFY(bench.utilities().textFiles().currentFile().isEmpty());
        bench.settings().setDiscardSettings(true);
    }

    void aFailedSaveSaysSoAndKeepsTheOldFile()
    {
        test::TestWorld world;
        ui::Workbench bench(setUpWorld(world));
        ui::TMainFrm& window = bench.window();
        const QString file = world.path(QStringLiteral("old.txt"));
        world.writeBytes(file, "old");
        test::child<QPlainTextEdit>(window, "ForeignArea")->setPlainText(QStringLiteral("новый текст"));
        test::MessageBoxCatcher catcher;
        // The disk fills up after three bytes.
        core::setWriteLimitForTesting(3);
        const bool saved = bench.utilities().textFiles().saveFile(file);
        core::setWriteLimitForTesting(-1);
        QVERIFY(!saved);
        QTRY_COMPARE(catcher.texts().size(), 1);
        QVERIFY(catcher.texts().constFirst().contains(QStringLiteral("old.txt")));
        QCOMPARE(world.readBytes(file), QByteArray("old"));
        QVERIFY(bench.utilities().textFiles().currentFile().isEmpty());
        bench.settings().setDiscardSettings(true);
    }

    void theCodeValueCheckerShowsTheUnitsInThePhoneticArea()
    {
        test::TestWorld world;
        ui::Workbench bench(setUpWorld(world));
        ui::TMainFrm& window = bench.window();
        auto* phonetic = test::child<QLineEdit>(window, "PhoneticArea");
        test::child<QPlainTextEdit>(window, "ForeignArea")->setPlainText(QStringLiteral("Да"));
        QString message;
        test::answerMessage(QMessageBox::Ok, &message);
        menuItem(window, "ToolCodeChecker")->trigger();
        QCOMPARE(message, QStringLiteral("結果は発音記号入力エリアに表示します。"));
        QCOMPARE(phonetic->text(), QStringLiteral("/#$0414/#$0430"));

        // Spaces only: nothing happens and nothing is asked.
        phonetic->setText(QStringLiteral("x"));
        test::child<QPlainTextEdit>(window, "ForeignArea")->setPlainText(QStringLiteral("  \n "));
        menuItem(window, "ToolCodeChecker")->trigger();
        QCOMPARE(phonetic->text(), QStringLiteral("x"));
        bench.settings().setDiscardSettings(true);
    }

    void wordWrapAndScrollBarsToggleWithTheirChecks()
    {
        test::TestWorld world;
        ui::Workbench bench(setUpWorld(world));
        ui::TMainFrm& window = bench.window();
        auto* area = test::child<QPlainTextEdit>(window, "ForeignArea");
        QCOMPARE(area->lineWrapMode(), QPlainTextEdit::NoWrap);
        menuItem(window, "EditWordWrap")->trigger();
        QVERIFY(bench.settings().flag(SettingKey::WordWrapFlg));
        QCOMPARE(area->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        menuItem(window, "EditScrollBars")->trigger();
        QVERIFY(bench.settings().flag(SettingKey::ScroBarsFlg));
        QCOMPARE(area->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        menuItem(window, "EditScrollBars")->trigger();
        QCOMPARE(area->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        Q_EMIT test::child<QMenu>(window, "EditMenu")->aboutToShow();
        QVERIFY(menuItem(window, "EditWordWrap")->isChecked());
        QVERIFY(!menuItem(window, "EditScrollBars")->isChecked());
        bench.settings().setDiscardSettings(true);
    }

    void helpOpensTheHelpBookWithTheShellOpener()
    {
        test::TestWorld world;
        platform::FakeShellOpener opener;
        ui::Workbench bench(setUpWorld(world), ui::DesktopServices{nullptr, &opener});
        menuItem(bench.window(), "HelpContents")->trigger();
        QCOMPARE(opener.openedFiles().size(), 1);
        QVERIFY(opener.openedFiles().constFirst().endsWith(QStringLiteral("/Help/Pelinor.html")));
        QVERIFY(QFileInfo(opener.openedFiles().constFirst()).isFile());
        bench.settings().setDiscardSettings(true);
    }

    void theVersionDialogShowsTheBuildsVersion()
    {
        ui::TVersionFrm dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("バージョン情報"));
        QCOMPARE(test::child<QLabel>(dialog, "VersionName")->text(), QStringLiteral("Pelinor"));
        QCOMPARE(test::child<QLabel>(dialog, "VersionNumber")->text(), core::programVersion());
        QCOMPARE(core::programVersion(), QStringLiteral(PELINOR_TEST_PROJECT_VERSION));
        QVERIFY(test::child<QLineEdit>(dialog, "VersionMail")->isReadOnly());
        QCOMPARE(dialog.size(), QSize(480, 360));
    }

    void thePhoneticFontResetGivesSegoeUiAt16()
    {
        test::TestWorld world;
        ui::Workbench bench(setUpWorld(world));
        ui::TMainFrm& window = bench.window();
        auto* phonetic = test::child<QLineEdit>(window, "PhoneticArea");
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        bench.settings().setText(SettingKey::UsrSubFont, QStringLiteral("DejaVu Sans"));
        bench.settings().setInteger(SettingKey::UsrSubFontSize, 30);
        Q_EMIT phonetic->customContextMenuRequested(QPoint(2, 2));
        QMenu* menu = nullptr;
        QTRY_VERIFY((menu = window.findChild<QMenu*>(QStringLiteral("PhoneticAreaMenu"))) != nullptr);
        menu->findChild<QAction*>(QStringLiteral("PhoneticFontReset"))->trigger();
        menu->close();
        QCOMPARE(bench.settings().text(SettingKey::UsrSubFont), QStringLiteral("Segoe UI"));
        QCOMPARE(bench.settings().integer(SettingKey::UsrSubFontSize), 16);
        QCOMPARE(phonetic->font().pointSize(), 16);
        bench.settings().setDiscardSettings(true);
    }
};

QTEST_MAIN(UtilitiesTest)
#include "utilities_test.moc"
