// The calculation's cases, written once: the core's tests run them on the described number
// formats and the Qt tests on QLocale, so both stay held to the same figures.
#pragma once

#include "logic/calculation.h"

#include <string>
#include <string_view>
#include <vector>

namespace freefall::testing {

// One Calculate from the two speed texts in a locale. writes holds what is written, in order, as
// the box's unit label, "=" and the text: "IN=0.52".
struct CalculationCase
{
    const char *name;
    std::string_view locale;
    UnitMode mode;
    std::u16string_view imperial;
    std::u16string_view metric;
    std::vector<std::u16string> writes;
    RuntimeError::Kind fault = RuntimeError::Kind::Overflow; // for a stop
};

inline std::vector<std::u16string> writesOf(const Verdict &verdict)
{
    std::vector<std::u16string> out;
    for (const BoxWrite &write : verdict.writes) {
        const std::string_view label = describe(write.box).unitLabel;
        out.push_back(std::u16string(label.begin(), label.end()) + u'=' + write.text);
    }
    return out;
}

namespace cases {
inline constexpr UnitMode I = UnitMode::Imperial;
inline constexpr UnitMode M = UnitMode::Metric;
inline constexpr RuntimeError::Kind overflow = RuntimeError::Kind::Overflow;
inline constexpr RuntimeError::Kind tooLarge = RuntimeError::Kind::TooLargeForBox;
} // namespace cases

// clang-format off
inline const std::vector<CalculationCase> kShows = {
    {"100 fpm: mm from the inches shown", "en_US", cases::I, u"100", u"", {u"IN=0.52", u"MM=13.21", u"MPS=0.51"}},
    {"1000 fpm", "en_US", cases::I, u"1000", u"", {u"IN=51.76", u"MM=1,314.70", u"MPS=5.08"}},
    {"1 m/s: inches from the mm shown", "en_US", cases::M, u"", u"1", {u"MM=50.94", u"IN=2.01", u"FPM=196.85"}},
    {"50 m/s: mm cut, inches from the cut text", "en_US", cases::M, u"", u"50", {u"MM=127,356.0", u"IN=5,014.02", u"FPM=9,842.52"}},
    {"10000 fpm: mm cut", "en_US", cases::I, u"10000", u"", {u"IN=5,175.98", u"MM=131,469.8", u"MPS=50.80"}},
    {"483 fpm: exact 12.075 rounds up", "en_US", cases::I, u"483", u"", {u"IN=12.08", u"MM=306.83", u"MPS=2.45"}},
    {"12abc computes with 12", "en_US", cases::I, u"12abc", u"", {u"IN=0.01", u"MM=0.25", u"MPS=0.06"}},
    {"1,000 computes with 1", "en_US", cases::I, u"1,000", u"", {u"IN=0.00", u"MM=0.00", u"MPS=0.01"}},
    {"blanks skipped", "en_US", cases::I, u"1 0 0", u"", {u"IN=0.52", u"MM=13.21", u"MPS=0.51"}},
    {"other box ignored in Imperial", "en_US", cases::I, u"100", u"5.08", {u"IN=0.52", u"MM=13.21", u"MPS=0.51"}},
    {"other box ignored in Metric", "en_US", cases::M, u"196.85", u"1", {u"MM=50.94", u"IN=2.01", u"FPM=196.85"}},
    {"C locale groups", "C", cases::I, u"1000", u"", {u"IN=51.76", u"MM=1,314.70", u"MPS=5.08"}},
    {"de", "de_DE", cases::I, u"1000", u"", {u"IN=51,76", u"MM=1.314,70", u"MPS=5,08"}},
    {"de: speed still read with a point", "de_DE", cases::M, u"", u"1.5", {u"MM=114,62", u"IN=4,51", u"FPM=295,28"}},
    {"fr cut", "fr_FR", cases::M, u"", u"50", {u"MM=127\u202f356,0", u"IN=5\u202f014,02", u"FPM=9\u202f842,52"}},
    {"hi", "hi_IN", cases::M, u"", u"200", {u"MM=20,37,697", u"IN=80,224.29", u"FPM=39,370.08"}},
    {"es: four whole digits ungrouped", "es_ES", cases::I, u"1000", u"", {u"IN=51,76", u"MM=1314,70", u"MPS=5,08"}},
    {"hex speed", "en_US", cases::I, u"&H64", u"", {u"IN=0.52", u"MM=13.21", u"MPS=0.51"}},
    {"exponent speed", "en_US", cases::M, u"", u"1E1", {u"MM=5,094.24", u"IN=200.56", u"FPM=1,968.50"}},
    {"tiny speed shows zeros", "en_US", cases::I, u"1E-200", u"", {u"IN=0.00", u"MM=0.00", u"MPS=0.00"}},
};

// Not a positive speed in the mode's box: Clear, and nothing written.
inline const std::vector<CalculationCase> kClears = {
    {"empty", "en_US", cases::I, u"", u"", {}},
    {"zero", "en_US", cases::I, u"0", u"", {}},
    {"negative", "en_US", cases::I, u"-5", u"", {}},
    {"not a number", "en_US", cases::I, u"abc", u"", {}},
    {"keyword", "en_US", cases::I, u"zinc", u"", {}},
    {"negative hex", "en_US", cases::I, u"&HFFFF", u"", {}},
    {"other box positive", "en_US", cases::I, u"", u"5", {}},
    {"metric empty", "en_US", cases::M, u"100", u"", {}},
    {"metric negative", "en_US", cases::M, u"", u"-0.1", {}},
};

// A fault ends the calculation: the writes made before it stay.
inline const std::vector<CalculationCase> kStops = {
    {"Val overflow", "en_US", cases::I, u"1E309", u"", {}, cases::overflow},
    {"Val overflow of the other box", "en_US", cases::I, u"100", u"1E309", {}, cases::overflow},
    {"square overflows", "en_US", cases::I, u"1E200", u"", {}, cases::overflow},
    {"quotient overflows", "en_US", cases::M, u"", u"1.2E154", {}, cases::overflow},
    // Results whose whole-number part cannot show in nine characters stop like an overflow.
    {"inches too large", "en_US", cases::I, u"999999", u"", {}, cases::tooLarge},
    {"mm too large after inches", "en_US", cases::I, u"99999", u"", {u"IN=517,587.9"}, cases::tooLarge},
    {"mm too large", "en_US", cases::M, u"", u"999", {}, cases::tooLarge},
    {"huge speed stops at the first distance", "en_US", cases::M, u"", u"55555", {}, cases::tooLarge},
    {"50,942,435.05 mm is not shown as 50,942,43", "en_US", cases::M, u"", u"1000", {}, cases::tooLarge},
};
// clang-format on

// A formatted result as its box shows it; an empty shown means the box refuses it: its
// whole-number part does not fit.
struct FitCase
{
    const char *name;
    std::string_view locale;
    std::u16string_view formatted;
    std::u16string_view shown;
};

inline const std::vector<FitCase> kFitsToBox = {
    {"fits", "en_US", u"1,314.70", u"1,314.70"},
    {"nine characters", "en_US", u"12,345.67", u"12,345.67"},
    {"drops a decimal", "en_US", u"127,356.09", u"127,356.0"},
    {"drops both decimals and the point", "en_US", u"1,234,567.89", u"1,234,567"},
    {"drops the dangling point", "C", u"8,765,432.10", u"8,765,432"},
    {"de dangling comma", "de_DE", u"9.999.999,99", u"9.999.999"},
    {"hi", "hi_IN", u"12,34,567.89", u"12,34,567"},
    {"ungrouped whole number of eight", "es_ES", u"1234,56", u"1234,56"},
    {"ten-character whole number", "en_US", u"50,942,435.05", u""},
    {"no decimal separator", "en_US", u"12,345,678", u""},
    {"de too long", "de_DE", u"10.000.000,00", u""},
    {"hi too long", "hi_IN", u"1,23,45,678.00", u""},
};

} // namespace freefall::testing
