// The exchange engine during one operation (chosen at build time), fed whatever the line
// could deliver: arbitrary bytes in arbitrary clusters, with timer ticks wherever the
// input puts them. The input is a script, so that seeds can be written by hand:
//   0x01      the timer runs to its next tick
//   0x02 n    n * 8 ms pass
//   0x03      the bytes so far arrive as one cluster
//   0x04      the operation's button is clicked (again)
//   0x05 b    the byte b itself (so that 0x01 to 0x05 can arrive too)
//   any other byte: received, in the cluster being built
// Pending bytes also arrive as a cluster before any time passes. At the end the clock runs
// on: every operation must end by its own time limits. ZEFT_FUZZ_SHOW=1 prints how each
// input ended (run the target on one file to see what a seed does).
#include "main/ExchangeEngine.h"
#include "main/PlainOperationButtons.h"
#include "main/PlainSettingsControls.h"
#include "main/SenderCommands.h"
#include "tests/support/FakeSenderLink.h"
#include "tests/support/ManualTimer.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using zeft::DeviceOperation;

#if defined(ZEFT_FUZZ_OPERATION_READ)
constexpr DeviceOperation kOperation = DeviceOperation::Read;
#elif defined(ZEFT_FUZZ_OPERATION_RESTORE)
constexpr DeviceOperation kOperation = DeviceOperation::Restore;
#else
constexpr DeviceOperation kOperation = DeviceOperation::Program;
#endif

[[noreturn]] void Broken(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

void Check(bool condition, const char* what) {
    if (!condition) {
        Broken(what);
    }
}

// The boxes an operation may end with.
const std::array<std::string, 4> kOperationBoxes = {
    "Fail to connect with the device! Check connection or battery!",
    "Fail to communicate with the device! Check connection or battery!",
    "Fail to program the device! Check connection or battery!",
    "Fail to program the device due to incompatible firmware! Please contact KOV to upgrade!"};

class RecordingPrompts : public zeft::Prompts {
public:
    void ShowError(const std::string& text) override { shown.push_back(text); }
    void ShowWarning(const std::string& text) override { shown.push_back(text); }
    zeft::ConfirmAnswer Confirm(const std::string& text) override {
        shown.push_back(text);
        return zeft::ConfirmAnswer::No;
    }
    void ShowApplicationError(const std::string& text) override { shown.push_back(text); }
    std::vector<std::string> shown;
};

class Harness {
public:
    Harness() { Click(); }

    void Click() {
        const bool wasRunning = engine.Running();
        const std::size_t boxes = prompts.shown.size();
        const std::size_t sent = link.sent.size();
        switch (kOperation) {
        case DeviceOperation::Read:
            engine.ReadBtnClick();
            break;
        case DeviceOperation::Restore:
            engine.RestBtnClick();
            break;
        default:
            engine.SetBtn1Click();
            break;
        }
        if (wasRunning) {
            Check(link.sent.size() == sent && prompts.shown.size() == boxes, "a click during an operation acted");
        } else if (engine.Running()) {
            Check(engine.Operation() == kOperation, "the click started another operation");
            Check(link.rts, "RTS not raised at the start");
            Check(timer.IsEnabled(), "timer not started at the start");
            Check(link.sent.size() == sent, "something sent before the identification");
            StartTracking();
        } else {
            // Refused (the controls a read-back left behind may not validate): its boxes
            // are the checks' own, not an operation's end.
            checkedBoxes_ = prompts.shown.size();
        }
        CheckInvariants();
    }

    void Deliver(std::string& pending) {
        if (pending.empty()) {
            return;
        }
        link.clusters.push_back(pending);
        pending.clear();
        engine.SerialLink1RxClusterEvent();
        Check(link.clusters.empty(), "the cluster was not taken");
        CheckInvariants();
    }

    void Tick() {
        timer.AdvanceToTick();
        CheckInvariants();
    }

    void Pass(long long milliseconds) {
        timer.Advance(milliseconds);
        CheckInvariants();
    }

    // With nothing more arriving, the limits end the operation within a few ticks.
    void RunOut() {
        for (int i = 0; i < 6 && engine.Running(); ++i) {
            Tick();
        }
        Check(!engine.Running(), "the operation did not end by its time limits");
    }

private:
    // The commands this operation may send, in the order it sends them.
    void StartTracking() {
        allowed_.clear();
        switch (kOperation) {
        case DeviceOperation::Read:
            allowed_.emplace_back(zeft::kRequestListingCommand);
            break;
        case DeviceOperation::Restore:
            allowed_.emplace_back(zeft::kRestoreDefaultsCommand);
            break;
        default:
            for (int i = 0; i < zeft::kSetCommandCount; ++i) {
                allowed_.push_back(zeft::BuildSetCommandFromControls(static_cast<zeft::SetCommand>(i), controls));
            }
            allowed_.emplace_back(zeft::kRequestListingCommand);
            break;
        }
        firstSent_ = link.sent.size();
        checkedBoxes_ = prompts.shown.size();
        wasRunning_ = true;
    }

    void CheckInvariants() {
        Check(engine.ExchangeState() <= 15, "ExchangeState out of 0..15");
        int tagged = 0;
        for (int tag : buttons.tags) {
            Check(tag == 0 || tag == 1, "a Tag other than 0 or 1");
            tagged += tag;
        }
        Check(tagged <= 1, "more than one Tag is 1");

        // The commands sent since the start: the operation's own, in its order.
        Check(link.sent.size() - firstSent_ <= allowed_.size(), "more commands than the operation has");
        for (std::size_t i = firstSent_; i < link.sent.size(); ++i) {
            Check(link.sent[i] == allowed_[i - firstSent_], "a command outside the operation's table or order");
        }
        for (; checkedBoxes_ < prompts.shown.size(); ++checkedBoxes_) {
            const std::string& box = prompts.shown[checkedBoxes_];
            const bool settingsNotKept = kOperation == DeviceOperation::Program &&
                                         box.starts_with(zeft::kSettingsNotKeptBox) && box.ends_with(").");
            Check(settingsNotKept ||
                      std::find(kOperationBoxes.begin(), kOperationBoxes.end(), box) != kOperationBoxes.end(),
                  "a box that is not one of the operation's texts");
        }

        if (engine.Running()) {
            Check(buttons.NoneEnabled(), "a button enabled during an operation");
            Check(link.rts, "RTS dropped during an operation");
            Check(timer.IsEnabled(), "no time limit running during an operation");
            if (kOperation == DeviceOperation::Program) {
                Check(!controls.settingsEnabled, "edits enabled while programming");
            }
            return;
        }
        Check(engine.ExchangeState() == 0, "state not 0 after the end");
        Check(!link.rts, "RTS high after the end");
        Check(!timer.IsEnabled(), "timer running after the end");
        Check(buttons.AllIdle(), "a Tag still 1 after the end");
        Check(buttons.AllEnabled(), "a button disabled after the end");
        if (wasRunning_) {
            Check(controls.settingsEnabled, "edits left disabled after the end");
        }
    }

public:
    zeft::PlainSettingsControls controls;
    zeft::PlainOperationButtons buttons;
    RecordingPrompts prompts;
    zeft::testing::ManualTimer timer;
    zeft::testing::FakeSenderLink link;
    zeft::ExchangeEngine engine{controls, buttons, prompts, timer, link};

private:
    std::vector<std::string> allowed_;
    std::size_t firstSent_ = 0;
    std::size_t checkedBoxes_ = 0;
    bool wasRunning_ = false;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Harness harness;
    std::string pending;
    for (std::size_t i = 0; i < size; ++i) {
        const std::uint8_t byte = data[i];
        switch (byte) {
        case 0x01:
            harness.Deliver(pending);
            harness.Tick();
            break;
        case 0x02:
            harness.Deliver(pending);
            if (i + 1 < size) {
                harness.Pass(8LL * data[++i]);
            }
            break;
        case 0x03:
            harness.Deliver(pending);
            break;
        case 0x04:
            harness.Deliver(pending);
            harness.Click();
            break;
        case 0x05:
            if (i + 1 < size) {
                pending += static_cast<char>(data[++i]);
            }
            break;
        default:
            pending += static_cast<char>(byte);
            break;
        }
    }
    harness.Deliver(pending);
    harness.RunOut();
    if (std::getenv("ZEFT_FUZZ_SHOW") != nullptr) {
        std::fprintf(stderr, "status: %s | sent %zu\n", harness.controls.statusText.c_str(), harness.link.sent.size());
    }
    return 0;
}
