// The regional read-back alone on texts a Calculate writes, so its share of one is visible.
#include "bench/benchregional.h"

#include <benchmark/benchmark.h>

#include <string_view>

namespace {

using freefall::bench::Path;

void BM_ToDouble(benchmark::State &state, Path path, const char16_t *shown)
{
    const auto &regional = freefall::bench::usEnglish(path);
    const std::u16string_view text = shown;
    for (auto _ : state) {
        double value = regional.toDouble(text);
        benchmark::DoNotOptimize(value);
    }
}

BENCHMARK_CAPTURE(BM_ToDouble, inches_51_76, Path::Direct, u"51.76");
BENCHMARK_CAPTURE(BM_ToDouble, grouped_1314_70, Path::Direct, u"1,314.70");
BENCHMARK_CAPTURE(BM_ToDouble, cut_127356_0, Path::Direct, u"127,356.0");
BENCHMARK_CAPTURE(BM_ToDouble, qlocale_grouped_1314_70, Path::QLocaleOnly, u"1,314.70");

} // namespace
