#include "tests/cli/ZeftctlRunner.h"

#include "serial/virtual/PosixSenderBridge.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace zeft::cli::testing {
namespace {

const std::string kSender = "ZEFT Virtual Sender";

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

class TempDir {
public:
    TempDir() {
        char pattern[] = "/tmp/zeftctl-test-XXXXXX";
        path_ = mkdtemp(pattern);
    }
    ~TempDir() { std::filesystem::remove_all(path_); }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

struct DeviceCase {
    const char* name;
    std::vector<std::string> arguments;
    int exitCode;
    std::string status; // first line of the text report
    std::string stderrHas;
};

void PrintTo(const DeviceCase& c, std::ostream* out) {
    *out << c.name;
}

class ZeftctlDeviceTest : public ::testing::TestWithParam<DeviceCase> {};

TEST_P(ZeftctlDeviceTest, EndsWithItsStatusTextAndExitCode) {
    const DeviceCase& c = GetParam();
    const RunResult r = RunZeftctl(c.arguments);
    EXPECT_EQ(r.exitCode, c.exitCode) << r.err;
    if (!c.status.empty()) {
        EXPECT_EQ(r.out.substr(0, r.out.find('\n')), c.status) << r.out;
    }
    EXPECT_NE(r.err.find(c.stderrHas), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ZeftctlDeviceTest,
    ::testing::Values(
        DeviceCase{"Read", {"read", "--port", kSender}, 0, "Device read successfully!", ""},
        DeviceCase{"Restore", {"restore", "--port", kSender}, 0, "Device restored successfully!", ""},
        DeviceCase{
            "Program", {"program", "--port", kSender, "--level-a", "10"}, 0, "Device programmed successfully!", ""},
        DeviceCase{"Silent",
                   {"read", "--port", kSender + " (silent)"},
                   1,
                   "Fail to connect with the device!",
                   "Error: Fail to connect with the device! Check connection or battery!"},
        DeviceCase{"OldFirmware",
                   {"program", "--port", kSender + " (old firmware)"},
                   1,
                   "Fail to program the device!",
                   "Error: Fail to program the device due to incompatible firmware! Please contact KOV to upgrade!"},
        DeviceCase{"FirstReplyD",
                   {"program", "--port", kSender + " (first D)"},
                   1,
                   "Fail to program the device!",
                   "Error: Fail to program the device! Check connection or battery!"},
        DeviceCase{"ValidationMessage",
                   {"program", "--port", kSender, "--level-b", "101"},
                   2,
                   "",
                   "Error: Invalid data in Set Level B! Level B must be an integer, >= 0 and <= 100!"},
        DeviceCase{"TopQuestionNoWithoutTerminal",
                   {"program", "--port", kSender, "--top", "11"},
                   2,
                   "",
                   "Confirm: The top limit should be 10mm except where tank sender spacer is used. Are you sure to "
                   "set it to 11mm?"},
        DeviceCase{"TopQuestionYes",
                   {"program", "--port", kSender, "--top", "11", "--yes"},
                   0,
                   "Device programmed successfully!",
                   "Confirm: "},
        DeviceCase{"UnknownOutputCode", {"program", "--port", kSender, "--output-type", "3"}, 2, "", "Error: "},
        DeviceCase{
            "MissingPort", {"read", "--port", "/dev/zeft-no-such-port"}, 3, "", "Warning: Cannot Open COM port!"},
        DeviceCase{"NotASerialPort", {"read", "--port", "/dev/null"}, 3, "", "Warning: Cannot Open COM port!"},
        DeviceCase{"BadParity", {"read", "--port", kSender, "--parity", "sideways"}, 2, "", "--parity"},
        DeviceCase{"NoPort", {"read"}, 2, "", "--port"}, DeviceCase{"NoCommand", {}, 2, "", ""}));

TEST(ZeftctlTest, ReadJsonHasTheSettingsAndTheReplyWithCarriageReturns) {
    const RunResult r = RunZeftctl({"read", "--port", kSender + " (noise)", "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const nlohmann::json json = nlohmann::json::parse(r.out);
    EXPECT_EQ(json["status"], "Device read successfully!");
    EXPECT_TRUE(json["error"].is_null());
    EXPECT_EQ(json["settings"]["Output Type"], 0);
    EXPECT_EQ(json["settings"]["Bottom Limit"], "2000");
    EXPECT_EQ(json["settings"]["Level D"], "80");
    EXPECT_EQ(json["reply"].get<std::string>().rfind("KOV", 0), 0u);
    EXPECT_NE(json["reply"].get<std::string>().find("\r"), std::string::npos);
}

TEST(ZeftctlTest, FailedReadJsonCarriesTheErrorBoxText) {
    const RunResult r = RunZeftctl({"read", "--port", kSender + " (silent)", "--json"});
    EXPECT_EQ(r.exitCode, 1);
    const nlohmann::json json = nlohmann::json::parse(r.out);
    EXPECT_EQ(json["status"], "Fail to connect with the device!");
    EXPECT_EQ(json["error"], "Fail to connect with the device! Check connection or battery!");
    EXPECT_EQ(json["reply"], "");
}

TEST(ZeftctlTest, ProgramFromAConfigFileThenSaveWritesWhatTheSenderReportsBack) {
    TempDir dir;
    {
        std::ofstream config(dir / "tank.zcf", std::ios::binary);
        config << "[Sensor Parameters]\r\nOutput Type=0x4\r\nFluid Type=2\r\nTop Limit=10\r\nBottom Limit=1500\r\n"
                  "[Tank Linearization Parameters]\r\nLevel A=14\r\nLevel B=37\r\nLevel C=63\r\nLevel D=86\r\n";
    }
    const RunResult r = RunZeftctl({"program", "--port", kSender, "--config", (dir / "tank.zcf").string(), "--level-d",
                                    "90", "--save", (dir / "out.zcf").string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("Output Type = 4 (Resistive 300 - 10R)\nFluid Type = 2 (Diesel)\n"), std::string::npos);
    EXPECT_EQ(ReadFile(dir / "out.zcf"), "[Sensor Parameters]\r\nOutput Type = 4\r\nFluid Type = 2\r\n"
                                         "Top Limit = 10\r\nBottom Limit = 1500\r\n"
                                         "[Tank Linearization Parameters]\r\nLevel A = 14\r\nLevel B = 37\r\n"
                                         "Level C = 63\r\nLevel D = 90\r\n");
}

TEST(ZeftctlTest, ConfigFileMissingKeysFailsValidationLikeLoad) {
    TempDir dir;
    {
        std::ofstream config(dir / "partial.zcf", std::ios::binary);
        config << "[Sensor Parameters]\r\nOutput Type=1\r\n";
    }
    const RunResult r = RunZeftctl({"program", "--port", kSender, "--config", (dir / "partial.zcf").string()});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("Error: Invalid data in Set Top Limit!"), std::string::npos) << r.err;
}

TEST(ZeftctlTest, PowerSwitchesOnAndOffAfterTheTimeOrCtrlC) {
    const RunResult timed = RunZeftctl({"power", "--port", kSender, "--seconds", "1"});
    EXPECT_EQ(timed.exitCode, 0);
    EXPECT_EQ(timed.out, "Power is ON\nPower is OFF\n");

    const RunResult interrupted = RunZeftctl({"power", "--port", kSender}, "", "Power is ON");
    EXPECT_EQ(interrupted.exitCode, 0);
    EXPECT_EQ(interrupted.out, "Power is ON\nPower is OFF\n");
}

TEST(ZeftctlTest, PortsListsTheVirtualSender) {
    const RunResult r = RunZeftctl({"ports"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find(kSender + "\n"), std::string::npos);
}

TEST(ZeftctlTest, PortsJsonDescribesEachPortWithNullForWhatIsUnknown) {
    const RunResult r = RunZeftctl({"ports", "--json"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const nlohmann::json ports = nlohmann::json::parse(r.out);
    ASSERT_TRUE(ports.is_array());
    const RunResult plain = RunZeftctl({"ports"});
    std::string names;
    for (const nlohmann::json& port : ports) {
        names += port["name"].get<std::string>() + "\n";
        for (const char* key : {"description", "vendorId", "productId", "serial", "stablePath"}) {
            EXPECT_TRUE(port.contains(key)) << key;
            EXPECT_TRUE(port[key].is_null() || port[key].is_string()) << key;
        }
        if (port["name"] == kSender) {
            EXPECT_EQ(port["description"], "Sender simulated by this program, no hardware");
            EXPECT_TRUE(port["vendorId"].is_null());
            EXPECT_TRUE(port["stablePath"].is_null());
        }
    }
    EXPECT_EQ(names, plain.out) << "the same ports as the plain list";
    EXPECT_NE(names.find(kSender + "\n"), std::string::npos);
}

TEST(ZeftctlTest, ReadThroughAPseudoTerminalBridge) {
    PosixSenderBridge bridge;
    std::string error;
    ASSERT_TRUE(bridge.Open(error)) << error;
    std::thread server([&bridge] { bridge.Run(); });
    const RunResult r = RunZeftctl({"read", "--port", bridge.SlavePath()});
    bridge.Stop();
    server.join();
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "Device read successfully!");
}

struct CalcCase {
    const char* name;
    std::vector<std::string> arguments;
    int exitCode;
    std::string out;
};

void PrintTo(const CalcCase& c, std::ostream* out) {
    *out << c.name;
}

class ZeftctlCalcTest : public ::testing::TestWithParam<CalcCase> {};

TEST_P(ZeftctlCalcTest, PrintsWhatTheWindowShows) {
    const RunResult r = RunZeftctl(GetParam().arguments);
    EXPECT_EQ(r.exitCode, GetParam().exitCode) << r.err;
    EXPECT_EQ(r.out, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Calculators, ZeftctlCalcTest,
    ::testing::Values(
        CalcCase{"Cylinder",
                 {"calc", "shape", "--shape", "12", "--x", "1000", "--h", "1000", "--json"},
                 0,
                 "{\"levels\":[\"14\",\"37\",\"63\",\"86\"],\"bottomLimit\":\"1000\",\"bottomLimitMm\":1000,"
                 "\"volume\":\"785\"}\n"},
        CalcCase{"CylinderInches",
                 {"calc", "shape", "--shape", "12", "--x", "1000", "--h", "39", "--inch", "--json"},
                 0,
                 "{\"levels\":[\"14\",\"37\",\"63\",\"86\"],\"bottomLimit\":\"39\",\"bottomLimitMm\":991,"
                 "\"volume\":\"5171\"}\n"},
        CalcCase{"BadDimension",
                 {"calc", "shape", "--shape", "1", "--x", "abc", "--h", "1000", "--json"},
                 2,
                 "{\"error\":\"Invalid input for X value!\"}\n"},
        CalcCase{"StraightVolumes",
                 {"calc", "volume", "--full", "100", "--at80", "80", "--at60", "60", "--at40", "40", "--at20", "20",
                  "--height", "1000"},
                 0,
                 "Level A = 20\nLevel B = 40\nLevel C = 60\nLevel D = 80\nBottom Limit = 1000 mm\n"
                 "Bottom Limit (mm) = 1000\n"},
        CalcCase{"ShapeOutOfRange", {"calc", "shape", "--shape", "13", "--x", "1", "--h", "1"}, 2, ""},
        CalcCase{"ChartTable",
                 {"calc", "chart", "--shape", "6", "--x", "1000", "--h", "1000", "--w", "1000", "--step", "300"},
                 0,
                 "Height (mm)  Percent  Volume (L)\n"
                 "          0     0.00       0.000\n"
                 "        300     9.00      45.000\n"
                 "        600    36.00     180.000\n"
                 "        900    81.00     405.000\n"
                 "       1000   100.00     500.000\n"},
        CalcCase{"ChartCsvInches",
                 {"calc", "chart", "--shape", "7", "--x", "10", "--h", "10", "--w", "10", "--inch", "--step", "2.5",
                  "--csv"},
                 0,
                 "height,percent,volume\n0,0.00,0.000\n2.5,25.00,1.082\n5,50.00,2.165\n7.5,75.00,3.247\n"
                 "10,100.00,4.329\n"},
        CalcCase{"ChartJsonUnrounded",
                 {"calc", "chart", "--shape", "5", "--half", "--x", "500", "--z", "200", "--h", "1000", "--w", "1000",
                  "--step", "500", "--json"},
                 0,
                 "{\"unit\":\"mm\",\"volume\":350.0,\"rows\":[{\"height\":0.0,\"percent\":0.0,\"volume\":0.0},"
                 "{\"height\":500.0,\"percent\":39.285714285714285,\"volume\":137.5},"
                 "{\"height\":1000.0,\"percent\":100.0,\"volume\":350.0}]}\n"},
        CalcCase{"ChartShapeCheck",
                 {"calc", "chart", "--shape", "2", "--x", "1000", "--h", "1000", "--w", "1000", "--y", "100", "--z",
                  "1000", "--json"},
                 2,
                 "{\"error\":\"Z value must be smaller than X value!\"}\n"},
        CalcCase{"ChartTooManyRows",
                 {"calc", "chart", "--shape", "7", "--x", "1000", "--h", "2000", "--w", "1000", "--step", "0.01"},
                 2,
                 ""},
        CalcCase{"ChartNoReserve",
                 {"calc", "chart", "--shape", "7", "--x", "1000", "--h", "1000", "--w", "1000", "--reserve"},
                 2,
                 ""}));

} // namespace
} // namespace zeft::cli::testing
