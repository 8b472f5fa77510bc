// Takes the help book's pictures from the program's real windows. Run by scripts/help-screenshots.sh under
// its own X server, so that fonts and sizes are those a user sees; the program runs in a private world
// (see tests/support/testworld.h) with the shipped data, so no user file is read or changed.
//
// Usage: pelinor_helpshots <output folder>

#include "core/app/folders.h"
#include "core/app/settings.h"
#include "support/testworld.h"
#include "ui/app/fontsubstitutes.h"
#include "ui/app/tmainfrm.h"
#include "ui/app/tsetteifrm.h"
#include "ui/app/workbench.h"
#include "ui/tools/tversionfrm.h"
#include "ui/wordbook/wordbookcontroller.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <functional>

using namespace pelinor;

namespace {

QString g_output;
int g_failures = 0;

void settle(int ms = 150)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

void save(const QPixmap& picture, const QString& name)
{
    const QString file = g_output + QLatin1Char('/') + name + QStringLiteral(".png");
    if (picture.isNull() || !picture.save(file)) {
        std::fprintf(stderr, "could not save %s\n", qPrintable(file));
        ++g_failures;
        return;
    }
    std::printf("%s\n", qPrintable(file));
}

void shoot(QWidget* widget, const QString& name)
{
    settle();
    save(widget->grab(), name);
}

/// Runs `open`, which shows a modal window; pictures the whole screen (the window over the main window)
/// and closes it.
void shootModal(const std::function<void()>& open, const QString& name, QWidget* around)
{
    QTimer::singleShot(600, [name, around] {
        // A modal dialog, or a window such as the candidate window that runs its own loop without being modal.
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top != around && top->isVisible() && qobject_cast<QDialog*>(top))
                    modal = top;
            }
        }
        QScreen* screen = around->screen();
        // The window over the main window, or alone where it hides the main window (the PAD).
        QRect area = modal ? modal->frameGeometry() : around->frameGeometry();
        if (modal && around->isVisible())
            area = area.united(around->frameGeometry());
        save(screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()), name);
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else if (modal)
            modal->close();
    });
    open();
    settle();
}

} // namespace

int main(int argc, char** argv)
{
    test::TestWorld world;
    world.apply();
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: pelinor_helpshots <output folder>\n");
        return 2;
    }
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    g_output = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(g_output);
    // As the program starts: Japanese standard buttons, the font substitutes of the desktop.
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);
    ui::registerFontSubstitutes();

    core::Folders folders(core::FolderRoots::fromEnvironment(QString()));
    folders.setUpFolders();
    ui::Workbench bench(folders);
    ui::TMainFrm& window = bench.window();
    window.move(0, 0);
    window.show();
    settle(800);

    auto* foreign = window.findChild<QPlainTextEdit*>(QStringLiteral("ForeignArea"));
    auto* phonetic = window.findChild<QLineEdit*>(QStringLiteral("PhoneticArea"));
    foreign->setPlainText(QStringLiteral("Доброе утро!"));
    phonetic->setText(QStringLiteral("ˈdobrəjə ʊˈtro"));
    bench.wordBooks().selectWordBookByFile(QStringLiteral("あいさつ.utx"));
    shoot(&window, QStringLiteral("main-window"));

    auto* keyTabs = window.findChild<QTabWidget*>(QStringLiteral("KeyPanelTabs"));
    auto* column = window.findChild<QWidget*>(QStringLiteral("KeyPanelColumn"));
    for (int page = 0; page < keyTabs->count(); ++page) {
        keyTabs->setCurrentIndex(page);
        shoot(column, QStringLiteral("key-panel-%1").arg(page + 1));
    }
    keyTabs->setCurrentIndex(0);

    auto* lower = window.findChild<QTabWidget*>(QStringLiteral("LowerTabs"));
    lower->setCurrentIndex(1);
    shoot(lower, QStringLiteral("symbol-library"));
    lower->setCurrentIndex(0);
    shoot(lower, QStringLiteral("word-list"));

    // A trigger key with several candidates opens the candidate window above the caret.
    foreign->clear();
    foreign->setFocus();
    shootModal([foreign] { QTest::keyClick(foreign, 'w'); }, QStringLiteral("candidate-window"), &window);

    {
        ui::TSetteiFrm settings(bench.settings(), bench.folders(), &window);
        settings.show();
        auto* pages = settings.findChild<QTabWidget*>(QStringLiteral("SettingsPages"));
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            shoot(&settings, QStringLiteral("settings-%1").arg(page + 1));
        }
    }
    {
        ui::TVersionFrm version(&window);
        version.show();
        shoot(&version, QStringLiteral("version"));
    }
    shootModal([&window] { window.padMode(); }, QStringLiteral("pad"), &window);

    // Nothing of this run is kept.
    bench.settings().setDiscardSettings(true);
    window.close();
    return g_failures == 0 ? 0 : 1;
}
