#pragma once

#include "cli/Command.h"
#include "cli/LineOptions.h"
#include "main/SettingsComparison.h"

#include <string>
#include <vector>

namespace zeft::cli {

// diff FILE1 FILE2: two configuration files, as Load reads them.
// diff --port P FILE: what the sender holds (a Read Device) against a file.
// Prints the comparison; exit status 0 when the settings are the same, 4 when they differ.
class DiffCommand : public Command {
public:
    DiffCommand() : Command("diff", "compare the settings of two .zcf files, or of the sender (--port) and a file") {}

    void AddOptions(CLI::App& command) override;
    int Run() override;

private:
    int Refuse(const std::string& text) const;
    int Print(const SettingsComparison& comparison, const std::string& leftName, const std::string& rightName) const;

    std::vector<std::string> files_;
    std::string port_;
    LineOptions line_;
    bool json_ = false;
};

} // namespace zeft::cli
