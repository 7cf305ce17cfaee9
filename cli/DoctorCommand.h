#pragma once

#include "cli/Command.h"
#include "serial/PortDescription.h"
#include "serial/PortDoctor.h"

#include <string>
#include <vector>

namespace zeft::cli {

// The findings, the ports looked at and the ports present as one JSON object:
// {"findings": [{"id", "severity", "port", "summary", "fix", "note"}], "lookedAt": [names],
//  "ports": [as "ports --json"]}.
std::string DoctorJson(const std::vector<PortFinding>& findings, const std::vector<std::string>& lookedAt,
                       const std::vector<PortDescription>& ports);

// "doctor": why a port does not work and how to fix it, for one port or (port empty) every
// port and USB serial adapter; text or JSON. 0 when no finding is an error, else 1.
int RunDoctorCommand(const std::string& port, bool json);

// doctor [--port P] [--json]
class DoctorCommand : public Command {
public:
    DoctorCommand() : Command("doctor", "say why a serial port does not work, and how to fix it") {}

    void AddOptions(CLI::App& command) override;
    int Run() override;

private:
    std::string port_;
    bool json_ = false;
};

} // namespace zeft::cli
