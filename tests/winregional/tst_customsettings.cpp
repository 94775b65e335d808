// The user's own changes to the number settings, written into the prefix's registry as Control
// Panel writes them (SetLocaleInfo) and taken back afterwards: Calculate shows what Windows'
// formatting gives with them, and the platform's functions, where they fail or read with other
// separators than they wrote, are never believed nor called an overflow.
#include "runtime/win32/win32regionalsettings.h"
#include "tests/winregional/calculaterows.h"
#include "tests/winregional/testlocale.h"

#include <doctest/doctest.h>

#include <windows.h>

#include <string>
#include <vector>

using namespace freefall;
using namespace freefall::testing;

namespace {

struct Override
{
    LCTYPE type;
    std::wstring value;
};

std::wstring localeValue(LCTYPE type)
{
    wchar_t buffer[80];
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer, 80);
    return length > 0 ? std::wstring(buffer, std::size_t(length - 1)) : std::wstring();
}

// The user's settings changed for as long as it lives.
class ChangedSettings
{
public:
    explicit ChangedSettings(const std::vector<Override> &overrides)
    {
        for (const Override &o : overrides) {
            saved_.push_back({o.type, localeValue(o.type)});
            REQUIRE(SetLocaleInfoW(LOCALE_USER_DEFAULT, o.type, o.value.c_str()));
        }
    }
    ~ChangedSettings()
    {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it)
            SetLocaleInfoW(LOCALE_USER_DEFAULT, it->type, it->value.c_str());
    }
    ChangedSettings(const ChangedSettings &) = delete;
    ChangedSettings &operator=(const ChangedSettings &) = delete;

private:
    std::vector<Override> saved_;
};

struct Scenario
{
    const char *name;
    std::u16string locale;
    std::vector<Override> overrides;
    std::vector<CalculateRow> rows;
    // Whether the platform's own functions are to give the same texts or say they failed. Wine
    // 8's VarFormatNumber groups "3" as "3;0" and reads that back consistently: a different
    // text, but nothing that could be caught.
    bool platformChecked = true;
};

const std::vector<Scenario> kScenarios = {
    {"decimal symbol and digit grouping symbol swapped",
     u"en-US",
     {{LOCALE_SDECIMAL, L","}, {LOCALE_STHOUSAND, L"."}},
     {{I, u"100", u"100", u"0,51", u"0,52", u"13,21"},
      {I, u"1000", u"1000", u"5,08", u"51,76", u"1.314,70"},
      {M, u"50", u"9.842,52", u"50", u"5.014,02", u"127.356,0"},
      {M, u"1000", u"", u"1000", u"", u"", kTooLarge}}},
    {"an apostrophe between groups",
     u"en-US",
     {{LOCALE_STHOUSAND, L"'"}},
     {{I, u"1000", u"1000", u"5.08", u"51.76", u"1'314.70"},
      {M, u"50", u"9'842.52", u"50", u"5'014.02", u"127'356.0"}}},
    {"no decimals",
     u"en-US",
     {{LOCALE_IDIGITS, L"0"}},
     {{I, u"100", u"100", u"1", u"1", u"25"},
      {I, u"1000", u"1000", u"5", u"52", u"1,321"},
      {M, u"50", u"9,843", u"50", u"5,014", u"127,356"},
      {I, u"1", u"1", u"0", u"0", u"0"}}},
    {"three decimals",
     u"en-US",
     {{LOCALE_IDIGITS, L"3"}},
     {{I, u"1000", u"1000", u"5.080", u"51.760", u"1,314.704"},
      {I, u"10000", u"10000", u"50.800", u"5,175.983", u"131,469.9"},
      {M, u"50", u"9,842.520", u"50", u"5,014.016", u"127,356.0"}}},
    {"nine decimals",
     u"en-US",
     {{LOCALE_IDIGITS, L"9"}},
     {{I, u"100", u"100", u"0.5080000", u"0.5175983", u"13.146996"}}},
    {"no leading zero",
     u"en-US",
     {{LOCALE_ILZERO, L"0"}},
     {{I, u"100", u"100", u".51", u".52", u"13.21"},
      {I, u"1", u"1", u".01", u".00", u".00"},
      {M, u"0.1", u"19.69", u"0.1", u".02", u".51"}}},
    {"India's grouping",
     u"en-US",
     {{LOCALE_SGROUPING, L"3;2;0"}},
     {{I, u"1000", u"1000", u"5.08", u"51.76", u"1,314.70"},
      {I, u"10000", u"10000", u"50.80", u"5,175.98", u"1,31,469"},
      {M, u"50", u"9,842.52", u"50", u"5,014.02", u"1,27,356"}}},
    {"the first group only",
     u"en-US",
     {{LOCALE_SGROUPING, L"3"}},
     {{I, u"150000", u"150000", u"762.00", u"1164,596", u"29580,738"},
      {M, u"50", u"9,842.52", u"50", u"5,014.02", u"127,356.0"}},
     false},
    {"no grouping",
     u"en-US",
     {{LOCALE_SGROUPING, L"0"}},
     {{I, u"10000", u"10000", u"50.80", u"5175.98", u"131469.89"},
      {M, u"50", u"9842.52", u"50", u"5014.02", u"127356.09"}}},
    {"swapped symbols, India's grouping and no leading zero",
     u"en-US",
     {{LOCALE_SDECIMAL, L","},
      {LOCALE_STHOUSAND, L"."},
      {LOCALE_SGROUPING, L"3;2;0"},
      {LOCALE_ILZERO, L"0"}},
     {{I, u"100", u"100", u",51", u",52", u"13,21"},
      {I, u"10000", u"10000", u"50,80", u"5.175,98", u"1.31.469"}}},
    // The locale's own symbols are the other way round: a read-back by them gives 52 for 0.52.
    {"German with the English symbols",
     u"de-DE",
     {{LOCALE_SDECIMAL, L"."}, {LOCALE_STHOUSAND, L","}},
     {{I, u"100", u"100", u"0.51", u"0.52", u"13.21"},
      {I, u"1000", u"1000", u"5.08", u"51.76", u"1,314.70"},
      {M, u"50", u"9,842.52", u"50", u"5,014.02", u"127,356.0"}}},
};

} // namespace

TEST_CASE("Calculate with the user's own number settings")
{
    const std::u16string locale = expectedLocale();
    REQUIRE(userLocale() == locale);
    int run = 0;
    for (const Scenario &scenario : kScenarios) {
        if (scenario.locale != locale)
            continue;
        ++run;
        CAPTURE(scenario.name);
        const ChangedSettings changed(scenario.overrides);
        // The change took: a scenario that left the settings as they were would prove nothing.
        for (const Override &o : scenario.overrides)
            REQUIRE(localeValue(o.type) == o.value);

        const Win32RegionalSettings regional;
        CHECK(regional.usesDirectPath());
        const Win32RegionalSettings platform(Win32RegionalSettings::Path::PlatformOnly);
        for (const CalculateRow &row : scenario.rows) {
            CAPTURE(row.typed);
            checkRow(row, regional);

            const Verdict verdict = calculateRow(row, platform);
            const bool failed = verdict.outcome == Verdict::Outcome::Stop &&
                                verdict.fault == RuntimeError::Kind::NumberFunctionsFailed;
            // Whatever the platform makes of the settings, its failure is never an overflow.
            CHECK(!(verdict.outcome == Verdict::Outcome::Stop &&
                    verdict.fault == RuntimeError::Kind::Overflow));
            if (scenario.platformChecked && !failed && !row.stop) {
                REQUIRE(verdict.outcome == Verdict::Outcome::Show);
                const std::array<std::u16string, 4> boxes = boxesAfter(row, verdict);
                CHECK(boxes[1] == row.mps);
                CHECK(boxes[2] == row.in);
                CHECK(boxes[3] == row.mm);
            }
        }
    }
    // Only en-US and de-DE have scenarios; the other locales' runs have nothing to change.
    if (locale == u"en-US" || locale == u"de-DE")
        CHECK(run > 0);
}
