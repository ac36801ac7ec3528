// The editor's command line.
#include "app/command_line.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

// The window system's own options, which it takes out of the command line itself: with one
// or two dashes, the first group followed by a value (or "=value").
constexpr std::array<std::string_view, 15> kQtOptionsWithValue = {
    "platform",    "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "style",  "stylesheet",
    "display",     "geometry",           "name",          "title",  "visual"};
constexpr std::array<std::string_view, 5> kQtFlags = {"reverse", "widgetcount", "nograb", "dograb",
                                                      "sync"};

template <std::size_t N>
bool Contains(const std::array<std::string_view, N>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// How many arguments from args[i] on are the window system's option (0: none of its).
std::size_t QtOptionLength(const std::vector<std::string>& args, std::size_t i) {
    std::string_view name(args[i]);
    name.remove_prefix(name.rfind("--", 0) == 0 ? 2 : 1);
    if (const std::size_t equals = name.find('='); equals != std::string_view::npos) {
        return Contains(kQtOptionsWithValue, name.substr(0, equals)) ? 1 : 0;
    }
    if (Contains(kQtFlags, name)) {
        return 1;
    }
    return Contains(kQtOptionsWithValue, name) ? std::min<std::size_t>(2, args.size() - i) : 0;
}

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine result;
    bool options = true;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (options && arg == "--") {
            options = false;
        } else if (options && (arg == "-h" || arg == "--help")) {
            return {CommandLine::Action::Help, {}, {}};
        } else if (options && (arg == "-V" || arg == "--version")) {
            return {CommandLine::Action::Version, {}, {}};
        } else if (options && arg.size() > 1 && arg.front() == '-') {
            if (const std::size_t length = QtOptionLength(args, i); length > 0) {
                i += length - 1;
            } else if (result.error.empty()) {
                result.error = "unrecognized option '" + arg + "'";
            }
        } else if (result.file.empty()) {
            result.file = arg;
        } else if (result.error.empty()) {
            result.error = "only one FILE can be opened";
        }
    }
    if (!result.error.empty()) {
        result.action = CommandLine::Action::Fail;
    }
    return result;
}

std::string UsageText() {
    return "Usage: tintora [FILE]\n"
           "Edit the pen colour palettes in FILE (a .pal file), or the built-in default.\n"
           "\n"
           "  -h, --help     show this help and exit\n"
           "  -V, --version  show the version and exit\n";
}

std::string VersionText() {
    return std::string("tintora ") + TINTORA_VERSION + "\n";
}
