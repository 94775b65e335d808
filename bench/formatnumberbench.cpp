// FormatNumber alone on the values a Calculate formats, so its share of one is visible.
#include "bench/benchregional.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using freefall::bench::Path;

void BM_FormatNumber(benchmark::State &state, Path path, double value)
{
    const auto &regional = freefall::bench::usEnglish(path);
    for (auto _ : state) {
        std::u16string text = regional.FormatNumber(value);
        benchmark::DoNotOptimize(text);
    }
}

// The three values of Imperial 1000: inches, millimetres from "51.76", metres per second.
BENCHMARK_CAPTURE(BM_FormatNumber, inches_51_76, Path::Direct, 1000.0 * 1000.0 / 19320);
BENCHMARK_CAPTURE(BM_FormatNumber, millimetres_1314_70, Path::Direct, 51.76 * 25.4);
BENCHMARK_CAPTURE(BM_FormatNumber, speed_5_08, Path::Direct, 1000.0 * 0.00508);
// Metric 50: a result that is then cut to its box.
BENCHMARK_CAPTURE(BM_FormatNumber, millimetres_127356_09, Path::Direct, 50.0 * 50.0 / 0.01963);
BENCHMARK_CAPTURE(BM_FormatNumber, qlocale_millimetres_1314_70, Path::QLocaleOnly, 51.76 * 25.4);

} // namespace
