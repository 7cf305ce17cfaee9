#include "cli/RunInterruption.h"

#include "cli/CommandLineErrors.h"
#include "cli/ExitStatus.h"

#include <cstdio>
#include <cstdlib>

namespace zeft::cli {

RunInterruption::RunInterruption(bool json) : json_(json), stop_(false, [this] { OnStop(); }) {}

RunInterruption::Scope RunInterruption::WakeWhileRunning(std::function<void()> wake) {
    SetWake(std::move(wake));
    return Scope(*this);
}

void RunInterruption::Finishing() {
    const std::lock_guard lock(mutex_);
    finishing_ = true;
}

void RunInterruption::SetWake(std::function<void()> wake) {
    const std::lock_guard lock(mutex_);
    wake_ = std::move(wake);
}

void RunInterruption::OnStop() {
    // Holding the lock keeps the main thread from starting an operation meanwhile.
    const std::lock_guard lock(mutex_);
    if (finishing_) {
        return;
    }
    if (wake_) {
        wake_();
        return;
    }
    if (json_) {
        std::fputs(ErrorJson("Interrupted.").c_str(), stdout);
    }
    std::fflush(stdout);
    std::fputs("Error: Interrupted.\n", stderr);
    std::_Exit(kExitInterrupted);
}

} // namespace zeft::cli
