// The regional settings every benchmark runs under: en_US, so the figures compare with the
// worked examples ("1,314.70"), on the direct path and, side by side, through QLocale only.
#pragma once

#include "runtime/qt/regional/qtregionalsettings.h"

#include <QLocale>

namespace freefall::bench {

using Path = QtRegionalSettings::Path;

// Built once: constructing a QLocale is not part of any measured operation.
inline const QtRegionalSettings &usEnglish(Path path)
{
    static const QtRegionalSettings direct(QLocale(QLocale::English, QLocale::UnitedStates));
    static const QtRegionalSettings viaQLocale(QLocale(QLocale::English, QLocale::UnitedStates),
                                               Path::QLocaleOnly);
    return path == Path::Direct ? direct : viaQLocale;
}

} // namespace freefall::bench
