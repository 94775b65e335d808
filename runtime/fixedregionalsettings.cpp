// FormatNumber and its inverse by a fixed number format.
#include "runtime/fixedregionalsettings.h"

#include "runtime/doublechars.h"
#include "runtime/runtimeerror.h"

#include <charconv>
#include <cmath>
#include <string>

namespace freefall {

FixedRegionalSettings::FixedRegionalSettings(NumberFormat format) : text_(std::move(format)) {}

int FixedRegionalSettings::decimals() const
{
    return text_.numberFormat().decimals;
}

std::u16string_view FixedRegionalSettings::decimalSeparator() const
{
    return text_.numberFormat().decimalSeparator;
}

std::u16string FixedRegionalSettings::FormatNumber(double value) const
{
    if (std::optional<std::u16string> shown = text_.format(value))
        return *std::move(shown);
    if (!std::isfinite(value))
        throw RuntimeError(RuntimeError::Kind::Overflow);
    // Beyond 15 significant digits only the whole number counts: its digits as the double
    // holds them, grouped, with zero decimals.
    const NumberFormat &f = text_.numberFormat();
    char digits[400];
    const char *end =
        doubleToChars(digits, digits + sizeof digits, std::fabs(value), std::chars_format::fixed, 0)
            .ptr;
    std::u16string out = value < 0 ? f.minusSign : std::u16string();
    text_.appendGrouped(out, digits, int(end - digits));
    if (f.decimals > 0)
        out += f.decimalSeparator + std::u16string(std::size_t(f.decimals), u'0');
    return out;
}

double FixedRegionalSettings::toDouble(std::u16string_view text) const
{
    if (const std::optional<double> value = text_.read(text))
        return *value;
    throw RuntimeError(RuntimeError::Kind::TypeMismatch);
}

} // namespace freefall
