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
    .name = u"frmFreefall",
    .title = u" Gravity Stopping Distance Calculator         freefall.example",
    .clientWidth = 7905,
    .clientHeight = 3780,
};

// How a text box looks at design time. The look of a speed box changes with the unit mode later;
// the handlers then set the same three properties explicitly.
enum class BoxLook
{
    Input,  // the standard window colour, editable, in the Tab order
    Output, // yellow, read-only, out of the Tab order
};

struct BoxLookProperties
{
    bool yellow; // else the standard window colour
    bool locked;
    bool tabStop;
};

constexpr BoxLookProperties properties(BoxLook look)
{
    return look == BoxLook::Output ? BoxLookProperties{true, true, false}
                                   : BoxLookProperties{false, false, true};
}

// A tooltip is padded with a blank on each side; what a screen reader gives as the control's
// description is the same words without them.
constexpr std::u16string_view withoutPadding(std::u16string_view toolTip)
{
    while (!toolTip.empty() && toolTip.front() == u' ')
        toolTip.remove_prefix(1);
    while (!toolTip.empty() && toolTip.back() == u' ')
        toolTip.remove_suffix(1);
    return toolTip;
}

struct TextBoxDesign
{
    Box box; // its name, role and maximum length
    Twips geometry;
    int tabIndex;
    BoxLook look;
    std::u16string_view toolTip; // also its accessible description, without the padding
    Handler change = nullptr;
};

inline constexpr std::array<TextBoxDesign, 4> kTextBoxes = {{
    {.box = Box::ImperialSpeed,
     .geometry = {2700, 1560, 1455, 420},
     .tabIndex = 0,
     .look = BoxLook::Input,
     .toolTip = u" Initial velocity in feet per minute ",
     .change = &FreefallHandlers::txtImperialSpeed_Change},
    {.box = Box::StopInches,
     .geometry = {2700, 2220, 1455, 420},
     .tabIndex = 7,
     .look = BoxLook::Output,
     .toolTip = u" Free fall (gravity stopping distance) in inches "},
    {.box = Box::MetricSpeed,
     .geometry = {5010, 1560, 1395, 420},
     .tabIndex = 1,
     .look = BoxLook::Input,
     .toolTip = u" Initial velocity in meters per second ",
     .change = &FreefallHandlers::txtMetricSpeed_Change},
    {.box = Box::StopMillimeters,
     .geometry = {5010, 2220, 1395, 420},
     .tabIndex = 6,
     .look = BoxLook::Output,
     .toolTip = u" Free fall (gravity stopping distance) in millimeters "},
}};

constexpr std::u16string_view accessibleDescription(const TextBoxDesign &design)
{
    return withoutPadding(design.toolTip);
}

// Command buttons and option buttons share one row type; each kind sets its own flag.
struct ButtonDesign
{
    std::u16string_view name;
    std::u16string_view caption;
    Twips geometry;
    int tabIndex;
    std::u16string_view accessibleName;
    std::u16string_view accessibleDescription;
    Handler click;
    bool defaultButton = false;      // a command button that Enter clicks
    bool selectedAtCreation = false; // an option button selected when the window opens
};

inline constexpr std::array<ButtonDesign, 2> kCommandButtons = {{
    {.name = u"cmdCalculate",
     .caption = u"&Calculate",
     .geometry = {2790, 2940, 1275, 555},
     .tabIndex = 2,
     .accessibleName = u"Calculate",
     .accessibleDescription = u"Calculate the stopping distance and the converted speed",
     .click = &FreefallHandlers::cmdCalculate_Click,
     .defaultButton = true},
    {.name = u"cmdClear",
     .caption = u"C&lear",
     .geometry = {5070, 2940, 1275, 555},
     .tabIndex = 3,
     .accessibleName = u"Clear",
     .accessibleDescription = u"Empty all four boxes",
     .click = &FreefallHandlers::cmdClear_Click},
}};

// One group: selecting one clears the other.
inline constexpr std::array<ButtonDesign, 2> kOptionButtons = {{
    {.name = u"optImperial",
     .caption = u"&Imperial",
     .geometry = {2820, 1020, 1215, 255},
     .tabIndex = 4,
     .accessibleName = u"Imperial units",
     .accessibleDescription = u"Type the speed in feet per minute",
     .click = &FreefallHandlers::optImperial_Click,
     .selectedAtCreation = true},
    {.name = u"optMetric",
     .caption = u"&Metric",
     .geometry = {5160, 1020, 1095, 255},
     .tabIndex = 5,
     .accessibleName = u"Metric units",
     .accessibleDescription = u"Type the speed in meters per second",
     .click = &FreefallHandlers::optMetric_Click},
}};

enum class Alignment
{
    Left,
    Centre,
};

struct LabelDesign
{
    std::u16string_view name;
    std::u16string_view caption;
    Twips geometry;
    int tabIndex;
    FontKind font;
    Alignment alignment = Alignment::Left;
    std::u16string_view toolTip = {};     // empty: none
    std::u16string_view description = {}; // where there is no tooltip to describe the label
};

inline constexpr std::array<LabelDesign, 7> kLabels = {{
    {.name = u"Label1",
     .caption = u"Gravity Stopping Distance Calculator",
     .geometry = {1545, 240, 4815, 375},
     .tabIndex = 14,
     .font = FontKind::Title,
     .alignment = Alignment::Centre,
     .description = u"Title of the calculator"},
    {.name = u"Label4",
     .caption = u"Initial Velocity:",
     .geometry = {840, 1680, 1575, 315},
     .tabIndex = 13,
     .font = FontKind::Caption,
     .description = u"The speed row"},
    {.name = u"Label5",
     .caption = u"Gravity Stopping Distance:",
     .geometry = {840, 2160, 1755, 495},
     .tabIndex = 12,
     .font = FontKind::Caption,
     .description = u"The distance row"},
    {.name = u"Label6",
     .caption = u"FPM",
     .geometry = {4260, 1680, 495, 315},
     .tabIndex = 11,
     .font = FontKind::Caption,
     .toolTip = u" Feet per minute "},
    {.name = u"Label7",
     .caption = u"IN",
     .geometry = {4260, 2340, 255, 315},
     .tabIndex = 10,
     .font = FontKind::Caption,
     .toolTip = u" Inches "},
    {.name = u"Label8",
     .caption = u"MPS",
     .geometry = {6480, 1680, 495, 315},
     .tabIndex = 9,
     .font = FontKind::Caption,
     .toolTip = u" Meters per second "},
    {.name = u"Label9",
     .caption = u"MM",
     .geometry = {6480, 2340, 375, 315},
     .tabIndex = 8,
     .font = FontKind::Caption,
     .toolTip = u" Millimeters "},
}};

constexpr std::u16string_view accessibleDescription(const LabelDesign &design)
{
    return design.toolTip.empty() ? design.description : withoutPadding(design.toolTip);
}

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

inline constexpr MenuDesign kMenu = {
    .titleName = u"mnuHelp",
    .title = u"&Help",
    .itemName = u"mnuStopDisInfo",
    .item = u"&Stopping Distance Info",
    .shortcutText = u"Ctrl+S",
    .shortcutKey = u'S',
    .click = &FreefallHandlers::mnuStopDisInfo_Click,
};

} // namespace freefall::design
