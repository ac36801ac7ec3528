// The editor's command line.
#include "app/command_line.h"

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine result;
    bool options = true;
    for (const std::string& arg : args) {
        if (options && arg == "--") {
            options = false;
        } else if (options && (arg == "-h" || arg == "--help")) {
            return {CommandLine::Action::Help, {}, {}};
        } else if (options && (arg == "-V" || arg == "--version")) {
            return {CommandLine::Action::Version, {}, {}};
        } else if (options && arg.size() > 1 && arg.front() == '-') {
            if (result.error.empty()) {
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
