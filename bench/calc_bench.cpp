// ntc-beta benchmarks: reading numbers, writing them, and the evaluation.
#include "calc/b_value.h"
#include "calc/number_reading.h"
#include "calc/number_writing.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// A pasted text of `units` UTF-16 units: blanks, then a number at the end.
std::u16string blanksThenNumber(std::size_t units)
{
    std::u16string text(units - 5, u' ');
    return text + u"10000";
}

// A long fraction with blanks between groups of digits: every unit is part
// of the number, and no overflow ends the reading early.
std::u16string digitsAndBlanks(std::size_t units)
{
    std::u16string text = u"0.";
    const std::u16string group = u"1234567890 ";
    while (text.size() + group.size() <= units) text += group;
    text.resize(units, u'5');
    return text;
}

// The same text as typed by a full-width input method: every digit and period
// full-width, the blanks ASCII.
std::u16string fullWidthDigitsAndBlanks(std::size_t units)
{
    std::u16string text = digitsAndBlanks(units);
    for (char16_t& c : text) {
        if (c >= u'0' && c <= u'9') c = static_cast<char16_t>(c + 0xFEE0);
        else if (c == u'.') c = u'\u3002';
    }
    return text;
}

template <std::u16string (*make)(std::size_t)> void BM_Val(benchmark::State& state)
{
    const std::u16string text = make(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(calc::Val(text));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0) * 2);
    state.SetComplexityN(state.range(0));
}

// 1 KiB, 1 MiB and 8 MiB of UTF-16 (512 to 4 Mi units), and sizes between,
// so the fitted complexity shows the cost growing linearly.
BENCHMARK(BM_Val<blanksThenNumber>)->RangeMultiplier(8)->Range(512, 4 << 20)->Complexity(benchmark::oN);
BENCHMARK(BM_Val<digitsAndBlanks>)->RangeMultiplier(8)->Range(512, 4 << 20)->Complexity(benchmark::oN);
BENCHMARK(BM_Val<fullWidthDigitsAndBlanks>)->RangeMultiplier(8)->Range(512, 4 << 20)->Complexity(benchmark::oN);

void BM_ValTypical(benchmark::State& state)
{
    const std::u16string texts[] = {u"10000", u"1066.1", u"25", u"-273.15", u"1.5e3"};
    for (auto _ : state)
        for (const auto& text : texts) benchmark::DoNotOptimize(calc::Val(text));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * 5);
}
BENCHMARK(BM_ValTypical);

void BM_ValTypicalFullWidth(benchmark::State& state)
{
    const std::u16string texts[] = {u"\uff11\uff10\uff10\uff10\uff10", u"\uff11\uff10\uff16\uff16\u3002\uff11",
                                    u"\uff12\uff15", u"\uff0d\uff12\uff17\uff13\uff0e\uff11\uff15",
                                    u"\uff11\uff0e\uff15\uff45\uff13"};
    for (auto _ : state)
        for (const auto& text : texts) benchmark::DoNotOptimize(calc::Val(text));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * 5);
}
BENCHMARK(BM_ValTypicalFullWidth);

void BM_Str(benchmark::State& state)
{
    const double values[] = {3415.6446723257936, -3415.6446723257936, 0.0, 1.5e20, 204685356.04};
    for (auto _ : state)
        for (double v : values) benchmark::DoNotOptimize(calc::Str(v));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * 5);
}
BENCHMARK(BM_Str);

void BM_EvaluateTypical(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(calc::evaluate(u"10000", u"1066.1", u"25", u"85", 0));
}
BENCHMARK(BM_EvaluateTypical);

void BM_EvaluateMessage(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(calc::evaluate(u"10000", u"1000", u"25", u"25", 0));
}
BENCHMARK(BM_EvaluateMessage);

// The whole evaluation with an 8 MiB field (4 Mi units of blanks before R1).
void BM_Evaluate8MiB(benchmark::State& state)
{
    const std::u16string r1 = blanksThenNumber(4 << 20);
    for (auto _ : state) benchmark::DoNotOptimize(calc::evaluate(r1, u"1000", u"25", u"100", 0));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * (8 << 20));
}
BENCHMARK(BM_Evaluate8MiB);

} // namespace

BENCHMARK_MAIN();
