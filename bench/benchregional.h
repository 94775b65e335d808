// The regional settings every benchmark runs under: en_US, so the figures compare with the
// worked examples ("1,314.70").
#pragma once

#include "regionalsettings.h"

#include <QLocale>

namespace freefall::bench {

// Built once: constructing a QLocale is not part of any measured operation.
inline const RegionalSettings &usEnglish()
{
    static const RegionalSettings settings(QLocale(QLocale::English, QLocale::UnitedStates));
    return settings;
}

} // namespace freefall::bench
