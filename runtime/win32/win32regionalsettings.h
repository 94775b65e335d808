// The regional settings on Windows: those of the user's locale in Control Panel, with the
// user's own changes, written as OLE Automation's FormatNumber at its defaults writes them and
// read back by its inverse.
#pragma once

#include "runtime/fixedregionalsettings.h"
#include "runtime/regionalsettings.h"
#include "runtime/win32/localenumbersettings.h"

#include <optional>

namespace freefall {

class Win32RegionalSettings final : public RegionalSettings
{
public:
    // The text is what Windows writes with the user's settings: VarFormatNumber(value, -1, -2,
    // -2, -2) of the value rounded as shown, read back by VarR8FromStr. Where the settings fit
    // a number format, as every choice Control Panel offers does, Direct writes and reads that
    // text from the settings themselves rather than through those functions, which some
    // implementations get wrong with the user's changes (Wine 8's VarFormatNumber fails with ","
    // as decimal symbol and its VarR8FromStr reads with the locale's symbols instead of the
    // user's). PlatformOnly always asks the platform, to compare.
    enum class Path
    {
        Direct,
        PlatformOnly
    };

    // The user's locale, read when made.
    explicit Win32RegionalSettings(Path path = Path::Direct);

    int decimals() const override { return settings_.decimals; }
    std::u16string_view decimalSeparator() const override { return settings_.decimalSeparator; }
    // Throws RuntimeError(NumberFunctionsFailed) where the platform fails to write the value.
    std::u16string FormatNumber(double value) const override;
    // Throws RuntimeError(NumberFunctionsFailed) where the platform reads a number that it would
    // not write as that text: a read-back with other separators than it wrote with.
    double toDouble(std::u16string_view text) const override;

    const LocaleNumberSettings &settings() const { return settings_; }
    bool usesDirectPath() const { return direct_.has_value(); }

private:
    std::u16string platformFormat(double value) const;
    double platformRead(std::u16string_view text) const;

    LocaleNumberSettings settings_;
    std::optional<FixedRegionalSettings> direct_;
};

} // namespace freefall
