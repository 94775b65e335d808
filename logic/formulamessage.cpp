// The formula information message, built line by line in the order it is shown.
#include "logic/formulamessage.h"

#include <array>

namespace freefall {

std::u16string formulaMessage()
{
    static constexpr std::array<std::u16string_view, 18> lines = {
        u"SECTION 1304 GRAVITY STOPPING DISTANCES",
        u"",
        u"The following formulas give the value of the stopping",
        u"distance based on gravity retardation from any initial",
        u"velocity.",
        u"",
        u"CUSTOMARY UNITS (IMPERIAL)",
        u"",
        u"          S = V^2  /  19,320",
        u"",
        u"SI UNITS (METRIC)",
        u"",
        u"          S = V^2  /  0.01963",
        u"",
        u"where",
        u"  S = free fall (gravity stopping distance), in. (mm)",
        u"  V = initial velocity, ft/min (m/s)",
        u"  ^ = to the power of",
    };
    std::u16string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += u"\r\n";
        text += lines[i];
    }
    return text;
}

} // namespace freefall
