// From a typed key to the inserted character in a text field (target: median under 50 µs): a trigger with
// one candidate inserted directly into a QPlainTextEdit through the key filter, a key that is no trigger,
// and building a candidate window. Runs on the offscreen platform unless another one is set.
#include "core/app/settings.h"
#include "core/common/textcodec.h"
#include "core/common/textfile.h"
#include "core/input/tablesets.h"
#include "ui/input/candidatewindow.h"
#include "ui/input/triggerkeyinput.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <benchmark/benchmark.h>
#include <memory>

using namespace pelinor;

namespace {

// Characters typed before the field is emptied again, so that every iteration types into a line of
// ordinary length.
constexpr int kLineLength = 80;

// A Russian-like candidate table of the keys "!" to "z" (digits with two candidates, the others one) and
// its symbol database, loaded once, with a shown window holding one attached field.
class World {
public:
    World()
    {
        QStringList candidates;
        QStringList symbols{u"\"ロシア語\",\"Times New Roman\""_qs};
        for (int key = u'!'; key <= u'z'; ++key) {
            const QString code = hex(0x0410 + key - u'!');
            // Digits have two candidates; every other key has one.
            const QString second = key >= u'0' && key <= u'9' ? hex(0x0450 + key - u'0') : QString();
            candidates.append(u"%1,%2,%3,,,,,,,"_qs.arg(hex(key), code, second));
            symbols.append(u"0,\"%1\",\"letter %1\",\"文字\",\"0\",\"note\""_qs.arg(code));
        }
        write(u"CandB.csv"_qs, candidates);
        write(u"DBB.csv"_qs, symbols);
        sets.foreign().loadTableSet(dir.path(), u"CandB.csv"_qs, u"DBB.csv"_qs);
        input = std::make_unique<ui::TriggerKeyInput>(sets, settings);

        host.resize(600, 300);
        auto* layout = new QVBoxLayout(&host);
        field = new QPlainTextEdit(&host);
        layout->addWidget(field);
        host.show();
        field->setFocus();
        QApplication::processEvents();
        input->attach(field, core::TableSide::Foreign, core::InsertionTarget::MainWindow);
    }

    static QString hex(int code) { return QStringLiteral("%1").arg(code, 4, 16, QLatin1Char('0')).toUpper(); }

    void write(const QString& name, const QStringList& lines)
    {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(core::encodeText(core::joinLines(lines), core::TextEncoding::Utf8));
    }

    QTemporaryDir dir;
    core::TableSets sets;
    core::Settings settings;
    std::unique_ptr<ui::TriggerKeyInput> input;
    QWidget host;
    QPlainTextEdit* field = nullptr;
};

World& world()
{
    static World instance;
    return instance;
}

void typeKeys(benchmark::State& state, Qt::Key key, const QString& text)
{
    World& w = world();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    int typed = 0;
    for (auto _ : state) {
        QApplication::sendEvent(w.field, &press);
        if (++typed == kLineLength) {
            state.PauseTiming();
            w.field->clear();
            typed = 0;
            state.ResumeTiming();
        }
    }
    benchmark::DoNotOptimize(w.field->document()->characterCount());
    w.field->clear();
}

// "b" is a trigger with one candidate: filter, lookup, direct insertion.
void BM_TriggerKeyToInsertedCharacter(benchmark::State& state)
{
    typeKeys(state, Qt::Key_B, u"b"_qs);
}
BENCHMARK(BM_TriggerKeyToInsertedCharacter)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);

// A key that is no trigger: the filter's lookup and the field's own typing.
void BM_PlainKeyTyped(benchmark::State& state)
{
    typeKeys(state, Qt::Key_AsciiTilde, QString(QChar(u'¥')));
}
BENCHMARK(BM_PlainKeyTyped)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);

// Building a foreign candidate window (fitting the cell font, cells, labels), without showing it.
void BM_BuildCandidateWindow(benchmark::State& state)
{
    World& w = world();
    w.input->handleTriggerKey(core::TableSide::Foreign, u'b', core::InsertionTarget::MainWindow);
    for (auto _ : state) {
        ui::CandidateWindow window(core::TableSide::Foreign, w.input->candidateBuffer(core::TableSide::Foreign),
            w.sets.foreign(), w.settings, {});
        benchmark::DoNotOptimize(window.cellPointSize());
    }
}
BENCHMARK(BM_BuildCandidateWindow)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
