#include "serial/SerialLinkSettingsTarget.h"

#include "serial/HandOverQueue.h"
#include "serial/SerialLink.h"
#include "serial/settings/SettingsFileMedium.h"
#include "serial/virtual/VirtualSerialDevice.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace zeft {
namespace {

namespace fs = std::filesystem;

class SerialLinkSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        file_ = fs::temp_directory_path() /
                ("zeft-link-store-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove(file_);
        RegisterVirtualSenderPort();
    }
    void TearDown() override { fs::remove(file_); }

    PortSettingsStore Store() const {
        return PortSettingsStore([file = file_] { return std::make_unique<SettingsFileMedium>(file); });
    }

    fs::path file_;
    HandOverQueue queue_;
};

TEST_F(SerialLinkSettingsTest, EveryValueTheComponentTakesComesBack) {
    TSerialLink source(queue_);
    source.SetXTOAuto(false);
    source.SetCommPort("/dev/ttyUSB7");
    source.SetBaudRate(19200);
    source.SetParityType(2);
    source.SetParityErrorChar('\0');
    source.SetParityErrorReplacement(true);
    source.SetStopBits(2);
    source.SetDataBits(7);
    source.SetXONChar('\x01');
    source.SetXOFFChar('\0');
    source.SetXONLimDiv(80);
    source.SetXOFFLimDiv(5);
    source.SetFlowControl(8196);
    source.SetStripNullChars(true);
    source.SetEventChar('\r');
    source.SetRTOCharDelayTime(1234);
    source.SetRTOExtraDelayTime(99);
    source.SetClusterSize(17);
    source.SetWTOCharDelayTime(4321);
    source.SetWTOExtraDelayTime(77);
    source.SetErrorNoise(200);
    std::vector<std::uint32_t> reports;
    source.OnProcessError = [&](TSerialLink&, std::uint32_t place, std::uint32_t, const std::string&, std::uint8_t) {
        reports.push_back(place);
    };
    WriteSettings(source, "Software\\KOV\\ZEFT", "CommSetting", Store());
    EXPECT_EQ(reports, std::vector<std::uint32_t>{501});

    TSerialLink target(queue_);
    target.OnProcessError = [&](TSerialLink&, std::uint32_t place, std::uint32_t, const std::string&, std::uint8_t) {
        reports.push_back(place);
    };
    ReadSettings(target, "Software\\KOV\\ZEFT", "CommSetting", Store());
    EXPECT_EQ(reports.back(), 401u);
    const PortSettings expected = SerialLinkSettingsTarget(source).Current();
    const PortSettings loaded = SerialLinkSettingsTarget(target).Current();
    EXPECT_EQ(loaded, expected);
}

TEST_F(SerialLinkSettingsTest, StoredActiveOpensThePortAtTheEndOfReading) {
    std::ofstream(file_) << "[Software\\KOV\\ZEFT\\CommSetting]\nCommPort=\"" << kVirtualSenderPortName
                         << "\"\nRTSState=\"0\"\nActive=\"1\"\n";
    TSerialLink link(queue_);
    ReadSettings(link, "Software\\KOV\\ZEFT", "CommSetting", Store());
    EXPECT_TRUE(link.Active());
    EXPECT_EQ(link.CommPort(), kVirtualSenderPortName);
    EXPECT_TRUE(link.RTSState()) << "every open raises RTS, whatever was stored";
    link.SetActive(false);
    EXPECT_TRUE(queue_.DrainUntil([&] { return !link.WorkerRunning(); },
                                  HandOverQueue::Clock::now() + std::chrono::seconds(5)));

    // Stored "0" with the port open: closed before anything else is read.
    std::ofstream(file_) << "[Software\\KOV\\ZEFT\\CommSetting]\nCommPort=\"" << kVirtualSenderPortName
                         << "\"\nActive=\"0\"\n";
    link.SetActive(true);
    ASSERT_TRUE(link.Active());
    ReadSettings(link, "Software\\KOV\\ZEFT", "CommSetting", Store());
    EXPECT_FALSE(link.Active());
}

TEST_F(SerialLinkSettingsTest, ReadingStoresValuesWithoutTheSettersSideEffects) {
    std::ofstream(file_) << "[Software\\KOV\\ZEFT\\CommSetting]\nCommPort=\"/dev/ttyUSB3\"\nBaudRate=\"19200\"\n"
                            "XONLimDiv=\"150\"\nRTOCharDelayTime=\"777\"\nWTOCharDelayTime=\"888\"\n"
                            "RxQueueSize=\"1000\"\nXTOAuto=\"1\"\nRTSState=\"0\"\nDTRState=\"0\"\nActive=\"0\"\n";
    TSerialLink link(queue_);
    std::vector<std::uint32_t> reports;
    link.OnProcessError = [&](TSerialLink&, std::uint32_t place, std::uint32_t, const std::string&, std::uint8_t) {
        reports.push_back(place);
    };
    ReadSettings(link, "Software\\KOV\\ZEFT", "CommSetting", Store());

    EXPECT_EQ(reports, std::vector<std::uint32_t>{401}) << "no setter warnings on the way";
    EXPECT_EQ(link.CommPort(), "/dev/ttyUSB3");
    EXPECT_EQ(link.BaudRate(), 19200u);
    EXPECT_EQ(link.XONLimDiv(), 150) << "not limited to 100";
    EXPECT_EQ(link.RTOCharDelayTime(), 777u) << "XTOAuto recomputes nothing on reading";
    EXPECT_EQ(link.WTOCharDelayTime(), 888u);
    EXPECT_EQ(link.RxQueueSize(), 1000);
    EXPECT_TRUE(link.XTOAuto());
    EXPECT_FALSE(link.RTSState()) << "stored while closed, the line not driven";
    EXPECT_FALSE(link.DTRState());
    EXPECT_FALSE(link.Active());
}

} // namespace
} // namespace zeft
