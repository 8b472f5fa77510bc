#include "ui/app/programentry.h"

#include "core/app/folders.h"
#include "platform/fontsystemloading.h"
#include "platform/singleinstance.h"
#include "ui/app/fontsubstitutes.h"
#include "ui/app/tmainfrm.h"
#include "ui/app/workbench.h"
#include "ui/common/afterfirstpaint.h"
#include "ui/common/deferredfileiconengine.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

namespace pelinor::ui {

namespace {

QString executableDir(const char* argv0)
{
    // Found before the application object exists, so that a second copy can end without touching the
    // display. /proc names the real executable whatever the current folder.
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    if (self.exists())
        return QFileInfo(self.symLinkTarget()).absolutePath();
    return QFileInfo(QString::fromLocal8Bit(argv0)).absolutePath();
}

/// The interface is Japanese whatever the desktop's language, so Qt's own buttons read はい / いいえ too.
void loadJapaneseTranslation(QTranslator& translator)
{
    if (translator.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&translator);
}

/// X11 window managers take the icon from the windows. The program carries its own copy, so that the icon
/// is there in an uninstalled build too and start-up does not search the icon theme for it.
void setProgramIcon()
{
    if (!QApplication::windowIcon().isNull())
        return;
    // Each size is read only when a window asks for it.
    QList<DeferredFileIconEngine::Picture> pictures;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        pictures.append({QStringLiteral(":/program/%1x%1/pelinor.png").arg(size), QSize(size, size)});
    QApplication::setWindowIcon(DeferredFileIconEngine::icon(pictures));
}

} // namespace

int runProgram(int argc, char** argv)
{
    platform::SingleInstance instance(QStringLiteral("これはロシア語入力ソフトです"));
    if (!instance.tryAcquire())
        return 0;
    // The font configuration is read while the application object below connects to the display.
    platform::FontSystemLoading fontSystem;

    // Under Wayland the program runs through XWayland when it can: only X11 lets it find the window the
    // user worked in and deliver the paste there.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelinor"));
    QApplication::setOrganizationName(QStringLiteral("Norvanta"));
    QGuiApplication::setDesktopFileName(QStringLiteral("pelinor"));
    QTranslator qtTranslator;
    loadJapaneseTranslation(qtTranslator);
    registerFontSubstitutes();

    core::Folders folders(core::FolderRoots::fromEnvironment(executableDir(argc > 0 ? argv[0] : "")));
    const QStringList failures = folders.setUpFolders();
    fontSystem.wait();
    if (!failures.isEmpty())
        setProgramIcon();
    for (const QString& message : failures)
        QMessageBox::warning(nullptr, QStringLiteral("Pelinor"), message, QMessageBox::Yes);

    int exitCode = 0;
    {
        Workbench workbench(folders);
        workbench.window().show();
        // Handing the icon to the window manager reads every size of it, which the first frame need not
        // wait for.
        AfterFirstPaint::run(&workbench.window(), [] { setProgramIcon(); });
        exitCode = QApplication::exec();
    }
    instance.release();
    return exitCode;
}

} // namespace pelinor::ui
