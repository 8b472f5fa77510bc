#include "core/common/atomicfile.h"
#include "core/tables/symboldatabase.h"
#include "support/messageboxes.h"
#include "support/widgetlookup.h"
#include "tablesfixture.h"
#include "ui/tables/symbollistdelegate.h"
#include "ui/tables/tabletools.h"
#include "ui/tables/tnewsymdbfrm.h"
#include "ui/tables/tsymdbfrm.h"

#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

using namespace pelinor;

namespace {

// Groups 0 to 3, rows only in groups 0 and 2.
const QString kTestDatabase
    = QStringLiteral("\"発音記号\",\"Segoe UI\"\r\n"
                     "Group,0,\"母音\"\r\nGroup,1,\"子音\"\r\nGroup,2,\"補助\"\r\nGroup,3,\"その他\"\r\n"
                     "0,\"0250\",\"turned a\",\"ア\",\"0\",\"\"\r\n"
                     "0,\"0251\",\"script a\",\"イ\",\"0\",\"注意\"\r\n"
                     "2,\"0254\",\"open o\",\"ウ\",\"0\",\"\"\r\n"
                     "2,\"0255\",\"c curl\",\"エ\",\"1\",\"\"\r\n");

void chooseGroup(QComboBox* box, int item)
{
    box->setCurrentIndex(item);
    Q_EMIT box->activated(item);
}

// Text as an input method commits it, as the user's Japanese input does.
void typeText(QWidget* field, const QString& text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(field, &event);
}

} // namespace

class TSymDBFrmTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void addedRowTakesACodeRefusesADuplicateAndIsSavedUnderANewName()
    {
        test::TablesFixture world;
        world.writeTable(QStringLiteral("DBTest.csv"), kTestDatabase);
        ui::TSymDBFrm editor(world.context());
        editor.openFile(world.tableFile(QStringLiteral("DBTest.csv")));
        auto* list = test::child<QTableView>(editor, "SymbolList");
        QCOMPARE(list->model()->rowCount(), 6); // two group headers and four rows
        QVERIFY(!test::child<QToolButton>(editor, "DBAdd")->isEnabled());

        // Group 1 has no rows: the new row goes before group 2's first row and becomes No 3.
        chooseGroup(test::child<QComboBox>(editor, "GroupSelector"), 1);
        test::child<QToolButton>(editor, "DBAdd")->click();
        QCOMPARE(editor.document().row(2).group, 1);
        QCOMPARE(test::child<QLineEdit>(editor, "NoField")->text(), QStringLiteral("3"));
        QVERIFY(test::child<QLineEdit>(editor, "CodeField")->isEnabled());

        QString warning;
        test::answerMessage(QMessageBox::Yes, &warning);
        QTest::keyClicks(test::child<QLineEdit>(editor, "CodeField"), QStringLiteral("0254"));
        QCOMPARE(warning, QStringLiteral("すでに\" 0254 \"は、No:4に登録されています。"));
        QVERIFY(editor.document().row(2).code.isEmpty());

        auto* code = test::child<QLineEdit>(editor, "CodeField");
        code->clear();
        QTest::keyClicks(code, QStringLiteral("00E9"));
        QCOMPARE(editor.document().row(2).code, QStringLiteral("00E9"));
        QTest::keyClicks(test::child<QLineEdit>(editor, "EnglishNameField"), QStringLiteral("e acute"));
        // A double quote cannot be stored in a note and is not taken.
        QTest::keyClicks(test::child<QLineEdit>(editor, "NoteField"), QStringLiteral("x\""));
        QCOMPARE(list->model()->index(4, 3).data().toString(), QStringLiteral("e acute"));

        world.fileToChoose = world.tableFile(QStringLiteral("DBMine.csv"));
        QString question;
        test::answerMessage(QMessageBox::Yes, &question);
        test::child<QToolButton>(editor, "DBSave")->click();
        QVERIFY(question.startsWith(QStringLiteral("記号DBファイルを保存しました。")));
        QVERIFY(editor.endRequested());
        const core::SymbolDatabase saved = core::SymbolDatabase::read(world.tableFile(QStringLiteral("DBMine.csv")));
        QCOMPARE(saved.entries().size(), 5);
        QCOMPARE(saved.entries().at(2).code, QStringLiteral("00E9"));
        QCOMPARE(saved.entries().at(2).group, 1);
        QCOMPARE(saved.entries().at(2).englishName, QStringLiteral("e acute"));
        QCOMPARE(saved.entries().at(2).note, QStringLiteral("x"));
        QCOMPARE(saved.writingSystem(), QStringLiteral("発音記号"));
    }

    void selectingAHandEditedDuplicateWarnsAndDeleteRenumbers()
    {
        test::TablesFixture world;
        world.writeTable(QStringLiteral("DBDup.csv"),
            QStringLiteral(
                "Group,0,\"a\"\r\n0,\"0250\",\"x\",\"あ\",\"0\",\"\"\r\n0,\"0251\",\"y\",\"い\",\"0\",\"\"\r\n"
                "0,\"0250\",\"z\",\"う\",\"7\",\"\"\r\n"));
        ui::TSymDBFrm editor(world.context());
        editor.openFile(world.tableFile(QStringLiteral("DBDup.csv")));
        auto* list = test::child<QTableView>(editor, "SymbolList");
        QString warning;
        test::answerMessage(QMessageBox::Yes, &warning);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(3, 1)).center());
        QCOMPARE(warning, QStringLiteral("すでに\" 0250 \"は、No:1に登録されています。"));
        QCOMPARE(test::child<QComboBox>(editor, "AuxiliarySelector")->currentIndex(), -1); // kind 7

        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(1, 1)).center());
        QString question;
        test::answerMessage(QMessageBox::Yes, &question);
        test::child<QToolButton>(editor, "DBDelete")->click();
        QCOMPARE(question,
            QStringLiteral(
                "■番　号：　1\r\n■日本語名：　「あ」　　\r\n■英語名：　\"x\" \r\nを削除しますがよろしいですか？"));
        QCOMPARE(editor.document().rowCount(), 2);
        QCOMPARE(list->model()->index(1, 0).data().toInt(), 1);
        QCOMPARE(list->model()->index(2, 0).data().toInt(), 2);

        // The arrow keys move through the rows as clicks do.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(1, 1)).center());
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(test::child<QLineEdit>(editor, "NoField")->text(), QStringLiteral("2"));
        QCOMPARE(test::child<QLineEdit>(editor, "EnglishNameField")->text(), QStringLiteral("z"));
    }

    void rowsWithoutACodeAreNamedAndAFailedWriteKeepsTheFile()
    {
        test::TablesFixture world;
        world.writeTable(QStringLiteral("DBTest.csv"), kTestDatabase);
        const QByteArray before = world.readTable(QStringLiteral("DBTest.csv"));
        ui::TSymDBFrm editor(world.context());
        editor.openFile(world.tableFile(QStringLiteral("DBTest.csv")));
        chooseGroup(test::child<QComboBox>(editor, "GroupSelector"), 3);
        test::child<QToolButton>(editor, "DBAdd")->click();
        typeText(test::child<QLineEdit>(editor, "JapaneseNameField"), QStringLiteral("新記号"));

        // Declining the question writes nothing.
        QString question;
        test::answerMessage(QMessageBox::No, &question);
        test::child<QToolButton>(editor, "DBOverWrite")->click();
        QVERIFY2(question.contains(QStringLiteral("No:5")) && question.contains(QStringLiteral("新記号")),
            qPrintable(question));
        QCOMPARE(world.readTable(QStringLiteral("DBTest.csv")), before);

        // A full disk: the message names the file, the file and the editor stay as they were.
        QTest::keyClicks(test::child<QLineEdit>(editor, "CodeField"), QStringLiteral("00E9"));
        core::setWriteLimitForTesting(16);
        QString failure;
        test::answerMessage(QMessageBox::Yes, &failure);
        test::child<QToolButton>(editor, "DBOverWrite")->click();
        core::setWriteLimitForTesting(-1);
        QVERIFY2(failure.contains(QStringLiteral("DBTest.csv")), qPrintable(failure));
        QCOMPARE(world.readTable(QStringLiteral("DBTest.csv")), before);
        QCOMPARE(editor.document().rowCount(), 5);
        QVERIFY(!editor.endRequested());
    }

    void skippedLinesAreReportedOnOpen()
    {
        test::TablesFixture world;
        world.writeTable(QStringLiteral("DBBad.csv"),
            QStringLiteral("Group,0,\"a\"\r\nx,\"0250\",\"\",\"\",\"0\",\"\"\r\n0,\"0251\",\"\",\"\",\"0\",\"\"\r\n"));
        ui::TSymDBFrm editor(world.context());
        QString report;
        test::answerMessage(QMessageBox::Yes, &report);
        editor.openFile(world.tableFile(QStringLiteral("DBBad.csv")));
        QVERIFY2(
            report.contains(QStringLiteral("DBBad.csv")) && report.contains(QStringLiteral("2")), qPrintable(report));
        QCOMPARE(editor.document().rowCount(), 1);
    }

    void newDatabaseDialogChecksTheNameAndOpensTheFile()
    {
        test::TablesFixture world;
        ui::TSymDBFrm editor(world.context());
        test::MessageBoxCatcher catcher;
        test::whenModal(
            [&](QWidget* modal) {
                auto* name = test::child<QLineEdit>(modal, "NameField");
                auto* create = test::child<QPushButton>(modal, "CreateButton");
                QVERIFY(!create->isEnabled());
                test::child<QPlainTextEdit>(modal, "ExtraGroups")->setPlainText(QStringLiteral("追加A\n追加B\n"));
                for (const char* typed : {"DBNew.CSV", "dbNew.csv", "DBPhonet.csv", "DBNew.csv"}) {
                    name->setText(QString::fromUtf8(typed));
                    create->click();
                }
            },
            [](QWidget* modal) { return qobject_cast<ui::TNewSymDBFrm*>(modal) != nullptr; });
        // Should the dialog stay open, the test ends rather than hangs.
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, [] {
            if (auto* modal = qobject_cast<ui::TNewSymDBFrm*>(QApplication::activeModalWidget()))
                modal->reject();
        });
        guard.start(10000);
        test::child<QToolButton>(editor, "DBNew")->click();
        const QStringList texts = catcher.texts();
        QVERIFY2(texts.size() >= 3, qPrintable(texts.join(u'|')));
        QCOMPARE(texts.at(0), QStringLiteral("拡張子は\"csv\"でなくてはなりません。"));
        QCOMPARE(texts.at(1), QStringLiteral("ﾌｧｲﾙ名の最初の2文字は\"DB\"でなくてはなりません。"));
        QCOMPARE(texts.at(2), QStringLiteral("同名のﾌｧｲﾙが存在します。別の名前をつけて下さい。"));
        QVERIFY(QFileInfo::exists(world.tableFile(QStringLiteral("DBNew.csv"))));
        QCOMPARE(editor.document().path(), world.tableFile(QStringLiteral("DBNew.csv")));
        QCOMPARE(editor.document().groups().size(), 29);
        QCOMPARE(editor.document().groups().last().name, QStringLiteral("追加B"));
    }

    void systemTablesOpenButNeverWrite()
    {
        test::TablesFixture world;
        world.settings.setFlag(core::SettingKey::SysTblFlg, true);
        ui::TableTools tools(world.context());
        QString information;
        test::answerMessage(QMessageBox::Yes, &information);
        test::whenModal(
            [&](QWidget* modal) {
                auto* editor = qobject_cast<ui::TSymDBFrm*>(modal);
                editor->openFile(world.tableFile(QStringLiteral("DBPhonet.csv")));
                QVERIFY(editor->document().rowCount() > 0);
                QVERIFY(!test::child<QToolButton>(editor, "DBSave")->isEnabled());
                QVERIFY(!test::child<QToolButton>(editor, "DBOverWrite")->isEnabled());
                QVERIFY(!test::child<QToolButton>(editor, "DBNew")->isEnabled());
                test::child<QToolButton>(editor, "DBExit")->click();
            },
            [](QWidget* modal) { return qobject_cast<ui::TSymDBFrm*>(modal) != nullptr; });
        tools.openSymbolDatabaseEditor();
        QVERIFY(information.startsWith(QStringLiteral("　テーブル選択が、システムテーブルになっています。記号DB")));
        // The user's own layout while open; mode 1 (no script layout) needs nothing back.
        QCOMPARE(world.layoutCalls, QStringList{QStringLiteral("startup")});
        QCOMPARE(world.endRequests, 0);
    }

    void textTooWideForItsCellEndsInThreeDots()
    {
        const QFontMetrics metrics(QFont(QStringLiteral("DejaVu Sans"), 12));
        const QString text = QStringLiteral("voiceless bilabial plosive");
        QCOMPARE(ui::SymbolListDelegate::fitted(text, metrics, metrics.horizontalAdvance(text)), text);
        const int width = metrics.horizontalAdvance(QStringLiteral("voiceless..."));
        const QString fitted = ui::SymbolListDelegate::fitted(text, metrics, width);
        QVERIFY2(
            fitted.endsWith(QStringLiteral("...")) && metrics.horizontalAdvance(fitted) <= width, qPrintable(fitted));
        QVERIFY(text.startsWith(fitted.chopped(3)));
        QVERIFY(metrics.horizontalAdvance(text.left(fitted.size() - 2) + QStringLiteral("...")) > width);
    }

    void toolsRestoreTheScriptLayoutInLayoutModes()
    {
        test::TablesFixture world;
        world.settings.setInteger(core::SettingKey::InputMode, 2);
        ui::TableTools tools(world.context());
        test::whenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
        tools.openHtmlListTool();
        QCOMPARE(world.layoutCalls, (QStringList{QStringLiteral("startup"), QStringLiteral("script")}));
    }
};

QTEST_MAIN(TSymDBFrmTest)
#include "tsymdbfrm_test.moc"
