// The design of the window frmFreefall: every control with its name, caption, position and size
// in twips, tab index, font, colours, tooltip, accessible text and the handler of its event.
// Each platform's window is built from these tables alone.
#pragma once

#include "logic/boxes.h"
#include "logic/freefallhandlers.h"

#include <array>
#include <string_view>

namespace freefall::design {

// Twips: 1440 to the inch, 15 to the pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;
inline constexpr double kReferenceDpi = 96.0;

struct Twips
{
    int left;
    int top;
    int width;
    int height;
};

enum class FontKind
{
    TextBox, // bold 12 pt
    Caption, // bold 9.75 pt: buttons, option buttons, unit and row labels
    Title,   // regular 13.5 pt
};

struct FontDesign
{
    double pointSize;
    bool bold;
};

constexpr FontDesign fontDesign(FontKind kind)
{
    switch (kind) {
    case FontKind::TextBox:
        return {12.0, true};
    case FontKind::Caption:
        return {9.75, true};
    case FontKind::Title:
        break;
    }
    return {13.5, false};
}

// Every control's font family; each platform names its stand-in where it is missing.
inline constexpr std::u16string_view kFontFamily = u"MS Sans Serif";

// The handler an event of a control raises; nullptr where the control's event is not handled.
using Handler = void (FreefallHandlers::*)();

struct WindowDesign
{
    std::u16string_view name;
    std::u16string_view title;
    int clientWidth;  // twips
    int clientHeight; // twips
};

// The title starts with a blank and ends, after nine blanks, with the publisher's host name.
inline constexpr WindowDesign kWindow = {
    u"frmFreefall",
    u" Gravity Stopping Distance Calculator         freefall.example",
    7905,
    3780,
};

struct TextBoxDesign
{
    Box box; // its name, role and maximum length
    Twips geometry;
    int tabIndex;
    bool yellow; // else the standard window colour
    bool locked;
    bool tabStop;
    std::u16string_view toolTip;
    std::u16string_view accessibleDescription;
    Handler change;
};

inline constexpr std::array<TextBoxDesign, 4> kTextBoxes = {{
    {Box::ImperialSpeed,
     {2700, 1560, 1455, 420},
     0,
     false,
     false,
     true,
     u" Initial velocity in feet per minute ",
     u"Initial velocity in feet per minute",
     &FreefallHandlers::txtImperialSpeed_Change},
    {Box::StopInches,
     {2700, 2220, 1455, 420},
     7,
     true,
     true,
     false,
     u" Free fall (gravity stopping distance) in inches ",
     u"Free fall (gravity stopping distance) in inches",
     nullptr},
    {Box::MetricSpeed,
     {5010, 1560, 1395, 420},
     1,
     false,
     false,
     true,
     u" Initial velocity in meters per second ",
     u"Initial velocity in meters per second",
     &FreefallHandlers::txtMetricSpeed_Change},
    {Box::StopMillimeters,
     {5010, 2220, 1395, 420},
     6,
     true,
     true,
     false,
     u" Free fall (gravity stopping distance) in millimeters ",
     u"Free fall (gravity stopping distance) in millimeters",
     nullptr},
}};

// Command buttons and option buttons differ only in what marked means.
struct ButtonDesign
{
    std::u16string_view name;
    std::u16string_view caption;
    Twips geometry;
    int tabIndex;
    bool marked; // a command button: the default button; an option button: selected at creation
    std::u16string_view accessibleName;
    std::u16string_view accessibleDescription;
    Handler click;
};

inline constexpr std::array<ButtonDesign, 2> kCommandButtons = {{
    {u"cmdCalculate",
     u"&Calculate",
     {2790, 2940, 1275, 555},
     2,
     true,
     u"Calculate",
     u"Calculate the stopping distance and the converted speed",
     &FreefallHandlers::cmdCalculate_Click},
    {u"cmdClear",
     u"C&lear",
     {5070, 2940, 1275, 555},
     3,
     false,
     u"Clear",
     u"Empty all four boxes",
     &FreefallHandlers::cmdClear_Click},
}};

// One group: selecting one clears the other.
inline constexpr std::array<ButtonDesign, 2> kOptionButtons = {{
    {u"optImperial",
     u"&Imperial",
     {2820, 1020, 1215, 255},
     4,
     true,
     u"Imperial units",
     u"Type the speed in feet per minute",
     &FreefallHandlers::optImperial_Click},
    {u"optMetric",
     u"&Metric",
     {5160, 1020, 1095, 255},
     5,
     false,
     u"Metric units",
     u"Type the speed in meters per second",
     &FreefallHandlers::optMetric_Click},
}};

struct LabelDesign
{
    std::u16string_view name;
    std::u16string_view caption;
    Twips geometry;
    int tabIndex;
    FontKind font;
    bool centred;                // else left-aligned
    std::u16string_view toolTip; // empty: none
    std::u16string_view accessibleDescription;
};

inline constexpr std::array<LabelDesign, 7> kLabels = {{
    {u"Label1",
     u"Gravity Stopping Distance Calculator",
     {1545, 240, 4815, 375},
     14,
     FontKind::Title,
     true,
     u"",
     u"Title of the calculator"},
    {u"Label4",
     u"Initial Velocity:",
     {840, 1680, 1575, 315},
     13,
     FontKind::Caption,
     false,
     u"",
     u"The speed row"},
    {u"Label5",
     u"Gravity Stopping Distance:",
     {840, 2160, 1755, 495},
     12,
     FontKind::Caption,
     false,
     u"",
     u"The distance row"},
    {u"Label6",
     u"FPM",
     {4260, 1680, 495, 315},
     11,
     FontKind::Caption,
     false,
     u" Feet per minute ",
     u"Feet per minute"},
    {u"Label7",
     u"IN",
     {4260, 2340, 255, 315},
     10,
     FontKind::Caption,
     false,
     u" Inches ",
     u"Inches"},
    {u"Label8",
     u"MPS",
     {6480, 1680, 495, 315},
     9,
     FontKind::Caption,
     false,
     u" Meters per second ",
     u"Meters per second"},
    {u"Label9",
     u"MM",
     {6480, 2340, 375, 315},
     8,
     FontKind::Caption,
     false,
     u" Millimeters ",
     u"Millimeters"},
}};

struct MenuDesign
{
    std::u16string_view titleName;
    std::u16string_view title;
    std::u16string_view itemName;
    std::u16string_view item;
    std::u16string_view shortcutText; // as menus show it, and in Qt's portable form
    char16_t shortcutKey;             // with Ctrl
    Handler click;
};

inline constexpr MenuDesign kMenu = {u"mnuHelp",
                                     u"&Help",
                                     u"mnuStopDisInfo",
                                     u"&Stopping Distance Info",
                                     u"Ctrl+S",
                                     u'S',
                                     &FreefallHandlers::mnuStopDisInfo_Click};

} // namespace freefall::design
