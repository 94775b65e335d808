// The snprintf and strtod stand-ins for the floating-point to_chars and from_chars: the same
// text and the same doubles as the standard library wherever it has its own, and exact round
// trips and rounding everywhere, including a build whose standard library lacks them.
#include "runtime/doublechars.h"
#include "tests/support/doctesttext.h"

#include <doctest/doctest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

using namespace freefall;

namespace {

// memcpy rather than std::bit_cast, which emscripten's libc++ lacks as well.
std::uint64_t bitsOf(double value)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

double doubleOf(std::uint64_t bits)
{
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::string written(double value, std::chars_format format, int precision, bool selected)
{
    char buffer[400];
    const std::to_chars_result result =
        selected
            ? doubleToChars(buffer, buffer + sizeof buffer, value, format, precision)
            : portable::doubleToChars(buffer, buffer + sizeof buffer, value, format, precision);
    REQUIRE(result.ec == std::errc());
    return std::string(buffer, result.ptr);
}

struct Reading
{
    std::errc ec;
    std::size_t used;
    std::uint64_t bits; // of the value afterwards, which an error leaves untouched
};

Reading readWith(const std::string &text, bool selected)
{
    double value = -7.0;
    const std::from_chars_result result =
        selected ? doubleFromChars(text.data(), text.data() + text.size(), value)
                 : portable::doubleFromChars(text.data(), text.data() + text.size(), value);
    return {result.ec, std::size_t(result.ptr - text.data()), bitsOf(value)};
}

// Edge values of the double format and the program's own figures, then random bit patterns
// over every exponent.
std::vector<double> sampleValues()
{
    std::vector<double> values = {0.0,
                                  -0.0,
                                  0.1,
                                  0.35,
                                  1.005,
                                  9999.995,
                                  233289.0 / 19320.0,
                                  127356.09,
                                  196.850393700788,
                                  0.03937007874016,
                                  1e15,
                                  1e22,
                                  1e23,
                                  123456789012345678.0,
                                  std::numeric_limits<double>::max(),
                                  std::numeric_limits<double>::min(),
                                  std::numeric_limits<double>::denorm_min(),
                                  std::nextafter(1.0, 2.0),
                                  std::nextafter(1.0, 0.0)};
    std::mt19937_64 random(20);
    for (int i = 0; i < 4000; ++i) {
        const double value = doubleOf(random());
        if (std::isfinite(value))
            values.push_back(value);
    }
    return values;
}

} // namespace

TEST_CASE("the stand-ins write what the standard library writes")
{
    if (!kStandardDoubleChars) {
        MESSAGE("no floating-point to_chars here to compare with: the stand-ins are in use");
        return;
    }
    for (double value : sampleValues()) {
        CAPTURE(value);
        CHECK(written(value, std::chars_format::scientific, 14, false) ==
              written(value, std::chars_format::scientific, 14, true));
        CHECK(written(value, std::chars_format::scientific, 16, false) ==
              written(value, std::chars_format::scientific, 16, true));
        CHECK(written(value, std::chars_format::fixed, 0, false) ==
              written(value, std::chars_format::fixed, 0, true));
        CHECK(written(value, std::chars_format::fixed, 2, false) ==
              written(value, std::chars_format::fixed, 2, true));
    }
}

TEST_CASE("the stand-ins read what the standard library reads")
{
    if (!kStandardDoubleChars) {
        MESSAGE("no floating-point from_chars here to compare with: the stand-ins are in use");
        return;
    }
    // clang-format off
    std::vector<std::string> texts = {
        "0", "-0", "00012", ".5", "5.", "-.5", "1e", "1e+", "1e-", "1E5", "1e+05", "12abc",
        "1.2.3", "0x10", "+1", " 1", "-", ".", "", "e5", "1e-400", "-1e-400", "1e-310", "1e400",
        "-1e400", "0e999", "0.000e-999999", "2.4703282292062328e-324", "2.4703282292062327e-324",
        "1.7976931348623158e308", "1.7976931348623159e308", "inf", "-Infinity", "infinit",
        "9007199254740993", "1234567.89", "0.1000000000000000055511151231257827"};
    // clang-format on
    for (double value : sampleValues())
        texts.push_back(written(value, std::chars_format::scientific, 16, true));
    for (const std::string &text : texts) {
        CAPTURE(text);
        const Reading standard = readWith(text, true);
        const Reading portable = readWith(text, false);
        CHECK(portable.ec == standard.ec);
        CHECK(portable.used == standard.used);
        CHECK(portable.bits == standard.bits);
    }
}

// What the program's rounding rests on, true of the conversions in use on every platform.
TEST_CASE("seventeen digits read back to the same double")
{
    for (double value : sampleValues()) {
        CAPTURE(value);
        const std::string text = written(value, std::chars_format::scientific, 16, true);
        const Reading back = readWith(text, true);
        CHECK(back.ec == std::errc());
        CHECK(back.used == text.size());
        CHECK(back.bits == bitsOf(value));
    }
}

TEST_CASE("written and read at the edges")
{
    struct Row
    {
        double value;
        std::chars_format format;
        int precision;
        const char *text;
    };
    const Row rows[] = {
        {233289.0 / 19320.0, std::chars_format::scientific, 14, "1.20750000000000e+01"},
        {233289.0 / 19320.0, std::chars_format::scientific, 16, "1.2074999999999999e+01"},
        {0.125, std::chars_format::scientific, 1, "1.2e-01"}, // a true tie goes to even
        {0.375, std::chars_format::scientific, 1, "3.8e-01"},
        {-2.5e-300, std::chars_format::scientific, 3, "-2.500e-300"},
        {2.5, std::chars_format::fixed, 0, "2"},
        {3.5, std::chars_format::fixed, 0, "4"},
        {1e22, std::chars_format::fixed, 0, "10000000000000000000000"},
        {1e23, std::chars_format::fixed, 0, "99999999999999991611392"},
        {127356.09, std::chars_format::fixed, 2, "127356.09"},
    };
    for (const Row &row : rows) {
        CAPTURE(row.text);
        CHECK(written(row.value, row.format, row.precision, true) == row.text);
        CHECK(written(row.value, row.format, row.precision, false) == row.text);
    }

    struct Read
    {
        const char *text;
        std::errc ec;
        std::size_t used;
        double value; // -7: untouched
    };
    const Read reads[] = {
        {"1e-310", std::errc(), 6, 1e-310},
        {"1e-400", std::errc::result_out_of_range, 6, -7.0},
        {"1e400", std::errc::result_out_of_range, 5, -7.0},
        {"0e999", std::errc(), 5, 0.0},
        {"+1", std::errc::invalid_argument, 0, -7.0},
        {"0x10", std::errc(), 1, 0.0},
        {"1e+", std::errc(), 1, 1.0},
        {"5.", std::errc(), 2, 5.0},
        {"1.7976931348623159e308", std::errc::result_out_of_range, 22, -7.0},
    };
    for (const Read &row : reads) {
        CAPTURE(row.text);
        for (bool selected : {true, false}) {
            const Reading reading = readWith(row.text, selected);
            CHECK(reading.ec == row.ec);
            CHECK(reading.used == row.used);
            CHECK(reading.bits == bitsOf(row.value));
        }
    }
}
