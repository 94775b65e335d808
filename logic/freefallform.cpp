// The window's handlers: short sequences of property reads and writes, in the order the
// window has always performed them, since nested change handlers observe that order.
#include "freefallform.h"

#include "cursorkeywords.h"
#include "formulamessage.h"
#include "runtimeerror.h"

namespace freefall {

FreefallForm::FreefallForm(FormControls controls, const RegionalSettings &regional)
    : c_(controls), regional_(regional)
{
}

void FreefallForm::Form_Load()
{
    c_.optImperial.setForeColor(colours::Red);
    c_.txtMetricSpeed.setBackColor(colours::Yellow);
    c_.txtMetricSpeed.setLocked(true);
    c_.txtMetricSpeed.setTabStop(false);
    ImperialMode = true;
}

void FreefallForm::cmdCalculate_Click()
{
    trapped([&] {
        const Verdict verdict = calculate(ImperialMode ? UnitMode::Imperial : UnitMode::Metric,
                                          c_.txtImperialSpeed.text(), c_.txtMetricSpeed.text(),
                                          regional_);
        if (verdict.outcome == Verdict::Outcome::Clear) {
            cmdClear_Click();
            return;
        }
        // A stop leaves the boxes written before the fault with their new text.
        for (int i = 0; i < verdict.writeCount; ++i) {
            const BoxWrite &write = verdict.writes[static_cast<std::size_t>(i)];
            box(write.box).setText(write.text);
        }
    });
}

void FreefallForm::cmdClear_Click()
{
    c_.txtImperialSpeed.setText(QString());
    c_.txtMetricSpeed.setText(QString());
    c_.txtStopInches.setText(QString());
    c_.txtStopMillimeters.setText(QString());
    if (ImperialMode)
        c_.txtImperialSpeed.setFocus();
    else
        c_.txtMetricSpeed.setFocus();
}

void FreefallForm::optImperial_Click()
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

void FreefallForm::optMetric_Click()
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

void FreefallForm::txtImperialSpeed_Change()
{
    trapped([&] {
        if (!c_.txtStopInches.text().isEmpty() && ImperialMode) {
            c_.txtMetricSpeed.setText(QString());
            c_.txtStopInches.setText(QString());
            c_.txtStopMillimeters.setText(QString());
        }
        checkCursorKeywords();
    });
}

void FreefallForm::txtMetricSpeed_Change()
{
    if (!c_.txtStopMillimeters.text().isEmpty() && !ImperialMode) {
        c_.txtImperialSpeed.setText(QString());
        c_.txtStopInches.setText(QString());
        c_.txtStopMillimeters.setText(QString());
    }
}

void FreefallForm::mnuStopDisInfo_Click()
{
    c_.frmFreefall.msgBox(formulaMessage(), 0, QString::fromUtf16(kFormulaMessageTitle));
}

// The tail of txtImperialSpeed_Change, under its trap: a picture that cannot be loaded ends
// the handler with the pointer already custom and the keyword still in the box.
void FreefallForm::checkCursorKeywords()
{
    for (const CursorKeyword &row : kCursorKeywords) {
        if (c_.txtImperialSpeed.text() != QStringView(row.keyword))
            continue;
        c_.frmFreefall.setMousePointer(row.pointer);
        if (row.iconFile)
            c_.frmFreefall.setMouseIcon(c_.frmFreefall.loadPicture(QString::fromUtf16(row.iconFile)));
        c_.txtImperialSpeed.setText(QString());
    }
}

TextBox &FreefallForm::box(Box which) const
{
    switch (which) {
    case Box::ImperialSpeed:
        return c_.txtImperialSpeed;
    case Box::MetricSpeed:
        return c_.txtMetricSpeed;
    case Box::StopInches:
        return c_.txtStopInches;
    case Box::StopMillimeters:
        break;
    }
    return c_.txtStopMillimeters;
}

} // namespace freefall
