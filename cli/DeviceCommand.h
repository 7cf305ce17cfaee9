#pragma once

#include "cli/Command.h"
#include "cli/ConsoleControls.h"
#include "cli/LineOptions.h"
#include "main/ExchangeEngine.h"

#include <optional>
#include <string>

namespace zeft::cli {

// What read, restore and program share: the port and line options, --json and --save. The
// run opens the port, runs the operation as its button would, saves when asked, and prints
// the report.
class DeviceCommand : public Command {
public:
    void AddOptions(CLI::App& command) override;
    int Run() override;

protected:
    DeviceCommand(std::string name, std::string help, ExchangeOperation operation)
        : Command(std::move(name), std::move(help)), operation_(operation) {}

    // Sets the controls up before the port opens, as the user would in the main window.
    virtual void PrepareControls(ConsoleControls&) {}

    bool answerYes_ = false;

private:
    ExchangeOperation operation_;
    std::string port_;
    LineOptions line_;
    bool json_ = false;
    std::optional<std::string> saveFile_;
};

} // namespace zeft::cli
