#include "core/app/folders.h"
#include "support/testworld.h"
#include "support/widgetlookup.h"
#include "ui/app/tmainfrm.h"
#include "ui/app/workbench.h"
#include "ui/wordbook/tsearchfrm.h"
#include "ui/wordbook/wordbooklistmodel.h"
#include "ui/wordbook/wordlistview.h"
#include "ui/wordbook/wordsearchmodel.h"
#include "wordbookfixture.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

using namespace pelinor;
using test::WordBookFixture;

namespace {

struct SearchFixture : WordBookFixture {
    SearchFixture()
    {
        // Two books share a title; "b.utx" holds the exact match last.
        writeBook(russianBooks(), u"a.utx"_qs, u"Same"_qs, u"あいさつ"_qs,
            {test::entry(u"дом"_qs, u"dom"_qs, u"ドム"_qs, u"家"_qs),
                test::entry(u"домик"_qs, {}, {}, u"小さい家"_qs)});
        writeBook(russianBooks(), u"b.utx"_qs, u"Same"_qs, u"あいさつ"_qs,
            {test::entry(u"кот"_qs, {}, {}, u"猫"_qs),
                test::entry(u"дом"_qs, u"dom2"_qs, {}, u"家（b）"_qs, u"one#$0Dtwo"_qs)});
        make();
        controller->listWordBooks();
    }

    ui::TSearchFrm* open()
    {
        controller->openSearchWindow();
        ui::TSearchFrm* frm = controller->searchWindow();
        if (!frm)
            qFatal("no search window");
        return frm;
    }

    // Searches `text` in the field at `field` of the chosen scope and waits for the list.
    static void search(ui::TSearchFrm* frm, int field, const QString& text, bool dictionary = false)
    {
        frm->fieldChooser()->setCurrentIndex(field);
        Q_EMIT frm->fieldChooser()->activated(field);
        test::child<QRadioButton>(frm, dictionary ? "SearchScopeDictionary" : "SearchScopeCurrent")->click();
        frm->searchBox()->setText(text);
        QTest::keyClick(frm->searchBox(), Qt::Key_Return);
        QTRY_VERIFY(!frm->isSearching());
        QCoreApplication::processEvents();
    }

    // Column texts of the result list: title ":" number.
    static QStringList rows(ui::TSearchFrm* frm)
    {
        QStringList list;
        const ui::WordSearchModel& model = *frm->resultModel();
        for (int row = 0; row < model.rowCount(); ++row) {
            list.append(model.index(row, ui::WordSearchModel::ForeignColumn).data().toString() + u':'
                + model.index(row, ui::WordSearchModel::NumberColumn).data().toString());
        }
        return list;
    }

    static void clickRow(ui::TSearchFrm* frm, int row)
    {
        QTableView* list = frm->resultList();
        const QModelIndex index = list->model()->index(row, 0);
        list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        Q_EMIT list->clicked(index);
    }
};

} // namespace

/// The search window "単語帳検索", on the word book part of the main window.
class TSearchFrmTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void exactMatchesFirstNothingFoundAndEmptyText()
    {
        SearchFixture f;
        ui::TSearchFrm* window = f.open();
        f.search(window, 0, u"дом"_qs);
        QCOMPARE(f.rows(window), (QStringList{u"дом:*2"_qs, u"дом:*1"_qs, u"домик:2"_qs}));
        f.search(window, 0, u"нет"_qs);
        QCOMPARE(f.rows(window), QStringList{u"- なし -:"_qs});
        // The row "- なし -" is no result: clicking it enables nothing.
        f.clickRow(window, 0);
        QVERIFY(!test::child<QPushButton>(window, "SearchEditButton")->isEnabled());
        f.search(window, 0, QString());
        QCOMPARE(window->resultModel()->rowCount(), 0);
        // The chooser and the scope are remembered.
        f.search(window, 3, u"家"_qs, true);
        QCOMPARE(f.settings.integer(core::SettingKey::SearchIndex), 3);
        QVERIFY(f.settings.flag(core::SettingKey::DicSearchFlg));
        window->close();
    }

    void editingAHitOpensItsOwnFileAmongBooksOfOneTitle()
    {
        SearchFixture f;
        ui::TSearchFrm* window = f.open();
        f.search(window, 0, u"дом"_qs);
        f.clickRow(window, 0); // "Same" of b.utx, entry 2
        QCOMPARE(window->findChild<QWidget*>(u"SearchDetails"_qs)->height(), ui::TSearchFrm::kDetailsHeight);
        QCOMPARE(test::child<QPlainTextEdit>(window, "SearchDetailNote")->toPlainText(), u"one\ntwo"_qs);
        QString edited;
        test::whenModal(
            [&edited](QWidget* modal) {
                edited = test::child<QPlainTextEdit>(modal, "NoteField")->toPlainText();
                static_cast<QDialog*>(modal)->reject();
            },
            [](QWidget* modal) { return modal->objectName() == u"TModFrm"_qs; });
        test::child<QPushButton>(window, "SearchEditButton")->click();
        QCOMPARE(f.book.fileName(), u"b.utx"_qs);
        QCOMPARE(f.controller->wordList().selectedEntryIndex(), 1);
        QCOMPARE(edited, u"one\ntwo"_qs);
        QTRY_VERIFY(!f.controller->searchWindow());
    }

    void editingADictionaryHitEntersDictionaryMode()
    {
        SearchFixture f;
        f.writeBook(f.russianDictionary(), u"dic.utx"_qs, u"辞書"_qs, u"辞書"_qs,
            {test::entry(u"x"_qs), test::entry(u"слово"_qs, {}, {}, u"言葉"_qs)});
        ui::TSearchFrm* window = f.open();
        f.search(window, 3, u"言葉"_qs, true);
        QCOMPARE(f.rows(window), QStringList{u"слово:*2"_qs});
        f.clickRow(window, 0);
        test::whenModal([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); },
            [](QWidget* modal) { return modal->objectName() == u"TModFrm"_qs; });
        test::child<QPushButton>(window, "SearchEditButton")->click();
        QVERIFY(f.controller->isDictionaryMode());
        QCOMPARE(f.book.fileName(), u"dic.utx"_qs);
        QCOMPARE(f.controller->wordList().selectedEntryIndex(), 1);
    }

    void aHitWhoseBookIsGoneLeavesTheWindowOpen()
    {
        SearchFixture f;
        ui::TSearchFrm* window = f.open();
        f.search(window, 0, u"кот"_qs);
        f.clickRow(window, 0);
        QFile::remove(f.russianBooks() + u"/b.utx"_qs);
        f.controller->listWordBooks();
        test::child<QPushButton>(window, "SearchEditButton")->click();
        QVERIFY(!f.book.isOpen());
        QCOMPARE(f.controller->searchWindow(), window);
        window->close();
    }

    void inputtingAHitFillsTheInputAreasAndCloses()
    {
        SearchFixture f;
        f.writeBook(f.russianBooks(), u"c.utx"_qs, u"Lines"_qs, QString(), {test::entry(u"a#$0Db"_qs, u"ə"_qs)});
        f.foreignArea->setPlainText(u"<>"_qs);
        QTextCursor cursor = f.foreignArea->textCursor();
        cursor.setPosition(1);
        f.foreignArea->setTextCursor(cursor);
        ui::TSearchFrm* window = f.open();
        f.search(window, 1, u"ə"_qs);
        f.clickRow(window, 0);
        test::child<QPushButton>(window, "SearchInputButton")->click();
        QCOMPARE(f.foreignArea->toPlainText(), u"<a\nb>"_qs);
        QCOMPARE(f.phoneticArea->text(), u"ə"_qs);
        QTRY_VERIFY(!f.controller->searchWindow());
    }

    void clearingCollapsesTheDetailsAndTheButtonsThenDoNothing()
    {
        SearchFixture f;
        ui::TSearchFrm* window = f.open();
        window->show();
        f.search(window, 0, u"кот"_qs);
        const int height = window->height();
        f.clickRow(window, 0);
        QCOMPARE(window->height(), height + ui::TSearchFrm::kDetailsHeight - 1);
        test::child<QPushButton>(window, "SearchClearButton")->click();
        QCOMPARE(window->height(), height);
        QVERIFY(window->searchBox()->text().isEmpty());
        QVERIFY(test::child<QPushButton>(window, "SearchInputButton")->isEnabled());
        test::child<QPushButton>(window, "SearchEditButton")->click();
        QVERIFY(!f.book.isOpen());
        test::child<QPushButton>(window, "SearchInputButton")->click();
        QVERIFY(f.foreignArea->toPlainText().isEmpty());
        QTRY_VERIFY(!f.controller->searchWindow());
    }

    void oneWindowAtATimeAndItsPlaceIsRemembered()
    {
        SearchFixture f;
        ui::TSearchFrm* window = f.open();
        f.controller->openSearchWindow();
        QCOMPARE(f.controller->searchWindow(), window);
        window->move(123, 145);
        const QPoint place = window->geometry().topLeft();
        window->close();
        QTRY_VERIFY(!f.controller->searchWindow());
        ui::TSearchFrm* again = f.open();
        QVERIFY(again != nullptr);
        QCOMPARE(again->geometry().topLeft(), place);
        again->close();
    }

    void f6OpensTheSearchAndTriggerKeysTypeRussianInTheSearchBox()
    {
        test::TestWorld world;
        world.apply();
        core::Folders folders(core::FolderRoots::fromEnvironment(QString()));
        folders.setUpFolders();
        ui::Workbench bench(folders);
        ui::TMainFrm& window = bench.window();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::keyClick(&window, Qt::Key_F6);
        ui::TSearchFrm* search = bench.wordBooks().searchWindow();
        QVERIFY(search);
        search->fieldChooser()->setCurrentIndex(0);
        Q_EMIT search->fieldChooser()->activated(0);
        test::child<QRadioButton>(search, "SearchScopeCurrent")->click();
        search->searchBox()->setFocus();
        QTest::keyClicks(search->searchBox(), u"privet"_qs);
        QCOMPARE(search->searchBox()->text(), u"привет"_qs);
        QTest::keyClick(search->searchBox(), Qt::Key_Return);
        QTRY_VERIFY(!search->isSearching());
        QTRY_VERIFY(search->resultModel()->rowCount() > 0);
        const ui::WordSearchModel& model = *search->resultModel();
        QCOMPARE(model.index(0, ui::WordSearchModel::NumberColumn).data().toString().left(1), u"*"_qs);
        QCOMPARE(model.index(0, ui::WordSearchModel::ForeignColumn).data().toString(), u"привет"_qs);
        // With "発音記号" chosen the phonetic triggers convert: F has a single candidate, inserted directly.
        search->fieldChooser()->setCurrentIndex(1);
        Q_EMIT search->fieldChooser()->activated(1);
        QVERIFY(search->searchBox()->text().isEmpty());
        QTest::keyClicks(search->searchBox(), u"F"_qs);
        QCOMPARE(search->searchBox()->text().size(), 1);
        QVERIFY(search->searchBox()->text() != u"F"_qs);
        // Other fields take keys as typed.
        search->fieldChooser()->setCurrentIndex(3);
        Q_EMIT search->fieldChooser()->activated(3);
        QTest::keyClicks(search->searchBox(), u"da"_qs);
        QCOMPARE(search->searchBox()->text(), u"da"_qs);
        search->close();
        bench.settings().setDiscardSettings(true);
    }
};

QTEST_MAIN(TSearchFrmTest)
#include "tsearchfrm_test.moc"
