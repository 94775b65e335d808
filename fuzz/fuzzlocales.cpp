// The five regional settings, made on first use and kept for the whole run.
#include "fuzz/fuzzlocales.h"

#include <QLocale>

#include <array>

namespace freefall::fuzz {

namespace {

using Path = QtRegionalSettings::Path;

std::array<QtRegionalSettings, kLocaleCount> settingsFor(Path path)
{
    return {
        QtRegionalSettings(QLocale::c(), path),
        QtRegionalSettings(QLocale(QStringLiteral("en_US")), path),
        QtRegionalSettings(QLocale(QStringLiteral("de_DE")), path),
        QtRegionalSettings(QLocale(QStringLiteral("fr_FR")), path),
        QtRegionalSettings(QLocale(QStringLiteral("hi_IN")), path),
    };
}

} // namespace

const QtRegionalSettings &fuzzRegional(int index)
{
    static const std::array<QtRegionalSettings, kLocaleCount> settings = settingsFor(Path::Direct);
    return settings[static_cast<std::size_t>(index)];
}

const QtRegionalSettings &fuzzReference(int index)
{
    static const std::array<QtRegionalSettings, kLocaleCount> settings =
        settingsFor(Path::QLocaleOnly);
    return settings[static_cast<std::size_t>(index)];
}

} // namespace freefall::fuzz
