#include "inputfixture.h"
#include "ui/input/candidatecell.h"
#include "ui/input/fitfontsize.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTextCursor>
#include <QToolButton>
#include <QWindow>
#include <QtTest>

using namespace pelinor;
using core::SettingKey;
using core::TableSide;

namespace {

ui::CandidateCell* cell(QWidget* window, int slot)
{
    return window->findChild<ui::CandidateCell*>(QStringLiteral("Cell%1").arg(slot));
}

QString labelText(QWidget* window, const QString& name)
{
    auto* label = window->findChild<QLabel*>(name);
    return label ? label->text() : u"<none>"_qs;
}

// Keys go where the user's keys go: to the window's focus widget.
void press(ui::CandidateWindow* window, Qt::Key key)
{
    QWidget* receiver = window->focusWidget() ? window->focusWidget() : window;
    QTest::keyClick(receiver, key);
}

void sendMouse(QWidget* widget, QEvent::Type type, QPoint local, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(local), QPointF(widget->mapToGlobal(local)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

} // namespace

class CandidateWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void keysChooseWhatIsInserted_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("result");

        // The field holds "ab" with "b" selected: a choice replaces the selection, a blank choice by Enter
        // removes it, and closing without a choice leaves it.
        QTest::newRow("digit 2") << QList<int>{Qt::Key_2} << u"aё"_qs;
        QTest::newRow("digit 1") << QList<int>{Qt::Key_1} << u"aе"_qs;
        QTest::newRow("arrows and Enter") << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Return} << u"aэ"_qs;
        QTest::newRow("Space and keypad Enter") << QList<int>{Qt::Key_Space, Qt::Key_Enter} << u"aё"_qs;
        QTest::newRow("Left wraps to the blank slot 10") << QList<int>{Qt::Key_Left, Qt::Key_Return} << u"a"_qs;
        QTest::newRow("Right wraps back to slot 1")
            << QList<int>{Qt::Key_Left, Qt::Key_Right, Qt::Key_Return} << u"aе"_qs;
        QTest::newRow("ten steps right come round")
            << QList<int>(10, Qt::Key_Right) + QList<int>{Qt::Key_Return} << u"aе"_qs;
        QTest::newRow("digit of a blank slot") << QList<int>{Qt::Key_5} << u"ab"_qs;
        QTest::newRow("digit 0 is slot 10") << QList<int>{Qt::Key_0} << u"ab"_qs;
        QTest::newRow("Esc") << QList<int>{Qt::Key_Right, Qt::Key_Escape} << u"ab"_qs;
        QTest::newRow("Backspace") << QList<int>{Qt::Key_Backspace} << u"ab"_qs;
        QTest::newRow("other keys do nothing")
            << QList<int>{Qt::Key_A, Qt::Key_Up, Qt::Key_Down, Qt::Key_Tab, Qt::Key_3} << u"aэ"_qs;
    }

    void keysChooseWhatIsInserted()
    {
        QFETCH(QList<int>, keys);
        QFETCH(QString, result);

        test::InputFixture f;
        test::InputAreas field;
        QVERIFY(QTest::qWaitForWindowExposed(&field.host));
        f.input->attach(field.foreign, TableSide::Foreign, core::InsertionTarget::MainWindow);
        field.foreign->setPlainText(QStringLiteral("ab"));
        QTextCursor cursor = field.foreign->textCursor();
        cursor.setPosition(1);
        cursor.setPosition(2, QTextCursor::KeepAnchor);
        field.foreign->setTextCursor(cursor);
        field.foreign->setFocus();

        QString focusName;
        test::ModalDriver driver([&](ui::CandidateWindow* window) {
            focusName = window->focusWidget() ? window->focusWidget()->objectName() : QString();
            for (int key : keys)
                press(window, static_cast<Qt::Key>(key));
        });
        QTest::keyClick(field.foreign, 'e');
        QVERIFY(driver.ran());
        QCOMPARE(focusName, u"FocusBox"_qs);
        QCOMPARE(field.foreign->toPlainText(), result);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(field.host.findChildren<ui::CandidateWindow*>().size(), 0);
    }

    void theWindowKeepsTheProgramToItselfUntilItCloses()
    {
        test::InputFixture f;
        test::InputAreas field;
        auto* button = new QPushButton(QStringLiteral("OK"), &field.host);
        field.host.layout()->addWidget(button);
        QVERIFY(QTest::qWaitForWindowActive(&field.host));
        f.input->attach(field.foreign, TableSide::Foreign, core::InsertionTarget::MainWindow);
        field.foreign->setFocus();
        QSignalSpy clicked(button, &QPushButton::clicked);

        test::ModalDriver driver([&](ui::CandidateWindow* window) {
            QTRY_VERIFY(window->isActiveWindow());
            // A click in another window of the program does nothing while the window is open.
            QTest::mouseClick(button, Qt::LeftButton);
            // Keys typed right after the one that closes the window reach it before the focus has gone back:
            // they are typed in the field.
            QWindow* own = window->windowHandle();
            QTest::keyClick(own, '2');
            QTest::keyClick(own, 'd');
            QTest::keyClick(own, 'a');
        });
        QTest::keyClick(field.foreign, 'e');
        QVERIFY(driver.ran());
        QCOMPARE(clicked.size(), 0);
        QCOMPARE(field.foreign->toPlainText(), u"ёда"_qs);
        // Once it has closed, the other windows take the mouse again.
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(clicked.size(), 1);
    }

    void clicksChooseAfterTheTimerAndCloseTheWindow()
    {
        test::InputFixture f;
        test::InputAreas field;
        QVERIFY(QTest::qWaitForWindowExposed(&field.host));
        f.input->attach(field.foreign, TableSide::Foreign, core::InsertionTarget::MainWindow);

        // A click selects at once and inserts when the timer fires.
        int selectedAtClick = 0;
        bool openAtClick = false;
        test::ModalDriver click([&](ui::CandidateWindow* window) {
            QTest::mouseClick(cell(window, 3), Qt::LeftButton);
            selectedAtClick = window->selectedSlot();
            openAtClick = window->isVisible();
        });
        QTest::keyClick(field.foreign, 'e');
        QVERIFY(click.ran());
        QCOMPARE(selectedAtClick, 3);
        QVERIFY(openAtClick);
        QCOMPARE(field.foreign->toPlainText(), u"э"_qs);

        // A blank cell replaces the selection with nothing.
        field.foreign->setPlainText(QStringLiteral("xyz"));
        field.foreign->selectAll();
        test::ModalDriver blank(
            [](ui::CandidateWindow* window) { QTest::mouseClick(cell(window, 2), Qt::LeftButton); });
        QTest::keyClick(field.foreign, 's');
        QVERIFY(blank.ran());
        QCOMPARE(field.foreign->toPlainText(), QString());

        // The close button, and a key that closes the window before the timer fires, insert nothing.
        test::ModalDriver closeButton([](ui::CandidateWindow* window) {
            QTest::mouseClick(window->findChild<QToolButton*>(QStringLiteral("CloseButton")), Qt::LeftButton);
        });
        QTest::keyClick(field.foreign, 'e');
        QVERIFY(closeButton.ran());
        test::ModalDriver clickThenEsc([](ui::CandidateWindow* window) {
            QTest::mouseClick(cell(window, 1), Qt::LeftButton);
            press(window, Qt::Key_Escape);
        });
        QTest::keyClick(field.foreign, 'e');
        QVERIFY(clickThenEsc.ran());
        QTest::qWait(2 * ui::CandidateWindow::kCellClickDelayMs);
        QCOMPARE(field.foreign->toPlainText(), QString());
    }

    void cellsHintsAndNameLinesShowTheBuffer()
    {
        test::InputFixture f;
        test::InputAreas field;
        QVERIFY(QTest::qWaitForWindowExposed(&field.host));
        f.input->attach(field.foreign, TableSide::Foreign, core::InsertionTarget::MainWindow);

        QStringList texts;
        QList<QColor> fills;
        QStringList hints;
        QStringList numbers;
        QStringList lines;
        QSize size;
        int noteGap = 0;
        QString closeHint;
        test::ModalDriver look([&](ui::CandidateWindow* window) {
            size = window->size();
            for (int slot = 1; slot <= 4; ++slot) {
                texts.append(cell(window, slot)->text());
                fills.append(cell(window, slot)->fill());
                hints.append(cell(window, slot)->toolTip());
            }
            for (int slot = 1; slot <= 10; ++slot)
                numbers.append(labelText(window, QStringLiteral("SlotNumber%1").arg(slot)));
            lines << labelText(window, u"NameLabel"_qs) << labelText(window, u"NoteLabel"_qs);
            auto* name = window->findChild<QLabel*>(QStringLiteral("NameLabel"));
            auto* note = window->findChild<QLabel*>(QStringLiteral("NoteLabel"));
            noteGap = note->x() - (name->x() + name->width());
            closeHint = window->findChild<QToolButton*>(QStringLiteral("CloseButton"))->toolTip();
            press(window, Qt::Key_Right);
            lines << labelText(window, u"NameLabel"_qs) << labelText(window, u"NoteLabel"_qs);
            fills.append(cell(window, 1)->fill());
            fills.append(cell(window, 2)->fill());
            press(window, Qt::Key_Escape);
        });
        QTest::keyClick(field.foreign, 's');
        QVERIFY(look.ran());

        const QColor buttonFace = QApplication::palette().color(QPalette::Button);
        QCOMPARE(size, QSize(420, 92));
        QCOMPARE(texts, (QStringList{u"с"_qs, QString(), u"ш"_qs, QString()}));
        const QColor aqua(0, 255, 255);
        QCOMPARE(fills, (QList<QColor>{aqua, buttonFace, Qt::white, buttonFace, Qt::white, aqua}));
        QCOMPARE(hints, (QStringList{u" $0441"_qs, u" $0020"_qs, u" $0448"_qs, QString()}));
        QCOMPARE(numbers.join(QString()), u"1234567890"_qs);
        QCOMPARE(
            lines, (QStringList{u"日本語名： "_qs, u"Note:    $0441"_qs, u"日本語名： "_qs, u"Note:    $0020"_qs}));
        QCOMPARE(noteGap, 12);
        QCOMPARE(closeHint, u"[Esc]または[Backspace]キーで閉じられます"_qs);

        QStringList named;
        test::ModalDriver names([&](ui::CandidateWindow* window) {
            named << labelText(window, u"NameLabel"_qs) << labelText(window, u"NoteLabel"_qs)
                  << cell(window, 1)->toolTip();
            press(window, Qt::Key_Escape);
        });
        QTest::keyClick(field.foreign, 'e');
        QCOMPARE(named,
            (QStringList{u"日本語名： イェー"_qs, u"Note: Cyrillic small ie   $0435"_qs, u"as in yes $0435"_qs}));
    }

    void theWindowOpensAboveTheCaretInsideTheRightScreenEdge()
    {
        test::InputFixture f;
        test::InputAreas field;
        QVERIFY(QTest::qWaitForWindowExposed(&field.host));
        f.input->attach(field.foreign, TableSide::Foreign, core::InsertionTarget::MainWindow);
        field.foreign->setPlainText(QStringLiteral("first line\nsecond"));
        field.foreign->moveCursor(QTextCursor::End);

        const QPoint caret = field.foreign->mapToGlobal(ui::CandidateWindow::caretPosition(field.foreign));
        QCOMPARE(caret, field.foreign->viewport()->mapToGlobal(field.foreign->cursorRect().topLeft()));
        test::ModalDriver above([](ui::CandidateWindow* window) { press(window, Qt::Key_Escape); });
        QTest::keyClick(field.foreign, 'e');
        QVERIFY(above.ran());
        QCOMPARE(above.windowPos(), caret - QPoint(0, 92 + 8));

        // At the right edge of the screen the window is pulled back to end 8 pixels inside it.
        const QRect screen = field.host.screen()->geometry();
        field.host.move(screen.right() - 150, 300);
        QTRY_COMPARE(field.host.pos(), QPoint(screen.right() - 150, 300));
        test::ModalDriver edge([](ui::CandidateWindow* window) { press(window, Qt::Key_Escape); });
        QTest::keyClick(field.foreign, 'e');
        QVERIFY(edge.ran());
        QCOMPARE(edge.windowPos().x(), screen.x() + screen.width() - 420 - 8);
        QCOMPARE(edge.windowPos().y(),
            field.foreign->mapToGlobal(ui::CandidateWindow::caretPosition(field.foreign)).y() - 100);
    }

    void pressingOnTheSurfaceDragsTheWindowButNotOnTheCells()
    {
        test::InputFixture f;
        test::InputAreas field;
        QVERIFY(QTest::qWaitForWindowExposed(&field.host));
        f.input->attach(field.foreign, TableSide::Foreign, core::InsertionTarget::MainWindow);

        QPoint start;
        QPoint afterDrag;
        QPoint afterCellDrag;
        test::ModalDriver drag([&](ui::CandidateWindow* window) {
            start = window->pos();
            sendMouse(window, QEvent::MouseButtonPress, QPoint(410, 80), Qt::LeftButton);
            sendMouse(window, QEvent::MouseMove, QPoint(440, 100), Qt::LeftButton);
            sendMouse(window, QEvent::MouseButtonRelease, QPoint(440, 100), Qt::NoButton);
            afterDrag = window->pos();
            auto* strip = window->findChild<QWidget*>(QStringLiteral("CellStrip"));
            sendMouse(strip, QEvent::MouseButtonPress, QPoint(1, 1), Qt::LeftButton);
            sendMouse(strip, QEvent::MouseMove, QPoint(30, 30), Qt::LeftButton);
            sendMouse(strip, QEvent::MouseButtonRelease, QPoint(30, 30), Qt::NoButton);
            afterCellDrag = window->pos();
            press(window, Qt::Key_Escape);
        });
        QTest::keyClick(field.foreign, 'e');
        QVERIFY(drag.ran());
        QCOMPARE(afterDrag, start + QPoint(30, 20));
        QCOMPARE(afterCellDrag, afterDrag);
        QCOMPARE(field.foreign->toPlainText(), QString());
    }

    void theCorrectionIsKeptInTheSettingsForLaterWindows()
    {
        test::InputFixture f;
        test::InputAreas field;
        QVERIFY(QTest::qWaitForWindowExposed(&field.host));
        f.input->attach(field.foreign, TableSide::Foreign, core::InsertionTarget::MainWindow);
        const int fitted = ui::fitFontSize(f.settings.text(SettingKey::UsrMainFont), 32, 30);

        QList<int> sizes;
        QString caption;
        QString bounds;
        test::ModalDriver change([&](ui::CandidateWindow* window) {
            auto* box = window->findChild<QSpinBox*>(QStringLiteral("CorrectionUpDown"));
            bounds = u"%1..%2 %3"_qs.arg(box->minimum()).arg(box->maximum()).arg(box->toolTip());
            sizes << window->cellPointSize();
            box->setValue(3);
            sizes << window->cellPointSize() << cell(window, 1)->font().pointSize();
            caption = labelText(window, u"CorrectionLabel"_qs);
            press(window, Qt::Key_Escape);
        });
        QTest::keyClick(field.foreign, 'e');
        QVERIFY(change.ran());
        QCOMPARE(bounds, u"-4..9 文字サイズ補正"_qs);
        QCOMPARE(sizes, (QList<int>{fitted, fitted + 3, fitted + 3}));
        QCOMPARE(caption, u"+3"_qs);
        QCOMPARE(f.settings.integer(SettingKey::BandDev), 3);

        int later = 0;
        test::ModalDriver next([&](ui::CandidateWindow* window) {
            later = window->cellPointSize();
            caption = labelText(window, u"CorrectionLabel"_qs);
            press(window, Qt::Key_Escape);
        });
        QTest::keyClick(field.foreign, 'e');
        QCOMPARE(later, fitted + 3);
        QCOMPARE(caption, u"+3"_qs);

        const QString path = f.world.path(u"Pelinor_A.rng"_qs);
        QVERIFY(f.settings.save(path));
        core::Settings reloaded;
        QVERIFY(reloaded.load(path));
        QCOMPARE(reloaded.integer(SettingKey::BandDev), 3);

        // A stored value out of the control's range is drawn at the nearest limit.
        f.settings.setInteger(SettingKey::BandDev, 40);
        test::ModalDriver outOfRange([&](ui::CandidateWindow* window) {
            later = window->cellPointSize();
            press(window, Qt::Key_Escape);
        });
        QTest::keyClick(field.foreign, 'e');
        QCOMPARE(later, fitted + 9);
    }

    void thePhoneticWindowInsertsIntoThePhoneticArea()
    {
        test::InputFixture f;
        test::InputAreas field;
        QVERIFY(QTest::qWaitForWindowExposed(&field.host));
        f.input->attach(field.foreign, TableSide::Foreign, core::InsertionTarget::MainWindow);
        f.input->attach(field.phonetic, TableSide::Phonetic, core::InsertionTarget::MainWindow);
        f.settings.setFlag(SettingKey::GaTriRevFlg, true); // the foreign side's flags do not matter here

        QString name;
        QStringList lines;
        QSize column;
        bool hasCorrection = true;
        int pointSize = 0;
        test::ModalDriver choose([&](ui::CandidateWindow* window) {
            name = window->objectName();
            column = window->findChild<QWidget*>(QStringLiteral("ControlColumn"))->size();
            hasCorrection = window->findChild<QSpinBox*>() != nullptr;
            pointSize = window->cellPointSize();
            press(window, Qt::Key_Right);
            lines << labelText(window, u"NameLabel"_qs) << labelText(window, u"NoteLabel"_qs);
            press(window, Qt::Key_2);
        });
        QTest::keyClick(field.phonetic, 'a');
        QVERIFY(choose.ran());
        QCOMPARE(name, u"PhoneticCandidateWindow"_qs);
        QCOMPARE(column, QSize(22, 22));
        QVERIFY(!hasCorrection);
        QCOMPARE(pointSize, ui::fitFontSize(f.settings.text(SettingKey::UsrSubFont), 32, 30));
        QCOMPARE(lines, (QStringList{u"日本語名：アッシュ"_qs, u"Note: ash\\ae  $00E6"_qs}));
        QCOMPARE(field.phonetic->text(), u"æ"_qs);
        QCOMPARE(field.phonetic->cursorPosition(), 1);
        QCOMPARE(field.foreign->toPlainText(), QString());
        QCOMPARE(f.input->candidateBuffer(TableSide::Phonetic).slot(10), 0);
    }

    void layoutHooksRunOnShowingAndOnClosingInLayoutModes_data()
    {
        QTest::addColumn<int>("inputMode");
        QTest::addColumn<bool>("phonetic");
        QTest::addColumn<int>("reselected");

        QTest::newRow("foreign, romaji mode") << 1 << false << 0;
        QTest::newRow("foreign, layout mode 2") << 2 << false << 1;
        QTest::newRow("foreign, layout mode 5") << 5 << false << 1;
        QTest::newRow("foreign, layout mode 7") << 7 << false << 1;
        QTest::newRow("phonetic, layout mode 2") << 2 << true << 0;
    }

    void layoutHooksRunOnShowingAndOnClosingInLayoutModes()
    {
        QFETCH(int, inputMode);
        QFETCH(bool, phonetic);
        QFETCH(int, reselected);

        test::InputFixture f;
        f.settings.setInteger(SettingKey::InputMode, inputMode);
        test::InputAreas field;
        QVERIFY(QTest::qWaitForWindowExposed(&field.host));
        f.input->attach(field.foreign, TableSide::Foreign, core::InsertionTarget::MainWindow);
        f.input->attach(field.phonetic, TableSide::Phonetic, core::InsertionTarget::MainWindow);
        int restored = 0;
        int selected = 0;
        f.input->setRestoreStartupLayout([&restored] { ++restored; });
        f.input->setSelectScriptLayout([&selected] { ++selected; });

        int restoredWhileOpen = 0;
        test::ModalDriver driver([&](ui::CandidateWindow* window) {
            restoredWhileOpen = restored;
            press(window, Qt::Key_1);
        });
        QTest::keyClick(phonetic ? static_cast<QWidget*>(field.phonetic) : field.foreign, phonetic ? 'a' : 'e');
        QVERIFY(driver.ran());
        QCOMPARE(restoredWhileOpen, 1);
        QCOMPARE(restored, 1);
        QCOMPARE(selected, reselected);
    }
};

QTEST_MAIN(CandidateWindowTest)
#include "candidatewindow_test.moc"
