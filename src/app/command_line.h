// The editor's command line: at most one palette file to open, --help and --version.
// Standard C++ only, so that --help and --version answer before any window system is asked.
#pragma once

#include <string>
#include <vector>

struct CommandLine {
    enum class Action { Run, Help, Version, Fail };
    Action action = Action::Run;
    std::string file;  // Run: the file to open, empty for none
    std::string error; // Fail: why, one line
};

// args without the program name. --help or --version anywhere before "--" wins over
// everything else; the window system's own options (-platform NAME, -style=NAME, ...) are
// left to it; an unknown option or a second file fails.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

std::string UsageText();
std::string VersionText();
