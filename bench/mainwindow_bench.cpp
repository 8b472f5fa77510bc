// Switching the input mode of the real main window: the script's tables are reloaded and its key panels,
// keyboard and word book list rebuilt. Run with QT_QPA_PLATFORM=offscreen.

#include "core/app/folders.h"
#include "ui/app/tmainfrm.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

pelinor::ui::TMainFrm* g_window = nullptr;

void BM_SwitchInputMode(benchmark::State& state)
{
    int mode = 1;
    for (auto _ : state) {
        mode = mode == 1 ? 4 : 1; // Russian and Greek romaji: every switch loads other tables
        g_window->SwitchInputMode(mode);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_SwitchInputMode)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir world;
    qputenv("APPDATA", QFile::encodeName(world.path() + QStringLiteral("/appdata")));
    qputenv("HOME", QFile::encodeName(world.path()));
    QApplication app(argc, argv);
    pelinor::core::Folders folders(
        pelinor::core::FolderRoots::fromEnvironment(QCoreApplication::applicationDirPath()));
    folders.setUpFolders();
    pelinor::ui::TMainFrm window(folders);
    window.show();
    QCoreApplication::processEvents();
    g_window = &window;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
