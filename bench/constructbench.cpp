// Making the regional settings, once per run of the program: the direct path's agreement
// check against QLocale is paid here.
#include "runtime/qt/regional/qtregionalsettings.h"

#include <benchmark/benchmark.h>

#include <QLocale>

namespace {

using freefall::QtRegionalSettings;

void BM_RegionalSettings(benchmark::State &state, QtRegionalSettings::Path path)
{
    const QLocale locale(QLocale::English, QLocale::UnitedStates);
    for (auto _ : state) {
        QtRegionalSettings settings(locale, path);
        benchmark::DoNotOptimize(settings);
    }
}

BENCHMARK_CAPTURE(BM_RegionalSettings, direct, QtRegionalSettings::Path::Direct);
BENCHMARK_CAPTURE(BM_RegionalSettings, qlocale_only, QtRegionalSettings::Path::QLocaleOnly);

} // namespace
