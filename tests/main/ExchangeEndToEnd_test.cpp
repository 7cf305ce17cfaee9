// The exchange engine through the device session, the real serial component, its worker
// and the virtual sender, with real timing.
#include "main/ExchangeEngine.h"
#include "main/SenderSettings.h"
#include "serial/device/SerialDeviceFactory.h"
#include "serial/virtual/VirtualSerialDevice.h"
#include "tests/support/SessionRig.h"

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

// Opens the port as the main window does: the stored settings, then the session's open.
void OpenPort(SessionRig& e, const std::string& name) {
    e.link.SetRTOCharDelayTime(1100);
    e.link.SetRTOExtraDelayTime(250);
    ASSERT_TRUE(e.Open(name, 9600)) << e.link.LastOpenErrorText();
    ASSERT_FALSE(e.link.RTSState()) << "the sender stays unpowered until an operation";
}

// Runs the loop until the operation ends; the time it took.
Clock::duration RunOperation(SessionRig& e, void (ExchangeEngine::*click)()) {
    Clock::duration took{};
    EXPECT_TRUE(e.Run(click, 15s, &took)) << "operation did not end";
    return took;
}

// A sender whose settings the test can look at, on its own unit.
std::shared_ptr<VirtualSenderUnit> UseVirtualSender(SessionRig& e, VirtualSenderFaults faults = {}) {
    auto unit = std::make_shared<VirtualSenderUnit>();
    e.link.SetDeviceCreator(
        [faults, unit](const std::string&) { return std::make_unique<VirtualSerialDevice>(faults, unit); });
    OpenPort(e, std::string(kVirtualSenderPortName));
    return unit;
}

TEST(ExchangeEndToEndTest, ReadDevice) {
    SessionRig e;
    auto unit = UseVirtualSender(e);
    *unit->settings = {"4", "2", "10", "1500", "20", "40", "60", "80"};
    e.controls.settings.edits = {"", "", "", "", "", ""};
    const auto took = RunOperation(e, &ExchangeEngine::ReadBtnClick);
    EXPECT_TRUE(e.prompts.shown.empty());
    EXPECT_EQ(e.controls.statusText, "Device read successfully!");
    EXPECT_EQ(e.controls.OutputTypeIndex(), 3);
    EXPECT_EQ(e.controls.FluidTypeIndex(), 2);
    EXPECT_EQ(e.controls.settings.edits, (std::array<std::string, 6>{"10", "1500", "20", "40", "60", "80"}));
    EXPECT_EQ(e.controls.replyText.substr(0, 3), "KOV");
    // Power-up, the pause, the listing and its 800 ms window: well over a second.
    EXPECT_GT(took, 1300ms);
    EXPECT_LT(took, 8s);
    e.ExpectIdle();
}

TEST(ExchangeEndToEndTest, ProgramThenReadShowsTheProgrammedValues) {
    SessionRig e;
    auto unit = UseVirtualSender(e);
    e.controls.SetOutputTypeIndex(2);
    e.controls.SetFluidTypeIndex(3);
    e.controls.settings.edits = {"12", "1800", "5", "30", "70", "95"};
    e.prompts.Answer(ConfirmAnswer::Yes); // top limit not 10
    RunOperation(e, &ExchangeEngine::SetBtn1Click);
    EXPECT_EQ(e.prompts.shown.size(), 1U) << "only the top-limit question";
    EXPECT_EQ(e.controls.statusText, "Device programmed successfully!");
    EXPECT_TRUE(e.controls.settingsEnabled);
    EXPECT_EQ(*unit->settings, (VirtualSenderSettings{"2", "3", "12", "1800", "5", "30", "70", "95"}));
    e.ExpectIdle();

    e.controls.SetOutputTypeIndex(0);
    e.controls.SetFluidTypeIndex(0);
    e.controls.settings.edits = kDefaultEdits;
    RunOperation(e, &ExchangeEngine::ReadBtnClick);
    EXPECT_EQ(e.controls.statusText, "Device read successfully!");
    EXPECT_EQ(e.controls.OutputTypeIndex(), 2);
    EXPECT_EQ(e.controls.FluidTypeIndex(), 3);
    EXPECT_EQ(e.controls.settings.edits, (std::array<std::string, 6>{"12", "1800", "5", "30", "70", "95"}));
    e.ExpectIdle();
}

TEST(ExchangeEndToEndTest, RestoreDefault) {
    SessionRig e;
    auto unit = UseVirtualSender(e);
    *unit->settings = {"1", "1", "20", "900", "10", "20", "30", "40"};
    e.controls.settings.edits = {"x", "x", "x", "x", "x", "x"};
    RunOperation(e, &ExchangeEngine::RestBtnClick);
    EXPECT_TRUE(e.prompts.shown.empty());
    EXPECT_EQ(e.controls.statusText, "Device restored successfully!");
    EXPECT_EQ(*unit->settings, DefaultVirtualSenderSettings());
    EXPECT_EQ(e.controls.OutputTypeIndex(), 0);
    EXPECT_EQ(e.controls.settings.edits, kDefaultEdits);
    e.ExpectIdle();
}

TEST(ExchangeEndToEndTest, NoisyListingInBurstsStillReads) {
    SessionRig e;
    UseVirtualSender(e, {.noise = true, .splitBursts = true});
    e.controls.settings.edits = {"", "", "", "", "", ""};
    RunOperation(e, &ExchangeEngine::ReadBtnClick);
    EXPECT_TRUE(e.prompts.shown.empty());
    EXPECT_EQ(e.controls.statusText, "Device read successfully!");
    EXPECT_EQ(e.controls.settings.edits, kDefaultEdits);
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
        SessionRig e;
        OpenPort(e, row.portName);
        const auto took = RunOperation(e, &ExchangeEngine::SetBtn1Click);
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
    SessionRig e;
    UseVirtualSender(e, {.silent = true});
    const auto took = RunOperation(e, &ExchangeEngine::ReadBtnClick);
    EXPECT_EQ(e.prompts.shown.at(0).text, "Fail to connect with the device! Check connection or battery!");
    EXPECT_EQ(e.controls.statusText, "Fail to connect with the device!");
    EXPECT_GE(took, 950ms);
    EXPECT_LT(took, 3s);
    e.ExpectIdle();
}

// The port sequence: a failed open warns with the system's reason and every operation
// repeats it; a port closed on purpose gives its own reason.
TEST(ExchangeEndToEndTest, SessionWarnsWithWhyThePortIsClosed) {
    SessionRig e;
    e.link.SetCommPort("ZEFT no such port");
    EXPECT_FALSE(e.session.Open());
    const std::string reason = e.link.LastOpenErrorText();
    EXPECT_FALSE(reason.empty());
    e.session.Start(DeviceOperation::Read);
    EXPECT_EQ(e.session.Outcome(), ExchangeOutcome::PortClosed);
    e.session.Close("closed for a test");
    EXPECT_FALSE(e.session.Start(DeviceOperation::Program));
    e.session.CloseAndWarn("no port chosen");
    ASSERT_EQ(e.prompts.shown.size(), 4U);
    const std::pair<const char*, std::string> warned[] = {
        {"open", reason}, {"read", reason}, {"program", "closed for a test"}, {"no port", "no port chosen"}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(e.prompts.shown[i].kind, ScriptedPrompts::Kind::Warning) << warned[i].first;
        EXPECT_EQ(e.prompts.shown[i].text, "Cannot Open COM port!") << warned[i].first;
        EXPECT_EQ(e.prompts.shown[i].detail, warned[i].second) << warned[i].first;
    }
    // Nothing started: the port never opened.
    EXPECT_FALSE(e.engine.Running());
    EXPECT_TRUE(e.buttons.AllEnabled());

    // Open at last: no reason is left over.
    UseVirtualSender(e);
    EXPECT_EQ(e.session.Link().PortProblem(), "");
    EXPECT_EQ(e.prompts.shown.size(), 4U);
}

#ifndef _WIN32
// The same Read Device through the termios backend and a pseudo-terminal.
TEST(ExchangeEndToEndTest, ReadDeviceThroughPseudoTerminalBridge) {
    PosixSenderBridge bridge;
    std::string error;
    ASSERT_TRUE(bridge.Open(error)) << error;
    std::thread server([&bridge] { bridge.Run(); });
    {
        SessionRig e;
        OpenPort(e, bridge.SlavePath());
        e.controls.settings.edits = {"", "", "", "", "", ""};
        e.controls.SetOutputTypeIndex(kNoSelection);
        RunOperation(e, &ExchangeEngine::ReadBtnClick);
        EXPECT_TRUE(e.prompts.shown.empty());
        EXPECT_EQ(e.controls.statusText, "Device read successfully!");
        EXPECT_EQ(e.controls.OutputTypeIndex(), 0);
        EXPECT_EQ(e.controls.settings.edits, kDefaultEdits);
        EXPECT_FALSE(e.engine.Running());
        EXPECT_TRUE(e.buttons.AllEnabled());
    }
    bridge.Stop();
    server.join();
}
#endif

} // namespace
} // namespace zeft::testing
