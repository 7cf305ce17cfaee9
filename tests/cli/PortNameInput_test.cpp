#include "cli/PortNameInput.h"

#include <gtest/gtest.h>

namespace zeft::cli {
namespace {

TEST(PortNameInputTest, WindowsNamesBecomeTheDeviceMapsNames) {
    const struct {
        const char* typed;
        const char* name;
    } rows[] = {
        {"COM3", "COM3"},
        {"com3", "COM3"},
        {"Com12", "COM12"},
        {"\\\\.\\COM12", "COM12"},
        {"\\\\.\\com7", "COM7"},
        // Not a COM port: only the device prefix goes, the rest is the port's own name.
        {"\\\\.\\CNCA0", "CNCA0"},
        {"com", "com"},
        {"com3x", "com3x"},
        {"ZEFT Virtual Sender", "ZEFT Virtual Sender"},
        {"", ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(WindowsPortName(row.typed), row.name) << row.typed;
    }
}

} // namespace
} // namespace zeft::cli
