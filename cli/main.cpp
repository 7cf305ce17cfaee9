// zeftctl: the main window's device work and the calculators' arithmetic from a shell.
#include "cli/CommandLineErrors.h"
#include "cli/CommandTable.h"
#include "cli/ConsoleCodePage.h"
#include "cli/ExitStatus.h"
#include "cli/StopRequest.h"

#include "ZeftVersion.h"
#include "serial/virtual/VirtualSenderPortName.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <map>
#include <sstream>
#include <string>

namespace {

using namespace zeft;
using namespace zeft::cli;

// The CLI11 subcommand of a command: "calc chart" is "chart" inside the group "calc",
// which is made when its first command comes and must be followed by one of its commands.
CLI::App* AddCommand(CLI::App& app, std::map<std::string, CLI::App*>& groups, const Command& command) {
    std::istringstream words(command.Name());
    std::string word;
    std::string path;
    CLI::App* parent = &app;
    words >> word;
    for (std::string next; words >> next; word = next) {
        path += path.empty() ? word : " " + word;
        CLI::App*& group = groups[path];
        if (group == nullptr) {
            group = parent->add_subcommand(word, CommandGroupHelp(path));
            group->require_subcommand(1);
        }
        parent = group;
    }
    return parent->add_subcommand(word, command.Help());
}

} // namespace

int main(int argc, char** argv) {
    // Signals end every command with the same status, not only those that switch a sender.
    StopRequest::EndRunOnStopSignals(AsksForJson(argc, argv));
    const ConsoleCodePage codePage;
    CLI::App app{"zeftctl: reads, programs and restores ZEFT tank level senders, and computes their "
                 "linearisation levels"};
    app.name("zeftctl"); // in the usage lines, rather than the path it was started by
    app.set_version_flag("--version", std::string("zeftctl ") + ZEFT_VERSION_TEXT);
    app.require_subcommand(1);

    const std::vector<std::unique_ptr<Command>> commands = MakeCommands();
    std::vector<CLI::App*> subcommands;
    std::map<std::string, CLI::App*> groups;
    for (const std::unique_ptr<Command>& command : commands) {
        subcommands.push_back(AddCommand(app, groups, *command));
        command->AddOptions(*subcommands.back());
    }

    try {
        RefuseEmptyValues(argc, argv);
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        if (app.exit(error) == 0) {
            return kExitSuccess; // --help, --version
        }
        if (AsksForJson(argc, argv)) {
            std::fputs(ErrorJson(error.what()).c_str(), stdout);
        }
        return kExitInvalidInput;
    }

    // The virtual sender is always there, so the tool can be tried without hardware.
    RegisterVirtualSenderPort();
    RegisterVirtualProductionLine();

    for (std::size_t i = 0; i < commands.size(); ++i) {
        if (subcommands[i]->parsed()) {
            return commands[i]->Run();
        }
    }
    return kExitInvalidInput; // not reached: the parse requires a command
}
