// The calculator window: the controls of the design tables on Qt widgets, wired to the event
// handlers of FreefallForm.
#pragma once

#include "eventdispatch.h"
#include "forms.h"
#include "regionalsettings.h"

#include <QMainWindow>

#include <memory>

class QAction;
class QPushButton;
class QRadioButton;

namespace freefall {

class FreefallForm;
class QtOptionButton;
class QtTextBox;
class QtWindow;
class TextBoxEdit;

class frmFreefall : public QMainWindow
{
    Q_OBJECT

public:
    // Creates the window and its controls and runs Form_Load; the focus is then in the
    // feet-per-minute box, ready for show().
    explicit frmFreefall(const RegionalSettings &regional, QWidget *parent = nullptr);
    ~frmFreefall() override;

    // Places the window in the middle of the available area of its screen.
    void centreOnScreen();

    MousePointer mousePointer() const;
    bool imperialMode() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void calculate();
    void clearBoxes();
    void showStoppingDistanceInfo();

private:
    void createControls();
    void createMenu();
    void setTabOrderByIndex();
    void connectHandlers();
    void moveWithinOptionGroup(QRadioButton *from, int key);

    RegionalSettings regional_;
    EventDispatch dispatch_;

    TextBoxEdit *txtImperialSpeed_ = nullptr;
    TextBoxEdit *txtMetricSpeed_ = nullptr;
    TextBoxEdit *txtStopInches_ = nullptr;
    TextBoxEdit *txtStopMillimeters_ = nullptr;
    QPushButton *cmdCalculate_ = nullptr;
    QPushButton *cmdClear_ = nullptr;
    QRadioButton *optImperial_ = nullptr;
    QRadioButton *optMetric_ = nullptr;
    QAction *mnuStopDisInfo_ = nullptr;

    std::unique_ptr<QtTextBox> imperialSpeedBox_;
    std::unique_ptr<QtTextBox> metricSpeedBox_;
    std::unique_ptr<QtTextBox> stopInchesBox_;
    std::unique_ptr<QtTextBox> stopMillimetersBox_;
    std::unique_ptr<QtOptionButton> imperialOption_;
    std::unique_ptr<QtOptionButton> metricOption_;
    std::unique_ptr<QtWindow> window_;
    std::unique_ptr<FreefallForm> form_;
};

} // namespace freefall
