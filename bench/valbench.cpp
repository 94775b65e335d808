// Val alone on texts a user types, so its share of a Calculate (three calls) is visible.
#include "runtime/val.h"

#include <benchmark/benchmark.h>

#include <string_view>

namespace {

void BM_Val(benchmark::State &state, const char16_t *typed)
{
    const std::u16string_view text = typed;
    for (auto _ : state) {
        double value = freefall::Val(text);
        benchmark::DoNotOptimize(value);
    }
}

BENCHMARK_CAPTURE(BM_Val, integer_1000, u"1000");
BENCHMARK_CAPTURE(BM_Val, decimal_12_5, u"12.5");
BENCHMARK_CAPTURE(BM_Val, trailing_12abc, u"12abc");
BENCHMARK_CAPTURE(BM_Val, blanks_1_000, u"1 000");
BENCHMARK_CAPTURE(BM_Val, exponent_1E300, u"1E300");
BENCHMARK_CAPTURE(BM_Val, hex_HFF, u"&HFF");

} // namespace
