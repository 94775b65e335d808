// Annotations set on the control's client object replace the name and description the
// framework would otherwise derive (for a text box, from a neighbouring label's text).
#include "app/win32/accessiblenames.h"

#include "runtime/win32/widetext.h"

#include <initguid.h>
#include <oleacc.h>

#include <string>

namespace freefall {

AccessibleNames::AccessibleNames()
{
    void *services = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IAccPropServices, &services)))
        services_ = static_cast<IAccPropServices *>(services);
}

AccessibleNames::~AccessibleNames()
{
    clear();
    if (services_)
        services_->Release();
}

bool AccessibleNames::describe(HWND control, std::u16string_view name,
                               std::u16string_view description)
{
    if (!services_)
        return false;
    const std::wstring wideName = toWide(name);
    const std::wstring wideDescription = toWide(description);
    const bool named = SUCCEEDED(services_->SetHwndPropStr(
        control, DWORD(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME, wideName.c_str()));
    const bool described =
        description.empty() ||
        SUCCEEDED(services_->SetHwndPropStr(control, DWORD(OBJID_CLIENT), CHILDID_SELF,
                                            PROPID_ACC_DESCRIPTION, wideDescription.c_str()));
    if (named || described)
        described_.push_back(control);
    return named && described;
}

void AccessibleNames::clear()
{
    if (!services_)
        return;
    MSAAPROPID properties[] = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION};
    for (HWND control : described_)
        services_->ClearHwndProps(control, DWORD(OBJID_CLIENT), CHILDID_SELF, properties,
                                  int(std::size(properties)));
    described_.clear();
}

} // namespace freefall
