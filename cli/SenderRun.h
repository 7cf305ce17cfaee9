#pragma once

#include "cli/ConsoleControls.h"
#include "cli/ConsolePrompts.h"
#include "cli/LineOptions.h"
#include "cli/RunInterruption.h"

#include <functional>
#include <string>

namespace zeft::cli {

class ConsoleDeviceSession;

// What a command does on the open port; interrupted() holds once a stop came. Returns the
// exit status.
using SenderWork = std::function<int(ConsoleDeviceSession& session, const std::function<bool()>& interrupted)>;

// The part of a device command's run on the sender: acceptable, the checks before anything
// reaches the port; then the port (as typed) opened with the line settings, and work run on
// it. A stop during the work switches the sender off; one that came as the port opened or as
// the work ended gives "Interrupted." and kExitInterrupted. Returns the exit status.
int RunOnSender(RunInterruption& interruption, ConsoleControls& controls, ConsolePrompts& prompts,
                const std::string& port, const LineOptions& line,
                const std::function<bool(ConsoleDeviceSession&)>& acceptable, const SenderWork& work);

} // namespace zeft::cli
