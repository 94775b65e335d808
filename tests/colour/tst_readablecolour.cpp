// The contrast ratio as WCAG 2 measures it, the theme text kept where it reads on a designed
// background, and a designed colour moved only as far as it must to read, keeping its hue.
#include "runtime/readablecolour.h"

#include <doctest/doctest.h>

#include <cmath>

using namespace freefall;

namespace {

// Written as 0xRRGGBB, the way colours are usually read; the forms hold 0x00BBGGRR.
constexpr Colour rgb(unsigned value)
{
    return Colour((value >> 16) & 0xFF) | Colour(value & 0xFF00) | Colour(value & 0xFF) << 16;
}

} // namespace

TEST_CASE("contrast ratio")
{
    struct Row
    {
        const char *name;
        Colour a, b;
        double ratio; // to two decimals
    };
    const Row rows[] = {
        {"black on white", colours::Black, colours::White, 21.0},
        {"white on black", colours::White, colours::Black, 21.0},
        {"same colour", rgb(0x123456), rgb(0x123456), 1.0},
        {"grey 777 on white", rgb(0x777777), colours::White, 4.48},
        {"red on white", colours::Red, colours::White, 4.0},
        {"white on yellow", colours::White, colours::Yellow, 1.07},
        {"red on light face", colours::Red, rgb(0xefefef), 3.48},
        {"red on dark window", colours::Red, rgb(0x353535), 3.07},
        {"red on black", colours::Red, colours::Black, 5.25},
    };
    for (const Row &row : rows) {
        CAPTURE(row.name);
        CHECK(std::round(contrastRatio(row.a, row.b) * 100) / 100 == row.ratio);
    }
    // The channels in 0x00BBGGRR order: red and blue weigh differently.
    CHECK(relativeLuminance(colours::Red) == doctest::Approx(0.2126));
    CHECK(relativeLuminance(0x00FF0000) == doctest::Approx(0.0722));
}

TEST_CASE("the theme's text on a designed background")
{
    struct Row
    {
        const char *name;
        Colour background, themeText, expected;
    };
    const Row rows[] = {
        {"light theme on yellow: kept", colours::Yellow, colours::Black, colours::Black},
        {"grey theme text on yellow: kept", colours::Yellow, rgb(0x2e3436), rgb(0x2e3436)},
        {"dark theme on yellow: black", colours::Yellow, rgb(0xf0f0f0), colours::Black},
        {"dark theme on white: black", colours::White, colours::White, colours::Black},
        {"black text on navy: white", rgb(0x000080), colours::Black, colours::White},
        // A system colour may come with flags in its top byte; they are no part of the colour.
        {"flags above the colour", colours::Yellow, 0x01000000, colours::Black},
    };
    for (const Row &row : rows) {
        CAPTURE(row.name);
        CHECK(readableTextOn(row.background, row.themeText) == row.expected);
    }
}

TEST_CASE("the nearest readable colour")
{
    struct Row
    {
        const char *name;
        Colour colour, background;
        double minimum;
        Colour expected;
    };
    const Row rows[] = {
        {"red on the light face: kept", colours::Red, rgb(0xefefef), 3.0, colours::Red},
        {"red on the dark window: kept", colours::Red, rgb(0x353535), 3.0, colours::Red},
        {"black on the light face: kept", colours::Black, rgb(0xefefef), 4.5, colours::Black},
        // Red darkened on a mid grey and lightened on a darker one, keeping its hue.
        {"red on mid grey: darker red", colours::Red, rgb(0xa0a0a0), 3.0, rgb(0xa80000)},
        {"red on dark grey: lighter red", colours::Red, rgb(0x505050), 3.0, rgb(0xff7171)},
        // The grey whose luminance is 4.5 x (0.0356 + 0.05) - 0.05, rounded up to the next level.
        {"black on the dark window: grey", colours::Black, rgb(0x353535), 4.5, rgb(0x9d9d9d)},
        {"black on black: grey", colours::Black, colours::Black, 4.5, rgb(0x757575)},
        {"white on white: grey", colours::White, colours::White, 4.5, rgb(0x767676)},
        // A high-contrast scheme's black button face: the unselected caption turns grey.
        {"black caption on black face", colours::Black, colours::Black, 4.5, rgb(0x757575)},
    };
    for (const Row &row : rows) {
        CAPTURE(row.name);
        const Colour readable = nearestReadable(row.colour, row.background, row.minimum);
        CHECK(readable == row.expected);
        CHECK(contrastRatio(readable, row.background) >= row.minimum);
    }
}

TEST_CASE("the selected caption's red is held to 3 to 1, every other caption to 4.5")
{
    CHECK(minimumCaptionContrast(colours::Red) == kMarkContrast);
    CHECK(minimumCaptionContrast(colours::Black) == kTextContrast);
    CHECK(minimumCaptionContrast(rgb(0x800000)) == kTextContrast);
}
