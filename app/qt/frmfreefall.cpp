// Builds the window from the design tables and raises each control's event on its handler
// through the event dispatch, so that no error of a handler reaches Qt.
#include "app/qt/frmfreefall.h"

#include "app/design/formassembly.h"
#include "app/design/taborder.h"
#include "app/design/twipsscale.h"

#include "logic/freefallhandlers.h"
#include "runtime/qt/qtformservices.h"
#include "runtime/qt/qtoptionbutton.h"
#include "runtime/qt/qttext.h"
#include "runtime/qt/qttextbox.h"
#include "runtime/qt/textboxedit.h"

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

namespace freefall {

namespace {

using namespace design;

constexpr char kWindowIcon[] = ":/icons/freefall.ico";

// Where the design's family is missing, Liberation Sans (metric compatible with the common
// Windows sans serif) stands in; the boxes show the widest results whole in it.
constexpr char16_t kStandInFamily[] = u"Liberation Sans";

QFont designFont(FontKind kind)
{
    const FontDesign design = fontDesign(kind);
    QFont font;
    font.setFamilies({toQString(kFontFamily), QString::fromUtf16(kStandInFamily)});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(design.pointSize);
    font.setWeight(design.bold ? QFont::Bold : QFont::Normal);
    return font;
}

// The screen's logical DPI also turns the fonts' points into pixels, so text and boxes keep
// their proportions.
TwipsScale scaleOf(const QScreen *screen)
{
    return TwipsScale(screen ? screen->logicalDotsPerInch() : kReferenceDpi);
}

QRect toQRect(const PixelRect &r)
{
    return QRect(r.left, r.top, r.width, r.height);
}

void describe(QWidget *widget, std::u16string_view name, std::u16string_view description)
{
    widget->setAccessibleName(toQString(name));
    widget->setAccessibleDescription(toQString(description));
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
    setObjectName(toQString(kWindow.name));
    setWindowTitle(toQString(kWindow.title));
    // A fixed single border: no maximise button, and the size constraint below stops resizing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    if (QFile::exists(QLatin1String(kWindowIcon)))
        setWindowIcon(QIcon(QLatin1String(kWindowIcon)));

    createMenu();
    createControls();
    createAdapters();
    setTabOrderByIndex();
    connectHandlers();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();

    raise(&FreefallHandlers::Form_Load);
    edits_[std::size_t(Box::ImperialSpeed)]->setFocus(Qt::OtherFocusReason);
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
    return services_->mousePointer();
}

bool frmFreefall::imperialMode() const
{
    return handlers_->imperialMode();
}

void frmFreefall::createMenu()
{
    QMenu *help = menuBar()->addMenu(toQString(kMenu.title));
    help->setObjectName(toQString(kMenu.titleName));
    mnuStopDisInfo_ = help->addAction(toQString(kMenu.item));
    mnuStopDisInfo_->setObjectName(toQString(kMenu.itemName));
    mnuStopDisInfo_->setShortcut(
        QKeySequence(toQString(kMenu.shortcutText), QKeySequence::PortableText));
}

void frmFreefall::createControls()
{
    auto *client = new QWidget(this);
    client->setObjectName(u"clientArea"_qs);
    const TwipsScale scale = scaleOf(screen());
    client->setFixedSize(scale.pixels(kWindow.clientWidth), scale.pixels(kWindow.clientHeight));
    setCentralWidget(client);

    for (const LabelDesign &design : kLabels) {
        auto *label = new QLabel(toQString(design.caption), client);
        label->setObjectName(toQString(design.name));
        label->setGeometry(toQRect(scale.rect(design.geometry)));
        label->setFont(designFont(design.font));
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(
            (design.alignment == Alignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft) |
            Qt::AlignTop);
        label->setAutoFillBackground(true);
        label->setToolTip(toQString(design.toolTip));
        describe(label, design.caption, design::accessibleDescription(design));
    }

    for (const TextBoxDesign &design : kTextBoxes) {
        const BoxDescription &box = describe(design.box);
        auto *edit = new TextBoxEdit(client);
        edit->setObjectName(toQString(box.name));
        edit->setGeometry(toQRect(scale.rect(design.geometry)));
        edit->setFont(designFont(FontKind::TextBox));
        edit->setMaxLength(kBoxMaxLength);
        edit->setToolTip(toQString(design.toolTip));
        describe(edit, box.role, design::accessibleDescription(design));
        edits_[std::size_t(design.box)] = edit;
    }

    for (std::size_t i = 0; i < kCommandButtons.size(); ++i) {
        const ButtonDesign &design = kCommandButtons[i];
        auto *button = new QPushButton(toQString(design.caption), client);
        button->setObjectName(toQString(design.name));
        button->setGeometry(toQRect(scale.rect(design.geometry)));
        button->setFont(designFont(FontKind::Caption));
        // Outside a dialog Qt gives Enter to a focused button only when it is auto-default;
        // Enter elsewhere reaches keyPressEvent, which clicks the default button.
        button->setAutoDefault(true);
        button->setDefault(design.defaultButton);
        describe(button, design.accessibleName, design.accessibleDescription);
        commandButtons_[i] = button;
    }

    // Radio buttons with the same parent form one exclusive group, which Tab enters at its
    // selected button.
    for (std::size_t i = 0; i < kOptionButtons.size(); ++i) {
        const ButtonDesign &design = kOptionButtons[i];
        auto *option = new QRadioButton(toQString(design.caption), client);
        option->setObjectName(toQString(design.name));
        option->setGeometry(toQRect(scale.rect(design.geometry)));
        option->setFont(designFont(FontKind::Caption));
        option->setChecked(design.selectedAtCreation);
        option->installEventFilter(this);
        describe(option, design.accessibleName, design.accessibleDescription);
        optionButtons_[i] = option;
    }
}

// The forms operations on the widgets, handed to the handlers.
void frmFreefall::createAdapters()
{
    services_ = std::make_unique<QtFormServices>(centralWidget());
    handlers_ = assembleHandlers(
        boxes_, options_, *services_, regional_,
        [&](std::size_t i) { return std::make_unique<QtTextBox>(edits_[i], dispatch_); },
        [&](std::size_t i) { return std::make_unique<QtOptionButton>(optionButtons_[i]); });
}

void frmFreefall::setTabOrderByIndex()
{
    QWidget *previous = nullptr;
    for (const ControlSlot &slot : kTabOrder) {
        QWidget *widget = nullptr;
        switch (slot.kind) {
        case ControlSlot::Kind::TextBox:
            widget = edits_[std::size_t(kTextBoxes[slot.index].box)];
            break;
        case ControlSlot::Kind::CommandButton:
            widget = commandButtons_[slot.index];
            break;
        case ControlSlot::Kind::OptionButton:
            widget = optionButtons_[slot.index];
            break;
        case ControlSlot::Kind::Label: // labels take no focus
            continue;
        }
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

// Every event the design names, wired the same way. textChanged, unlike textEdited, also comes
// from a program write, inside it; an option button raises its Click only when it becomes the
// selected one.
void frmFreefall::connectHandlers()
{
    for (const TextBoxDesign &design : kTextBoxes) {
        if (design.change)
            connect(edits_[std::size_t(design.box)], &QLineEdit::textChanged, this,
                    [this, handler = design.change] { raise(handler); });
    }
    for (std::size_t i = 0; i < kCommandButtons.size(); ++i)
        connect(commandButtons_[i], &QPushButton::clicked, this,
                [this, handler = kCommandButtons[i].click] { raise(handler); });
    for (std::size_t i = 0; i < kOptionButtons.size(); ++i)
        connect(optionButtons_[i], &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked && optionGroup_.select(i))
                raise(kOptionButtons[i].click);
        });
    connect(mnuStopDisInfo_, &QAction::triggered, this,
            [this, handler = kMenu.click] { raise(handler); });
}

void frmFreefall::raise(design::Handler handler)
{
    dispatch_.raise([this, handler] { (handlers_.get()->*handler)(); });
}

bool frmFreefall::eventFilter(QObject *watched, QEvent *event)
{
    const auto option = std::find(optionButtons_.begin(), optionButtons_.end(), watched);
    if (event->type() == QEvent::KeyPress && option != optionButtons_.end()) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
            (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right ||
             key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
            moveWithinOptionGroup(*option, key->key());
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
    QRadioButton *to = from == optionButtons_[0] ? optionButtons_[1] : optionButtons_[0];
    const bool forward = key == Qt::Key_Right || key == Qt::Key_Down;
    to->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    to->click();
}

QPushButton *frmFreefall::defaultButton() const
{
    for (std::size_t i = 0; i < kCommandButtons.size(); ++i) {
        if (kCommandButtons[i].defaultButton)
            return commandButtons_[i];
    }
    return nullptr;
}

void frmFreefall::keyPressEvent(QKeyEvent *event)
{
    // Command buttons take Enter themselves; every other control passes it up to here.
    if (isEnter(event)) {
        defaultButton()->click();
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

} // namespace freefall
