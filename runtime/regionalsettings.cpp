// What every platform's regional settings share.
#include "runtime/regionalsettings.h"

#include "runtime/runtimeerror.h"

namespace freefall {

std::optional<double> readOrRefuse(const RegionalSettings &regional, std::u16string_view text)
{
    try {
        return regional.toDouble(text);
    } catch (const RuntimeError &) {
        return std::nullopt;
    }
}

} // namespace freefall
