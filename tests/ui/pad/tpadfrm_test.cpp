#include "core/app/folders.h"
#include "core/app/inputmodecontroller.h"
#include "core/input/scriptlayouts.h"
#include "platform/fake/fakeshellopener.h"
#include "platform/fake/fakewindowsystem.h"
#include "support/testworld.h"
#include "support/widgetlookup.h"
#include "ui/app/commandpanel.h"
#include "ui/app/keypanelcolumn.h"
#include "ui/app/tmainfrm.h"
#include "ui/app/workbench.h"
#include "ui/input/candidatewindow.h"
#include "ui/input/inputfixture.h"
#include "ui/input/phonetickeypanel.h"
#include "ui/input/romajikeypanel.h"
#include "ui/input/screenkeyboard.h"
#include "ui/pad/tpadfrm.h"
#include "ui/transfer/transfercontroller.h"
#include "ui/transfer/transferindicator.h"
#include "ui/wordbook/wordbookcontroller.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <memory>

using namespace pelinor;
using core::SettingKey;
using ui::TPadFrm;

namespace {

constexpr platform::WindowHandle kWriter = 1001;
constexpr platform::WindowHandle kBrowser = 1002;
const QString kBefore = QStringLiteral("clipboard before");

/// A started main window on a scripted desktop with a writer and a browser, in a private world.
struct Fixture {
    test::TestWorld world;
    platform::FakeWindowSystem desktop;
    platform::FakeShellOpener opener;
    std::unique_ptr<ui::Workbench> bench;
    ui::TMainFrm* window = nullptr;

    explicit Fixture(int inputMode = 1, const QByteArray& settingsFile = {})
    {
        world.apply();
        if (!settingsFile.isEmpty())
            world.writeBytes(world.settingsFile(), settingsFile);
        core::Folders folders(core::FolderRoots::fromEnvironment(QString()));
        folders.setUpFolders();
        desktop.addWindow(kWriter, QStringLiteral("Writer"), QStringLiteral("writer"));
        desktop.addWindow(kBrowser, QStringLiteral("Browser"), QStringLiteral("browser"));
        bench = std::make_unique<ui::Workbench>(folders, ui::DesktopServices{&desktop, &opener});
        window = &bench->window();
        bench->settings().setInteger(SettingKey::TrTimer, 10);
        bench->settings().setInteger(SettingKey::PaTimer, 10);
        bench->inputModes().switchInputMode(core::inputModeFromNumber(inputMode));
        QGuiApplication::clipboard()->setText(kBefore);
    }

    ~Fixture() { bench->settings().setDiscardSettings(true); }

    /// A PAD built now, shown without its own event loop.
    std::unique_ptr<TPadFrm> openPad()
    {
        auto pad = std::make_unique<TPadFrm>(window->padContext(), std::nullopt);
        pad->show();
        pad->activateWindow();
        if (!QTest::qWaitForWindowActive(pad.get()))
            qWarning("the PAD did not become active");
        return pad;
    }

    /// The user leaves for `target`; true once the transfer controller took it.
    bool switchTo(platform::WindowHandle target)
    {
        desktop.setApplicationActive(false);
        desktop.setForegroundWindow(target);
        return QTest::qWaitFor([this, target] { return bench->transfer().targetWindow() == target; }, 500);
    }
};

QByteArray clipboardRtf()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data ? data->data(QStringLiteral("text/rtf")) : QByteArray();
}

/// Runs `action` on the PAD once F7 has shown it; the action must close it.
class PadDriver {
public:
    explicit PadDriver(std::function<void(TPadFrm*)> action)
        : m_action(std::move(action))
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start(10);
    }

    bool ran() const { return m_ran; }

private:
    void poll()
    {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* pad = qobject_cast<TPadFrm*>(w);
            if (pad && pad->isVisible()) {
                m_timer.stop();
                m_ran = true;
                QTimer::singleShot(3000, pad, [pad] { pad->close(); }); // never hangs a failing test
                m_action(pad);
                return;
            }
        }
    }

    std::function<void(TPadFrm*)> m_action;
    QTimer m_timer;
    bool m_ran = false;
};

} // namespace

class TPadFrmTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void opensWithTheStateOfTheMainWindow_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("romajiCaption");
        QTest::addColumn<bool>("replaceButton");
        QTest::newRow("Russian romaji") << 1 << 0 << u"ロシア語ローマ字"_qs << false;
        QTest::newRow("Russian layout") << 2 << 1 << u"ロシア語ローマ字"_qs << false;
        QTest::newRow("alphanumeric keeps the script") << 3 << 0 << u"ロシア語ローマ字"_qs << false;
        QTest::newRow("Greek layout") << 5 << 1 << u"ｷﾞﾘｼｱ語ローマ字"_qs << true;
        QTest::newRow("Ukrainian romaji") << 6 << 0 << u"ｳｸﾗｲﾅ語ローマ字"_qs << false;
    }

    void opensWithTheStateOfTheMainWindow()
    {
        QFETCH(int, mode);
        QFETCH(int, page);
        QFETCH(QString, romajiCaption);
        QFETCH(bool, replaceButton);
        Fixture f(mode, "UsrMainFontSize,22\r\nAutoPasteFlg,0\r\n");
        const auto pad = f.openPad();

        QCOMPARE(pad->objectName(), QStringLiteral("PadFrm"));
        QCOMPARE(pad->windowTitle(), u"PADモード"_qs);
        QCOMPARE(pad->size(), QSize(400, 350));
        QCOMPARE(pad->transferSize(), 22);
        QCOMPARE(pad->sizeBox()->currentText(), QStringLiteral("22"));
        QCOMPARE(pad->sizeBox()->count(), 52);
        QVERIFY(!pad->autoPasteBox()->isChecked());
        QVERIFY(pad->clearBox()->isChecked());
        QCOMPARE(pad->indicator()->colour(), QColor(Qt::white));
        QCOMPARE(pad->tabs()->currentIndex(), page);
        QCOMPARE(pad->tabs()->tabText(0), romajiCaption);
        QCOMPARE(
            pad->tabs()->tabText(1), test::child<ui::KeyPanelColumn>(f.window, "KeyPanelColumn")->tabs()->tabText(1));
        QCOMPARE(pad->tabs()->tabText(2), u"発音記号"_qs);
        QCOMPARE(!pad->romajiPanel()->replaceButton()->isHidden(), replaceButton);
        for (ui::TableKeyPanel* panel : {static_cast<ui::TableKeyPanel*>(pad->romajiPanel()),
                 static_cast<ui::TableKeyPanel*>(pad->phoneticPanel())}) {
            QVERIFY(panel->directInputBox()->isHidden());
            QVERIFY(panel->triggerReturnBox()->isHidden());
        }
        // The input line always shows 16 points; the buffer carries the transfer size.
        QCOMPARE(pad->inputLine()->font().pointSize(), 16);
        QCOMPARE(pad->richBuffer()->font().pointSize(), 22);
        QTRY_VERIFY(pad->inputLine()->hasFocus());
    }

    void aRememberedPlaceOffTheScreensIsBroughtBack_data()
    {
        QTest::addColumn<QPoint>("remembered");
        QTest::addColumn<bool>("kept");
        QTest::newRow("on the screen") << QPoint(100, 80) << true;
        QTest::newRow("partly off the right edge")
            << QPoint(QGuiApplication::primaryScreen()->availableGeometry().right() - 250, 80) << true;
        QTest::newRow("on a removed monitor to the right") << QPoint(5000, 80) << false;
        QTest::newRow("on a removed monitor below") << QPoint(100, 5000) << false;
        QTest::newRow("on a removed monitor to the left") << QPoint(-3000, -3000) << false;
    }

    void aRememberedPlaceOffTheScreensIsBroughtBack()
    {
        QFETCH(QPoint, remembered);
        QFETCH(bool, kept);
        Fixture f;
        TPadFrm pad(f.window->padContext(), remembered);
        pad.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pad));
        if (kept)
            QCOMPARE(pad.geometry().topLeft(), remembered);
        else
            QVERIFY2(QGuiApplication::primaryScreen()->availableGeometry().contains(pad.frameGeometry()),
                qPrintable(QStringLiteral("%1,%2").arg(pad.x()).arg(pad.y())));
    }

    void typedTriggersConvertOnEveryPageAndInEveryMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        // Romaji triggers convert also in the alphanumeric mode; the keyboard page of a layout mode types through
        // the script's layout, the romaji page of the same mode through the romaji triggers.
        QTest::newRow("romaji mode") << 1 << 0 << u"da"_qs << u"да"_qs;
        QTest::newRow("alphanumeric") << 3 << 0 << u"da"_qs << u"да"_qs;
        QTest::newRow("layout mode, keyboard page") << 2 << 1 << u"df"_qs << u"ва"_qs;
        QTest::newRow("layout mode, romaji page") << 2 << 0 << u"df"_qs << u"дф"_qs;
    }

    void typedTriggersConvertOnEveryPageAndInEveryMode()
    {
        QFETCH(int, mode);
        QFETCH(int, page);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        Fixture f(mode);
        const auto pad = f.openPad();
        pad->tabs()->setCurrentIndex(page);
        QTest::keyClicks(pad->inputLine(), typed);
        QCOMPARE(pad->inputLine()->text(), expected);
    }

    void thePhoneticPageTakesThePhoneticFontsAndTriggers()
    {
        Fixture f(1, "UsrSubFont,\"Charis SIL\"\r\nUsrMainFont,\"Liberation Serif\"\r\nCandBg,#102030\r\n");
        const auto pad = f.openPad();
        pad->tabs()->setCurrentIndex(TPadFrm::PhoneticPage);
        QCOMPARE(pad->inputLine()->font().family(), QStringLiteral("Charis SIL"));
        QCOMPARE(pad->inputLine()->font().pointSize(), 16);
        QCOMPARE(pad->inputLine()->palette().color(QPalette::Base), QColor(0x10, 0x20, 0x30));
        QCOMPARE(pad->richBuffer()->font().family(), QStringLiteral("Charis SIL"));

        // "S" is a trigger of the phonetic table: its window opens and inserts into the input line.
        QString opened;
        QTimer::singleShot(0, [&opened] {
            QTRY_VERIFY(test::openCandidateWindow());
            ui::CandidateWindow* window = test::openCandidateWindow();
            opened = window->objectName();
            QTest::keyClick(window, Qt::Key_Return);
        });
        QTest::keyClick(pad->inputLine(), 'S', Qt::ShiftModifier);
        QCOMPARE(opened, QStringLiteral("PhoneticCandidateWindow"));
        QCOMPARE(pad->inputLine()->text(), QString(QChar(0x0283)));

        pad->tabs()->setCurrentIndex(TPadFrm::RomajiPage);
        QCOMPARE(pad->inputLine()->font().family(), QStringLiteral("Liberation Serif"));
        QCOMPARE(pad->inputLine()->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
        QCOMPARE(pad->focusWidget(), pad->inputLine());
    }

    void enterTransfersUnlessTheLineIsBlank()
    {
        Fixture f;
        QVERIFY(f.switchTo(kWriter));
        f.desktop.setApplicationActive(true);
        f.desktop.clearCalls();
        const auto pad = f.openPad();

        pad->inputLine()->setText(QStringLiteral("   "));
        QTest::keyClick(pad->inputLine(), Qt::Key_Return);
        QCOMPARE(QGuiApplication::clipboard()->text(), kBefore);
        QCOMPARE(pad->inputLine()->text(), QStringLiteral("   "));

        pad->inputLine()->setText(u"да"_qs);
        QTest::keyClick(pad->inputLine(), Qt::Key_Return);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"да"_qs);
        QVERIFY(clipboardRtf().contains("\\u1076?\\u1072?"));
        QCOMPARE(pad->inputLine()->text(), QString()); // "ｸﾘｱ" is on
        QTRY_COMPARE(f.desktop.log(), (QStringList{u"activate 1001 ok"_qs, u"paste 1001 Ctrl+V"_qs}));
    }

    void enterTreatsOnlySpacesAndControlsAsBlank_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("transfers");
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("space") << u" "_qs << false;
        QTest::newRow("tab") << u"\t"_qs << false;
        QTest::newRow("controls and spaces") << u"\u0001 \u001F\u0020"_qs << false;
        QTest::newRow("ideographic space alone") << u"\u3000"_qs << true;
        QTest::newRow("ideographic space and text") << u"\u3000да"_qs << true;
        QTest::newRow("no-break space") << u"\u00A0"_qs << true;
    }

    void enterTreatsOnlySpacesAndControlsAsBlank()
    {
        QFETCH(QString, line);
        QFETCH(bool, transfers);
        Fixture f(1, "AutoPasteFlg,0\r\n");
        const auto pad = f.openPad();
        pad->inputLine()->setText(line);
        QTest::keyClick(pad->inputLine(), Qt::Key_Return);
        QCOMPARE(QGuiApplication::clipboard()->text(), transfers ? line : kBefore);
        QCOMPARE(pad->inputLine()->text(), transfers ? QString() : line); // "ｸﾘｱ" is on
    }

    void withoutClearTheTextStaysSelectedAndASelectionGoesAlone()
    {
        Fixture f(1, "AutoPasteFlg,0\r\n");
        const auto pad = f.openPad();
        pad->clearBox()->setChecked(false);
        pad->inputLine()->setText(u"привет"_qs);

        QTest::keyClick(pad.get(), Qt::Key_F9);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"привет"_qs);
        QCOMPARE(pad->inputLine()->text(), u"привет"_qs);
        QCOMPARE(pad->inputLine()->selectedText(), u"привет"_qs);

        pad->inputLine()->setSelection(0, 3);
        pad->transferButton()->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), u"при"_qs);
        QCOMPARE(pad->inputLine()->selectedText(), u"при"_qs);
        QVERIFY(f.desktop.log().isEmpty()); // automatic paste is off: the text waits on the clipboard
    }

    void anEmptyLineNeverPastesWhatTheClipboardHeld()
    {
        Fixture f;
        QVERIFY(f.switchTo(kWriter));
        f.desktop.setApplicationActive(true);
        f.desktop.clearCalls();
        const auto pad = f.openPad();
        pad->transferButton()->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), kBefore);
        QTest::qWait(50);
        QVERIFY(f.desktop.log().isEmpty());
    }

    void thePadsRichTextGoesIntoTheLineInTheScriptsLanguage_data()
    {
        QTest::addColumn<int>("inputMode");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("rtfEnd");
        QTest::newRow("Russian") << 1 << int(TPadFrm::RomajiPage) << u"да"_qs
                                 << QByteArray("\\pard\\lang1049\\f0\\fs36\\u1076?\\u1072?}");
        QTest::newRow("Greek") << 4 << int(TPadFrm::RomajiPage) << u"να"_qs
                               << QByteArray("\\pard\\lang1032\\f0\\fs36\\u957?\\u945?}");
        QTest::newRow("Ukrainian") << 6 << int(TPadFrm::RomajiPage) << u"ґа"_qs
                                   << QByteArray("\\pard\\lang1058\\f0\\fs36\\u1169?\\u1072?}");
        QTest::newRow("phonetic symbols, no language")
            << 4 << int(TPadFrm::PhoneticPage) << u"ə"_qs << QByteArray("\\pard\\f0\\fs36\\u601?}");
    }

    void thePadsRichTextGoesIntoTheLineInTheScriptsLanguage()
    {
        QFETCH(int, inputMode);
        QFETCH(int, page);
        QFETCH(QString, text);
        QFETCH(QByteArray, rtfEnd);
        Fixture f(inputMode, "UsrMainFontSize,18\r\nAutoPasteFlg,0\r\n");
        const auto pad = f.openPad();
        pad->tabs()->setCurrentIndex(page);
        pad->sizeBox()->setEditText(u"18"_qs);
        pad->inputLine()->setText(text);
        pad->transferText();
        QCOMPARE(QGuiApplication::clipboard()->text(), text);
        const QByteArray rtf = clipboardRtf();
        QVERIFY2(rtf.startsWith("{\\rtf1") && rtf.endsWith(rtfEnd), rtf.constData());
        // No paragraph mark ("\\pard" resets the paragraph's formatting, which is something else).
        QVERIFY2(!QString::fromLatin1(rtf).contains(QRegularExpression(QStringLiteral(R"(\\par\b)"))), rtf.constData());
    }

    void theSizeFieldSetsTheSizeOfTheTransferredRichText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("size");
        QTest::newRow("from the list") << u"24"_qs << 24;
        QTest::newRow("below the main window's smallest") << u"5"_qs << 5;
        QTest::newRow("not a number keeps the size") << u"abc"_qs << 18;
        QTest::newRow("zero keeps the size") << u"0"_qs << 18;
    }

    void theSizeFieldSetsTheSizeOfTheTransferredRichText()
    {
        QFETCH(QString, typed);
        QFETCH(int, size);
        Fixture f(1, "UsrMainFontSize,18\r\nUsrMainFont,\"Liberation Serif\"\r\n");
        const auto pad = f.openPad();
        pad->sizeBox()->setEditText(typed);
        QCOMPARE(pad->transferSize(), size);
        pad->inputLine()->setText(u"да"_qs);
        pad->transferText();
        const QByteArray rtf = clipboardRtf();
        QVERIFY2(rtf.contains("\\fs" + QByteArray::number(size * 2)), rtf.constData());
        QVERIFY(rtf.contains("Liberation Serif"));
        QVERIFY(rtf.contains("\\fcharset204"));
        QCOMPARE(pad->inputLine()->font().pointSize(), 16);
        // The main window's size is not the PAD's business.
        QCOMPARE(f.bench->settings().integer(SettingKey::UsrMainFontSize), 18);
    }

    void typedSizesAreTakenAsTyped_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("size");
        // Each of these begins a listed size ("50", "10", "20"), which must not be put in its place.
        QTest::newRow("5") << u"5"_qs << 5;
        QTest::newRow("1") << u"1"_qs << 1;
        QTest::newRow("2") << u"2"_qs << 2;
        QTest::newRow("16") << u"16"_qs << 16;
    }

    void typedSizesAreTakenAsTyped()
    {
        QFETCH(QString, keys);
        QFETCH(int, size);
        Fixture f(1, "UsrMainFontSize,18\r\n");
        const auto pad = f.openPad();
        QLineEdit* field = pad->sizeBox()->lineEdit();
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, keys);
        QCOMPARE(field->text(), keys);
        QCOMPARE(pad->transferSize(), size);
    }

    void capsSwitchesThePadKeyboardBetweenItsLayouts()
    {
        Fixture f(2, "RusTWFlg,0\r\n");
        const auto pad = f.openPad();
        ui::ScreenKeyboard* keyboard = pad->screenKeyboard();
        QVERIFY(keyboard != test::child<ui::ScreenKeyboard>(f.window, "ScreenKeyboard"));
        QCOMPARE(keyboard->layout(), core::ScriptLayout::RussianStandard);
        QCOMPARE(keyboard->keyCaption(13), u"й"_qs);
        keyboard->capsButton()->click();
        QCOMPARE(keyboard->keyCaption(13), u"Й"_qs);
        QVERIFY(!test::child<ui::ScreenKeyboard>(f.window, "ScreenKeyboard")->isCapsDown());
        keyboard->capsButton()->click();
        QCOMPARE(keyboard->keyCaption(13), u"й"_qs);
        // Legends start at 11 points on the PAD's keyboard.
        Fixture greek(5);
        const auto greekPad = greek.openPad();
        QCOMPARE(greekPad->screenKeyboard()->legendFace(1).pointSize, 11);
    }

    void shiftInTheInputLineShowsTheUpperLayoutOnTheKeyboardPage()
    {
        Fixture f(2, "RusTWFlg,0\r\n");
        const auto pad = f.openPad();
        QTest::keyPress(pad->inputLine(), Qt::Key_Shift);
        QCOMPARE(pad->screenKeyboard()->keyCaption(13), u"Й"_qs);
        QTest::keyRelease(pad->inputLine(), Qt::Key_Shift);
        QCOMPARE(pad->screenKeyboard()->keyCaption(13), u"й"_qs);
    }

    void greekDeadKeysAndKeyClicksActOnTheInputLine()
    {
        Fixture f(5);
        const auto pad = f.openPad();
        ui::ScreenKeyboard* keyboard = pad->screenKeyboard();
        QStringList messages;
        keyboard->setMessageHook([&messages](const QString& text) { messages.append(text); });
        keyboard->capsButton()->click();
        QCOMPARE(keyboard->keyCaption(14), QStringLiteral("ab"));
        QTest::mouseClick(keyboard, Qt::LeftButton, {}, keyboard->keyRect(14).center());
        QCOMPARE(messages, QStringList{core::ScriptLayouts::deadKeyMessage(core::GreekAccent::DialytikaTonos)});
        QCOMPARE(pad->inputLine()->text(), QString());

        keyboard->capsButton()->click();
        QTest::mouseClick(keyboard, Qt::LeftButton, {}, keyboard->keyRect(25).center());
        QCOMPARE(pad->inputLine()->text(), keyboard->keyCaption(25).trimmed());
        QCOMPARE(test::child<QPlainTextEdit>(f.window, "ForeignArea")->toPlainText(), QString());
    }

    void replacementRewritesTheInputLine()
    {
        Fixture f(4);
        const auto pad = f.openPad();
        QStringList messages;
        pad->romajiPanel()->setMessageHook([&messages](const QString& text) { messages.append(text); });
        pad->inputLine()->setText(u"α\u0301"_qs);
        QCOMPARE(pad->romajiPanel()->replaceCombiningMarksInField(), 1);
        QCOMPARE(pad->inputLine()->text(), u"ά"_qs);
        QCOMPARE(messages.size(), 1);
    }

    void uncheckingAutomaticPasteForgetsTheTarget()
    {
        Fixture f;
        QVERIFY(f.switchTo(kWriter));
        const auto pad = f.openPad();
        pad->autoPasteBox()->click();
        QVERIFY(!f.bench->settings().flag(SettingKey::AutoPasteFlg));
        QVERIFY(!f.bench->transfer().hasTarget());
        pad->autoPasteBox()->click();
        QVERIFY(f.bench->settings().flag(SettingKey::AutoPasteFlg));
    }

    void f7HidesTheMainWindowClosesTheWordBookAndComesBackWhereItWas()
    {
        Fixture f;
        f.window->show();
        QVERIFY(QTest::qWaitForWindowActive(f.window));
        const QStringList books = QDir(f.bench->folders().currentWordBookFolder())
                                      .entryList({QStringLiteral("*.utx")}, QDir::Files, QDir::Name);
        QVERIFY(!books.isEmpty());
        QVERIFY(f.bench->wordBooks().openWordBook(books.constFirst()));
        QVERIFY(test::child<QAction>(&f.bench->wordBooks(), "WordRegister")->isEnabled());

        QPoint firstPlace;
        bool mainHidden = false;
        bool bookClosed = false;
        PadDriver first([&](TPadFrm* pad) {
            mainHidden = !f.window->isVisible();
            bookClosed = !test::child<QAction>(&f.bench->wordBooks(), "WordRegister")->isEnabled();
            pad->move(pad->pos() + QPoint(-90, 40));
            firstPlace = pad->geometry().topLeft();
            pad->autoPasteBox()->setChecked(false);
            pad->close();
        });
        QTest::keyClick(f.window, Qt::Key_F7);
        QVERIFY(first.ran());
        QVERIFY(mainHidden);
        QVERIFY(bookClosed);
        QVERIFY(f.window->isVisible());
        QCOMPARE(f.window->padPosition(), std::optional<QPoint>(firstPlace));
        // The main window's box follows what the PAD left.
        QVERIFY(!test::child<QCheckBox>(f.window, "AutoPasteBox")->isChecked());
        QVERIFY(QTest::qWaitForWindowActive(f.window));

        QPoint secondPlace;
        PadDriver second([&](TPadFrm* pad) {
            secondPlace = pad->geometry().topLeft();
            pad->close();
        });
        QTest::keyClick(f.window, Qt::Key_F7);
        QVERIFY(second.ran());
        QCOMPARE(secondPlace, firstPlace);
        QVERIFY(f.window->isVisible());
    }

    void theTargetShowsInThePadWhileItIsOpen()
    {
        Fixture f;
        QVERIFY(f.switchTo(kWriter));
        f.desktop.setApplicationActive(true);
        f.window->show();
        QVERIFY(QTest::qWaitForWindowActive(f.window));
        QString openingTitle;
        QColor openingColour;
        QString trackedTitle;
        QColor trackedColour;
        QString unchangedTitle;
        PadDriver driver([&](TPadFrm* pad) {
            openingTitle = pad->windowTitle();
            openingColour = pad->indicator()->colour();
            // Back to the known target: nothing changes; another program: it becomes the target.
            f.desktop.setApplicationActive(false);
            f.desktop.setForegroundWindow(kWriter);
            QTest::qWait(60);
            unchangedTitle = pad->windowTitle();
            f.desktop.setForegroundWindow(kBrowser);
            QVERIFY(QTest::qWaitFor([pad] { return pad->indicator()->colour() == QColor(Qt::red); }, 500));
            trackedTitle = pad->windowTitle();
            trackedColour = pad->indicator()->colour();
            f.desktop.setApplicationActive(true);
            pad->close();
        });
        QTest::keyClick(f.window, Qt::Key_F7);
        QVERIFY(driver.ran());
        QCOMPARE(openingTitle, u"PADモード"_qs);
        QCOMPARE(openingColour, QColor(Qt::white));
        QCOMPARE(unchangedTitle, u"PADモード"_qs);
        QCOMPARE(trackedTitle, u"Pelinor    転送先：[ Browser ]"_qs);
        QCOMPARE(trackedColour, QColor(Qt::red));
        QCOMPARE(f.window->windowTitle(), u"Pelinor    転送先：[ Browser ]"_qs);
    }

    void listButtonsOpenTheHtmlListsOfTheCandidateFiles()
    {
        Fixture f(1);
        const auto opened = [&f] {
            QStringList names;
            for (const QString& path : f.opener.openedFiles())
                names.append(QFileInfo(path).fileName());
            return names;
        };
        const QString tables = f.bench->folders().currentTableFolder();
        const QString listPage
            = QFileInfo(f.bench->settings().text(SettingKey::GaCandFile)).completeBaseName() + QStringLiteral(".html");
        const auto pad = f.openPad();
        pad->romajiPanel()->listButton()->click();
        QVERIFY(opened().isEmpty()); // no list made yet: nothing to open
        QFile page(tables + QLatin1Char('/') + listPage);
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.close();
        pad->romajiPanel()->listButton()->click();
        test::child<ui::RomajiKeyPanel>(f.window, "RomajiKeyPanel")->listButton()->click();
        QCOMPARE(opened(), (QStringList{listPage, listPage}));
    }
};

QTEST_MAIN(TPadFrmTest)
#include "tpadfrm_test.moc"
