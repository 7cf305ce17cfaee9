#pragma once

#include "cli/Command.h"

#include <memory>
#include <string>
#include <vector>

namespace zeft::cli {

// Every zeftctl command, in the order the help lists them. A new command is one class on
// Command and one line in CommandTable.cpp.
std::vector<std::unique_ptr<Command>> MakeCommands();

// The help of a group of commands that has no command of its own ("calc").
std::string CommandGroupHelp(const std::string& group);

} // namespace zeft::cli
