// Box-text rules, checked against the regional conversion rather than against the formatter,
// so a formatter fault shows up as a text that reads back wrong.
#include "boxtext.h"

#include "calculation.h"
#include "require.h"
#include "runtimeerror.h"

#include <cmath>

namespace freefall::fuzz {

namespace {

double unitOfLastDigit(const QString &shown, const RegionalSettings &regional)
{
    const QString separator = regional.decimalSeparator();
    const qsizetype point = shown.indexOf(separator);
    if (point < 0)
        return 1.0;
    const auto decimals = shown.size() - point - separator.size();
    return std::pow(10.0, -static_cast<double>(decimals));
}

} // namespace

double checkBoxText(const QString &text, const RegionalSettings &regional, const QString &input)
{
    require(!text.isEmpty(), "a box is written empty", input);
    require(text.size() <= kBoxMaxLength, "a box text is longer than the box", input);
    require(!text.contains(u"inf", Qt::CaseInsensitive) &&
                !text.contains(u"nan", Qt::CaseInsensitive) && !text.contains(QChar(0x221E)),
            "a box shows a value that is not finite", input);
    try {
        const double back = regional.toDouble(text);
        require(std::isfinite(back), "a box text reads back as not finite", input);
        return back;
    } catch (const RuntimeError &) {
        violated("a box text does not read back", input);
    }
}

bool showsTruthfully(const QString &shown, double value, const RegionalSettings &regional)
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
