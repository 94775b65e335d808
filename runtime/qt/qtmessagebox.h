// The message box of the forms runtime: the prompt shown exactly as written, OK only, no icon.
#pragma once

#include <QMessageBox>

namespace freefall {

class QtMessageBox : public QMessageBox
{
    Q_OBJECT

public:
    QtMessageBox(const QString &title, const QString &prompt, QWidget *parent = nullptr);

    // The prompt as shown, lines ending in "\n".
    QString promptText() const { return prompt_; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString prompt_;
};

} // namespace freefall
