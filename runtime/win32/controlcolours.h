// The colours the text boxes and option buttons are drawn in: the user's system colours, and
// the design's where it sets them, with the text on them kept readable; in Windows' high-contrast
// mode the system's alone, as Windows' own controls are drawn.
#pragma once

#include "runtime/forms.h"

#include <optional>

namespace freefall {

// What the system says about colours when a control is drawn.
struct SystemColours
{
    bool highContrast = false;          // SPI_GETHIGHCONTRAST's HCF_HIGHCONTRASTON
    Colour window = colours::White;     // COLOR_WINDOW
    Colour windowText = colours::Black; // COLOR_WINDOWTEXT
    Colour buttonFace = 0x00F0F0F0;     // COLOR_BTNFACE
    Colour buttonText = colours::Black; // COLOR_BTNTEXT
};

// The system's colours as they are now; they change while the window is open.
SystemColours currentSystemColours();

struct TextColours
{
    Colour text;
    Colour background;
};

// A text box with the design's background colour, if any. In high contrast the background is
// the system's window colour, or its button face for a read-only box, as Windows draws a
// read-only edit, so that the output boxes still look read-only.
TextColours textBoxColours(const SystemColours &system, std::optional<Colour> designedBack,
                           bool readOnly);

// An option button's caption, on the button face, with the design's colour, if any.
Colour captionColour(const SystemColours &system, std::optional<Colour> designedFore);

} // namespace freefall
