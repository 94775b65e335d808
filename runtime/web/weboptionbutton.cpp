// ForeColor is the colour of the option's caption, the label of its radio input.
#include "runtime/web/weboptionbutton.h"

#include "runtime/web/pageelements.h"

namespace freefall {

void WebOptionButton::setForeColor(Colour colour)
{
    page::setCaptionColour(id_, colour);
}

} // namespace freefall
