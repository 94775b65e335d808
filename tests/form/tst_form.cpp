// The window's handlers against in-memory controls: unit modes, Clear, stale results,
// Calculate's writes and stops, the formula message and the pointer keywords.
#include "../support/fakeforms.h"
#include "formulamessage.h"
#include "freefallform.h"

#include <QTest>

using namespace freefall;
using namespace freefall::testing;

namespace {

struct TestWindow
{
    EventDispatch dispatch;
    FormLog log;
    FakeTextBox imperial{"fpm", dispatch, log};
    FakeTextBox metric{"mps", dispatch, log};
    FakeTextBox inches{"in", dispatch, log};
    FakeTextBox millimetres{"mm", dispatch, log};
    FakeOptionButton optImperial;
    FakeOptionButton optMetric;
    FakeWindow frm;
    RegionalSettings regional{QLocale(QLocale::English, QLocale::UnitedStates)};
    FreefallForm form{{imperial, metric, inches, millimetres, optImperial, optMetric, frm}, regional};

    TestWindow()
    {
        imperial.onChange = [this] { form.txtImperialSpeed_Change(); };
        metric.onChange = [this] { form.txtMetricSpeed_Change(); };
        form.Form_Load();
        imperial.setFocus();
    }

    QStringList boxes() const
    {
        return {imperial.text(), metric.text(), inches.text(), millimetres.text()};
    }
    // A user's key press in a box, as the box's text afterwards.
    void typeAppend(FakeTextBox &box, const QString &keys)
    {
        for (QChar key : keys)
            box.type(box.text() + key);
    }
};

} // namespace

class tst_Form : public QObject
{
    Q_OBJECT

private slots:
    void startsInImperialMode();
    void calculates_data();
    void calculates();
    void calculateNestsTheConvertedSpeedsChange();
    void notPositiveClearsAndFocuses_data();
    void notPositiveClearsAndFocuses();
    void stopKeepsPartialWrites_data();
    void stopKeepsPartialWrites();
    void editingInputWipesStaleResults_data();
    void editingInputWipesStaleResults();
    void editingWithoutResultsChangesNothingElse();
    void switchingModeAfterACalculation();
    void clearWithEmptyBoxesOnlyMovesFocus();
    void showsTheFormulaMessage();
    void keywords_data();
    void keywords();
    void keywordLetterByLetter();
    void keywordAfterACalculation();
    void arrowAfterAFailedLoad();
    void noKeywordInMetricMode();
    void nestedErrorEndsTheTrappedWriter();
    void errorOutsideAnyTrapEndsOnlyItsHandler();
};

void tst_Form::startsInImperialMode()
{
    TestWindow w;
    QVERIFY(w.form.imperialMode());
    QCOMPARE(w.optImperial.foreColor, colours::Red);
    QCOMPARE(w.optMetric.foreColor, Colour(0x80000012)); // untouched until a switch
    QCOMPARE(w.metric.backColor(), colours::Yellow);
    QVERIFY(w.metric.locked());
    QVERIFY(!w.metric.tabStop());
    QCOMPARE(w.imperial.backColor(), Colour(0x80000005));
    QVERIFY(!w.imperial.locked());
}

void tst_Form::calculates_data()
{
    QTest::addColumn<bool>("metricMode");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("boxes"); // fpm, mps, in, mm

    QTest::newRow("imperial 100") << false << "100" << QStringList{"100", "0.51", "0.52", "13.21"};
    QTest::newRow("imperial 1000") << false << "1000" << QStringList{"1000", "5.08", "51.76", "1,314.70"};
    QTest::newRow("imperial 10000") << false << "10000" << QStringList{"10000", "50.80", "5,175.98", "131,469.8"};
    QTest::newRow("metric 1") << true << "1" << QStringList{"196.85", "1", "2.01", "50.94"};
    QTest::newRow("metric 50") << true << "50" << QStringList{"9,842.52", "50", "5,014.02", "127,356.0"};
}

void tst_Form::calculates()
{
    QFETCH(bool, metricMode);
    QFETCH(QString, typed);
    QFETCH(QStringList, boxes);
    TestWindow w;
    if (metricMode)
        w.form.optMetric_Click();
    w.typeAppend(metricMode ? w.metric : w.imperial, typed);
    w.form.cmdCalculate_Click();
    QCOMPARE(w.boxes(), boxes);
}

void tst_Form::calculateNestsTheConvertedSpeedsChange()
{
    TestWindow w;
    w.typeAppend(w.imperial, "100");
    w.log.events.clear();
    w.form.cmdCalculate_Click();
    // The write of the converted speed raises its change handler, which leaves everything be
    // in Imperial mode; likewise in Metric mode for the feet-per-minute box.
    QCOMPARE(w.log.events, (QStringList{"in=0.52", "mm=13.21", "mps=0.51"}));

    w.form.optMetric_Click();
    w.typeAppend(w.metric, "1");
    w.log.events.clear();
    w.form.cmdCalculate_Click();
    QCOMPARE(w.log.events, (QStringList{"mm=50.94", "in=2.01", "fpm=196.85"}));
    QCOMPARE(w.boxes(), (QStringList{"196.85", "1", "2.01", "50.94"}));
}

void tst_Form::notPositiveClearsAndFocuses_data()
{
    QTest::addColumn<bool>("metricMode");
    QTest::addColumn<QString>("typed");

    QTest::newRow("imperial negative") << false << "-5";
    QTest::newRow("imperial zero") << false << "0";
    QTest::newRow("imperial empty") << false << "";
    QTest::newRow("imperial text") << false << "abc";
    QTest::newRow("metric negative") << true << "-5";
    QTest::newRow("metric zero") << true << "0";
}

void tst_Form::notPositiveClearsAndFocuses()
{
    QFETCH(bool, metricMode);
    QFETCH(QString, typed);
    TestWindow w;
    if (metricMode)
        w.form.optMetric_Click();
    FakeTextBox &input = metricMode ? w.metric : w.imperial;
    // Results of an earlier calculation stand in the other boxes.
    w.typeAppend(input, "2");
    w.form.cmdCalculate_Click();
    input.type(typed);
    w.inches.setInitialText("1.00");
    w.millimetres.setInitialText("25.40");
    w.log.focused = nullptr;
    w.form.cmdCalculate_Click();
    QCOMPARE(w.boxes(), (QStringList{"", "", "", ""}));
    QCOMPARE(w.log.focused, &input);
}

void tst_Form::stopKeepsPartialWrites_data()
{
    QTest::addColumn<bool>("metricMode");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("boxes"); // fpm, mps, in, mm

    // The boxes hold "old" before Calculate; the box being computed keeps it.
    QTest::newRow("square overflows") << false << "1E200" << QStringList{"1E200", "old", "old", "old"};
    QTest::newRow("Val overflows") << false << "1E999" << QStringList{"1E999", "old", "old", "old"};
    QTest::newRow("mm too large after inches") << false << "99999" << QStringList{"99999", "old", "517,587.9", "old"};
    QTest::newRow("metric too large") << true << "1000" << QStringList{"old", "1000", "old", "old"};
}

void tst_Form::stopKeepsPartialWrites()
{
    QFETCH(bool, metricMode);
    QFETCH(QString, typed);
    QFETCH(QStringList, boxes);
    TestWindow w;
    if (metricMode)
        w.form.optMetric_Click();
    (metricMode ? w.metric : w.imperial).type(typed);
    for (FakeTextBox *box : {&w.imperial, &w.metric, &w.inches, &w.millimetres}) {
        if (box->text().isEmpty())
            box->setInitialText("old");
    }
    w.form.cmdCalculate_Click();
    QCOMPARE(w.boxes(), boxes);
}

void tst_Form::editingInputWipesStaleResults_data()
{
    QTest::addColumn<bool>("metricMode");
    QTest::addColumn<QStringList>("boxes");

    QTest::newRow("imperial") << false << QStringList{"1005", "", "", ""};
    QTest::newRow("metric") << true << QStringList{"", "15", "", ""};
}

void tst_Form::editingInputWipesStaleResults()
{
    QFETCH(bool, metricMode);
    QFETCH(QStringList, boxes);
    TestWindow w;
    if (metricMode)
        w.form.optMetric_Click();
    FakeTextBox &input = metricMode ? w.metric : w.imperial;
    w.typeAppend(input, metricMode ? "1" : "100");
    w.form.cmdCalculate_Click();
    w.typeAppend(input, "5");
    QCOMPARE(w.boxes(), boxes);
}

void tst_Form::editingWithoutResultsChangesNothingElse()
{
    TestWindow w;
    w.metric.setInitialText("x");
    w.millimetres.setInitialText("y");
    w.typeAppend(w.imperial, "12");
    QCOMPARE(w.boxes(), (QStringList{"12", "x", "", "y"}));
}

void tst_Form::switchingModeAfterACalculation()
{
    TestWindow w;
    w.typeAppend(w.imperial, "100");
    w.form.cmdCalculate_Click();
    w.form.optMetric_Click();
    QVERIFY(!w.form.imperialMode());
    QCOMPARE(w.boxes(), (QStringList{"", "", "", ""}));
    QCOMPARE(w.log.focused, &w.metric);
    QCOMPARE(w.metric.backColor(), colours::White);
    QVERIFY(!w.metric.locked());
    QVERIFY(w.metric.tabStop());
    QCOMPARE(w.imperial.backColor(), colours::Yellow);
    QVERIFY(w.imperial.locked());
    QVERIFY(!w.imperial.tabStop());
    QCOMPARE(w.optImperial.foreColor, colours::Black);
    QCOMPARE(w.optMetric.foreColor, colours::Red);

    w.typeAppend(w.metric, "1");
    w.form.cmdCalculate_Click();
    w.form.optImperial_Click();
    QVERIFY(w.form.imperialMode());
    QCOMPARE(w.boxes(), (QStringList{"", "", "", ""}));
    QCOMPARE(w.log.focused, &w.imperial);
    QCOMPARE(w.imperial.backColor(), colours::White);
    QCOMPARE(w.metric.backColor(), colours::Yellow);
    QCOMPARE(w.optImperial.foreColor, colours::Red);
    QCOMPARE(w.optMetric.foreColor, colours::Black);
}

void tst_Form::clearWithEmptyBoxesOnlyMovesFocus()
{
    TestWindow w;
    w.log.focused = nullptr;
    w.log.events.clear();
    w.form.cmdClear_Click();
    QCOMPARE(w.log.events, QStringList());
    QCOMPARE(w.log.focused, &w.imperial);
}

void tst_Form::showsTheFormulaMessage()
{
    TestWindow w;
    w.typeAppend(w.imperial, "100");
    w.form.cmdCalculate_Click();
    w.form.mnuStopDisInfo_Click();
    QCOMPARE(w.frm.messages.size(), 1);
    const auto &message = w.frm.messages.front();
    QCOMPARE(message.title, QStringLiteral("Gravity Stopping Distances"));
    QCOMPARE(message.buttons, 0);
    const QStringList lines = message.prompt.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 18);
    QVERIFY(!message.prompt.endsWith(u'\n'));
    QCOMPARE(message.prompt.count(u'\n'), 17);
    QCOMPARE(message.prompt.count(u'\r'), 17);
    QCOMPARE(lines[0], QStringLiteral("SECTION 1304 GRAVITY STOPPING DISTANCES"));
    QCOMPARE(lines[8], QStringLiteral("          S = V^2  /  19,320"));
    QCOMPARE(lines[12], QStringLiteral("          S = V^2  /  0.01963"));
    QCOMPARE(lines[15], QStringLiteral("  S = free fall (gravity stopping distance), in. (mm)"));
    QCOMPARE(lines[17], QStringLiteral("  ^ = to the power of"));
    for (int empty : {1, 5, 7, 9, 11, 13})
        QCOMPARE(lines[empty], QString());
    QCOMPARE(w.boxes(), (QStringList{"100", "0.51", "0.52", "13.21"}));
}

void tst_Form::keywords_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("fileValid"); // the file exists; whether it holds a picture
    QTest::addColumn<MousePointer>("pointer");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<QString>("boxAfter");

    const QString zinc = "C:\\ICONS\\ZincBasalt.ico";
    QTest::newRow("zinc") << "zinc" << true << MousePointer::Custom << zinc << "";
    QTest::newRow("cobalt keeps its folder case") << "cobalt" << true << MousePointer::Custom << "C:\\icons\\cobalt.ico" << "";
    QTest::newRow("quartz") << "quartz" << true << MousePointer::Custom << "C:\\ICONS\\quartz.ico" << "";
    QTest::newRow("arrow") << "arrow" << true << MousePointer::Default << "" << "";
    QTest::newRow("Zinc") << "Zinc" << true << MousePointer::Default << "" << "Zinc";
    QTest::newRow("leading blank") << " zinc" << true << MousePointer::Default << "" << " zinc";
    QTest::newRow("zinc1") << "zinc1" << true << MousePointer::Default << "" << "zinc1";
    QTest::newRow("broken picture") << "zinc" << false << MousePointer::Custom << "" << "zinc";
}

void tst_Form::keywords()
{
    QFETCH(QString, typed);
    QFETCH(bool, fileValid);
    QFETCH(MousePointer, pointer);
    QFETCH(QString, icon);
    QFETCH(QString, boxAfter);
    TestWindow w;
    for (const char *path : {"C:\\ICONS\\ZincBasalt.ico", "C:\\icons\\cobalt.ico", "C:\\ICONS\\quartz.ico"})
        w.frm.files.insert(path, fileValid);
    w.imperial.type(typed);
    QCOMPARE(w.frm.pointer, pointer);
    QCOMPARE(w.frm.iconPath(), icon);
    QCOMPARE(w.imperial.text(), boxAfter);
}

void tst_Form::keywordLetterByLetter()
{
    TestWindow w;
    w.frm.files.insert("C:\\ICONS\\quartz.ico", true);
    w.typeAppend(w.imperial, "quart");
    QCOMPARE(w.frm.pointer, MousePointer::Default);
    QCOMPARE(w.imperial.text(), QStringLiteral("quart"));
    w.typeAppend(w.imperial, "z");
    QCOMPARE(w.frm.pointer, MousePointer::Custom);
    QCOMPARE(w.imperial.text(), QString());
}

void tst_Form::keywordAfterACalculation()
{
    TestWindow w;
    w.frm.files.insert("C:\\icons\\cobalt.ico", true);
    w.typeAppend(w.imperial, "100");
    w.form.cmdCalculate_Click();
    w.imperial.type("cobalt");
    QCOMPARE(w.boxes(), (QStringList{"", "", "", ""}));
    QCOMPARE(w.frm.iconPath(), QStringLiteral("C:\\icons\\cobalt.ico"));
}

void tst_Form::arrowAfterAFailedLoad()
{
    TestWindow w;
    w.frm.files.insert("C:\\icons\\cobalt.ico", true);
    w.imperial.type("cobalt");
    w.imperial.type("zinc"); // missing: the pointer is custom, the cobalt picture stays
    QCOMPARE(w.frm.pointer, MousePointer::Custom);
    QCOMPARE(w.frm.iconPath(), QStringLiteral("C:\\icons\\cobalt.ico"));
    QCOMPARE(w.imperial.text(), QStringLiteral("zinc"));
    w.imperial.type("arrow");
    QCOMPARE(w.frm.pointer, MousePointer::Default);
    QCOMPARE(w.frm.iconPath(), QStringLiteral("C:\\icons\\cobalt.ico"));
    QCOMPARE(w.imperial.text(), QString());
}

void tst_Form::noKeywordInMetricMode()
{
    TestWindow w;
    w.frm.files.insert("C:\\ICONS\\ZincBasalt.ico", true);
    w.form.optMetric_Click();
    w.imperial.type("zinc"); // locked: the user cannot edit it
    QCOMPARE(w.imperial.text(), QString());
    QCOMPARE(w.frm.pointer, MousePointer::Default);
}

void tst_Form::nestedErrorEndsTheTrappedWriter()
{
    EventDispatch dispatch;
    FormLog log;
    FakeTextBox box("box", dispatch, log);
    box.onChange = [] { throw RuntimeError(RuntimeError::Kind::Overflow); };
    bool after = false;
    trapped([&] {
        box.setText("1");
        after = true;
    });
    QCOMPARE(box.text(), QStringLiteral("1"));
    QVERIFY(!after);
}

void tst_Form::errorOutsideAnyTrapEndsOnlyItsHandler()
{
    EventDispatch dispatch;
    FormLog log;
    FakeTextBox box("box", dispatch, log);
    int ran = 0;
    box.onChange = [&] {
        ++ran;
        throw std::runtime_error("untrapped");
    };
    box.type("1"); // a user's edit: nothing escapes the dispatch
    box.type("12");
    QCOMPARE(ran, 2);
    QCOMPARE(box.text(), QStringLiteral("12"));
}

QTEST_APPLESS_MAIN(tst_Form)
#include "tst_form.moc"
