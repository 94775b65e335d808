// The custom pointer is drawn from the last picture set as the mouse icon; without one, or with
// a picture that is not Qt's, it is the ordinary arrow.
#include "qtwindow.h"

#include "qtmessagebox.h"
#include "qtpicture.h"

namespace freefall {

QtWindow::QtWindow(QWidget *clientArea) : clientArea_(clientArea)
{
    showPointer();
}

void QtWindow::setMousePointer(MousePointer pointer)
{
    pointer_ = pointer;
    showPointer();
}

void QtWindow::setMouseIcon(PicturePtr picture)
{
    icon_ = std::dynamic_pointer_cast<const QtPicture>(std::move(picture));
    showPointer();
}

PicturePtr QtWindow::loadPicture(const QString &path)
{
    return QtPicture::load(path);
}

void QtWindow::msgBox(const QString &prompt, int buttons, const QString &title)
{
    // Only the OK button is ever asked for (buttons value 0).
    Q_ASSERT(buttons == 0);
    Q_UNUSED(buttons);
    QtMessageBox box(title, prompt, clientArea_ ? clientArea_->window() : nullptr);
    box.exec();
}

void QtWindow::showPointer()
{
    if (!clientArea_)
        return;
    if (pointer_ == MousePointer::Custom && icon_)
        clientArea_->setCursor(icon_->cursor());
    else
        clientArea_->setCursor(Qt::ArrowCursor);
}

} // namespace freefall
