#include "core/app/folders.h"
#include "core/app/settings.h"
#include "platform/fake/fakewindowsystem.h"
#include "support/messageboxes.h"
#include "support/tempworld.h"
#include "ui/transfer/transfercontroller.h"
#include "ui/transfer/transferindicator.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace pelinor;
using core::SettingKey;
using platform::WindowHandle;

namespace {

const QString kDa = QString::fromUtf16(u"\u0434\u0430");
const QString kBefore = QStringLiteral("before the transfer");
constexpr WindowHandle kWriter = 1001;
constexpr WindowHandle kBrowser = 1002;

/// The main window's transfer widgets around a controller, on a scripted desktop with a writer and a browser.
struct Fixture {
    test::TempWorld world;
    core::Settings settings;
    core::Folders folders{core::FolderRoots{
        world.path(QStringLiteral("appdata")), world.path(QStringLiteral("prog")), world.path(QStringLiteral("docs"))}};
    platform::FakeWindowSystem desktop;
    QWidget window;
    QPlainTextEdit* foreign = new QPlainTextEdit(&window);
    QLineEdit* phonetic = new QLineEdit(&window);
    ui::TransferIndicator* indicator = new ui::TransferIndicator(&window);
    QCheckBox* autoPaste = new QCheckBox(&window);
    QLineEdit* modeDisplay = new QLineEdit(&window);
    std::unique_ptr<ui::TransferController> controller;

    explicit Fixture(bool available = true)
    {
        QDir().mkpath(folders.systemFolder());
        settings.setInteger(SettingKey::TrTimer, 10);
        settings.setInteger(SettingKey::PaTimer, 10);
        desktop.setAvailable(available, QStringLiteral("no X11 display here"));
        desktop.addWindow(kWriter, QStringLiteral("文書1 - Writer"), QStringLiteral("writer"));
        desktop.addWindow(kBrowser, QStringLiteral("Browser"), QStringLiteral("browser"));
        window.setWindowTitle(QStringLiteral("Pelinor"));
        QGuiApplication::clipboard()->setText(kBefore);
    }

    ui::TransferController& make()
    {
        controller = std::make_unique<ui::TransferController>(settings, folders, desktop,
            ui::TransferWidgets{foreign, phonetic, indicator, autoPaste, modeDisplay, &window});
        return *controller;
    }

    /// The user leaves for `target`; returns once the controller took it (or after a few ticks if it does not).
    bool switchTo(WindowHandle target)
    {
        desktop.setApplicationActive(false);
        desktop.setForegroundWindow(target);
        return QTest::qWaitFor([this, target] { return controller->targetWindow() == target; }, 300);
    }

    /// The user comes back to this program.
    void comeBack() { desktop.setApplicationActive(true); }

    void transferMode(int mode)
    {
        settings.setInteger(SettingKey::TransMode, mode);
        controller->transferText();
    }

    QString clipboardText() const { return QGuiApplication::clipboard()->text(); }
};

void selectForeign(QPlainTextEdit* area, int start, int length)
{
    QTextCursor cursor = area->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    area->setTextCursor(cursor);
}

} // namespace

class TransferControllerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void eachModePutsItsContentAndKeepsOrShowsTheSelection_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selStart"); // -1: no selection
        QTest::addColumn<int>("selLength");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QByteArray>("rtfPart"); // empty: no rich text
        QTest::addColumn<bool>("workRtf");

        const QString privet = QStringLiteral("привет");
        QTest::newRow("1 rich, whole text") << 1 << kDa << -1 << 0 << kDa
                                            << QByteArray("\\fcharset204 Times New Roman;}}\\viewkind4\\uc1\\pard"
                                                          "\\lang1049\\f0\\fs36\\u1076?\\u1072?}")
                                            << false;
        QTest::newRow("2 work file, line break") << 2 << QStringLiteral("a\nb") << -1 << 0 << QStringLiteral("a\nb")
                                                 << QByteArray("\\fs36\\u97?\\u13?\\u10?\\u98?}") << true;
        QTest::newRow("3 hex, selection of three")
            << 3 << privet << 1 << 3 << QStringLiteral("&#x0440;&#x0438;&#x0432;") << QByteArray() << false;
        QTest::newRow("4 decimal, whole text")
            << 4 << kDa << -1 << 0 << QStringLiteral("&#1076;&#1072;") << QByteArray() << false;
        QTest::newRow("5 text, selection") << 5 << privet << 0 << 2 << QStringLiteral("пр") << QByteArray() << false;
        QTest::newRow("11 phonetic rich") << 11 << QStringLiteral("ə") << -1 << 0 << QStringLiteral("ə")
                                          << QByteArray("\\fcharset0 Segoe UI;}}\\viewkind4\\uc1\\pard\\f0"
                                                        "\\fs32\\u601?}")
                                          << true;
        QTest::newRow("12 phonetic hex, pair") << 12 << QStringLiteral("\U0001D11E") << -1 << 0
                                               << QStringLiteral("&#xD834;&#xDD1E;") << QByteArray() << false;
        QTest::newRow("13 phonetic decimal, selection")
            << 13 << QStringLiteral("ʃə") << 1 << 1 << QStringLiteral("&#601;") << QByteArray() << false;
        QTest::newRow("14 phonetic text")
            << 14 << QStringLiteral("ˈʃɪp") << -1 << 0 << QStringLiteral("ˈʃɪp") << QByteArray() << false;
    }

    void eachModePutsItsContentAndKeepsOrShowsTheSelection()
    {
        QFETCH(int, mode);
        QFETCH(QString, text);
        QFETCH(int, selStart);
        QFETCH(int, selLength);
        QFETCH(QString, plain);
        QFETCH(QByteArray, rtfPart);
        QFETCH(bool, workRtf);

        Fixture f;
        f.make();
        const bool phoneticMode = mode > 10;
        // The other area holds text of its own that must stay as it is, unselected.
        if (phoneticMode) {
            f.phonetic->setText(text);
            if (selStart >= 0)
                f.phonetic->setSelection(selStart, selLength);
            f.foreign->setPlainText(QStringLiteral("other"));
        } else {
            f.foreign->setPlainText(text);
            if (selStart >= 0)
                selectForeign(f.foreign, selStart, selLength);
            f.phonetic->setText(QStringLiteral("other"));
        }

        f.transferMode(mode);

        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data);
        QCOMPARE(data->text(), plain);
        QCOMPARE(data->hasFormat(QStringLiteral("text/rtf")), !rtfPart.isEmpty());
        QCOMPARE(data->hasHtml(), !rtfPart.isEmpty());
        if (!rtfPart.isEmpty()) {
            const QByteArray rtf = data->data(QStringLiteral("text/rtf"));
            QVERIFY2(rtf.startsWith("{\\rtf1\\ansi\\ansicpg932") && rtf.endsWith(rtfPart), rtf.constData());
            QCOMPARE(data->data(QStringLiteral("application/rtf")), rtf);
        }
        const QByteArray workFile = f.world.readBytes(QStringLiteral("appdata/Norvanta/Pelinor/Sys/Work.rtf"));
        QCOMPARE(!workFile.isEmpty(), workRtf);
        // Work.rtf keeps its own form: Japanese text language and a closing paragraph mark.
        if (workRtf)
            QVERIFY2(workFile.contains("\\pard\\lang1041\\f0\\fs") && workFile.endsWith("\\f1\\par}\r\n"),
                workFile.constData());

        // A selection the user made stays; otherwise the whole text ends selected. The other area is left alone.
        const QString expectedSelection = selStart >= 0 ? text.mid(selStart, selLength) : text;
        if (phoneticMode) {
            QCOMPARE(f.phonetic->selectedText(), expectedSelection);
            if (selStart >= 0)
                QCOMPARE(f.phonetic->selectionStart(), selStart);
            QVERIFY(!f.foreign->textCursor().hasSelection());
        } else {
            QCOMPARE(
                f.foreign->textCursor().selectedText().replace(QChar(0x2029), QLatin1Char('\n')), expectedSelection);
            if (selStart >= 0)
                QCOMPARE(f.foreign->textCursor().selectionStart(), selStart);
            QVERIFY(!f.phonetic->hasSelectedText());
        }
        QCOMPARE(f.foreign->toPlainText(), phoneticMode ? QStringLiteral("other") : text);
        QCOMPARE(f.phonetic->text(), phoneticMode ? text : QStringLiteral("other"));
    }

    void clearAfterTransferEmptiesBothAreas()
    {
        Fixture f;
        f.settings.setFlag(SettingKey::TransClearFlg, true);
        f.make();
        f.foreign->setPlainText(kDa);
        f.phonetic->setText(QStringLiteral("da"));

        f.transferMode(12);

        QCOMPARE(f.clipboardText(), QStringLiteral("&#x0064;&#x0061;"));
        QVERIFY(f.foreign->toPlainText().isEmpty());
        QVERIFY(f.phonetic->text().isEmpty());
    }

    void modeDisplayAndUnknownModes()
    {
        Fixture f;
        f.make();
        QCOMPARE(f.modeDisplay->text(), QStringLiteral("ロシア語 ﾘｯﾁ1"));
        f.foreign->setPlainText(kDa);
        f.transferMode(14);
        QCOMPARE(f.modeDisplay->text(), QStringLiteral("発音記号 ﾃｷｽﾄ"));

        // Any other mode shows nothing and transfers nothing.
        f.transferMode(7);
        QCOMPARE(f.modeDisplay->text(), QString());
        QCOMPARE(f.clipboardText(), kBefore);
        QCOMPARE(f.foreign->toPlainText(), kDa);
    }

    void tracksTheLastAcceptableWindowOfAnotherProgram_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("desktopWindow"); // desktop background, dock or panel
        QTest::addColumn<bool>("mediaPlayer");
        QTest::addColumn<bool>("taken");

        QTest::newRow("ordinary window") << QStringLiteral("Mail") << false << false << true;
        QTest::newRow("desktop") << QStringLiteral("Program Manager") << false << false << false;
        QTest::newRow("own caption") << QStringLiteral("Pelinor    転送先：[ Mail ]") << false << false << false;
        QTest::newRow("start menu") << QStringLiteral(" スタート メニュー ") << false << false << false;
        QTest::newRow("dock or panel") << QStringLiteral("Panel") << true << false << false;
        QTest::newRow("sound file window with the player") << QStringLiteral("word01") << false << true << false;
        QTest::newRow("same title without the player") << QStringLiteral("word01") << false << false << true;
    }

    void tracksTheLastAcceptableWindowOfAnotherProgram()
    {
        QFETCH(QString, title);
        QFETCH(bool, desktopWindow);
        QFETCH(bool, mediaPlayer);
        QFETCH(bool, taken);

        Fixture f;
        f.settings.setFlag(SettingKey::MediaPlayerFlg, mediaPlayer);
        f.make().setLastSoundQuery([] { return QStringLiteral("/snd/word01.mp3"); });
        QVERIFY(f.switchTo(kWriter));
        const QString writerCaption = QStringLiteral("Pelinor    転送先：[ 文書1 - Writer ]");
        QCOMPARE(f.window.windowTitle(), writerCaption);

        constexpr WindowHandle candidate = 1003;
        f.desktop.addWindow(candidate, title, QString(), desktopWindow);
        QCOMPARE(f.switchTo(candidate), taken);
        QCOMPARE(f.controller->targetWindow(), taken ? candidate : kWriter);
        QCOMPARE(f.window.windowTitle(),
            taken ? QStringLiteral("Pelinor    転送先：[ ") + title + QStringLiteral(" ]") : writerCaption);
    }

    void targetShowsInIndicatorAndCaptionUntilAutoPasteIsSwitchedOff()
    {
        Fixture f;
        f.make();
        QCOMPARE(f.indicator->colour(), QColor(Qt::white));
        QVERIFY(f.autoPaste->isChecked());

        QVERIFY(f.switchTo(kWriter));
        QCOMPARE(f.indicator->colour(), QColor(Qt::red));

        // The same window again changes nothing, not even after its title changed.
        f.desktop.setWindowTitle(kWriter, QStringLiteral("文書2 - Writer"));
        QTest::qWait(50);
        QCOMPARE(f.controller->targetTitle(), QStringLiteral("文書1 - Writer"));
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Pelinor    転送先：[ 文書1 - Writer ]"));

        // While this program is active the target cannot change.
        f.comeBack();
        f.desktop.setForegroundWindow(kBrowser);
        QTest::qWait(50);
        QCOMPARE(f.controller->targetWindow(), kWriter);

        f.autoPaste->click();
        QVERIFY(!f.settings.flag(SettingKey::AutoPasteFlg));
        QVERIFY(!f.controller->hasTarget());
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Pelinor"));
        QCOMPARE(f.indicator->colour(), QApplication::palette().color(QPalette::Base));
        // Without automatic paste nothing is tracked.
        QVERIFY(!f.switchTo(kBrowser));

        f.comeBack();
        f.autoPaste->click();
        QVERIFY(f.settings.flag(SettingKey::AutoPasteFlg));
        QVERIFY(f.switchTo(kBrowser));
    }

    void ownWindowsAreNeverTheTarget()
    {
        Fixture f;
        f.make();
        QWidget other;
        other.setWindowTitle(QStringLiteral("Word book search"));
        other.show();
        const auto own = static_cast<WindowHandle>(other.winId());
        f.desktop.addWindow(own, QStringLiteral("Word book search"));
        QVERIFY(f.switchTo(kWriter));
        QVERIFY(!f.switchTo(own));
        QCOMPARE(f.controller->targetWindow(), kWriter);
    }

    void transferBringsTheTargetToTheFrontAndPastesOnce()
    {
        Fixture f;
        f.make();
        QVERIFY(f.switchTo(kWriter));
        f.comeBack();
        f.foreign->setPlainText(kDa);

        f.transferMode(3);
        QCOMPARE(f.desktop.log(), QStringList{QStringLiteral("activate 1001 ok")});
        QVERIFY(f.controller->pasteTimer()->isActive());
        QTRY_COMPARE(
            f.desktop.log(), (QStringList{QStringLiteral("activate 1001 ok"), QStringLiteral("paste 1001 Ctrl+V")}));
        QTest::qWait(50);
        QCOMPARE(f.desktop.log().size(), 2);
        QCOMPARE(f.clipboardText(), QStringLiteral("&#x0434;&#x0430;"));
        QVERIFY(f.controller->hasTarget());
    }

    void terminalsGetTheirOwnPasteChord_data()
    {
        QTest::addColumn<QString>("windowClass");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("paste");
        QTest::newRow("xterm, rich text")
            << QStringLiteral("XTerm") << 1 << QStringLiteral("paste 1003 Shift+Insert PRIMARY=привет");
        QTest::newRow("rxvt-unicode, references")
            << QStringLiteral("URxvt") << 4
            << QStringLiteral("paste 1003 Shift+Insert PRIMARY=&#1087;&#1088;&#1080;"
                              "&#1074;&#1077;&#1090;");
        QTest::newRow("VTE terminal") << QStringLiteral("Lxterminal") << 1 << QStringLiteral("paste 1003 Ctrl+Shift+V");
    }

    void terminalsGetTheirOwnPasteChord()
    {
        QFETCH(QString, windowClass);
        QFETCH(int, mode);
        QFETCH(QString, paste);
        Fixture f;
        constexpr WindowHandle terminal = 1003;
        f.desktop.addWindow(terminal, QStringLiteral("user@host: ~"), windowClass);
        f.make();
        QVERIFY(f.switchTo(terminal));
        f.comeBack();
        f.foreign->setPlainText(QStringLiteral("привет"));
        f.transferMode(mode);
        QTRY_COMPARE(f.desktop.log(), (QStringList{QStringLiteral("activate 1003 ok"), paste}));
    }

    void targetThatCannotComeToTheFrontIsForgottenSilently_data()
    {
        QTest::addColumn<bool>("closed");
        QTest::newRow("window closed") << true;
        QTest::newRow("activation refused") << false;
    }

    void targetThatCannotComeToTheFrontIsForgottenSilently()
    {
        QFETCH(bool, closed);
        Fixture f;
        f.make();
        // The transfer's own message boxes are answered with "Yes".
        test::MessageBoxCatcher messages(QStringLiteral("TransferMessage"), 10);
        QVERIFY(f.switchTo(kWriter));
        f.comeBack();
        if (closed)
            f.desktop.closeWindow(kWriter);
        else
            f.desktop.setActivationRefused(kWriter, true);
        f.foreign->setPlainText(kDa);

        f.transferMode(1);
        QTest::qWait(50);

        QCOMPARE(f.desktop.log(), QStringList{QStringLiteral("activate 1001 refused")});
        QVERIFY(!f.controller->hasTarget());
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Pelinor"));
        QCOMPARE(f.indicator->colour(), QApplication::palette().color(QPalette::Base));
        QCOMPARE(f.clipboardText(), kDa);
        QVERIFY(messages.texts().isEmpty());
    }

    void withoutAutoPasteOrTargetTheTextWaitsOnTheClipboard()
    {
        Fixture f;
        f.make();
        QVERIFY(f.switchTo(kWriter));
        f.comeBack();
        f.autoPaste->click(); // off: the target is forgotten
        f.foreign->setPlainText(kDa);
        f.transferMode(4);
        QTest::qWait(50);
        QVERIFY(f.desktop.log().isEmpty());
        QCOMPARE(f.clipboardText(), QStringLiteral("&#1076;&#1072;"));

        // On again, but no target known yet.
        f.autoPaste->click();
        f.transferMode(5);
        QTest::qWait(50);
        QVERIFY(f.desktop.log().isEmpty());
        QCOMPARE(f.clipboardText(), kDa);
    }

    void emptyArea_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("clipboardSet");
        QTest::newRow("1 rich") << 1 << false;
        QTest::newRow("2 work file") << 2 << false;
        QTest::newRow("3 hex") << 3 << true;
        QTest::newRow("5 text") << 5 << false;
        QTest::newRow("13 phonetic decimal") << 13 << true;
        QTest::newRow("14 phonetic text") << 14 << false;
    }

    void emptyArea()
    {
        QFETCH(int, mode);
        QFETCH(bool, clipboardSet);
        Fixture f;
        f.make();
        QVERIFY(f.switchTo(kWriter));
        f.comeBack();

        f.transferMode(mode);
        QTest::qWait(50);

        // The reference modes leave an empty text; copying nothing keeps the clipboard, and pasting it then
        // would put the older content into the target, so nothing is pasted.
        QCOMPARE(f.clipboardText(), clipboardSet ? QString() : kBefore);
        QCOMPARE(f.desktop.log().size(), clipboardSet ? 2 : 0);
    }

    void workFileFailureStopsTheTransfer()
    {
        Fixture f;
        f.settings.setFlag(SettingKey::TransClearFlg, true);
        f.make();
        QVERIFY(f.switchTo(kWriter));
        f.comeBack();
        // The system folder is a regular file: Work.rtf cannot be written, not even by a privileged user.
        QDir(f.folders.systemFolder()).removeRecursively();
        f.world.writeBytes(QStringLiteral("appdata/Norvanta/Pelinor/Sys"), "not a folder");
        f.foreign->setPlainText(kDa);
        // The transfer's own message boxes are answered with "Yes".
        test::MessageBoxCatcher messages(QStringLiteral("TransferMessage"), 10);

        f.transferMode(2);
        QTest::qWait(50);

        QCOMPARE(messages.texts().size(), 1);
        QVERIFY2(messages.texts().first().contains(QStringLiteral("Work.rtf")), qPrintable(messages.texts().first()));
        QCOMPARE(f.clipboardText(), kBefore);
        QVERIFY(f.desktop.log().isEmpty());
        QCOMPARE(f.foreign->toPlainText(), kDa); // not cleared
        QVERIFY(f.controller->hasTarget());
    }

    void unavailableWindowSystemOnlyFillsTheClipboard()
    {
        Fixture f(false);
        f.make();
        QCOMPARE(f.indicator->toolTip(), QStringLiteral("no X11 display here"));
        QVERIFY(!f.switchTo(kWriter));
        QVERIFY(!f.controller->transTimer()->isActive());
        f.comeBack();
        f.phonetic->setText(QStringLiteral("ə"));
        f.transferMode(11);
        QTest::qWait(50);
        QCOMPARE(f.clipboardText(), QStringLiteral("ə"));
        QVERIFY(f.desktop.log().isEmpty());
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Pelinor"));
    }

    void padFollowsTheTargetWhileOpen()
    {
        Fixture f;
        f.make();
        QWidget pad;
        pad.setWindowTitle(QStringLiteral("PAD"));
        ui::TransferIndicator padIndicator;
        f.controller->setPadWidgets({&pad, &padIndicator});

        QVERIFY(f.switchTo(kWriter));
        QCOMPARE(pad.windowTitle(), QStringLiteral("Pelinor    転送先：[ 文書1 - Writer ]"));
        QCOMPARE(padIndicator.colour(), QColor(Qt::red));

        f.comeBack();
        f.controller->setAutoPaste(false); // the PAD's own box
        QVERIFY(!f.autoPaste->isChecked());
        QCOMPARE(pad.windowTitle(), QStringLiteral("Pelinor"));
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Pelinor"));

        f.controller->setPadWidgets({}); // the PAD has closed
        f.controller->setAutoPaste(true);
        QVERIFY(f.switchTo(kBrowser));
        QCOMPARE(pad.windowTitle(), QStringLiteral("Pelinor"));
    }
};

QTEST_MAIN(TransferControllerTest)
#include "transfercontroller_test.moc"
