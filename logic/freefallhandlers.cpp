// The window's handlers: short sequences of property reads and writes, in the order the
// window has always performed them, since nested change handlers observe that order.
#include "logic/freefallhandlers.h"

#include "logic/calculation.h"
#include "logic/cursorkeywords.h"
#include "logic/formulamessage.h"
#include "runtime/runtimeerror.h"

namespace freefall {

FreefallHandlers::FreefallHandlers(FormControls controls, const RegionalSettings &regional)
    : c_(controls), txtImperialSpeed(c_.box(Box::ImperialSpeed)),
      txtMetricSpeed(c_.box(Box::MetricSpeed)), txtStopInches(c_.box(Box::StopInches)),
      txtStopMillimeters(c_.box(Box::StopMillimeters)), optImperial(c_.optImperial),
      optMetric(c_.optMetric), regional_(regional)
{
}

void FreefallHandlers::Form_Load()
{
    optImperial.setForeColor(colours::Red);
    txtMetricSpeed.setBackColor(colours::Yellow);
    txtMetricSpeed.setLocked(true);
    txtMetricSpeed.setTabStop(false);
    ImperialMode = true;
}

void FreefallHandlers::cmdCalculate_Click()
{
    trapped([&] {
        const Verdict verdict =
            calculate(ImperialMode ? UnitMode::Imperial : UnitMode::Metric, txtImperialSpeed.text(),
                      txtMetricSpeed.text(), regional_);
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
    txtImperialSpeed.setText(u"");
    txtMetricSpeed.setText(u"");
    txtStopInches.setText(u"");
    txtStopMillimeters.setText(u"");
    if (ImperialMode)
        txtImperialSpeed.setFocus();
    else
        txtMetricSpeed.setFocus();
}

void FreefallHandlers::optImperial_Click()
{
    cmdClear_Click();
    txtMetricSpeed.setBackColor(colours::Yellow);
    txtMetricSpeed.setLocked(true);
    txtMetricSpeed.setTabStop(false);
    txtImperialSpeed.setBackColor(colours::White);
    txtImperialSpeed.setLocked(false);
    txtImperialSpeed.setFocus();
    txtImperialSpeed.setTabStop(true);
    ImperialMode = true;
    optImperial.setForeColor(colours::Red);
    optMetric.setForeColor(colours::Black);
}

void FreefallHandlers::optMetric_Click()
{
    cmdClear_Click();
    txtImperialSpeed.setBackColor(colours::Yellow);
    txtImperialSpeed.setLocked(true);
    txtImperialSpeed.setTabStop(false);
    txtMetricSpeed.setBackColor(colours::White);
    txtMetricSpeed.setLocked(false);
    txtMetricSpeed.setFocus();
    txtMetricSpeed.setTabStop(true);
    ImperialMode = false;
    optImperial.setForeColor(colours::Black);
    optMetric.setForeColor(colours::Red);
}

void FreefallHandlers::txtImperialSpeed_Change()
{
    trapped([&] {
        if (!txtStopInches.text().empty() && ImperialMode) {
            txtMetricSpeed.setText(u"");
            txtStopInches.setText(u"");
            txtStopMillimeters.setText(u"");
        }
        checkCursorKeywords();
    });
}

void FreefallHandlers::txtMetricSpeed_Change()
{
    if (!txtStopMillimeters.text().empty() && !ImperialMode) {
        txtImperialSpeed.setText(u"");
        txtStopInches.setText(u"");
        txtStopMillimeters.setText(u"");
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
        if (txtImperialSpeed.text() != row.keyword)
            continue;
        c_.services.setMousePointer(row.pointer);
        if (!row.iconFile.empty())
            c_.services.setMouseIcon(c_.services.loadPicture(row.iconFile));
        txtImperialSpeed.setText(u"");
    }
}

} // namespace freefall
