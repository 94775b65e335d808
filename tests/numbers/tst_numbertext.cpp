// A number's text written and read from the description of its format alone: grouping of
// every kind, separators and minus signs longer than a character, any count of decimals, and
// the refusal of any text the format does not write.
#include "runtime/fixedregionalsettings.h"
#include "runtime/numbertext.h"
#include "runtime/runtimeerror.h"
#include "tests/support/doctesttext.h"
#include "tests/support/localeformats.h"

#include <doctest/doctest.h>

#include <functional>
#include <limits>
#include <optional>
#include <string>

using namespace freefall;
using namespace freefall::testing;

namespace {

NumberFormat withDecimals(NumberFormat format, int decimals)
{
    format.decimals = decimals;
    return format;
}

const NumberFormat en = localeFormat("en_US");
const NumberFormat hi = localeFormat("hi_IN");
const NumberFormat es = localeFormat("es_ES");
const NumberFormat fr = localeFormat("fr_FR");
// Below five digits no grouping at all, from five digits every group.
const NumberFormat esBrowser = {u",", u".", u"-", 2, 3, 3, 1, 5};
const NumberFormat twoCharacterSeparators = {u"::", u"''", u"-", 2, 3, 3, 1};
const NumberFormat longMinus = {u".", u",", u"neg", 2, 3, 3, 1};
const NumberFormat noDecimals = withDecimals(en, 0);
const NumberFormat threeDecimals = withDecimals(localeFormat("de_DE"), 3);
const NumberFormat nineDecimals = withDecimals(en, 9);
// The digit groupings Windows offers besides threes and India's: none, and the first group only.
const NumberFormat ungrouped = {u".", u",", u"-", 2, 0, 0, 1};
const NumberFormat firstGroupOnly = {u".", u",", u"-", 2, 3, 0, 1};
// Without grouping the group separator may be anything, even the decimal separator.
const NumberFormat ungroupedSameSeparators = {u",", u",", u"-", 2, 0, 3, 1};
const NumberFormat noLeadingZero = {u".", u",", u"-", 2, 3, 3, 1, 0, false};
const NumberFormat noLeadingZeroNoDecimals = {u".", u",", u"-", 0, 3, 3, 1, 0, false};
const NumberFormat apostrophe = {u".", u"'", u"-", 2, 3, 3, 1};

} // namespace

TEST_CASE("formats")
{
    struct Row
    {
        const char *name;
        const NumberFormat &format;
        double value;
        std::optional<std::u16string_view> expected; // none: left to the platform
    };
    const std::optional<std::u16string_view> none;
    const double inf = std::numeric_limits<double>::infinity();
    const Row rows[] = {
        {"en leading zero", en, 0.05, u"0.05"},
        {"en millions", en, 1234567.891, u"1,234,567.89"},
        {"en negative", en, -2.5, u"-2.50"},
        {"en carry adds a group", en, 999.995, u"1,000.00"},
        {"en negative rounding to zero", en, -0.001, u"0.00"},
        {"en twelve whole digits", en, 999999999999.99, u"999,999,999,999.99"},
        {"en thirteen whole digits", en, 1e12, none},
        {"en infinity", en, inf, none},
        {"hi three digits", hi, 123.0, u"123.00"},
        {"hi four digits", hi, 1234.0, u"1,234.00"},
        {"hi lakh", hi, 123456.0, u"1,23,456.00"},
        {"hi ten lakh", hi, 1234567.0, u"12,34,567.00"},
        {"hi eleven digits", hi, 12345678901.0, u"12,34,56,78,901.00"},
        {"hi negative", hi, -1234567.0, u"-12,34,567.00"},
        {"es three digits", es, 999.0, u"999,00"},
        {"es four digits ungrouped", es, 1234.5, u"1234,50"},
        {"es five digits grouped", es, 12345.678, u"12.345,68"},
        // A leading group shorter than two digits joins the next, at every length.
        {"es seven digits", es, 1234567.0, u"1234.567,00"},
        {"es browser four digits ungrouped", esBrowser, 1234.5, u"1234,50"},
        {"es browser five digits grouped", esBrowser, 12345.678, u"12.345,68"},
        {"es browser seven digits in every group", esBrowser, 1234567.0, u"1.234.567,00"},
        {"fr narrow no-break space", fr, 1314.704, u"1\u202f314,70"},
        {"two-character separators", twoCharacterSeparators, 1234567.891, u"1''234''567::89"},
        {"two-character separator after zero", twoCharacterSeparators, -0.5, u"-0::50"},
        {"long minus", longMinus, -1234.5, u"neg1,234.50"},
        {"long minus dropped on zero", longMinus, -0.004, u"0.00"},
        {"no decimals rounds down", noDecimals, 0.4, u"0"},
        {"no decimals half away from zero", noDecimals, 0.5, u"1"},
        {"no decimals negative", noDecimals, -0.5, u"-1"},
        {"no decimals grouped", noDecimals, 1234.5, u"1,235"},
        {"no decimals fourteen digits", noDecimals, 99999999999999.0, u"99,999,999,999,999"},
        {"no decimals fifteen digits", noDecimals, 1e14, none},
        {"three decimals", threeDecimals, 1.0005, u"1,001"},
        {"three decimals padded", threeDecimals, 1234.5, u"1.234,500"},
        {"three decimals negative zero", threeDecimals, -0.0004, u"0,000"},
        {"three decimals eleven digits", threeDecimals, 99999999999.0, u"99.999.999.999,000"},
        {"three decimals twelve digits", threeDecimals, 999999999999.0, none},
        {"nine decimals", nineDecimals, 5e-10, u"0.000000001"},
        {"nine decimals grouped", nineDecimals, 12345.6789012345, u"12,345.678901235"},
        {"nine decimals six digits", nineDecimals, 123456.0, none},
        {"ungrouped", ungrouped, 1234567.891, u"1234567.89"},
        {"ungrouped, same separators", ungroupedSameSeparators, 1314.7, u"1314,70"},
        {"first group only, three digits", firstGroupOnly, 999.5, u"999.50"},
        {"first group only, four digits", firstGroupOnly, 1314.7, u"1,314.70"},
        {"first group only, seven digits", firstGroupOnly, 1234567.891, u"1234,567.89"},
        {"apostrophe", apostrophe, 131469.8, u"131'469.80"},
        {"no leading zero", noLeadingZero, 0.52, u".52"},
        {"no leading zero, rounded to zero", noLeadingZero, 0.001, u".00"},
        {"no leading zero, negative", noLeadingZero, -0.5, u"-.50"},
        {"no leading zero above one", noLeadingZero, 1.5, u"1.50"},
        {"no leading zero, carry to one", noLeadingZero, 0.999, u"1.00"},
        {"no leading zero, no decimals", noLeadingZeroNoDecimals, 0.4, u"0"},
    };
    for (const Row &row : rows) {
        CAPTURE(row.name);
        CHECK(NumberText(row.format).format(row.value) == row.expected);
    }
}

TEST_CASE("reads")
{
    struct Row
    {
        const char *name;
        const NumberFormat &format;
        std::u16string_view text;
        std::optional<double> expected; // none: refused
    };
    const std::optional<double> none;
    const Row rows[] = {
        {"en", en, u"1,314.70", 1314.70},
        {"en cut to one decimal", en, u"1,314.7", 1314.7},
        {"en cut to the whole number", en, u"1,314", 1314.0},
        {"en zero", en, u"0.05", 0.05},
        {"en negative", en, u"-2.50", -2.5},
        {"en fifteen digits", en, u"123,456,789,012,345", 123456789012345.0},
        {"en sixteen digits", en, u"1,234,567,890,123,456", none},
        {"empty", en, u"", none},
        {"minus only", en, u"-", none},
        {"separator only", en, u".", none},
        {"separator without decimals", en, u"1.", none},
        {"decimals without a whole number", en, u".5", none},
        {"misplaced group separator", en, u"1,31.5", none},
        {"ungrouped", en, u"1314.70", none},
        {"group of two", en, u"13,14.70", none},
        {"doubled group separator", en, u"1,,314", none},
        {"leading group separator", en, u",314", none},
        {"trailing group separator", en, u"1,314,", none},
        {"leading zero", en, u"01.50", none},
        {"two leading zeros", en, u"00.5", none},
        {"a lone zero", en, u"0.5", 0.5},
        {"too many decimals", en, u"1.234", none},
        {"two decimal separators", en, u"1.2.3", none},
        {"trailing letter", en, u"1.5x", none},
        {"leading blank", en, u" 1.5", none},
        {"plus sign", en, u"+1.5", none},
        {"two minus signs", en, u"--1.5", none},
        {"trailing minus", en, u"1,314.7-", none},
        {"non-ASCII digit", en, u"\u0661.50", none},
        {"hi", hi, u"12,34,567.89", 1234567.89},
        {"hi lakh cut", hi, u"1,23,456", 123456.0},
        {"hi refuses groups of three", hi, u"1,234,567.89", none},
        {"es four digits", es, u"1234,5", 1234.5},
        {"es four digits grouped", es, u"1.234,5", none},
        {"es five digits", es, u"12.345,68", 12345.68},
        {"es five digits ungrouped", es, u"12345,68", none},
        {"es seven digits", es, u"1234.567", 1234567.0},
        {"es browser four digits", esBrowser, u"1234,5", 1234.5},
        {"es browser four digits grouped", esBrowser, u"1.234,5", none},
        {"es browser seven digits", esBrowser, u"1.234.567", 1234567.0},
        {"es browser seven digits merged", esBrowser, u"1234.567", none},
        {"fr", fr, u"127\u202f356,0", 127356.0},
        {"fr refuses a plain space", fr, u"127 356,0", none},
        {"two-character separators", twoCharacterSeparators, u"1''234::5", 1234.5},
        {"half a decimal separator", twoCharacterSeparators, u"1''234:", none},
        {"decimal separator without decimals", twoCharacterSeparators, u"1''234::", none},
        {"half a group separator", twoCharacterSeparators, u"1'234::5", none},
        {"long minus", longMinus, u"neg1,234.5", -1234.5},
        {"part of the long minus", longMinus, u"ne1.5", none},
        {"ASCII minus is not the sign", longMinus, u"-1.5", none},
        {"long minus only", longMinus, u"neg", none},
        {"no decimals", noDecimals, u"1,235", 1235.0},
        {"no decimals refuses a decimal", noDecimals, u"1,235.0", none},
        {"no decimals refuses the separator", noDecimals, u"1,235.", none},
        {"three decimals", threeDecimals, u"1.234,567", 1234.567},
        {"three decimals cut", threeDecimals, u"1.234,5", 1234.5},
        {"three decimals refuses a fourth", threeDecimals, u"1.234,5678", none},
        {"nine decimals", nineDecimals, u"0.000000001", 1e-9},
        {"nine decimals refuses a tenth", nineDecimals, u"0.0000000001", none},
        {"ungrouped", ungrouped, u"1234567.89", 1234567.89},
        {"ungrouped refuses groups", ungrouped, u"1,234,567.89", none},
        {"ungrouped, same separators", ungroupedSameSeparators, u"1314,7", 1314.7},
        {"ungrouped, same separators, refuses two", ungroupedSameSeparators, u"1,314,7", none},
        {"first group only", firstGroupOnly, u"1234,567.89", 1234567.89},
        {"first group only refuses threes", firstGroupOnly, u"1,234,567.89", none},
        {"apostrophe", apostrophe, u"131'469.8", 131469.8},
        {"no leading zero", noLeadingZero, u".52", 0.52},
        {"no leading zero cut", noLeadingZero, u".5", 0.5},
        {"no leading zero negative", noLeadingZero, u"-.5", -0.5},
        {"no leading zero refuses one", noLeadingZero, u"0.52", none},
        {"no leading zero refuses the separator alone", noLeadingZero, u".", none},
        {"no leading zero refuses nothing", noLeadingZero, u"", none},
        {"no leading zero whole number", noLeadingZero, u"1,314", 1314.0},
        {"no leading zero and no decimals", noLeadingZeroNoDecimals, u"0", 0.0},
    };
    for (const Row &row : rows) {
        CAPTURE(row.name);
        CHECK(NumberText(row.format).read(row.text) == row.expected);
    }
}

namespace {

// Writes by a fixed format and reads by a rule of the test's choosing.
class OtherReading final : public RegionalSettings
{
public:
    using Reader = std::function<double(const FixedRegionalSettings &, std::u16string_view)>;
    OtherReading(NumberFormat format, Reader reader)
        : fixed_(std::move(format)), reader_(std::move(reader))
    {
    }

    int decimals() const override { return fixed_.decimals(); }
    std::u16string_view decimalSeparator() const override { return fixed_.decimalSeparator(); }
    std::u16string FormatNumber(double value) const override { return fixed_.FormatNumber(value); }
    double toDouble(std::u16string_view text) const override { return reader_(fixed_, text); }

private:
    FixedRegionalSettings fixed_;
    Reader reader_;
};

NumberFormat changed(std::function<void(NumberFormat &)> change)
{
    NumberFormat format = en;
    change(format);
    return format;
}

} // namespace

TEST_CASE("agrees with a platform only where it writes and reads the same")
{
    struct Row
    {
        const char *name;
        NumberFormat platform;
        bool agrees;
    };
    const Row rows[] = {
        {"the same format", en, true},
        {"other decimals", withDecimals(en, 3), false},
        {"other separators", localeFormat("de_DE"), false},
        {"other group separator", changed([](NumberFormat &f) { f.groupSeparator = u"\u00a0"; }),
         false},
        {"other minus sign", changed([](NumberFormat &f) { f.minusSign = u"\u2212"; }), false},
        {"groups of two", changed([](NumberFormat &f) { f.higherGroups = 2; }), false},
        {"a lone leading digit ungrouped", changed([](NumberFormat &f) { f.leadingAtLeast = 2; }),
         false},
    };
    for (const Row &row : rows) {
        CAPTURE(row.name);
        CHECK(NumberText(en).agreesWith(FixedRegionalSettings(row.platform)) == row.agrees);
    }
    for (const LocaleFormat &locale : kLocaleFormats) {
        CAPTURE(locale.name);
        CHECK(NumberText(locale.format).agreesWith(FixedRegionalSettings(locale.format)));
    }
    // Values too long to round at nine decimals are left out of the comparison, not the rest.
    CHECK(NumberText(nineDecimals).agreesWith(FixedRegionalSettings(nineDecimals)));
    CHECK(!NumberText(nineDecimals)
               .agreesWith(FixedRegionalSettings(withDecimals(localeFormat("de_DE"), 9))));
    CHECK(NumberText(noDecimals).agreesWith(FixedRegionalSettings(noDecimals)));
    CHECK(NumberText(twoCharacterSeparators)
              .agreesWith(FixedRegionalSettings(twoCharacterSeparators)));
    for (const NumberFormat *format : {&ungrouped, &firstGroupOnly, &noLeadingZero}) {
        CHECK(NumberText(*format).agreesWith(FixedRegionalSettings(*format)));
        CHECK(!NumberText(*format).agreesWith(FixedRegionalSettings(en)));
    }
}

TEST_CASE("describes a format only where its text can be read back unambiguously")
{
    struct Row
    {
        const char *name;
        NumberFormat format;
        bool describable;
    };
    const Row rows[] = {
        {"en", en, true},
        {"ungrouped", ungrouped, true},
        {"ungrouped, same separators", ungroupedSameSeparators, true},
        {"ungrouped, empty group separator", {u".", u"", u"-", 2, 0, 0, 1}, true},
        {"grouped, same separators", {u",", u",", u"-", 2, 3, 3, 1}, false},
        {"grouped, empty group separator", {u".", u"", u"-", 2, 3, 3, 1}, false},
        {"grouped by a digit", {u".", u"1", u"-", 2, 3, 3, 1}, false},
        {"empty decimal separator", {u"", u",", u"-", 2, 3, 3, 1}, false},
        {"decimal separator too long", {u"...", u",", u"-", 2, 3, 3, 1}, false},
        {"negative group", {u".", u",", u"-", 2, -1, 3, 1}, false},
        {"ten decimals", withDecimals(en, 10), false},
    };
    for (const Row &row : rows) {
        CAPTURE(row.name);
        CHECK(NumberText::canDescribe(row.format) == row.describable);
    }
}

TEST_CASE("agrees with a platform only where it reads the same")
{
    struct Row
    {
        const char *name;
        OtherReading::Reader reader;
        bool agrees;
    };
    const Row rows[] = {
        {"refuses text cut to one decimal",
         [](const FixedRegionalSettings &fixed, std::u16string_view text) {
             const std::size_t point = text.find(u'.');
             if (point != std::u16string_view::npos && text.size() - point == 2)
                 throw RuntimeError(RuntimeError::Kind::TypeMismatch);
             return fixed.toDouble(text);
         },
         false},
        {"reads another value",
         [](const FixedRegionalSettings &fixed, std::u16string_view text) {
             return fixed.toDouble(text) * 10;
         },
         false},
        // What the direct read refuses is left to the platform, whatever it makes of it.
        {"reads more than the direct read",
         [](const FixedRegionalSettings &fixed, std::u16string_view text) {
             try {
                 return fixed.toDouble(text);
             } catch (const RuntimeError &) {
                 return 0.0;
             }
         },
         true},
    };
    for (const Row &row : rows) {
        CAPTURE(row.name);
        CHECK(NumberText(en).agreesWith(OtherReading(en, row.reader)) == row.agrees);
    }
}
