#include "tests/cli/ZeftctlRunner.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>

#include <sys/stat.h>

namespace zeft::cli::testing {
namespace {

namespace fs = std::filesystem;

const std::string kSender = "ZEFT Virtual Sender";

TEST(ZeftctlTest, PortsListsTheVirtualSenderAndProductionLine) {
    const RunResult r = RunZeftctl({"ports"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find(kSender + "\n"), std::string::npos);
    EXPECT_NE(r.out.find("ZEFT Virtual Production Line\n"), std::string::npos);
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
        for (const char* key : {"description", "vendorId", "productId", "serial", "location", "stablePath"}) {
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

// doctor's JSON, text and exit status: an error finding makes it 1, and so does whatever
// the port's open refuses; the ports are those of "ports --json"; a name reaches the
// terminal escaped.
TEST(ZeftctlTest, DoctorJsonGivesFindingsAndPortsAndFailsOnAnError) {
    zeft::testing::TempFolder folder;
    const std::string file = folder.Write("notes.txt", "").string();
    const std::string fifo = (folder / "pipe").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string hostile = (folder / "dir\x1b]0;pwned\x07\x1b[2J").string();
    fs::create_directory(hostile);
    const RunResult ports = RunZeftctl({"ports", "--json"});
    const struct {
        std::string port;
        int exitCode;
        std::vector<std::string> ids;
        std::string text; // the start of the text output
    } cases[] = {
        {kSender, 0, {}, "No problem found.\nPorts looked at:\n  " + kSender + "\n"},
        {"ZEFT Virtual Production Line",
         0,
         {},
         "No problem found.\nPorts looked at:\n  ZEFT Virtual Production Line\n"},
        {"/dev/zeft-test-no-such-port", 1, {"missing-port"}, "# error: /dev/zeft-test-no-such-port is not there.\n"},
        {file, 1, {"not-a-port"}, "# error: " + file + " is not a serial port: it is a regular file.\n"},
        {fifo, 1, {"not-a-port"}, "# error: " + fifo + " is not a serial port: it is a named pipe (FIFO).\n"},
        {folder.Path().string(), 1, {"not-a-port"}, "# error: " + folder.Path().string() + " is not a serial port"},
        {hostile, 1, {"not-a-port"}, "# error: " + (folder / "dir\\x1b]0;pwned\\x07\\x1b[2J").string() + " is"},
    };
    for (const auto& c : cases) {
        const RunResult r = RunZeftctl({"doctor", "--port", c.port, "--json"});
        EXPECT_EQ(r.exitCode, c.exitCode) << c.port << r.err;
        const nlohmann::json report = nlohmann::json::parse(r.out);
        std::vector<std::string> ids;
        for (const nlohmann::json& finding : report["findings"]) {
            ids.push_back(finding["id"]);
            EXPECT_EQ(finding["severity"], "error");
            EXPECT_EQ(finding["port"], c.port);
            EXPECT_FALSE(finding["summary"].get<std::string>().empty());
            EXPECT_TRUE(finding["fix"].is_string());
            EXPECT_FALSE(finding["note"].get<std::string>().empty());
        }
        EXPECT_EQ(ids, c.ids) << c.port;
        EXPECT_EQ(report["lookedAt"],
                  nlohmann::json(c.exitCode == 0 || c.ids[0] != "missing-port" ? std::vector<std::string>{c.port}
                                                                               : std::vector<std::string>{}))
            << c.port;
        EXPECT_EQ(report["ports"], nlohmann::json::parse(ports.out)) << c.port;

        const RunResult text = RunZeftctl({"doctor", "--port", c.port});
        EXPECT_EQ(text.exitCode, c.exitCode) << c.port << text.err;
        EXPECT_EQ(text.out.rfind(c.text, 0), 0u) << text.out;
        EXPECT_EQ(text.out.find('\x1b'), std::string::npos) << text.out;
    }
}

struct CalcCase {
    const char* name;
    std::vector<std::string> arguments;
    int exitCode;
    std::string out;
    std::string input = {};
};

void PrintTo(const CalcCase& c, std::ostream* out) {
    *out << c.name;
}

class ZeftctlCalcTest : public ::testing::TestWithParam<CalcCase> {};

TEST_P(ZeftctlCalcTest, PrintsWhatTheWindowShows) {
    const RunResult r = RunZeftctl(GetParam().arguments, GetParam().input);
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
        CalcCase{"ShapeOutOfRange", {"calc", "shape", "--shape", "19", "--x", "1", "--h", "1"}, 2, ""},
        CalcCase{"ShapeOutOfRangeJson",
                 {"calc", "shape", "--shape", "99", "--x", "1", "--h", "1", "--json"},
                 2,
                 "{\"error\":\"--shape takes a whole number from 1 to 18\"}\n"},
        CalcCase{"ShapeNotANumberJson",
                 {"calc", "shape", "--shape", "1.5", "--x", "1", "--h", "1", "--json"},
                 2,
                 "{\"error\":\"--shape takes a whole number from 1 to 18\"}\n"},
        CalcCase{"LastNotANumberJson",
                 {"history", "--last", "abc", "--json"},
                 2,
                 "{\"error\":\"--last takes a whole number of at least 1\"}\n"},
        CalcCase{"LastNoneJson",
                 {"history", "--last", "0", "--json"},
                 2,
                 "{\"error\":\"--last takes a whole number of at least 1\"}\n"},
        CalcCase{"BaudTooLargeJson",
                 {"read", "--port", "x", "--baud", "99999999999", "--json"},
                 2,
                 "{\"error\":\"--baud takes a whole number of at least 1; 99999999999 is too large\"}\n"},
        CalcCase{"EmptyValueTakesNoOtherOption",
                 {"calc", "shape", "--shape", "12", "--x=", "--h=1000", "--json"},
                 2,
                 "{\"error\":\"--x: the value after \\\"=\\\" is empty\"}\n"},
        CalcCase{"SphereReadsNoX",
                 {"calc", "shape", "--shape", "17", "--h", "1000", "--json"},
                 0,
                 "{\"levels\":[\"10\",\"35\",\"65\",\"90\"],\"bottomLimit\":\"1000.00\",\"bottomLimitMm\":1000,"
                 "\"volume\":\"524\"}\n"},
        CalcCase{"ChartTable",
                 {"calc", "chart", "--shape", "6", "--x", "1000", "--h", "1000", "--w", "1000", "--step", "300"},
                 0,
                 "Height (mm)  Percent  Gauge %  Volume (L)\n"
                 "          0     0.00     0.00       0.000\n"
                 "        300     9.00    10.00      45.000\n"
                 "        600    36.00    36.00     180.000\n"
                 "        900    81.00    82.00     405.000\n"
                 "       1000   100.00   100.00     500.000\n"
                 "Largest gauge error: 1.00 points at 100.0 mm (10.0 % of H)\n"},
        CalcCase{"ChartHugeVolumes",
                 {"calc", "chart", "--shape", "6", "--x", "1000", "--h", "1000", "--w", "1e61", "--step", "500"},
                 0,
                 "Height (mm)  Percent  Gauge %  Volume (L)\n"
                 "          0     0.00     0.00       0.000\n"
                 "        500    25.00    26.00     1.25E60\n"
                 "       1000   100.00   100.00        5E60\n"
                 "Largest gauge error: 1.00 points at 100.0 mm (10.0 % of H)\n"},
        CalcCase{"ChartCsvInches",
                 {"calc", "chart", "--shape", "7", "--x", "10", "--h", "10", "--w", "10", "--inch", "--step", "2.5",
                  "--csv"},
                 0,
                 "height,percent,volume,gauge\n0,0.00,0.000,0.00\n2.5,25.00,1.082,25.00\n5,50.00,2.165,50.00\n"
                 "7.5,75.00,3.247,75.00\n10,100.00,4.329,100.00\n"},
        CalcCase{"ChartJsonUnrounded",
                 {"calc", "chart", "--shape", "5", "--half", "--x", "500", "--z", "200", "--h", "1000", "--w", "1000",
                  "--step", "500", "--json"},
                 0,
                 "{\"unit\":\"mm\",\"volumeUnit\":\"litre\",\"volume\":350.0,"
                 "\"maxGaugeError\":{\"percent\":0.7142857142857143,\"height\":500.0},"
                 "\"rows\":[{\"height\":0.0,\"percent\":0.0,\"volume\":0.0,\"gauge\":0.0},"
                 "{\"height\":500.0,\"percent\":39.285714285714285,\"volume\":137.5,\"gauge\":40.0},"
                 "{\"height\":1000.0,\"percent\":100.0,\"volume\":350.0,\"gauge\":100.0}]}\n"},
        CalcCase{"ChartShapeCheck",
                 {"calc", "chart", "--shape", "2", "--x", "1000", "--h", "1000", "--w", "1000", "--y", "100", "--z",
                  "1000", "--json"},
                 2,
                 "{\"error\":\"Z value must be smaller than X value!\"}\n"},
        CalcCase{"ChartTooManyRows",
                 {"calc", "chart", "--shape", "7", "--x", "1000", "--h", "2000", "--w", "1000", "--step", "0.01"},
                 2,
                 ""},
        CalcCase{"ChartReserveInCubicMetres",
                 {"calc", "chart", "--shape", "7", "--x", "1000", "--h", "1000", "--w", "1000", "--step", "500",
                  "--reserve", "--volume-unit", "m3"},
                 0,
                 "Height (mm)  Percent  Gauge %  Volume (m3)\n"
                 "          0     0.00     0.00     0.000000\n"
                 "        500    50.00    44.44     0.500000\n"
                 "       1000   100.00   100.00     1.000000\n"
                 "Largest gauge error: under 0.01 points\n"},
        CalcCase{"ChartBeyondADouble",
                 {"calc", "chart", "--shape", "7", "--x", "1e200", "--h", "1000", "--w", "1e200", "--json"},
                 2,
                 "{\"error\":\"The tank's dimensions lie beyond the range of the calculation: no table can be "
                 "made.\"}\n"},
        CalcCase{"ChartTooManyRowsCountedFirst",
                 {"calc", "chart", "--shape", "7", "--x", "1000", "--h", "2000", "--w", "1000", "--step", "1e-300",
                  "--json"},
                 2,
                 "{\"error\":\"Invalid input for step value! The table would have more than 100001 rows.\"}\n"},
        CalcCase{"TableVolumeBeyondADouble",
                 {"calc", "table", "--csv", "-", "--json"},
                 2,
                 "{\"error\":\"Row 3: the volume 1e400 is too large.\"}\n",
                 "height,volume\n0,0\n500,1e400\n1000,1e401\n"},
        CalcCase{"TableHugeVolumeAndAHeaderWithUnits",
                 {"calc", "table", "--csv", "-"},
                 0,
                 "Level A = 20\nLevel B = 40\nLevel C = 60\nLevel D = 80\nBottom Limit = 1000.00 mm\n"
                 "Bottom Limit (mm) = 1000\nVolume at H = 1E300 litres\nLargest gauge error: under 0.01 points\n",
                 "Height (mm),Volume (L)\n0,0\n500,5e299\n1000,1e300\n"},
        CalcCase{"TableStandardInputLimit",
                 {"calc", "table", "--csv", "-", "--json"},
                 2,
                 "{\"error\":\"The standard input is too large for a measured table.\"}\n",
                 "height,volume\n0,0\n500,40\n1000,90\n" + std::string(16 * 1024 * 1024, '\n')},
        CalcCase{
            "ChartUnknownVolumeUnit",
            {"calc", "chart", "--shape", "7", "--x", "1000", "--h", "1000", "--w", "1000", "--volume-unit", "gallon"},
            2,
            ""}));

// calc chart's CSV, read back by calc table, gives calc shape's levels; a refusal names its row.
TEST(ZeftctlTest, TableReadsTheChartBack) {
    const RunResult chart = RunZeftctl({"calc", "chart", "--shape", "12", "--x", "2000", "--h", "1000", "--csv"});
    ASSERT_EQ(chart.exitCode, 0) << chart.err;
    const RunResult table = RunZeftctl({"calc", "table", "--csv", "-", "--json"}, chart.out);
    ASSERT_EQ(table.exitCode, 0) << table.err;
    const nlohmann::json result = nlohmann::json::parse(table.out);
    EXPECT_EQ(result["levels"], nlohmann::json::array({"14", "37", "63", "86"}));
    EXPECT_EQ(result["bottomLimitMm"], 1000);
    EXPECT_NEAR(result["maxGaugeError"]["percent"].get<double>(), 1.85, 0.01);

    const RunResult refused =
        RunZeftctl({"calc", "table", "--csv", "-", "--json"}, "height;volume\n0;0\n500;40\n1000;39,5\n");
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_EQ(refused.out,
              "{\"error\":\"Row 4: the volume 39.5 is less than the 40 of row 3, which is lower down.\"}\n");
}

// diff of two files: read as Load reads them, compared by value; DATA/ stands for the test
// files' folder, in the arguments and in the output.
TEST(ZeftctlTest, DiffComparesTwoFilesByValue) {
    const std::string data = std::string(ZEFT_CLI_TEST_DATA) + "/";
    struct Case {
        const char* name;
        std::vector<std::string> arguments;
        int exitCode;
        std::string out;
    };
    const Case cases[] = {
        {"numbers and codes by value, shown as written",
         {"diff", "DATA/sender-defaults.zcf", "DATA/defaults-written-otherwise.zcf"},
         0,
         "Left:  DATA/sender-defaults.zcf\n"
         "Right: DATA/defaults-written-otherwise.zcf\n"
         "  Setting       Left                Right\n"
         "  Output Type   0 (Voltage 0 - 5V)  0 (Voltage 0 - 5V)\n"
         "  Fluid Type    0 (Water)           0 (Water)\n"
         "  Top Limit     10                  010                 (same value, sent as typed: 010)\n"
         "  Bottom Limit  2000                +2000               (same value, sent as typed: +2000)\n"
         "  Level A       20                  20\n"
         "  Level B       40                  0x28                (same value, sent as typed: 0x28)\n"
         "  Level C       60                  60\n"
         "  Level D       80                  80\n"
         "The settings are the same.\n"},
        {"differences marked",
         {"diff", "DATA/tank.zcf", "DATA/tank-programmed.zcf"},
         4,
         "Left:  DATA/tank.zcf\n"
         "Right: DATA/tank-programmed.zcf\n"
         "  Setting       Left                     Right\n"
         "  Output Type   4 (Resistive 300 - 10R)  4 (Resistive 300 - 10R)\n"
         "  Fluid Type    2 (Diesel)               2 (Diesel)\n"
         "  Top Limit     10                       10\n"
         "  Bottom Limit  1500                     1500\n"
         "  Level A       14                       14\n"
         "  Level B       37                       37\n"
         "  Level C       63                       63\n"
         "* Level D       86                       90\n"
         "1 of 8 settings differs (marked *).\n"},
        {"unknown codes, empty and missing values",
         {"diff", "DATA/unknown-codes.zcf", "DATA/partial.zcf", "--json"},
         4,
         R"({"equal":false,"rows":[{"setting":"Output Type","left":"3","right":"1","same":false},)"
         R"({"setting":"Fluid Type","left":"9","right":"-1","same":false},)"
         R"({"setting":"Top Limit","left":"","right":"Invalid Data","same":false},)"
         R"({"setting":"Bottom Limit","left":"Invalid Data","right":"Invalid Data","same":true},)"
         R"({"setting":"Level A","left":"Invalid Data","right":"Invalid Data","same":true},)"
         R"({"setting":"Level B","left":"Invalid Data","right":"Invalid Data","same":true},)"
         R"({"setting":"Level C","left":"Invalid Data","right":"Invalid Data","same":true},)"
         R"({"setting":"Level D","left":"Invalid Data","right":"Invalid Data","same":true}]})"
         "\n"},
        {"unknown codes shown as the file holds them",
         {"diff", "DATA/unknown-codes.zcf", "DATA/sender-defaults.zcf"},
         4,
         "Left:  DATA/unknown-codes.zcf\n"
         "Right: DATA/sender-defaults.zcf\n"
         "  Setting       Left              Right\n"
         "* Output Type   3 (no such code)  0 (Voltage 0 - 5V)\n"
         "* Fluid Type    9 (no such code)  0 (Water)\n"
         "* Top Limit                       10\n"
         "* Bottom Limit  Invalid Data      2000\n"
         "* Level A       Invalid Data      20\n"
         "* Level B       Invalid Data      40\n"
         "* Level C       Invalid Data      60\n"
         "* Level D       Invalid Data      80\n"
         "8 of 8 settings differ (marked *).\n"},
        {"a file past the reader's limit is refused, not cut",
         {"diff", "DATA/tank.zcf", "TMP/long.zcf", "--json"},
         2,
         "{\"error\":\"The settings file TMP/long.zcf cannot be read: It is larger than 1 MiB, too large for a "
         "settings file.\"}\n"},
        {"a folder is no settings file",
         {"diff", "DATA/.", "DATA/tank.zcf", "--json"},
         2,
         "{\"error\":\"The settings file DATA/. cannot be read: Not a regular file.\"}\n"},
        {"a missing file is not taken as empty", {"diff", "DATA/tank.zcf", "DATA/no-such.zcf"}, 2, ""},
        {"one file needs the sender", {"diff", "DATA/tank.zcf"}, 2, ""},
    };
    // TMP/ stands for a folder of the test's own: a file of settings and then more than 1 MiB of
    // comment lines, the Level D at its end.
    const zeft::testing::TempFolder folder;
    const std::string tmp = folder.Path().string() + "/";
    std::string comments;
    while (comments.size() <= 1024 * 1024) {
        comments += "; a comment line of the kind a long file may hold\r\n";
    }
    folder.Write("long.zcf", "[Sensor Parameters]\r\nOutput Type = 4\r\nFluid Type = 2\r\nTop Limit = 10\r\n"
                             "Bottom Limit = 1500\r\n[Tank Linearization Parameters]\r\nLevel A = 14\r\n"
                             "Level B = 37\r\nLevel C = 63\r\n" +
                                 comments + "Level D = 86\r\n");
    for (const Case& c : cases) {
        std::vector<std::string> arguments;
        for (const std::string& word : c.arguments) {
            arguments.push_back(word.rfind("DATA/", 0) == 0  ? data + word.substr(5)
                                : word.rfind("TMP/", 0) == 0 ? tmp + word.substr(4)
                                                             : word);
        }
        const RunResult r = RunZeftctl(arguments);
        std::string out = r.out;
        for (const auto& [path, shown] : {std::pair{data, "DATA/"}, std::pair{tmp, "TMP/"}}) {
            for (std::size_t at = out.find(path); at != std::string::npos; at = out.find(path, at)) {
                out.replace(at, path.size(), shown);
            }
        }
        EXPECT_EQ(r.exitCode, c.exitCode) << c.name << "\n" << r.err;
        EXPECT_EQ(out, c.out) << c.name;
    }
}

} // namespace
} // namespace zeft::cli::testing
