// The four text boxes of the window, described once: the core, the command line, the window's
// design and the tests all read them from here.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace freefall {

// Every box holds at most this many characters: typed, pasted or written by the program.
inline constexpr int kBoxMaxLength = 9;

// In the order the command line prints them.
enum class Box
{
    ImperialSpeed,
    MetricSpeed,
    StopInches,
    StopMillimeters
};

struct BoxDescription
{
    Box box;
    std::u16string_view name;   // the control's name in the design
    std::string_view unitLabel; // the label beside it, and the command line's line prefix
    std::u16string_view role;   // what it holds, in words a screen reader speaks
};

inline constexpr std::array<BoxDescription, 4> kBoxes = {{
    {Box::ImperialSpeed, u"txtImperialSpeed", "FPM", u"Speed in feet per minute"},
    {Box::MetricSpeed, u"txtMetricSpeed", "MPS", u"Speed in meters per second"},
    {Box::StopInches, u"txtStopInches", "IN", u"Stopping distance in inches"},
    {Box::StopMillimeters, u"txtStopMillimeters", "MM", u"Stopping distance in millimeters"},
}};

// A count as a word, for the texts that speak of the boxes: "four boxes".
constexpr std::string_view countWord(std::size_t count)
{
    constexpr std::array<std::string_view, 10> words = {"no",   "one", "two",   "three", "four",
                                                        "five", "six", "seven", "eight", "nine"};
    return count < words.size() ? words[count] : "many";
}

constexpr const BoxDescription &describe(Box box)
{
    return kBoxes[static_cast<std::size_t>(box)];
}

} // namespace freefall
