// The exchange engine through the real serial component, its worker and the virtual
// sender, with real timing.
#include "main/ExchangeEngine.h"
#include "main/SerialSenderLink.h"
#include "serial/CoreMainLoop.h"
#include "serial/SerialLink.h"
#include "serial/device/SerialDeviceFactory.h"
#include "serial/virtual/VirtualSerialDevice.h"
#include "tests/support/FakeOperationButtons.h"
#include "tests/support/FakeSettingsControls.h"
#include "tests/support/ScriptedPrompts.h"

#ifndef _WIN32
#include "serial/virtual/PosixSenderBridge.h"
#endif

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

namespace zeft::testing {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

const std::array<std::string, 6> kDefaultEdits = {"10", "2000", "20", "40", "60", "80"};

// One program's worth of parts: the serial component on its own hand-over queue, the
// engine over it, and a main loop that runs both.
class EndToEnd {
public:
    EndToEnd() {
        link.OnRxClusterEvent = [this](TSerialLink&) { engine.SerialLink1RxClusterEvent(); };
    }
    ~EndToEnd() {
        link.OnRxClusterEvent = nullptr;
        link.SetActive(false);
    }

    // Opens the port as the main window does: the stored settings, then RTS low.
    void OpenPort(const std::string& name) {
        link.SetRTOCharDelayTime(1100);
        link.SetRTOExtraDelayTime(250);
        link.SetBaudRate(9600);
        link.SetCommPort(name);
        link.SetActive(true);
        link.SetRTSState(false);
        ASSERT_TRUE(link.Active()) << link.LastOpenErrorText();
    }

    // Runs the loop until the operation ends; the time it took.
    Clock::duration RunOperation(void (ExchangeEngine::*click)()) {
        const auto start = Clock::now();
        (engine.*click)();
        EXPECT_TRUE(loop.RunUntil([this] { return !engine.Running(); }, 15s)) << "operation did not end";
        return Clock::now() - start;
    }

    // The state every end leaves behind.
    void ExpectIdle() {
        EXPECT_FALSE(engine.Running());
        EXPECT_FALSE(timer.IsEnabled());
        EXPECT_TRUE(buttons.AllEnabled());
        EXPECT_TRUE(buttons.AllIdle());
        EXPECT_FALSE(link.RTSState());
    }

    HandOverQueue queue;
    CoreMainLoop loop{queue};
    CoreLoopTimer timer{loop};
    FakeSettingsControls controls;
    FakeOperationButtons buttons;
    ScriptedPrompts prompts;
    TSerialLink link{queue};
    SerialSenderLink senderLink{link};
    ExchangeEngine engine{controls, buttons, prompts, timer, senderLink};
};

// A sender whose settings the test can look at, on its own unit.
std::shared_ptr<VirtualSenderUnit> UseVirtualSender(EndToEnd& e, VirtualSenderFaults faults = {}) {
    auto unit = std::make_shared<VirtualSenderUnit>();
    e.link.SetDeviceCreator(
        [faults, unit](const std::string&) { return std::make_unique<VirtualSerialDevice>(faults, unit); });
    e.OpenPort(std::string(kVirtualSenderPortName));
    return unit;
}

TEST(ExchangeEndToEndTest, ReadDevice) {
    EndToEnd e;
    auto unit = UseVirtualSender(e);
    *unit->settings = {"4", "2", "10", "1500", "20", "40", "60", "80"};
    e.controls.SetEdits({"", "", "", "", "", ""});
    const auto took = e.RunOperation(&ExchangeEngine::ReadBtnClick);
    EXPECT_TRUE(e.prompts.shown.empty());
    EXPECT_EQ(e.controls.statusText, "Device read successfully!");
    EXPECT_EQ(e.controls.outputTypeIndex, 3);
    EXPECT_EQ(e.controls.fluidTypeIndex, 2);
    EXPECT_EQ(e.controls.edits, (std::array<std::string, 6>{"10", "1500", "20", "40", "60", "80"}));
    EXPECT_EQ(e.controls.replyText.substr(0, 3), "KOV");
    // Power-up, the pause, the listing and its 800 ms window: well over a second.
    EXPECT_GT(took, 1300ms);
    EXPECT_LT(took, 8s);
    e.ExpectIdle();
}

TEST(ExchangeEndToEndTest, ProgramThenReadShowsTheProgrammedValues) {
    EndToEnd e;
    auto unit = UseVirtualSender(e);
    e.controls.outputTypeIndex = 2;
    e.controls.fluidTypeIndex = 3;
    e.controls.SetEdits({"12", "1800", "5", "30", "70", "95"});
    e.prompts.Answer(ConfirmAnswer::Yes); // top limit not 10
    e.RunOperation(&ExchangeEngine::SetBtn1Click);
    EXPECT_EQ(e.prompts.shown.size(), 1U) << "only the top-limit question";
    EXPECT_EQ(e.controls.statusText, "Device programmed successfully!");
    EXPECT_TRUE(e.controls.settingsEnabled);
    EXPECT_EQ(*unit->settings, (VirtualSenderSettings{"2", "3", "12", "1800", "5", "30", "70", "95"}));
    e.ExpectIdle();

    e.controls.outputTypeIndex = 0;
    e.controls.fluidTypeIndex = 0;
    e.controls.SetEdits(kDefaultEdits);
    e.RunOperation(&ExchangeEngine::ReadBtnClick);
    EXPECT_EQ(e.controls.statusText, "Device read successfully!");
    EXPECT_EQ(e.controls.outputTypeIndex, 2);
    EXPECT_EQ(e.controls.fluidTypeIndex, 3);
    EXPECT_EQ(e.controls.edits, (std::array<std::string, 6>{"12", "1800", "5", "30", "70", "95"}));
    e.ExpectIdle();
}

TEST(ExchangeEndToEndTest, RestoreDefault) {
    EndToEnd e;
    auto unit = UseVirtualSender(e);
    *unit->settings = {"1", "1", "20", "900", "10", "20", "30", "40"};
    e.controls.SetEdits({"x", "x", "x", "x", "x", "x"});
    e.RunOperation(&ExchangeEngine::RestBtnClick);
    EXPECT_TRUE(e.prompts.shown.empty());
    EXPECT_EQ(e.controls.statusText, "Device restored successfully!");
    EXPECT_EQ(*unit->settings, DefaultVirtualSenderSettings());
    EXPECT_EQ(e.controls.outputTypeIndex, 0);
    EXPECT_EQ(e.controls.edits, kDefaultEdits);
    e.ExpectIdle();
}

TEST(ExchangeEndToEndTest, NoisyListingInBurstsStillReads) {
    EndToEnd e;
    UseVirtualSender(e, {.noise = true, .splitBursts = true});
    e.controls.SetEdits({"", "", "", "", "", ""});
    e.RunOperation(&ExchangeEngine::ReadBtnClick);
    EXPECT_TRUE(e.prompts.shown.empty());
    EXPECT_EQ(e.controls.statusText, "Device read successfully!");
    EXPECT_EQ(e.controls.edits, kDefaultEdits);
}

struct FailureRow {
    const char* portName; // a registered name with its faults
    const char* box;
    const char* status;
    std::chrono::milliseconds atLeast;
};

TEST(ExchangeEndToEndTest, FaultySendersFailWithTheirMessages) {
    const FailureRow rows[] = {
        {"ZEFT Virtual Sender (silent)", "Fail to connect with the device! Check connection or battery!",
         "Fail to connect with the device!", 950ms},
        {"ZEFT Virtual Sender (KK)", "Fail to connect with the device! Check connection or battery!",
         "Fail to connect with the device!", 950ms},
        {"ZEFT Virtual Sender (old firmware)",
         "Fail to program the device due to incompatible firmware! Please contact KOV to upgrade!",
         "Fail to program the device!", 500ms},
        {"ZEFT Virtual Sender (first D)", "Fail to program the device! Check connection or battery!",
         "Fail to program the device!", 500ms},
        {"ZEFT Virtual Sender (stop after 3)", "Fail to program the device! Check connection or battery!",
         "Fail to program the device!", 2000ms},
    };
    for (const FailureRow& row : rows) {
        SCOPED_TRACE(row.portName);
        ASSERT_TRUE(RegisterVirtualSenderPort(row.portName));
        EndToEnd e;
        e.OpenPort(row.portName);
        const auto took = e.RunOperation(&ExchangeEngine::SetBtn1Click);
        ASSERT_EQ(e.prompts.shown.size(), 1U);
        EXPECT_EQ(e.prompts.shown[0].text, row.box);
        EXPECT_EQ(e.controls.statusText, row.status);
        EXPECT_EQ(e.controls.replyText, "");
        EXPECT_TRUE(e.controls.settingsEnabled);
        EXPECT_GE(took, row.atLeast);
        EXPECT_LT(took, 10s);
        e.ExpectIdle();
        SerialDeviceFactory::Unregister(row.portName);
    }
}

TEST(ExchangeEndToEndTest, SilentSenderFailsToConnectAfterAboutOneSecond) {
    EndToEnd e;
    UseVirtualSender(e, {.silent = true});
    const auto took = e.RunOperation(&ExchangeEngine::ReadBtnClick);
    EXPECT_EQ(e.prompts.shown.at(0).text, "Fail to connect with the device! Check connection or battery!");
    EXPECT_EQ(e.controls.statusText, "Fail to connect with the device!");
    EXPECT_GE(took, 950ms);
    EXPECT_LT(took, 3s);
    e.ExpectIdle();
}

#ifndef _WIN32
// The same Read Device through the termios backend and a pseudo-terminal.
TEST(ExchangeEndToEndTest, ReadDeviceThroughPseudoTerminalBridge) {
    PosixSenderBridge bridge;
    std::string error;
    ASSERT_TRUE(bridge.Open(error)) << error;
    std::thread server([&bridge] { bridge.Run(); });
    {
        EndToEnd e;
        e.OpenPort(bridge.SlavePath());
        e.controls.SetEdits({"", "", "", "", "", ""});
        e.controls.outputTypeIndex = kNoSelection;
        e.RunOperation(&ExchangeEngine::ReadBtnClick);
        EXPECT_TRUE(e.prompts.shown.empty());
        EXPECT_EQ(e.controls.statusText, "Device read successfully!");
        EXPECT_EQ(e.controls.outputTypeIndex, 0);
        EXPECT_EQ(e.controls.edits, kDefaultEdits);
        EXPECT_FALSE(e.engine.Running());
        EXPECT_TRUE(e.buttons.AllEnabled());
    }
    bridge.Stop();
    server.join();
}
#endif

} // namespace
} // namespace zeft::testing
