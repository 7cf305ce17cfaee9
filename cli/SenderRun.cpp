#include "cli/SenderRun.h"

#include "cli/ConsoleDeviceSession.h"
#include "cli/ExitStatus.h"
#include "cli/PortNameInput.h"

namespace zeft::cli {

int RunOnSender(RunInterruption& interruption, ConsoleControls& controls, ConsolePrompts& prompts,
                const std::string& port, const LineOptions& line,
                const std::function<bool(ConsoleDeviceSession&)>& acceptable, const SenderWork& work) {
    int status = kExitSuccess;
    {
        ConsoleDeviceSession session(controls, prompts);
        if (!acceptable(session)) {
            status = kExitInvalidInput;
        } else {
            // Opening raises RTS for a moment: from here a stop waits for the sender to be off.
            const RunInterruption::Scope running = interruption.WakeWhileRunning([&session] { session.WakeLoop(); });
            if (!session.Open(PortNameFromInput(port), line)) {
                status = kExitPortNotOpened;
            } else if (!interruption.Requested()) {
                status = work(session, [&interruption] { return interruption.Requested(); });
            }
        }
    }
    if (status == kExitSuccess && interruption.Requested()) {
        // The stop came while the port opened or as the operation ended.
        prompts.ShowError("Interrupted.");
        status = kExitInterrupted;
    }
    return status;
}

} // namespace zeft::cli
