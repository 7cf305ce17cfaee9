#include "tests/serial/SerialLinkFixture.h"

#include "serial/settings/PortSettings.h"

#include <algorithm>
#include <cstdint>

namespace zeft::testing {
namespace {

using Settings = SerialLinkFixture;

TEST_F(Settings, FreshComponentHasTheCreationValues) {
    EXPECT_FALSE(link->Active());
    EXPECT_EQ(link->ComHandle(), kNoDeviceHandle);
    EXPECT_EQ(link->CommPort(), "COM2");
    EXPECT_EQ(link->BaudRate(), 9600u);
    EXPECT_EQ(link->DataBits(), 8);
    EXPECT_EQ(link->ParityType(), 0);
    EXPECT_EQ(link->StopBits(), 0);
    EXPECT_EQ(link->XONChar(), 17);
    EXPECT_EQ(link->XOFFChar(), 19);
    EXPECT_EQ(link->XONLimDiv(), 33);
    EXPECT_EQ(link->RTOCharDelayTime(), 1100u);
    EXPECT_EQ(link->RTOExtraDelayTime(), 250);
    EXPECT_EQ(link->ClusterSize(), 3072);
    EXPECT_EQ(link->RxQueueSize(), 4096);
    EXPECT_EQ(link->WTOCharDelayTime(), 1100u);
    EXPECT_TRUE(link->XTOAuto());
    EXPECT_TRUE(link->RTSState());
    EXPECT_TRUE(link->DTRState());
    EXPECT_FALSE(link->BREAKState());
    EXPECT_EQ(link->ErrorNoise(), 255);
}

// Each value differs from its default and from the others of its type, so that a property
// reading another setting, or a setting left out of the copy, shows.
TEST_F(Settings, EveryPropertyReadsItsOwnStoredSetting) {
    PortSettings s;
    s.CommPort = "/dev/ttyUSB9";
    s.BaudRate = 19200;
    s.ParityType = 3;
    s.ParityErrorChar = '?';
    s.ParityErrorReplacement = true;
    s.StopBits = 2;
    s.DataBits = 5;
    s.XONChar = 'x';
    s.XOFFChar = 'y';
    s.XONLimDiv = 7;
    s.XOFFLimDiv = 8;
    s.FlowControl = 9;
    s.StripNullChars = true;
    s.EventChar = 'z';
    s.RTOCharDelayTime = 11;
    s.RTOExtraDelayTime = 12;
    s.ClusterSize = 13;
    s.RxQueueSize = 14;
    s.TxQueueSize = 15;
    s.WTOCharDelayTime = 16;
    s.WTOExtraDelayTime = 17;
    s.XTOAuto = false;
    s.RTSState = false;
    s.DTRState = false;
    s.BREAKState = true;
    s.ErrorNoise = 18;
    link->StoreSettingsDirectly(s);
    EXPECT_TRUE(reports.empty());
    EXPECT_TRUE(link->Settings() == s);

    const struct {
        const char* name;
        std::int64_t property;
        std::int64_t stored;
    } rows[] = {
        {"BaudRate", link->BaudRate(), s.BaudRate},
        {"ParityType", link->ParityType(), s.ParityType},
        {"ParityErrorChar", link->ParityErrorChar(), s.ParityErrorChar},
        {"ParityErrorReplacement", link->ParityErrorReplacement(), s.ParityErrorReplacement},
        {"StopBits", link->StopBits(), s.StopBits},
        {"DataBits", link->DataBits(), s.DataBits},
        {"XONChar", link->XONChar(), s.XONChar},
        {"XOFFChar", link->XOFFChar(), s.XOFFChar},
        {"XONLimDiv", link->XONLimDiv(), s.XONLimDiv},
        {"XOFFLimDiv", link->XOFFLimDiv(), s.XOFFLimDiv},
        {"FlowControl", link->FlowControl(), s.FlowControl},
        {"StripNullChars", link->StripNullChars(), s.StripNullChars},
        {"EventChar", link->EventChar(), s.EventChar},
        {"RTOCharDelayTime", link->RTOCharDelayTime(), s.RTOCharDelayTime},
        {"RTOExtraDelayTime", link->RTOExtraDelayTime(), s.RTOExtraDelayTime},
        {"ClusterSize", link->ClusterSize(), s.ClusterSize},
        {"RxQueueSize", link->RxQueueSize(), s.RxQueueSize},
        {"TxQueueSize", link->TxQueueSize(), s.TxQueueSize},
        {"WTOCharDelayTime", link->WTOCharDelayTime(), s.WTOCharDelayTime},
        {"WTOExtraDelayTime", link->WTOExtraDelayTime(), s.WTOExtraDelayTime},
        {"XTOAuto", link->XTOAuto(), s.XTOAuto},
        {"RTSState", link->RTSState(), s.RTSState},
        {"DTRState", link->DTRState(), s.DTRState},
        {"BREAKState", link->BREAKState(), s.BREAKState},
        {"ErrorNoise", link->ErrorNoise(), s.ErrorNoise},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.property, row.stored) << row.name;
    }
    EXPECT_EQ(link->CommPort(), s.CommPort);
}

TEST_F(Settings, LimitDivisorsAboveOneHundredAreCappedWithAWarning) {
    link->SetXONLimDiv(150);
    link->SetXOFFLimDiv(101);
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0].place, 100u);
    EXPECT_EQ(reports[0].code, 150u);
    EXPECT_EQ(reports[0].noise, 1);
    EXPECT_EQ(reports[0].msg, "Warning XOnLimDef set to 100");
    EXPECT_EQ(reports[1].code, 101u);
    EXPECT_EQ(reports[1].msg, "Warning XOffLimDef set to 100");
    EXPECT_EQ(link->XONLimDiv(), 100);
    EXPECT_EQ(link->XOFFLimDiv(), 100);
}

TEST_F(Settings, CharacterTimesFollowTheBaudRate) {
    const struct {
        std::uint32_t baudRate;
        std::uint32_t microseconds;
    } rows[] = {{19200, 570}, {115000, 190}, {50, 1100}, {110, 100000}, {115200, 95}, {1000000, 43}, {9600, 1100}};
    for (const auto& row : rows) {
        link->SetBaudRate(row.baudRate);
        EXPECT_EQ(link->RTOCharDelayTime(), row.microseconds) << row.baudRate;
        EXPECT_EQ(link->WTOCharDelayTime(), row.microseconds) << row.baudRate;
    }
}

TEST_F(Settings, WithoutXTOAutoTheCharacterTimesStay) {
    link->SetXTOAuto(false);
    link->SetBaudRate(19200);
    EXPECT_EQ(link->RTOCharDelayTime(), 1100u);
    link->SetXTOAuto(true);
    EXPECT_EQ(link->RTOCharDelayTime(), 570u);
}

TEST_F(Settings, LinesAreIgnoredWhileClosed) {
    link->SetRTSState(false);
    link->SetDTRState(false);
    link->SetBREAKState(true);
    EXPECT_TRUE(link->RTSState());
    EXPECT_TRUE(link->DTRState());
    EXPECT_FALSE(link->BREAKState());
    EXPECT_TRUE(reports.empty());
}

// Every open raises DTR, then RTS, whatever the properties held; closing drops both.
TEST_F(Settings, EveryOpenRaisesDtrAndRts) {
    Open();
    link->SetRTSState(false);
    EXPECT_FALSE(link->RTSState());
    link->SetActive(false);
    EXPECT_FALSE(link->RTSState());
    EXPECT_FALSE(link->DTRState());
    std::vector<std::string> calls = AllCalls();
    EXPECT_EQ(std::vector<std::string>(calls.end() - 3, calls.end()),
              (std::vector<std::string>{"ClearDtr", "ClearRts", "Close"}));
    const std::size_t closed = calls.size();
    link->SetActive(true);
    EXPECT_TRUE(link->RTSState());
    EXPECT_TRUE(link->DTRState());
    calls = AllCalls();
    const std::vector<std::string> expected = {
        "Open scripted", "SetQueueSizes 4096 4096", "SetTimeouts 0", "SetLineSettings 9600", "SetDtr",
        "SetRts",        "SetEventMask 511"};
    // The worker may still cut its last wait short on the closed device meanwhile.
    std::erase(calls, "SetEventMask 0");
    ASSERT_GE(calls.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(calls.end() - 7, calls.end()), expected);
    EXPECT_GE(calls.size(), closed);
}

TEST_F(Settings, RefusedLineIsReportedAndThePropertyStillTakesTheValue) {
    prepare = [](ScriptedSerialDevice& d) { d.Fail("ClearRts", 25); };
    Open();
    link->SetRTSState(false);
    const SeenReport* refusal = FindReport(502);
    ASSERT_NE(refusal, nullptr);
    EXPECT_EQ(refusal->code, 25u);
    EXPECT_EQ(refusal->msg, "Error clearing RTS");
    EXPECT_FALSE(link->RTSState());
}

TEST_F(Settings, FailedOpenLeavesThePortClosed) {
    prepare = [](ScriptedSerialDevice& d) { d.Fail("Open", 2); };
    link->SetCommPort("scripted");
    link->SetActive(true);
    EXPECT_FALSE(link->Active());
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0].place, 110u);
    EXPECT_EQ(reports[1].place, 112u);
    EXPECT_EQ(reports[1].code, 2u);
    EXPECT_EQ(reports[1].msg, "Error reopening Port");
    EXPECT_EQ(link->LastOpenErrorText(), "scripted error 2");
    EXPECT_TRUE(link->RTSState());
}

TEST_F(Settings, SameCommPortDoesNothingANewOneReopens) {
    Open();
    link->SetCommPort("scripted");
    EXPECT_EQ(opens, 1);
    link->SetCommPort("other");
    EXPECT_EQ(opens, 2);
    EXPECT_TRUE(link->Active());
    const std::vector<std::string> calls = AllCalls();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "Open other"), calls.end());
}

TEST_F(Settings, LineSettingsGoToTheDevice) {
    Open();
    SerialLineSettings applied;
    link->SetParityType(2);
    link->SetFlowControl(0x2004);
    link->SetStripNullChars(true);
    device->GetLineSettings(applied);
    EXPECT_EQ(applied.Parity, 2);
    EXPECT_EQ(applied.Flags, kDcbBinary | kDcbParity | 0x2004u | kDcbNull);
    EXPECT_EQ(applied.XonLim, 1351);
    EXPECT_EQ(applied.XoffLim, 1351);
}

TEST_F(Settings, RefusedLineSettingsAreReported) {
    prepare = [](ScriptedSerialDevice& d) { d.Fail("SetLineSettings", 87); };
    Open();
    ASSERT_EQ(openReports.size(), 2u);
    EXPECT_EQ(openReports[1].place, 802u);
    EXPECT_EQ(openReports[1].msg, "Error setting CommState, 87 indicate that Parms are incorrect");
}

// Made also while closed, where it fails.
TEST_F(Settings, QueueSizeWhileClosedIsReported) {
    link->SetRxQueueSize(1024);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].place, 101u);
    EXPECT_EQ(reports[0].msg, "Error can not set Quesize");
    EXPECT_EQ(link->RxQueueSize(), 1024);
}

TEST_F(Settings, ErrorNoiseFiltersReports) {
    const struct {
        std::uint8_t errorNoise;
        std::size_t passed; // of a message, a warning and an error
    } rows[] = {{255, 3}, {2, 3}, {1, 2}, {0, 1}};
    for (const auto& row : rows) {
        reports.clear();
        link->SetErrorNoise(row.errorNoise);
        link->ProcessError(1, 0, 2, "message");
        link->ProcessError(2, 0, 1, "warning");
        link->ProcessError(3, 0, 0, "error");
        EXPECT_EQ(reports.size(), row.passed) << int{row.errorNoise};
    }
}

} // namespace
} // namespace zeft::testing
