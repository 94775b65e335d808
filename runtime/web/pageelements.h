// The page's elements as the forms adapters reach them: by the id that is each control's design
// name, through JavaScript.
#pragma once

#include "runtime/forms.h"

#include <string>
#include <string_view>

namespace freefall::page {

std::u16string value(std::u16string_view id);
void setValue(std::u16string_view id, std::u16string_view text);
void setBackColor(std::u16string_view id, Colour colour);
void setReadOnly(std::u16string_view id, bool readOnly);
void setTabIndex(std::u16string_view id, int tabIndex);
void focus(std::u16string_view id);
// The colour of the caption that labels the control.
void setCaptionColour(std::u16string_view id, Colour colour);

// The page's own script shows the pointer and the message.
void setMousePointer(MousePointer pointer);
void showMessage(std::u16string_view title, std::u16string_view prompt);

// Intl.NumberFormat's parts of the given numbers in the browser's language, two decimals, Latin
// digits, encoded as parseNumberParts reads them.
std::u16string numberParts(double first, double second, double third);

} // namespace freefall::page
