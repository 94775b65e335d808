// The regional settings on Windows: those of the user's locale in Control Panel, written as
// OLE Automation's FormatNumber at its defaults writes them and read back by its inverse.
#pragma once

#include "runtime/fixedregionalsettings.h"
#include "runtime/regionalsettings.h"
#include "runtime/win32/localenumbersettings.h"

#include <optional>

namespace freefall {

class Win32RegionalSettings final : public RegionalSettings
{
public:
    // The platform defines the text: VarFormatNumber(value, -1, -2, -2, -2) of the value
    // rounded as shown, and VarR8FromStr with the user's locale. Where the locale's settings
    // fit a number format and the platform's text has been seen to agree with it, the same
    // text is written and read from that description; PlatformOnly never does, to check that.
    enum class Path
    {
        Direct,
        PlatformOnly
    };

    // The user's locale, read when made.
    explicit Win32RegionalSettings(Path path = Path::Direct);

    int decimals() const override { return settings_.decimals; }
    std::u16string_view decimalSeparator() const override { return settings_.decimalSeparator; }
    std::u16string FormatNumber(double value) const override;
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
