#pragma once

#include <atomic>
#include <functional>
#include <thread>

namespace zeft::cli {

// Watches for the user ending a wait: Ctrl-C (and SIGTERM, SIGHUP) always, and Enter (or
// the end of standard input) when asked to. Signals are blocked in every thread while it
// exists and taken by its own thread, so that whatever the main thread is doing, the
// wait ends through the normal way out and the sender is switched off.
class StopRequest {
public:
    // wake is called from the watcher's thread when a stop is requested.
    StopRequest(bool watchStandardInput, std::function<void()> wake);
    ~StopRequest();
    StopRequest(const StopRequest&) = delete;
    StopRequest& operator=(const StopRequest&) = delete;

    bool Requested() const { return requested_.load(); }
    // The signal that ended the wait, 0 for Enter or none.
    int Signal() const { return signal_.load(); }

    // Blocks the signals in the calling thread; call before any other thread starts so
    // that they all inherit it.
    static void BlockStopSignals();
    // Until a StopRequest (or BlockStopSignals) takes them, the stop signals end the process
    // at once with "Interrupted." on standard error (under json also as the error object on
    // standard output) and kExitInterrupted, as a run that nothing powered ends. Call first
    // thing in main, before any other thread starts.
    static void EndRunOnStopSignals(bool json);

private:
    void Watch(bool watchStandardInput);

    std::function<void()> wake_;
    std::atomic<bool> requested_{false};
    std::atomic<int> signal_{0};
    int signalFd_ = -1;
    int quitPipe_[2] = {-1, -1};
    std::thread watcher_;
};

} // namespace zeft::cli
