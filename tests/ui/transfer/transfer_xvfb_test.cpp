#include "core/app/folders.h"
#include "core/app/settings.h"
#include "platform/windowsystem.h"
#include "support/pastetargetprocess.h"
#include "support/tempworld.h"
#include "support/xserver.h"
#include "ui/transfer/transfercontroller.h"
#include "ui/transfer/transferindicator.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <QtTest>

#include <cstdio>
#include <memory>

using namespace pelinor;
using platform::WindowHandle;

/// The whole road on a real X server: another program is in front, the user comes back, types and transfers, and
/// the text arrives in the other program's field.
class TransferXvfbTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void transferredTextArrivesInTheTarget()
    {
        const std::unique_ptr<platform::WindowSystem> system = platform::createWindowSystem();
        QVERIFY2(system->available(), qPrintable(system->unavailableReason()));

        test::TempWorld world;
        core::Settings settings;
        settings.setInteger(core::SettingKey::TrTimer, 50);
        const core::Folders folders(core::FolderRoots{world.path(QStringLiteral("appdata")),
            world.path(QStringLiteral("prog")), world.path(QStringLiteral("docs"))});
        QDir().mkpath(folders.systemFolder());

        QWidget window;
        window.setWindowTitle(QStringLiteral("Pelinor"));
        auto* layout = new QVBoxLayout(&window);
        auto* foreign = new QPlainTextEdit;
        auto* phonetic = new QLineEdit;
        auto* indicator = new ui::TransferIndicator;
        auto* autoPaste = new QCheckBox;
        auto* modeDisplay = new QLineEdit;
        for (QWidget* w : std::initializer_list<QWidget*>{foreign, phonetic, indicator, autoPaste, modeDisplay})
            layout->addWidget(w);
        window.resize(400, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        ui::TransferController controller(
            settings, folders, *system, {foreign, phonetic, indicator, autoPaste, modeDisplay, &window});

        // The other program comes to the front: it becomes the target.
        test::PasteTargetProcess other;
        QVERIFY2(other.start(QStringLiteral("Получатель")), "the paste target program starts");
        QVERIFY(system->activateWindow(other.window()));
        QTRY_COMPARE(controller.targetWindow(), other.window());
        QCOMPARE(window.windowTitle(), QStringLiteral("Pelinor    転送先：[ Получатель ]"));

        // The user comes back and types.
        QVERIFY(system->activateWindow(window.winId()));
        QTRY_VERIFY(system->isApplicationActive());
        QVERIFY(QTest::qWaitForWindowActive(&window));
        foreign->setFocus();
        for (const QChar c : QStringLiteral("да"))
            QTest::sendKeyEvent(QTest::Click, foreign, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QCOMPARE(foreign->toPlainText(), QStringLiteral("да"));

        controller.transferText();

        QVERIFY(other.waitForLine(0, QStringLiteral("text ")));
        QCOMPARE(other.lastText(), QStringLiteral("да"));
        QVERIFY(controller.hasTarget());
    }
};

int main(int argc, char** argv)
{
    return test::runOnXServer<TransferXvfbTest>(argc, argv);
}

#include "transfer_xvfb_test.moc"
