// The calculator window: the controls of the design tables on Qt widgets, their events raised
// on the handlers of FreefallHandlers.
#pragma once

#include "app/design/freefalldesign.h"
#include "app/design/optiongroup.h"
#include "logic/boxes.h"
#include "runtime/eventdispatch.h"
#include "runtime/forms.h"
#include "runtime/regionalsettings.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QAction;
class QPushButton;
class QRadioButton;

namespace freefall {

class FreefallHandlers;
class QtFormServices;
class QtOptionButton;
class QtTextBox;
class TextBoxEdit;

class frmFreefall : public QMainWindow
{
    Q_OBJECT

public:
    // Creates the window and its controls and runs Form_Load; the focus is then in the
    // feet-per-minute box, ready for show(). regional must outlive the window.
    explicit frmFreefall(const RegionalSettings &regional, QWidget *parent = nullptr);
    ~frmFreefall() override;

    // Places the window in the middle of the available area of its screen.
    void centreOnScreen();

    MousePointer mousePointer() const;
    bool imperialMode() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createMenu();
    void createControls();
    void createAdapters();
    void setTabOrderByIndex();
    void connectHandlers();
    void raise(design::Handler handler);
    void moveWithinOptionGroup(QRadioButton *from, int key);
    QPushButton *defaultButton() const;

    const RegionalSettings &regional_;
    EventDispatch dispatch_;

    // In the order of Box and of the design's button tables.
    std::array<TextBoxEdit *, kBoxes.size()> edits_{};
    std::array<QPushButton *, design::kCommandButtons.size()> commandButtons_{};
    std::array<QRadioButton *, design::kOptionButtons.size()> optionButtons_{};
    QAction *mnuStopDisInfo_ = nullptr;
    design::OptionGroup optionGroup_;

    std::array<std::unique_ptr<QtTextBox>, kBoxes.size()> boxes_;
    std::array<std::unique_ptr<QtOptionButton>, design::kOptionButtons.size()> options_;
    std::unique_ptr<QtFormServices> services_;
    std::unique_ptr<FreefallHandlers> handlers_;
};

} // namespace freefall
