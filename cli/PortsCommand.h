#pragma once

#include "cli/Command.h"
#include "serial/PortDescription.h"

#include <string>
#include <vector>

namespace zeft::cli {

// The ports as a JSON array: name, description, vendorId, productId, serial, location (the
// USB socket, "USB 1-1.2"), stablePath,
// each null when unknown.
std::string PortsJson(const std::vector<PortDescription>& ports);

// ports: one name a line, or the JSON array.
class PortsCommand : public Command {
public:
    PortsCommand() : Command("ports", "list the serial ports, as the Communication Settings dialog does") {}

    void AddOptions(CLI::App& command) override;
    int Run() override;

private:
    bool json_ = false;
};

} // namespace zeft::cli
