// High contrast comes from SPI_GETHIGHCONTRAST. Where the system does not report it (Wine 8
// always answers "off") but its colours are those of a high-contrast scheme, the design's
// colours stay and the readable-colour rule keeps every text legible on them.
#include "runtime/win32/controlcolours.h"

#include "runtime/readablecolour.h"

#include <windows.h>

namespace freefall {

SystemColours currentSystemColours()
{
    SystemColours system;
    HIGHCONTRASTW highContrast{};
    highContrast.cbSize = sizeof highContrast;
    system.highContrast =
        SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof highContrast, &highContrast, 0) &&
        (highContrast.dwFlags & HCF_HIGHCONTRASTON);
    system.window = GetSysColor(COLOR_WINDOW);
    system.windowText = GetSysColor(COLOR_WINDOWTEXT);
    system.buttonFace = GetSysColor(COLOR_BTNFACE);
    system.buttonText = GetSysColor(COLOR_BTNTEXT);
    return system;
}

TextColours textBoxColours(const SystemColours &system, std::optional<Colour> designedBack,
                           bool readOnly)
{
    if (system.highContrast)
        return {system.windowText, readOnly ? system.buttonFace : system.window};
    if (!designedBack)
        return {system.windowText, system.window};
    return {readableTextOn(*designedBack, system.windowText), *designedBack};
}

Colour captionColour(const SystemColours &system, std::optional<Colour> designedFore)
{
    if (system.highContrast || !designedFore)
        return system.buttonText;
    return nearestReadable(*designedFore, system.buttonFace, minimumCaptionContrast(*designedFore));
}

} // namespace freefall
