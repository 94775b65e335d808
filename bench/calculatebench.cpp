// One whole Calculate in each mode, from the typed text to the three box texts.
#include "bench/benchregional.h"
#include "logic/calculation.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using freefall::UnitMode;
using freefall::Verdict;
using freefall::bench::Path;

void BM_Calculate(benchmark::State &state, Path path, UnitMode mode, const char16_t *typed)
{
    const auto &regional = freefall::bench::usEnglish(path);
    // A fresh window: the other speed box is empty.
    const std::u16string input = typed;
    const std::u16string imperial = mode == UnitMode::Imperial ? input : std::u16string();
    const std::u16string metric = mode == UnitMode::Metric ? input : std::u16string();
    // A Clear or Stop would time a shorter path than the one named.
    if (freefall::calculate(mode, imperial, metric, regional).outcome != Verdict::Outcome::Show) {
        state.SkipWithError("the calculation does not show a result");
        return;
    }
    for (auto _ : state) {
        Verdict verdict = freefall::calculate(mode, imperial, metric, regional);
        benchmark::DoNotOptimize(verdict);
    }
}

BENCHMARK_CAPTURE(BM_Calculate, imperial_1000, Path::Direct, UnitMode::Imperial, u"1000");
BENCHMARK_CAPTURE(BM_Calculate, imperial_10000_cut, Path::Direct, UnitMode::Imperial, u"10000");
BENCHMARK_CAPTURE(BM_Calculate, metric_1, Path::Direct, UnitMode::Metric, u"1");
BENCHMARK_CAPTURE(BM_Calculate, metric_50_cut, Path::Direct, UnitMode::Metric, u"50");
BENCHMARK_CAPTURE(BM_Calculate, qlocale_imperial_1000, Path::QLocaleOnly, UnitMode::Imperial,
                  u"1000");
BENCHMARK_CAPTURE(BM_Calculate, qlocale_imperial_10000_cut, Path::QLocaleOnly, UnitMode::Imperial,
                  u"10000");
BENCHMARK_CAPTURE(BM_Calculate, qlocale_metric_1, Path::QLocaleOnly, UnitMode::Metric, u"1");
BENCHMARK_CAPTURE(BM_Calculate, qlocale_metric_50_cut, Path::QLocaleOnly, UnitMode::Metric, u"50");

} // namespace
