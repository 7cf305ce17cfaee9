#pragma once

#include "calc/TableCalculation.h"
#include "cli/Command.h"

#include <string>

namespace zeft::cli {

// calc volume: the levels from the volumes at 20 to 80 % of the height.
class VolumeCommand : public Command {
public:
    VolumeCommand() : Command("calc volume", "levels from the volumes at 20 to 80 % of the height") {}

    void AddOptions(CLI::App& command) override;
    int Run() override;

private:
    TableEditTexts volumes_;
    std::string height_;
    bool inchUnit_ = false;
    bool json_ = false;
};

} // namespace zeft::cli
