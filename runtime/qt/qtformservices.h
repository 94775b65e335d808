// The window's mouse pointer on Qt, and the picture loading and message box beside it.
#pragma once

#include "runtime/forms.h"

#include <QPointer>
#include <QWidget>

#include <memory>

namespace freefall {

class QtPicture;

class QtFormServices final : public FormServices
{
public:
    // The pointer applies to the client area below the menu bar. Qt lets child widgets without
    // a pointer of their own inherit it, so a custom pointer shows over the client area, the
    // labels, the command buttons and the option buttons; the text boxes keep their text beam
    // and the menu bar its arrow.
    explicit QtFormServices(QWidget *clientArea);

    void setMousePointer(MousePointer pointer) override;
    void setMouseIcon(PicturePtr picture) override;
    PicturePtr loadPicture(std::u16string_view path) override;
    void msgBox(std::u16string_view prompt, int buttons, std::u16string_view title) override;

    MousePointer mousePointer() const { return pointer_; }

private:
    void showPointer();

    QPointer<QWidget> clientArea_;
    MousePointer pointer_ = MousePointer::Default;
    std::shared_ptr<const QtPicture> icon_;
};

} // namespace freefall
