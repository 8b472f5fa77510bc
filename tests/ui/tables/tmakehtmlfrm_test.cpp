#include "core/app/folders.h"
#include "core/app/settings.h"
#include "core/common/textcodec.h"
#include "platform/fake/fakeshellopener.h"
#include "platform/fake/fakewindowsystem.h"
#include "support/messageboxes.h"
#include "support/testworld.h"
#include "support/widgetlookup.h"
#include "ui/app/tmainfrm.h"
#include "ui/app/workbench.h"
#include "ui/tables/tmakehtmlfrm.h"
#include "ui/tables/tsymdbfrm.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace pelinor;

namespace {

/// The program on a private world with recording desktop services.
struct Program {
    test::TestWorld world;
    platform::FakeWindowSystem desktop;
    platform::FakeShellOpener opener;
    std::unique_ptr<ui::Workbench> bench;

    explicit Program(const QByteArray& settingsFile = {})
    {
        world.apply();
        if (!settingsFile.isEmpty())
            world.writeBytes(world.settingsFile(), settingsFile);
        core::Folders folders(core::FolderRoots::fromEnvironment(QString()));
        folders.setUpFolders();
        bench = std::make_unique<ui::Workbench>(folders, ui::DesktopServices{&desktop, &opener});
    }

    QString tableFolder() { return bench->folders().currentTableFolder(); }

    /// Runs `drive` on the tool window of type T once the menu item `action` has opened it.
    template <typename T> void runTool(const char* action, std::function<void(T*)> drive)
    {
        // A failed check inside `drive` returns early; the tool is closed all the same.
        test::whenModal(
            [drive](QWidget* modal) {
                drive(qobject_cast<T*>(modal));
                if (modal->isVisible())
                    qobject_cast<QDialog*>(modal)->reject();
            },
            [](QWidget* modal) { return qobject_cast<T*>(modal) != nullptr; });
        test::child<QAction>(bench->window(), action)->trigger();
    }
};

void choose(QComboBox* box, const QString& text)
{
    box->setCurrentIndex(box->findText(text));
    Q_EMIT box->activated(box->currentIndex());
}

} // namespace

class TMakeHtmlFrmTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void greekPageIsMadeSavedInCodePage932AndShown()
    {
        Program program;
        QVERIFY(test::child<QAction>(program.bench->window(), "ToolHtmlList")->isEnabled());
        QString saved;
        program.runTool<ui::TMakeHtmlFrm>("ToolHtmlList", [&](ui::TMakeHtmlFrm* tool) {
            QVERIFY(!test::child<QToolButton>(tool, "HMMake")->isEnabled());
            choose(test::child<QComboBox>(tool, "CandidateFileBox"), QStringLiteral("CandGreek.csv"));
            QCOMPARE(test::child<QLineEdit>(tool, "OutputNameField")->text(), QStringLiteral("CandGreek.html"));
            QCOMPARE(test::child<QLineEdit>(tool, "TitleField")->text(), QStringLiteral("ギリシア語　候補ファイル"));
            QCOMPARE(test::child<QComboBox>(tool, "CandidateSizeBox")->currentText(), QStringLiteral("160"));
            QVERIFY(!test::child<QToolButton>(tool, "HMSave")->isEnabled());

            // A name of spaces only is refused.
            test::child<QToolButton>(tool, "HMMake")->click();
            auto* page = test::child<QPlainTextEdit>(tool, "PageText");
            QVERIFY(page->toPlainText().contains(QStringLiteral("<caption>&quot;CandGreek.csv&quot;</caption>")));
            test::child<QLineEdit>(tool, "OutputNameField")->setText(QStringLiteral("   "));
            QString warning;
            test::answerMessage(QMessageBox::Yes, &warning);
            test::child<QToolButton>(tool, "HMSave")->click();
            QCOMPARE(warning, QStringLiteral("保存するファイル名(*.html)を入力して下さい。"));

            // Text typed into the page is saved as typed.
            page->appendPlainText(QStringLiteral("<!-- ü -->"));
            test::child<QLineEdit>(tool, "OutputNameField")->setText(QStringLiteral("CandGreek.html"));
            test::answerMessage(QMessageBox::Yes, &saved);
            test::child<QToolButton>(tool, "HMSave")->click();
            test::child<QToolButton>(tool, "HMShow")->click();
            test::child<QToolButton>(tool, "HMExit")->click();
        });
        QCOMPARE(saved, QStringLiteral("ファイル \"CandGreek.html\" を保存しました。"));
        const QString path = program.tableFolder() + QStringLiteral("/CandGreek.html");
        const QByteArray bytes = program.world.readBytes(path);
        QVERIFY(bytes.startsWith("<!DOCTYPE HTML PUBLIC"));
        QVERIFY(bytes.contains("charset=Shift_JIS"));
        QVERIFY(bytes.contains("<td>&#x03B1;</td>") || bytes.contains("<td>&#x03AC;</td>"));
        QVERIFY(bytes.endsWith("<!-- &#xFC; -->\r\n"));
        QVERIFY(bytes.contains(core::encodeCp932(u"<title>ギリシア語　候補ファイル</title>\r\n")));
        QCOMPARE(program.opener.openedFiles(), QStringList{path});
        program.bench->settings().setDiscardSettings(true);
    }

    void showingAMissingPageAsksToMakeItFirst()
    {
        Program program;
        QString warning;
        program.runTool<ui::TMakeHtmlFrm>("ToolHtmlList", [&](ui::TMakeHtmlFrm* tool) {
            choose(test::child<QComboBox>(tool, "CandidateFileBox"), QStringLiteral("CandAll.csv"));
            QCOMPARE(test::child<QLineEdit>(tool, "TitleField")->text(), QStringLiteral("発音記号　候補ファイル"));
            test::answerMessage(QMessageBox::Yes, &warning);
            test::child<QToolButton>(tool, "HMShow")->click();
            tool->reject();
        });
        QVERIFY2(warning.startsWith(QStringLiteral("ファイル \"CandAll.html\" が存在しません。\r\n一度、")),
            qPrintable(warning));
        QVERIFY(program.opener.openedFiles().isEmpty());
        program.bench->settings().setDiscardSettings(true);
    }

    void systemTablesOnlyShowPages()
    {
        Program program("SysTblFlg,1\r\n");
        QString information;
        test::answerMessage(QMessageBox::Yes, &information);
        program.runTool<ui::TMakeHtmlFrm>("ToolHtmlList", [&](ui::TMakeHtmlFrm* tool) {
            choose(test::child<QComboBox>(tool, "CandidateFileBox"), QStringLiteral("CandGreek.csv"));
            QVERIFY(!test::child<QToolButton>(tool, "HMMake")->isEnabled());
            QVERIFY(!test::child<QToolButton>(tool, "HMSave")->isEnabled());
            QVERIFY(test::child<QToolButton>(tool, "HMShow")->isEnabled());
            tool->reject();
        });
        QVERIFY(information.startsWith(QStringLiteral("　テーブル選択が、システムテーブルになっています。一覧HTML")));
        program.bench->settings().setDiscardSettings(true);
    }

    void savingASymbolDatabaseAndAgreeingEndsTheProgram()
    {
        Program program;
        ui::TMainFrm& window = program.bench->window();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QString question;
        program.runTool<ui::TSymDBFrm>("ToolSymbolDatabase", [&](ui::TSymDBFrm* editor) {
            editor->openFile(program.tableFolder() + QStringLiteral("/DBPhonet.csv"));
            test::answerMessage(QMessageBox::Yes, &question);
            test::child<QToolButton>(editor, "DBOverWrite")->click();
        });
        QVERIFY(question.endsWith(QStringLiteral("今、一旦終了しますか？")));
        QTRY_VERIFY(!window.isVisible());
        // The normal exit wrote the settings file.
        QVERIFY(QFileInfo::exists(program.world.settingsFile()));
    }
};

QTEST_MAIN(TMakeHtmlFrmTest)
#include "tmakehtmlfrm_test.moc"
