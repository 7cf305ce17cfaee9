#include "serial/virtual/VirtualSerialDevice.h"

#include "serial/device/SerialDeviceFactory.h"

#include <gtest/gtest.h>

#include <chrono>

namespace zeft {
namespace {

using Clock = std::chrono::steady_clock;

// Waits, as the worker does, until an event wait ends; the mask it ended with.
std::uint32_t WaitForEvent(VirtualSerialDevice& device, std::uint32_t timeoutMs) {
    std::uint32_t mask = 0;
    if (device.StartWaitEvent(mask) == kDeviceOk) {
        return mask;
    }
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (Clock::now() < deadline) {
        if (device.WaitForCompletion(false, true, 75).Result == SerialWaitResult::EventDone) {
            EXPECT_EQ(device.EventResult(mask), kDeviceOk);
            return mask;
        }
    }
    return 0;
}

std::string ReadAll(VirtualSerialDevice& device) {
    SerialDeviceStatus status;
    EXPECT_EQ(device.ClearError(status), kDeviceOk);
    std::string bytes(status.InQueue, '\0');
    std::uint32_t read = 0;
    EXPECT_EQ(device.StartRead(reinterpret_cast<std::uint8_t*>(bytes.data()), status.InQueue, read), kDeviceOk);
    bytes.resize(read);
    return bytes;
}

TEST(VirtualSerialDeviceTest, OneOpenAtATimePerPort) {
    auto unit = std::make_shared<VirtualSenderUnit>();
    VirtualSerialDevice first({}, unit);
    VirtualSerialDevice second({}, unit);
    ASSERT_EQ(first.Open("ZEFT Virtual Sender"), kDeviceOk);
    const std::uint32_t code = second.Open("ZEFT Virtual Sender");
    EXPECT_NE(code, kDeviceOk);
    EXPECT_FALSE(second.ErrorText(code).empty());
    EXPECT_EQ(second.NativeHandle(), kNoDeviceHandle);
    ASSERT_EQ(first.Close(), kDeviceOk);
    EXPECT_EQ(second.Open("ZEFT Virtual Sender"), kDeviceOk);
}

TEST(VirtualSerialDeviceTest, RtsPowersTheSenderAndArrivalsAreAnEdge) {
    VirtualSerialDevice device;
    ASSERT_EQ(device.Open("ZEFT Virtual Sender"), kDeviceOk);
    ASSERT_EQ(device.SetEventMask(kEvAll), kDeviceOk);
    // Unpowered: nothing comes.
    EXPECT_EQ(WaitForEvent(device, 300), 0U);
    ASSERT_EQ(device.SetLine(SerialLine::SetRts), kDeviceOk);
    EXPECT_TRUE(device.Powered());
    ASSERT_EQ(WaitForEvent(device, 1000), kEvRxChar);
    // The announcement keeps arriving byte by byte; once it is all there, a new wait stays
    // pending while the bytes just wait to be read.
    const auto deadline = Clock::now() + std::chrono::seconds(1);
    SerialDeviceStatus status;
    do {
        WaitForEvent(device, 50);
        device.ClearError(status);
    } while (status.InQueue < 7 && Clock::now() < deadline);
    ASSERT_EQ(status.InQueue, 7U);
    std::uint32_t mask = 0;
    EXPECT_EQ(device.StartWaitEvent(mask), kErrorIoPending);
    EXPECT_EQ(device.WaitForCompletion(false, true, 100).Result, SerialWaitResult::TimedOut);
    EXPECT_EQ(ReadAll(device), "\r\nKOV\r\n");
    // Changing the mask ends the pending wait with no event.
    ASSERT_EQ(device.SetEventMask(0), kDeviceOk);
    EXPECT_EQ(device.WaitForCompletion(false, true, 1000).Result, SerialWaitResult::EventDone);
    EXPECT_EQ(device.EventResult(mask), kDeviceOk);
    EXPECT_EQ(mask, 0U);
}

TEST(VirtualSerialDeviceTest, RequestListingAndDropPowerMidway) {
    VirtualSerialDevice device;
    ASSERT_EQ(device.Open("ZEFT Virtual Sender"), kDeviceOk);
    SerialLineSettings line;
    ASSERT_EQ(device.GetLineSettings(line), kDeviceOk);
    line.BaudRate = 1200; // 8.3 ms a byte: the listing takes over a second
    ASSERT_EQ(device.SetLineSettings(line), kDeviceOk);
    ASSERT_EQ(device.SetEventMask(kEvRxChar), kDeviceOk);
    ASSERT_EQ(device.SetLine(SerialLine::SetRts), kDeviceOk);
    std::string announced;
    const auto powerUpDeadline = Clock::now() + std::chrono::seconds(2);
    while (announced.find("KOV\r\n") == std::string::npos && Clock::now() < powerUpDeadline) {
        WaitForEvent(device, 100);
        announced += ReadAll(device);
    }
    ASSERT_EQ(announced, "\r\nKOV\r\n");
    const std::string command = "++++";
    std::uint32_t written = 0;
    ASSERT_EQ(device.StartWrite(reinterpret_cast<const std::uint8_t*>(command.data()), 4, written), kDeviceOk);
    EXPECT_EQ(written, 4U);
    const auto start = Clock::now();
    while (Clock::now() - start < std::chrono::milliseconds(300)) {
        WaitForEvent(device, 50);
    }
    ASSERT_EQ(device.SetLine(SerialLine::ClearRts), kDeviceOk);
    const std::string before = ReadAll(device);
    EXPECT_GT(before.size(), 5U);
    EXPECT_LT(before.size(), 80U);
    // What the sender had not sent when the power went is gone.
    EXPECT_EQ(WaitForEvent(device, 400), 0U);
    EXPECT_EQ(ReadAll(device), "");
    EXPECT_EQ(device.CommandsReceived(), 1);
}

TEST(VirtualSerialDeviceTest, ClosedDeviceRefusesEverything) {
    VirtualSerialDevice device;
    std::uint32_t written = 0;
    const std::uint8_t byte = '+';
    EXPECT_NE(device.StartWrite(&byte, 1, written), kDeviceOk);
    EXPECT_NE(device.SetLine(SerialLine::SetRts), kDeviceOk);
    SerialDeviceStatus status;
    EXPECT_NE(device.ClearError(status), kDeviceOk);
    EXPECT_FALSE(device.Powered());
}

TEST(VirtualSerialDeviceTest, RegisteredPortKeepsItsSettingsAcrossOpensAndRegistrations) {
    const std::string name = "ZEFT Virtual Sender (slow 0)";
    ASSERT_TRUE(RegisterVirtualSenderPort(name));
    EXPECT_FALSE(RegisterVirtualSenderPort("ZEFT Virtual Sender (loud)"));
    auto program = [&](const std::string& command) {
        auto device = SerialDeviceFactory::Create(name);
        ASSERT_EQ(device->Open(name), kDeviceOk);
        ASSERT_EQ(device->SetLine(SerialLine::SetRts), kDeviceOk);
        std::uint32_t written = 0;
        device->StartWrite(reinterpret_cast<const std::uint8_t*>(command.data()),
                           static_cast<std::uint32_t>(command.size()), written);
        EXPECT_EQ(device->Close(), kDeviceOk);
    };
    program("+STL33\r");
    ASSERT_TRUE(RegisterVirtualSenderPort(name));
    auto device = SerialDeviceFactory::Create(name);
    auto* virtualDevice = dynamic_cast<VirtualSerialDevice*>(device.get());
    ASSERT_NE(virtualDevice, nullptr);
    EXPECT_EQ(virtualDevice->Settings()[2], "33");
    SerialDeviceFactory::Unregister(name);
}

} // namespace
} // namespace zeft
