#include "cli/PortsCommand.h"

#include "cli/ExitStatus.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <optional>

namespace zeft::cli {

namespace {

nlohmann::ordered_json TextOrNull(const std::optional<std::string>& text) {
    return text ? nlohmann::ordered_json(*text) : nlohmann::ordered_json(nullptr);
}

} // namespace

std::string PortsJson(const std::vector<PortDescription>& ports) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const PortDescription& port : ports) {
        list.push_back({{"name", port.name},
                        {"description", TextOrNull(port.description)},
                        {"vendorId", TextOrNull(port.vendorId)},
                        {"productId", TextOrNull(port.productId)},
                        {"serial", TextOrNull(port.serial)},
                        {"location", port.usbLocation ? nlohmann::ordered_json("USB " + *port.usbLocation)
                                                      : nlohmann::ordered_json(nullptr)},
                        {"stablePath", TextOrNull(port.stablePath)}});
    }
    // Names and sysfs texts are not always UTF-8: replace what is not, rather than throw.
    return list.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

void PortsCommand::AddOptions(CLI::App& command) {
    command.add_flag("--json", json_, "print a JSON array of the ports with what each one is");
}

int PortsCommand::Run() {
    const std::vector<PortDescription> ports = DescribePresentPorts();
    if (json_) {
        std::printf("%s\n", PortsJson(ports).c_str());
        return kExitSuccess;
    }
    for (const PortDescription& port : ports) {
        std::printf("%s\n", port.name.c_str());
    }
    return kExitSuccess;
}

} // namespace zeft::cli
