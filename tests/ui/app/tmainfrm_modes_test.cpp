#include "core/app/folders.h"
#include "support/messageboxes.h"
#include "support/testworld.h"
#include "support/widgetlookup.h"
#include "ui/app/fontpanel.h"
#include "ui/app/keypanelcolumn.h"
#include "ui/app/tmainfrm.h"
#include "ui/app/workbench.h"
#include "ui/input/romajikeypanel.h"
#include "ui/input/screenkeyboard.h"
#include "ui/input/symbollibrarygrid.h"
#include "ui/wordbook/wordbookcontroller.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace pelinor;
using core::SettingKey;

/// Input modes, the font boxes and the function keys of the main window.
class TMainFrmModesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestWorld> m_world;
    std::unique_ptr<ui::Workbench> m_bench;
    ui::TMainFrm* m_window = nullptr;

    void open(const QByteArray& settings = QByteArray())
    {
        m_bench.reset();
        m_world = std::make_unique<test::TestWorld>();
        if (!settings.isEmpty())
            m_world->writeBytes(m_world->settingsFile(), settings);
        m_world->apply();
        core::Folders folders(core::FolderRoots::fromEnvironment(QString()));
        folders.setUpFolders();
        m_bench = std::make_unique<ui::Workbench>(folders);
        m_window = &m_bench->window();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }

    void chooseItem(int item)
    {
        QComboBox* box = test::child<ui::FontPanel>(m_window, "FontPanel")->inputModeBox();
        box->setCurrentIndex(item);
        Q_EMIT box->activated(item);
    }

private Q_SLOTS:
    void cleanup() { m_bench.reset(); }

    void storedGreekModeSelectsTheGreekScript()
    {
        open("InputMode,4\r\n");
        QCOMPARE(m_bench->settings().scriptName(), QStringLiteral("ｷﾞﾘｼｱ語"));
        QCOMPARE(m_bench->settings().scriptCharset(), 161);
        QCOMPARE(test::child<ui::FontPanel>(m_window, "FontPanel")->inputModeBox()->currentIndex(), 3);
        QCOMPARE(m_bench->settings().text(SettingKey::GaCandFile), QStringLiteral("CandGreek.csv"));
        QVERIFY(m_bench->folders().currentWordBookFolder().endsWith(QStringLiteral("/GreekA")));
        QCOMPARE(test::child<ui::KeyPanelColumn>(m_window, "KeyPanelColumn")
                     ->tabs()
                     ->tabText(ui::KeyPanelColumn::RomajiPage),
            QStringLiteral("ｷﾞﾘｼｱ語ローマ字"));
    }

    void storedDictionaryModeIsEnteredAfterTheStoredScript()
    {
        // The stored mode is switched to once at start; only then does the stored dictionary mode apply, so
        // the script change does not leave it again.
        open("InputMode,4\r\nDicFlg,1\r\n");
        QVERIFY(m_bench->settings().flag(SettingKey::DicFlg));
        QVERIFY(m_bench->folders().currentDictionaryFolder().endsWith(QStringLiteral("/GreekG")));
        QCOMPARE(m_bench->folders().currentWordBookFolder(), m_bench->folders().currentDictionaryFolder());
    }

    void layoutModeShowsTheKeyboardPageAndAlphanumericKeepsTheScript()
    {
        open();
        chooseItem(4); // Greek with the script's layout
        QCOMPARE(m_bench->settings().integer(SettingKey::InputMode), 5);
        QCOMPARE(test::child<ui::KeyPanelColumn>(m_window, "KeyPanelColumn")->tabs()->currentIndex(),
            int(ui::KeyPanelColumn::KeyboardPage));
        QCOMPARE(test::child<ui::KeyPanelColumn>(m_window, "KeyPanelColumn")->picture(), 1);
        chooseItem(2); // alphanumeric: everything of the script stays
        QCOMPARE(m_bench->settings().integer(SettingKey::InputMode), 3);
        QCOMPARE(m_bench->settings().scriptName(), QStringLiteral("ｷﾞﾘｼｱ語"));
        QCOMPARE(m_bench->settings().text(SettingKey::GaCandFile), QStringLiteral("CandGreek.csv"));
    }

    // The picture of the script shows, drawn for the current script, only where its panel has the room.
    void scriptPictureIsDrawnWhenItShows()
    {
        open();
        auto* column = test::child<ui::KeyPanelColumn>(m_window, "KeyPanelColumn");
        auto* picture = test::child<QLabel>(m_window, "ScriptPicture");
        QVERIFY(column->picturePanel()->height() <= 64);
        QVERIFY(!picture->isVisible());
        const auto colourAtTop = [picture] { return picture->pixmap().toImage().pixelColor(44, 5); };

        column->picturePanel()->resize(column->picturePanel()->width(), 100);
        QVERIFY(picture->isVisible());
        QCOMPARE(colourAtTop(), QColor(0x9E, 0xDE, 0x5C)); // Russian
        chooseItem(4); // Greek
        column->picturePanel()->resize(column->picturePanel()->width(), 100);
        QVERIFY(picture->isVisible());
        QCOMPARE(colourAtTop(), QColor(0x50, 0xB0, 0xFF));
    }

    void keyPanelPagesFollowAndSetTheMode()
    {
        open("InputMode,6\r\n");
        QTabWidget* tabs = test::child<ui::KeyPanelColumn>(m_window, "KeyPanelColumn")->tabs();
        tabs->setCurrentIndex(ui::KeyPanelColumn::KeyboardPage); // Ukrainian romaji -> Ukrainian layout
        QCOMPARE(m_bench->settings().integer(SettingKey::InputMode), 7);
        QCOMPARE(test::child<ui::FontPanel>(m_window, "FontPanel")->inputModeBox()->currentIndex(), 6);
        tabs->setCurrentIndex(ui::KeyPanelColumn::PhoneticPage); // the phonetic page keeps the mode
        QCOMPARE(m_bench->settings().integer(SettingKey::InputMode), 7);
        tabs->setCurrentIndex(ui::KeyPanelColumn::RomajiPage);
        QCOMPARE(m_bench->settings().integer(SettingKey::InputMode), 6);
    }

    void typingDaGivesRussianAndAlphanumericModeTypesPlainLetters()
    {
        open();
        test::child<QPlainTextEdit>(m_window, "ForeignArea")->setFocus();
        QTest::keyClicks(test::child<QPlainTextEdit>(m_window, "ForeignArea"), QStringLiteral("da"));
        QCOMPARE(test::child<QPlainTextEdit>(m_window, "ForeignArea")->toPlainText(), QStringLiteral("да"));

        chooseItem(2); // alphanumeric
        test::child<QPlainTextEdit>(m_window, "ForeignArea")->clear();
        QTest::keyClicks(test::child<QPlainTextEdit>(m_window, "ForeignArea"), QStringLiteral("da"));
        QCOMPARE(test::child<QPlainTextEdit>(m_window, "ForeignArea")->toPlainText(), QStringLiteral("da"));
        // The phonetic area still converts: F has a single candidate, inserted directly.
        test::child<QLineEdit>(m_window, "PhoneticArea")->setFocus();
        QTest::keyClicks(test::child<QLineEdit>(m_window, "PhoneticArea"), QStringLiteral("F"));
        QCOMPARE(test::child<QLineEdit>(m_window, "PhoneticArea")->text().size(), 1);
        QVERIFY(test::child<QLineEdit>(m_window, "PhoneticArea")->text() != QStringLiteral("F"));
    }

    void shiftInALayoutModeShiftsTheOnScreenKeyboard()
    {
        open("InputMode,2\r\nRusTWFlg,0\r\n");
        ui::ScreenKeyboard* keyboard = test::child<ui::ScreenKeyboard>(m_window, "ScreenKeyboard");
        const int q = 13; // the key of Q: й, Й when shifted
        QCOMPARE(keyboard->keyCaption(q), QStringLiteral("й"));
        test::child<QPlainTextEdit>(m_window, "ForeignArea")->setFocus();
        QTest::keyPress(test::child<QPlainTextEdit>(m_window, "ForeignArea"), Qt::Key_Shift);
        QCOMPARE(keyboard->keyCaption(q), QStringLiteral("Й"));
        QTest::keyRelease(test::child<QPlainTextEdit>(m_window, "ForeignArea"), Qt::Key_Shift);
        QCOMPARE(keyboard->keyCaption(q), QStringLiteral("й"));
    }

    void theRegistrationDialogsFieldsConvertLikeTheInputAreas()
    {
        // Romaji mode: both fields look up their trigger keys.
        open();
        QVERIFY(m_bench->wordBooks().openWordBook(QStringLiteral("あいさつ.utx")));
        QString foreign;
        QString phonetic;
        test::whenModal([&](QWidget* dialog) {
            auto* foreignField = test::child<QLineEdit>(dialog, "ForeignWordField");
            foreignField->clear();
            foreignField->setFocus();
            QTest::keyClicks(foreignField, QStringLiteral("privet"));
            foreign = foreignField->text();
            auto* phoneticField = test::child<QLineEdit>(dialog, "PhoneticField");
            phoneticField->clear();
            phoneticField->setFocus();
            QTest::keyClicks(phoneticField, QStringLiteral("F"));
            phonetic = phoneticField->text();
            static_cast<QDialog*>(dialog)->reject();
        });
        QTest::keyClick(m_window, Qt::Key_F4);
        QCOMPARE(foreign, QStringLiteral("привет"));
        QCOMPARE(phonetic.size(), 1);
        QVERIFY(phonetic != QStringLiteral("F"));

        // A layout mode: Shift in the foreign-word field shifts the on-screen keyboard as in the input area.
        open("InputMode,2\r\nRusTWFlg,0\r\n");
        QVERIFY(m_bench->wordBooks().openWordBook(QStringLiteral("あいさつ.utx")));
        ui::ScreenKeyboard* keyboard = test::child<ui::ScreenKeyboard>(m_window, "ScreenKeyboard");
        const int q = 13; // the key of Q: й, Й when shifted
        QStringList captions;
        test::whenModal([&](QWidget* dialog) {
            auto* field = test::child<QLineEdit>(dialog, "ForeignWordField");
            field->setFocus();
            QTest::keyPress(field, Qt::Key_Shift);
            captions << keyboard->keyCaption(q);
            QTest::keyRelease(field, Qt::Key_Shift);
            captions << keyboard->keyCaption(q);
            static_cast<QDialog*>(dialog)->reject();
        });
        QTest::keyClick(m_window, Qt::Key_F4);
        QCOMPARE(captions, QStringList({QStringLiteral("Й"), QStringLiteral("й")}));
    }

    void f4RegistersTheTypedWordInTheOpenWordBook()
    {
        open();
        ui::WordBookController* books = &m_bench->wordBooks();
        QVERIFY(books->openWordBook(QStringLiteral("あいさつ.utx")));
        const QString path = m_world->documentsFolder() + QStringLiteral("/bookA/あいさつ.utx");
        const qsizetype before = m_world->readBytes(path).count("\r\0\n\0");
        test::child<QPlainTextEdit>(m_window, "ForeignArea")->setFocus();
        QTest::keyClicks(test::child<QPlainTextEdit>(m_window, "ForeignArea"), QStringLiteral("privet"));
        QTimer::singleShot(300, this, [] {
            if (QWidget* dialog = QApplication::activeModalWidget())
                QTest::keyClick(dialog, Qt::Key_F4); // "追加 (F4)"
        });
        QTest::keyClick(m_window, Qt::Key_F4);
        const QByteArray saved = m_world->readBytes(path);
        QCOMPARE(saved.count("\r\0\n\0"), before + 1);
        const QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(saved.constData()), saved.size() / 2);
        QVERIFY(text.contains(QStringLiteral("\"привет\"")));
        // RegClearFlg: the input areas are emptied after registering.
        QVERIFY(test::child<QPlainTextEdit>(m_window, "ForeignArea")->toPlainText().isEmpty());
    }

    void greekLayoutComposesAccentsWithTheDeadKey()
    {
        open("InputMode,5\r\n");
        test::child<QPlainTextEdit>(m_window, "ForeignArea")->setFocus();
        QTest::keyClicks(test::child<QPlainTextEdit>(m_window, "ForeignArea"), QStringLiteral("kal;hmera"));
        QCOMPARE(test::child<QPlainTextEdit>(m_window, "ForeignArea")->toPlainText(), QStringLiteral("καλήμερα"));
    }

    void greekDeadKeysWaitThroughShiftForCapitals()
    {
        open("InputMode,5\r\n");
        QPlainTextEdit* area = test::child<QPlainTextEdit>(m_window, "ForeignArea");
        area->setFocus();
        // A capital is typed with Shift, which QTest presses on its own before the letter, as a keyboard does.
        // ";" is the tonos key, "+" (Shift with ";") the dialytika key.
        for (const char letter : {'A', 'E', 'H', 'I', 'O', 'Y', 'V'}) {
            QTest::keyClick(area, ';');
            QTest::keyClick(area, letter, Qt::ShiftModifier);
        }
        for (const char letter : {'I', 'Y'}) {
            QTest::keyClick(area, '+', Qt::ShiftModifier);
            QTest::keyClick(area, letter, Qt::ShiftModifier);
        }
        QCOMPARE(area->toPlainText(), QStringLiteral("ΆΈΉΊΌΎΏΪΫ"));

        // Other modifiers pressed and released between the dead key and the vowel leave it waiting too.
        area->clear();
        QTest::keyClick(area, ';');
        for (const Qt::Key modifier : {Qt::Key_Control, Qt::Key_Alt, Qt::Key_AltGr, Qt::Key_Meta, Qt::Key_CapsLock}) {
            QKeyEvent press(QEvent::KeyPress, modifier, Qt::NoModifier);
            QApplication::sendEvent(area, &press);
            QKeyEvent release(QEvent::KeyRelease, modifier, Qt::NoModifier);
            QApplication::sendEvent(area, &release);
        }
        QTest::keyClick(area, 'o');
        QCOMPARE(area->toPlainText(), QStringLiteral("ό"));
        // A key that acts without typing still types the waiting accent first.
        QTest::keyClick(area, ';');
        QTest::keyClick(area, Qt::Key_Left);
        QCOMPARE(area->toPlainText(), QStringLiteral("ό΄"));
    }

    void choosingTheOtherRussianLayoutChangesWhatKeysType()
    {
        open("InputMode,2\r\nRusTWFlg,0\r\n");
        QPlainTextEdit* area = test::child<QPlainTextEdit>(m_window, "ForeignArea");
        area->setFocus();
        // The keys "/" and "1" type "." and "1" in the standard layout, "ё" and "№" in the typewriter one.
        QTest::keyClicks(area, QStringLiteral("/1"));
        QCOMPARE(area->toPlainText(), QStringLiteral(".1"));
        test::child<QAction>(m_window, "ImeRussianTypewriter")->trigger();
        QVERIFY(m_bench->settings().flag(SettingKey::RusTWFlg));
        QTest::keyClicks(area, QStringLiteral("/1"));
        QCOMPARE(area->toPlainText(), QStringLiteral(".1ё№"));
        test::child<QAction>(m_window, "ImeRussian")->trigger();
        QTest::keyClicks(area, QStringLiteral("/1"));
        QCOMPARE(area->toPlainText(), QStringLiteral(".1ё№.1"));
    }

    void ukrainianLayoutTypesGheWithUpturnAndTheApostrophe()
    {
        open("InputMode,7\r\n");
        QPlainTextEdit* area = test::child<QPlainTextEdit>(m_window, "ForeignArea");
        area->setFocus();
        // ґ and Ґ are on the key right of ":" ("]" and "}").
        QTest::keyClick(area, ']');
        QTest::keyClick(area, '}', Qt::ShiftModifier);
        QCOMPARE(test::child<ui::ScreenKeyboard>(m_window, "ScreenKeyboard")->keyCaption(36), QStringLiteral("ґ"));
        // The 半角/全角 key, left of "1", types no text of its own; in the layout it gives the apostrophe, which
        // the Ukrainian table turns into "’".
        const quint32 zenkakuHankakuKeyCode = 49;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Zenkaku_Hankaku, Qt::NoModifier, zenkakuHankakuKeyCode, 0xFF2A, 0);
        QApplication::sendEvent(area, &press);
        QCOMPARE(area->toPlainText(), QStringLiteral("ґҐ’"));
    }

    void firstItemRunsTheSwitchAgainInModeOne()
    {
        open();
        // A table name changed behind the mode's back comes back only when the switch runs again.
        m_bench->settings().setText(SettingKey::GaCandFile, QStringLiteral("Other.csv"));
        chooseItem(0);
        QCOMPARE(m_bench->settings().text(SettingKey::GaCandFile), QStringLiteral("CandRussian.csv"));
    }

    void sizeBoxKeepsCurrentSizeForTextAndRaisesSmallValues()
    {
        open();
        QComboBox* box = test::child<ui::FontPanel>(m_window, "FontPanel")->sizeBox();
        box->setEditText(QStringLiteral("abc"));
        Q_EMIT box->lineEdit()->editingFinished();
        QCOMPARE(m_bench->settings().integer(SettingKey::UsrMainFontSize), 18);
        box->setEditText(QStringLiteral("5"));
        Q_EMIT box->lineEdit()->editingFinished();
        QCOMPARE(m_bench->settings().integer(SettingKey::UsrMainFontSize), 8);
        QCOMPARE(box->currentText(), QStringLiteral("8"));
        QCOMPARE(test::child<QPlainTextEdit>(m_window, "ForeignArea")->font().pointSize(), 8);
    }

    void typedSizesAreNotCompletedFromTheList_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("shown");
        // "5", "2" and "6" begin listed sizes ("50", "20", "60"); typed alone they are below the smallest size.
        QTest::newRow("5") << u"5"_qs << 8 << u"8"_qs;
        QTest::newRow("2") << u"2"_qs << 8 << u"8"_qs;
        QTest::newRow("6") << u"6"_qs << 8 << u"8"_qs;
        QTest::newRow("24") << u"24"_qs << 24 << u"24"_qs;
    }

    void typedSizesAreNotCompletedFromTheList()
    {
        QFETCH(QString, keys);
        QFETCH(int, size);
        QFETCH(QString, shown);
        open();
        QLineEdit* field = test::child<ui::FontPanel>(m_window, "FontPanel")->sizeBox()->lineEdit();
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, keys);
        QCOMPARE(field->text(), keys);
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(m_bench->settings().integer(SettingKey::UsrMainFontSize), size);
        QCOMPARE(field->text(), shown);
        QCOMPARE(test::child<QPlainTextEdit>(m_window, "ForeignArea")->font().pointSize(), size);
    }

    void listButtonShowsItsWholeCaptionInEveryScript_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("Russian romaji") << 1;
        QTest::newRow("Greek romaji, beside the replacement button") << 4;
        QTest::newRow("Ukrainian romaji") << 6;
    }

    void listButtonShowsItsWholeCaptionInEveryScript()
    {
        QFETCH(int, mode);
        open(QByteArray("InputMode,") + QByteArray::number(mode) + QByteArray("\r\n"));
        QCOMPARE(m_window->size(), QSize(840, 710));
        auto* panel = test::child<ui::RomajiKeyPanel>(m_window, "RomajiKeyPanel");
        auto* list = panel->findChild<QToolButton*>(QStringLiteral("ListButton"));
        QVERIFY(list);
        QTRY_VERIFY(list->isVisible());
        QVERIFY2(list->width() >= list->sizeHint().width(),
            qPrintable(QStringLiteral("%1 < %2").arg(list->width()).arg(list->sizeHint().width())));
        QVERIFY(list->width() > list->fontMetrics().horizontalAdvance(list->text()));
        // Right of the fourth row, clear of the replacement button and inside the panel.
        QVERIFY(list->geometry().left() > panel->keyRect(46).right());
        const auto* replace = panel->findChild<QToolButton*>(QStringLiteral("ReplaceButton"));
        QCOMPARE(!replace->isHidden(), mode == 4);
        if (!replace->isHidden())
            QVERIFY(!list->geometry().intersects(replace->geometry()));
        QVERIFY(panel->rect().contains(list->geometry()));
    }

    void symbolLibraryShowsItsLastRowAtTheDefaultSize()
    {
        open();
        QCOMPARE(m_window->size(), QSize(840, 710));
        test::child<QTabWidget>(m_window, "LowerTabs")->setCurrentIndex(1);
        auto* scroll = m_window->findChild<QScrollArea*>(QStringLiteral("SymbolLibraryScroll"));
        auto* grid = m_window->findChild<ui::SymbolLibraryGrid*>(QStringLiteral("SymbolGrid"));
        QVERIFY(scroll && grid);
        QTRY_VERIFY(grid->isVisible());
        QTest::qWait(50);
        const QRect viewport = scroll->viewport()->rect();
        for (const int cell : {80, 99}) {
            const QRect rect(
                grid->mapTo(scroll->viewport(), grid->cellRect(cell).topLeft()), grid->cellRect(cell).size());
            QVERIFY2(viewport.contains(rect),
                qPrintable(QStringLiteral("cell %1 at %2,%3 %4x%5 in %6x%7")
                               .arg(cell)
                               .arg(rect.x())
                               .arg(rect.y())
                               .arg(rect.width())
                               .arg(rect.height())
                               .arg(viewport.width())
                               .arg(viewport.height())));
        }
        QVERIFY(!scroll->verticalScrollBar()->isVisible());
    }

    void functionKeysSwitchFocusAndClear()
    {
        open();
        test::child<QLineEdit>(m_window, "PhoneticArea")->setText(QStringLiteral("ab"));
        test::child<QPlainTextEdit>(m_window, "ForeignArea")->setPlainText(QStringLiteral("cd"));
        test::child<QPlainTextEdit>(m_window, "ForeignArea")->setFocus();
        QTest::keyClick(m_window, Qt::Key_F1);
        QTRY_VERIFY(test::child<QLineEdit>(m_window, "PhoneticArea")->hasFocus());
        QCOMPARE(test::child<QLineEdit>(m_window, "PhoneticArea")->cursorPosition(), 2);
        QTest::keyClick(m_window, Qt::Key_F1);
        QTRY_VERIFY(test::child<QPlainTextEdit>(m_window, "ForeignArea")->hasFocus());
        QTest::keyClick(m_window, Qt::Key_F2);
        QVERIFY(test::child<QLineEdit>(m_window, "PhoneticArea")->text().isEmpty());
        QVERIFY(test::child<QPlainTextEdit>(m_window, "ForeignArea")->toPlainText().isEmpty());
    }

    void autoTransferModeFollowsTheFocusedArea()
    {
        open("AutoTransFlg,1\r\n");
        test::child<QLineEdit>(m_window, "PhoneticArea")->setFocus();
        QTRY_COMPARE(m_bench->settings().integer(SettingKey::TransMode), 11);
        test::child<QPlainTextEdit>(m_window, "ForeignArea")->setFocus();
        QTRY_COMPARE(m_bench->settings().integer(SettingKey::TransMode), 1);
    }
};

QTEST_MAIN(TMainFrmModesTest)
#include "tmainfrm_modes_test.moc"
