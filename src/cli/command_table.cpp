// Registration and dispatch of tintora-cli's subcommands, and the usage-error report.
#include "cli/command_table.h"

#include <cerrno>
#include <iostream>
#include <new>

#include <CLI/CLI.hpp>

#include "cli/messages.h"
#include "shared/file_io.h"

CLI::App& CommandTable::Add(const std::string& name, const std::string& description,
                            const std::string& example, CommandAction action) {
    CLI::App* sub = m_app.add_subcommand(name, description);
    m_actions.emplace_back(sub, std::move(action));
    m_examples.push_back(example);
    return *sub;
}

void CommandTable::AddHelpFooter() {
    std::string footer = "\nExamples:\n";
    for (const std::string& example : m_examples) {
        footer += "  " + example + "\n";
    }
    footer +=
        "\nFILE, IN and OUT may be - for standard input or output.\n"
        "\nExit status:\n"
        "  0  success; for check and audit, nothing to report\n"
        "  1  failure, every file left as it was; for check and audit, findings were reported\n"
        "  2  wrong usage; for check and audit, the file cannot be read\n";
    m_app.footer(footer);
}

int CommandTable::RunChosen() const {
    for (const auto& [sub, action] : m_actions) {
        if (sub->parsed()) {
            // Commands leave every file as it was until their one write, so running out of
            // memory loses nothing; it only has to be said plainly.
            try {
                return action();
            } catch (const std::bad_alloc&) {
                std::cerr << m_app.get_name() << ": out of memory\n";
                return kExitFailure;
            }
        }
    }
    // The application requires a subcommand, so parsing has already refused this.
    std::cerr << m_app.help();
    return kExitUsage;
}

int CommandTable::ReportParseError(const CLI::ParseError& error) const {
    if (error.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success)) {
        // --help or --version, printed on standard output; a script must learn when it
        // could not be (a full disk, a closed pipe).
        errno = 0; // the failed write leaves the system's reason here, maybe at an endl
        const int code = m_app.exit(error);
        if (!std::cout.flush()) {
            ReportFileError(std::cerr, "standard output",
                            SystemErrorText(errno != 0 ? errno : EIO));
            return kExitFailure;
        }
        return code;
    }
    // The first word after the program's name that is no option and no command.
    if (m_app.get_subcommands().empty()) {
        const std::vector<std::string> words = m_app.remaining();
        if (!words.empty() && !words.front().starts_with('-')) {
            std::cerr << m_app.get_name() << ": '" << words.front() << "' is not a command\nTry '"
                      << m_app.get_name() << " --help' for the list of commands.\n";
            return kExitUsage;
        }
    }
    // help() shows the usage of the subcommand the user was typing, when there is one.
    std::cerr << m_app.get_name() << ": " << error.what() << "\n\n" << m_app.help();
    return kExitUsage;
}
