#pragma once

#include "calc/TableCalculation.h"
#include "cli/Command.h"

namespace zeft::cli {

// calc height: the levels from the heights at 20 to 80 % of the volume.
class HeightCommand : public Command {
public:
    HeightCommand() : Command("calc height", "levels from the heights at 20 to 80 % of the volume") {}

    void AddOptions(CLI::App& command) override;
    int Run() override;

private:
    TableEditTexts heights_;
    bool inchUnit_ = false;
    bool json_ = false;
};

} // namespace zeft::cli
