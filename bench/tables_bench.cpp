// Loading a table set of 5,000 symbols and 2,000 candidate lines (target: under 20 ms) and the queries of
// one typed key (target: under 1 µs each), plus the editors' reading of the same symbol database.
#include "core/common/textfile.h"
#include "core/input/tableset.h"
#include "core/tables/symboldatabase.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <vector>

using namespace pelinor::core;

namespace {

constexpr int kSymbolCount = 5000;
constexpr int kCandidateLineCount = 2000;
constexpr char16_t kFirstSymbol = 0x0100;
constexpr char16_t kFirstKey = 0x4E00;

QString hex(int value)
{
    return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0')).toUpper();
}

// The table folder, written once: keys are four-digit codes so that every one of the 2,000 is distinct,
// and each line offers up to nine of the symbols.
class Tables {
public:
    Tables()
    {
        QStringList symbols{u"\"発音記号\",\"Segoe UI\""_qs};
        for (int g = 0; g < 27; ++g)
            symbols.append(QStringLiteral("Group,%1,\"グループ%1\"").arg(g));
        for (int i = 0; i < kSymbolCount; ++i) {
            symbols.append(
                QStringLiteral("%1,\"%2\",\"symbol number %3 #$0254\\label %3\",\"記号%3の名前\",\"%4\",\"%5\"")
                    .arg(i % 27)
                    .arg(hex(kFirstSymbol + i))
                    .arg(i)
                    .arg(i % 3)
                    .arg(i % 10 == 0 ? u"注：備考"_qs : QString()));
        }
        QStringList candidates{u"\"DBBench.csv\",Alphabet_Both"_qs};
        for (int i = 0; i < kCandidateLineCount; ++i) {
            QString line = u'"' + hex(kFirstKey + i) + u'"';
            const int filled = 1 + i % 9;
            for (int slot = 0; slot < 9; ++slot)
                line += u',' + (slot < filled ? hex(kFirstSymbol + (i * 9 + slot) % kSymbolCount) : QString());
            candidates.append(line);
        }
        writeTextFile(m_dir.filePath(u"DBBench.csv"_qs), symbols, TextEncoding::Cp932);
        writeTextFile(m_dir.filePath(u"CandBench.csv"_qs), candidates, TextEncoding::Cp932);
    }

    QString folder() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

const Tables& tables()
{
    static const Tables instance;
    return instance;
}

void BM_LoadTableSet(benchmark::State& state)
{
    TableSet set;
    for (auto _ : state) {
        set.loadTableSet(tables().folder(), u"CandBench.csv"_qs, u"DBBench.csv"_qs);
        benchmark::DoNotOptimize(set.symbols().data());
    }
    if (set.candidateRecords().size() != kCandidateLineCount || !set.skippedLines().isEmpty())
        state.SkipWithError("the generated tables did not load whole");
    state.counters["symbols"] = static_cast<double>(set.symbols().size());
}
BENCHMARK(BM_LoadTableSet)->Unit(benchmark::kMillisecond);

// One typed key: is it a trigger, and if so its candidates. Keys cycle over triggers and non-triggers.
void BM_IsTriggerAndFetch(benchmark::State& state)
{
    TableSet set;
    set.loadTableSet(tables().folder(), u"CandBench.csv"_qs, u"DBBench.csv"_qs);
    std::vector<char16_t> keys;
    for (int i = 0; i < kCandidateLineCount; i += 7) {
        keys.push_back(static_cast<char16_t>(kFirstKey + i));
        keys.push_back(static_cast<char16_t>(u'a' + i % 26)); // not a trigger here
    }
    CandidateBuffer buffer;
    std::size_t next = 0;
    for (auto _ : state) {
        const char16_t key = keys[next];
        next = next + 1 == keys.size() ? 0 : next + 1;
        if (set.isTrigger(key))
            set.fetchCandidates(key, buffer);
        benchmark::DoNotOptimize(buffer);
    }
}
BENCHMARK(BM_IsTriggerAndFetch)->Unit(benchmark::kNanosecond);

// The candidate window asks for the names of each offered candidate.
void BM_SymbolText(benchmark::State& state)
{
    TableSet set;
    set.loadTableSet(tables().folder(), u"CandBench.csv"_qs, u"DBBench.csv"_qs);
    char16_t code = kFirstSymbol;
    for (auto _ : state) {
        QString text = set.symbolText(code, SymbolPart::EnglishName);
        benchmark::DoNotOptimize(text);
        code = code + 1 == kFirstSymbol + kSymbolCount ? kFirstSymbol : static_cast<char16_t>(code + 1);
    }
}
BENCHMARK(BM_SymbolText)->Unit(benchmark::kNanosecond);

void BM_ReadSymbolDatabase(benchmark::State& state)
{
    const QString path = QDir(tables().folder()).filePath(u"DBBench.csv"_qs);
    for (auto _ : state) {
        SymbolDatabase db = SymbolDatabase::read(path);
        benchmark::DoNotOptimize(db.entries().size());
    }
}
BENCHMARK(BM_ReadSymbolDatabase)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
