#include "serial/virtual/VirtualProductionLine.h"

#include <algorithm>
#include <utility>

namespace zeft {

VirtualProductionLine::VirtualProductionLine(VirtualProductionLineSetup setup)
    : paceUs_(static_cast<std::int64_t>(std::max(setup.paceMs, 1)) * 1000),
      senderFaults_(std::move(setup.senderFaults)) {
    ArriveLocked(0);
}

void VirtualProductionLine::ArriveLocked(std::int64_t atUs) {
    ++number_;
    VirtualSenderFaults faults;
    if (nextFaults_) {
        faults = *std::exchange(nextFaults_, std::nullopt);
    } else if (const auto found = senderFaults_.find(number_); found != senderFaults_.end()) {
        faults = found->second;
    }
    // A sender on this bench always has its power line.
    faults.noRts = false;
    sender_ = std::make_unique<VirtualSender>(faults);
    sender_->SetBaudRate(baudRate_);
    programmed_ = false;
    arriveUs_.reset();
    // Plugged in while the interface is on, it powers up at once.
    if (powered_) {
        sender_->SetPower(true, atUs);
    }
}

// Leaving and coming happen at their own times, whatever call comes first after them.
void VirtualProductionLine::AdvanceLocked(std::int64_t nowUs) {
    if (sender_ && leaveUs_ && nowUs >= *leaveUs_) {
        sender_.reset();
        arriveUs_ = *leaveUs_ + paceUs_;
        leaveUs_.reset();
    }
    if (!sender_ && arriveUs_ && nowUs >= *arriveUs_) {
        ArriveLocked(*arriveUs_);
    }
}

void VirtualProductionLine::SetBaudRate(std::uint32_t baudRate) {
    std::lock_guard lock(mutex_);
    baudRate_ = baudRate;
    if (sender_) {
        sender_->SetBaudRate(baudRate);
    }
}

void VirtualProductionLine::SetPower(bool on, std::int64_t nowUs) {
    std::lock_guard lock(mutex_);
    AdvanceLocked(nowUs);
    powered_ = on;
    if (!sender_) {
        return;
    }
    sender_->SetPower(on, nowUs);
    // Switched off after its program: the fitter takes it away.
    if (!on && programmed_ && !leaveUs_) {
        leaveUs_ = nowUs + paceUs_;
    }
}

bool VirtualProductionLine::Powered() const {
    std::lock_guard lock(mutex_);
    return sender_ && sender_->Powered();
}

void VirtualProductionLine::Receive(std::string_view bytes, std::int64_t nowUs) {
    std::lock_guard lock(mutex_);
    AdvanceLocked(nowUs);
    if (!sender_) {
        return;
    }
    // Every set command starts "+S"; a read or a restore does not make a sender done.
    if (sender_->Powered() && bytes.find("+S") != std::string_view::npos) {
        programmed_ = true;
    }
    sender_->Receive(bytes, nowUs);
}

void VirtualProductionLine::Collect(std::int64_t nowUs, std::string& out) {
    std::lock_guard lock(mutex_);
    AdvanceLocked(nowUs);
    if (sender_) {
        sender_->Collect(nowUs, out);
    }
}

std::optional<std::int64_t> VirtualProductionLine::NextDueUs() const {
    std::lock_guard lock(mutex_);
    if (sender_) {
        return sender_->NextDueUs();
    }
    // A sender that comes while the interface is on has something to say soon after.
    return powered_ ? arriveUs_ : std::nullopt;
}

VirtualSenderSettings VirtualProductionLine::Settings() const {
    std::lock_guard lock(mutex_);
    return sender_ ? sender_->Settings() : DefaultVirtualSenderSettings();
}

int VirtualProductionLine::CommandsReceived() const {
    std::lock_guard lock(mutex_);
    return sender_ ? sender_->CommandsReceived() : 0;
}

void VirtualProductionLine::SetNextSenderFaults(const VirtualSenderFaults& faults) {
    std::lock_guard lock(mutex_);
    nextFaults_ = faults;
}

int VirtualProductionLine::SenderNumber() const {
    std::lock_guard lock(mutex_);
    return sender_ ? number_ : 0;
}

} // namespace zeft
