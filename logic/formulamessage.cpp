// The formula information message, built line by line in the order it is shown.
#include "formulamessage.h"

#include <QStringList>

namespace freefall {

QString formulaMessage()
{
    static const QStringList lines = {
        u"SECTION 1304 GRAVITY STOPPING DISTANCES"_qs,
        QString(),
        u"The following formulas give the value of the stopping"_qs,
        u"distance based on gravity retardation from any initial"_qs,
        u"velocity."_qs,
        QString(),
        u"CUSTOMARY UNITS (IMPERIAL)"_qs,
        QString(),
        u"          S = V^2  /  19,320"_qs,
        QString(),
        u"SI UNITS (METRIC)"_qs,
        QString(),
        u"          S = V^2  /  0.01963"_qs,
        QString(),
        u"where"_qs,
        u"  S = free fall (gravity stopping distance), in. (mm)"_qs,
        u"  V = initial velocity, ft/min (m/s)"_qs,
        u"  ^ = to the power of"_qs,
    };
    return lines.join(u"\r\n");
}

} // namespace freefall
