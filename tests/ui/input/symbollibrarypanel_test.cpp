#include "core/app/folders.h"
#include "core/app/settings.h"
#include "core/common/textcodec.h"
#include "core/common/textfile.h"
#include "support/tempworld.h"
#include "ui/input/symbollibrarygrid.h"
#include "ui/input/symbollibrarypanel.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

using namespace pelinor;
using core::SymbolLibraryPageId;

namespace {

/// A panel over a private table folder that holds a small Russian symbol database.
struct PanelWorld {
    PanelWorld()
    {
        const QStringList lines = {
            u"\"キリル文字\",\"Times New Roman\""_qs,
            u"Group,0,\"大文字\""_qs,
            u"0,\"0410\",\"Cyrillic capital letter a\\A\",\"キリル大文字アー\",\"0\",\"ローマ字: A\""_qs,
            u"0,\"0301\",\"Combining acute accent\",\"アクセント\",\"1\",\"\""_qs,
        };
        tables.writeBytes(u"DBRussian.csv"_qs, core::encodeText(core::joinLines(lines), core::TextEncoding::Cp932));
        folders.setCurrentTableFolder(tables.path());
        panel = std::make_unique<ui::SymbolLibraryPanel>(settings, folders);
        panel->resize(831, 300);
        panel->show();
    }

    template <typename T> T* find(const QString& name) const
    {
        T* widget = panel->findChild<T*>(name);
        if (!widget)
            qFatal("no widget %s", qPrintable(name));
        return widget;
    }

    QToolButton* pageButton(const QString& caption) const { return find<QToolButton>(u"PageButton"_qs + caption); }
    QComboBox* pageList() const { return find<QComboBox>(u"PageList"_qs); }
    ui::SymbolLibraryGrid* grid() const { return find<ui::SymbolLibraryGrid>(u"SymbolGrid"_qs); }

    /// Chooses an entry of the page list as the user does from its drop-down.
    void chooseFromList(const QString& entry) const
    {
        QComboBox* list = pageList();
        const int index = list->findText(entry);
        QVERIFY(index >= 0);
        list->setCurrentIndex(index);
        Q_EMIT list->activated(index);
    }

    int buttonsDown() const
    {
        int down = 0;
        for (QToolButton* b : panel->findChildren<QToolButton*>(QRegularExpression(u"^PageButton"_qs)))
            down += b->isChecked() ? 1 : 0;
        return down;
    }

    void clickCell(int index) const { QTest::mouseClick(grid(), Qt::LeftButton, {}, grid()->cellRect(index).center()); }

    test::TempWorld tables;
    core::Settings settings;
    core::Folders folders;
    std::unique_ptr<ui::SymbolLibraryPanel> panel;
};

} // namespace

class SymbolLibraryPanelTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void startsWithNoPageAndFillsItsParentPage()
    {
        PanelWorld world;
        QCOMPARE(world.pageList()->currentText(), u"記号ライブラリ"_qs);
        // The thirteen fixed pages, then the recent and the favourite symbols.
        QCOMPARE(world.pageList()->count(), 15);
        QCOMPARE(world.pageList()->itemText(13), u"最近使った記号"_qs);
        QCOMPARE(world.pageList()->itemText(14), u"お気に入り"_qs);
        QCOMPARE(world.buttonsDown(), 0);
        QVERIFY(!world.panel->shownPage());
        QVERIFY(world.grid()->content().isEmpty());
        QCOMPARE(world.pageButton(u"Russ"_qs)->toolTip(), u"ロシア語"_qs);
        QVERIFY(world.pageButton(u"Russ"_qs)->font().bold());
        QVERIFY(!world.pageButton(u"Punc"_qs)->font().bold());

        // Every control can be named by assistive technology.
        for (QWidget* w : world.panel->findChildren<QWidget*>()) {
            if (qobject_cast<QToolButton*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w)
                || qobject_cast<ui::SymbolLibraryGrid*>(w))
                QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
        }

        QWidget page;
        auto* panel = new ui::SymbolLibraryPanel(world.settings, world.folders, &page);
        QVERIFY(page.layout());
        QCOMPARE(page.layout()->indexOf(panel), 0);
    }

    void pageButtonsActAsOneGroupThatCanBeReleased()
    {
        PanelWorld world;
        world.chooseFromList(u"矢印"_qs);
        QCOMPARE(world.panel->shownPage(), SymbolLibraryPageId::Arrows);

        QTest::mouseClick(world.pageButton(u"Russ"_qs), Qt::LeftButton);
        QVERIFY(world.pageButton(u"Russ"_qs)->isChecked());
        QCOMPARE(world.panel->shownPage(), SymbolLibraryPageId::Russ);
        QCOMPARE(world.pageList()->currentText(), u"矢印"_qs); // the list keeps its entry
        const core::SymbolLibraryCell& a = world.grid()->content().cell(0);
        QCOMPARE(a.text, u"А"_qs);
        QCOMPARE(a.japaneseName, u"キリル大文字アー"_qs);
        QCOMPARE(a.labels().second, u"A"_qs);

        QTest::mouseClick(world.pageButton(u"Punc"_qs), Qt::LeftButton);
        QCOMPARE(world.buttonsDown(), 1);
        QVERIFY(world.pageButton(u"Punc"_qs)->isChecked());
        QCOMPARE(world.grid()->content().cell(0).text, u"\u00B7"_qs);
        QVERIFY(!world.grid()->content().cell(0).hasLabels());

        // The same button again releases it and empties the grid.
        QTest::mouseClick(world.pageButton(u"Punc"_qs), Qt::LeftButton);
        QCOMPARE(world.buttonsDown(), 0);
        QVERIFY(!world.panel->shownPage());
        QVERIFY(world.grid()->content().isEmpty());

        // A page from the list releases every button.
        QTest::mouseClick(world.pageButton(u"Gre1"_qs), Qt::LeftButton);
        world.chooseFromList(u"幾何学図形"_qs);
        QCOMPARE(world.buttonsDown(), 0);
        QCOMPARE(world.grid()->content().cell(95).text, u"\u25FF"_qs);
        QVERIFY(world.grid()->content().cell(96).isEmpty());
        world.chooseFromList(u"記号ライブラリ"_qs);
        QVERIFY(world.grid()->content().isEmpty());

        // Back to the start-up choice.
        QTest::mouseClick(world.pageButton(u"Russ"_qs), Qt::LeftButton);
        world.panel->selectDefaultCategory();
        QCOMPARE(world.buttonsDown(), 0);
        QCOMPARE(world.pageList()->currentIndex(), 0);
        QVERIFY(world.grid()->content().isEmpty());
    }

    void clickingACellChoosesItsText_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("cell");
        QTest::addColumn<QString>("text");
        QTest::newRow("Czech digraph") << u"チェコ語"_qs << 13 << u"Ch"_qs;
        QTest::newRow("Czech small digraph") << u"チェコ語"_qs << 73 << u"ch"_qs;
        QTest::newRow("last arrow") << u"矢印"_qs << 99 << u"\u21F3"_qs;
        QTest::newRow("Macedonian gje") << u"マケドニア語"_qs << 5 << u"\u0403"_qs;
        QTest::newRow("currency") << u"通貨記号"_qs << 86 << u"\uFFE6"_qs;
    }

    void clickingACellChoosesItsText()
    {
        QFETCH(QString, page);
        QFETCH(int, cell);
        QFETCH(QString, text);
        PanelWorld world;
        world.chooseFromList(page);
        QSignalSpy chosen(world.panel.get(), &ui::SymbolLibraryPanel::symbolChosen);
        world.clickCell(cell);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.at(0).at(0).toString(), text);
        QCOMPARE(world.grid()->highlightedCell(), cell);
    }

    void emptyCellsAndCancelledClicksChooseNothing()
    {
        PanelWorld world;
        world.chooseFromList(u"チェコ語"_qs);
        QSignalSpy chosen(world.panel.get(), &ui::SymbolLibraryPanel::symbolChosen);
        world.clickCell(40); // empty
        QCOMPARE(chosen.count(), 0);
        QCOMPARE(world.grid()->highlightedCell(), -1);

        // Pressed on one cell, released on another: no click.
        ui::SymbolLibraryGrid* grid = world.grid();
        QTest::mousePress(grid, Qt::LeftButton, {}, grid->cellRect(0).center());
        QTest::mouseMove(grid, grid->cellRect(1).center());
        QTest::mouseRelease(grid, Qt::LeftButton, {}, grid->cellRect(1).center());
        QCOMPARE(chosen.count(), 0);

        // The highlight follows the last chosen cell and a new page drops it.
        world.clickCell(0);
        world.clickCell(2);
        QCOMPARE(chosen.count(), 2);
        QCOMPARE(grid->highlightedCell(), 2);
        world.chooseFromList(u"矢印"_qs);
        QCOMPARE(grid->highlightedCell(), -1);
    }

    void aChosenCombiningMarkJoinsTheCharacterBeforeTheCaret()
    {
        PanelWorld world;
        QPlainTextEdit area;
        area.setPlainText(u"да"_qs);
        area.moveCursor(QTextCursor::End);
        // The main window's wiring: the area takes the focus and the text replaces the selection.
        QObject::connect(world.panel.get(), &ui::SymbolLibraryPanel::symbolChosen, &area, [&area](const QString& t) {
            area.setFocus();
            area.insertPlainText(t);
        });
        QTest::mouseClick(world.pageButton(u"Russ"_qs), Qt::LeftButton);
        world.clickCell(97);
        QCOMPARE(area.toPlainText(), u"да\u0301"_qs);
        QCOMPARE(world.grid()->content().cell(97).japaneseName, u"アクセント"_qs);
    }

    void theCodeFieldPutsACharacterOnTheCodeButton_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("inserted");
        QTest::newRow("e acute") << QStringList{u"00E9"_qs} << u"é"_qs << u"é"_qs;
        QTest::newRow("lower case is no code") << QStringList{u"00e9"_qs} << QString() << QString();
        QTest::newRow("lower case keeps the last code") << QStringList{u"00E9"_qs, u"00e9"_qs} << u"é"_qs << u"é"_qs;
        QTest::newRow("incomplete code") << QStringList{u"04"_qs} << QString() << QString();
        QTest::newRow("ampersand shows itself") << QStringList{u"0026"_qs} << u"&&"_qs << u"&"_qs;
        QTest::newRow("half a surrogate pair") << QStringList{u"0411"_qs, u"D800"_qs} << u"Б"_qs << u"Б"_qs;
        QTest::newRow("null character") << QStringList{u"0000"_qs} << QString() << QString();
    }

    void theCodeFieldPutsACharacterOnTheCodeButton()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, caption);
        QFETCH(QString, inserted);
        PanelWorld world;
        auto* field = world.find<QLineEdit>(u"CodeField"_qs);
        auto* button = world.find<QToolButton>(u"CodeButton"_qs);
        QCOMPARE(field->maxLength(), 4);
        QCOMPARE(field->placeholderText(), u"4桁16進"_qs);
        for (const QString& text : typed) {
            field->clear();
            QTest::keyClicks(field, text);
        }
        QCOMPARE(button->text(), caption);

        QSignalSpy chosen(world.panel.get(), &ui::SymbolLibraryPanel::symbolChosen);
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(chosen.count(), inserted.isEmpty() ? 0 : 1);
        if (!inserted.isEmpty())
            QCOMPARE(chosen.at(0).at(0).toString(), inserted);
        QCOMPARE(field->text(), typed.last()); // Enter is not typed

        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(chosen.count(), inserted.isEmpty() ? 0 : 2);
    }

    void resizingLaysTheCellsOutAgain()
    {
        PanelWorld world;
        QVERIFY(QTest::qWaitForWindowExposed(world.panel.get()));
        ui::SymbolLibraryGrid* grid = world.grid();
        QCOMPARE(world.panel->width(), 831);
        QCOMPARE(grid->pos(), QPoint(8, 60));
        QCOMPARE(grid->cellRect(0), QRect(0, 0, 39, 39));
        QCOMPARE(grid->cellRect(21), QRect(40, 41, 39, 39));
        const int smallSymbols = grid->symbolSize();
        const int smallLabels = grid->labelSize();

        world.panel->resize(1231, 400); // pitch 60
        QCOMPARE(grid->cellRect(99), QRect(19 * 60, 4 * 61, 59, 59));
        QVERIFY(grid->symbolSize() > smallSymbols);
        QVERIFY(grid->labelSize() >= smallLabels);
        QCOMPARE(grid->cellAt(QPoint(19 * 60 + 5, 4 * 61 + 5)), 99);
        auto* scroll = world.find<QScrollArea>(u"SymbolLibraryScroll"_qs);
        QCOMPARE(scroll->horizontalScrollBar()->maximum(), 0);

        // Narrower than the controls: the cells keep a usable size and the area scrolls.
        world.panel->resize(200, 150);
        QCOMPARE(world.panel->width(), 200);
        QCOMPARE(grid->cellRect(1), QRect(10, 0, 9, 9));
        QVERIFY(scroll->horizontalScrollBar()->maximum() > 0);
        QVERIFY(scroll->verticalScrollBar()->maximum() >= 0);

        // The font box change redraws in the new font with the sizes of the last layout.
        const int size = grid->symbolSize();
        world.settings.setText(core::SettingKey::UsrMainFont, u"DejaVu Sans"_qs);
        world.panel->fontChanged();
        QCOMPARE(grid->symbolSize(), size);
        QCOMPARE(grid->symbolFont(12).family(), u"DejaVu Sans"_qs);
    }

    void theSizeCorrectionStaysWithinFivePoints()
    {
        PanelWorld world;
        auto* up = world.find<QToolButton>(u"SizeCorrectionUp"_qs);
        auto* down = world.find<QToolButton>(u"SizeCorrectionDown"_qs);
        auto* label = world.find<QLabel>(u"SizeCorrectionLabel"_qs);
        QCOMPARE(label->text(), u" 0"_qs);
        for (int i = 0; i < 7; ++i)
            QTest::mouseClick(up, Qt::LeftButton);
        QCOMPARE(world.panel->sizeCorrection(), 5);
        QCOMPARE(world.grid()->sizeCorrection(), 5);
        QCOMPARE(label->text(), u"+5"_qs);
        for (int i = 0; i < 12; ++i)
            QTest::mouseClick(down, Qt::LeftButton);
        QCOMPARE(world.panel->sizeCorrection(), -5);
        QCOMPARE(label->text(), u"-5"_qs);
    }

    void cellsCanBeReachedByKeyboardAndAccessibility()
    {
        PanelWorld world;
        QTest::mouseClick(world.pageButton(u"Russ"_qs), Qt::LeftButton);
        ui::SymbolLibraryGrid* grid = world.grid();
        QSignalSpy chosen(world.panel.get(), &ui::SymbolLibraryPanel::symbolChosen);

        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Right);
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(grid->currentCell(), 21);
        QTest::keyClick(grid, Qt::Key_Space);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.at(0).at(0).toString(), u"Ф"_qs); // row 2, column 2

        QAccessibleInterface* view = QAccessible::queryAccessibleInterface(grid);
        QVERIFY(view);
        QCOMPARE(view->childCount(), 100);
        QAccessibleInterface* first = view->child(0);
        QCOMPARE(first->text(QAccessible::Name), u"А"_qs);
        QCOMPARE(first->text(QAccessible::Description),
            u"キリル大文字アー  ローマ字: A  [0410]\nCyrillic capital letter a  A"_qs);
        QCOMPARE(view->indexOfChild(first), 0);
        QVERIFY(view->child(38)->state().disabled); // cell 39 is empty
        // The tooltip carries the names; an empty cell has none.
        QHelpEvent help(QEvent::ToolTip, grid->cellRect(0).center(), grid->mapToGlobal(grid->cellRect(0).center()));
        QApplication::sendEvent(grid, &help);
        QVERIFY2(QToolTip::text().contains(u"[0410]"_qs), qPrintable(QToolTip::text()));
        QVERIFY(QToolTip::text().contains(u"Cyrillic capital letter a"_qs));
        QHelpEvent emptyHelp(
            QEvent::ToolTip, grid->cellRect(38).center(), grid->mapToGlobal(grid->cellRect(38).center()));
        QApplication::sendEvent(grid, &emptyHelp);
        QTRY_VERIFY(QToolTip::text().isEmpty());

        first->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(chosen.count(), 2);
        QCOMPARE(chosen.at(1).at(0).toString(), u"А"_qs);
    }
};

QTEST_MAIN(SymbolLibraryPanelTest)
#include "symbollibrarypanel_test.moc"
