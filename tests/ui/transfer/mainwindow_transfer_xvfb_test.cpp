// The main window's transfers on a real X server: the main window as the program creates it, with the
// window system of the desktop, another program's text field as the target, and F9 pressed on the window.

#include "core/app/folders.h"
#include "core/app/settings.h"
#include "platform/windowsystem.h"
#include "support/pastetargetprocess.h"
#include "support/testworld.h"
#include "support/widgetlookup.h"
#include "support/xserver.h"
#include "ui/app/tmainfrm.h"
#include "ui/app/workbench.h"
#include "ui/transfer/transfercontroller.h"
#include "ui/transfer/transferindicator.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QtTest>

#include <cstdio>
#include <memory>

using namespace pelinor;
using core::SettingKey;
using platform::WindowHandle;

namespace {

const QString kTargetTitle = QStringLiteral("Получатель");
const QString kCaptionPrefix = QStringLiteral("Pelinor    転送先：[ ");
const QString kCaptionSuffix = QStringLiteral(" ]");
const QString kForeignText = QStringLiteral("да");
const QString kPhoneticText = QStringLiteral("ʃa");
const QString kStaleClipboard = QStringLiteral("stale clipboard");

// Interval of the target-search timer for this test; the paste delay keeps its default.
constexpr int kTrackingInterval = 20;

} // namespace

/// One main window and one target program for the whole run: the target is taken once, and then every
/// transfer mode in turn is chosen from its menu and sent with F9. The target's field keeps what earlier
/// cases pasted, so each case compares exactly the lines that arrived after it pressed F9: one paste chord
/// and one change that appends just this case's text.
class MainWindowTransferXvfbTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        m_system = platform::createWindowSystem();
        QVERIFY2(m_system->available(), qPrintable(m_system->unavailableReason()));

        m_world = std::make_unique<test::TestWorld>();
        m_world->writeBytes(m_world->settingsFile(),
            QByteArrayLiteral("AutoPasteFlg,1\r\nTrTimer,") + QByteArray::number(kTrackingInterval) + "\r\n");
        m_world->apply();
        core::Folders folders(core::FolderRoots::fromEnvironment(QString()));
        folders.setUpFolders();

        m_bench = std::make_unique<ui::Workbench>(folders); // the window system of this desktop
        m_window = &m_bench->window();
        QVERIFY(m_bench->settings().flag(SettingKey::AutoPasteFlg));
        QCOMPARE(m_bench->settings().integer(SettingKey::TrTimer), kTrackingInterval);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Pelinor"));
        QVERIFY(indicator()->colour() != QColor(Qt::red));
    }

    void theProgramInFrontBecomesTheTarget()
    {
        QVERIFY2(m_target.start(kTargetTitle), "the paste target program starts");
        QVERIFY(m_system->activateWindow(m_target.window()));
        QTRY_COMPARE(m_bench->transfer().targetWindow(), m_target.window());
        QCOMPARE(m_window->windowTitle(), kCaptionPrefix + kTargetTitle + kCaptionSuffix);
        QCOMPARE(indicator()->colour(), QColor(Qt::red));
        m_seenLines = m_target.mark();
    }

    void eachTransferModeArrivesInTheTarget_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("received");
        // The end of the rich text on the clipboard; empty for the modes that put plain text alone there.
        QTest::addColumn<QByteArray>("rtfEnd");
        // The end of Work.rtf when the rich text went through it: the same font, size and text in the file's
        // own form (Japanese text language, closing paragraph mark); empty for the other modes.
        QTest::addColumn<QByteArray>("workFileEnd");

        // The text goes into the line at the caret, in the script's language.
        const QByteArray russianRtf = QByteArrayLiteral(
            "\\fcharset204 Times New Roman;}}\\viewkind4\\uc1\\pard\\lang1049\\f0\\fs36\\u1076?\\u1072?}");
        const QByteArray phoneticRtf
            = QByteArrayLiteral("\\fcharset0 Segoe UI;}}\\viewkind4\\uc1\\pard\\f0\\fs32\\u643?\\u97?}");
        const QByteArray russianWorkFile = QByteArrayLiteral(
            "\\fcharset204 Times New Roman;}}\\viewkind4\\uc1\\pard\\lang1041\\f0\\fs36\\u1076?\\u1072?\\f1\\par}\r\n");
        const QByteArray phoneticWorkFile = QByteArrayLiteral(
            "\\fcharset0 Segoe UI;}}\\viewkind4\\uc1\\pard\\lang1041\\f0\\fs32\\u643?\\u97?\\f1\\par}\r\n");
        const QByteArray none;
        QTest::newRow("1 rich text, direct") << 1 << kForeignText << russianRtf << none;
        QTest::newRow("2 rich text, work file") << 2 << kForeignText << russianRtf << russianWorkFile;
        QTest::newRow("3 hexadecimal") << 3 << QStringLiteral("&#x0434;&#x0430;") << none << none;
        QTest::newRow("4 decimal") << 4 << QStringLiteral("&#1076;&#1072;") << none << none;
        QTest::newRow("5 plain text") << 5 << kForeignText << none << none;
        QTest::newRow("11 phonetic rich text") << 11 << kPhoneticText << phoneticRtf << phoneticWorkFile;
        QTest::newRow("12 phonetic hexadecimal") << 12 << QStringLiteral("&#x0283;&#x0061;") << none << none;
        QTest::newRow("13 phonetic decimal") << 13 << QStringLiteral("&#643;&#97;") << none << none;
        QTest::newRow("14 phonetic plain text") << 14 << kPhoneticText << none << none;
    }

    void eachTransferModeArrivesInTheTarget()
    {
        QFETCH(int, mode);
        QFETCH(QString, received);
        QFETCH(QByteArray, rtfEnd);
        QFETCH(QByteArray, workFileEnd);
        QVERIFY2(m_bench->transfer().hasTarget(), "the target was taken");

        // Nothing may have arrived since the last case looked.
        const QStringList unexpected = m_target.linesSince(m_seenLines);
        m_seenLines = m_target.mark();
        QCOMPARE(unexpected, QStringList());

        comeBackToTheMainWindow();
        chooseTransferMode(mode);
        QCOMPARE(m_bench->settings().integer(SettingKey::TransMode), mode);
        // Both areas hold text, so a mode that read the other area would send the other text.
        test::child<QPlainTextEdit>(m_window, "ForeignArea")->setPlainText(kForeignText);
        test::child<QLineEdit>(m_window, "PhoneticArea")->setText(kPhoneticText);
        // The focus rests in the area that the mode does not read: the transfer has to go to its own area.
        if (mode > 10)
            test::child<QPlainTextEdit>(m_window, "ForeignArea")->setFocus();
        else
            test::child<QLineEdit>(m_window, "PhoneticArea")->setFocus();
        // What an earlier transfer or another program left on the clipboard must not be what arrives.
        QGuiApplication::clipboard()->setText(kStaleClipboard);

        // The field keeps what earlier cases pasted; this case's paste goes at its end.
        const QString before = m_target.lastText();
        const qsizetype mark = m_target.mark();
        QTest::keyClick(m_window, Qt::Key_F9);

        QVERIFY2(m_target.waitForLine(mark, QStringLiteral("text ")), "the target's field changes");
        const QStringList arrived = m_target.linesSince(mark);
        m_seenLines = m_target.mark();
        QCOMPARE(arrived, QStringList({QStringLiteral("chord Ctrl+V"), QStringLiteral("text ") + before + received}));

        const QMimeData* clipboard = QGuiApplication::clipboard()->mimeData();
        QVERIFY(clipboard);
        QCOMPARE(clipboard->text(), received);
        if (rtfEnd.isEmpty()) {
            QVERIFY(!clipboard->hasFormat(QStringLiteral("text/rtf")));
        } else {
            const QByteArray rtf = clipboard->data(QStringLiteral("text/rtf"));
            QVERIFY2(rtf.startsWith("{\\rtf1\\ansi\\ansicpg932\\deff0\\deflang1033\\deflangfe1041{\\fonttbl{\\f0\\fnil")
                    && rtf.endsWith(rtfEnd),
                rtf.constData());
            if (!workFileEnd.isEmpty()) {
                const QByteArray workFile = m_world->readBytes(m_world->systemFolder() + QStringLiteral("/Work.rtf"));
                QVERIFY2(workFile.startsWith(rtf.left(rtf.indexOf("\\viewkind4"))) && workFile.endsWith(workFileEnd),
                    workFile.constData());
            }
        }
        // The target was brought to the front, and it is still the target.
        QCOMPARE(m_window->windowTitle(), kCaptionPrefix + kTargetTitle + kCaptionSuffix);
        QCOMPARE(indicator()->colour(), QColor(Qt::red));
    }

    void withoutAutomaticPasteTheTextWaitsOnTheClipboard()
    {
        comeBackToTheMainWindow();
        QCheckBox* autoPaste = test::child<QCheckBox>(m_window, "AutoPasteBox");
        QVERIFY(autoPaste->isChecked());
        autoPaste->click();
        QVERIFY(!m_bench->settings().flag(SettingKey::AutoPasteFlg));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Pelinor"));
        QVERIFY(indicator()->colour() != QColor(Qt::red));

        chooseTransferMode(4);
        test::child<QPlainTextEdit>(m_window, "ForeignArea")->setPlainText(kForeignText);
        QGuiApplication::clipboard()->setText(kStaleClipboard);
        const qsizetype mark = m_target.mark();
        QTest::keyClick(m_window, Qt::Key_F9);

        QTRY_COMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("&#1076;&#1072;"));
        // Give a paste that should not come the time it would take, then look.
        QTest::qWait(2 * m_bench->settings().integer(SettingKey::PaTimer));
        QCOMPARE(m_target.linesSince(mark), QStringList());
        QVERIFY(m_window->isActiveWindow());
        QVERIFY(!m_bench->transfer().hasTarget());
    }

    void cleanupTestCase()
    {
        if (m_window)
            m_window->close();
        m_bench.reset();
        m_window = nullptr;
    }

private:
    ui::TransferIndicator* indicator() const
    {
        return test::child<ui::TransferIndicator>(m_window, "TransferIndicator");
    }

    void comeBackToTheMainWindow()
    {
        QVERIFY(m_system->activateWindow(m_window->winId()));
        QTRY_VERIFY(m_window->isActiveWindow());
    }

    void chooseTransferMode(int mode)
    {
        test::child<QAction>(m_window, QStringLiteral("TransferMode%1").arg(mode))->trigger();
    }

    std::unique_ptr<platform::WindowSystem> m_system;
    std::unique_ptr<test::TestWorld> m_world;
    std::unique_ptr<ui::Workbench> m_bench;
    ui::TMainFrm* m_window = nullptr;
    test::PasteTargetProcess m_target;
    qsizetype m_seenLines = 0;
};

int main(int argc, char** argv)
{
    return test::runOnXServer<MainWindowTransferXvfbTest>(argc, argv);
}

#include "mainwindow_transfer_xvfb_test.moc"
