// The colours of the text boxes and option buttons for each kind of scheme: the design's kept
// and made readable where Windows reports no high contrast (also in a high-contrast scheme that
// Wine does not report), the system's alone where it does, with read-only boxes on the button
// face as Windows draws them.
#include "runtime/readablecolour.h"
#include "runtime/win32/controlcolours.h"

#include <doctest/doctest.h>

#include <windows.h>

#include <optional>

using namespace freefall;

namespace {

const SystemColours kLight{false, colours::White, colours::Black, 0x00F0F0F0, colours::Black};
const SystemColours kBlackReported{true, colours::Black, colours::White, colours::Black,
                                   colours::White};
const SystemColours kWhiteReported{true, colours::White, colours::Black, colours::White,
                                   colours::Black};
const SystemColours kBlackUnreported{false, colours::Black, colours::White, colours::Black,
                                     colours::White};
// Windows 11's "Desert": the window and the button face a cream, the text a dark grey.
const SystemColours kDesertReported{true, 0x00EFFAFF, 0x003D3D3D, 0x00EFFAFF, 0x003D3D3D};
// A dark scheme of the user's own, without high contrast.
const SystemColours kDarkCustom{false, 0x00202020, colours::White, 0x00303030, 0x00E0E0E0};

constexpr Colour kGrey75 = 0x00757575;

} // namespace

TEST_CASE("text boxes: the design's background with text that reads, or the system's pair")
{
    struct Row
    {
        const char *name;
        const SystemColours &system;
        std::optional<Colour> designed;
        bool readOnly;
        TextColours expected;
    };
    const std::optional<Colour> none;
    const Row rows[] = {
        {"light, standard input box", kLight, none, false, {colours::Black, colours::White}},
        {"light, output box", kLight, colours::Yellow, true, {colours::Black, colours::Yellow}},
        {"light, white input box", kLight, colours::White, false, {colours::Black, colours::White}},
        {"reported black, output box",
         kBlackReported,
         colours::Yellow,
         true,
         {colours::White, colours::Black}},
        {"reported black, white input box",
         kBlackReported,
         colours::White,
         false,
         {colours::White, colours::Black}},
        {"reported black, standard input box",
         kBlackReported,
         none,
         false,
         {colours::White, colours::Black}},
        {"reported white, output box",
         kWhiteReported,
         colours::Yellow,
         true,
         {colours::Black, colours::White}},
        {"reported desert, output box on the face",
         kDesertReported,
         colours::Yellow,
         true,
         {0x003D3D3D, 0x00EFFAFF}},
        // Wine's high contrast: white system text would vanish on the design's white and yellow.
        {"unreported black, output box",
         kBlackUnreported,
         colours::Yellow,
         true,
         {colours::Black, colours::Yellow}},
        {"unreported black, white input box",
         kBlackUnreported,
         colours::White,
         false,
         {colours::Black, colours::White}},
        {"unreported black, standard input box",
         kBlackUnreported,
         none,
         false,
         {colours::White, colours::Black}},
        {"dark custom, output box",
         kDarkCustom,
         colours::Yellow,
         true,
         {colours::Black, colours::Yellow}},
        {"dark custom, standard input box", kDarkCustom, none, false, {colours::White, 0x00202020}},
    };
    for (const Row &row : rows) {
        CAPTURE(row.name);
        const TextColours colours = textBoxColours(row.system, row.designed, row.readOnly);
        CHECK(colours.text == row.expected.text);
        CHECK(colours.background == row.expected.background);
        CHECK(contrastRatio(colours.text, colours.background) >= kTextContrast);
    }
}

TEST_CASE("option captions: the design's colour moved only as far as it must, or the system's")
{
    struct Row
    {
        const char *name;
        const SystemColours &system;
        std::optional<Colour> designed;
        Colour expected;
        double minimum;
    };
    const std::optional<Colour> none;
    const Row rows[] = {
        {"light, selected red", kLight, colours::Red, colours::Red, kMarkContrast},
        {"light, unselected black", kLight, colours::Black, colours::Black, kTextContrast},
        {"light, no colour set", kLight, none, colours::Black, kTextContrast},
        {"reported black, selected", kBlackReported, colours::Red, colours::White, kTextContrast},
        {"reported black, unselected", kBlackReported, colours::Black, colours::White,
         kTextContrast},
        {"reported white, selected", kWhiteReported, colours::Red, colours::Black, kTextContrast},
        {"unreported black, selected red reads", kBlackUnreported, colours::Red, colours::Red,
         kMarkContrast},
        {"unreported black, unselected black turns grey", kBlackUnreported, colours::Black, kGrey75,
         kTextContrast},
        // The grey of luminance 4.5 x (0.0296 + 0.05) - 0.05 on the face 0x303030: level 151.
        {"dark custom, unselected", kDarkCustom, colours::Black, 0x00979797, kTextContrast},
    };
    for (const Row &row : rows) {
        CAPTURE(row.name);
        const Colour caption = captionColour(row.system, row.designed);
        CHECK(caption == row.expected);
        CHECK(contrastRatio(caption, row.system.buttonFace) >= row.minimum);
    }
}

TEST_CASE("the system's colours as they are now")
{
    const SystemColours system = currentSystemColours();
    CHECK(system.window == GetSysColor(COLOR_WINDOW));
    CHECK(system.windowText == GetSysColor(COLOR_WINDOWTEXT));
    CHECK(system.buttonFace == GetSysColor(COLOR_BTNFACE));
    CHECK(system.buttonText == GetSysColor(COLOR_BTNTEXT));
    HIGHCONTRASTW highContrast{};
    highContrast.cbSize = sizeof highContrast;
    REQUIRE(SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof highContrast, &highContrast, 0));
    CHECK(system.highContrast == ((highContrast.dwFlags & HCF_HIGHCONTRASTON) != 0));
}
