#include "core/common/atomicfile.h"
#include "core/wordbook/groupnamelist.h"
#include "support/widgetlookup.h"
#include "ui/wordbook/tgroupfrm.h"
#include "ui/wordbook/tjumpfrm.h"
#include "ui/wordbook/tnewwbfrm.h"
#include "ui/wordbook/twordmovefrm.h"
#include "ui/wordbook/wordbooklistmodel.h"
#include "ui/wordbook/wordbookmanagement.h"
#include "ui/wordbook/wordbookpanel.h"
#include "ui/wordbook/wordlistmodel.h"
#include "ui/wordbook/wordlistview.h"
#include "wordbookfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListView>
#include <QPushButton>
#include <QTableView>

using namespace pelinor;
using test::WordBookFixture;

namespace {

// A failed write, as on a full disk, for as long as it lives.
class WriteLimit {
public:
    WriteLimit() { core::setWriteLimitForTesting(10); }
    ~WriteLimit() { core::setWriteLimitForTesting(-1); }
    WriteLimit(const WriteLimit&) = delete;
    WriteLimit& operator=(const WriteLimit&) = delete;
};

QList<core::WordEntry> sixEntries()
{
    QList<core::WordEntry> entries;
    for (int i = 1; i <= 6; ++i)
        entries.append(test::entry(QStringLiteral("w%1").arg(i)));
    return entries;
}

QStringList words(const QList<core::WordEntry>& entries)
{
    QStringList list;
    for (const core::WordEntry& e : entries)
        list.append(e.foreignWord);
    return list;
}

// "book.utx" of six entries, listed and open, with another book beside it.
struct OpenBook : WordBookFixture {
    OpenBook()
    {
        writeBook(russianBooks(), u"book.utx"_qs, u"Book"_qs, u"あいさつ"_qs, sixEntries());
        writeBook(russianBooks(), u"other.utx"_qs, u"Other"_qs, u"その他"_qs, {test::entry(u"z"_qs)});
        ui::WordBookController& c = make();
        c.listWordBooks();
        c.selectWordBookByFile(u"book.utx"_qs);
    }

    QString path() const { return russianBooks() + u"/book.utx"_qs; }
    ui::WordBookManagement& management() const { return controller->management(); }
    void selectEntry(qsizetype number) const { controller->wordList().selectEntry(number); }
};

// Runs `act` on the modal dialog of this object name once it is shown.
void whenDialog(const char* objectName, std::function<void(QDialog*)> act)
{
    const QString name = QString::fromLatin1(objectName);
    test::whenModal([act](QWidget* modal) { act(static_cast<QDialog*>(modal)); },
        [name](QWidget* modal) { return modal->objectName() == name; });
}

void click(QDialog* dialog, const char* button)
{
    test::child<QPushButton>(dialog, button)->click();
}

} // namespace

/// The management dialogs, driven through their controls.
class WordBookManagementTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void newWordBookIsCreatedOpenedAndAsksBeforeReplacing()
    {
        OpenBook f;
        f.chosenWordBookFile = f.russianBooks() + u"/fresh"_qs;
        whenDialog("TNewWBFrm", [](QDialog* d) {
            auto* create = test::child<QPushButton>(d, "NewWordBookCreate");
            QVERIFY(!create->isEnabled());
            auto* title = test::child<QLineEdit>(d, "WordBookTitleField");
            QTest::keyClicks(title, u"  "_qs);
            QVERIFY(!create->isEnabled());
            title->setText(u" 新しい単語帳 "_qs);
            test::child<QComboBox>(d, "WordBookGroupBox")->setCurrentIndex(1);
            create->click();
        });
        f.management().newWordBook();
        const QString path = f.russianBooks() + u"/fresh.utx"_qs;
        QCOMPARE(f.wordBookFileStart, f.russianBooks() + u"/新しい単語帳.utx"_qs);
        QVERIFY(QFileInfo::exists(path));
        QCOMPARE(
            core::readWordBookFile(path).header, (core::WordBookHeader{u"新しい単語帳"_qs, u"その他"_qs, QString()}));
        QCOMPARE(f.book.fileName(), u"fresh.utx"_qs);
        QCOMPARE(f.settings.text(core::SettingKey::LastGroup), u"その他"_qs);

        // Choosing the file of an existing book asks; "No" leaves the book and keeps the dialog.
        f.chosenWordBookFile = f.path();
        QFile original(f.path());
        QVERIFY(original.open(QIODevice::ReadOnly));
        const QByteArray bookBytes = original.readAll();
        original.close();
        QString question;
        bool stayed = false;
        whenDialog("TNewWBFrm", [&](QDialog* d) {
            test::child<QLineEdit>(d, "WordBookTitleField")->setText(u"x"_qs);
            test::child<QComboBox>(d, "WordBookGroupBox")->setCurrentIndex(0);
            test::answerMessage(QMessageBox::No, &question);
            click(d, "NewWordBookCreate");
            stayed = d->isVisible();
            d->reject();
        });
        f.management().newWordBook();
        QVERIFY2(question.contains(u"book.utx"_qs), qPrintable(question));
        QVERIFY(stayed);
        QFile again(f.path());
        QVERIFY(again.open(QIODevice::ReadOnly));
        QCOMPARE(again.readAll(), bookBytes);
    }

    void failedWritesOfNewBookAndGroupListChangeNothing()
    {
        OpenBook f;
        f.chosenWordBookFile = f.russianBooks() + u"/full.utx"_qs;
        QString message;
        bool stayed = false;
        whenDialog("TNewWBFrm", [&](QDialog* d) {
            test::child<QLineEdit>(d, "WordBookTitleField")->setText(u"x"_qs);
            test::child<QComboBox>(d, "WordBookGroupBox")->setCurrentIndex(0);
            test::answerMessage(QMessageBox::Yes, &message);
            {
                const WriteLimit full;
                click(d, "NewWordBookCreate");
            }
            stayed = d->isVisible();
            d->reject();
        });
        f.management().newWordBook();
        QVERIFY2(message.contains(u"full.utx"_qs), qPrintable(message));
        QVERIFY(stayed);
        QVERIFY(!QFileInfo::exists(f.chosenWordBookFile));
        QCOMPARE(f.book.fileName(), u"book.utx"_qs);

        QVERIFY(core::writeGroupNameList(f.folders.systemFolder(), {u"a"_qs, u"b"_qs}));
        message.clear();
        whenDialog("TGroupFrm", [&](QDialog* g) {
            // Long enough that the file passes the write limit.
            test::child<QLineEdit>(g, "GroupNameField")->setText(u"海外旅行の会話"_qs);
            click(g, "GroupNameAdd");
            test::answerMessage(QMessageBox::Yes, &message);
            {
                const WriteLimit full;
                click(g, "GroupNameSave");
            }
            QVERIFY(g->isVisible());
            g->reject();
        });
        QVERIFY(!f.management().editGroupNames());
        QVERIFY2(message.contains(u"GroupName.txt"_qs), qPrintable(message));
        QCOMPARE(core::readGroupNameList(f.folders.systemFolder()).lines, (QStringList{u"a"_qs, u"b"_qs}));
    }

    void newWordBookWithoutGroupWarnsAndStays()
    {
        OpenBook f;
        QVERIFY(core::writeGroupNameList(f.folders.systemFolder(), {}));
        QString warning;
        whenDialog("TNewWBFrm", [&](QDialog* d) {
            QCOMPARE(test::child<QComboBox>(d, "WordBookGroupBox")->count(), 0);
            test::child<QLineEdit>(d, "WordBookTitleField")->setText(u"x"_qs);
            test::answerMessage(QMessageBox::Yes, &warning);
            click(d, "NewWordBookCreate");
            QVERIFY(d->isVisible());
            d->reject();
        });
        f.management().newWordBook();
        QCOMPARE(warning, u"いずれかのグループを指定して下さい。"_qs);
        QVERIFY(f.wordBookFileStart.isEmpty());
    }

    void groupEditorAddsAGroupThatTheNewBookDialogOffers()
    {
        OpenBook f;
        QStringList offered;
        whenDialog("TNewWBFrm", [&](QDialog* d) {
            whenDialog("TGroupFrm", [](QDialog* g) {
                test::child<QLineEdit>(g, "GroupNameField")->setText(u"旅行"_qs);
                click(g, "GroupNameAdd");
                QCOMPARE(test::child<QLabel>(g, "GroupNameCount")->text(), u"個数： 1個"_qs);
                test::answerMessage(QMessageBox::Yes);
                click(g, "GroupNameSave");
            });
            click(d, "NewWordBookGroupEdit");
            auto* groups = test::child<QComboBox>(d, "WordBookGroupBox");
            for (int i = 0; i < groups->count(); ++i)
                offered.append(groups->itemText(i));
            d->reject();
        });
        f.management().newWordBook();
        // Without a group name list the editor starts empty, so the new list holds the one group.
        QCOMPARE(offered, QStringList{u"旅行"_qs});
        QCOMPARE(core::readGroupNameList(f.folders.systemFolder()).lines, QStringList{u"旅行"_qs});
    }

    void groupEditorRefusesToDeleteTheLastTwo()
    {
        OpenBook f;
        QVERIFY(core::writeGroupNameList(f.folders.systemFolder(), {u"a"_qs, u"b"_qs}));
        QString warning;
        whenDialog("TGroupFrm", [&](QDialog* g) {
            auto* list = test::child<QListView>(g, "GroupNameList");
            list->setCurrentIndex(list->model()->index(1, 0));
            QVERIFY(test::child<QPushButton>(g, "GroupNameUp")->isEnabled());
            QVERIFY(!test::child<QPushButton>(g, "GroupNameDown")->isEnabled());
            test::answerMessage(QMessageBox::Yes, &warning);
            click(g, "GroupNameDelete");
            g->reject();
        });
        f.management().editGroupNames();
        QCOMPARE(warning, u"グループをゼロにすることはできません。"_qs);
        QCOMPARE(core::readGroupNameList(f.folders.systemFolder()).lines, (QStringList{u"a"_qs, u"b"_qs}));
    }

    void propertiesRenameTheBookAndAFailedWriteChangesNothing()
    {
        OpenBook f;
        whenDialog("TWBPropFrm", [](QDialog* d) {
            QCOMPARE(test::child<QLineEdit>(d, "WordBookTitleField")->text(), u"Book"_qs);
            test::child<QLineEdit>(d, "WordBookTitleField")->setText(u"Renamed"_qs);
            click(d, "WordBookPropertiesApply");
        });
        f.management().editProperties();
        QCOMPARE(core::readWordBookFile(f.path()).header.title, u"Renamed"_qs);
        QCOMPARE(f.book.title(), u"Renamed"_qs);
        QCOMPARE(f.book.fileName(), u"book.utx"_qs);
        const ui::WordBookListModel& rows = *f.controller->wordBookListModel();
        QCOMPARE(rows.row(rows.rowOfFile(u"book.utx"_qs)).title, u"Renamed"_qs);

        QString message;
        bool stayed = false;
        whenDialog("TWBPropFrm", [&](QDialog* d) {
            test::child<QLineEdit>(d, "WordBookTitleField")->setText(u"Lost"_qs);
            test::answerMessage(QMessageBox::Yes, &message);
            {
                const WriteLimit full;
                click(d, "WordBookPropertiesApply");
            }
            stayed = d->isVisible();
            d->reject();
        });
        f.management().editProperties();
        QVERIFY2(message.contains(u"book.utx"_qs), qPrintable(message));
        QVERIFY(stayed);
        QCOMPARE(core::readWordBookFile(f.path()).header.title, u"Renamed"_qs);
        QCOMPARE(f.book.title(), u"Renamed"_qs);
        QCOMPARE(rows.row(rows.rowOfFile(u"book.utx"_qs)).title, u"Renamed"_qs);
    }

    void deletingTheBookRemovesFileAndRowAndClosesIt()
    {
        OpenBook f;
        whenDialog("TWBDelFrm", [](QDialog* d) {
            QCOMPARE(test::child<QLineEdit>(d, "DeleteWordBookFile")->text(), u"book.utx"_qs);
            click(d, "DeleteWordBookOk");
        });
        f.management().deleteWordBook();
        QVERIFY(!QFileInfo::exists(f.path()));
        QVERIFY(!f.book.isOpen());
        QCOMPARE(f.controller->wordBookListModel()->rowOfFile(u"book.utx"_qs), -1);
        QVERIFY(f.controller->wordBookListModel()->rowOfFile(u"other.utx"_qs) >= 0);
        QVERIFY(!f.action(u"WordBookClose"_qs)->isEnabled());
    }

    void movingAnEntryLandsAboveTheTarget_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QStringList>("order");
        QTest::addColumn<int>("selected");
        QTest::newRow("2 to 5") << 2 << u"5"_qs
                                << QStringList{u"w1"_qs, u"w3"_qs, u"w4"_qs, u"w2"_qs, u"w5"_qs, u"w6"_qs} << 4;
        QTest::newRow("5 to 2") << 5 << u"2"_qs
                                << QStringList{u"w1"_qs, u"w5"_qs, u"w2"_qs, u"w3"_qs, u"w4"_qs, u"w6"_qs} << 2;
        QTest::newRow("out of range") << 2 << u"7"_qs << words(sixEntries()) << 2;
    }

    void movingAnEntryLandsAboveTheTarget()
    {
        QFETCH(int, source);
        QFETCH(QString, target);
        QFETCH(QStringList, order);
        QFETCH(int, selected);
        OpenBook f;
        f.selectEntry(source);
        QStringList offered;
        whenDialog("TWordMoveFrm", [&](QDialog* d) {
            auto* box = test::child<QComboBox>(d, "MoveWordTarget");
            for (int i = 0; i < box->count(); ++i)
                offered.append(box->itemText(i));
            QVERIFY(!test::child<QPushButton>(d, "MoveWordOk")->isEnabled());
            box->setEditText(target);
            click(d, "MoveWordOk");
            if (d->isVisible())
                d->reject();
        });
        f.management().moveWord();
        QCOMPARE(offered.size(), 5);
        QVERIFY(!offered.contains(QString::number(source)));
        QCOMPARE(words(f.entriesInFile(f.path())), order);
        QCOMPARE(words(f.book.entries()), order);
        QCOMPARE(f.controller->wordList().selectedEntryIndex() + 1, selected);
    }

    void failedMoveOrDeleteKeepsEveryEntry_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::newRow("move") << u"TWordMoveFrm"_qs;
        QTest::newRow("delete") << u"TWordDelFrm"_qs;
    }

    void failedMoveOrDeleteKeepsEveryEntry()
    {
        QFETCH(QString, dialog);
        OpenBook f;
        f.selectEntry(2);
        QString message;
        whenDialog(dialog.toLatin1().constData(), [&](QDialog* d) {
            test::answerMessage(QMessageBox::Yes, &message);
            const WriteLimit full;
            if (auto* box = d->findChild<QComboBox*>(u"MoveWordTarget"_qs)) {
                box->setEditText(u"5"_qs);
                click(d, "MoveWordOk");
            } else {
                click(d, "DeleteWordOk");
            }
            QVERIFY(d->isVisible());
            d->reject();
        });
        if (dialog == u"TWordMoveFrm"_qs)
            f.management().moveWord();
        else
            f.management().deleteWord();
        QVERIFY2(message.contains(u"book.utx"_qs), qPrintable(message));
        QCOMPARE(words(f.entriesInFile(f.path())), words(sixEntries()));
        QCOMPARE(words(f.book.entries()), words(sixEntries()));
        QCOMPARE(f.controller->wordListModel()->rowCount(), 6);
        const ui::WordBookListModel& rows = *f.controller->wordBookListModel();
        QCOMPARE(rows.row(rows.rowOfFile(u"book.utx"_qs)).count, 6);
    }

    void deletingAnEntryUpdatesFileListAndCount()
    {
        OpenBook f;
        f.selectEntry(3);
        whenDialog("TWordDelFrm", [](QDialog* d) {
            QCOMPARE(test::child<QLineEdit>(d, "DeleteWordNumber")->text(), u"3"_qs);
            QCOMPARE(test::child<QLineEdit>(d, "DeleteWordForeign")->text(), u"w3"_qs);
            click(d, "DeleteWordOk");
        });
        f.management().deleteWord();
        const QStringList expected{u"w1"_qs, u"w2"_qs, u"w4"_qs, u"w5"_qs, u"w6"_qs};
        QCOMPARE(words(f.entriesInFile(f.path())), expected);
        QCOMPARE(f.controller->wordListModel()->rowCount(), 5);
        const ui::WordBookListModel& rows = *f.controller->wordBookListModel();
        QCOMPARE(rows.row(rows.rowOfFile(u"book.utx"_qs)).count, 5);
    }

    void jumpSelectsOnlyNumbersOfTheBookAndEnterWorksWhileOkIsDisabled()
    {
        OpenBook f;
        for (const QString& text : {u"0"_qs, u"7"_qs}) {
            whenDialog("TJumpFrm", [&](QDialog* d) {
                auto* box = test::child<QComboBox>(d, "JumpNumber");
                box->setEditText(text);
                QTest::keyClick(box->lineEdit(), Qt::Key_Return);
                QVERIFY(d->isVisible());
                d->reject();
            });
            f.management().jump();
            QCOMPARE(f.controller->wordList().selectedEntryIndex(), -1);
        }
        whenDialog("TJumpFrm", [](QDialog* d) {
            auto* box = test::child<QComboBox>(d, "JumpNumber");
            box->lineEdit()->setText(u"4 "_qs);
            QVERIFY(!test::child<QPushButton>(d, "JumpOk")->isEnabled());
            QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        });
        f.management().jump();
        QCOMPARE(f.controller->wordList().selectedEntryIndex(), 3);
        QVERIFY(f.action(u"WordEdit"_qs)->isEnabled());
    }

    void closingTheBookOpensAClosedPanel()
    {
        OpenBook f;
        ui::WordBookPanel* panel = f.controller->panel();
        panel->autoDoorBox()->setChecked(true);
        f.settings.setFlag(core::SettingKey::AutoDoorFlg, true);
        QTRY_VERIFY(panel->isDoorIdle());
        if (panel->isDoorOpen()) {
            f.controller->operateDoor();
            QTRY_VERIFY(panel->isDoorIdle() && !panel->isDoorOpen());
        }
        f.action(u"WordBookClose"_qs)->trigger();
        QVERIFY(!f.book.isOpen());
        QTRY_VERIFY(panel->isDoorIdle() && panel->isDoorOpen());
        QVERIFY(!panel->listView()->selectionModel()->hasSelection());
    }

    void contextMenusHoldTheCommandsInOrder()
    {
        OpenBook f;
        QStringList bookMenu;
        for (QAction* a : f.controller->panel()->listView()->actions())
            bookMenu.append(a->isSeparator() ? u"-"_qs : a->text());
        QCOMPARE(
            bookMenu, (QStringList{u"単語帳のプロパティ変更"_qs, u"単語帳の削除"_qs, u"-"_qs, u"単語帳を閉じる"_qs}));
        QStringList wordMenu;
        for (QAction* a : f.controller->wordListView()->actions())
            wordMenu.append(a->isSeparator() ? u"-"_qs : a->text());
        QCOMPARE(wordMenu,
            (QStringList{
                u"単語編集"_qs, u"単語移動"_qs, u"ジャンプ (&J)"_qs, u"単語削除"_qs, u"-"_qs, u"文字色変更"_qs}));
        // Nothing of the word book menu is hidden any more.
        for (QAction* a : f.wordBookMenu.actions())
            QVERIFY2(a->isVisible(), qPrintable(a->text()));
    }
};

QTEST_MAIN(WordBookManagementTest)
#include "wordbookmanagement_test.moc"
