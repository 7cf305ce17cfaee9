// Main-thread cost of a burst of noise in the reply display: 10 KiB arriving while the
// exchange appends every character to Label9 (after the listing, and inside it), with the
// event loop turning after each cluster as it does between two hand-overs. The window is
// shown, so layout and painting are counted too. The clusters come at the pace of a
// 115200-baud line (one byte each, the worst split, or 64 bytes each) and, as the worst
// case of all, one byte each with no pause; the cost is the main thread's CPU time.
#include "main/ExchangeEngine.h"
#include "main/Main_Form.h"
#include "main/PlainOperationButtons.h"
#include "tests/support/FakeSenderLink.h"
#include "tests/support/ManualTimer.h"
#include "ui/QtSettingsControls.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <random>
#include <string>
#include <thread>

namespace {

constexpr std::size_t kBurstBytes = 10 * 1024;
constexpr double kGoalMs = 50;
// One byte's time on a 115200-baud line (10 bits).
constexpr std::chrono::nanoseconds kByteTime{86'806};

double ThreadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

class SilentPrompts : public zeft::Prompts {
public:
    void ShowError(const std::string&) override {}
    void ShowWarning(const std::string&) override {}
    zeft::ConfirmAnswer Confirm(const std::string&) override { return zeft::ConfirmAnswer::Yes; }
    void ShowApplicationError(const std::string&) override {}
};

// Random bytes; inside the listing without the key letters, so that the parser keeps
// seeking and every byte is appended.
std::string Noise(bool forListing) {
    std::mt19937 random(14);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string noise;
    while (noise.size() < kBurstBytes) {
        const char c = static_cast<char>(byte(random));
        if (forListing && std::string_view("OFTBL").find(c) != std::string_view::npos) {
            continue;
        }
        noise += c;
    }
    return noise;
}

struct Burst {
    bool inListing;
    std::size_t clusterBytes;
    bool paced;
    bool idle = false; // the floor: no operation runs, every cluster is taken and dropped
};

double BurstCpuMs(zeft::TMain_Form& form, const Burst& burst) {
    zeft::testing::FakeSenderLink link;
    zeft::PlainOperationButtons buttons;
    zeft::testing::ManualTimer timer;
    SilentPrompts prompts;
    zeft::ui::QtSettingsControls controls(*form.ComboBoxVoltage, *form.ComboBoxFluid,
                                          {form.EditTopLimit, form.EditBottomLimit, form.EditLinearA, form.EditLinearB,
                                           form.EditLinearC, form.EditLinearD},
                                          *form.Label9, [](const std::string&) {});
    zeft::ExchangeEngine engine(controls, buttons, prompts, timer, link);

    auto receive = [&](const std::string& bytes) {
        link.clusters.push_back(bytes);
        engine.SerialLink1RxClusterEvent();
        QApplication::processEvents();
    };
    if (!burst.idle) {
        engine.ReadBtnClick();
    }
    receive("KOV");
    timer.AdvanceToTick(); // the pause ends, "++++" goes out
    receive(burst.inListing ? "\rKOV\r\n"
                            : "\rKOV\r\nOutput Type = 0 \r\nFluid Type = 0 \r\nTop Limit = 10\r\n"
                              "Bottom Limit = 2000\r\nLinearization = 20, 40, 60, 80, \r\n");
    const std::string noise = Noise(burst.inListing);

    const double start = ThreadCpuMs();
    auto due = std::chrono::steady_clock::now();
    for (std::size_t at = 0; at < noise.size(); at += burst.clusterBytes) {
        if (burst.paced) {
            due += kByteTime * static_cast<long>(burst.clusterBytes);
            std::this_thread::sleep_until(due);
        }
        receive(noise.substr(at, burst.clusterBytes));
    }
    // Until the last of it is shown.
    controls.FlushReplyDisplay();
    QApplication::processEvents();
    const double ms = ThreadCpuMs() - start;
    if (!burst.idle &&
        (engine.ExchangeState() != (burst.inListing ? 7 : 13) || controls.ReplyText().size() < kBurstBytes)) {
        std::fprintf(stderr, "the burst did not reach the reply display as planned\n");
    }
    return ms;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    zeft::TMain_Form::Options options;
    options.runStartup = false;
    zeft::TMain_Form form(options);
    form.show();
    QApplication::processEvents();

    auto best = [&](const Burst& burst) {
        double least = 1e9;
        for (int run = 0; run < 3; ++run) {
            least = std::min(least, BurstCpuMs(form, burst));
        }
        return least;
    };
    // The floor: the same clusters at the same pace while no operation runs (each is taken
    // and dropped), so the waking and the event loop alone.
    const double floor1 = best(Burst{false, 1, true, true});
    const double floor64 = best(Burst{false, 64, true, true});
    for (const bool inListing : {false, true}) {
        for (const Burst burst : {Burst{inListing, 1, true}, Burst{inListing, 64, true}, Burst{inListing, 1, false}}) {
            const double floor = !burst.paced ? 0.0 : burst.clusterBytes == 1 ? floor1 : floor64;
            const double total = best(burst);
            std::printf("result: 10 KiB noise burst %s, %zu-byte clusters%s, main-thread CPU above the floor (best "
                        "of 3) | %.1f ms (total %.1f, floor %.1f) | under %.0f ms\n",
                        inListing ? "inside the listing (state 7)" : "after the listing (state 13)", burst.clusterBytes,
                        burst.paced ? " at 115200 baud" : " back to back", std::max(0.0, total - floor), total, floor,
                        kGoalMs);
        }
    }
    return 0;
}
