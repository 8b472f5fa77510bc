#include "core/app/inputmodes.h"
#include "core/common/textcodec.h"
#include "core/wordbook/dictionaryfiles.h"
#include "core/wordbook/folderlistfile.h"
#include "core/wordbook/wordbooksummary.h"
#include "ui/wordbook/wordbooklistmodel.h"
#include "ui/wordbook/wordbookpanel.h"
#include "ui/wordbook/wordlistmodel.h"
#include "ui/wordbook/wordlistview.h"
#include "wordbookfixture.h"

#include <QCheckBox>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>

using namespace pelinor;
using test::WordBookFixture;
using ui::WordBookListModel;

namespace {

QStringList column(const WordBookListModel& model, int column)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts.append(model.data(model.index(row, column)).toString());
    return texts;
}

QByteArray cp932Lines(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += core::encodeCp932(line) + "\r\n";
    return bytes;
}

void clickHeader(QTableView* view, int section)
{
    QHeaderView* header = view->horizontalHeader();
    const int x = header->sectionViewportPosition(section) + header->sectionSize(section) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
}

void clickRow(QTableView* view, int row)
{
    const QRect cell = view->visualRect(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
}

QStringList menuTexts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

} // namespace

/// The word book panel: the list of the current folder, its sorts, opening and closing books, the
/// command states, dictionary mode, the folder menu, the door and the batch of dictionary files.
class WordBookPanelTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void listsWordBooksByGroupKeepingTitleOrder()
    {
        WordBookFixture f;
        const QString folder = f.russianBooks();
        f.writeBook(folder, u"c.utx"_qs, u"gamma"_qs, u"その他"_qs, {test::entry(u"a"_qs)});
        f.writeBook(folder, u"a.utx"_qs, u"beta"_qs, u"あいさつ"_qs, {test::entry(u"a"_qs), test::entry(u"b"_qs)});
        f.writeBook(folder, u"b.utx"_qs, u"epsilon"_qs, u"その他"_qs);
        f.writeBook(folder, u"d.utx"_qs, u"alpha"_qs, u"あいさつ"_qs);
        // Two lines: no word book. A malformed line still counts.
        f.world.writeBytes(u"documents/Norvanta/Pelinor/bookA/short.utx"_qs,
            core::encodeText(u"T\r\nG\r\n"_qs, core::TextEncoding::Utf16Le));
        f.world.writeBytes(u"documents/Norvanta/Pelinor/bookA/broken.utx"_qs,
            core::encodeText(u"delta\r\nあいさつ\r\n\r\nnot an entry\r\n"_qs, core::TextEncoding::Utf16Le));
        QDir().mkpath(folder + u"/folder.utx"_qs);
        f.writeBook(folder, u"other.txt"_qs, u"Other"_qs, QString());

        ui::WordBookController& c = f.make();
        c.listWordBooks();
        const WordBookListModel& model = *c.wordBookListModel();
        // Groups by code unit (あいさつ before その他), titles in locale order inside each group.
        QCOMPARE(column(model, WordBookListModel::GroupColumn),
            (QStringList{u"あいさつ"_qs, u"あいさつ"_qs, u"あいさつ"_qs, u"その他"_qs, u"その他"_qs}));
        QCOMPARE(column(model, WordBookListModel::TitleColumn),
            (QStringList{u"alpha"_qs, u"beta"_qs, u"delta"_qs, u"epsilon"_qs, u"gamma"_qs}));
        QCOMPARE(
            column(model, WordBookListModel::CountColumn), (QStringList{u"0"_qs, u"2"_qs, u"1"_qs, u"0"_qs, u"1"_qs}));
        QCOMPARE(
            f.folderPanel->text(), u"●単語帳フォルダ　"_qs + QDir::toNativeSeparators(folder) + u"　・・・　[4]"_qs);
        QVERIFY(f.titlePanel->text().isEmpty());
    }

    void columnSortsStartDescendingAndTheNextListingSortsByGroup()
    {
        WordBookFixture f;
        const QString folder = f.russianBooks();
        f.writeBook(folder, u"x1.utx"_qs, u"b"_qs, u"G2"_qs);
        f.writeBook(folder, u"x2.utx"_qs, u"A"_qs, u"G1"_qs);
        f.writeBook(folder, u"x3.utx"_qs, u"C"_qs, u"G1"_qs);
        ui::WordBookController& c = f.make();
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        c.listWordBooks();
        QTableView* list = c.panel()->listView();
        const WordBookListModel& model = *c.wordBookListModel();

        clickHeader(list, WordBookListModel::TitleColumn);
        QCOMPARE(column(model, WordBookListModel::TitleColumn), (QStringList{u"C"_qs, u"b"_qs, u"A"_qs}));
        clickHeader(list, WordBookListModel::TitleColumn);
        QCOMPARE(column(model, WordBookListModel::TitleColumn), (QStringList{u"A"_qs, u"b"_qs, u"C"_qs}));
        clickHeader(list, WordBookListModel::FileNameColumn);
        QCOMPARE(
            column(model, WordBookListModel::FileNameColumn), (QStringList{u"x3.utx"_qs, u"x2.utx"_qs, u"x1.utx"_qs}));
        clickHeader(list, WordBookListModel::CountColumn);
        QCOMPARE(
            column(model, WordBookListModel::FileNameColumn), (QStringList{u"x3.utx"_qs, u"x2.utx"_qs, u"x1.utx"_qs}));

        // A new listing sorts by group again, with the group's own direction (flipped by its header).
        c.listWordBooks();
        QCOMPARE(column(model, WordBookListModel::TitleColumn), (QStringList{u"A"_qs, u"C"_qs, u"b"_qs}));
        clickHeader(list, WordBookListModel::GroupColumn);
        QCOMPARE(column(model, WordBookListModel::GroupColumn), (QStringList{u"G2"_qs, u"G1"_qs, u"G1"_qs}));
        c.listWordBooks();
        QCOMPARE(column(model, WordBookListModel::TitleColumn), (QStringList{u"b"_qs, u"A"_qs, u"C"_qs}));
    }

    void missingFolderListsNothingAndTheStatusBarNamesIt()
    {
        WordBookFixture f;
        f.writeBook(f.russianBooks(), u"x.utx"_qs, u"X"_qs, QString(), {test::entry(u"a"_qs)});
        ui::WordBookController& c = f.make();
        c.listWordBooks();
        QVERIFY(c.openWordBook(u"x.utx"_qs));
        const QString gone = f.world.path(u"gone/books"_qs);
        c.setWordBookFolder(gone);
        QCOMPARE(c.wordBookListModel()->rowCount(), 0);
        QCOMPARE(f.folders.currentWordBookFolder(), gone);
        QCOMPARE(f.folderPanel->text(), u"●単語帳フォルダ　"_qs + QDir::toNativeSeparators(gone) + u"　・・・　[0]"_qs);
        QVERIFY(!f.book.isOpen());
        QVERIFY(f.titlePanel->text().isEmpty());
    }

    void commandStates_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<QList<bool>>("enabled");
        // register, edit, delete book, delete word, move, properties, close, jump, colour
        QTest::newRow("start") << 0 << QList<bool>{false, false, false, false, false, false, false, false, false};
        QTest::newRow("book opened") << 1 << QList<bool>{true, false, true, false, false, true, true, true, false};
        QTest::newRow("entry clicked") << 2 << QList<bool>{true, true, true, true, true, true, true, true, true};
        QTest::newRow("closed") << 3 << QList<bool>{false, false, false, false, false, false, false, false, false};
    }

    void commandStates()
    {
        QFETCH(int, step);
        QFETCH(QList<bool>, enabled);
        WordBookFixture f;
        f.writeBook(f.russianBooks(), u"x.utx"_qs, u"X"_qs, QString(), {test::entry(u"a"_qs)});
        ui::WordBookController& c = f.make();
        c.listWordBooks();
        if (step >= 1) {
            c.selectWordBookByFile(u"x.utx"_qs);
            QVERIFY(f.book.isOpen());
            QCOMPARE(f.titlePanel->text(), u"●タイトル：「X」"_qs);
            QCOMPARE(f.settings.text(core::SettingKey::LastWB), u"x.utx"_qs);
        }
        if (step >= 2)
            c.wordListView()->selectEntryRow(0);
        if (step >= 3) {
            c.closeWordBook();
            QVERIFY(f.titlePanel->text().isEmpty());
            QVERIFY(f.settings.text(core::SettingKey::LastWB).isEmpty());
            QVERIFY(!c.wordListView()->isEnabled());
            QCOMPARE(c.wordListModel()->rowCount(), 0);
        }
        QList<bool> actual;
        for (const QString& name : {u"WordRegister"_qs, u"WordEdit"_qs, u"WordBookDelete"_qs, u"WordDelete"_qs,
                 u"WordMove"_qs, u"WordBookProperties"_qs, u"WordBookClose"_qs, u"WordJump"_qs, u"WordColour"_qs})
            actual.append(f.action(name)->isEnabled());
        QCOMPARE(actual, enabled);
        QVERIFY(f.action(u"WordBookNew"_qs)->isEnabled() && f.action(u"WordBookSearch"_qs)->isEnabled()
            && f.action(u"WordBookGroups"_qs)->isEnabled());
    }

    void clickingARowOpensTheBookAndMovesTheDoor()
    {
        WordBookFixture f;
        f.writeBook(f.russianBooks(), u"x.utx"_qs, u"X"_qs, QString(), {test::entry(u"a"_qs), test::entry(u"b"_qs)});
        ui::WordBookController& c = f.make();
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        c.listWordBooks();
        clickRow(c.panel()->listView(), 0);
        QVERIFY(f.book.isOpen());
        QCOMPARE(c.wordListModel()->rowCount(), 2);
        QVERIFY(c.wordListView()->isEnabled());
        QVERIFY(!c.panel()->isDoorIdle());
        QVERIFY(!c.panel()->newButton()->isEnabled());
        QTRY_VERIFY(c.panel()->isDoorIdle());
        QVERIFY(!c.panel()->isDoorOpen());
        QCOMPARE(c.panel()->doorButton()->text(), u"←"_qs);
        QVERIFY(c.panel()->newButton()->isEnabled());
        QTRY_COMPARE(c.panel()->width(), ui::WordBookPanel::kClosedWidth);

        // A script change opens the closed panel again (the automatic door is on).
        c.onScriptChanged(core::scriptInfo(core::Script::Russian));
        QTRY_VERIFY(c.panel()->isDoorIdle() && c.panel()->isDoorOpen());
        QTRY_COMPARE(c.panel()->width(), ui::WordBookPanel::kOpenWidth);
    }

    void doorMovesInStepsOfThirtyAndSettles()
    {
        WordBookFixture f;
        ui::WordBookController& c = f.make();
        ui::WordBookPanel* panel = c.panel();
        QList<int> widths;
        connect(panel, &ui::WordBookPanel::doorWidthChanged, this, [&](int width) { widths.append(width); });

        panel->operateDoor();
        QTRY_VERIFY(panel->isDoorIdle());
        QList<int> closing;
        for (int w = 352; w >= 22; w -= 30)
            closing.append(w);
        closing.append(32);
        QCOMPARE(widths, closing);
        QCOMPARE(panel->doorWidth(), 32);

        widths.clear();
        c.operateDoor();
        QTRY_VERIFY(panel->isDoorIdle());
        QList<int> opening;
        for (int w = 62; w <= 392; w += 30)
            opening.append(w);
        opening.append(382);
        QCOMPARE(widths, opening);
        QVERIFY(panel->isDoorOpen());

        // With the automatic door off the button does nothing.
        panel->autoDoorBox()->click();
        QVERIFY(!f.settings.flag(core::SettingKey::AutoDoorFlg));
        widths.clear();
        panel->doorButton()->click();
        QVERIFY(panel->isDoorIdle());
        QTest::qWait(60);
        QVERIFY(widths.isEmpty());
    }

    void dictionaryModeReturnsToTheFolderItCameFrom()
    {
        WordBookFixture f;
        ui::WordBookController& c = f.make();
        c.onScriptChanged(core::scriptInfo(core::Script::Greek));
        const QString greekBooks = f.folders.wordBookFolder(core::ScriptFolder::Greek);
        QCOMPARE(f.folders.currentWordBookFolder(), greekBooks);

        c.panel()->dictionaryButton()->click();
        QVERIFY(c.isDictionaryMode());
        QVERIFY(f.settings.flag(core::SettingKey::DicFlg));
        QCOMPARE(f.folders.currentWordBookFolder(), f.folders.dictionaryFolder(core::ScriptFolder::Greek));
        QCOMPARE(c.returnFolder(), greekBooks);

        // A folder from the folder menu changes the current folder only.
        c.buildFolderMenu();
        c.folderMenu()->actions().first()->trigger();
        QCOMPARE(f.folders.currentWordBookFolder(), f.russianBooks());
        QVERIFY(c.isDictionaryMode());

        c.panel()->dictionaryButton()->click();
        QVERIFY(!c.isDictionaryMode());
        QVERIFY(!f.settings.flag(core::SettingKey::DicFlg));
        QCOMPARE(f.folders.currentWordBookFolder(), greekBooks);
        QVERIFY(c.returnFolder().isEmpty());
    }

    void scriptChangeLeavesDictionaryModeWithoutReturning()
    {
        WordBookFixture f;
        ui::WordBookController& c = f.make();
        c.panel()->dictionaryButton()->click();
        QCOMPARE(f.folders.currentWordBookFolder(), f.russianDictionary());
        c.onScriptChanged(core::scriptInfo(core::Script::Greek));
        QVERIFY(!c.isDictionaryMode());
        QVERIFY(!c.panel()->dictionaryButton()->isChecked());
        QVERIFY(!f.settings.flag(core::SettingKey::DicFlg));
        QCOMPARE(f.folders.currentWordBookFolder(), f.folders.wordBookFolder(core::ScriptFolder::Greek));
        QCOMPARE(f.folders.currentDictionaryFolder(), f.folders.dictionaryFolder(core::ScriptFolder::Greek));
        QCOMPARE(c.panel()->foreignFirstButton()->text(), u"希日"_qs);
        QCOMPARE(c.wordListModel()->caption(ui::WordListModel::FifthColumn), u"ｷﾞﾘｼｱ語"_qs);
    }

    void storedDictionaryModeIsEnteredAtStartAfterTheScript()
    {
        WordBookFixture f;
        f.settings.setFlag(core::SettingKey::DicFlg, true);
        ui::WordBookController& c = f.make();
        // The main window applies the stored input mode first, then the stored layout.
        c.onScriptChanged(core::scriptInfo(core::Script::Ukrainian));
        c.applyStoredLayout();
        QVERIFY(c.isDictionaryMode());
        QVERIFY(c.panel()->dictionaryButton()->isChecked());
        QCOMPARE(f.folders.currentWordBookFolder(), f.folders.dictionaryFolder(core::ScriptFolder::Ukrainian));
        QCOMPARE(c.returnFolder(), f.folders.wordBookFolder(core::ScriptFolder::Ukrainian));
    }

    void folderMenuCreatesItsFileOnTheFirstPopUp()
    {
        WordBookFixture f;
        ui::WordBookController& c = f.make();
        const QString path = core::folderListPath(f.folders.systemFolder());
        QVERIFY(!QFile::exists(path));
        c.panel()->folderButton()->click();
        QMenu* menu = c.folderMenu();
        QTRY_VERIFY(menu->isVisible());
        menu->close();
        QCOMPARE(f.world.readBytes(u"appdata/Norvanta/Pelinor/Sys/FolList.txt"_qs),
            cp932Lines({f.russianBooks(), f.russianDictionary()}));
        QCOMPARE(menuTexts(menu),
            (QStringList{f.russianBooks(), f.russianDictionary(), u"-"_qs, u"参照"_qs,
                u"このメニューを編集する （最大10フォルダ）"_qs}));

        // Editing hands the file to the desktop.
        menu->actions().last()->trigger();
        QCOMPARE(f.opened(), QStringList{path});
    }

    void folderMenuShowsEveryLineAndAmpersandsLiterally()
    {
        WordBookFixture f;
        QStringList lines;
        for (int i = 0; i < 13; ++i)
            lines.append(f.world.path(QStringLiteral("f&%1").arg(i)));
        f.world.writeBytes(u"appdata/Norvanta/Pelinor/Sys/FolList.txt"_qs, cp932Lines(lines));
        ui::WordBookController& c = f.make();
        c.buildFolderMenu();
        const QList<QAction*> actions = c.folderMenu()->actions();
        QCOMPARE(actions.size(), 13 + 3);
        QCOMPARE(actions.at(2)->text(), f.world.path(u"f&&2"_qs));
        actions.at(2)->trigger();
        QCOMPARE(f.folders.currentWordBookFolder(), lines.at(2));
    }

    void browsingAddsTheFolderFirstAndKeepsTen_data()
    {
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<int>("chosenLine"); // -1: a new folder
        QTest::addColumn<int>("expectedLines");
        QTest::newRow("10 lines, new folder") << 10 << -1 << 10;
        QTest::newRow("13 lines edited by hand") << 13 << -1 << 10;
        QTest::newRow("3 lines") << 3 << -1 << 4;
        QTest::newRow("already listed") << 13 << 5 << 13;
    }

    void browsingAddsTheFolderFirstAndKeepsTen()
    {
        QFETCH(int, lineCount);
        QFETCH(int, chosenLine);
        QFETCH(int, expectedLines);
        WordBookFixture f;
        QStringList lines;
        for (int i = 0; i < lineCount; ++i)
            lines.append(f.world.path(QStringLiteral("folder%1").arg(i)));
        const QByteArray before = cp932Lines(lines);
        f.world.writeBytes(u"appdata/Norvanta/Pelinor/Sys/FolList.txt"_qs, before);
        ui::WordBookController& c = f.make();
        f.chosenFolder = chosenLine < 0 ? f.world.path(u"new"_qs) : lines.at(chosenLine);
        c.browseForFolder();
        QCOMPARE(f.folderCaption, u"希望するカレントの単語帳フォルダを指定して下さい。"_qs);
        QCOMPARE(f.folderStart, f.russianBooks());
        QCOMPARE(f.folders.currentWordBookFolder(), f.chosenFolder);

        const QByteArray after = f.world.readBytes(u"appdata/Norvanta/Pelinor/Sys/FolList.txt"_qs);
        if (chosenLine >= 0) {
            QCOMPARE(after, before);
            return;
        }
        QStringList expected = lines;
        expected.prepend(f.chosenFolder);
        expected = expected.mid(0, expectedLines);
        QCOMPARE(after, cp932Lines(expected));
    }

    void browsingKeepsAFolderNameTheCodePageLacks()
    {
        WordBookFixture f;
        ui::WordBookController& c = f.make();
        c.buildFolderMenu();
        f.chosenFolder = f.world.path(u"Словарь ελληνικά"_qs);
        c.browseForFolder();
        c.buildFolderMenu();
        QCOMPARE(c.folderMenu()->actions().first()->data().toString(), f.chosenFolder);

        // A cancelled choice changes nothing.
        f.chosenFolder.clear();
        c.browseForFolder();
        QCOMPARE(f.folders.currentWordBookFolder(), f.world.path(u"Словарь ελληνικά"_qs));
    }

    void bulkCreationNamesAndGroups_data()
    {
        QTest::addColumn<bool>("otherFolder");
        QTest::newRow("Russian dictionary folder") << false;
        QTest::newRow("any other folder") << true;
    }

    void bulkCreationNamesAndGroups()
    {
        QFETCH(bool, otherFolder);
        WordBookFixture f;
        ui::WordBookController& c = f.make();
        f.wordBookMenu.popup(QPoint());
        f.wordBookMenu.close();
        QVERIFY(!f.action(u"WordBookDictionaryFiles"_qs)->isEnabled());
        c.panel()->dictionaryButton()->click();
        if (otherFolder) {
            f.chosenFolder = f.world.path(u"mine"_qs);
            QDir().mkpath(f.chosenFolder);
            c.browseForFolder();
        }
        const QString folder = f.folders.currentWordBookFolder();
        const QString prefix = otherFolder ? u"XY"_qs : u"RU"_qs;
        f.wordBookMenu.popup(QPoint());
        f.wordBookMenu.close();
        QVERIFY(f.action(u"WordBookDictionaryFiles"_qs)->isEnabled());

        QString question;
        test::answerMessage(QMessageBox::Yes, &question);
        test::answerMessage(QMessageBox::No);
        f.action(u"WordBookDictionaryFiles"_qs)->trigger();
        QCOMPARE(question, u"この辞書フォルダに一括で空の辞書ファイルを生成します。よろしいですか？"_qs);
        QCOMPARE(c.wordBookListModel()->rowCount(), 0); // "No": not listed yet

        const core::WordBookSummary first
            = core::readWordBookSummary(folder + u"/"_qs + prefix + u"辞書（Alpha）.utx"_qs);
        QVERIFY(first.isWordBook());
        QCOMPARE(first.title, u"辞書（Alpha）"_qs);
        QCOMPARE(first.group, u"辞書"_qs);
        QCOMPARE(first.entryLineCount, 0);
        QVERIFY(QFile::exists(folder + u"/"_qs + prefix + u"辞書（あ）.utx"_qs));
        QVERIFY(QFile::exists(folder + u"/"_qs + prefix + u"辞書（わ）.utx"_qs));
        QCOMPARE(QDir(folder).entryList({u"*.utx"_qs}, QDir::Files).size(), core::kDictionaryFileCount);

        QString done;
        test::answerMessage(QMessageBox::Yes);
        test::answerMessage(QMessageBox::Yes, &done);
        f.action(u"WordBookDictionaryFiles"_qs)->trigger();
        QCOMPARE(done, u"生成を完了しました。今すぐ主画面に反映しますか？"_qs);
        QCOMPARE(c.wordBookListModel()->rowCount(), 2 * core::kDictionaryFileCount);
        const core::WordBookSummary second
            = core::readWordBookSummary(folder + u"/"_qs + prefix + u"1辞書（わ）.utx"_qs);
        QCOMPARE(second.title, u"辞書（わ）"_qs);
        QCOMPARE(second.group, u"辞書1"_qs);
    }

    void bulkCreationTitlesFollowTheKanaRowHeads()
    {
        QCOMPARE(core::dictionaryFileTitle(0), u"辞書（Alpha）"_qs);
        QCOMPARE(core::dictionaryFileTitle(1), u"辞書（あ）"_qs);
        QCOMPARE(core::dictionaryFileTitle(44), u"辞書（わ）"_qs);
        QSet<QString> titles;
        for (int k = 0; k < core::kDictionaryFileCount; ++k)
            titles.insert(core::dictionaryFileTitle(k));
        QCOMPARE(titles.size(), core::kDictionaryFileCount);
    }

    void mediaPlayerItemFollowsTheFlag()
    {
        WordBookFixture f;
        f.make();
        QVERIFY(!f.settings.flag(core::SettingKey::MediaPlayerFlg));
        f.action(u"WordBookMediaPlayer"_qs)->trigger();
        QVERIFY(f.settings.flag(core::SettingKey::MediaPlayerFlg));
        f.settings.setFlag(core::SettingKey::MediaPlayerFlg, false);
        f.wordBookMenu.popup(QPoint());
        f.wordBookMenu.close();
        QVERIFY(!f.action(u"WordBookMediaPlayer"_qs)->isChecked());
        f.action(u"WordBookMediaPlayer"_qs)->trigger();
        QVERIFY(f.settings.flag(core::SettingKey::MediaPlayerFlg));
        QVERIFY(f.action(u"WordBookMediaPlayer"_qs)->isChecked());
    }
};

QTEST_MAIN(WordBookPanelTest)
#include "wordbookpanel_test.moc"
