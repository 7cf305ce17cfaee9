// Timing of the serial path as the program uses it:
//   - CPU of an open, quiet port over 10 s (a pseudo-terminal and the virtual sender);
//   - latency from the last byte of a burst on the line to its cluster on the main thread,
//     against the cluster rule's own allowance (bytes x character time + extra time);
//   - wall time of Read Device and Program Device against the virtual sender, against the
//     protocol's minimum: the waits of the exchange table, the cluster allowance of every
//     reply the engine waits for, and the bytes on the wire at 9600 baud.
#include "main/DeviceSession.h"
#include "main/ExchangeEngine.h"
#include "main/PlainOperationButtons.h"
#include "main/PlainSettingsControls.h"
#include "serial/CoreMainLoop.h"
#include "serial/SerialLink.h"
#include "serial/virtual/VirtualSerialDevice.h"
#include "tests/support/PseudoTerminal.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// The worker's longest wait between two looks at the input (its pass).
constexpr double kWorkerPassMs = 75;

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// Minimal buttons and prompts: the benchmark only needs the engine to run.
class NoPrompts : public zeft::Prompts {
public:
    void ShowError(const std::string& text) override { std::printf("  error box: %s\n", text.c_str()); }
    void ShowWarning(const std::string& text) override { std::printf("  warning box: %s\n", text.c_str()); }
    zeft::ConfirmAnswer Confirm(const std::string&) override { return zeft::ConfirmAnswer::Yes; }
    void ShowApplicationError(const std::string& text) override { std::printf("  box: %s\n", text.c_str()); }
};

void QuietPortCpu(const char* what, const std::string& port, bool virtualSender) {
    zeft::HandOverQueue queue;
    zeft::CoreMainLoop loop(queue);
    zeft::TSerialLink link(queue);
    if (virtualSender) {
        link.SetDeviceCreator([](const std::string&) { return std::make_unique<zeft::VirtualSerialDevice>(); });
    }
    link.SetCommPort(port);
    link.SetActive(true);
    link.SetRTSState(false);
    if (!link.Active()) {
        std::printf("result: CPU of a quiet open port, %s | cannot open: %s | under 0.5 %%\n", what,
                    link.LastOpenErrorText().c_str());
        return;
    }
    loop.RunFor(500ms);
    const double before = CpuSeconds();
    const auto start = Clock::now();
    loop.RunFor(10s);
    const double percent = (CpuSeconds() - before) * 100 / std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("result: CPU of a quiet open port, %s, over 10 s | %.3f %% of a core | under 0.5 %% %s\n", what,
                percent, percent < 0.5 ? "(met)" : "(NOT met)");
    link.SetActive(false);
}

void BurstLatency() {
    zeft::testing::PseudoTerminal pty(zeft::testing::PseudoTerminal::Slave::HeldRaw);
    zeft::HandOverQueue queue;
    zeft::CoreMainLoop loop(queue);
    zeft::TSerialLink link(queue);
    Clock::time_point arrived{};
    std::size_t got = 0;
    link.OnRxClusterEvent = [&](zeft::TSerialLink& sender) {
        got += sender.ReadNextClusterAsString().size();
        arrived = Clock::now();
    };
    link.SetBaudRate(9600);
    link.SetCommPort(pty.SlavePath());
    link.SetActive(true);
    if (!link.Active()) {
        std::printf("result: burst to cluster | cannot open: %s |\n", link.LastOpenErrorText().c_str());
        return;
    }
    const std::string burst = "\r\nKOV\r\nOutput Type = 4 \r\n"; // 25 bytes, as a reply starts
    const double allowanceMs =
        static_cast<double>(burst.size() * link.RTOCharDelayTime()) / 1000 + link.RTOExtraDelayTime();
    std::vector<double> late;
    for (int i = 0; i < 20; ++i) {
        loop.RunFor(100ms);
        got = 0;
        if (::write(pty.Master(), burst.data(), burst.size()) != static_cast<ssize_t>(burst.size())) {
            std::perror("write");
            return;
        }
        const auto sent = Clock::now();
        if (!loop.RunUntil([&] { return got >= burst.size(); }, 5s)) {
            std::printf("result: burst to cluster | burst %d never arrived |\n", i);
            return;
        }
        late.push_back(Ms(arrived - sent) - allowanceMs);
    }
    std::sort(late.begin(), late.end());
    std::printf("result: burst to cluster, beyond the allowance of %.1f ms (%zu bytes at 9600) | median %.1f ms, "
                "worst %.1f ms | worst under one worker pass (%.0f ms) %s\n",
                allowanceMs, burst.size(), late[late.size() / 2], late.back(), kWorkerPassMs,
                late.back() <= kWorkerPassMs ? "(met)" : "(NOT met)");
    link.OnRxClusterEvent = nullptr;
    link.SetActive(false);
}

// Wire time of n bytes at 9600 baud, ten bits each.
double WireMs(std::size_t bytes) {
    return static_cast<double>(bytes) * 10 * 1000 / 9600;
}

void OperationWallTime() {
    zeft::HandOverQueue queue;
    zeft::CoreMainLoop loop(queue);
    zeft::CoreLoopTimer timer(loop);
    zeft::PlainSettingsControls controls;
    zeft::PlainOperationButtons buttons;
    NoPrompts prompts;
    zeft::TSerialLink link(queue);
    zeft::DeviceSession session(link, controls, buttons, prompts, timer);
    zeft::ExchangeEngine& engine = session.Engine();
    link.SetDeviceCreator([](const std::string&) { return std::make_unique<zeft::VirtualSerialDevice>(); });
    link.SetBaudRate(9600);
    link.SetCommPort(std::string(zeft::kVirtualSenderPortName));
    session.Open();

    const double clusterMs = link.RTOExtraDelayTime(); // the extra wait of every cluster
    // Read: identification cluster, the pause, "++++", the first reply cluster, the window.
    const double readMinimum =
        clusterMs + zeft::kCommandPauseMs + WireMs(4) + clusterMs + zeft::kListingWindowMs + WireMs(7);
    // Program: the same around eight set commands, each answered by "Done" in a cluster.
    const double programMinimum = clusterMs + zeft::kCommandPauseMs + 8 * (WireMs(8) + WireMs(8) + clusterMs) +
                                  WireMs(4) + clusterMs + zeft::kListingWindowMs;

    const auto run = [&](const char* name, void (zeft::ExchangeEngine::*click)(), double minimum) {
        std::vector<double> times;
        for (int i = 0; i < 3; ++i) {
            loop.RunFor(200ms);
            const auto start = Clock::now();
            (engine.*click)();
            if (!loop.RunUntil([&engine] { return !engine.Running(); }, 20s)) {
                std::printf("result: %s wall time | did not end |\n", name);
                return;
            }
            times.push_back(Ms(Clock::now() - start));
        }
        std::sort(times.begin(), times.end());
        std::printf("result: %s wall time, virtual sender at 9600 (median of 3) | %.0f ms (%s) | protocol minimum "
                    "%.0f ms, %.2fx\n",
                    name, times[1], controls.statusText.c_str(), minimum, times[1] / minimum);
    };
    run("Read Device", &zeft::ExchangeEngine::ReadBtnClick, readMinimum);
    run("Program Device", &zeft::ExchangeEngine::SetBtn1Click, programMinimum);
}

} // namespace

int main() {
    {
        const zeft::testing::PseudoTerminal pty(zeft::testing::PseudoTerminal::Slave::HeldRaw);
        QuietPortCpu("pseudo-terminal", pty.SlavePath(), false);
    }
    QuietPortCpu("virtual sender", std::string(zeft::kVirtualSenderPortName), true);
    BurstLatency();
    OperationWallTime();
    return 0;
}
