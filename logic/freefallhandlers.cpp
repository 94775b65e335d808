// The window's handlers: short sequences of property reads and writes, in the order the
// window has always performed them, since nested change handlers observe that order.
#include "logic/freefallhandlers.h"

#include "logic/calculation.h"
#include "logic/cursorkeywords.h"
#include "logic/formulamessage.h"
#include "runtime/runtimeerror.h"

namespace freefall {

FreefallHandlers::FreefallHandlers(FormControls controls, const RegionalSettings &regional)
    : c_(controls), regional_(regional)
{
}

void FreefallHandlers::Form_Load()
{
    c_.optImperial.setForeColor(colours::Red);
    c_.txtMetricSpeed.setBackColor(colours::Yellow);
    c_.txtMetricSpeed.setLocked(true);
    c_.txtMetricSpeed.setTabStop(false);
    ImperialMode = true;
}

void FreefallHandlers::cmdCalculate_Click()
{
    trapped([&] {
        const Verdict verdict =
            calculate(ImperialMode ? UnitMode::Imperial : UnitMode::Metric,
                      c_.txtImperialSpeed.text(), c_.txtMetricSpeed.text(), regional_);
        if (verdict.outcome == Verdict::Outcome::Clear) {
            cmdClear_Click();
            return;
        }
        // A stop leaves the boxes written before the fault with their new text.
        for (const BoxWrite &write : verdict.writes)
            c_.box(write.box).setText(write.text);
    });
}

void FreefallHandlers::cmdClear_Click()
{
    c_.txtImperialSpeed.setText(u"");
    c_.txtMetricSpeed.setText(u"");
    c_.txtStopInches.setText(u"");
    c_.txtStopMillimeters.setText(u"");
    if (ImperialMode)
        c_.txtImperialSpeed.setFocus();
    else
        c_.txtMetricSpeed.setFocus();
}

void FreefallHandlers::optImperial_Click()
{
    cmdClear_Click();
    c_.txtMetricSpeed.setBackColor(colours::Yellow);
    c_.txtMetricSpeed.setLocked(true);
    c_.txtMetricSpeed.setTabStop(false);
    c_.txtImperialSpeed.setBackColor(colours::White);
    c_.txtImperialSpeed.setLocked(false);
    c_.txtImperialSpeed.setFocus();
    c_.txtImperialSpeed.setTabStop(true);
    ImperialMode = true;
    c_.optImperial.setForeColor(colours::Red);
    c_.optMetric.setForeColor(colours::Black);
}

void FreefallHandlers::optMetric_Click()
{
    cmdClear_Click();
    c_.txtImperialSpeed.setBackColor(colours::Yellow);
    c_.txtImperialSpeed.setLocked(true);
    c_.txtImperialSpeed.setTabStop(false);
    c_.txtMetricSpeed.setBackColor(colours::White);
    c_.txtMetricSpeed.setLocked(false);
    c_.txtMetricSpeed.setFocus();
    c_.txtMetricSpeed.setTabStop(true);
    ImperialMode = false;
    c_.optImperial.setForeColor(colours::Black);
    c_.optMetric.setForeColor(colours::Red);
}

void FreefallHandlers::txtImperialSpeed_Change()
{
    trapped([&] {
        if (!c_.txtStopInches.text().empty() && ImperialMode) {
            c_.txtMetricSpeed.setText(u"");
            c_.txtStopInches.setText(u"");
            c_.txtStopMillimeters.setText(u"");
        }
        checkCursorKeywords();
    });
}

void FreefallHandlers::txtMetricSpeed_Change()
{
    if (!c_.txtStopMillimeters.text().empty() && !ImperialMode) {
        c_.txtImperialSpeed.setText(u"");
        c_.txtStopInches.setText(u"");
        c_.txtStopMillimeters.setText(u"");
    }
}

void FreefallHandlers::mnuStopDisInfo_Click()
{
    c_.services.msgBox(formulaMessage(), 0, kFormulaMessageTitle);
}

// The tail of txtImperialSpeed_Change, under its trap: a picture that cannot be loaded ends
// the handler with the pointer already custom and the keyword still in the box.
void FreefallHandlers::checkCursorKeywords()
{
    for (const CursorKeyword &row : kCursorKeywords) {
        if (c_.txtImperialSpeed.text() != row.keyword)
            continue;
        c_.services.setMousePointer(row.pointer);
        if (!row.iconFile.empty())
            c_.services.setMouseIcon(c_.services.loadPicture(row.iconFile));
        c_.txtImperialSpeed.setText(u"");
    }
}

} // namespace freefall
