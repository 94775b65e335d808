// The regional settings on Linux: QLocale of the locale the environment names, with the same
// text written and read directly where the two have been seen to agree.
#pragma once

#include "runtime/numbertext.h"
#include "runtime/regionalsettings.h"

#include <QLocale>

#include <optional>

namespace freefall {

class QtRegionalSettings final : public RegionalSettings
{
public:
    // Two decimals always: a POSIX locale carries no decimal count, and two is the usual one.
    static constexpr int kDecimals = 2;

    // QLocale defines the text. Where a locale writes ASCII digits in groups of fixed sizes,
    // the same text is written and read directly, several times quicker, once it has been
    // seen to agree with QLocale's; QLocaleOnly always goes through QLocale, to check that.
    enum class Path
    {
        Direct,
        QLocaleOnly
    };

    // The locale named by LC_ALL, then LC_NUMERIC, then LANG, as the C library chooses it;
    // no installed system locale is needed. No name, "C" or "POSIX" gives the C locale.
    static QtRegionalSettings fromEnvironment(Path path = Path::Direct);

    // The number rules of one locale, with its digit grouping always on.
    explicit QtRegionalSettings(QLocale locale, Path path = Path::Direct);

    int decimals() const override { return kDecimals; }
    std::u16string_view decimalSeparator() const override;
    std::u16string FormatNumber(double value) const override;
    double toDouble(std::u16string_view text) const override;

    const QLocale &locale() const { return locale_; }
    bool usesDirectPath() const { return direct_.has_value(); }
    // The format the direct path writes, when there is one.
    const NumberFormat *directFormat() const
    {
        return direct_ ? &direct_->numberFormat() : nullptr;
    }

private:
    std::optional<NumberFormat> describedFormat() const;

    QLocale locale_;
    std::u16string decimalSeparator_;
    std::optional<NumberText> direct_;
};

} // namespace freefall
