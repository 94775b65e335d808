// The window as it must appear at 96 dpi, written out from the design's drawings rather than
// computed from the design tables, so that a wrong table fails the windows' layout tests.
#pragma once

#include <array>
#include <string_view>

namespace freefall::testing {

enum class FixtureFont
{
    TextBox, // bold 12 pt
    Caption, // bold 9.75 pt
    Title,   // regular 13.5 pt
};

struct FixtureControl
{
    std::u16string_view name;
    int left, top, width, height; // pixels in the client area at 96 dpi
    FixtureFont font;
    std::u16string_view caption; // as the design writes it, access keys marked with "&"
    bool tabStopAfterLoad;       // whether Tab stops at it once the window is open
};

inline constexpr int kFixtureClientWidth = 527;
inline constexpr int kFixtureClientHeight = 252;

inline constexpr std::array<FixtureControl, 15> kFixtureControls = {{
    {u"txtImperialSpeed", 180, 104, 97, 28, FixtureFont::TextBox, u"", true},
    {u"txtMetricSpeed", 334, 104, 93, 28, FixtureFont::TextBox, u"", false},
    {u"txtStopInches", 180, 148, 97, 28, FixtureFont::TextBox, u"", false},
    {u"txtStopMillimeters", 334, 148, 93, 28, FixtureFont::TextBox, u"", false},
    {u"cmdCalculate", 186, 196, 85, 37, FixtureFont::Caption, u"&Calculate", true},
    {u"cmdClear", 338, 196, 85, 37, FixtureFont::Caption, u"C&lear", true},
    {u"optImperial", 188, 68, 81, 17, FixtureFont::Caption, u"&Imperial", true},
    {u"optMetric", 344, 68, 73, 17, FixtureFont::Caption, u"&Metric", false},
    {u"Label1", 103, 16, 321, 25, FixtureFont::Title, u"Gravity Stopping Distance Calculator",
     false},
    {u"Label4", 56, 112, 105, 21, FixtureFont::Caption, u"Initial Velocity:", false},
    {u"Label5", 56, 144, 117, 33, FixtureFont::Caption, u"Gravity Stopping Distance:", false},
    {u"Label6", 284, 112, 33, 21, FixtureFont::Caption, u"FPM", false},
    {u"Label7", 284, 156, 17, 21, FixtureFont::Caption, u"IN", false},
    {u"Label8", 432, 112, 33, 21, FixtureFont::Caption, u"MPS", false},
    {u"Label9", 432, 156, 25, 21, FixtureFont::Caption, u"MM", false},
}};

// The controls that take the focus, in the order of their tab indexes.
inline constexpr std::array<std::u16string_view, 8> kFixtureTabOrder = {
    u"txtImperialSpeed", u"txtMetricSpeed", u"cmdCalculate",       u"cmdClear",
    u"optImperial",      u"optMetric",      u"txtStopMillimeters", u"txtStopInches",
};

} // namespace freefall::testing
