// The design of the window frmFreefall: every control with its name, caption, position and size
// in twips, tab index, font, colours, tooltip and accessible text, read by frmFreefall.
#pragma once

#include "forms.h"

#include <array>

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

// The first family that is installed is used. Where the first is missing, Liberation Sans (metric
// compatible with the common Windows sans serif) stands in; the boxes show the widest results
// whole in it.
inline constexpr std::array<const char16_t *, 2> kFontFamilies = {u"MS Sans Serif",
                                                                  u"Liberation Sans"};

struct WindowDesign
{
    const char16_t *name;
    const char16_t *title;
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
    const char16_t *name;
    Twips geometry;
    int tabIndex;
    bool yellow; // else the standard window colour
    bool locked;
    bool tabStop;
    const char16_t *toolTip;
    const char16_t *accessibleName;
    const char16_t *accessibleDescription;
};

inline constexpr int kTextBoxMaxLength = 9;

inline constexpr std::array<TextBoxDesign, 4> kTextBoxes = {{
    {u"txtImperialSpeed",
     {2700, 1560, 1455, 420},
     0,
     false,
     false,
     true,
     u" Initial velocity in feet per minute ",
     u"Speed in feet per minute",
     u"Initial velocity in feet per minute"},
    {u"txtStopInches",
     {2700, 2220, 1455, 420},
     7,
     true,
     true,
     false,
     u" Free fall (gravity stopping distance) in inches ",
     u"Stopping distance in inches",
     u"Free fall (gravity stopping distance) in inches"},
    {u"txtMetricSpeed",
     {5010, 1560, 1395, 420},
     1,
     false,
     false,
     true,
     u" Initial velocity in meters per second ",
     u"Speed in meters per second",
     u"Initial velocity in meters per second"},
    {u"txtStopMillimeters",
     {5010, 2220, 1395, 420},
     6,
     true,
     true,
     false,
     u" Free fall (gravity stopping distance) in millimeters ",
     u"Stopping distance in millimeters",
     u"Free fall (gravity stopping distance) in millimeters"},
}};

struct CommandButtonDesign
{
    const char16_t *name;
    const char16_t *caption;
    Twips geometry;
    int tabIndex;
    bool isDefault;
    const char16_t *accessibleName;
    const char16_t *accessibleDescription;
};

inline constexpr std::array<CommandButtonDesign, 2> kCommandButtons = {{
    {u"cmdCalculate",
     u"&Calculate",
     {2790, 2940, 1275, 555},
     2,
     true,
     u"Calculate",
     u"Calculate the stopping distance and the converted speed"},
    {u"cmdClear", u"C&lear", {5070, 2940, 1275, 555}, 3, false, u"Clear", u"Empty all four boxes"},
}};

struct OptionButtonDesign
{
    const char16_t *name;
    const char16_t *caption;
    Twips geometry;
    int tabIndex;
    bool selected;
    const char16_t *accessibleName;
    const char16_t *accessibleDescription;
};

inline constexpr std::array<OptionButtonDesign, 2> kOptionButtons = {{
    {u"optImperial",
     u"&Imperial",
     {2820, 1020, 1215, 255},
     4,
     true,
     u"Imperial units",
     u"Type the speed in feet per minute"},
    {u"optMetric",
     u"&Metric",
     {5160, 1020, 1095, 255},
     5,
     false,
     u"Metric units",
     u"Type the speed in meters per second"},
}};

struct LabelDesign
{
    const char16_t *name;
    const char16_t *caption;
    Twips geometry;
    int tabIndex;
    FontKind font;
    bool centred;            // else left-aligned
    const char16_t *toolTip; // nullptr: none
    const char16_t *accessibleDescription;
};

inline constexpr std::array<LabelDesign, 7> kLabels = {{
    {u"Label1",
     u"Gravity Stopping Distance Calculator",
     {1545, 240, 4815, 375},
     14,
     FontKind::Title,
     true,
     nullptr,
     u"Title of the calculator"},
    {u"Label4",
     u"Initial Velocity:",
     {840, 1680, 1575, 315},
     13,
     FontKind::Caption,
     false,
     nullptr,
     u"The speed row"},
    {u"Label5",
     u"Gravity Stopping Distance:",
     {840, 2160, 1755, 495},
     12,
     FontKind::Caption,
     false,
     nullptr,
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
    const char16_t *titleName;
    const char16_t *title;
    const char16_t *itemName;
    const char16_t *item;
    const char16_t *itemShortcut; // in QKeySequence's portable form
};

inline constexpr MenuDesign kMenu = {u"mnuHelp", u"&Help", u"mnuStopDisInfo",
                                     u"&Stopping Distance Info", u"Ctrl+S"};

} // namespace freefall::design
