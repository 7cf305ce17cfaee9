#include "tests/support/VanishingSerialDevice.h"

#include <algorithm>

namespace zeft::testing {

VanishingSerialDevice::VanishingSerialDevice(std::unique_ptr<SerialDevice> inner, std::uint32_t vanishAfterBytes)
    : inner_(std::move(inner)), vanishAfterBytes_(vanishAfterBytes) {}

bool VanishingSerialDevice::Vanished() const {
    std::lock_guard lock(mutex_);
    return vanished_;
}

std::string VanishingSerialDevice::ErrorText(std::uint32_t code) const {
    return code == kGoneCode ? "the device has gone away" : inner_->ErrorText(code);
}

std::uint32_t VanishingSerialDevice::SetLine(SerialLine line) {
    {
        std::lock_guard lock(mutex_);
        if (vanished_) {
            return kGoneCode;
        }
    }
    return inner_->SetLine(line);
}

std::uint32_t VanishingSerialDevice::StartWrite(const std::uint8_t* data, std::uint32_t count, std::uint32_t& written) {
    {
        std::lock_guard lock(mutex_);
        if (vanished_) {
            written = 0;
            return kGoneCode;
        }
        counting_ = true;
    }
    return inner_->StartWrite(data, count, written);
}

std::uint32_t VanishingSerialDevice::ClearError(SerialDeviceStatus& status) {
    const std::uint32_t code = inner_->ClearError(status);
    std::lock_guard lock(mutex_);
    if (vanished_) {
        status.InQueue = 0;
        if (!reported_) {
            reported_ = true;
            return kGoneCode;
        }
    }
    return code;
}

std::uint32_t VanishingSerialDevice::StartRead(std::uint8_t* buffer, std::uint32_t count, std::uint32_t& read) {
    const std::uint32_t code = inner_->StartRead(buffer, count, read);
    if (code == kDeviceOk) {
        read = Pass(read);
    }
    return code;
}

std::uint32_t VanishingSerialDevice::ReadResult(std::uint32_t& transferred) {
    const std::uint32_t code = inner_->ReadResult(transferred);
    if (code == kDeviceOk) {
        transferred = Pass(transferred);
    }
    return code;
}

std::uint32_t VanishingSerialDevice::Pass(std::uint32_t got) {
    bool powerOff = false;
    std::uint32_t kept = got;
    {
        std::lock_guard lock(mutex_);
        if (vanished_) {
            return 0;
        }
        if (!counting_) {
            return got;
        }
        kept = std::min(got, vanishAfterBytes_ - passed_);
        passed_ += kept;
        if (passed_ >= vanishAfterBytes_) {
            vanished_ = powerOff = true;
        }
    }
    if (powerOff) {
        // The far end is gone: nothing more comes from it.
        inner_->SetLine(SerialLine::ClearRts);
    }
    return kept;
}

} // namespace zeft::testing
