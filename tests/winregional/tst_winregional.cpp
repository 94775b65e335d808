// The Windows regional settings: the description read from the locale's settings, and the
// texts Calculate writes under the locales of Wine's data (where they differ from Linux's, the
// rows say so). FREEFALL_TEST_LOCALE names the locale the run expects Wine to give it.
#include "logic/calculation.h"
#include "runtime/runtimeerror.h"
#include "runtime/win32/localenumbersettings.h"
#include "runtime/win32/win32regionalsettings.h"
#include "tests/support/doctesttext.h"
#include "tests/winregional/calculaterows.h"
#include "tests/winregional/testlocale.h"

#include <doctest/doctest.h>

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

using namespace freefall;
using namespace freefall::testing;

namespace {

constexpr char16_t kNbsp = u'\u00A0';

std::u16string withNbsp(std::u16string text)
{
    for (char16_t &c : text) {
        if (c == u'_')
            c = kNbsp;
    }
    return text;
}

} // namespace

TEST_CASE("the locale's settings become a number format only where NumberText writes them")
{
    struct Row
    {
        const char *what;
        LocaleNumberSettings settings;
        bool describable;
        int leastGroup;
        int higherGroups;
        std::u16string minus;
    };
    const LocaleNumberSettings enUS;
    const auto with = [&](auto change) {
        LocaleNumberSettings s = enUS;
        change(s);
        return s;
    };
    const std::vector<Row> rows = {
        {"en-US", enUS, true, 3, 3, u"-"},
        {"India's 3;2;0", with([](auto &s) { s.grouping = u"3;2;0"; }), true, 3, 2, u"-"},
        {"groups of four", with([](auto &s) { s.grouping = u"4;0"; }), true, 4, 4, u"-"},
        {"one group only (3)", with([](auto &s) { s.grouping = u"3"; }), true, 3, 0, u"-"},
        {"3;2 without repetition", with([](auto &s) { s.grouping = u"3;2"; }), false, 0, 0, u""},
        {"3;2;1;0", with([](auto &s) { s.grouping = u"3;2;1;0"; }), false, 0, 0, u""},
        {"no grouping (0)", with([](auto &s) { s.grouping = u"0"; }), true, 0, 0, u"-"},
        {"no grouping (0;0)", with([](auto &s) { s.grouping = u"0;0"; }), true, 0, 0, u"-"},
        {"a zero between groups", with([](auto &s) { s.grouping = u"3;0;0"; }), false, 0, 0, u""},
        {"grouping not digits", with([](auto &s) { s.grouping = u"3;x;0"; }), false, 0, 0, u""},
        {"empty grouping", with([](auto &s) { s.grouping = u""; }), false, 0, 0, u""},
        {"minus and a blank", with([](auto &s) { s.negativeOrder = 2; }), true, 3, 3, u"- "},
        {"parentheses", with([](auto &s) { s.negativeOrder = 0; }), false, 0, 0, u""},
        {"minus after", with([](auto &s) { s.negativeOrder = 3; }), false, 0, 0, u""},
        {"no leading zero", with([](auto &s) { s.leadingZero = false; }), true, 3, 3, u"-"},
        {"same separators", with([](auto &s) { s.groupSeparator = u"."; }), false, 0, 0, u""},
        {"same separators, ungrouped", with([](auto &s) {
             s.groupSeparator = u".";
             s.grouping = u"0";
         }),
         true, 0, 0, u"-"},
        {"empty group separator", with([](auto &s) { s.groupSeparator = u""; }), true, 0, 0, u"-"},
        {"ten decimals", with([](auto &s) { s.decimals = 10; }), false, 0, 0, u""},
        {"no decimals", with([](auto &s) { s.decimals = 0; }), true, 3, 3, u"-"},
    };
    for (const Row &row : rows) {
        CAPTURE(row.what);
        const std::optional<NumberFormat> format = describedFormat(row.settings);
        REQUIRE(format.has_value() == row.describable);
        if (!format)
            continue;
        CHECK(format->leastGroup == row.leastGroup);
        CHECK(format->higherGroups == row.higherGroups);
        CHECK(format->minusSign == row.minus);
        CHECK(format->leadingAtLeast == 1);
        CHECK(format->decimals == row.settings.decimals);
        CHECK(format->leadingZero == row.settings.leadingZero);
    }
}

namespace {

struct LocaleRows
{
    std::u16string locale;
    bool direct; // written and read from the settings themselves
    std::vector<CalculateRow> rows;
};

// The rows of en-US also hold the two corners where Wine 8's number functions fail: a value
// below about 1e-4 (1 ft/min gives 5.17e-5 inches), and a 10-digit whole number that its
// GetNumberFormatEx groups as "50942,435.05", which would fit a box.
const std::vector<LocaleRows> kLocales = {
    {u"en-US",
     true,
     {{I, u"100", u"100", u"0.51", u"0.52", u"13.21"},
      {I, u"1000", u"1000", u"5.08", u"51.76", u"1,314.70"},
      {I, u"10000", u"10000", u"50.80", u"5,175.98", u"131,469.8"},
      {I, u"1", u"1", u"0.01", u"0.00", u"0.00"},
      {M, u"1", u"196.85", u"1", u"2.01", u"50.94"},
      {M, u"50", u"9,842.52", u"50", u"5,014.02", u"127,356.0"},
      {M, u"1000", u"", u"1000", u"", u"", kTooLarge}}},
    {u"de-DE",
     true,
     {{I, u"1000", u"1000", u"5,08", u"51,76", u"1.314,70"},
      {M, u"50", u"9.842,52", u"50", u"5.014,02", u"127.356,0"},
      {M, u"1000", u"", u"1000", u"", u"", kTooLarge}}},
    // Windows and Wine group with a no-break space, Linux's locale data with a narrow one.
    {u"fr-FR",
     true,
     {{I, u"1000", u"1000", u"5,08", u"51,76", withNbsp(u"1_314,70")},
      {M, u"50", withNbsp(u"9_842,52"), u"50", withNbsp(u"5_014,02"), withNbsp(u"127_356,0")}}},
    // Windows groups four digits in es-ES ("1.314,70"); Linux's data leave them ungrouped.
    {u"es-ES",
     true,
     {{I, u"1000", u"1000", u"5,08", u"51,76", u"1.314,70"},
      {M, u"50", u"9.842,52", u"50", u"5.014,02", u"127.356,0"}}},
    // Groups of three, then two: the cut to nine characters drops a separator left at the end.
    {u"hi-IN",
     true,
     {{I, u"10000", u"10000", u"50.80", u"5,175.98", u"1,31,469"},
      {M, u"50", u"9,842.52", u"50", u"5,014.02", u"1,27,356"}}},
    // A minus sign after the number: the description cannot hold it, the platform writes all.
    {u"fa-IR",
     false,
     {{I, u"1", u"1", u"0.01", u"0.00", u"0.00"},
      {M, u"50", u"9,842.52", u"50", u"5,014.02", u"127,356.0"},
      {M, u"1000", u"", u"1000", u"", u"", kTooLarge}}},
};

} // namespace

TEST_CASE("Calculate under the user's Windows locale")
{
    const std::u16string expected = expectedLocale();
    // Wine gives the user's locale from LC_ALL; a run under another locale would prove nothing.
    REQUIRE(userLocale() == expected);
    const LocaleRows *locale = nullptr;
    for (const LocaleRows &candidate : kLocales) {
        if (candidate.locale == expected)
            locale = &candidate;
    }
    REQUIRE(locale);

    const Win32RegionalSettings regional;
    CHECK(regional.usesDirectPath() == locale->direct);
    const Win32RegionalSettings platformOnly(Win32RegionalSettings::Path::PlatformOnly);
    for (const CalculateRow &row : locale->rows) {
        for (const RegionalSettings *settings :
             {static_cast<const RegionalSettings *>(&regional),
              static_cast<const RegionalSettings *>(&platformOnly)}) {
            CAPTURE(row.typed);
            CAPTURE(settings == &platformOnly);
            checkRow(row, *settings);
        }
    }
}

TEST_CASE("the regional conversion reads what FormatNumber writes and refuses other text")
{
    const Win32RegionalSettings regional;
    const Win32RegionalSettings platformOnly(Win32RegionalSettings::Path::PlatformOnly);
    for (const RegionalSettings *settings :
         {static_cast<const RegionalSettings *>(&regional),
          static_cast<const RegionalSettings *>(&platformOnly)}) {
        CAPTURE(settings == &platformOnly);
        for (double value : {0.0, 0.52, 13.21, 1314.7, 127356.09, 9842.52}) {
            const std::u16string text = settings->FormatNumber(value);
            CAPTURE(text);
            CHECK(settings->toDouble(text) == doctest::Approx(value).epsilon(1e-12));
            // A box cut to one decimal fewer reads as shown: the value less its last decimal.
            const std::u16string cut = text.substr(0, text.size() - 1);
            const double shortened = settings->toDouble(cut);
            CHECK(shortened <= value);
            CHECK(value - shortened < 0.1);
        }
        for (std::u16string_view text : {u"", u"abc", u"1e", u"--1"}) {
            CAPTURE(std::u16string(text));
            CHECK_THROWS_AS(settings->toDouble(text), RuntimeError);
        }
        // Too large to round as shown: all its digits, still refused by the box.
        CHECK_THROWS_AS(fitToBox(settings->FormatNumber(5.2e13), *settings), RuntimeError);
    }
}
