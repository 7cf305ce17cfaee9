#include "serial/virtual/VirtualSerialDevice.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <vector>

namespace zeft {
namespace {

// Error codes of this backend (the Win32 numbers for the same meaning).
constexpr std::uint32_t kErrorInUse = 5;
constexpr std::uint32_t kErrorNotOpen = 6;
constexpr std::uint32_t kErrorNoModemLines = 1; // ERROR_INVALID_FUNCTION
// Without RTS the sender cannot be woken, so it announces itself while idle, as over a
// pseudo-terminal.
constexpr int kNoRtsAnnouncePeriodMs = 1000;
constexpr std::uint32_t kHandle = 0x5E4D;

} // namespace

VirtualSerialDevice::VirtualSerialDevice(VirtualSenderFaults faults, std::shared_ptr<VirtualSenderUnit> unit)
    : unit_(unit ? std::move(unit) : std::make_shared<VirtualSenderUnit>()),
      sender_(std::make_shared<VirtualSender>(faults, unit_->settings)) {}

VirtualSerialDevice::VirtualSerialDevice(std::shared_ptr<VirtualSenderUnit> unit, std::shared_ptr<VirtualLine> line)
    : unit_(std::move(unit)), sender_(std::move(line)) {}

VirtualSerialDevice::~VirtualSerialDevice() {
    Close();
}

std::int64_t VirtualSerialDevice::NowUs() {
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Moves what the sender has finished saying into the input buffer and reports it.
void VirtualSerialDevice::AdvanceLocked(std::int64_t nowUs) {
    std::string arrived;
    sender_->Collect(nowUs, arrived);
    if (arrived.empty() || !open_) {
        return;
    }
    const std::size_t room = rxSize_ > input_.size() ? rxSize_ - input_.size() : 0;
    if (arrived.size() > room) {
        errors_ |= kCeRxOver;
        arrived.resize(room);
    }
    input_ += arrived;
    rxArrived_ = true;
    if (waitPending_ && (eventMask_ & kEvRxChar) != 0) {
        rxArrived_ = false;
        CompleteWaitLocked(kEvRxChar, kDeviceOk);
    }
}

void VirtualSerialDevice::CompleteWaitLocked(std::uint32_t mask, std::uint32_t code) {
    waitPending_ = false;
    waitMask_ = mask;
    waitCode_ = code;
    eventSignalled_ = true;
    changed_.notify_all();
}

std::uint32_t VirtualSerialDevice::Open(const std::string& portName) {
    static_cast<void>(portName);
    std::lock_guard lock(mutex_);
    if (open_ || unit_->inUse) {
        return kErrorInUse;
    }
    unit_->inUse = true;
    open_ = true;
    input_.clear();
    errors_ = 0;
    rxArrived_ = false;
    waitPending_ = false;
    eventSignalled_ = false;
    readSignalled_ = false;
    eventMask_ = 0;
    sender_->SetBaudRate(line_.BaudRate);
    if (sender_->Faults().noRts) {
        sender_->SetPower(true, NowUs());
        sender_->SetIdleAnnouncement(kNoRtsAnnouncePeriodMs, NowUs());
    }
    return kDeviceOk;
}

std::uint32_t VirtualSerialDevice::Close() {
    std::lock_guard lock(mutex_);
    if (!open_) {
        return kErrorNotOpen;
    }
    const std::int64_t now = NowUs();
    sender_->SetPower(false, now);
    std::string lost;
    sender_->Collect(now, lost);
    open_ = false;
    unit_->inUse = false;
    input_.clear();
    if (waitPending_) {
        CompleteWaitLocked(0, kErrorOperationAborted);
    }
    changed_.notify_all();
    return kDeviceOk;
}

std::uint32_t VirtualSerialDevice::NativeHandle() const {
    std::lock_guard lock(mutex_);
    return open_ ? kHandle : kNoDeviceHandle;
}

std::string VirtualSerialDevice::ErrorText(std::uint32_t code) const {
    switch (code) {
    case kErrorInUse:
        return "The virtual sender is already in use by another port.";
    case kErrorNotOpen:
        return "The virtual sender's port is not open.";
    case kErrorInvalidParameter:
        return "The virtual sender cannot use this setting.";
    case kErrorNoModemLines:
        return "The virtual sender's line has no RTS or DTR.";
    default:
        return "Virtual sender error " + std::to_string(code) + ".";
    }
}

std::uint32_t VirtualSerialDevice::SetQueueSizes(std::uint32_t rxSize, std::uint32_t txSize) {
    static_cast<void>(txSize);
    std::lock_guard lock(mutex_);
    if (!open_) {
        return kErrorNotOpen;
    }
    rxSize_ = std::max<std::uint32_t>(rxSize, 1);
    return kDeviceOk;
}

std::uint32_t VirtualSerialDevice::GetLineSettings(SerialLineSettings& settings) {
    std::lock_guard lock(mutex_);
    if (!open_) {
        return kErrorNotOpen;
    }
    settings = line_;
    return kDeviceOk;
}

std::uint32_t VirtualSerialDevice::SetLineSettings(const SerialLineSettings& settings) {
    std::lock_guard lock(mutex_);
    if (!open_) {
        return kErrorNotOpen;
    }
    if (settings.BaudRate == 0 || settings.ByteSize < 5 || settings.ByteSize > 8) {
        return kErrorInvalidParameter;
    }
    AdvanceLocked(NowUs());
    line_ = settings;
    sender_->SetBaudRate(settings.BaudRate);
    return kDeviceOk;
}

std::uint32_t VirtualSerialDevice::GetTimeouts(SerialTimeouts& timeouts) {
    std::lock_guard lock(mutex_);
    if (!open_) {
        return kErrorNotOpen;
    }
    timeouts = timeouts_;
    return kDeviceOk;
}

std::uint32_t VirtualSerialDevice::SetTimeouts(const SerialTimeouts& timeouts) {
    std::lock_guard lock(mutex_);
    if (!open_) {
        return kErrorNotOpen;
    }
    timeouts_ = timeouts;
    return kDeviceOk;
}

std::uint32_t VirtualSerialDevice::SetEventMask(std::uint32_t mask) {
    std::lock_guard lock(mutex_);
    if (!open_) {
        return kErrorNotOpen;
    }
    eventMask_ = mask;
    if (waitPending_) {
        CompleteWaitLocked(0, kDeviceOk);
    }
    return kDeviceOk;
}

std::uint32_t VirtualSerialDevice::Purge(std::uint32_t flags) {
    std::lock_guard lock(mutex_);
    if (!open_) {
        return kErrorNotOpen;
    }
    if ((flags & kPurgeRxClear) != 0) {
        AdvanceLocked(NowUs());
        input_.clear();
        rxArrived_ = false;
    }
    // Writes and reads finish at once here, so there is nothing to abort.
    return kDeviceOk;
}

std::uint32_t VirtualSerialDevice::SetLine(SerialLine line) {
    std::lock_guard lock(mutex_);
    if (!open_) {
        return kErrorNotOpen;
    }
    if (sender_->Faults().noRts) {
        return kErrorNoModemLines;
    }
    const std::int64_t now = NowUs();
    AdvanceLocked(now);
    if (line == SerialLine::SetRts) {
        sender_->SetPower(true, now);
    } else if (line == SerialLine::ClearRts) {
        sender_->SetPower(false, now);
    }
    changed_.notify_all();
    return kDeviceOk;
}

std::uint32_t VirtualSerialDevice::SetBreak(bool on) {
    static_cast<void>(on);
    std::lock_guard lock(mutex_);
    return open_ ? kDeviceOk : kErrorNotOpen;
}

std::uint32_t VirtualSerialDevice::StartWrite(const std::uint8_t* data, std::uint32_t count, std::uint32_t& written) {
    std::lock_guard lock(mutex_);
    written = 0;
    if (!open_) {
        return kErrorNotOpen;
    }
    const std::int64_t now = NowUs();
    AdvanceLocked(now);
    sender_->Receive(std::string_view(reinterpret_cast<const char*>(data), count), now);
    written = count;
    lastWritten_ = count;
    changed_.notify_all();
    return kDeviceOk;
}

std::uint32_t VirtualSerialDevice::WriteResult(std::uint32_t& transferred) {
    std::lock_guard lock(mutex_);
    transferred = lastWritten_;
    return kDeviceOk;
}

std::uint32_t VirtualSerialDevice::ResetWriteCompletion() {
    return kDeviceOk;
}

std::uint32_t VirtualSerialDevice::GetModemStatus(std::uint32_t& status) {
    std::lock_guard lock(mutex_);
    status = 0;
    return open_ ? kDeviceOk : kErrorNotOpen;
}

std::uint32_t VirtualSerialDevice::ClearError(SerialDeviceStatus& status) {
    std::lock_guard lock(mutex_);
    if (!open_) {
        return kErrorNotOpen;
    }
    AdvanceLocked(NowUs());
    status.Errors = errors_;
    errors_ = 0;
    status.HoldFlags = 0;
    status.InQueue = static_cast<std::uint32_t>(input_.size());
    status.OutQueue = 0;
    return kDeviceOk;
}

std::uint32_t VirtualSerialDevice::StartRead(std::uint8_t* buffer, std::uint32_t count, std::uint32_t& read) {
    std::lock_guard lock(mutex_);
    read = 0;
    if (!open_) {
        return kErrorNotOpen;
    }
    AdvanceLocked(NowUs());
    const std::size_t n = std::min<std::size_t>(count, input_.size());
    if (n > 0) {
        std::memcpy(buffer, input_.data(), n);
        input_.erase(0, n);
    }
    read = static_cast<std::uint32_t>(n);
    readSignalled_ = true;
    return kDeviceOk;
}

std::uint32_t VirtualSerialDevice::ReadResult(std::uint32_t& transferred) {
    // Reads never stay outstanding here.
    transferred = 0;
    return kDeviceOk;
}

std::uint32_t VirtualSerialDevice::StartWaitEvent(std::uint32_t& mask) {
    std::lock_guard lock(mutex_);
    mask = 0;
    if (!open_) {
        return kErrorNotOpen;
    }
    AdvanceLocked(NowUs());
    eventSignalled_ = false;
    if (rxArrived_ && (eventMask_ & kEvRxChar) != 0) {
        rxArrived_ = false;
        mask = kEvRxChar;
        return kDeviceOk;
    }
    waitPending_ = true;
    return kErrorIoPending;
}

std::uint32_t VirtualSerialDevice::EventResult(std::uint32_t& mask) {
    std::lock_guard lock(mutex_);
    if (waitPending_) {
        mask = 0;
        return kErrorIoIncomplete;
    }
    mask = waitMask_;
    return waitCode_;
}

std::uint32_t VirtualSerialDevice::SignalReadCompletion() {
    std::lock_guard lock(mutex_);
    readSignalled_ = true;
    changed_.notify_all();
    return kDeviceOk;
}

std::uint32_t VirtualSerialDevice::SignalEventCompletion() {
    std::lock_guard lock(mutex_);
    eventSignalled_ = true;
    changed_.notify_all();
    return kDeviceOk;
}

SerialWaitOutcome VirtualSerialDevice::WaitForCompletion(bool read, bool event, std::uint32_t timeoutMs) {
    std::unique_lock lock(mutex_);
    const std::int64_t deadlineUs = NowUs() + static_cast<std::int64_t>(timeoutMs) * 1000;
    for (;;) {
        const std::int64_t now = NowUs();
        AdvanceLocked(now);
        if (read && readSignalled_) {
            return {SerialWaitResult::ReadDone, 0};
        }
        if (event && eventSignalled_) {
            return {SerialWaitResult::EventDone, 0};
        }
        if (now >= deadlineUs) {
            return {SerialWaitResult::TimedOut, 0};
        }
        // Sleep until the deadline or the sender's next byte, whichever comes first.
        std::int64_t wakeUs = deadlineUs;
        if (const auto due = sender_->NextDueUs(); due && open_ && *due < wakeUs) {
            wakeUs = std::max(*due, now + 1);
        }
        changed_.wait_for(lock, std::chrono::microseconds(wakeUs - now));
    }
}

VirtualSenderSettings VirtualSerialDevice::Settings() const {
    std::lock_guard lock(mutex_);
    return sender_->Settings();
}

int VirtualSerialDevice::CommandsReceived() const {
    std::lock_guard lock(mutex_);
    return sender_->CommandsReceived();
}

bool VirtualSerialDevice::Powered() const {
    std::lock_guard lock(mutex_);
    return sender_->Powered();
}

} // namespace zeft
