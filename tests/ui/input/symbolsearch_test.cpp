#include "core/app/folders.h"
#include "core/app/settings.h"
#include "core/input/symbolcollections.h"
#include "support/testworld.h"
#include "support/widgetlookup.h"
#include "ui/app/tmainfrm.h"
#include "ui/app/workbench.h"
#include "ui/input/symbollibrarygrid.h"
#include "ui/input/symbollibrarypanel.h"
#include "ui/input/symbolsearchmodel.h"
#include "ui/input/symbolsearchpanel.h"
#include "ui/pad/tpadfrm.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

#include <set>

using namespace pelinor;

namespace {

core::Folders setUpWorld(const test::TestWorld& world)
{
    world.apply();
    core::Folders folders(core::FolderRoots::fromEnvironment(QString()));
    folders.setUpFolders();
    return folders;
}

std::set<QByteArray> keysOf(const QByteArray& settingsFile)
{
    std::set<QByteArray> keys;
    for (const QByteArray& line : settingsFile.split('\n')) {
        if (!line.trimmed().isEmpty())
            keys.insert(line.left(line.indexOf(',')));
    }
    return keys;
}

// The library page of the main window, shown, with its panel.
struct Library {
    explicit Library(ui::TMainFrm& window)
        : panel(test::child<ui::SymbolLibraryPanel>(window, "SymbolLibraryPanel"))
        , grid(test::child<ui::SymbolLibraryGrid>(window, "SymbolGrid"))
        , field(test::child<QLineEdit>(window, "SymbolSearchField"))
    {
        window.show();
        test::child<QTabWidget>(window, "LowerTabs")->setCurrentIndex(1);
    }
    ui::SymbolLibraryPanel* panel;
    ui::SymbolLibraryGrid* grid;
    QLineEdit* field;
};

} // namespace

class SymbolSearchTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void typingSchwaListsSchwaFirstAndAClickInsertsAndRecordsIt()
    {
        test::TestWorld world;
        {
            ui::Workbench bench(setUpWorld(world));
            Library library(bench.window());
            QVERIFY(QTest::qWaitForWindowExposed(&bench.window()));
            QTest::keyClicks(library.field, QStringLiteral("schwa"));
            QCOMPARE(library.grid->content().cell(0).text, QStringLiteral("ə"));
            QVERIFY(library.grid->content().cell(0).toolTip().contains(QStringLiteral("[0259]")));
            QVERIFY(library.grid->content().cell(0).toolTip().contains(QStringLiteral("LATIN SMALL LETTER SCHWA")));

            QTest::mouseClick(library.grid, Qt::LeftButton, {}, library.grid->cellRect(0).center());
            auto* area = test::child<QPlainTextEdit>(bench.window(), "ForeignArea");
            QCOMPARE(area->toPlainText(), QStringLiteral("ə"));

            // A code and the Japanese note find it too; a code page then the recent page shows it first.
            library.field->setText(QStringLiteral("シュワー"));
            QCOMPARE(library.grid->content().cell(0).text, QStringLiteral("ə"));
            library.field->setText(QStringLiteral("03A3"));
            library.grid->chooseCell(0);
            library.panel->showRecentSymbols();
            QCOMPARE(library.grid->content().cell(0).text, QStringLiteral("Σ"));
            QCOMPARE(library.grid->content().cell(1).text, QStringLiteral("ə"));
            QCOMPARE(
                test::child<QComboBox>(bench.window(), "PageList")->currentText(), QStringLiteral("最近使った記号"));
            bench.window().close();
        }
        QCOMPARE(world.readBytes(world.systemFolder() + QStringLiteral("/RecentSymbols.txt")),
            QByteArray("03A3\t\xCE\xA3\n0259\t\xC9\x99\n"));
    }

    void pastAHundredResultsTheArrowsPageAndEnterInsertsTheFirstShown()
    {
        test::TestWorld world;
        ui::Workbench bench(setUpWorld(world));
        Library library(bench.window());
        auto* area = test::child<QPlainTextEdit>(bench.window(), "ForeignArea");
        // The field sits in the corner of the tab row; a search from the word list shows the library.
        auto* tabs = test::child<QTabWidget>(bench.window(), "LowerTabs");
        tabs->setCurrentIndex(0);
        QVERIFY(library.field->isVisible());
        library.field->setText(QStringLiteral("latin small letter"));
        QCOMPARE(tabs->currentIndex(), 1);
        const std::vector<char32_t> found = library.panel->searchResults();
        QVERIFY(found.size() > 200);
        auto* next = test::child<QToolButton>(bench.window(), "SearchNextPage");
        auto* previous = test::child<QToolButton>(bench.window(), "SearchPreviousPage");
        QVERIFY(next->isEnabled());
        QVERIFY(!previous->isEnabled());
        next->click();
        QCOMPARE(library.grid->content().cell(0).text, QString::fromUcs4(&found[100], 1));
        QVERIFY(previous->isEnabled());
        QVERIFY(test::child<QLabel>(bench.window(), "SymbolSearchCount")->text().startsWith(u"101–200"_qs));
        QTest::keyClick(library.field, Qt::Key_Return);
        QCOMPARE(area->toPlainText(), QString::fromUcs4(&found[100], 1));
        // Escape empties the field and the grid.
        QTest::keyClick(library.field, Qt::Key_Escape);
        QVERIFY(library.field->text().isEmpty());
        QVERIFY(library.grid->content().isEmpty());
    }

    void aFavouriteSurvivesARestartAndTheSettingsFileKeepsItsKeys()
    {
        test::TestWorld world;
        {
            ui::Workbench bench(setUpWorld(world));
            Library library(bench.window());
            library.field->setText(QStringLiteral("schwa"));
            QVERIFY(library.panel->toggleFavourite(0));
            bench.window().close();
        }
        QCOMPARE(world.readBytes(world.systemFolder() + QStringLiteral("/FavouriteSymbols.txt")),
            QByteArray("0259\t\xC9\x99\n"));
        // The settings file holds the keys it always held, and no symbol.
        test::TestWorld reference;
        core::Settings defaults;
        QVERIFY(defaults.save(reference.path(QStringLiteral("defaults.rng"))));
        const QByteArray stored = world.readBytes(world.settingsFile());
        QVERIFY(!stored.isEmpty());
        QVERIFY(keysOf(stored) == keysOf(reference.readBytes(reference.path(QStringLiteral("defaults.rng")))));
        QVERIFY(!stored.contains("\xC9\x99"));
        {
            ui::Workbench bench(setUpWorld(world));
            Library library(bench.window());
            library.panel->showFavourites();
            QCOMPARE(library.grid->content().cell(0).text, QStringLiteral("ə"));
            QVERIFY(library.grid->content().cell(1).isEmpty());
            // Removing it empties the page shown.
            QVERIFY(!library.panel->toggleFavourite(0));
            QVERIFY(library.grid->content().cell(0).isEmpty());
            bench.window().close();
        }
    }

    void thePadSearchesOnItsOwnPageAndInsertsIntoItsInputLine()
    {
        test::TestWorld world;
        ui::Workbench bench(setUpWorld(world));
        ui::TPadFrm pad(bench.window().padContext(), std::nullopt);
        pad.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pad));
        ui::SymbolSearchPanel* search = pad.symbolSearchPanel();
        QVERIFY(search);
        pad.tabs()->setCurrentIndex(ui::TPadFrm::SymbolSearchPage);
        QCOMPARE(pad.tabs()->tabText(ui::TPadFrm::SymbolSearchPage), QStringLiteral("記号検索"));
        // The page gives its own field the focus, so that typing searches instead of converting keys.
        QVERIFY(QTest::qWaitFor([&] { return search->searchField()->hasFocus(); }));
        QTest::keyClicks(search->searchField(), QStringLiteral("schwa"));
        QCOMPARE(search->model()->textAt(0), QStringLiteral("ə"));
        QVERIFY(search->model()->data(search->model()->index(0), Qt::DisplayRole).toString().contains(u"[0259]"_qs));
        const QRect first = search->resultList()->visualRect(search->model()->index(0));
        QTest::mouseClick(search->resultList()->viewport(), Qt::LeftButton, {}, first.center());
        QCOMPARE(pad.inputLine()->text(), QStringLiteral("ə"));
        // Enter in the field inserts the first character found.
        search->searchField()->setFocus();
        QTest::keyClick(search->searchField(), Qt::Key_Return);
        QCOMPARE(pad.inputLine()->text(), QStringLiteral("əə"));
        pad.close();
    }
};

QTEST_MAIN(SymbolSearchTest)
#include "symbolsearch_test.moc"
