// CPU of a production run while it waits, over 10 s each, on the virtual sender's ports:
//   - for the next sender, with none there (a silent sender never identifies itself), so
//     the run powers the interface for a second at a time and listens;
//   - for a sender to be taken away, which is still there and answers every look.
// The run's own looks, the engine's timer and the serial worker are all counted.
#include "main/ProductionRun.h"
#include "serial/CoreMainLoop.h"
#include "serial/SerialLink.h"
#include "serial/virtual/VirtualSenderPortName.h"

#include <chrono>
#include <cstdio>
#include <string>

#include <sys/resource.h>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Prints the boxes: none is expected before the loop.
class PrintedPrompts : public zeft::Prompts {
public:
    void ShowError(const std::string& text) override { std::printf("  error box: %s\n", text.c_str()); }
    void ShowWarning(const std::string& text) override { std::printf("  warning box: %s\n", text.c_str()); }
    zeft::ConfirmAnswer Confirm(const std::string&) override { return zeft::ConfirmAnswer::Yes; }
    void ShowApplicationError(const std::string& text) override { std::printf("  box: %s\n", text.c_str()); }
};

void QuietWaitCpu(const char* what, const std::string& port, zeft::ProductionState waitIn) {
    zeft::RegisterVirtualSenderPort(port);
    zeft::HandOverQueue queue;
    zeft::CoreMainLoop loop(queue);
    zeft::CoreLoopTimer engineTimer(loop);
    zeft::CoreLoopTimer waitTimer(loop);
    PrintedPrompts prompts;
    zeft::TSerialLink link(queue);
    link.SetCommPort(port);
    link.SetActive(true);
    zeft::ProductionRun run(link, prompts, engineTimer, waitTimer);
    if (!run.Start("bench", 0) || !loop.RunUntil([&] { return run.State() == waitIn; }, 30s)) {
        std::printf("result: CPU of a production run waiting %s | never got there | under 1 %%\n", what);
        return;
    }
    const double before = CpuSeconds();
    const auto start = Clock::now();
    loop.RunFor(10s);
    const double percent = (CpuSeconds() - before) * 100 / std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("result: CPU of a production run waiting %s, over 10 s | %.3f %% of a core | under 1 %% %s\n", what,
                percent, percent < 1 ? "(met)" : "(NOT met)");
    run.Stop();
    link.SetActive(false);
}

} // namespace

int main() {
    QuietWaitCpu("for the next sender, none there", std::string(zeft::kVirtualSenderPortName) + " (silent)",
                 zeft::ProductionState::AwaitingSender);
    // A pace of a minute: the programmed sender stays on the bench for the whole measure.
    QuietWaitCpu("for the sender to be taken away", std::string(zeft::kVirtualProductionLinePortName) + " (pace 60000)",
                 zeft::ProductionState::AwaitingRemoval);
    return 0;
}
