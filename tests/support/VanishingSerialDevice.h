#pragma once

#include "serial/device/SerialDevice.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

namespace zeft::testing {

// A device whose far end goes away in the middle of a reply, as an unplugged adapter or a
// sender losing its battery does: after a given number of bytes received since the first
// write, the rest is lost, the inner device's sender loses power, the error-state poll
// reports EIO once (like the termios backend on a hang-up) and every later write and line
// change fails with EIO. Everything else goes to the inner device. It also counts how
// often the worker reads the modem lines (twice a pass), vanishing or not.
class VanishingSerialDevice : public SerialDevice {
public:
    static constexpr std::uint32_t kGoneCode = 5; // EIO
    static constexpr std::uint32_t kNeverVanishes = 0xFFFFFFFF;

    VanishingSerialDevice(std::unique_ptr<SerialDevice> inner, std::uint32_t vanishAfterBytes);

    bool Vanished() const;
    std::uint32_t ModemStatusReads() const { return modemStatusReads_; }

    std::uint32_t Open(const std::string& portName) override { return inner_->Open(portName); }
    std::uint32_t Close() override { return inner_->Close(); }
    std::uint32_t NativeHandle() const override { return inner_->NativeHandle(); }
    std::string ErrorText(std::uint32_t code) const override;
    std::uint32_t SetQueueSizes(std::uint32_t rxSize, std::uint32_t txSize) override {
        return inner_->SetQueueSizes(rxSize, txSize);
    }
    std::uint32_t GetLineSettings(SerialLineSettings& settings) override { return inner_->GetLineSettings(settings); }
    std::uint32_t SetLineSettings(const SerialLineSettings& settings) override {
        return inner_->SetLineSettings(settings);
    }
    std::uint32_t GetTimeouts(SerialTimeouts& timeouts) override { return inner_->GetTimeouts(timeouts); }
    std::uint32_t SetTimeouts(const SerialTimeouts& timeouts) override { return inner_->SetTimeouts(timeouts); }
    std::uint32_t SetEventMask(std::uint32_t mask) override { return inner_->SetEventMask(mask); }
    std::uint32_t Purge(std::uint32_t flags) override { return inner_->Purge(flags); }
    std::uint32_t SetLine(SerialLine line) override;
    std::uint32_t SetBreak(bool on) override { return inner_->SetBreak(on); }
    std::uint32_t StartWrite(const std::uint8_t* data, std::uint32_t count, std::uint32_t& written) override;
    std::uint32_t WriteResult(std::uint32_t& transferred) override { return inner_->WriteResult(transferred); }
    std::uint32_t ResetWriteCompletion() override { return inner_->ResetWriteCompletion(); }
    std::uint32_t GetModemStatus(std::uint32_t& status) override {
        ++modemStatusReads_;
        return inner_->GetModemStatus(status);
    }
    std::uint32_t ClearError(SerialDeviceStatus& status) override;
    std::uint32_t StartRead(std::uint8_t* buffer, std::uint32_t count, std::uint32_t& read) override;
    std::uint32_t ReadResult(std::uint32_t& transferred) override;
    std::uint32_t StartWaitEvent(std::uint32_t& mask) override { return inner_->StartWaitEvent(mask); }
    std::uint32_t EventResult(std::uint32_t& mask) override { return inner_->EventResult(mask); }
    std::uint32_t SignalReadCompletion() override { return inner_->SignalReadCompletion(); }
    std::uint32_t SignalEventCompletion() override { return inner_->SignalEventCompletion(); }
    SerialWaitOutcome WaitForCompletion(bool read, bool event, std::uint32_t timeoutMs) override {
        return inner_->WaitForCompletion(read, event, timeoutMs);
    }
    HandOverWaiter* WaiterForHandOvers() override { return inner_->WaiterForHandOvers(); }
    std::uint32_t TickCount() const override { return inner_->TickCount(); }

private:
    // Keeps what arrived before the far end went; returns how many bytes that is.
    std::uint32_t Pass(std::uint32_t got);

    std::unique_ptr<SerialDevice> inner_;
    const std::uint32_t vanishAfterBytes_;
    mutable std::mutex mutex_;
    bool counting_ = false; // the first write has gone out
    std::uint32_t passed_ = 0;
    bool vanished_ = false;
    bool reported_ = false;
    std::atomic<std::uint32_t> modemStatusReads_{0};
};

} // namespace zeft::testing
