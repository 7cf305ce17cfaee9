#include "serial/CommPortList.h"
#include "serial/PortDescription.h"
#include "serial/RememberedAdapter.h"
#include "serial/device/SerialDeviceFactory.h"
#include "serial/settings/SettingsFileMedium.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zeft {
namespace {

namespace fs = std::filesystem;

class SysfsScanTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A folder of each test's own: ctest runs the tests side by side.
        root_ = folder_.Path();
        fs::create_directories(root_ / "class");
        fs::create_directories(root_ / "dev");
    }

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

    // A USB adapter laid out as the kernel shows one: the USB device with its attributes,
    // the interface, the tty's device (the usb-serial port, or the interface for ACM), the
    // class entry's device link, the node, and the udev by-id link when given.
    struct Usb {
        const char* tty;
        const char* socket; // "1-2"
        const char* vendor;
        const char* product;
        const char* maker; // null: not reported
        const char* model;
        const char* serial;
        const char* byId; // null: no link
    };
    void Adapter(const Usb& usb) {
        const fs::path device = root_ / "devices" / usb.socket;
        const fs::path interface = device / (std::string(usb.socket) + ":1.0");
        const bool acm = std::string(usb.tty).rfind("ttyACM", 0) == 0;
        fs::create_directories(acm ? interface : interface / usb.tty);
        const std::pair<const char*, const char*> attributes[] = {{"idVendor", usb.vendor},
                                                                  {"idProduct", usb.product},
                                                                  {"manufacturer", usb.maker},
                                                                  {"product", usb.model},
                                                                  {"serial", usb.serial}};
        for (const auto& [file, text] : attributes) {
            if (text != nullptr) {
                std::ofstream(device / file) << text << "\n";
            }
        }
        std::ofstream(interface / "bInterfaceNumber") << "00\n";
        fs::create_directories(root_ / "class" / usb.tty);
        fs::create_directory_symlink(acm ? interface : interface / usb.tty, root_ / "class" / usb.tty / "device");
        std::ofstream(root_ / "dev" / usb.tty) << "";
        if (usb.byId != nullptr) {
            fs::create_directories(root_ / "dev" / "serial" / "by-id");
            fs::create_symlink(fs::path("../..") / usb.tty, root_ / "dev" / "serial" / "by-id" / usb.byId);
        }
    }
    DeviceTree Tree() const { return {root_ / "class", root_ / "dev"}; }

    testing::TempFolder folder_;
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

TEST_F(SysfsScanTest, DescribesWhatEachPortIs) {
    Adapter({"ttyUSB0", "1-2", "0403", "6001", "FTDI", "FT232R USB UART", "A50285BI", "usb-FTDI_FT232R-if00-port0"});
    Adapter({"ttyUSB1", "1-3", "1a86", "7523", nullptr, "USB Serial", nullptr, nullptr});
    Adapter({"ttyACM0", "1-4", "2341", "0043", "Arduino", "Arduino Uno", "8573", nullptr});
    Adapter({"ttyUSB2", "1-5", "067b", "2303", "Prolific", "Prolific USB-Serial", " ", nullptr});
    Tty("ttyS0", true, "4", true);
    Tty("ttyS1", true, "99", true);
    Tty("rfcomm0", false, nullptr, true);

    struct Case {
        std::string name;
        std::optional<std::string> description, vendor, product, serial, stablePath;
        std::string identity;
    };
    const std::string byId = Dev("serial/by-id/usb-FTDI_FT232R-if00-port0");
    const Case cases[] = {
        {Dev("ttyUSB0"), "FTDI FT232R USB UART", "0403", "6001", "A50285BI", byId, "usb:0403:6001:A50285BI:00"},
        {Dev("ttyUSB1"), "USB Serial", "1a86", "7523", std::nullopt, std::nullopt, "usb-port:1a86:7523:1-3:00"},
        {Dev("ttyACM0"), "Arduino Uno", "2341", "0043", "8573", std::nullopt, "usb:2341:0043:8573:00"},
        // A blank serial number is none; a model that names its maker is not doubled.
        {Dev("ttyUSB2"), "Prolific USB-Serial", "067b", "2303", std::nullopt, std::nullopt,
         "usb-port:067b:2303:1-5:00"},
        {Dev("ttyS0"), "Built-in serial port, 16550A UART", std::nullopt, std::nullopt, std::nullopt, std::nullopt, ""},
        {Dev("ttyS1"), "Built-in serial port, UART", std::nullopt, std::nullopt, std::nullopt, std::nullopt, ""},
        {Dev("rfcomm0"), "Bluetooth serial port (RFCOMM)", std::nullopt, std::nullopt, std::nullopt, std::nullopt, ""},
        {Dev("ttyUSB9"), std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, ""},
        {"COM1", std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, ""},
        {"ZEFT Virtual Sender (noise)", "Sender simulated by this program, no hardware", std::nullopt, std::nullopt,
         std::nullopt, std::nullopt, ""},
    };
    for (const Case& c : cases) {
        const PortDescription port = DescribePort(c.name, Tree());
        EXPECT_EQ(port.description, c.description) << c.name;
        EXPECT_EQ(port.vendorId, c.vendor) << c.name;
        EXPECT_EQ(port.productId, c.product) << c.name;
        EXPECT_EQ(port.serial, c.serial) << c.name;
        EXPECT_EQ(port.stablePath, c.stablePath) << c.name;
        EXPECT_EQ(port.Identity(), c.identity) << c.name;
    }
}

TEST_F(SysfsScanTest, ARememberedAdapterIsFoundUnderItsNewName) {
    // The FTDI adapter once was ttyUSB0; now it is ttyUSB1, and ttyUSB0 is another one.
    Adapter({"ttyUSB0", "1-2", "1a86", "7523", nullptr, "USB Serial", "OTHER", nullptr});
    Adapter({"ttyUSB1", "1-3", "0403", "6001", "FTDI", "FT232R USB UART", "A50285BI", "usb-FTDI_A50285BI-if00-port0"});
    Adapter({"ttyUSB2", "1-4", "2341", "0043", "Arduino", "Uno", "TWIN", nullptr});
    Adapter({"ttyUSB3", "1-5", "2341", "0043", "Arduino", "Uno", "TWIN", nullptr});
    Tty("ttyS0", true, "4", true);
    std::vector<PortDescription> present;
    for (const char* tty : {"ttyUSB0", "ttyUSB1", "ttyUSB2", "ttyUSB3", "ttyS0"}) {
        present.push_back(DescribePort(Dev(tty), Tree()));
    }
    const std::string ftdi = "by-id:usb-FTDI_A50285BI-if00-port0";
    struct Case {
        const char* why;
        std::string stored, identity, chosen;
    };
    const Case cases[] = {
        {"stored name now another adapter", Dev("ttyUSB0"), ftdi, Dev("ttyUSB1")},
        {"stored name gone", Dev("ttyUSB7"), ftdi, Dev("ttyUSB1")},
        {"stored name is a built-in port", Dev("ttyS0"), ftdi, Dev("ttyUSB1")},
        {"still where it was", Dev("ttyUSB1"), ftdi, Dev("ttyUSB1")},
        {"nothing remembered", Dev("ttyUSB0"), "", Dev("ttyUSB0")},
        {"remembered adapter absent", Dev("ttyUSB0"), "by-id:usb-gone", Dev("ttyUSB0")},
        {"two alike adapters: no guess", Dev("ttyUSB7"), "usb:2341:0043:TWIN:00", Dev("ttyUSB7")},
        {"one of two alike, still there", Dev("ttyUSB3"), "usb:2341:0043:TWIN:00", Dev("ttyUSB3")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FindRememberedPort(c.stored, c.identity, present), c.chosen) << c.why;
    }
}

// Two alike cables without a serial number share one by-id link, which points at whichever
// udev handled last: only the USB socket tells them apart, and a guess is never made.
TEST_F(SysfsScanTest, AlikeAdaptersWithoutASerialNumberAreToldApartBySocket) {
    const char* const kLink = "usb-1a86_USB_Serial-if00-port0";
    const fs::path link = root_ / "dev" / "serial" / "by-id" / kLink;
    auto scene = [&](std::vector<std::pair<const char*, const char*>> ttyAndSocket, const char* linked) {
        fs::remove_all(root_ / "class");
        fs::remove_all(root_ / "dev");
        fs::remove_all(root_ / "devices");
        fs::create_directories(root_ / "dev");
        std::vector<PortDescription> present;
        for (const auto& [tty, socket] : ttyAndSocket) {
            Adapter({tty, socket, "1a86", "7523", nullptr, "USB Serial", nullptr, nullptr});
        }
        fs::create_directories(link.parent_path());
        fs::create_symlink(fs::path("../..") / linked, link);
        for (const auto& [tty, socket] : ttyAndSocket) {
            present.push_back(DescribePort(Dev(tty), Tree()));
        }
        return present;
    };
    const std::string socket12 = "usb-port:1a86:7523:1-2:00";
    const std::string oldForm = std::string("by-id:") + kLink;
    struct Case {
        const char* why;
        std::vector<std::pair<const char*, const char*>> adapters;
        const char* linked;
        std::string stored, identity, chosen;
    };
    const Case cases[] = {
        {"link moved to the other cable",
         {{"ttyUSB0", "1-2"}, {"ttyUSB1", "1-3"}},
         "ttyUSB1",
         "ttyUSB0",
         socket12,
         "ttyUSB0"},
        {"renumbered in its socket",
         {{"ttyUSB2", "1-2"}, {"ttyUSB1", "1-3"}},
         "ttyUSB1",
         "ttyUSB0",
         socket12,
         "ttyUSB2"},
        {"chosen cable unplugged", {{"ttyUSB1", "1-3"}}, "ttyUSB1", "ttyUSB0", socket12, "ttyUSB0"},
        {"shared link of older settings",
         {{"ttyUSB0", "1-2"}, {"ttyUSB1", "1-3"}},
         "ttyUSB1",
         "ttyUSB0",
         oldForm,
         "ttyUSB0"},
        {"shared link, one cable left", {{"ttyUSB1", "1-3"}}, "ttyUSB1", "ttyUSB0", oldForm, "ttyUSB0"},
    };
    for (const Case& c : cases) {
        const std::vector<PortDescription> present = scene(c.adapters, c.linked);
        EXPECT_EQ(FindRememberedPort(Dev(c.stored), c.identity, present), Dev(c.chosen)) << c.why;
    }
    const std::vector<PortDescription> present = scene({{"ttyUSB0", "1-2"}, {"ttyUSB1", "1-3"}}, "ttyUSB0");
    EXPECT_EQ(present[0].Details(), "USB 1-2, USB ID 1a86:7523");
    EXPECT_EQ(present[1].Details(), "USB 1-3, USB ID 1a86:7523");
}

// udev's timing decides whether an adapter with a serial number was remembered by its link
// or by its numbers: either finds it, with or without the link there now.
TEST_F(SysfsScanTest, BothFormsOfAnIdentityFindTheSameAdapter) {
    const char* const kLink = "usb-FTDI_FT232R_A502-if00-port0";
    const std::string byId = std::string("by-id:") + kLink;
    const std::string numbers = "usb:0403:6001:A502:00";
    for (const bool linked : {true, false}) {
        fs::remove_all(root_ / "class");
        fs::remove_all(root_ / "dev");
        fs::remove_all(root_ / "devices");
        fs::create_directories(root_ / "dev");
        Adapter({"ttyUSB0", "1-2", "1a86", "7523", nullptr, "USB Serial", "OTHER", nullptr});
        Adapter({"ttyUSB3", "1-4", "0403", "6001", "FTDI", "FT232R", "A502", linked ? kLink : nullptr});
        std::vector<PortDescription> present;
        for (const char* tty : {"ttyUSB0", "ttyUSB3"}) {
            present.push_back(DescribePort(Dev(tty), Tree()));
        }
        for (const std::string& identity : {byId, numbers}) {
            EXPECT_EQ(FindRememberedPort(Dev("ttyUSB0"), identity, present), Dev("ttyUSB3"))
                << identity << (linked ? ", link there" : ", no link yet");
        }
    }
}

TEST_F(SysfsScanTest, TheAdapterIsRememberedNextToThePortSettingsAndFollowed) {
    const fs::path file = root_ / "settings.ini";
    const RememberedAdapter remembered([file] { return std::make_unique<SettingsFileMedium>(file); },
                                       [this] {
                                           std::vector<std::string> names;
                                           ScanSysfsTtys(names, root_ / "class", root_ / "dev");
                                           std::vector<PortDescription> ports;
                                           for (const std::string& name : names) {
                                               ports.push_back(DescribePort(name, Tree()));
                                           }
                                           return ports;
                                       });
    Adapter({"ttyUSB0", "1-2", "0403", "6001", "FTDI", "FT232R", "A502", "usb-FTDI_FT232R_A502-if00-port0"});
    ASSERT_TRUE(remembered.Remember(Dev("ttyUSB0"), "Software\\KOV\\ZEFT", "CommSetting"));
    ASSERT_TRUE(remembered.Remember(Dev("ttyUSB5"), "Software\\KOV\\ZEFT", "CommSetting")) << "absent: kept";

    // Unplugged and put into another socket.
    fs::remove_all(root_ / "class");
    fs::remove_all(root_ / "dev");
    fs::create_directories(root_ / "dev");
    Adapter({"ttyUSB1", "1-3", "0403", "6001", "FTDI", "FT232R", "A502", "usb-FTDI_FT232R_A502-if00-port0"});
    EXPECT_EQ(remembered.Find(Dev("ttyUSB0"), "Software\\KOV\\ZEFT", "CommSetting"), Dev("ttyUSB1"));
    EXPECT_EQ(remembered.Find(Dev("ttyUSB0"), "Software\\KOV\\ZEFT", "Elsewhere"), Dev("ttyUSB0"));
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
