// A window's text as GetWindowText gives it: an edit's contents, a button's caption.
#pragma once

#include <windows.h>

#include <string>

namespace freefall {

std::wstring windowText(HWND window);

} // namespace freefall
