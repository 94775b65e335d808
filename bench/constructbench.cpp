// Making the regional settings, once per run of the program: the direct path's agreement
// check against QLocale is paid here.
#include "regionalsettings.h"

#include <benchmark/benchmark.h>

#include <QLocale>

namespace {

using freefall::RegionalSettings;

void BM_RegionalSettings(benchmark::State &state, RegionalSettings::Path path)
{
    const QLocale locale(QLocale::English, QLocale::UnitedStates);
    for (auto _ : state) {
        RegionalSettings settings(locale, path);
        benchmark::DoNotOptimize(settings);
    }
}

BENCHMARK_CAPTURE(BM_RegionalSettings, direct, RegionalSettings::Path::Direct);
BENCHMARK_CAPTURE(BM_RegionalSettings, qlocale_only, RegionalSettings::Path::QLocaleOnly);

} // namespace
