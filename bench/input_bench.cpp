// Replacing combining marks in 1 MB of Greek text (target: under 20 ms), and typing with the Greek layout.
#include "core/input/combiningmarkreplacement.h"
#include "core/input/keyboardlayoutengine.h"

#include <QString>

#include <benchmark/benchmark.h>
#include <random>

using namespace pelinor::core;

namespace {

constexpr qsizetype kTextUnits = 1024 * 1024; // UTF-16 code units

// Greek prose with accents entered as combining marks: words of small letters, about one vowel in four
// followed by U+0301 or U+0308 (sometimes both), a capital now and then, spaces between words.
QString greekTextWithMarks()
{
    const char16_t vowels[] = u"αεηιουωΑΕΗΙΟΥΩ";
    const char16_t consonants[] = u"βγδζθκλμνξπρστφχψς";
    std::mt19937 random(7);
    std::uniform_int_distribution<int> percent(0, 99);
    QString text;
    text.reserve(kTextUnits + 16);
    while (text.size() < kTextUnits) {
        const int letters = 2 + percent(random) % 9;
        for (int i = 0; i < letters; ++i) {
            if (percent(random) < 45) {
                const int capitalOffset = percent(random) < 5 ? 7 : 0;
                text += QChar(vowels[percent(random) % 7 + capitalOffset]);
                const int mark = percent(random);
                if (mark < 20)
                    text += QChar(u'\u0301');
                else if (mark < 24)
                    text += QChar(u'\u0308');
                else if (mark < 26)
                    text += u"\u0308\u0301";
            } else {
                text += QChar(consonants[static_cast<std::size_t>(percent(random)) % (std::size(consonants) - 1)]);
            }
        }
        text += u' ';
    }
    text.truncate(kTextUnits);
    return text;
}

void BM_ReplaceCombiningMarks(benchmark::State& state)
{
    const QString text = greekTextWithMarks();
    int count = 0;
    for (auto _ : state) {
        const CombiningMarkReplacement result = replaceCombiningMarks(text);
        count = result.count;
        benchmark::DoNotOptimize(result.text.constData());
    }
    state.counters["replacements"] = count;
    state.SetBytesProcessed(state.iterations() * kTextUnits * 2);
}
BENCHMARK(BM_ReplaceCombiningMarks)->Unit(benchmark::kMillisecond);

void BM_ReplaceCombiningMarksNothingToDo(benchmark::State& state)
{
    const QString text = replaceCombiningMarks(greekTextWithMarks()).text.remove(QChar(u'\u0301'));
    for (auto _ : state) {
        const CombiningMarkReplacement result = replaceCombiningMarks(text);
        benchmark::DoNotOptimize(result.text.constData());
    }
    state.SetBytesProcessed(state.iterations() * text.size() * 2);
}
BENCHMARK(BM_ReplaceCombiningMarksNothingToDo)->Unit(benchmark::kMillisecond);

// One key press of the Greek layout, dead keys included.
void BM_GreekKeyPress(benchmark::State& state)
{
    KeyboardLayoutEngine engine(ScriptLayout::Greek);
    int position = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine.pressKey(position, (position & 1) != 0, false));
        position = (position + 7) % 47;
    }
}
BENCHMARK(BM_GreekKeyPress);

} // namespace

BENCHMARK_MAIN();
