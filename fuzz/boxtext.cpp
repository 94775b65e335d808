// Box-text rules, checked against the regional conversion rather than against the formatter,
// so a formatter fault shows up as a text that reads back wrong.
#include "fuzz/boxtext.h"

#include "fuzz/require.h"
#include "logic/calculation.h"
#include "runtime/runtimeerror.h"

#include <cmath>

namespace freefall::fuzz {

namespace {

bool containsCaseless(std::u16string_view text, std::u16string_view lowerWord)
{
    for (std::size_t i = 0; i + lowerWord.size() <= text.size(); ++i) {
        bool same = true;
        for (std::size_t j = 0; j < lowerWord.size() && same; ++j) {
            char16_t c = text[i + j];
            if (c >= u'A' && c <= u'Z')
                c = char16_t(c - u'A' + u'a');
            same = c == lowerWord[j];
        }
        if (same)
            return true;
    }
    return false;
}

double unitOfLastDigit(std::u16string_view shown, const RegionalSettings &regional)
{
    const std::u16string_view separator = regional.decimalSeparator();
    const std::size_t point = shown.find(separator);
    if (point == std::u16string_view::npos)
        return 1.0;
    const auto decimals = shown.size() - point - separator.size();
    return std::pow(10.0, -static_cast<double>(decimals));
}

} // namespace

double checkBoxText(std::u16string_view text, const RegionalSettings &regional,
                    std::u16string_view input)
{
    require(!text.empty(), "a box is written empty", input);
    require(text.size() <= std::size_t(kBoxMaxLength), "a box text is longer than the box", input);
    require(!containsCaseless(text, u"inf") && !containsCaseless(text, u"nan") &&
                text.find(u'\u221E') == std::u16string_view::npos,
            "a box shows a value that is not finite", input);
    try {
        const double back = regional.toDouble(text);
        require(std::isfinite(back), "a box text reads back as not finite", input);
        return back;
    } catch (const RuntimeError &) {
        violated("a box text does not read back", input);
    }
}

bool showsTruthfully(std::u16string_view shown, double value, const RegionalSettings &regional)
{
    double back = 0;
    try {
        back = regional.toDouble(shown);
    } catch (const RuntimeError &) {
        return false;
    }
    // The slack covers the 15 significant digits a double holds, far below any shown digit.
    const double slack = 1e-12 * std::fabs(value);
    return std::fabs(back - value) <= unitOfLastDigit(shown, regional) + slack;
}

} // namespace freefall::fuzz
