// Instance ids as the device manager shows them for common adapters, read into the same
// facts sysfs gives on Linux, so that a port's identity reads alike on both systems.
#include "serial/WindowsDeviceIds.h"

#include <gtest/gtest.h>

namespace zeft {
namespace {

struct IdCase {
    const char* instanceId;
    const char* vendor; // "" for none
    const char* product;
    const char* usbInterface;
    const char* serial;
};

std::string OrNone(const std::optional<std::string>& value) {
    return value.value_or("");
}

TEST(WindowsDeviceIdsTest, InstanceIdsGiveTheUsbFacts) {
    const IdCase cases[] = {
        {"USB\\VID_0403&PID_6001\\A600ABCD", "0403", "6001", "", "A600ABCD"},
        {"USB\\VID_067B&PID_2303\\5&1A2B3C4D&0&2", "067b", "2303", "", ""}, // no serial: Windows' own id
        {"USB\\VID_2341&PID_8036&MI_00\\6&12AB34CD&0&0000", "2341", "8036", "00", ""},
        {"FTDIBUS\\VID_0403+PID_6001+A600ABCDA\\0000", "0403", "6001", "", "A600ABCDA"},
        {"FTDIBUS\\VID_0403+PID_6010+FT1234A\\0000", "0403", "6010", "", "FT1234A"},
        {"usb\\vid_1a86&pid_7523\\5&2B&0&1", "1a86", "7523", "", ""},
        {"ACPI\\PNP0501\\0", "", "", "", ""},          // a built-in UART
        {"USB\\VID_04G3&PID_6001\\X", "", "", "", ""}, // not hex
        {"USB\\VID_0403\\X", "", "", "", ""},          // no product
        {"", "", "", "", ""},
    };
    for (const IdCase& c : cases) {
        const WindowsUsbIds ids = WindowsUsbIdsFromInstanceId(c.instanceId);
        EXPECT_EQ(OrNone(ids.vendorId), c.vendor) << c.instanceId;
        EXPECT_EQ(OrNone(ids.productId), c.product) << c.instanceId;
        EXPECT_EQ(OrNone(ids.usbInterface), c.usbInterface) << c.instanceId;
        EXPECT_EQ(OrNone(ids.serial), c.serial) << c.instanceId;
    }
}

TEST(WindowsDeviceIdsTest, DescriptionOfMakerAndDevice) {
    EXPECT_EQ(WindowsPortDescription("FTDI", "USB Serial Port"), "FTDI USB Serial Port");
    EXPECT_EQ(WindowsPortDescription("(Standard port types)", "Communications Port"), "Communications Port");
    EXPECT_EQ(WindowsPortDescription("Prolific", "Prolific USB-to-Serial Comm Port"),
              "Prolific USB-to-Serial Comm Port");
    EXPECT_EQ(WindowsPortDescription("FTDI", ""), "FTDI serial port");
    EXPECT_EQ(WindowsPortDescription("", ""), std::nullopt);
}

} // namespace
} // namespace zeft
