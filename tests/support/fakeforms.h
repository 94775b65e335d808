// In-memory controls for testing the window's handlers without a display. Like the real ones,
// a text box cuts written text to nine characters and raises its change handler nested inside
// the write, through the same event dispatch.
#pragma once

#include "eventdispatch.h"
#include "forms.h"
#include "runtimeerror.h"

#include <QMap>
#include <QStringList>

#include <functional>

namespace freefall::testing {

// What the controls did, in order, so tests can see nesting and order.
struct FormLog
{
    QStringList events;
    TextBox *focused = nullptr;
};

class FakeTextBox : public TextBox
{
public:
    FakeTextBox(QString name, EventDispatch &dispatch, FormLog &log)
        : name_(std::move(name)), dispatch_(dispatch), log_(log)
    {
    }

    std::function<void()> onChange;

    QString text() const override { return text_; }
    void setText(const QString &text) override
    {
        dispatch_.write([&] { changeTo(text); });
    }
    // The user's edit: the change handler runs as an event of its own.
    void type(const QString &text)
    {
        if (locked_)
            return;
        changeTo(text);
    }
    void setBackColor(Colour colour) override { backColor_ = colour; }
    void setLocked(bool locked) override { locked_ = locked; }
    void setTabStop(bool tabStop) override { tabStop_ = tabStop; }
    void setFocus() override { log_.focused = this; }

    Colour backColor() const { return backColor_; }
    bool locked() const { return locked_; }
    bool tabStop() const { return tabStop_; }
    void setInitialText(const QString &text) { text_ = text; }

private:
    void changeTo(const QString &text)
    {
        const QString cut = text.left(9);
        if (cut == text_)
            return;
        text_ = cut;
        log_.events << name_ + u'=' + cut;
        if (onChange)
            dispatch_.raise(onChange);
    }

    QString name_;
    EventDispatch &dispatch_;
    FormLog &log_;
    QString text_;
    Colour backColor_ = 0x80000005; // the platform's window colour, until a handler sets one
    bool locked_ = false;
    bool tabStop_ = true;
};

class FakeOptionButton : public OptionButton
{
public:
    void setForeColor(Colour colour) override { foreColor = colour; }
    Colour foreColor = 0x80000012; // the platform's button-text colour
};

class FakePicture : public Picture
{
public:
    explicit FakePicture(QString path) : path(std::move(path)) {}
    QString path;
};

class FakeWindow : public Window
{
public:
    void setMousePointer(MousePointer value) override { pointer = value; }
    void setMouseIcon(PicturePtr value) override { icon = std::move(value); }
    PicturePtr loadPicture(const QString &path) override
    {
        if (!files.contains(path))
            throw RuntimeError(RuntimeError::Kind::FileNotFound);
        if (!files.value(path))
            throw RuntimeError(RuntimeError::Kind::InvalidPicture);
        return std::make_shared<FakePicture>(path);
    }
    void msgBox(const QString &prompt, int buttons, const QString &title) override
    {
        messages << Message{prompt, buttons, title};
    }

    QString iconPath() const
    {
        const auto *picture = dynamic_cast<const FakePicture *>(icon.get());
        return picture ? picture->path : QString();
    }

    struct Message
    {
        QString prompt;
        int buttons;
        QString title;
    };
    QMap<QString, bool> files; // path -> whether it holds a valid picture
    MousePointer pointer = MousePointer::Default;
    PicturePtr icon;
    QList<Message> messages;
};

} // namespace freefall::testing
