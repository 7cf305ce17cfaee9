#pragma once

#include "main/ProductionRun.h"
#include "seams/SettingsControls.h"

#include <functional>
#include <string>

namespace zeft::cli {

class ConsoleDeviceSession;

// program --each: what the run is told.
struct EachOptions {
    std::string label; // the job label of its records
    int count = 0;     // senders to handle, passed or failed; 0: until stopped
    bool json = false;
};

// The line a sender's result is printed as (with its line end): text, or one JSON object.
std::string EachUnitLine(const ProductionUnit& unit, const std::string& label, bool json);
// The run's last line.
std::string EachSummaryLine(const ProductionSummary& summary, bool json);

// Programs one sender after another on the open port with the settings, printing a line
// for each and a summary. Returns 1 when any sender failed, kExitInterrupted when stopped,
// 0 otherwise.
int ProgramEach(ConsoleDeviceSession& session, const SettingsControls& settings, const EachOptions& options,
                const std::function<bool()>& interrupted);

} // namespace zeft::cli
