// The window as a user works it: typing, Enter and the default button, mode switches, Clear,
// access keys, tab order, tooltips, accessible text, fonts, geometry and the title.
#include "app/qt/frmfreefall.h"
#include "logic/boxes.h"
#include "runtime/qt/regional/qtregionalsettings.h"
#include "runtime/qt/textboxedit.h"
#include "tests/support/designfixture.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QToolTip>

#include <memory>

using freefall::frmFreefall;
using freefall::TextBoxEdit;

namespace {

using freefall::testing::FixtureControl;
using freefall::testing::FixtureFont;
using freefall::testing::kFixtureClientHeight;
using freefall::testing::kFixtureClientWidth;
using freefall::testing::kFixtureControls;

// The four boxes' names, in the order of their description.
QStringList boxNames()
{
    QStringList names;
    for (const freefall::BoxDescription &box : freefall::kBoxes)
        names << QString::fromStdU16String(std::u16string(box.name));
    return names;
}

const QStringList kBoxNames = boxNames();

// A colour of 0x00BBGGRR, as the handlers give it.
QColor fromBgr(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startState();
    void typeAndCalculate_data();
    void typeAndCalculate();
    void tenthCharacterRefused_data();
    void tenthCharacterRefused();
    void editingInputWipesStaleResults_data();
    void editingInputWipesStaleResults();
    void lockedBoxTakesCaretAndCopies_data();
    void lockedBoxTakesCaretAndCopies();
    void switchMode_data();
    void switchMode();
    void choosingSelectedOptionKeepsBoxes();
    void clear_data();
    void clear();
    void enterGoesToDefaultOrFocusedButton_data();
    void enterGoesToDefaultOrFocusedButton();
    void accessKeys_data();
    void accessKeys();
    void accessKeysAreDistinct();
    void helpMenuByAccessKey();
    void tabOrder_data();
    void tabOrder();
    void toolTips_data();
    void toolTips();
    void toolTipShownWithItsBlanks();
    void accessibleText_data();
    void accessibleText();
    void geometry_data();
    void geometry();
    void clientAreaAndFrame();
    void noControlsOverlap();
    void fonts_data();
    void fonts();
    void widestResultsShowWhole_data();
    void widestResultsShowWhole();
    void captionsFit_data();
    void captionsFit();
    void title();
    void windowIcon();

private:
    template <typename T = QWidget> T *control(const QString &name) const
    {
        T *widget = window_->findChild<T *>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
    TextBoxEdit *box(const QString &name) const { return control<TextBoxEdit>(name); }
    QStringList boxTexts() const;
    void type(const QString &boxName, const QString &text);
    void chooseMetricByMouse();
    QColor standardBase() const { return QLineEdit().palette().color(QPalette::Base); }
    QColor standardOptionText() const
    {
        QRadioButton plain;
        return plain.palette().color(plain.foregroundRole());
    }
    // Pixels at 96 dpi at the screen's own DPI.
    int scaled(int pixels) const
    {
        return qRound(pixels * window_->screen()->logicalDotsPerInch() / 96.0);
    }

    freefall::QtRegionalSettings regional_{QLocale::c()};
    std::unique_ptr<frmFreefall> window_;
};

void TestWindow::init()
{
    window_ = std::make_unique<frmFreefall>(regional_);
    window_->centreOnScreen();
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void TestWindow::cleanup()
{
    window_.reset();
}

QStringList TestWindow::boxTexts() const
{
    QStringList texts;
    for (const QString &name : kBoxNames)
        texts << box(name)->text();
    return texts;
}

void TestWindow::type(const QString &boxName, const QString &text)
{
    QTest::keyClicks(box(boxName), text);
}

void TestWindow::chooseMetricByMouse()
{
    QTest::mouseClick(control(u"optMetric"_qs), Qt::LeftButton);
}

void TestWindow::startState()
{
    QCOMPARE(QApplication::focusWidget(), box(u"txtImperialSpeed"_qs));
    QVERIFY(window_->imperialMode());
    QCOMPARE(boxTexts(), QStringList(4));

    auto *imperial = control<QRadioButton>(u"optImperial"_qs);
    auto *metric = control<QRadioButton>(u"optMetric"_qs);
    QVERIFY(imperial->isChecked());
    QVERIFY(!metric->isChecked());
    QCOMPARE(imperial->palette().color(imperial->foregroundRole()), fromBgr(0x0000FF));
    QCOMPARE(metric->palette().color(metric->foregroundRole()), standardOptionText());

    // The feet-per-minute box keeps the standard colour until a switch back sets white.
    TextBoxEdit *input = box(u"txtImperialSpeed"_qs);
    QCOMPARE(input->palette().color(QPalette::Base), standardBase());
    QVERIFY(!input->isReadOnly());
    QCOMPARE(input->focusPolicy(), Qt::StrongFocus);
    for (const QString &name :
         {u"txtMetricSpeed"_qs, u"txtStopInches"_qs, u"txtStopMillimeters"_qs}) {
        QCOMPARE(box(name)->palette().color(QPalette::Base), fromBgr(0x00FFFF));
        QVERIFY(box(name)->isReadOnly());
        QCOMPARE(box(name)->focusPolicy(), Qt::ClickFocus);
    }
    for (const QString &name : kBoxNames)
        QCOMPARE(box(name)->maxLength(), 9);
}

void TestWindow::typeAndCalculate_data()
{
    QTest::addColumn<bool>("metric");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("boxes"); // ft/min, m/s, in, mm

    const QStringList hundred = {u"100"_qs, u"0.51"_qs, u"0.52"_qs, u"13.21"_qs};
    QTest::newRow("Return") << false << u"100"_qs << u"return"_qs << hundred;
    QTest::newRow("keypad Enter") << false << u"100"_qs << u"enter"_qs << hundred;
    QTest::newRow("mouse on Calculate") << false << u"100"_qs << u"click"_qs << hundred;
    QTest::newRow("metric, ten-character result cut to nine")
        << true << u"50"_qs << u"return"_qs
        << QStringList{u"9,842.52"_qs, u"50"_qs, u"5,014.02"_qs, u"127,356.0"_qs};
    QTest::newRow("metric, decimals dropped")
        << true << u"160"_qs << u"return"_qs
        << QStringList{u"31,496.06"_qs, u"160"_qs, u"51,343.54"_qs, u"1,304,126"_qs};
    QTest::newRow("zero clears") << false << u"0"_qs << u"return"_qs << QStringList(4);
    QTest::newRow("text clears") << false << u"fast"_qs << u"return"_qs << QStringList(4);
    QTest::newRow("too large for its box: nothing written")
        << false << u"999999999"_qs << u"return"_qs
        << QStringList{u"999999999"_qs, QString(), QString(), QString()};
}

void TestWindow::typeAndCalculate()
{
    QFETCH(bool, metric);
    QFETCH(QString, typed);
    QFETCH(QString, how);
    QFETCH(QStringList, boxes);

    if (metric)
        chooseMetricByMouse();
    const QString input = metric ? u"txtMetricSpeed"_qs : u"txtImperialSpeed"_qs;
    type(input, typed);
    if (how == u"return")
        QTest::keyClick(box(input), Qt::Key_Return);
    else if (how == u"enter")
        QTest::keyClick(box(input), Qt::Key_Enter, Qt::KeypadModifier);
    else
        QTest::mouseClick(control(u"cmdCalculate"_qs), Qt::LeftButton);
    QCOMPARE(boxTexts(), boxes);
}

void TestWindow::tenthCharacterRefused_data()
{
    QTest::addColumn<bool>("metric");
    QTest::addColumn<bool>("paste");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("after");

    for (const bool metric : {false, true}) {
        const char *unit = metric ? "m/s" : "ft/min";
        QTest::addRow("%s, typed", unit)
            << metric << false << QString() << u"1234567890"_qs << u"123456789"_qs;
        QTest::addRow("%s, pasted whole", unit)
            << metric << true << QString() << u"1234567890"_qs << u"123456789"_qs;
        QTest::addRow("%s, pasted into a full box", unit)
            << metric << true << u"123456789"_qs << u"5"_qs << u"123456789"_qs;
        QTest::addRow("%s, pasted onto eight", unit)
            << metric << true << u"12345678"_qs << u"90"_qs << u"123456789"_qs;
    }
}

void TestWindow::tenthCharacterRefused()
{
    QFETCH(bool, metric);
    QFETCH(bool, paste);
    QFETCH(QString, before);
    QFETCH(QString, input);
    QFETCH(QString, after);

    if (metric)
        chooseMetricByMouse();
    const QString name = metric ? u"txtMetricSpeed"_qs : u"txtImperialSpeed"_qs;
    type(name, before);
    if (paste) {
        QGuiApplication::clipboard()->setText(input);
        QTest::keySequence(box(name), QKeySequence::Paste);
    } else {
        type(name, input);
    }
    QCOMPARE(box(name)->text(), after);
}

void TestWindow::editingInputWipesStaleResults_data()
{
    QTest::addColumn<bool>("metric");
    QTest::addColumn<QStringList>("afterEdit");

    QTest::newRow("ft/min") << false << QStringList{u"1000"_qs, QString(), QString(), QString()};
    QTest::newRow("m/s") << true << QStringList{QString(), u"1000"_qs, QString(), QString()};
}

void TestWindow::editingInputWipesStaleResults()
{
    QFETCH(bool, metric);
    QFETCH(QStringList, afterEdit);

    if (metric)
        chooseMetricByMouse();
    const QString name = metric ? u"txtMetricSpeed"_qs : u"txtImperialSpeed"_qs;
    type(name, u"100"_qs);
    QTest::keyClick(box(name), Qt::Key_Return);
    QVERIFY(!box(u"txtStopInches"_qs)->text().isEmpty());
    type(name, u"0"_qs);
    QCOMPARE(boxTexts(), afterEdit);
}

void TestWindow::lockedBoxTakesCaretAndCopies_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("m/s") << u"txtMetricSpeed"_qs;
    QTest::newRow("in") << u"txtStopInches"_qs;
    QTest::newRow("mm") << u"txtStopMillimeters"_qs;
}

void TestWindow::lockedBoxTakesCaretAndCopies()
{
    QFETCH(QString, name);

    type(u"txtImperialSpeed"_qs, u"100"_qs);
    QTest::keyClick(box(u"txtImperialSpeed"_qs), Qt::Key_Return);
    const QStringList results = boxTexts();

    TextBoxEdit *locked = box(name);
    QTest::mouseClick(locked, Qt::LeftButton, {}, QPoint(4, locked->height() / 2));
    QCOMPARE(QApplication::focusWidget(), locked);
    QVERIFY(locked->isReadOnlyCaretShown());
    QCOMPARE(locked->cursorPosition(), 0);

    QTest::keyClicks(locked, u"7"_qs);
    QTest::keyClick(locked, Qt::Key_Delete);
    QTest::keyClick(locked, Qt::Key_End);
    QTest::keyClick(locked, Qt::Key_Backspace);
    QGuiApplication::clipboard()->setText(u"9"_qs);
    QTest::keySequence(locked, QKeySequence::Paste);
    QCOMPARE(boxTexts(), results);

    QGuiApplication::clipboard()->clear();
    QTest::keySequence(locked, QKeySequence::SelectAll);
    QTest::keySequence(locked, QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), locked->text());
}

void TestWindow::switchMode_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("mouse") << u"mouse"_qs;
    QTest::newRow("access keys") << u"alt"_qs;
    QTest::newRow("arrow keys") << u"arrow"_qs;
}

void TestWindow::switchMode()
{
    QFETCH(QString, how);

    auto *imperial = control<QRadioButton>(u"optImperial"_qs);
    auto *metric = control<QRadioButton>(u"optMetric"_qs);
    TextBoxEdit *fpm = box(u"txtImperialSpeed"_qs);
    TextBoxEdit *mps = box(u"txtMetricSpeed"_qs);
    const QColor red = fromBgr(0x0000FF), black = fromBgr(0), white = fromBgr(0xFFFFFF),
                 yellow = fromBgr(0x00FFFF);

    const auto choose = [&](QRadioButton *option, Qt::Key accessKey) {
        if (how == u"mouse") {
            QTest::mouseClick(option, Qt::LeftButton);
        } else if (how == u"alt") {
            QTest::keyClick(window_.get(), accessKey, Qt::AltModifier);
        } else {
            // Tab enters the group at the selected button; an arrow moves to the other one.
            QWidget *selected = option == metric ? imperial : metric;
            selected->setFocus(Qt::TabFocusReason);
            QTest::keyClick(selected, option == metric ? Qt::Key_Right : Qt::Key_Up);
        }
    };

    type(u"txtImperialSpeed"_qs, u"100"_qs);
    QTest::keyClick(fpm, Qt::Key_Return);
    choose(metric, Qt::Key_M);
    QTRY_VERIFY(!window_->imperialMode());
    QVERIFY(metric->isChecked() && !imperial->isChecked());
    QCOMPARE(boxTexts(), QStringList(4));
    QCOMPARE(QApplication::focusWidget(), mps);
    QCOMPARE(mps->palette().color(QPalette::Base), white);
    QVERIFY(!mps->isReadOnly());
    QCOMPARE(mps->focusPolicy(), Qt::StrongFocus);
    QCOMPARE(fpm->palette().color(QPalette::Base), yellow);
    QVERIFY(fpm->isReadOnly());
    QCOMPARE(fpm->focusPolicy(), Qt::ClickFocus);
    QCOMPARE(imperial->palette().color(imperial->foregroundRole()), black);
    QCOMPARE(metric->palette().color(metric->foregroundRole()), red);

    type(u"txtMetricSpeed"_qs, u"50"_qs);
    QTest::keyClick(mps, Qt::Key_Return);
    QCOMPARE(fpm->text(), u"9,842.52"_qs);
    choose(imperial, Qt::Key_I);
    QTRY_VERIFY(window_->imperialMode());
    QCOMPARE(boxTexts(), QStringList(4));
    QCOMPARE(QApplication::focusWidget(), fpm);
    QCOMPARE(fpm->palette().color(QPalette::Base), white);
    QVERIFY(!fpm->isReadOnly());
    QCOMPARE(mps->palette().color(QPalette::Base), yellow);
    QVERIFY(mps->isReadOnly());
    QCOMPARE(imperial->palette().color(imperial->foregroundRole()), red);
    QCOMPARE(metric->palette().color(metric->foregroundRole()), black);
}

// Choosing the unit already chosen runs no handler: the typed speed and results stay.
void TestWindow::choosingSelectedOptionKeepsBoxes()
{
    type(u"txtImperialSpeed"_qs, u"100"_qs);
    QTest::keyClick(box(u"txtImperialSpeed"_qs), Qt::Key_Return);
    const QStringList results = boxTexts();
    QTest::mouseClick(control(u"optImperial"_qs), Qt::LeftButton);
    QTest::keyClick(window_.get(), Qt::Key_I, Qt::AltModifier);
    QTest::qWait(150); // past the access key's animated click
    QCOMPARE(boxTexts(), results);
    QVERIFY(window_->imperialMode());
}

void TestWindow::clear_data()
{
    QTest::addColumn<bool>("metric");
    QTest::addColumn<bool>("byAccessKey");
    QTest::newRow("ft/min, mouse") << false << false;
    QTest::newRow("ft/min, Alt+L") << false << true;
    QTest::newRow("m/s, mouse") << true << false;
    QTest::newRow("m/s, Alt+L") << true << true;
}

void TestWindow::clear()
{
    QFETCH(bool, metric);
    QFETCH(bool, byAccessKey);

    if (metric)
        chooseMetricByMouse();
    const QString input = metric ? u"txtMetricSpeed"_qs : u"txtImperialSpeed"_qs;
    type(input, u"100"_qs);
    QTest::keyClick(box(input), Qt::Key_Return);
    control(u"cmdCalculate"_qs)->setFocus();
    if (byAccessKey)
        QTest::keyClick(window_.get(), Qt::Key_L, Qt::AltModifier);
    else
        QTest::mouseClick(control(u"cmdClear"_qs), Qt::LeftButton);
    QTRY_COMPARE(boxTexts(), QStringList(4));
    QTRY_COMPARE(QApplication::focusWidget(), box(input));
    QCOMPARE(window_->imperialMode(), !metric);
}

void TestWindow::enterGoesToDefaultOrFocusedButton_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<bool>("clears");
    QTest::newRow("ft/min box") << u"txtImperialSpeed"_qs << false;
    QTest::newRow("locked m/s box") << u"txtMetricSpeed"_qs << false;
    QTest::newRow("locked inches box") << u"txtStopInches"_qs << false;
    QTest::newRow("option button") << u"optImperial"_qs << false;
    QTest::newRow("Calculate") << u"cmdCalculate"_qs << false;
    QTest::newRow("Clear") << u"cmdClear"_qs << true;
}

void TestWindow::enterGoesToDefaultOrFocusedButton()
{
    QFETCH(QString, focus);
    QFETCH(bool, clears);

    type(u"txtImperialSpeed"_qs, u"100"_qs);
    QWidget *target = control(focus);
    target->setFocus(Qt::OtherFocusReason);
    QCOMPARE(QApplication::focusWidget(), target);
    QTest::keyClick(target, Qt::Key_Return);
    const QStringList calculated = {u"100"_qs, u"0.51"_qs, u"0.52"_qs, u"13.21"_qs};
    QCOMPARE(boxTexts(), clears ? QStringList(4) : calculated);
}

void TestWindow::accessKeys_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<bool>("imperial");

    const QStringList calculated = {u"100"_qs, u"0.51"_qs, u"0.52"_qs, u"13.21"_qs};
    QTest::newRow("Alt+C") << Qt::Key_C << calculated << true;
    QTest::newRow("Alt+L") << Qt::Key_L << QStringList(4) << true;
    QTest::newRow("Alt+M") << Qt::Key_M << QStringList(4) << false;
    // Alt+I with Imperial already chosen changes nothing.
    QTest::newRow("Alt+I") << Qt::Key_I << QStringList{u"100"_qs, {}, {}, {}} << true;
}

void TestWindow::accessKeys()
{
    QFETCH(Qt::Key, key);
    QFETCH(QStringList, boxes);
    QFETCH(bool, imperial);

    type(u"txtImperialSpeed"_qs, u"100"_qs);
    QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
    QTRY_COMPARE(boxTexts(), boxes);
    QTest::qWait(150);
    QCOMPARE(boxTexts(), boxes);
    QCOMPARE(window_->imperialMode(), imperial);
}

void TestWindow::accessKeysAreDistinct()
{
    QStringList keys;
    for (const QAbstractButton *button :
         window_->centralWidget()->findChildren<QAbstractButton *>())
        keys << QKeySequence::mnemonic(button->text()).toString();
    for (const QAction *action : window_->menuBar()->actions())
        keys << QKeySequence::mnemonic(action->text()).toString();
    keys.sort();
    QCOMPARE(keys, (QStringList{u"Alt+C"_qs, u"Alt+H"_qs, u"Alt+I"_qs, u"Alt+L"_qs, u"Alt+M"_qs}));
}

void TestWindow::helpMenuByAccessKey()
{
    auto *help = window_->findChild<QMenu *>(u"mnuHelp"_qs);
    QVERIFY(help);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_H, Qt::AltModifier);
    QTRY_VERIFY(help->isVisible());
    QCOMPARE(help->actions().size(), 1);
    QCOMPARE(help->actions().front()->text(), u"&Stopping Distance Info"_qs);
    QCOMPARE(help->actions().front()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    QTest::keyClick(help, Qt::Key_Escape);
    QTRY_VERIFY(!help->isVisible());
}

void TestWindow::tabOrder_data()
{
    QTest::addColumn<bool>("metric");
    QTest::addColumn<QStringList>("cycle");

    QTest::newRow("Imperial") << false
                              << QStringList{u"txtImperialSpeed"_qs, u"cmdCalculate"_qs,
                                             u"cmdClear"_qs, u"optImperial"_qs};
    QTest::newRow("Metric") << true
                            << QStringList{u"txtMetricSpeed"_qs, u"cmdCalculate"_qs, u"cmdClear"_qs,
                                           u"optMetric"_qs};
}

void TestWindow::tabOrder()
{
    QFETCH(bool, metric);
    QFETCH(QStringList, cycle);

    if (metric)
        chooseMetricByMouse();
    QCOMPARE(QApplication::focusWidget()->objectName(), cycle.front());
    for (int i = 1; i <= cycle.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), cycle[i % cycle.size()]);
    }
    for (int i = cycle.size() - 1; i >= 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), cycle[i]);
    }
}

void TestWindow::toolTips_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("toolTip");

    QTest::newRow("txtImperialSpeed")
        << u"txtImperialSpeed"_qs << u" Initial velocity in feet per minute "_qs;
    QTest::newRow("txtStopInches")
        << u"txtStopInches"_qs << u" Free fall (gravity stopping distance) in inches "_qs;
    QTest::newRow("txtMetricSpeed")
        << u"txtMetricSpeed"_qs << u" Initial velocity in meters per second "_qs;
    QTest::newRow("txtStopMillimeters")
        << u"txtStopMillimeters"_qs << u" Free fall (gravity stopping distance) in millimeters "_qs;
    QTest::newRow("Label6") << u"Label6"_qs << u" Feet per minute "_qs;
    QTest::newRow("Label7") << u"Label7"_qs << u" Inches "_qs;
    QTest::newRow("Label8") << u"Label8"_qs << u" Meters per second "_qs;
    QTest::newRow("Label9") << u"Label9"_qs << u" Millimeters "_qs;
    for (const char *none :
         {"Label1", "Label4", "Label5", "cmdCalculate", "cmdClear", "optImperial", "optMetric"})
        QTest::newRow(none) << QString::fromLatin1(none) << QString();
}

void TestWindow::toolTips()
{
    QFETCH(QString, name);
    QFETCH(QString, toolTip);
    QCOMPARE(control(name)->toolTip(), toolTip);
}

void TestWindow::toolTipShownWithItsBlanks()
{
    const auto shownTipWidth = [] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget->inherits("QTipLabel") && widget->isVisible())
                return widget->width();
        }
        return -1;
    };
    QWidget *label = control(u"Label7"_qs);
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), label->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(label, &help);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), u" Inches "_qs);
    const int withBlanks = shownTipWidth();
    if (withBlanks < 0)
        QSKIP("the tooltip window is not found by its class name");
    const QFontMetrics metrics(QToolTip::font());
    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible());
    QToolTip::showText(label->mapToGlobal(QPoint(2, 2)), u"Inches"_qs, label);
    QTRY_VERIFY(QToolTip::isVisible());
    const int without = shownTipWidth();
    QToolTip::hideText();
    // The two blanks take their width on screen, neither trimmed nor collapsed.
    QVERIFY2(qAbs(withBlanks - without - metrics.horizontalAdvance(u"  "_qs)) <= 1,
             qPrintable(u"%1 against %2"_qs.arg(withBlanks).arg(without)));
}

void TestWindow::accessibleText_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : kBoxNames)
        QTest::newRow(qPrintable(name)) << name;
    for (const char *name : {"cmdCalculate", "cmdClear", "optImperial", "optMetric", "Label1",
                             "Label4", "Label5", "Label6", "Label7", "Label8", "Label9"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestWindow::accessibleText()
{
    QFETCH(QString, name);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control(name));
    QVERIFY(accessible);
    QVERIFY(!accessible->text(QAccessible::Name).trimmed().isEmpty());
    QVERIFY(!accessible->text(QAccessible::Description).trimmed().isEmpty());
    // Names tell the four boxes apart for a screen reader.
    if (kBoxNames.contains(name)) {
        QSet<QString> names;
        for (const QString &other : kBoxNames)
            names << QAccessible::queryAccessibleInterface(control(other))->text(QAccessible::Name);
        QCOMPARE(names.size(), 4);
    }
}

void TestWindow::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixelsAt96Dpi");
    for (const FixtureControl &control : kFixtureControls)
        QTest::newRow(qPrintable(QString::fromUtf16(control.name.data(), control.name.size())))
            << QString::fromUtf16(control.name.data(), control.name.size())
            << QRect(control.left, control.top, control.width, control.height);
}

void TestWindow::geometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, pixelsAt96Dpi);
    QWidget *widget = control(name);
    QCOMPARE(widget->parentWidget(), window_->centralWidget());
    const QRect &r = pixelsAt96Dpi;
    QCOMPARE(widget->geometry(),
             QRect(scaled(r.x()), scaled(r.y()), scaled(r.width()), scaled(r.height())));
    QVERIFY(widget->isVisible());
    QVERIFY(widget->isEnabled());
}

void TestWindow::clientAreaAndFrame()
{
    QWidget *client = window_->centralWidget();
    QCOMPARE(client->size(), QSize(scaled(kFixtureClientWidth), scaled(kFixtureClientHeight)));
    QCOMPARE(client->y(), window_->menuBar()->geometry().bottom() + 1);
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    QCOMPARE(window_->size(), window_->minimumSize());
    const Qt::WindowFlags flags = window_->windowFlags();
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::WindowSystemMenuHint);

    // The title's middle is the client area's middle, 3952.5 twips.
    QCOMPARE(control(u"Label1"_qs)->geometry().center().x() * 2 + 1, client->width());
    QVERIFY(control<QLabel>(u"Label1"_qs)->alignment() & Qt::AlignHCenter);

    // Centred on the screen at the start; the side borders are alike, top and bottom are not.
    const QRect area = window_->screen()->availableGeometry();
    QVERIFY(qAbs(window_->geometry().center().x() - area.center().x()) <= 1);
    QVERIFY(qAbs(window_->geometry().center().y() - area.center().y()) <= 1);
}

void TestWindow::noControlsOverlap()
{
    const QList<QWidget *> controls =
        window_->centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    QCOMPARE(controls.size(), 15);
    for (qsizetype i = 0; i < controls.size(); ++i) {
        QVERIFY(window_->centralWidget()->rect().contains(controls[i]->geometry()));
        for (qsizetype j = i + 1; j < controls.size(); ++j)
            QVERIFY2(!controls[i]->geometry().intersects(controls[j]->geometry()),
                     qPrintable(controls[i]->objectName() + u" / "_qs + controls[j]->objectName()));
    }
}

void TestWindow::fonts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");

    for (const FixtureControl &fixture : kFixtureControls) {
        const QString name = QString::fromUtf16(fixture.name.data(), fixture.name.size());
        switch (fixture.font) {
        case FixtureFont::TextBox:
            QTest::newRow(qPrintable(name)) << name << 12.0 << true;
            break;
        case FixtureFont::Caption:
            QTest::newRow(qPrintable(name)) << name << 9.75 << true;
            break;
        case FixtureFont::Title:
            QTest::newRow(qPrintable(name)) << name << 13.5 << false;
            break;
        }
    }
}

void TestWindow::fonts()
{
    QFETCH(QString, name);
    QFETCH(double, points);
    QFETCH(bool, bold);
    const QFont font = control(name)->font();
    QCOMPARE(font.pointSizeF(), points);
    QCOMPARE(font.bold(), bold);
    QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
    const QString family = QFontInfo(font).family();
    QVERIFY2(family == u"MS Sans Serif" || family == u"Liberation Sans", qPrintable(family));
}

void TestWindow::widestResultsShowWhole_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    for (const QString &name : kBoxNames) {
        for (const QString &text : {u"127,356.0"_qs, u"1,314.70"_qs, u"888,888.8"_qs})
            QTest::addRow("%s %s", qPrintable(name), qPrintable(text)) << name << text;
    }
}

// A text wider than its box scrolls so the caret at the end stays visible; a text that shows
// whole puts the caret exactly its own width to the right of where it is at the start.
void TestWindow::widestResultsShowWhole()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    TextBoxEdit *edit = box(name);
    edit->setText(text);
    QCOMPARE(edit->text(), text);
    const auto caretX = [edit](int position) {
        edit->setCursorPosition(position);
        return edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
    };
    const int start = caretX(0);
    const int end = caretX(int(text.size()));
    QVERIFY(start >= 0);
    QVERIFY(end < edit->width());
    const int width = edit->fontMetrics().horizontalAdvance(text);
    QVERIFY2(qAbs((end - start) - width) <= 1,
             qPrintable(u"caret moved %1, text is %2"_qs.arg(end - start).arg(width)));
    QCOMPARE(caretX(0), start);
}

void TestWindow::captionsFit_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"cmdCalculate", "cmdClear", "optImperial", "optMetric", "Label1",
                             "Label4", "Label5", "Label6", "Label7", "Label8", "Label9"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestWindow::captionsFit()
{
    QFETCH(QString, name);
    QWidget *widget = control(name);
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        QVERIFY(label->heightForWidth(label->width()) <= label->height());
        // Only the row label is wide enough to need its second line.
        const int lineHeight = label->fontMetrics().height();
        const bool twoLines = label->heightForWidth(label->width()) > lineHeight + 2;
        QCOMPARE(twoLines, name == u"Label5");
    } else {
        QVERIFY2(
            widget->sizeHint().width() <= widget->width(),
            qPrintable(u"%1 needs %2"_qs.arg(widget->width()).arg(widget->sizeHint().width())));
    }
}

void TestWindow::title()
{
    const QString title = window_->windowTitle();
    QCOMPARE(title, u" Gravity Stopping Distance Calculator         freefall.example"_qs);
    QVERIFY(title.startsWith(u' '));
}

void TestWindow::windowIcon()
{
    QVERIFY2(QFile::exists(u":/icons/freefall.ico"_qs),
             "the icon resource is not linked into this build");
    const QList<QSize> sizes = window_->windowIcon().availableSizes();
    QVERIFY(sizes.contains(QSize(16, 16)));
    QVERIFY(sizes.contains(QSize(32, 32)));
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
