#include "cli/CommandTable.h"

#include "cli/ChartCommand.h"
#include "cli/DiffCommand.h"
#include "cli/DoctorCommand.h"
#include "cli/HeightCommand.h"
#include "cli/HistoryCommand.h"
#include "cli/PortsCommand.h"
#include "cli/PowerCommand.h"
#include "cli/ProgramCommand.h"
#include "cli/ReadCommand.h"
#include "cli/RestoreCommand.h"
#include "cli/ShapeCommand.h"
#include "cli/SheetCommand.h"
#include "cli/TableCommand.h"
#include "cli/VolumeCommand.h"

namespace zeft::cli {

std::vector<std::unique_ptr<Command>> MakeCommands() {
    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(std::make_unique<PortsCommand>());
    commands.push_back(std::make_unique<DoctorCommand>());
    commands.push_back(std::make_unique<ReadCommand>());
    commands.push_back(std::make_unique<RestoreCommand>());
    commands.push_back(std::make_unique<ProgramCommand>());
    commands.push_back(std::make_unique<DiffCommand>());
    commands.push_back(std::make_unique<PowerCommand>());
    commands.push_back(std::make_unique<HistoryCommand>());
    commands.push_back(std::make_unique<SheetCommand>());
    commands.push_back(std::make_unique<ShapeCommand>());
    commands.push_back(std::make_unique<VolumeCommand>());
    commands.push_back(std::make_unique<HeightCommand>());
    commands.push_back(std::make_unique<ChartCommand>());
    commands.push_back(std::make_unique<TableCommand>());
    return commands;
}

std::string CommandGroupHelp(const std::string& group) {
    return group == "calc" ? "the calculators" : std::string();
}

} // namespace zeft::cli
