// The calculation core: the figures Calculate shows, the cut to the box, and where it stops,
// in each locale's number format.
#include "logic/calculation.h"
#include "runtime/fixedregionalsettings.h"
#include "tests/support/calculationcases.h"
#include "tests/support/doctesttext.h"
#include "tests/support/localeformats.h"

#include <doctest/doctest.h>

using namespace freefall;
using namespace freefall::testing;

namespace {

void checkVerdicts(const std::vector<CalculationCase> &rows, Verdict::Outcome outcome)
{
    for (const CalculationCase &row : rows) {
        SUBCASE(row.name)
        {
            const FixedRegionalSettings regional(localeFormat(row.locale));
            const Verdict verdict = calculate(row.mode, row.imperial, row.metric, regional);
            CHECK(verdict.outcome == outcome);
            CHECK(writesOf(verdict) == row.writes);
            if (outcome == Verdict::Outcome::Stop)
                CHECK(verdict.fault == row.fault);
        }
    }
}

} // namespace

TEST_CASE("shows")
{
    checkVerdicts(kShows, Verdict::Outcome::Show);
}

TEST_CASE("clears")
{
    checkVerdicts(kClears, Verdict::Outcome::Clear);
}

TEST_CASE("stops")
{
    checkVerdicts(kStops, Verdict::Outcome::Stop);
}

TEST_CASE("fits to box")
{
    for (const FitCase &row : kFitsToBox) {
        SUBCASE(row.name)
        {
            const FixedRegionalSettings regional(localeFormat(row.locale));
            if (row.shown.empty()) {
                try {
                    const std::u16string shown = fitToBox(std::u16string(row.formatted), regional);
                    FAIL_CHECK("shown as ", shown);
                } catch (const RuntimeError &error) {
                    CHECK(error.kind() == RuntimeError::Kind::TooLargeForBox);
                }
            } else {
                CHECK(fitToBox(std::u16string(row.formatted), regional) == row.shown);
            }
        }
    }
}

// The count of decimals is the regional settings' own; the second distance is read back from
// the first as its box shows it at that count.
TEST_CASE("shows at any count of decimals")
{
    struct Row
    {
        int decimals;
        UnitMode mode;
        std::u16string_view speed;
        std::vector<std::u16string> writes;
    };
    const UnitMode I = UnitMode::Imperial;
    const UnitMode M = UnitMode::Metric;
    const Row rows[] = {
        {0, I, u"100", {u"IN=1", u"MM=25", u"MPS=1"}},
        {0, M, u"50", {u"MM=127,356", u"IN=5,014", u"FPM=9,843"}},
        {1, M, u"1", {u"MM=50.9", u"IN=2.0", u"FPM=196.9"}},
        {3, I, u"100", {u"IN=0.518", u"MM=13.157", u"MPS=0.508"}},
        {3, I, u"1000", {u"IN=51.760", u"MM=1,314.704", u"MPS=5.080"}},
        {3, I, u"10000", {u"IN=5,175.983", u"MM=131,469.9", u"MPS=50.800"}},
        {3, M, u"50", {u"MM=127,356.0", u"IN=5,014.016", u"FPM=9,842.520"}},
    };
    for (const Row &row : rows) {
        CAPTURE(row.decimals);
        CAPTURE(row.speed);
        NumberFormat format = localeFormat("en_US");
        format.decimals = row.decimals;
        const FixedRegionalSettings regional(format);
        const Verdict verdict = row.mode == I ? calculate(I, row.speed, u"", regional)
                                              : calculate(M, u"", row.speed, regional);
        CHECK(verdict.outcome == Verdict::Outcome::Show);
        CHECK(writesOf(verdict) == row.writes);
    }
}
