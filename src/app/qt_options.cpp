#include "app/qt_options.h"

#include <algorithm>
#include <string_view>

namespace abacore {

namespace {

// The options QGuiApplication, QApplication and the X11 platform take with a value ...
constexpr std::string_view kWithValue[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",       "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "style",        "stylesheet",
    "display",     "geometry",           "title",         "qmljsdebugger"};
// ... and without one.
constexpr std::string_view kFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

bool In(const auto& names, std::string_view name) {
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

} // namespace

int QtOptionLength(int argc, char** argv, int i) {
    std::string_view arg = argv[i];
    // Qt takes its options with one dash or two.
    if (arg.starts_with("--"))
        arg.remove_prefix(2);
    else if (arg.starts_with("-"))
        arg.remove_prefix(1);
    else
        return 0;
    if (const auto equals = arg.find('='); equals != std::string_view::npos)
        return In(kWithValue, arg.substr(0, equals)) ? 1 : 0;
    if (In(kFlags, arg))
        return 1;
    return In(kWithValue, arg) && i + 1 < argc ? 2 : 0;
}

} // namespace abacore
