// The line edit behind a text box: a locked (read-only) box still shows its caret when it has
// the focus, so the user sees where a selection for copying starts.
#pragma once

#include <QBasicTimer>
#include <QLineEdit>

namespace freefall {

class TextBoxEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit TextBoxEdit(QWidget *parent = nullptr);

    // Whether the caret drawn for a read-only box is in its visible phase; for tests.
    bool isReadOnlyCaretShown() const;

protected:
    void changeEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    void restartCaret();

    QBasicTimer blinkTimer_;
    bool caretPhaseOn_ = false;
};

} // namespace freefall
