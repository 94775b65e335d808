// What the user waits for in the open window: one keystroke that wipes three results, and one
// Calculate with its writes, change events and repaint. Qt Test's QBENCHMARK repeats each until
// the time is measurable; the command is in bench/window/CMakeLists.txt.
#include "app/qt/frmfreefall.h"
#include "runtime/qt/regional/qtregionalsettings.h"
#include "runtime/qt/textboxedit.h"

#include <QApplication>
#include <QTest>

#include <memory>

using freefall::frmFreefall;
using freefall::TextBoxEdit;

class WindowBench : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        window_ = std::make_unique<frmFreefall>(regional_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }
    void cleanup() { window_.reset(); }

    // One keystroke in the speed box that wipes three results, and its Backspace.
    void keystroke()
    {
        TextBoxEdit *input = box(u"txtImperialSpeed"_qs);
        QTest::keyClicks(input, u"100"_qs);
        QBENCHMARK
        {
            box(u"txtStopInches"_qs)->setText(u"0.52"_qs);
            QTest::keyClick(input, Qt::Key_0);
            QTest::keyClick(input, Qt::Key_Backspace);
            QCoreApplication::processEvents();
        }
        QCOMPARE(input->text(), u"100"_qs);
        QCOMPARE(box(u"txtStopInches"_qs)->text(), QString());
    }

    // Enter in the speed box: the calculation, three writes and their change events, the
    // repaint.
    void calculate()
    {
        TextBoxEdit *input = box(u"txtImperialSpeed"_qs);
        QTest::keyClicks(input, u"100"_qs);
        QBENCHMARK
        {
            box(u"txtStopInches"_qs)->clear();
            QTest::keyClick(input, Qt::Key_Return);
            QCoreApplication::processEvents();
        }
        QCOMPARE(box(u"txtStopMillimeters"_qs)->text(), u"13.21"_qs);
    }

private:
    TextBoxEdit *box(const QString &name) const { return window_->findChild<TextBoxEdit *>(name); }

    freefall::QtRegionalSettings regional_{QLocale::c()};
    std::unique_ptr<frmFreefall> window_;
};

QTEST_MAIN(WindowBench)
#include "windowbench.moc"
