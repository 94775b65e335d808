// Rounding as a box shows a number, at any count of decimals: 15 significant digits first,
// then half away from zero; no sign on a zero; none where the last decimal is beyond 15 digits.
#include "runtime/shownnumber.h"
#include "tests/support/doctesttext.h"

#include <doctest/doctest.h>

#include <cmath>
#include <limits>
#include <optional>

using freefall::roundAsShown;
using freefall::roundedAsShown;
using freefall::ShownNumber;

namespace {
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
} // namespace

TEST_CASE("roundAsShown")
{
    struct Row
    {
        const char *name;
        double value;
        int decimals;
        std::optional<long long> scaled; // none: cannot be rounded
        bool negative;
    };
    const std::optional<long long> none;
    const Row rows[] = {
        {"0: half away from zero", 0.5, 0, 1, false},
        {"0: 1.5 up", 1.5, 0, 2, false},
        {"0: 2.5 up, not to even", 2.5, 0, 3, false},
        {"0: negative half away from zero", -2.5, 0, 3, true},
        {"0: just below half", 0.49999, 0, 0, false},
        {"0: negative rounding to zero has no sign", -0.4, 0, 0, false},
        {"0: fourteen whole digits", 99999999999999.0, 0, 99999999999999, false},
        {"0: carry to fifteen digits", 99999999999999.5, 0, 100000000000000, false},
        {"0: fifteen whole digits are too many", 1e14, 0, none, false},
        {"1: only the rounding digit", 0.05, 1, 1, false},
        {"1: 0.35 as written, not the double below it", 0.35, 1, 4, false},
        {"1: carry into the whole number", 9.95, 1, 100, false},
        {"1: small negative has no sign", -0.04, 1, 0, false},
        {"2: exact quotient 12.075", 233289.0 / 19320.0, 2, 1208, false},
        {"2: 1.005 as written", 1.005, 2, 101, false},
        {"2: negative half away from zero", -0.125, 2, 13, true},
        {"2: carry adds a digit", 9999.995, 2, 1000000, false},
        {"2: below half a cent", 0.0049, 2, 0, false},
        {"2: far below the last decimal", 1e-300, 2, 0, false},
        {"2: negative zero", -0.0, 2, 0, false},
        {"2: twelve whole digits", 999999999999.99, 2, 99999999999999, false},
        {"2: thirteen whole digits are too many", 1e12, 2, none, false},
        {"3: 1.0005 as written", 1.0005, 3, 1001, false},
        {"3: below half", 2.0004999, 3, 2000, false},
        {"3: carry", 999.9995, 3, 1000000, false},
        {"3: negative", -1.2345, 3, 1235, true},
        {"9: half of the last decimal", 5e-10, 9, 1, false},
        {"9: below half of the last decimal", 4.9e-10, 9, 0, false},
        {"9: 1.0000000005 as written", 1.0000000005, 9, 1000000001, false},
        {"9: the fifteenth digit decides", 12345.6789012345, 9, 12345678901235, false},
        {"9: carry to fifteen digits", 99999.9999999995, 9, 100000000000000, false},
        {"9: six whole digits are too many", 123456.0, 9, none, false},
        {"infinity", kInf, 2, none, false},
        {"minus infinity", -kInf, 2, none, false},
        {"not a number", kNaN, 2, none, false},
    };
    for (const Row &row : rows) {
        CAPTURE(row.name);
        const std::optional<ShownNumber> shown = roundAsShown(row.value, row.decimals);
        REQUIRE(shown.has_value() == row.scaled.has_value());
        if (shown) {
            CHECK(shown->scaled == *row.scaled);
            CHECK(shown->negative == row.negative);
        }
    }
}

TEST_CASE("roundedAsShown")
{
    struct Row
    {
        const char *name;
        double value;
        int decimals;
        double expected;
    };
    const Row rows[] = {
        {"1.005 to two decimals", 1.005, 2, 1.01},
        {"exact quotient 12.075", 233289.0 / 19320.0, 2, 12.08},
        {"the double nearest the shown decimal", 0.1 + 0.2, 2, 0.3},
        {"negative half away from zero", -0.125, 2, -0.13},
        {"zero decimals", 2.5, 0, 3.0},
        {"one decimal carries", 9.95, 1, 10.0},
        {"three decimals", 2.0004999, 3, 2.0},
        {"nine decimals", 1.0000000005, 9, 1.000000001},
        {"negative rounding to zero is zero", -0.001, 2, 0.0},
        {"negative zero is zero", -0.0, 2, 0.0},
        {"too large: as it is", 10000000000000.25, 2, 10000000000000.25},
        {"huge: as it is", -1e300, 2, -1e300},
        {"infinity as it is", kInf, 2, kInf},
    };
    for (const Row &row : rows) {
        CAPTURE(row.name);
        const double rounded = roundedAsShown(row.value, row.decimals);
        CHECK(rounded == row.expected);
        CHECK(std::signbit(rounded) == std::signbit(row.expected));
    }
    CHECK(std::isnan(roundedAsShown(kNaN, 2)));
}
