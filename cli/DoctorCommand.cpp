#include "cli/DoctorCommand.h"

#include "cli/ExitStatus.h"
#include "cli/PortNameInput.h"
#include "cli/PortsCommand.h"
#include "cli/VisibleText.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <cstdio>

namespace zeft::cli {

std::string DoctorJson(const std::vector<PortFinding>& findings, const std::vector<std::string>& lookedAt,
                       const std::vector<PortDescription>& ports) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const PortFinding& finding : findings) {
        list.push_back({{"id", finding.id},
                        {"severity", SeverityWord(finding.severity)},
                        {"port", finding.port},
                        {"summary", finding.summary},
                        {"fix", finding.fix},
                        {"note", finding.note}});
    }
    nlohmann::ordered_json report;
    report["findings"] = std::move(list);
    report["lookedAt"] = lookedAt;
    report["ports"] = nlohmann::ordered_json::parse(PortsJson(ports));
    // Port names and sysfs texts are not always UTF-8: replace what is not, rather than throw.
    return report.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

int RunDoctorCommand(const std::string& port, bool json) {
    std::vector<std::string> lookedAt;
    const std::vector<PortFinding> findings = DiagnosePorts(port, &lookedAt);
    if (json) {
        std::printf("%s\n", DoctorJson(findings, lookedAt, DescribePresentPorts()).c_str());
    } else if (findings.empty()) {
        std::string text = "No problem found.\nPorts looked at:\n";
        for (const std::string& name : lookedAt) {
            text += "  " + name + "\n";
        }
        std::fputs(VisibleText(text).c_str(), stdout);
    } else {
        // The same text as the window's Copy Fixes: a script to paste, names quoted.
        std::fputs(VisibleText(FixesText(findings)).c_str(), stdout);
    }
    return HasErrorFinding(findings) ? kExitOperationFailed : kExitSuccess;
}

void DoctorCommand::AddOptions(CLI::App& command) {
    command.add_option("--port", port_, "look at this port only (default: every port and USB serial adapter)")
        ->type_name("PORT");
    command.add_flag("--json", json_, "print one JSON object of the findings and the ports");
}

int DoctorCommand::Run() {
    return RunDoctorCommand(port_.empty() ? port_ : PortNameFromInput(port_), json_);
}

} // namespace zeft::cli
