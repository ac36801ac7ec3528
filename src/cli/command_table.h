// The subcommands of tintora-cli: every command registers its name, arguments and action
// here, and main() runs the one the command line chose.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace CLI {
class App;
class ParseError;
} // namespace CLI

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// Runs a chosen command and returns the process's exit code.
using CommandAction = std::function<int()>;

class CommandTable {
public:
    explicit CommandTable(CLI::App& app) : m_app(app) {}

    // Adds the subcommand name, with a one-line example for --help; the caller adds its
    // arguments to the result. The action runs only when the command line chose this
    // subcommand.
    CLI::App& Add(const std::string& name, const std::string& description,
                  const std::string& example, CommandAction action);

    // Ends --help with every command's example and the exit codes; call after the last Add.
    void AddHelpFooter();

    // Runs the action of the subcommand the parsed command line chose.
    int RunChosen() const;

    // Prints help or version (exit 0) or the usage error with the usage (exit 2); a word
    // that names no command is named, with a hint to --help.
    int ReportParseError(const CLI::ParseError& error) const;

private:
    CLI::App& m_app;
    std::vector<std::pair<const CLI::App*, CommandAction>> m_actions;
    std::vector<std::string> m_examples;
};

// Each command file offers one of these; main() calls them in order.
using CommandRegistration = void (*)(CommandTable& table);
