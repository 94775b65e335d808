// The regional settings of a fixed number format: values too large to round, and results cut
// to their box at any count of decimals.
#include "logic/calculation.h"
#include "runtime/fixedregionalsettings.h"
#include "tests/support/doctesttext.h"
#include "tests/support/localeformats.h"

#include <doctest/doctest.h>

#include <limits>
#include <string>

using namespace freefall;
using namespace freefall::testing;

namespace {

NumberFormat withDecimals(NumberFormat format, int decimals)
{
    format.decimals = decimals;
    return format;
}

} // namespace

TEST_CASE("writes every whole-number digit of a value too large to round")
{
    struct Row
    {
        const char *name;
        NumberFormat format;
        double value;
        std::u16string_view expected;
    };
    const Row rows[] = {
        {"thirteen digits", localeFormat("en_US"), 1e13, u"10,000,000,000,000.00"},
        {"twenty-one digits", localeFormat("en_US"), 1e20, u"100,000,000,000,000,000,000.00"},
        {"negative", localeFormat("en_US"), -1e15, u"-1,000,000,000,000,000.00"},
        {"beyond the doubles' integers", localeFormat("en_US"), 12345678901234567.0,
         u"12,345,678,901,234,568.00"},
        {"no decimals", withDecimals(localeFormat("en_US"), 0), 1e15, u"1,000,000,000,000,000"},
        {"hi groups", localeFormat("hi_IN"), 1e15, u"1,00,00,00,00,00,00,000.00"},
        {"three decimals", withDecimals(localeFormat("de_DE"), 3), 1e13, u"10.000.000.000.000,000"},
    };
    for (const Row &row : rows) {
        CAPTURE(row.name);
        CHECK(FixedRegionalSettings(row.format).FormatNumber(row.value) == row.expected);
    }

    const std::u16string largest = FixedRegionalSettings(localeFormat("en_US"))
                                       .FormatNumber(std::numeric_limits<double>::max());
    CHECK(largest.starts_with(u"179,769,313,486,231,570,"));
    CHECK(largest.ends_with(u",858,368.00"));
    CHECK(largest.size() == 309 + 102 + 3); // digits, group separators, decimals
}

TEST_CASE("refuses to write what is not a number")
{
    const FixedRegionalSettings regional(localeFormat("en_US"));
    for (double value :
         {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::quiet_NaN()}) {
        CAPTURE(value);
        try {
            const std::u16string text = regional.FormatNumber(value);
            FAIL_CHECK("written as ", text);
        } catch (const RuntimeError &error) {
            CHECK(error.kind() == RuntimeError::Kind::Overflow);
        }
    }
}

TEST_CASE("fits to box at any count of decimals")
{
    struct Row
    {
        const char *name;
        NumberFormat format;
        double value;
        std::u16string_view shown; // empty: refused, the whole number does not fit
    };
    const NumberFormat en = localeFormat("en_US");
    // es_ES's grouping leaves eight-character whole numbers, which cut inside a two-character
    // decimal separator.
    const NumberFormat twoCharacterPoint = {u"::", u".", u"-", 2, 3, 3, 2};
    const Row rows[] = {
        {"0: fits", withDecimals(en, 0), 1234567.4, u"1,234,567"},
        {"0: ten characters", withDecimals(en, 0), 12345678.0, u""},
        {"0: eleven characters", withDecimals(en, 0), 123456789.0, u""},
        {"1: nine characters", withDecimals(en, 1), 123456.78, u"123,456.8"},
        {"1: drops the decimal and the point", withDecimals(en, 1), 1234567.84, u"1,234,567"},
        {"3: fits", withDecimals(en, 3), 1234.5678, u"1,234.568"},
        {"3: drops a decimal", withDecimals(en, 3), 12345.6789, u"12,345.67"},
        {"3: drops two decimals", withDecimals(en, 3), 123456.7891, u"123,456.7"},
        {"3: drops all decimals", withDecimals(en, 3), 1234567.891, u"1,234,567"},
        {"3: too large", withDecimals(en, 3), 12345678.9, u""},
        {"two-character point kept whole", twoCharacterPoint, 12345.678, u"12.345::6"},
        {"two-character point dropped", twoCharacterPoint, 123456.789, u"123.456"},
        {"two-character point cut in half", twoCharacterPoint, 1234567.891, u"1234.567"},
    };
    for (const Row &row : rows) {
        CAPTURE(row.name);
        const FixedRegionalSettings regional(row.format);
        const std::u16string formatted = regional.FormatNumber(row.value);
        CAPTURE(formatted);
        if (row.shown.empty()) {
            try {
                const std::u16string shown = fitToBox(formatted, regional);
                FAIL_CHECK("shown as ", shown);
            } catch (const RuntimeError &error) {
                CHECK(error.kind() == RuntimeError::Kind::TooLargeForBox);
            }
        } else {
            CHECK(fitToBox(formatted, regional) == row.shown);
        }
    }
}
