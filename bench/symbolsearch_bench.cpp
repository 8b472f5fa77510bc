// One keystroke in the symbol search field (target: under 5 ms): the search over every named Unicode
// character and the shipped symbol databases, and the names of the first 100 characters found, which is
// what the library grid shows. The index is built once, before the keystrokes; its building is measured
// apart, with its size in memory as a counter.
#include "core/app/settings.h"
#include "core/input/symbolsearchindex.h"
#include "core/input/symbolsearchsources.h"

#include <algorithm>
#include <benchmark/benchmark.h>

using namespace pelinor::core;

namespace {

SymbolSearchIndex::DatabaseSource shippedDatabases()
{
    return [] {
        const Settings settings;
        return readSymbolSearchDatabases(
            symbolSearchDatabaseNames(settings), QStringLiteral(PELINOR_SOURCE_DIR "/data/Tbl"));
    };
}

const SymbolSearchIndex& builtIndex()
{
    static const SymbolSearchIndex index = [] {
        SymbolSearchIndex built(shippedDatabases());
        built.search(u"x");
        return built;
    }();
    return index;
}

const char16_t* const kQueries[] = {u"s", u"sc", u"sch", u"schw", u"schwa", u"シュワー", u"0259", u"ə", u"a", u"e",
    u"latin small letter", u"arrow", u"中舌"};

void BM_Keystroke(benchmark::State& state)
{
    const SymbolSearchIndex& index = builtIndex();
    const QStringView query(kQueries[state.range(0)]);
    std::size_t found = 0;
    for (auto _ : state) {
        const std::vector<char32_t> codes = index.search(query);
        found = codes.size();
        for (std::size_t i = 0; i < std::min<std::size_t>(codes.size(), 100); ++i)
            benchmark::DoNotOptimize(index.describe(codes[i]));
    }
    state.SetLabel(query.toString().toStdString());
    state.counters["found"] = static_cast<double>(found);
}
BENCHMARK(BM_Keystroke)->DenseRange(0, static_cast<int>(std::size(kQueries)) - 1)->Unit(benchmark::kMillisecond);

void BM_BuildIndex(benchmark::State& state)
{
    std::size_t bytes = 0;
    qsizetype names = 0;
    for (auto _ : state) {
        SymbolSearchIndex index(shippedDatabases());
        index.search(u"x");
        bytes = index.memoryBytes();
        names = index.unicodeNameCount();
    }
    state.counters["index_MiB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
    state.counters["unicode_names"] = static_cast<double>(names);
}
BENCHMARK(BM_BuildIndex)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
