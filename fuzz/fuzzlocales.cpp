// The five regional settings, made on first use and kept for the whole run.
#include "fuzzlocales.h"

#include <QLocale>

#include <array>

namespace freefall::fuzz {

const RegionalSettings &fuzzRegional(int index)
{
    static const std::array<RegionalSettings, kLocaleCount> settings{
        RegionalSettings(QLocale::c()),
        RegionalSettings(QLocale(QStringLiteral("en_US"))),
        RegionalSettings(QLocale(QStringLiteral("de_DE"))),
        RegionalSettings(QLocale(QStringLiteral("fr_FR"))),
        RegionalSettings(QLocale(QStringLiteral("hi_IN"))),
    };
    return settings[static_cast<std::size_t>(index)];
}

} // namespace freefall::fuzz
