// The options as QApplication and its X11 platform consume them in Qt 6, with one dash or two;
// an option that takes a value takes the next argument, and a few also take "=value".
#include "app/linux/qtoptions.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace freefall {

namespace {

struct QtOption
{
    std::string_view name;
    enum
    {
        Flag,
        NextArgument,
        NextArgumentOrEquals,
        Equals
    } value;
};

constexpr std::array<QtOption, 22> kQtOptions{{
    // QGuiApplication
    {"platform", QtOption::NextArgument},
    {"platformpluginpath", QtOption::NextArgument},
    {"platformtheme", QtOption::NextArgument},
    {"plugin", QtOption::NextArgument},
    {"qwindowgeometry", QtOption::NextArgument},
    {"qwindowicon", QtOption::NextArgument},
    {"qwindowtitle", QtOption::NextArgument},
    {"reverse", QtOption::Flag},
    {"session", QtOption::NextArgument},
    {"qmljsdebugger", QtOption::Equals},
    {"testability", QtOption::Flag},
    // QApplication
    {"style", QtOption::NextArgumentOrEquals},
    {"stylesheet", QtOption::NextArgumentOrEquals},
    {"widgetcount", QtOption::Flag},
    // The X11 platform
    {"display", QtOption::NextArgument},
    {"geometry", QtOption::NextArgument},
    {"title", QtOption::NextArgument},
    {"icon", QtOption::NextArgument},
    {"name", QtOption::NextArgument},
    {"visual", QtOption::NextArgument},
    {"nograb", QtOption::Flag},
    {"dograb", QtOption::Flag},
}};

} // namespace

bool areQtOptions(std::span<char *const> arguments)
{
    if (arguments.empty())
        return false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string_view argument = arguments[i];
        if (argument.starts_with("--"))
            argument.remove_prefix(2);
        else if (argument.starts_with("-"))
            argument.remove_prefix(1);
        else
            return false;
        const std::size_t equals = argument.find('=');
        const std::string_view name = argument.substr(0, equals);
        const auto option = std::find_if(kQtOptions.begin(), kQtOptions.end(),
                                         [name](const QtOption &o) { return o.name == name; });
        if (option == kQtOptions.end())
            return false;
        const bool hasEquals = equals != std::string_view::npos;
        switch (option->value) {
        case QtOption::Flag:
            if (hasEquals)
                return false;
            break;
        case QtOption::Equals:
            if (!hasEquals)
                return false;
            break;
        case QtOption::NextArgumentOrEquals:
            if (hasEquals)
                break;
            [[fallthrough]];
        case QtOption::NextArgument:
            if (hasEquals || ++i == arguments.size())
                return false;
            break;
        }
    }
    return true;
}

} // namespace freefall
