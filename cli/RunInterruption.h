#pragma once

#include "cli/StopRequest.h"

#include <functional>
#include <mutex>

namespace zeft::cli {

// Ctrl-C, SIGTERM and a hang-up at any point of a device command's run. While the
// command runs an operation (WakeWhileRunning) a stop wakes its loop, which switches the
// sender off and ends the operation. Anywhere else nothing is powered, and the main
// thread may be deaf in a read (the top-limit question, a file that blocks): the run ends
// at once there, with "Interrupted." on standard error (under --json also as the error
// object on standard output) and kExitInterrupted. Once the command is printing its
// report (Finishing), a stop changes nothing.
class RunInterruption {
public:
    explicit RunInterruption(bool json);
    RunInterruption(const RunInterruption&) = delete;
    RunInterruption& operator=(const RunInterruption&) = delete;

    bool Requested() const { return stop_.Requested(); }

    // A stop calls wake instead of ending the run, until the returned scope ends.
    class Scope {
    public:
        explicit Scope(RunInterruption& owner) : owner_(owner) {}
        ~Scope() { owner_.SetWake(nullptr); }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        RunInterruption& owner_;
    };
    [[nodiscard]] Scope WakeWhileRunning(std::function<void()> wake);
    void Finishing();

private:
    void SetWake(std::function<void()> wake);
    void OnStop();

    bool json_;
    bool finishing_ = false;
    std::mutex mutex_; // guards wake_ and finishing_ between the main thread and the watcher
    std::function<void()> wake_;
    StopRequest stop_; // last: its watcher calls OnStop until it is gone
};

} // namespace zeft::cli
