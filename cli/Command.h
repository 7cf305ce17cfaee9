#pragma once

#include <string>
#include <utility>

namespace CLI {
class App;
} // namespace CLI

namespace zeft::cli {

// One zeftctl command. The command table (CommandTable.h) makes one of each; main gives
// each its own CLI11 subcommand, lets it add its options there, and after a successful
// parse runs the one the user chose. A command's options are bound to its own members, so
// they live as long as the command.
class Command {
public:
    virtual ~Command() = default;
    Command(const Command&) = delete;
    Command& operator=(const Command&) = delete;

    // The words that choose the command ("read", "calc chart") and its line of help.
    const std::string& Name() const { return name_; }
    const std::string& Help() const { return help_; }

    virtual void AddOptions(CLI::App& command) = 0;
    // Runs the command after a successful parse; returns the exit status.
    virtual int Run() = 0;

protected:
    Command(std::string name, std::string help) : name_(std::move(name)), help_(std::move(help)) {}

private:
    std::string name_;
    std::string help_;
};

} // namespace zeft::cli
