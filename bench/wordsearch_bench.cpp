// Searching a folder of 200 word books with 1,000,000 entries in all, against just reading the bytes of
// the same files in the same run (target: the search takes at most 3 times as long as the reading).
#include "core/wordbook/wordbookfile.h"
#include "core/wordbook/wordsearch.h"
#include "core/wordbook/wordsearchrun.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <memory>

using namespace pelinor::core;

namespace {

constexpr int kBookCount = 200;
constexpr int kEntriesPerBook = 5000;

// Entries of realistic length; every 50th has quotes in its meaning, every 20th a note of two lines.
QList<WordEntry> makeEntries(int book)
{
    QList<WordEntry> entries;
    entries.reserve(kEntriesPerBook);
    for (int i = 0; i < kEntriesPerBook; ++i) {
        WordEntry e;
        e.foreignWord = QStringLiteral("слово%1_%2").arg(book).arg(i);
        e.phonetic = u"zdrasʲtʲvujtʲɪ"_qs;
        e.kana = u"ズドラーストヴィチェ"_qs;
        e.japanese = i % 50 == 0 ? u"\"こんにちは\"（丁寧）"_qs : QStringLiteral("言葉%1").arg(i % 997);
        e.note = i % 20 == 0 ? u"目上の人に#$0D初対面で"_qs : u"目上の人に"_qs;
        e.soundFile = QStringLiteral("word%1.mp3").arg(i);
        entries.append(e);
    }
    return entries;
}

// The folder is made once for all benchmarks of the run.
const QTemporaryDir& folder()
{
    static const std::unique_ptr<QTemporaryDir> dir = [] {
        auto made = std::make_unique<QTemporaryDir>();
        for (int book = 0; book < kBookCount; ++book) {
            const WordBookHeader header{QStringLiteral("単語帳%1").arg(book), u"あいさつ"_qs, QString()};
            writeWordBookFile(made->filePath(QStringLiteral("book%1.utx").arg(book, 3, 10, QLatin1Char('0'))), header,
                makeEntries(book));
        }
        return made;
    }();
    return *dir;
}

qint64 folderBytes()
{
    qint64 total = 0;
    for (const QString& name : wordBookFileNames(folder().path()))
        total += QFileInfo(QDir(folder().path()).filePath(name)).size();
    return total;
}

void BM_ReadFolderBytes(benchmark::State& state)
{
    const QString path = folder().path();
    for (auto _ : state) {
        qint64 bytes = 0;
        for (const QString& name : wordBookFileNames(path)) {
            QFile file(QDir(path).filePath(name));
            if (file.open(QIODevice::ReadOnly))
                bytes += file.readAll().size();
        }
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(state.iterations() * folderBytes());
}

void searchBenchmark(benchmark::State& state, WordField field, const QString& text)
{
    const QString path = folder().path();
    const WordSearchQuery query = WordSearchQuery::fromUserText(field, text);
    qsizetype found = 0;
    for (auto _ : state) {
        found = 0;
        WordSearchRun::searchFolder(path, query, [&found](const QList<WordSearchHit>& hits) { found += hits.size(); });
    }
    state.counters["hits"] = static_cast<double>(found);
    state.SetBytesProcessed(state.iterations() * folderBytes());
}

// A meaning that 1 in 997 entries holds exactly, and some more as part.
void BM_SearchJapanese(benchmark::State& state)
{
    searchBenchmark(state, WordField::Japanese, u"言葉99"_qs);
}

// A foreign word that is the last field-1 text of one book only.
void BM_SearchForeignWord(benchmark::State& state)
{
    searchBenchmark(state, WordField::ForeignWord, u"слово199_4999"_qs);
}

// The sound file: the sixth field, the furthest along the line.
void BM_SearchSoundFile(benchmark::State& state)
{
    searchBenchmark(state, WordField::SoundFile, u"word4999.mp3"_qs);
}

// The same search of the Japanese meaning with every book read and searched in turn on one thread: the
// processor time the search itself takes, against BM_ReadFolderBytes.
void BM_SearchJapaneseOneThread(benchmark::State& state)
{
    const QString path = folder().path();
    const WordSearchQuery query = WordSearchQuery::fromUserText(WordField::Japanese, u"言葉99"_qs);
    qsizetype found = 0;
    QString buffer;
    for (auto _ : state) {
        found = 0;
        for (const QString& name : wordBookFileNames(path))
            found += searchWordBookFile(path, name, query, &buffer).hits.size();
    }
    state.counters["hits"] = static_cast<double>(found);
    state.SetBytesProcessed(state.iterations() * folderBytes());
}

} // namespace

BENCHMARK(BM_ReadFolderBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchJapanese)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchForeignWord)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchSoundFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchJapaneseOneThread)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
