// The formula message as the user sees it: opened from the menu, by Ctrl+S or by Alt+H then S;
// titled, OK only, no icon, its eighteen lines shown as written; the boxes left alone.
#include "app/qt/frmfreefall.h"
#include "logic/boxes.h"
#include "runtime/qt/qtmessagebox.h"
#include "runtime/qt/regional/qtregionalsettings.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using freefall::frmFreefall;

namespace {

const QStringList kLines = {
    u"SECTION 1304 GRAVITY STOPPING DISTANCES"_qs,
    QString(),
    u"The following formulas give the value of the stopping"_qs,
    u"distance based on gravity retardation from any initial"_qs,
    u"velocity."_qs,
    QString(),
    u"CUSTOMARY UNITS (IMPERIAL)"_qs,
    QString(),
    u"          S = V^2  /  19,320"_qs,
    QString(),
    u"SI UNITS (METRIC)"_qs,
    QString(),
    u"          S = V^2  /  0.01963"_qs,
    QString(),
    u"where"_qs,
    u"  S = free fall (gravity stopping distance), in. (mm)"_qs,
    u"  V = initial velocity, ft/min (m/s)"_qs,
    u"  ^ = to the power of"_qs,
};

// What was seen of the modal box before it was closed.
struct Seen
{
    bool opened = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Critical;
    QList<QMessageBox::StandardButton> buttons;
    bool modal = false;
    QString copied;
    QImage textImage;
};

} // namespace

class TestMessage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opens_data();
    void opens();
    void linesShownAsWritten();
    void copiedWithCtrlC();

private:
    // Runs inspect on the modal box as soon as it is up, then presses its OK button.
    void closeWhenShown(std::function<void(QMessageBox *)> inspect);
    QStringList boxTexts() const;

    freefall::QtRegionalSettings regional_{QLocale::c()};
    std::unique_ptr<frmFreefall> window_;
    Seen seen_;
};

void TestMessage::init()
{
    seen_ = Seen();
    window_ = std::make_unique<frmFreefall>(regional_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void TestMessage::cleanup()
{
    // A box left open by a failed test would block the next one.
    if (QWidget *modal = QApplication::activeModalWidget())
        modal->close();
    window_.reset();
}

QStringList TestMessage::boxTexts() const
{
    QStringList texts;
    for (const freefall::BoxDescription &box : freefall::kBoxes)
        texts << window_
                     ->findChild<QLineEdit *>(QString::fromStdU16String(std::u16string(box.name)))
                     ->text();
    return texts;
}

void TestMessage::closeWhenShown(std::function<void(QMessageBox *)> inspect)
{
    auto *poll = new QTimer(this);
    auto tries = std::make_shared<int>(0);
    connect(poll, &QTimer::timeout, this, [this, poll, tries, inspect] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            if (++*tries > 500)
                poll->deleteLater();
            return;
        }
        poll->deleteLater();
        seen_.opened = true;
        seen_.title = box->windowTitle();
        seen_.text = box->text();
        seen_.icon = box->icon();
        seen_.modal = box->isModal();
        for (QAbstractButton *button : box->buttons())
            seen_.buttons << box->standardButton(button);
        if (inspect)
            inspect(box);
        QAbstractButton *ok = box->button(QMessageBox::Ok);
        if (ok)
            ok->click();
        else
            box->close();
    });
    poll->start(10);
}

void TestMessage::opens_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("focus");

    QTest::newRow("menu by mouse") << u"menu"_qs << u"txtImperialSpeed"_qs;
    QTest::newRow("Ctrl+S in the speed box") << u"ctrl+s"_qs << u"txtImperialSpeed"_qs;
    QTest::newRow("Ctrl+S in a locked box") << u"ctrl+s"_qs << u"txtStopInches"_qs;
    QTest::newRow("Ctrl+S on Clear") << u"ctrl+s"_qs << u"cmdClear"_qs;
    QTest::newRow("Ctrl+S on an option") << u"ctrl+s"_qs << u"optImperial"_qs;
    QTest::newRow("Alt+H then S") << u"alt+h"_qs << u"txtImperialSpeed"_qs;
}

void TestMessage::opens()
{
    QFETCH(QString, way);
    QFETCH(QString, focus);

    QTest::keyClicks(window_->findChild<QLineEdit *>(u"txtImperialSpeed"_qs), u"100"_qs);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    const QStringList before = boxTexts();
    QCOMPARE(before.at(3), u"13.21"_qs);
    QWidget *focused = window_->findChild<QWidget *>(focus);
    focused->setFocus(Qt::OtherFocusReason);

    closeWhenShown({});
    auto *help = window_->findChild<QMenu *>(u"mnuHelp"_qs);
    if (way == u"menu") {
        QMenuBar *bar = window_->menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(help->menuAction()).center());
        QTRY_VERIFY(help->isVisible());
        QAction *item = help->actions().front();
        QTest::mouseClick(help, Qt::LeftButton, {}, help->actionGeometry(item).center());
    } else if (way == u"ctrl+s") {
        QVERIFY(!help->isVisible());
        QTest::keyClick(focused, Qt::Key_S, Qt::ControlModifier);
    } else {
        QTest::keyClick(focused, Qt::Key_H, Qt::AltModifier);
        QTRY_VERIFY(help->isVisible());
        QTest::keyClick(help, Qt::Key_S);
    }
    QTRY_VERIFY(seen_.opened);
    QTRY_VERIFY(!QApplication::activeModalWidget());

    QCOMPARE(seen_.title, u"Gravity Stopping Distances"_qs);
    QCOMPARE(seen_.buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
    QCOMPARE(seen_.icon, QMessageBox::NoIcon);
    QVERIFY(seen_.modal);
    QCOMPARE(seen_.text.split(u'\n'), kLines);
    QCOMPARE(boxTexts(), before);
    QVERIFY(window_->imperialMode());
}

// Rendered, the lines keep their order and indentation: no line wraps, and each indented "S"
// starts exactly its blanks' width to the right of the unindented one on line 1.
void TestMessage::linesShownAsWritten()
{
    int tenBlanks = 0;
    int twoBlanks = 0;
    closeWhenShown([&](QMessageBox *box) {
        QLabel *label = nullptr;
        for (QLabel *candidate : box->findChildren<QLabel *>()) {
            if (candidate->text() == box->text())
                label = candidate;
        }
        QVERIFY(label);
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QVERIFY(!label->wordWrap());
        tenBlanks = label->fontMetrics().horizontalAdvance(QString(10, u' '));
        twoBlanks = label->fontMetrics().horizontalAdvance(QString(2, u' '));
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, Qt::white);
        palette.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(palette);
        seen_.textImage = label->grab().toImage().convertToFormat(QImage::Format_RGB32);
    });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    QTRY_VERIFY(seen_.opened);
    const QImage &image = seen_.textImage;
    QVERIFY(!image.isNull());

    // Bands of rows with ink, each the leftmost inked column.
    QList<int> leftmost;
    bool inBand = false;
    for (int y = 0; y < image.height(); ++y) {
        int left = -1;
        for (int x = 0; x < image.width() && left < 0; ++x) {
            if (qGray(image.pixel(x, y)) < 128)
                left = x;
        }
        if (left >= 0 && !inBand)
            leftmost << left;
        else if (left >= 0)
            leftmost.back() = qMin(leftmost.back(), left);
        inBand = left >= 0;
    }
    // Twelve of the eighteen lines have text: any wrapping would add bands.
    QCOMPARE(leftmost.size(), 12);
    const int sectionS = leftmost[0]; // "SECTION ..."
    // Within a pixel, for glyph positions rounded to whole pixels.
    QVERIFY(qAbs(leftmost[5] - sectionS - tenBlanks) <= 1); // "          S = V^2  /  19,320"
    QVERIFY(qAbs(leftmost[7] - sectionS - tenBlanks) <= 1); // "          S = V^2  /  0.01963"
    QVERIFY(qAbs(leftmost[9] - sectionS - twoBlanks) <= 1); // "  S = free fall ..."
}

void TestMessage::copiedWithCtrlC()
{
    QString selectionCopied;
    QGuiApplication::clipboard()->clear();
    closeWhenShown([&](QMessageBox *box) {
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        seen_.copied = QGuiApplication::clipboard()->text();
        for (QLabel *label : box->findChildren<QLabel *>()) {
            if (label->text() == box->text())
                label->setSelection(0, 12);
        }
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        selectionCopied = QGuiApplication::clipboard()->text();
    });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    QTRY_VERIFY(seen_.opened);
    QCOMPARE(seen_.copied, kLines.join(u'\n'));
    QCOMPARE(selectionCopied, u"SECTION 1304"_qs);
}

QTEST_MAIN(TestMessage)
#include "tst_message.moc"
