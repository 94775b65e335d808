// The event handlers of the window frmFreefall and the unit mode they share.
#pragma once

#include "logic/boxes.h"
#include "runtime/forms.h"
#include "runtime/regionalsettings.h"

#include <array>
#include <cstddef>

namespace freefall {

// The controls of the window that the handlers read and write.
struct FormControls
{
    std::array<TextBox *, kBoxes.size()> boxes; // in Box order
    OptionButton &optImperial;
    OptionButton &optMetric;
    FormServices &services;

    TextBox &box(Box which) const { return *boxes[static_cast<std::size_t>(which)]; }
};

class FreefallHandlers
{
public:
    FreefallHandlers(FormControls controls, const RegionalSettings &regional);

    void Form_Load();
    void cmdCalculate_Click();
    void cmdClear_Click();
    void optImperial_Click();
    void optMetric_Click();
    void txtImperialSpeed_Change();
    void txtMetricSpeed_Change();
    void mnuStopDisInfo_Click();

    bool imperialMode() const { return ImperialMode; }

private:
    void checkCursorKeywords();

    FormControls c_;
    TextBox &txtImperialSpeed;
    TextBox &txtMetricSpeed;
    TextBox &txtStopInches;
    TextBox &txtStopMillimeters;
    OptionButton &optImperial;
    OptionButton &optMetric;
    const RegionalSettings &regional_;
    bool ImperialMode = true;
};

} // namespace freefall
