#pragma once

#include "cli/Command.h"
#include "cli/ConsoleControls.h"
#include "cli/ConsolePrompts.h"
#include "cli/LineOptions.h"
#include "main/ExchangeEngine.h"

#include <functional>
#include <optional>
#include <string>

namespace zeft::cli {

class ConsoleDeviceSession;

// What read, restore and program share: the port and line options, --json, --save,
// --label, --installer and --yes. The run opens the port, runs the operation as its button would, saves when asked,
// and prints the report. The top-limit question is asked at most once a run.
class DeviceCommand : public Command {
public:
    void AddOptions(CLI::App& command) final;
    int Run() final;

protected:
    DeviceCommand(std::string name, std::string help, DeviceOperation operation)
        : Command(std::move(name), std::move(help)), operation_(operation) {}

    // The command's own options, between --save and --yes.
    virtual void AddOwnOptions(CLI::App&) {}
    // Sets the controls up before the port opens, as the user would in the main window;
    // false (after its message) refuses the run.
    virtual bool PrepareControls(ConsoleControls&, ConsolePrompts&) { return true; }
    // The checks the operation's button makes before anything reaches the port.
    virtual bool Acceptable(ConsoleDeviceSession&) { return true; }
    // The work on the open port: the operation, as its button runs it.
    virtual int Operate(ConsoleDeviceSession& session, ConsoleControls& controls,
                        const std::function<bool()>& interrupted);
    // Prints what the run ends with and returns the exit status: the device report.
    virtual int Report(int status, const ConsoleControls& controls, const ConsolePrompts& prompts, bool json);

    // The port as typed.
    const std::string& Port() const { return port_; }
    // --installer, else $ZEFT_INSTALLER, else none.
    std::string Installer() const;
    // --label.
    const std::string& Label() const { return label_; }
    // --json.
    bool Json() const { return json_; }

private:
    DeviceOperation operation_;
    std::string port_;
    LineOptions line_;
    bool json_ = false;
    std::optional<std::string> saveFile_;
    bool answerYes_ = false;
    std::string label_;
    std::optional<std::string> installer_;
};

} // namespace zeft::cli
