// The page's markup from the design tables: the window's title, the stylesheet that places and
// sizes the controls, and the window element with its menu bar and fifteen controls.
#pragma once

#include <string>

namespace freefall::web {

// The title bar text, leading blank and all, escaped for the title element.
std::string titleMarkup();

// Positions and sizes in CSS pixels (a twip is 1/15 of one) and the design's fonts.
std::string styleMarkup();

// The controls in reading order, top to bottom and left to right; each control's element has
// its design name as id, and the tab indexes follow the design. Every control starts disabled
// until the page's program is ready.
std::string windowMarkup();

} // namespace freefall::web
