// In-memory controls for testing the window's handlers without a display. Like the real ones,
// a text box cuts written text to its maximum length and raises its change handler nested
// inside the write, through the same event dispatch.
#pragma once

#include "logic/boxes.h"
#include "runtime/eventdispatch.h"
#include "runtime/forms.h"
#include "runtime/runtimeerror.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace freefall::testing {

// What the controls did, in order, so tests can see nesting and order.
struct FormLog
{
    std::vector<std::u16string> events;
    TextBox *focused = nullptr;
};

class FakeTextBox : public TextBox
{
public:
    // The log names the box by its unit label: "MPS=0.51".
    FakeTextBox(Box box, EventDispatch &dispatch, FormLog &log)
        : name_(describe(box).unitLabel.begin(), describe(box).unitLabel.end()),
          dispatch_(dispatch), log_(log)
    {
    }

    std::function<void()> onChange;

    std::u16string text() const override { return text_; }
    void setText(std::u16string_view text) override
    {
        dispatch_.write([&] { changeTo(text); });
    }
    // The user's edit: the change handler runs as an event of its own.
    void type(std::u16string_view text)
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
    void setInitialText(std::u16string_view text) { text_ = text; }

private:
    void changeTo(std::u16string_view text)
    {
        const std::u16string_view cut = text.substr(0, kBoxMaxLength);
        if (cut == text_)
            return;
        text_ = cut;
        log_.events.push_back(name_ + u'=' + text_);
        if (onChange)
            dispatch_.raise(onChange);
    }

    std::u16string name_;
    EventDispatch &dispatch_;
    FormLog &log_;
    std::u16string text_;
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
    explicit FakePicture(std::u16string path) : path(std::move(path)) {}
    std::u16string path;
};

class FakeFormServices : public FormServices
{
public:
    void setMousePointer(MousePointer value) override { pointer = value; }
    void setMouseIcon(PicturePtr value) override { icon = std::move(value); }
    PicturePtr loadPicture(std::u16string_view path) override
    {
        const auto file = files.find(std::u16string(path));
        if (file == files.end())
            throw RuntimeError(RuntimeError::Kind::FileNotFound);
        if (!file->second)
            throw RuntimeError(RuntimeError::Kind::InvalidPicture);
        return std::make_shared<FakePicture>(file->first);
    }
    void msgBox(std::u16string_view prompt, int buttons, std::u16string_view title) override
    {
        messages.push_back({std::u16string(prompt), buttons, std::u16string(title)});
    }

    std::u16string iconPath() const
    {
        const auto *picture = dynamic_cast<const FakePicture *>(icon.get());
        return picture ? picture->path : std::u16string();
    }

    struct Message
    {
        std::u16string prompt;
        int buttons;
        std::u16string title;
    };
    std::map<std::u16string, bool> files; // path -> whether it holds a valid picture
    MousePointer pointer = MousePointer::Default;
    PicturePtr icon;
    std::vector<Message> messages;
};

// The window's controls in memory, before any handlers are assembled around them.
struct FakeControls
{
    EventDispatch dispatch;
    FormLog log;
    FakeTextBox imperial{Box::ImperialSpeed, dispatch, log};
    FakeTextBox metric{Box::MetricSpeed, dispatch, log};
    FakeTextBox inches{Box::StopInches, dispatch, log};
    FakeTextBox millimetres{Box::StopMillimeters, dispatch, log};
    FakeOptionButton optImperial;
    FakeOptionButton optMetric;
    FakeFormServices services;
};

} // namespace freefall::testing
