// Converting a folder of 100 old word books of 1,000 records each into word books (target: under 2 s),
// the files spread over the six old products, each written atomically as the tool writes them.
#include "core/wordbook/wordbookconversion.h"
#include "support/oldwordbookfixtures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace pelinor::core;
using namespace pelinor::test;

namespace {

constexpr int kFileCount = 100;
constexpr int kRecordCount = 1000;

// A foreign word of each four-line product, in the order of kFourLineFormats.
const QString kForeignWords[]
    = {u"здравствуйте"_qs, u"καλημέρα"_qs, u"안녕하세요"_qs, u"สวัสดีครับ"_qs, u"bonjour à œuvre"_qs};

QByteArray oldFile(int index)
{
    const int product = index % 6;
    if (product == 5) {
        QList<SevenLineRecord> records;
        records.reserve(kRecordCount);
        for (int r = 0; r < kRecordCount; ++r) {
            records.append({QStringLiteral("こんにちは（丁寧）%1").arg(r), QStringLiteral("สวัสดีครับ%1").arg(r),
                u"sawàtdiː kʰráp"_qs, u"サワッディークラップ"_qs, u"目上の人に"_qs, QStringLiteral("w%1.mp3").arg(r),
                r % 20 == 0 ? u"#FF0000"_qs : QString()});
        }
        return sevenLineFile(QStringLiteral("タイ語 %1").arg(index), QString::number(kRecordCount), QString(), records);
    }
    QList<FourLineRecord> records;
    records.reserve(kRecordCount);
    for (int r = 0; r < kRecordCount; ++r) {
        records.append({r % 50 == 0 ? u"\"こんにちは\"（丁寧）"_qs : u"こんにちは（丁寧）"_qs,
            u"ズドラーストヴィチェ"_qs, u"目上の人に、初対面で"_qs, kForeignWords[product] + QString::number(r)});
    }
    const FourLineFormat format = kFourLineFormats[product];
    return fourLineFile(format.codePage, QStringLiteral("単語帳 %1").arg(index), records);
}

void BM_ConvertOldFolder(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString source = dir.filePath(u"old"_qs);
    QDir().mkpath(source);
    QStringList paths;
    qint64 bytes = 0;
    for (int i = 0; i < kFileCount; ++i) {
        const QByteArray content = oldFile(i);
        const char* extension = i % 6 == 5 ? "tud" : kFourLineFormats[i % 6].extension;
        const QString name = QStringLiteral("book%1.").arg(i) + QLatin1String(extension);
        QFile file(QDir(source).filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            state.SkipWithError("fixture not written");
        paths.append(file.fileName());
        bytes += content.size();
    }

    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString destination = dir.filePath(QStringLiteral("books%1").arg(run++));
        QDir().mkpath(destination);
        state.ResumeTiming();
        const ConversionRun converted = convertOldWordBooks(paths, destination);
        if (converted.written.size() != kFileCount || !converted.messages.isEmpty())
            state.SkipWithError("conversion failed");
    }
    state.counters["old_bytes"] = static_cast<double>(bytes);
}

} // namespace

BENCHMARK(BM_ConvertOldFolder)->Unit(benchmark::kMillisecond)->Iterations(5);

BENCHMARK_MAIN();
