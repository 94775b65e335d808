// What Calculate leaves in the four boxes of a fresh window, as the rows of the regional tests
// give it, and the check of one row against a regional settings object.
#pragma once

#include "logic/calculation.h"
#include "runtime/runtimeerror.h"
#include "tests/support/doctesttext.h"

#include <doctest/doctest.h>

#include <array>
#include <optional>
#include <string>

namespace freefall::testing {

// FPM, MPS, IN, MM after Calculate; or the fault that stopped it.
struct CalculateRow
{
    UnitMode mode;
    std::u16string typed;
    std::u16string fpm, mps, in, mm;
    std::optional<RuntimeError::Kind> stop = std::nullopt;
};

inline constexpr auto I = UnitMode::Imperial;
inline constexpr auto M = UnitMode::Metric;
inline constexpr auto kTooLarge = RuntimeError::Kind::TooLargeForBox;

inline Verdict calculateRow(const CalculateRow &row, const RegionalSettings &settings)
{
    const bool imperial = row.mode == UnitMode::Imperial;
    return calculate(row.mode, imperial ? row.typed : u"", imperial ? u"" : row.typed, settings);
}

// The four boxes after a verdict that showed its results.
inline std::array<std::u16string, 4> boxesAfter(const CalculateRow &row, const Verdict &verdict)
{
    const bool imperial = row.mode == UnitMode::Imperial;
    std::array<std::u16string, 4> boxes = {imperial ? row.typed : u"", imperial ? u"" : row.typed,
                                           u"", u""};
    for (const BoxWrite &write : verdict.writes)
        boxes[std::size_t(write.box)] = write.text;
    return boxes;
}

inline void checkRow(const CalculateRow &row, const RegionalSettings &settings)
{
    const Verdict verdict = calculateRow(row, settings);
    if (row.stop) {
        REQUIRE(verdict.outcome == Verdict::Outcome::Stop);
        CHECK(verdict.fault == *row.stop);
        return;
    }
    REQUIRE(verdict.outcome == Verdict::Outcome::Show);
    const std::array<std::u16string, 4> boxes = boxesAfter(row, verdict);
    CHECK(boxes[0] == row.fpm);
    CHECK(boxes[1] == row.mps);
    CHECK(boxes[2] == row.in);
    CHECK(boxes[3] == row.mm);
}

} // namespace freefall::testing
