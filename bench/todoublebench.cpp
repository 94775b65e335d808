// The regional read-back alone on texts a Calculate writes, so its share of one is visible.
#include "benchregional.h"

#include <benchmark/benchmark.h>

#include <QString>

namespace {

void BM_ToDouble(benchmark::State &state, const char16_t *shown)
{
    const auto &regional = freefall::bench::usEnglish();
    const QString text = QString::fromUtf16(shown);
    for (auto _ : state) {
        double value = regional.toDouble(text);
        benchmark::DoNotOptimize(value);
    }
}

BENCHMARK_CAPTURE(BM_ToDouble, inches_51_76, u"51.76");
BENCHMARK_CAPTURE(BM_ToDouble, grouped_1314_70, u"1,314.70");
BENCHMARK_CAPTURE(BM_ToDouble, cut_127356_0, u"127,356.0");

} // namespace
