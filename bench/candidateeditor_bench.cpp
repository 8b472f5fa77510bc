// The candidate editor opened on the shipped IPA candidate file with its symbol database (run with
// QT_QPA_PLATFORM=offscreen; target under 100 ms): the window built and shown, the file and the paired
// database read, the list and the trigger keys filled and painted.
#include "core/app/folders.h"
#include "core/app/settings.h"
#include "ui/tables/tceditorfrm.h"

#include <QApplication>

#include <benchmark/benchmark.h>

using namespace pelinor;

namespace {

void BM_OpenCandidateEditorOnShippedPhoneticFile(benchmark::State& state)
{
    core::Settings settings;
    settings.setDefaults();
    core::Folders folders;
    folders.setCurrentTableFolder(QStringLiteral(PELINOR_BENCH_SOURCE_DIR "/data/Tbl"));
    for (auto _ : state) {
        ui::TCEditorFrm editor(ui::CandidateEditorContext{.settings = settings, .folders = folders});
        editor.show();
        editor.openCandidateFile(QStringLiteral("CandAll.csv"));
        editor.repaint();
        QApplication::processEvents();
        if (editor.symbolDatabaseName() != u"DBPhonet.csv")
            state.SkipWithError("the paired symbol database was not loaded");
    }
}

} // namespace

BENCHMARK(BM_OpenCandidateEditorOnShippedPhoneticFile)->Unit(benchmark::kMillisecond);
