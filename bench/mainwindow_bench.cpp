// Switching the input mode of the real main window: the script's tables are reloaded and its key panels,
// keyboard and word book list rebuilt. Run with QT_QPA_PLATFORM=offscreen.

#include "core/app/folders.h"
#include "core/app/inputmodecontroller.h"
#include "ui/app/tmainfrm.h"
#include "ui/app/workbench.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

pelinor::core::InputModeController* g_inputModes = nullptr;

void BM_SwitchInputMode(benchmark::State& state)
{
    using pelinor::core::InputMode;
    InputMode mode = InputMode::RussianRomaji;
    for (auto _ : state) {
        // Russian and Greek romaji: every switch loads other tables
        mode = mode == InputMode::RussianRomaji ? InputMode::GreekRomaji : InputMode::RussianRomaji;
        g_inputModes->switchInputMode(mode);
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
    pelinor::core::Folders folders(pelinor::core::FolderRoots::fromEnvironment(QCoreApplication::applicationDirPath()));
    folders.setUpFolders();
    pelinor::ui::Workbench workbench(folders);
    workbench.window().show();
    QCoreApplication::processEvents();
    g_inputModes = &workbench.inputModes();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
