// The table tools with the largest shipped tables (run with QT_QPA_PLATFORM=offscreen): opening the
// largest symbol database in the symbol database editor and showing its list (target under 100 ms), and
// building the HTML page of the largest candidate file (target under 10 ms).
#include "core/app/folders.h"
#include "core/app/settings.h"
#include "core/tables/candidatefile.h"
#include "core/tables/candidatelistpage.h"
#include "platform/fake/fakeshellopener.h"
#include "ui/tables/tsymdbfrm.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace pelinor;

namespace {

const QString kShippedTables = QStringLiteral(PELINOR_BENCH_SOURCE_DIR "/data/Tbl");

// The shipped table of that kind with the most bytes.
QString largestTable(const QString& pattern)
{
    const QFileInfoList files = QDir(kShippedTables).entryInfoList({pattern}, QDir::Files, QDir::Size);
    return files.isEmpty() ? QString() : files.first().absoluteFilePath();
}

struct ToolWorld {
    QTemporaryDir dir;
    core::Folders folders{core::FolderRoots{dir.path() + QStringLiteral("/appdata"),
        dir.path() + QStringLiteral("/program"), dir.path() + QStringLiteral("/documents")}};
    core::Settings settings;
    platform::FakeShellOpener opener;

    ToolWorld()
    {
        folders.setUpFolders();
        settings.setDefaults();
        folders.setCurrentTableFolder(kShippedTables);
    }

    ui::TableToolsContext context() { return {.settings = settings, .folders = folders, .shellOpener = opener}; }
};

// The editor window is made, the file opened and the list painted, as the user sees it after "開く".
void BM_OpenLargestSymbolDatabaseInEditor(benchmark::State& state)
{
    ToolWorld world;
    const QString path = largestTable(QStringLiteral("DB*.csv"));
    for (auto _ : state) {
        ui::TSymDBFrm editor(world.context());
        editor.show();
        editor.openFile(path);
        editor.findChild<QTableView*>(QStringLiteral("SymbolList"))->viewport()->repaint();
        benchmark::DoNotOptimize(editor.document().rowCount());
    }
    state.SetLabel(QFileInfo(path).fileName().toStdString());
}

void BM_BuildHtmlPageOfLargestCandidateFile(benchmark::State& state)
{
    const QString path = largestTable(QStringLiteral("Cand*.csv"));
    const core::CandidateFile file = core::CandidateFile::read(path);
    const core::CandidateListPage::Options options{u"発音記号　候補ファイル"_qs, u"#0099DD"_qs, u"ＭＳ Ｐゴシック"_qs,
        u"Segoe UI"_qs, u"160"_qs, QFileInfo(path).fileName()};
    for (auto _ : state) {
        const QString page = core::CandidateListPage::lines(options, file.lines()).join(u'\n');
        benchmark::DoNotOptimize(core::CandidateListPage::encode(page));
    }
    state.SetLabel(QFileInfo(path).fileName().toStdString());
}

} // namespace

BENCHMARK(BM_OpenLargestSymbolDatabaseInEditor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildHtmlPageOfLargestCandidateFile)->Unit(benchmark::kMicrosecond);
