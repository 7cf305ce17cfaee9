#include "serial/device/SerialDeviceFactory.h"

#include "serial/HandOverQueue.h"
#include "serial/SerialLink.h"
#include "tests/support/ScriptedSerialDevice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace zeft::testing {
namespace {

// A name registered for its own backend opens that backend; other names the platform's.
TEST(SerialDeviceFactory, RegisteredNameSelectsItsBackend) {
    const std::string name = "ZEFT Test Port";
    int made = 0;
    SerialDeviceFactory::Register(name, [&made] {
        ++made;
        return std::make_unique<ScriptedSerialDevice>();
    });
    HandOverQueue queue;
    {
        TSerialLink link(queue);
        link.SetCommPort(name);
        link.SetActive(true);
        EXPECT_TRUE(link.Active());
        EXPECT_EQ(made, 1);
        const std::vector<std::string> names = SerialDeviceFactory::RegisteredNames();
        EXPECT_NE(std::find(names.begin(), names.end(), name), names.end());
    }
    SerialDeviceFactory::Unregister(name);
    TSerialLink link(queue);
    link.SetCommPort(name); // now a device path under /dev, which is not there
    link.SetActive(true);
    EXPECT_FALSE(link.Active());
    EXPECT_EQ(made, 1);
}

} // namespace
} // namespace zeft::testing
