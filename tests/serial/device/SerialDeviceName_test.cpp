#include "serial/device/SerialDeviceName.h"

#include <gtest/gtest.h>

#include <string>

namespace zeft::testing {
namespace {

TEST(SerialDeviceName, Win32NameTakesTheFirst79Characters) {
    const std::string longName(100, 'x');
    EXPECT_EQ(Win32DeviceName(longName), "\\\\.\\" + std::string(79, 'x'));
    EXPECT_EQ(Win32DeviceName("COM1"), "\\\\.\\COM1");
}

TEST(SerialDeviceName, BareNamesAreLookedUpUnderDev) {
    EXPECT_EQ(PosixDevicePath("ttyUSB0"), "/dev/ttyUSB0");
    EXPECT_EQ(PosixDevicePath("/dev/pts/3"), "/dev/pts/3");
    EXPECT_EQ(PosixDevicePath("serial/by-id/x"), "serial/by-id/x");
}

} // namespace
} // namespace zeft::testing
