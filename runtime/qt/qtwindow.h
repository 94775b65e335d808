// The window of the forms runtime: its mouse pointer, and the picture loading and message box
// that stand beside it.
#pragma once

#include "forms.h"

#include <QPointer>
#include <QWidget>

#include <memory>

namespace freefall {

class QtPicture;

class QtWindow final : public Window
{
public:
    // The pointer applies to the client area below the menu bar. Qt lets child widgets without
    // a pointer of their own inherit it, so a custom pointer shows over the client area, the
    // labels, the command buttons and the option buttons; the text boxes keep their text beam
    // and the menu bar its arrow.
    explicit QtWindow(QWidget *clientArea);

    void setMousePointer(MousePointer pointer) override;
    void setMouseIcon(PicturePtr picture) override;
    PicturePtr loadPicture(const QString &path) override;
    void msgBox(const QString &prompt, int buttons, const QString &title) override;

    MousePointer mousePointer() const { return pointer_; }

private:
    void showPointer();

    QPointer<QWidget> clientArea_;
    MousePointer pointer_ = MousePointer::Default;
    std::shared_ptr<const QtPicture> icon_;
};

} // namespace freefall
