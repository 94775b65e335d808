// The prompt is plain text, never wrapped, so indentation and runs of blanks show as written;
// Ctrl+C copies the selected part of it, or all of it when nothing is selected.
#include "runtime/qt/qtmessagebox.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>

namespace freefall {

QtMessageBox::QtMessageBox(const QString &title, const QString &prompt, QWidget *parent)
    : QMessageBox(parent), prompt_(QString(prompt).replace(u"\r\n"_qs, u"\n"_qs))
{
    setWindowTitle(title);
    setIcon(QMessageBox::NoIcon);
    setTextFormat(Qt::PlainText);
    setText(prompt_);
    // Selection by mouse only: the OK button keeps the keyboard focus, so Enter, Escape and
    // Ctrl+C all reach the box itself.
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setStandardButtons(QMessageBox::Ok);
    setDefaultButton(QMessageBox::Ok);
    setEscapeButton(QMessageBox::Ok);
}

void QtMessageBox::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy)) {
        // The box has an icon label as well; the prompt's label is the one showing the prompt.
        QString selected;
        for (const QLabel *label : findChildren<const QLabel *>()) {
            if (label->text() == prompt_)
                selected = label->selectedText();
        }
        QGuiApplication::clipboard()->setText(selected.isEmpty() ? prompt_ : selected);
        event->accept();
        return;
    }
    QMessageBox::keyPressEvent(event);
}

} // namespace freefall
