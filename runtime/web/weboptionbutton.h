// An option button on the page: a radio input, whose label carries its caption.
#pragma once

#include "runtime/forms.h"

#include <string_view>

namespace freefall {

class WebOptionButton final : public OptionButton
{
public:
    explicit WebOptionButton(std::u16string_view id) : id_(id) {}
    void setForeColor(Colour colour) override;

private:
    std::u16string_view id_;
};

} // namespace freefall
