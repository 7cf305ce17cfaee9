#pragma once

#include "serial/PortDescription.h"

#include <string>
#include <vector>

namespace zeft::cli {

// The ports as a JSON array: name, description, vendorId, productId, serial, location (the
// USB socket, "USB 1-1.2"), stablePath,
// each null when unknown.
std::string PortsJson(const std::vector<PortDescription>& ports);

// "ports": one name a line, or the JSON array.
int RunPortsCommand(bool json);

} // namespace zeft::cli
