// Reads the locale's number settings with GetLocaleInfoEx and turns them into the description
// of a number format.
#include "runtime/win32/localenumbersettings.h"

#include "runtime/numbertext.h"
#include "runtime/win32/widetext.h"

#include <windows.h>

#include <charconv>
#include <vector>

namespace freefall {

namespace {

std::u16string localeText(LCTYPE type, std::u16string fallback)
{
    // Every number setting is at most a few characters; 80 is the documented maximum.
    wchar_t buffer[80];
    const int length =
        GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer, int(std::size(buffer)));
    if (length <= 0)
        return fallback;
    return fromWide(std::wstring_view(buffer, std::size_t(length - 1)));
}

int localeNumber(LCTYPE type, int fallback)
{
    DWORD value = 0;
    const int length =
        GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type | LOCALE_RETURN_NUMBER,
                        reinterpret_cast<wchar_t *>(&value), sizeof value / sizeof(wchar_t));
    return length > 0 ? int(value) : fallback;
}

// "3;2;0" as {3, 2, 0}; none for anything that is not digits between semicolons.
std::optional<std::vector<int>> groupSizes(std::u16string_view grouping)
{
    std::vector<int> sizes;
    std::string ascii;
    for (std::size_t start = 0; start <= grouping.size();) {
        std::size_t end = grouping.find(u';', start);
        if (end == std::u16string_view::npos)
            end = grouping.size();
        ascii.clear();
        for (char16_t c : grouping.substr(start, end - start)) {
            if (c < u'0' || c > u'9')
                return std::nullopt;
            ascii.push_back(char(c));
        }
        int size = 0;
        if (ascii.empty() ||
            std::from_chars(ascii.data(), ascii.data() + ascii.size(), size).ec != std::errc())
            return std::nullopt;
        sizes.push_back(size);
        start = end + 1;
    }
    return sizes;
}

} // namespace

LocaleNumberSettings userLocaleNumberSettings()
{
    const LocaleNumberSettings defaults;
    LocaleNumberSettings s;
    s.decimalSeparator = localeText(LOCALE_SDECIMAL, defaults.decimalSeparator);
    s.groupSeparator = localeText(LOCALE_STHOUSAND, defaults.groupSeparator);
    s.grouping = localeText(LOCALE_SGROUPING, defaults.grouping);
    s.negativeSign = localeText(LOCALE_SNEGATIVESIGN, defaults.negativeSign);
    s.negativeOrder = localeNumber(LOCALE_INEGNUMBER, defaults.negativeOrder);
    s.leadingZero = localeNumber(LOCALE_ILZERO, 1) != 0;
    s.decimals = localeNumber(LOCALE_IDIGITS, defaults.decimals);
    return s;
}

std::optional<NumberFormat> describedFormat(const LocaleNumberSettings &settings)
{
    NumberFormat format;
    switch (settings.negativeOrder) {
    case 1:
        format.minusSign = settings.negativeSign;
        break;
    case 2:
        format.minusSign = settings.negativeSign + u" ";
        break;
    default: // parentheses or a sign after the number
        return std::nullopt;
    }
    // "3;0" threes, "3;2;0" a three then twos, "3" one three and the rest together, "0" none:
    // a trailing 0 repeats the size before it. Other lists ("3;2", one two and then none) are
    // the platform's.
    const std::optional<std::vector<int>> sizes = groupSizes(settings.grouping);
    if (!sizes)
        return std::nullopt;
    const std::vector<int> &g = *sizes;
    if (g.front() == 0 || settings.groupSeparator.empty()) {
        format.leastGroup = 0;
        format.higherGroups = 0;
    } else if (g.size() == 1) {
        format.leastGroup = g[0];
        format.higherGroups = 0;
    } else if ((g.size() == 2 || g.size() == 3) && g.back() == 0 && g[g.size() - 2] != 0) {
        format.leastGroup = g[0];
        format.higherGroups = g[g.size() - 2];
    } else {
        return std::nullopt;
    }
    format.decimalSeparator = settings.decimalSeparator;
    format.groupSeparator = settings.groupSeparator;
    format.decimals = settings.decimals;
    format.leadingZero = settings.leadingZero;
    // Windows groups every number with more digits than the least group ("1.234" in es-ES).
    format.leadingAtLeast = 1;
    if (!NumberText::canDescribe(format))
        return std::nullopt;
    return format;
}

} // namespace freefall
