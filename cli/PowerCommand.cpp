#include "cli/PowerCommand.h"

#include "cli/ConsoleDeviceSession.h"
#include "cli/ExitStatus.h"
#include "cli/PortNameInput.h"
#include "cli/StopRequest.h"
#include "cli/Terminal.h"
#include "cli/WholeNumberOption.h"
#include "seams/SenderLink.h"

#include <CLI/CLI.hpp>

#include <chrono>
#include <cstdio>
#include <limits>

namespace zeft::cli {

void PowerCommand::AddOptions(CLI::App& command) {
    AddLineOptions(command, port_, line_);
    TakeWholeNumber(*command.add_option("--seconds", seconds_, "switch off after this many seconds"), 1,
                    std::numeric_limits<int>::max());
}

int PowerCommand::Run() {
    StopRequest::BlockStopSignals();
    ConsoleControls controls;
    ConsolePrompts prompts(stderr, stdin, ConsolePrompts::QuestionPolicy::AnswerNo);
    ConsoleDeviceSession session(controls, prompts);
    // Enter ends the test on a terminal; without a time limit the end of a piped input
    // does too, so that a script never leaves the interface powered for ever.
    const bool watchInput = StandardInputIsTerminal() || seconds_ == 0;
    StopRequest stop(watchInput, [&session] { session.WakeLoop(); });
    if (!session.Open(PortNameFromInput(port_), line_)) {
        return kExitPortNotOpened;
    }
    if (!session.SetPower(true)) {
        prompts.ShowError(kCannotSwitchRtsText);
        return kExitOperationFailed;
    }
    std::printf("Power is ON\n");
    std::fflush(stdout);
    const std::chrono::milliseconds limit =
        seconds_ > 0 ? std::chrono::seconds(seconds_) : std::chrono::hours(24 * 365);
    session.RunUntil([&stop] { return stop.Requested(); }, limit);
    if (!session.SetPower(false)) {
        prompts.ShowError(kCannotSwitchRtsText);
        return kExitOperationFailed;
    }
    std::printf("Power is OFF\n");
    return kExitSuccess;
}

} // namespace zeft::cli
