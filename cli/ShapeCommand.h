#pragma once

#include "calc/ShapeCalculation.h"
#include "cli/Command.h"

namespace zeft::cli {

// calc shape: the levels from the tank's shape and dimensions, with its volume.
class ShapeCommand : public Command {
public:
    ShapeCommand() : Command("calc shape", "levels from the tank's shape and dimensions") {}

    void AddOptions(CLI::App& command) override;
    int Run() override;

private:
    ShapeOptions options_;
    ShapeEditTexts texts_;
    bool json_ = false;
};

} // namespace zeft::cli
