// The bare page of the readiness benchmark: the same window with the formulas in JavaScript and
// nothing else, ready as soon as its script has run.
(function () {
    'use strict';

    function box(id) {
        return document.getElementById(id);
    }

    var imperial = true;

    function clear() {
        ['txtImperialSpeed', 'txtMetricSpeed', 'txtStopInches', 'txtStopMillimeters'].forEach(
            function (id) {
                box(id).value = '';
            });
        box(imperial ? 'txtImperialSpeed' : 'txtMetricSpeed').focus();
    }

    function calculate() {
        var v = parseFloat(box(imperial ? 'txtImperialSpeed' : 'txtMetricSpeed').value);
        if (!(v > 0)) {
            clear();
            return;
        }
        if (imperial) {
            var inches = (v * v / 19320).toFixed(2);
            box('txtStopInches').value = inches;
            box('txtStopMillimeters').value = (Number(inches) * 25.4).toFixed(2);
            box('txtMetricSpeed').value = (v * 0.00508).toFixed(2);
        } else {
            var mm = (v * v / 0.01963).toFixed(2);
            box('txtStopMillimeters').value = mm;
            box('txtStopInches').value = (Number(mm) * 0.03937007874016).toFixed(2);
            box('txtImperialSpeed').value = (v * 196.850393700788).toFixed(2);
        }
    }

    function choose(toImperial) {
        imperial = toImperial;
        clear();
        box('txtImperialSpeed').readOnly = !imperial;
        box('txtMetricSpeed').readOnly = imperial;
    }

    box('cmdCalculate').addEventListener('click', calculate);
    box('cmdClear').addEventListener('click', clear);
    box('optImperial').addEventListener('change', function () { choose(true); });
    box('optMetric').addEventListener('change', function () { choose(false); });
    document.querySelectorAll('.window [disabled]').forEach(function (control) {
        control.disabled = false;
    });
    box('txtMetricSpeed').readOnly = true;
    box('txtImperialSpeed').focus();
})();
