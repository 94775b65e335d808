// The page's tab index for a control, shared by the markup and the program that later sets it.
#pragma once

namespace freefall::web {

// The design counts tab indexes from 0; the page's count from 1, since 0 would put the control
// after every numbered one.
constexpr int pageTabIndex(int designIndex)
{
    return designIndex + 1;
}

} // namespace freefall::web
