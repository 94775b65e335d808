// The five regional settings, made on first use and kept for the whole run.
#include "fuzzlocales.h"

#include <QLocale>

#include <array>

namespace freefall::fuzz {

namespace {

using Path = RegionalSettings::Path;

std::array<RegionalSettings, kLocaleCount> settingsFor(Path path)
{
    return {
        RegionalSettings(QLocale::c(), path),
        RegionalSettings(QLocale(QStringLiteral("en_US")), path),
        RegionalSettings(QLocale(QStringLiteral("de_DE")), path),
        RegionalSettings(QLocale(QStringLiteral("fr_FR")), path),
        RegionalSettings(QLocale(QStringLiteral("hi_IN")), path),
    };
}

} // namespace

const RegionalSettings &fuzzRegional(int index)
{
    static const std::array<RegionalSettings, kLocaleCount> settings = settingsFor(Path::Direct);
    return settings[static_cast<std::size_t>(index)];
}

const RegionalSettings &fuzzReference(int index)
{
    static const std::array<RegionalSettings, kLocaleCount> settings =
        settingsFor(Path::QLocaleOnly);
    return settings[static_cast<std::size_t>(index)];
}

} // namespace freefall::fuzz
