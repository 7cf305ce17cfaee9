#include "serial/settings/PortSettingsStore.h"
#include "serial/settings/SettingsFileMedium.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace zeft {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

const std::string kKey = "Software\\KOV\\ZEFT";
const std::string kSection = "CommSetting";

// A serial component as the store sees it: values, and a log of the calls with effects.
class FakeTarget : public PortSettingsTarget {
public:
    PortSettings Current() const override { return values; }
    void SetActive(bool active) override {
        log.push_back(active ? "open" : "close");
        if (values.Active && !active) {
            values.RTSState = values.DTRState = false; // as the component's close leaves them
        }
        values.Active = active;
    }
    void SetCommPort(const std::string& name) override {
        log.push_back("port " + name);
        values.CommPort = name;
    }
    void StoreDirectly(const PortSettings& s) override {
        log.push_back("store");
        const bool active = values.Active;
        values = s;
        values.Active = active;
    }
    void Report(std::uint32_t place, std::uint32_t code, std::uint8_t noise, const std::string& msg) override {
        reports.push_back(std::to_string(place) + "/" + std::to_string(code) + "/" + std::to_string(noise) + " " + msg);
    }

    PortSettings values;
    std::vector<std::string> log;
    std::vector<std::string> reports;
};

class PortSettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("zeft-store-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        file_ = dir_ / "zeft" / "settings.ini";
    }
    void TearDown() override { fs::remove_all(dir_); }

    PortSettingsStore Store() const {
        return PortSettingsStore([file = file_] { return std::make_unique<SettingsFileMedium>(file); });
    }
    void WriteFile(const std::string& contents) const {
        fs::create_directories(file_.parent_path());
        std::ofstream(file_, std::ios::binary) << contents;
    }
    std::string ReadFile() const {
        std::ifstream in(file_, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
    // A file holding the given value lines in the program's section.
    void WriteValues(const std::string& lines) const { WriteFile("[Software\\KOV\\ZEFT\\CommSetting]\n" + lines); }

    fs::path dir_;
    fs::path file_;
};

PortSettings Unusual() {
    PortSettings s;
    s.CommPort = "/dev/ttyUSB0 \"q\" \\ \xC3\xA9";
    s.BaudRate = 4294967295u;
    s.ParityType = 4;
    s.ParityErrorChar = '\0';
    s.ParityErrorReplacement = true;
    s.StopBits = 2;
    s.DataBits = 7;
    s.XONChar = '\n';
    s.XOFFChar = '"';
    s.XONLimDiv = 255;
    s.XOFFLimDiv = 0;
    s.FlowControl = -8196;
    s.StripNullChars = true;
    s.EventChar = '\x7F';
    s.RTOCharDelayTime = 4000000000u;
    s.RTOExtraDelayTime = 65535;
    s.ClusterSize = 1;
    s.RxQueueSize = 0;
    s.TxQueueSize = 12345;
    s.WTOCharDelayTime = 0;
    s.WTOExtraDelayTime = 1;
    s.XTOAuto = false;
    s.RTSState = false;
    s.DTRState = false;
    s.BREAKState = true;
    s.ErrorNoise = 0;
    return s;
}

TEST_F(PortSettingsStoreTest, FirstRunGivesTheDefaultsAndClosesThePort) {
    FakeTarget port;
    port.values = Unusual();
    port.values.Active = true;
    Store().ReadSettings(port, kKey, kSection);
    PortSettings expected;
    EXPECT_EQ(port.values, expected);
    EXPECT_EQ(port.values.CommPort, "COM2");
    EXPECT_EQ(port.values.RTOCharDelayTime, 1100u);
    EXPECT_EQ(port.values.ErrorNoise, 2);
    EXPECT_EQ(port.log, (std::vector<std::string>{"close", "store", "close"}));
    EXPECT_EQ(port.reports, (std::vector<std::string>{"401/0/2 Settings readed"}));
    EXPECT_FALSE(fs::exists(file_)) << "reading writes nothing";
}

TEST_F(PortSettingsStoreTest, WritingThenReadingGivesEveryValueBack) {
    for (const PortSettings& written : {Unusual(), PortSettings{}}) {
        FakeTarget source;
        source.values = written;
        Store().WriteSettings(source, kKey, kSection);
        EXPECT_EQ(source.reports, (std::vector<std::string>{"501/0/2 Settings saved"}));
        EXPECT_TRUE(source.log.empty()) << "writing changes nothing in the component";

        FakeTarget reader;
        Store().ReadSettings(reader, kKey, kSection);
        EXPECT_EQ(reader.values, written);
        EXPECT_EQ(reader.reports, (std::vector<std::string>{"401/0/2 Settings readed"}));
    }
    // Control characters and NUL stay text in the file.
    const std::string contents = ReadFile();
    for (const char c : contents) {
        const auto byte = static_cast<unsigned char>(c);
        EXPECT_TRUE(byte >= 0x20 || c == '\n') << "raw byte " << int(byte);
    }
    EXPECT_FALSE(fs::exists(file_.string() + ".tmp"));
}

TEST_F(PortSettingsStoreTest, ValuesAreWrittenInTheirOrderWithTheirEncodings) {
    FakeTarget source;
    Store().WriteSettings(source, kKey, kSection);
    const std::string expected = "[Software\\KOV\\ZEFT\\CommSetting]\n"
                                 "CommPort=\"COM2\"\nBaudRate=\"9600\"\nParityType=\"0\"\nParityErrorChar=\"\\x00\"\n"
                                 "ParityErrorReplacement=\"0\"\nStopBits=\"0\"\nDataBits=\"8\"\nXONChar=\"\\x11\"\n"
                                 "XOFFChar=\"\\x13\"\nXONLimDiv=\"33\"\nXOFFLimDiv=\"33\"\nFlowControl=\"0\"\n"
                                 "StripNullChars=\"0\"\nEventChar=\"\\x00\"\nRTOCharDelayTime=\"1100\"\n"
                                 "RTOExtraDelayTime=\"250\"\nClusterSize=\"3072\"\nRxQueueSize=\"4096\"\n"
                                 "TxQueueSize=\"4096\"\nWTOCharDelayTime=\"1100\"\nWTOExtraDelayTime=\"250\"\n"
                                 "XTOAuto=\"1\"\nRTSState=\"1\"\nDTRState=\"1\"\nBREAKState=\"0\"\nErrorNoise=\"2\"\n"
                                 "Active=\"0\"\n";
    EXPECT_NE(ReadFile().find(expected), std::string::npos) << ReadFile();
}

TEST_F(PortSettingsStoreTest, ReadingBadTexts) {
    struct Case {
        const char* line;
        void (*check)(const PortSettings&);
    };
    const Case cases[] = {
        {"BaudRate=\"abc\"", [](const PortSettings& s) { EXPECT_EQ(s.BaudRate, 9600u); }},
        {"BaudRate=\"19200 \"", [](const PortSettings& s) { EXPECT_EQ(s.BaudRate, 9600u); }},
        {"BaudRate=\"\"", [](const PortSettings& s) { EXPECT_EQ(s.BaudRate, 9600u); }},
        {"BaudRate=\"99999999999\"", [](const PortSettings& s) { EXPECT_EQ(s.BaudRate, 9600u); }},
        {"XONLimDiv=\"300\"", [](const PortSettings& s) { EXPECT_EQ(s.XONLimDiv, 44); }},
        {"RTOExtraDelayTime=\"70000\"", [](const PortSettings& s) { EXPECT_EQ(s.RTOExtraDelayTime, 4464); }},
        {"FlowControl=\"-1\"", [](const PortSettings& s) { EXPECT_EQ(s.FlowControl, -1); }},
        {"XTOAuto=\"0\"", [](const PortSettings& s) { EXPECT_FALSE(s.XTOAuto); }},
        {"BREAKState=\"-7\"", [](const PortSettings& s) { EXPECT_TRUE(s.BREAKState); }},
        {"BREAKState=\"yes\"", [](const PortSettings& s) { EXPECT_FALSE(s.BREAKState); }},
        {"XONChar=\"\"", [](const PortSettings& s) { EXPECT_EQ(s.XONChar, '\0'); }},
        {"XONChar=\"AB\"", [](const PortSettings& s) { EXPECT_EQ(s.XONChar, 'A'); }},
        {"commport=\"ttyS1\"", [](const PortSettings& s) { EXPECT_EQ(s.CommPort, "ttyS1"); }},
    };
    for (const Case& c : cases) {
        WriteValues(std::string(c.line) + "\n");
        FakeTarget port;
        Store().ReadSettings(port, kKey, kSection);
        SCOPED_TRACE(c.line);
        c.check(port.values);
        EXPECT_EQ(port.reports, (std::vector<std::string>{"401/0/2 Settings readed"}));
    }
    WriteValues("CommPort=\"" + std::string(300, 'x') + "\"\n");
    FakeTarget port;
    Store().ReadSettings(port, kKey, kSection);
    EXPECT_EQ(port.values.CommPort, std::string(300, 'x')); // whole: the open refuses it, never opens a cut name
}

TEST_F(PortSettingsStoreTest, ActiveIsReadFirstAndAppliedLast) {
    WriteValues("CommPort=\"ttyUSB3\"\nActive=\"1\"\n");
    FakeTarget closed;
    Store().ReadSettings(closed, kKey, kSection);
    EXPECT_EQ(closed.log, (std::vector<std::string>{"port ttyUSB3", "store", "open"}));
    EXPECT_TRUE(closed.values.Active);

    WriteValues("CommPort=\"ttyUSB3\"\nActive=\"0\"\n");
    FakeTarget open;
    open.values.Active = true;
    Store().ReadSettings(open, kKey, kSection);
    EXPECT_EQ(open.log, (std::vector<std::string>{"close", "store", "close"}));
    EXPECT_EQ(open.values.CommPort, "ttyUSB3");
}

TEST_F(PortSettingsStoreTest, AValueThatIsNoTextStopsTheReading) {
    // ClusterSize stands as a bare number, like a registry value of another type.
    WriteValues("BaudRate=\"19200\"\nClusterSize=1234\nRxQueueSize=\"100\"\nActive=\"1\"\n");
    FakeTarget port;
    port.values.RxQueueSize = 777;
    Store().ReadSettings(port, kKey, kSection);
    EXPECT_EQ(port.values.BaudRate, 19200u) << "loaded before the failure";
    EXPECT_EQ(port.values.RTOExtraDelayTime, 250) << "loaded before the failure";
    EXPECT_EQ(port.values.ClusterSize, 3072) << "kept";
    EXPECT_EQ(port.values.RxQueueSize, 777) << "after the failure: kept";
    EXPECT_FALSE(port.values.Active) << "Active is not applied";
    EXPECT_EQ(port.reports, (std::vector<std::string>{"402/0/0 Error reading Settings"}));
}

// Stored "0" with the port open: the port is closed before CommPort is read, and a reading
// that then fails keeps the line states the close left.
TEST_F(PortSettingsStoreTest, FailedReadingAfterTheCloseKeepsWhatTheCloseLeft) {
    const struct {
        const char* name;
        std::string lines;
        std::vector<std::string> log;
    } cases[] = {
        {"CommPort is no text", "CommPort=1234\nActive=\"0\"\n", {"close"}},
        {"a later value is no text", "CommPort=\"ttyUSB3\"\nClusterSize=1234\nActive=\"0\"\n", {"close", "store"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteValues(c.lines);
        FakeTarget port;
        port.values.Active = true;
        Store().ReadSettings(port, kKey, kSection);
        EXPECT_EQ(port.log, c.log);
        EXPECT_FALSE(port.values.Active);
        EXPECT_FALSE(port.values.RTSState);
        EXPECT_FALSE(port.values.DTRState);
        EXPECT_EQ(port.reports, (std::vector<std::string>{"402/0/0 Error reading Settings"}));
    }
}

TEST_F(PortSettingsStoreTest, ACorruptFileIsAReadFailureAndIsPutAsideByTheNextWrite) {
    const std::string cases[] = {
        "garbage without a section\n",
        "[Software\\KOV\\ZEFT\\CommSetting]\nno equals sign\n",
        "[Software\\KOV\\ZEFT\\CommSetting\nBaudRate=\"1\"\n",
        "[Software\\KOV\\ZEFT\\CommSetting]\nBaudRate=\"1\0\"\n"s,
        std::string(2u << 20, 'x'), // too large to be ours
    };
    for (const std::string& contents : cases) {
        WriteFile(contents);
        FakeTarget port;
        port.values.BaudRate = 1234;
        Store().ReadSettings(port, kKey, kSection);
        EXPECT_EQ(port.values.BaudRate, 1234u);
        EXPECT_TRUE(port.log.empty());
        EXPECT_EQ(port.reports, (std::vector<std::string>{"402/0/0 Error reading Settings"}));

        FakeTarget writer;
        writer.values.BaudRate = 4800;
        Store().WriteSettings(writer, kKey, kSection);
        EXPECT_EQ(writer.reports, (std::vector<std::string>{"501/0/2 Settings saved"}));
        std::ifstream aside(file_.string() + ".bad", std::ios::binary);
        EXPECT_TRUE(std::string(std::istreambuf_iterator<char>(aside), {}) == contents) << "kept aside";
        FakeTarget reader;
        Store().ReadSettings(reader, kKey, kSection);
        EXPECT_EQ(reader.values.BaudRate, 4800u);
    }
    // A folder where the file should be.
    fs::remove_all(file_);
    fs::create_directories(file_);
    FakeTarget blocked;
    Store().ReadSettings(blocked, kKey, kSection);
    EXPECT_EQ(blocked.reports, (std::vector<std::string>{"402/0/0 Error reading Settings"}));
}

TEST_F(PortSettingsStoreTest, WritingKeepsOtherSectionsAndReportsAFolderThatCannotBeMade) {
    WriteFile("[Software\\KOV\\ZEFT\\Other]\nName=\"kept\"\nOdd=42\n");
    FakeTarget port;
    Store().WriteSettings(port, kKey, kSection);
    EXPECT_EQ(port.reports, (std::vector<std::string>{"501/0/2 Settings saved"}));
    const std::string contents = ReadFile();
    EXPECT_NE(contents.find("Name=\"kept\"\nOdd=42\n"), std::string::npos) << contents;

    // The folder of the file is a plain file.
    fs::remove_all(file_.parent_path());
    WriteFile("");
    fs::remove_all(file_.parent_path());
    std::ofstream(file_.parent_path()) << "not a folder";
    FakeTarget blocked;
    Store().WriteSettings(blocked, kKey, kSection);
    EXPECT_EQ(blocked.reports, (std::vector<std::string>{"502/0/0 Error saving Settings"}));
}

TEST(SettingsFileQuotingTest, EveryByteRoundTrips) {
    std::string all;
    for (int i = 0; i < 256; ++i) {
        all += static_cast<char>(i);
    }
    const std::string quoted = SettingsFileMedium::Quote(all);
    EXPECT_EQ(quoted.find('\n'), std::string::npos);
    EXPECT_EQ(quoted.find('\0'), std::string::npos);
    EXPECT_EQ(SettingsFileMedium::Unquote(quoted), all);
    for (const char* bad : {"", "\"", "abc", "\"abc", "\"a\"b\"", "\"\\\"", "\"\\x4\"", "\"\\q\"", "\"\\xZZ\""}) {
        EXPECT_FALSE(SettingsFileMedium::Unquote(bad).has_value()) << bad;
    }
}

#ifndef _WIN32
TEST(UserSettingsFilePathTest, FollowsXdgConfigHome) {
    const char* savedConfig = std::getenv("XDG_CONFIG_HOME");
    const char* savedHome = std::getenv("HOME");
    const std::string config = savedConfig ? savedConfig : "";
    const std::string home = savedHome ? savedHome : "";
    ::setenv("XDG_CONFIG_HOME", "/tmp/cfg", 1);
    EXPECT_EQ(UserSettingsFilePath(), fs::path("/tmp/cfg/zeft/settings.ini"));
    ::setenv("XDG_CONFIG_HOME", "relative", 1);
    ::setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(UserSettingsFilePath(), fs::path("/home/someone/.config/zeft/settings.ini"));
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(UserSettingsFilePath(), fs::path("/home/someone/.config/zeft/settings.ini"));
    savedConfig ? ::setenv("XDG_CONFIG_HOME", config.c_str(), 1) : ::unsetenv("XDG_CONFIG_HOME");
    savedHome ? ::setenv("HOME", home.c_str(), 1) : ::unsetenv("HOME");
}
#endif

} // namespace
} // namespace zeft
