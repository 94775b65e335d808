// FormatNumber and the regional conversion through OLE Automation. The value is rounded as shown
// before the platform formats it: the last digit then follows the program's rule, and the
// platform is never asked about the tiny values that some implementations refuse (Wine 8 fails
// below about 1e-4 where the result would be 0.00).
#include "runtime/win32/win32regionalsettings.h"

#include "runtime/numbertext.h"
#include "runtime/runtimeerror.h"
#include "runtime/shownnumber.h"
#include "runtime/win32/widetext.h"

#include <windows.h>

#include <oleauto.h>

#include <cmath>

namespace freefall {

namespace {

class Bstr
{
public:
    Bstr() = default;
    explicit Bstr(std::u16string_view text)
        : text_(SysAllocStringLen(toWide(text).c_str(), UINT(text.size())))
    {
    }
    ~Bstr() { SysFreeString(text_); }
    Bstr(const Bstr &) = delete;
    Bstr &operator=(const Bstr &) = delete;

    BSTR *out() { return &text_; }
    BSTR get() const { return text_; }
    std::u16string text() const
    {
        return text_ ? fromWide(std::wstring_view(text_, SysStringLen(text_))) : std::u16string();
    }

private:
    BSTR text_ = nullptr;
};

} // namespace

Win32RegionalSettings::Win32RegionalSettings(Path path) : settings_(userLocaleNumberSettings())
{
    if (path != Path::Direct)
        return;
    if (const std::optional<NumberFormat> format = describedFormat(settings_))
        direct_.emplace(*format);
}

std::u16string Win32RegionalSettings::FormatNumber(double value) const
{
    if (direct_)
        return direct_->FormatNumber(value);
    return platformFormat(value);
}

double Win32RegionalSettings::toDouble(std::u16string_view text) const
{
    if (direct_)
        return direct_->toDouble(text);
    return platformRead(text);
}

std::u16string Win32RegionalSettings::platformFormat(double value) const
{
    if (!std::isfinite(value))
        throw RuntimeError(RuntimeError::Kind::Overflow);
    VARIANT number;
    VariantInit(&number);
    number.vt = VT_R8;
    number.dblVal = roundedAsShown(value, settings_.decimals);
    Bstr text;
    // -1: the locale's count of decimals; -2: the locale's leading zero, negative form and
    // grouping.
    if (FAILED(VarFormatNumber(&number, -1, -2, -2, -2, 0, text.out())))
        throw RuntimeError(RuntimeError::Kind::NumberFunctionsFailed);
    return text.text();
}

double Win32RegionalSettings::platformRead(std::u16string_view text) const
{
    const Bstr input(text);
    double value = 0;
    if (!input.get() || FAILED(VarR8FromStr(input.get(), LOCALE_USER_DEFAULT, 0, &value)) ||
        !std::isfinite(value))
        throw RuntimeError(RuntimeError::Kind::TypeMismatch);
    // The text is what FormatNumber wrote, perhaps cut to fewer decimals: the value read must
    // write as that text again. A read with other separators gives another number ("0.52" read
    // as 52), which would pass for a result.
    if (!platformFormat(value).starts_with(text))
        throw RuntimeError(RuntimeError::Kind::NumberFunctionsFailed);
    return value;
}

} // namespace freefall
