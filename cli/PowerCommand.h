#pragma once

#include "cli/Command.h"
#include "cli/LineOptions.h"

#include <string>

namespace zeft::cli {

// power: the battery test. RTS high until Enter, the given seconds (none: no limit) or
// Ctrl-C; RTS low on every way out.
class PowerCommand : public Command {
public:
    PowerCommand() : Command("power", "battery test: power the programming interface") {}

    void AddOptions(CLI::App& command) override;
    int Run() override;

private:
    std::string port_;
    LineOptions line_;
    int seconds_ = 0;
};

} // namespace zeft::cli
