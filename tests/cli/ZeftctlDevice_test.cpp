// The device cases of tests/cli/device-cases.txt, each run through the virtual sender's own
// port name and through a pseudo-terminal served by the sender bridge. The Windows build
// runs the same table under Wine (scripts/wine-zeftctl-test.sh).
#include "tests/cli/DeviceCaseTable.h"
#include "tests/cli/ZeftctlRunner.h"
#include "tests/support/TempFolder.h"

#include "serial/virtual/PosixSenderBridge.h"
#include "serial/virtual/VirtualSenderPortName.h"

#include <gtest/gtest.h>

#include <memory>
#include <thread>

namespace zeft::cli::testing {

void PrintTo(const DeviceCase& c, std::ostream* out) {
    *out << c.name;
}

namespace {

enum class SenderPort { PortName, PseudoTerminal };

void PrintTo(SenderPort port, std::ostream* out) {
    *out << (port == SenderPort::PortName ? "by port name" : "through a pseudo-terminal");
}

std::string SenderName(const std::string& faults) {
    const std::string name(kVirtualSenderPortName);
    return faults.empty() ? name : name + " (" + faults + ")";
}

// The sender bridge on its own thread for as long as the object lives.
class RunningBridge {
public:
    explicit RunningBridge(const VirtualSenderFaults& faults) : bridge_(faults) {}
    ~RunningBridge() {
        bridge_.Stop();
        if (server_.joinable()) {
            server_.join();
        }
    }
    bool Start(std::string& error) {
        if (!bridge_.Open(error)) {
            return false;
        }
        server_ = std::thread([this] { bridge_.Run(); });
        return true;
    }
    const std::string& Path() const { return bridge_.SlavePath(); }

private:
    PosixSenderBridge bridge_;
    std::thread server_;
};

std::vector<std::string> Arguments(const DeviceCase& c, const std::string& port, const zeft::testing::TempFolder& out) {
    std::vector<std::string> arguments;
    for (const std::string& word : c.arguments) {
        if (word == "PORT") {
            arguments.push_back(port);
        } else if (word == "MISSING") {
            arguments.emplace_back("/dev/zeft-no-such-port");
        } else if (word.rfind("DATA/", 0) == 0) {
            arguments.push_back(std::string(ZEFT_CLI_TEST_DATA) + "/" + word.substr(5));
        } else if (word.rfind("OUT/", 0) == 0) {
            arguments.push_back((out / word.substr(4)).string());
        } else {
            arguments.push_back(word);
        }
    }
    return arguments;
}

class ZeftctlDeviceTest : public ::testing::TestWithParam<std::tuple<DeviceCase, SenderPort>> {};

TEST_P(ZeftctlDeviceTest, GivesTheResultOfTheSharedTable) {
    const auto& [c, medium] = GetParam();
    ASSERT_TRUE(c.problem.empty()) << c.problem;
    std::string port = SenderName(c.faults);
    std::unique_ptr<RunningBridge> bridge;
    if (medium == SenderPort::PseudoTerminal) {
        VirtualSenderFaults faults;
        ASSERT_TRUE(ParseVirtualSenderPortName(port, faults)) << c.faults;
        bridge = std::make_unique<RunningBridge>(faults);
        std::string error;
        ASSERT_TRUE(bridge->Start(error)) << error;
        port = bridge->Path();
    }
    const zeft::testing::TempFolder out;
    const RunResult r = RunZeftctl(Arguments(c, port, out), "", c.interruptAfter);
    bridge.reset();

    EXPECT_EQ(r.exitCode, c.exitCode) << r.err;
    EXPECT_EQ(r.out.substr(0, c.outputBegins.size()), c.outputBegins) << r.out;
    EXPECT_NE(r.err.find(c.errorHas), std::string::npos) << r.err;
    if (!c.savedFile.empty()) {
        EXPECT_EQ(zeft::testing::TempFolder::Read(out / "saved.zcf"),
                  zeft::testing::TempFolder::Read(std::string(ZEFT_CLI_TEST_DATA) + "/" + c.savedFile));
    }
}

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

// A sender behind a spacer (top limit 11) keeps its settings from run to run: every save
// of it meets the top-limit question.
TEST(ZeftctlSpacerTest, AsksTheTopLimitQuestionOnceARunAndTakesYesWhereverItComes) {
    struct Step {
        std::vector<std::string> arguments; // PORT and OUT/ as in the shared table
        int exitCode;
        std::size_t questions;
        std::string outputHolds;
    };
    const Step steps[] = {
        {{"program", "--port", "PORT", "--top", "11", "--yes", "--save", "OUT/programmed.zcf"},
         0,
         1,
         "Top Limit = 11\n"},
        {{"read", "--port", "PORT", "--save", "OUT/read.zcf", "--json"},
         2,
         1,
         "\"error\":\"Answered No (no terminal to ask; --yes answers Yes): The top limit"},
        {{"read", "--port", "PORT", "--save", "OUT/read.zcf", "--yes"}, 0, 1, "Top Limit = 11\n"},
        {{"restore", "--port", "PORT", "--save", "OUT/restored.zcf", "--yes"}, 0, 0, "Top Limit = 10\n"},
    };
    RunningBridge bridge(VirtualSenderFaults{});
    std::string error;
    ASSERT_TRUE(bridge.Start(error)) << error;
    const zeft::testing::TempFolder out;
    for (const Step& step : steps) {
        DeviceCase c;
        c.arguments = step.arguments;
        const RunResult r = RunZeftctl(Arguments(c, bridge.Path(), out));
        const std::string run = step.arguments[0] + " " + step.arguments.back();
        EXPECT_EQ(r.exitCode, step.exitCode) << run << "\n" << r.err;
        EXPECT_EQ(Count(r.err, "Confirm:"), step.questions) << run << "\n" << r.err;
        EXPECT_NE(r.out.find(step.outputHolds), std::string::npos) << run << "\n" << r.out;
    }
    EXPECT_NE(zeft::testing::TempFolder::Read(out / "read.zcf").find("11"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(SharedTable, ZeftctlDeviceTest,
                         ::testing::Combine(::testing::ValuesIn(ReadDeviceCases(ZEFT_CLI_DEVICE_CASES)),
                                            ::testing::Values(SenderPort::PortName, SenderPort::PseudoTerminal)),
                         [](const ::testing::TestParamInfo<ZeftctlDeviceTest::ParamType>& info) {
                             return std::get<0>(info.param).name + (std::get<1>(info.param) == SenderPort::PortName
                                                                        ? "_ByPortName"
                                                                        : "_ThroughPseudoTerminal");
                         });

} // namespace
} // namespace zeft::cli::testing
