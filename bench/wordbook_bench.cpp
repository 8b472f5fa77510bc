// Reading and writing a word book of 100,000 entries (targets: under 150 ms each), the summary that
// the word book list reads of every file, and the list of a folder of 1,000 books.
#include "core/wordbook/wordbook.h"
#include "core/wordbook/wordbookfile.h"
#include "core/wordbook/wordbookrow.h"
#include "core/wordbook/wordbooksummary.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace pelinor::core;

namespace {

constexpr int kEntryCount = 100000;

// Entries of realistic length; every 50th has quotes, every 20th a note of two lines and a colour.
QList<WordEntry> makeEntries()
{
    QList<WordEntry> entries;
    entries.reserve(kEntryCount);
    for (int i = 0; i < kEntryCount; ++i) {
        WordEntry e;
        e.foreignWord = QStringLiteral("здравствуйте%1").arg(i);
        e.phonetic = u"zdrasʲtʲvujtʲɪ"_qs;
        e.kana = u"ズドラーストヴィチェ"_qs;
        e.japanese = i % 50 == 0 ? u"\"こんにちは\"（丁寧）"_qs : u"こんにちは（丁寧）"_qs;
        e.note = i % 20 == 0 ? u"目上の人に#$0D初対面で"_qs : u"目上の人に"_qs;
        e.soundFile = QStringLiteral("word%1.mp3").arg(i);
        e.colour = i % 20 == 0 ? u"#FF0000"_qs : QString();
        entries.append(e);
    }
    renumberEntries(entries);
    return entries;
}

const WordBookHeader kHeader{u"ロシア語 基本"_qs, u"あいさつ"_qs, QString()};

void BM_WriteWordBook(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"big.utx"_qs);
    const QList<WordEntry> entries = makeEntries();
    for (auto _ : state) {
        if (!writeWordBookFile(path, kHeader, entries))
            state.SkipWithError("write failed");
    }
    state.counters["bytes"] = static_cast<double>(QFileInfo(path).size());
}

void BM_ReadWordBook(benchmark::State& state)
{
    QTemporaryDir dir;
    if (!writeWordBookFile(dir.filePath(u"big.utx"_qs), kHeader, makeEntries()))
        state.SkipWithError("write failed");
    for (auto _ : state) {
        WordBook book;
        if (book.readWordBook(dir.path(), u"big.utx"_qs) != WordBookReadStatus::Read
            || book.entryCount() != kEntryCount)
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(book.entries().data());
    }
}

void BM_AppendToWordBook(benchmark::State& state)
{
    QTemporaryDir dir;
    if (!writeWordBookFile(dir.filePath(u"big.utx"_qs), kHeader, makeEntries()))
        state.SkipWithError("write failed");
    WordBook book;
    book.readWordBook(dir.path(), u"big.utx"_qs);
    WordEntry entry;
    entry.foreignWord = u"спасибо"_qs;
    for (auto _ : state) {
        if (!book.appendEntry(entry))
            state.SkipWithError("append failed");
    }
}

void BM_ReadWordBookSummary(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"big.utx"_qs);
    if (!writeWordBookFile(path, kHeader, makeEntries()))
        state.SkipWithError("write failed");
    for (auto _ : state) {
        const WordBookSummary summary = readWordBookSummary(path);
        if (summary.entryLineCount != kEntryCount)
            state.SkipWithError("summary failed");
    }
}

// The word book list at start: a folder of 1,000 books of twenty entries each.
void BM_ScanWordBookFolder(benchmark::State& state)
{
    QTemporaryDir dir;
    const QList<WordEntry> entries = makeEntries().mid(0, 20);
    for (int b = 0; b < 1000; ++b) {
        const WordBookHeader header{QStringLiteral("単語帳 %1").arg(b), QString(), QString()};
        if (!writeWordBookFile(
                dir.filePath(QStringLiteral("book%1.utx").arg(b, 4, 10, QLatin1Char('0'))), header, entries))
            state.SkipWithError("write failed");
    }
    for (auto _ : state) {
        const WordBookScan scan = scanWordBookFolder(dir.path());
        if (scan.rows.size() != 1000)
            state.SkipWithError("scan failed");
    }
}

} // namespace

BENCHMARK(BM_WriteWordBook)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadWordBook)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AppendToWordBook)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadWordBookSummary)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanWordBookFolder)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
