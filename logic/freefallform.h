// The event handlers of the main window and the unit mode they share.
#pragma once

#include "calculation.h"
#include "forms.h"
#include "regionalsettings.h"

namespace freefall {

// The controls of the window that the handlers read and write.
struct FormControls
{
    TextBox &txtImperialSpeed;
    TextBox &txtMetricSpeed;
    TextBox &txtStopInches;
    TextBox &txtStopMillimeters;
    OptionButton &optImperial;
    OptionButton &optMetric;
    Window &frmFreefall;
};

class FreefallForm
{
public:
    FreefallForm(FormControls controls, const RegionalSettings &regional);

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
    TextBox &box(Box which) const;

    FormControls c_;
    const RegionalSettings &regional_;
    bool ImperialMode = true;
};

} // namespace freefall
