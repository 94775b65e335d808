// Each tool is the control's own window, subclassed by the tooltip control so that it sees the
// mouse over the control without the owner relaying it.
#include "app/win32/formtooltips.h"

#include "runtime/win32/widetext.h"

#include <commctrl.h>

#include <string>

namespace freefall {

FormToolTips::FormToolTips(HWND owner)
    : owner_(owner),
      toolTips_(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                HINSTANCE(GetWindowLongPtrW(owner, GWLP_HINSTANCE)), nullptr))
{
}

FormToolTips::~FormToolTips()
{
    if (toolTips_)
        DestroyWindow(toolTips_);
}

void FormToolTips::add(HWND control, std::u16string_view text)
{
    if (!toolTips_ || text.empty())
        return;
    std::wstring copy = toWide(text); // the tooltip control keeps its own copy
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner_;
    tool.uId = UINT_PTR(control);
    tool.lpszText = copy.data();
    SendMessageW(toolTips_, TTM_ADDTOOLW, 0, LPARAM(&tool));
}

} // namespace freefall
