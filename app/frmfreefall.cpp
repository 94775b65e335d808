// Builds the window from the design tables and turns Qt's signals into the form's events, each
// raised through the event dispatch so that no error of a handler reaches Qt.
#include "frmfreefall.h"

#include "freefalldesign.h"
#include "freefallform.h"
#include "qtoptionbutton.h"
#include "qttextbox.h"
#include "qtwindow.h"
#include "textboxedit.h"

#include <QAction>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <utility>
#include <vector>

namespace freefall {

namespace {

using namespace design;

constexpr char kWindowIcon[] = ":/icons/freefall.ico";

QString str(const char16_t *text)
{
    return text ? QString::fromUtf16(text) : QString();
}

QFont designFont(FontKind kind)
{
    const FontDesign design = fontDesign(kind);
    QStringList families;
    for (const char16_t *family : kFontFamilies)
        families << str(family);
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(design.pointSize);
    font.setWeight(design.bold ? QFont::Bold : QFont::Normal);
    return font;
}

// Twips to pixels at the screen's logical DPI, which is also the DPI that turns the fonts'
// points into pixels, so text and boxes keep their proportions.
class Layout
{
public:
    explicit Layout(const QScreen *screen)
        : factor_((screen ? screen->logicalDotsPerInch() : kReferenceDpi) / kReferenceDpi)
    {
    }
    int pixels(int twips) const { return qRound(twips * factor_ / kTwipsPerPixel); }
    QRect rect(const Twips &t) const
    {
        return QRect(pixels(t.left), pixels(t.top), pixels(t.width), pixels(t.height));
    }

private:
    double factor_;
};

void describe(QWidget *widget, const char16_t *name, const char16_t *description)
{
    widget->setAccessibleName(str(name));
    widget->setAccessibleDescription(str(description));
}

bool isEnter(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers others = event->modifiers() & ~Qt::KeypadModifier;
    return (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
           others == Qt::NoModifier;
}

} // namespace

frmFreefall::frmFreefall(const RegionalSettings &regional, QWidget *parent)
    : QMainWindow(parent), regional_(regional)
{
    setObjectName(str(kWindow.name));
    setWindowTitle(str(kWindow.title));
    // A fixed single border: no maximise button, and the size constraint below stops resizing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    if (QFile::exists(QLatin1String(kWindowIcon)))
        setWindowIcon(QIcon(QLatin1String(kWindowIcon)));

    createMenu();
    createControls();
    setTabOrderByIndex();
    connectHandlers();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();

    dispatch_.raise([this] { form_->Form_Load(); });
    txtImperialSpeed_->setFocus(Qt::OtherFocusReason);
}

frmFreefall::~frmFreefall() = default;

// Before the first show the frame is not known yet; the window's own rectangle is centred, which
// leaves the window off by half the difference between the title bar and the bottom border.
void frmFreefall::centreOnScreen()
{
    const QScreen *where = screen();
    if (!where)
        return;
    setGeometry(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), where->availableGeometry()));
}

MousePointer frmFreefall::mousePointer() const
{
    return window_->mousePointer();
}

bool frmFreefall::imperialMode() const
{
    return form_->imperialMode();
}

void frmFreefall::createMenu()
{
    QMenu *help = menuBar()->addMenu(str(kMenu.title));
    help->setObjectName(str(kMenu.titleName));
    mnuStopDisInfo_ = help->addAction(str(kMenu.item));
    mnuStopDisInfo_->setObjectName(str(kMenu.itemName));
    mnuStopDisInfo_->setShortcut(QKeySequence(str(kMenu.itemShortcut), QKeySequence::PortableText));
    connect(mnuStopDisInfo_, &QAction::triggered, this, &frmFreefall::showStoppingDistanceInfo);
}

void frmFreefall::createControls()
{
    auto *client = new QWidget(this);
    client->setObjectName(u"clientArea"_qs);
    const Layout layout(screen());
    client->setFixedSize(layout.pixels(kWindow.clientWidth), layout.pixels(kWindow.clientHeight));
    setCentralWidget(client);

    for (const LabelDesign &design : kLabels) {
        auto *label = new QLabel(str(design.caption), client);
        label->setObjectName(str(design.name));
        label->setGeometry(layout.rect(design.geometry));
        label->setFont(designFont(design.font));
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment((design.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        label->setAutoFillBackground(true);
        label->setToolTip(str(design.toolTip));
        describe(label, design.caption, design.accessibleDescription);
    }

    for (const TextBoxDesign &design : kTextBoxes) {
        auto *edit = new TextBoxEdit(client);
        edit->setObjectName(str(design.name));
        edit->setGeometry(layout.rect(design.geometry));
        edit->setFont(designFont(FontKind::TextBox));
        edit->setMaxLength(kTextBoxMaxLength);
        edit->setToolTip(str(design.toolTip));
        describe(edit, design.accessibleName, design.accessibleDescription);
    }
    txtImperialSpeed_ = client->findChild<TextBoxEdit *>(u"txtImperialSpeed"_qs);
    txtMetricSpeed_ = client->findChild<TextBoxEdit *>(u"txtMetricSpeed"_qs);
    txtStopInches_ = client->findChild<TextBoxEdit *>(u"txtStopInches"_qs);
    txtStopMillimeters_ = client->findChild<TextBoxEdit *>(u"txtStopMillimeters"_qs);

    for (const CommandButtonDesign &design : kCommandButtons) {
        auto *button = new QPushButton(str(design.caption), client);
        button->setObjectName(str(design.name));
        button->setGeometry(layout.rect(design.geometry));
        button->setFont(designFont(FontKind::Caption));
        // Outside a dialog Qt gives Enter to a focused button only when it is auto-default;
        // Enter elsewhere reaches keyPressEvent, which clicks the default button.
        button->setAutoDefault(true);
        button->setDefault(design.isDefault);
        describe(button, design.accessibleName, design.accessibleDescription);
    }
    cmdCalculate_ = client->findChild<QPushButton *>(u"cmdCalculate"_qs);
    cmdClear_ = client->findChild<QPushButton *>(u"cmdClear"_qs);

    // Radio buttons with the same parent form one exclusive group, which Tab enters at its
    // selected button.
    for (const OptionButtonDesign &design : kOptionButtons) {
        auto *option = new QRadioButton(str(design.caption), client);
        option->setObjectName(str(design.name));
        option->setGeometry(layout.rect(design.geometry));
        option->setFont(designFont(FontKind::Caption));
        option->setChecked(design.selected);
        option->installEventFilter(this);
        describe(option, design.accessibleName, design.accessibleDescription);
    }
    optImperial_ = client->findChild<QRadioButton *>(u"optImperial"_qs);
    optMetric_ = client->findChild<QRadioButton *>(u"optMetric"_qs);

    window_ = std::make_unique<QtWindow>(client);
    imperialSpeedBox_ = std::make_unique<QtTextBox>(txtImperialSpeed_, dispatch_);
    metricSpeedBox_ = std::make_unique<QtTextBox>(txtMetricSpeed_, dispatch_);
    stopInchesBox_ = std::make_unique<QtTextBox>(txtStopInches_, dispatch_);
    stopMillimetersBox_ = std::make_unique<QtTextBox>(txtStopMillimeters_, dispatch_);
    const auto adapterFor = [this](const QString &name) -> QtTextBox & {
        if (name == txtImperialSpeed_->objectName())
            return *imperialSpeedBox_;
        if (name == txtMetricSpeed_->objectName())
            return *metricSpeedBox_;
        if (name == txtStopInches_->objectName())
            return *stopInchesBox_;
        return *stopMillimetersBox_;
    };
    // The design's own look, through the same properties the handlers change later.
    for (const TextBoxDesign &design : kTextBoxes) {
        QtTextBox &box = adapterFor(str(design.name));
        if (design.yellow)
            box.setBackColor(colours::Yellow);
        box.setLocked(design.locked);
        box.setTabStop(design.tabStop);
    }
    imperialOption_ = std::make_unique<QtOptionButton>(optImperial_, dispatch_);
    metricOption_ = std::make_unique<QtOptionButton>(optMetric_, dispatch_);

    form_ = std::make_unique<FreefallForm>(FormControls{*imperialSpeedBox_, *metricSpeedBox_,
                                                        *stopInchesBox_, *stopMillimetersBox_,
                                                        *imperialOption_, *metricOption_, *window_},
                                           regional_);
}

void frmFreefall::setTabOrderByIndex()
{
    std::vector<std::pair<int, QWidget *>> order;
    const auto add = [&](const auto &table) {
        for (const auto &design : table)
            order.emplace_back(design.tabIndex,
                               centralWidget()->findChild<QWidget *>(str(design.name)));
    };
    add(kTextBoxes);
    add(kCommandButtons);
    add(kOptionButtons);
    std::sort(order.begin(), order.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1].second, order[i].second);
}

void frmFreefall::connectHandlers()
{
    connect(cmdCalculate_, &QPushButton::clicked, this, &frmFreefall::calculate);
    connect(cmdClear_, &QPushButton::clicked, this, &frmFreefall::clearBoxes);
    imperialOption_->onClick([this] { form_->optImperial_Click(); });
    metricOption_->onClick([this] { form_->optMetric_Click(); });
    imperialSpeedBox_->onChange([this] { form_->txtImperialSpeed_Change(); });
    metricSpeedBox_->onChange([this] { form_->txtMetricSpeed_Change(); });
}

void frmFreefall::calculate()
{
    dispatch_.raise([this] { form_->cmdCalculate_Click(); });
}

void frmFreefall::clearBoxes()
{
    dispatch_.raise([this] { form_->cmdClear_Click(); });
}

void frmFreefall::showStoppingDistanceInfo()
{
    dispatch_.raise([this] { form_->mnuStopDisInfo_Click(); });
}

bool frmFreefall::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && (watched == optImperial_ || watched == optMetric_)) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
            (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right ||
             key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
            moveWithinOptionGroup(static_cast<QRadioButton *>(watched), key->key());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// Every arrow key moves to the other button of the two and selects it, wrapping round. The
// focus moves first, then the selection raises the Click event, whose handler moves the focus
// on to the new input box.
void frmFreefall::moveWithinOptionGroup(QRadioButton *from, int key)
{
    QRadioButton *to = from == optImperial_ ? optMetric_ : optImperial_;
    const bool forward = key == Qt::Key_Right || key == Qt::Key_Down;
    to->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    to->click();
}

void frmFreefall::keyPressEvent(QKeyEvent *event)
{
    // Command buttons take Enter themselves; every other control passes it up to here.
    if (isEnter(event)) {
        cmdCalculate_->click();
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

} // namespace freefall
