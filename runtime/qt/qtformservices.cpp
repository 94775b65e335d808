// The custom pointer is drawn from the last picture set as the mouse icon; without one, or with
// a picture that is not Qt's, it is the ordinary arrow.
#include "runtime/qt/qtformservices.h"

#include "runtime/qt/qtmessagebox.h"
#include "runtime/qt/qtpicture.h"
#include "runtime/qt/qttext.h"

namespace freefall {

QtFormServices::QtFormServices(QWidget *clientArea) : clientArea_(clientArea)
{
    showPointer();
}

void QtFormServices::setMousePointer(MousePointer pointer)
{
    pointer_ = pointer;
    showPointer();
}

void QtFormServices::setMouseIcon(PicturePtr picture)
{
    icon_ = std::dynamic_pointer_cast<const QtPicture>(std::move(picture));
    showPointer();
}

PicturePtr QtFormServices::loadPicture(std::u16string_view path)
{
    return QtPicture::load(toQString(path));
}

void QtFormServices::msgBox(std::u16string_view prompt, int buttons, std::u16string_view title)
{
    // Only the OK button is ever asked for (buttons value 0).
    Q_ASSERT(buttons == 0);
    Q_UNUSED(buttons);
    QtMessageBox box(toQString(title), toQString(prompt),
                     clientArea_ ? clientArea_->window() : nullptr);
    box.exec();
}

void QtFormServices::showPointer()
{
    if (!clientArea_)
        return;
    if (pointer_ == MousePointer::Custom && icon_)
        clientArea_->setCursor(icon_->cursor());
    else
        clientArea_->setCursor(Qt::ArrowCursor);
}

} // namespace freefall
