// tintora-cli: batch work on palette files with the core alone.
#include <array>
#include <iostream>
#include <string>

#include <CLI/CLI.hpp>

#include "cli/audit_command.h"
#include "cli/check_command.h"
#include "cli/cli_platform.h"
#include "cli/command_table.h"
#include "cli/convert_command.h"
#include "cli/default_command.h"
#include "cli/derive_command.h"
#include "cli/dump_command.h"
#include "cli/import_command.h"
#include "cli/messages.h"
#include "shared/file_io.h"
#include "shared/text_encoding.h"
#ifdef TINTORA_CLI_RENDER
#include "cli/render_command.h"
#else
// Builds without the editor have no render command: it paints with the editor's code.
static void AddRenderCommand(CommandTable& /*table*/) {}
#endif

namespace {

// A new command is one file pair and one line here.
constexpr std::array kCommands = {
    CommandRegistration{&AddDefaultCommand}, CommandRegistration{&AddDumpCommand},
    CommandRegistration{&AddImportCommand},  CommandRegistration{&AddCheckCommand},
    CommandRegistration{&AddConvertCommand}, CommandRegistration{&AddRenderCommand},
    CommandRegistration{&AddAuditCommand},   CommandRegistration{&AddDeriveCommand},
};

} // namespace

int main(int argc, char** argv) {
    CliArguments arguments(argc, argv);
    PrepareStandardStreams();
    SetRecoveryNotice(
        [](const CString& path) { ReportFileWarning(std::cerr, ToUtf8(path), kRecoveredMessage); });
    CLI::App app{"Tintora's command-line tool for pen colour palette files.", "tintora-cli"};
    app.set_version_flag("--version", std::string("tintora-cli ") + TINTORA_VERSION);
    app.require_subcommand(1);
    app.allow_windows_style_options(false); // "/path/file.pal" is a file on every system
    CommandTable table(app);
    for (CommandRegistration add : kCommands) {
        add(table);
    }
    table.AddHelpFooter();
    try {
        app.parse(arguments.Count(), arguments.Values());
    } catch (const CLI::ParseError& error) {
        return table.ReportParseError(error);
    }
    return table.RunChosen();
}
