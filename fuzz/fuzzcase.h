// One fuzzer input taken apart: the regional settings, the unit mode and the two speed boxes.
#pragma once

#include "logic/calculation.h"
#include "runtime/regionalsettings.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace freefall::fuzz {

// Byte 0 chooses: bits 0-6 modulo kLocaleCount the locale, bit 7 the mode (set: Metric).
// The rest is UTF-8; a NUL, if any, separates the mode's input box from the other speed box.
struct FuzzCase
{
    const RegionalSettings *regional = nullptr;
    const RegionalSettings *reference = nullptr; // the same locale through QLocale only
    UnitMode mode = UnitMode::Imperial;
    std::u16string text;  // all of the rest, of any length, for the number rules on their own
    std::u16string typed; // the mode's input box, cut to what a box holds
    std::u16string other; // the other speed box, cut to what a box holds

    const std::u16string &imperialBox() const { return mode == UnitMode::Imperial ? typed : other; }
    const std::u16string &metricBox() const { return mode == UnitMode::Imperial ? other : typed; }
};

// size must be at least 1.
FuzzCase decodeFuzzCase(const std::uint8_t *data, std::size_t size);

} // namespace freefall::fuzz
