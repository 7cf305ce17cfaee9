#include "serial/CommPortList.h"
#include "serial/SerialDeviceFactory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace zeft {
namespace {

namespace fs = std::filesystem;

class SysfsScanTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / "zeft-sysfs-scan";
        fs::remove_all(root_);
        fs::create_directories(root_ / "class");
        fs::create_directories(root_ / "dev");
    }
    void TearDown() override { fs::remove_all(root_); }

    // One tty of the class folder: with or without a device behind it, the 8250 "type"
    // attribute when given, and its /dev node when present.
    void Tty(const std::string& name, bool device, const char* type, bool node) {
        fs::create_directories(root_ / "class" / name);
        if (device) {
            fs::create_directories(root_ / "class" / name / "device");
        }
        if (type != nullptr) {
            std::ofstream(root_ / "class" / name / "type") << type << "\n";
        }
        if (node) {
            std::ofstream(root_ / "dev" / name) << "";
        }
    }
    std::string Dev(const std::string& name) const { return (root_ / "dev" / name).string(); }

    fs::path root_;
};

TEST_F(SysfsScanTest, ListsSerialDevicesThatArePresentOnce) {
    Tty("ttyS0", true, "4", true);     // a 16550A
    Tty("ttyS1", true, "0", true);     // no UART behind the driver's slot
    Tty("ttyS2", true, nullptr, true); // no type: not a serial core port we can trust
    Tty("ttyS3", false, "4", true);
    Tty("ttyUSB0", true, nullptr, true);
    Tty("ttyACM0", true, nullptr, false); // unplugged meanwhile: no node
    Tty("ttyACM1", true, nullptr, true);
    Tty("rfcomm0", false, nullptr, true);
    Tty("ttyAMA0", true, nullptr, true);
    Tty("tty0", false, nullptr, true); // a virtual console
    Tty("console", false, nullptr, true);
    Tty("ptmx", false, nullptr, true);

    std::vector<std::string> ports = {Dev("TTYUSB0"), "COM7"};
    ScanSysfsTtys(ports, root_ / "class", root_ / "dev");
    EXPECT_EQ(ports, (std::vector<std::string>{Dev("TTYUSB0"), "COM7", Dev("rfcomm0"), Dev("ttyACM1"), Dev("ttyAMA0"),
                                               Dev("ttyS0")}));
}

TEST_F(SysfsScanTest, AMissingClassFolderAddsNothing) {
    std::vector<std::string> ports = {"kept"};
    ScanSysfsTtys(ports, root_ / "nothing", root_ / "dev");
    EXPECT_EQ(ports, std::vector<std::string>{"kept"});
}

TEST(EnumCommPortsTest, AddsRegisteredPortsOnceAndKeepsWhatWasThere) {
    const std::string name = "Test Sender For The Port List";
    SerialDeviceFactory::Register(name, [] { return std::unique_ptr<SerialDevice>(); });
    std::vector<std::string> ports = {"first"};
    EnumCommPorts(ports);
    EnumCommPorts(ports);
    EXPECT_EQ(ports.front(), "first");
    EXPECT_EQ(std::count(ports.begin(), ports.end(), name), 1);

    std::vector<std::string> upper = {"TEST SENDER FOR THE PORT LIST"};
    EnumCommPorts(upper);
    EXPECT_EQ(std::count(upper.begin(), upper.end(), name), 0) << "same name in other letter case";
    SerialDeviceFactory::Unregister(name);
}

TEST(AddPortNameTest, IgnoresEmptyNamesAndCaseDuplicates) {
    std::vector<std::string> ports;
    for (const char* name : {"COM1", "com1", "", "COM3", "COM2", "Com3"}) {
        AddPortName(ports, name);
    }
    EXPECT_EQ(ports, (std::vector<std::string>{"COM1", "COM3", "COM2"}));
}

} // namespace
} // namespace zeft
