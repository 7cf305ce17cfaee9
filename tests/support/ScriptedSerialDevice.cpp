#include "tests/support/ScriptedSerialDevice.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <utility>

namespace zeft::testing {

namespace {
constexpr std::uint32_t kClosed = 9; // what a closed handle answers
}

ScriptedSerialDevice::ScriptedSerialDevice(std::shared_ptr<CallLog> log, std::uint32_t startTick)
    : startTick_(startTick), now_(startTick), limit_(0), log_(std::move(log)) {}

void ScriptedSerialDevice::RunUntil(std::uint32_t at) {
    {
        std::lock_guard lock(mutex_);
        limit_ = at;
    }
    changed_.notify_all();
}

void ScriptedSerialDevice::ScheduleInput(std::uint32_t at, const std::string& bytes, std::uint32_t errors) {
    {
        std::lock_guard lock(mutex_);
        script_.emplace(at, Arrival{bytes, errors, 0, false, 0});
    }
    changed_.notify_all();
}

void ScriptedSerialDevice::ScheduleEvents(std::uint32_t at, std::uint32_t mask) {
    {
        std::lock_guard lock(mutex_);
        script_.emplace(at, Arrival{{}, 0, mask, false, 0});
    }
    changed_.notify_all();
}

void ScriptedSerialDevice::ScheduleModemStatus(std::uint32_t at, std::uint32_t status) {
    {
        std::lock_guard lock(mutex_);
        script_.emplace(at, Arrival{{}, 0, 0, true, status});
    }
    changed_.notify_all();
}

void ScriptedSerialDevice::SetWriteMode(WriteMode mode, std::uint32_t transferred) {
    std::lock_guard lock(mutex_);
    writeMode_ = mode;
    writeTransferred_ = transferred;
}

void ScriptedSerialDevice::SetReadsPend(bool pend) {
    std::lock_guard lock(mutex_);
    readsPend_ = pend;
}

void ScriptedSerialDevice::Fail(const std::string& operation, std::uint32_t code) {
    std::lock_guard lock(mutex_);
    failures_[operation] = code;
}

std::uint32_t ScriptedSerialDevice::Now() const {
    std::lock_guard lock(mutex_);
    return Elapsed();
}

std::vector<std::string> ScriptedSerialDevice::Calls() const {
    std::lock_guard lock(log_->mutex);
    return log_->calls;
}

int ScriptedSerialDevice::CountCalls(const std::string& call) const {
    const std::vector<std::string> calls = Calls();
    return static_cast<int>(std::count(calls.begin(), calls.end(), call));
}

SerialTimeouts ScriptedSerialDevice::LastTimeouts() const {
    std::lock_guard lock(mutex_);
    return timeouts_;
}

std::vector<std::uint32_t> ScriptedSerialDevice::ReadTimes() const {
    std::lock_guard lock(mutex_);
    return readTimes_;
}

std::string ScriptedSerialDevice::Written() const {
    std::lock_guard lock(mutex_);
    return written_;
}

std::uint32_t ScriptedSerialDevice::Failure(const std::string& operation) const {
    const auto found = failures_.find(operation);
    if (found != failures_.end()) {
        return found->second;
    }
    return open_ || operation == "Open" ? kDeviceOk : kClosed;
}

// Logs a main-thread call; returns its scripted failure.
std::uint32_t ScriptedSerialDevice::Call(const std::string& operation, const std::string& argument) {
    {
        std::lock_guard lock(log_->mutex);
        log_->calls.push_back(argument.empty() ? operation : operation + " " + argument);
    }
    return Failure(operation);
}

void ScriptedSerialDevice::Notify(std::uint32_t events) {
    history_ |= events & eventMask_;
    if (history_ != 0 && waitPending_ && !waitDone_) {
        waitDone_ = true;
        waitMask_ = history_;
        history_ = 0;
    }
}

void ScriptedSerialDevice::Deliver() {
    while (!script_.empty() && script_.begin()->first <= Elapsed()) {
        const Arrival arrival = script_.begin()->second;
        script_.erase(script_.begin());
        input_ += arrival.bytes;
        errors_ |= arrival.errors;
        if (arrival.setsModem) {
            modem_ = arrival.modem;
        }
        Notify((arrival.bytes.empty() ? 0 : kEvRxChar) | (arrival.errors != 0 ? kEvErr : 0) | arrival.events);
    }
}

std::uint32_t ScriptedSerialDevice::Open(const std::string& portName) {
    std::lock_guard lock(mutex_);
    const std::uint32_t code = Call("Open", portName);
    open_ = code == kDeviceOk;
    return code;
}

std::uint32_t ScriptedSerialDevice::Close() {
    std::lock_guard lock(mutex_);
    const std::uint32_t code = Call("Close");
    if (writePending_) {
        writeAborted_ = true;
    }
    if (waitPending_ && !waitDone_) {
        waitDone_ = true;
        waitMask_ = 0;
    }
    open_ = false;
    changed_.notify_all();
    return code;
}

std::uint32_t ScriptedSerialDevice::NativeHandle() const {
    std::lock_guard lock(mutex_);
    return open_ ? 42 : kNoDeviceHandle;
}

std::string ScriptedSerialDevice::ErrorText(std::uint32_t code) const {
    return "scripted error " + std::to_string(code);
}

std::uint32_t ScriptedSerialDevice::SetQueueSizes(std::uint32_t rxSize, std::uint32_t txSize) {
    std::lock_guard lock(mutex_);
    return Call("SetQueueSizes", std::to_string(rxSize) + " " + std::to_string(txSize));
}

std::uint32_t ScriptedSerialDevice::GetLineSettings(SerialLineSettings& settings) {
    std::lock_guard lock(mutex_);
    settings = settings_;
    return Failure("GetLineSettings");
}

std::uint32_t ScriptedSerialDevice::SetLineSettings(const SerialLineSettings& settings) {
    std::lock_guard lock(mutex_);
    const std::uint32_t code = Call("SetLineSettings", std::to_string(settings.BaudRate));
    if (code == kDeviceOk) {
        settings_ = settings;
    }
    return code;
}

std::uint32_t ScriptedSerialDevice::GetTimeouts(SerialTimeouts& timeouts) {
    std::lock_guard lock(mutex_);
    timeouts = timeouts_;
    return Failure("GetTimeouts");
}

std::uint32_t ScriptedSerialDevice::SetTimeouts(const SerialTimeouts& timeouts) {
    std::lock_guard lock(mutex_);
    const std::uint32_t code = Call("SetTimeouts", std::to_string(timeouts.WriteTotalTimeoutConstant));
    if (code == kDeviceOk) {
        timeouts_ = timeouts;
    }
    return code;
}

std::uint32_t ScriptedSerialDevice::SetEventMask(std::uint32_t mask) {
    std::lock_guard lock(mutex_);
    const std::uint32_t code = Call("SetEventMask", std::to_string(mask));
    eventMask_ = mask;
    history_ = 0;
    if (waitPending_ && !waitDone_) {
        waitDone_ = true;
        waitMask_ = 0;
    }
    changed_.notify_all();
    return code;
}

std::uint32_t ScriptedSerialDevice::Purge(std::uint32_t flags) {
    std::lock_guard lock(mutex_);
    const std::uint32_t code = Call("Purge", std::to_string(flags));
    if ((flags & kPurgeTxAbort) != 0 && writePending_) {
        writeAborted_ = true;
    }
    if ((flags & kPurgeRxClear) != 0) {
        input_.clear();
    }
    changed_.notify_all();
    return code;
}

std::uint32_t ScriptedSerialDevice::SetLine(SerialLine line) {
    static const char* const kNames[] = {"SetRts", "ClearRts", "SetDtr", "ClearDtr"};
    std::lock_guard lock(mutex_);
    return Call(kNames[static_cast<int>(line)]);
}

std::uint32_t ScriptedSerialDevice::SetBreak(bool on) {
    std::lock_guard lock(mutex_);
    return Call("SetBreak", on ? "1" : "0");
}

std::uint32_t ScriptedSerialDevice::StartWrite(const std::uint8_t* data, std::uint32_t count, std::uint32_t& written) {
    std::lock_guard lock(mutex_);
    written = 0;
    const std::uint32_t code = Call("StartWrite", std::to_string(count));
    if (code != kDeviceOk) {
        return code;
    }
    if (writeMode_ == WriteMode::AtOnce) {
        written_.append(reinterpret_cast<const char*>(data), count);
        written = count;
        return kDeviceOk;
    }
    written_.append(reinterpret_cast<const char*>(data), std::min(count, writeTransferred_));
    writePending_ = true;
    writeAborted_ = false;
    return kErrorIoPending;
}

std::uint32_t ScriptedSerialDevice::WriteResult(std::uint32_t& transferred) {
    std::lock_guard lock(mutex_);
    transferred = 0;
    if (writeAborted_) {
        writePending_ = writeAborted_ = false;
        return kErrorOperationAborted;
    }
    switch (writeMode_) {
    case WriteMode::AtOnce:
    case WriteMode::Incomplete:
        return kErrorIoIncomplete;
    case WriteMode::StaysPending:
        transferred = writeTransferred_;
        return kErrorIoPending;
    case WriteMode::EndsShort:
        transferred = writeTransferred_;
        writePending_ = false;
        return kDeviceOk;
    }
    return kErrorIoIncomplete;
}

std::uint32_t ScriptedSerialDevice::ResetWriteCompletion() {
    std::lock_guard lock(mutex_);
    writePending_ = false;
    return Failure("ResetWriteCompletion");
}

std::uint32_t ScriptedSerialDevice::GetModemStatus(std::uint32_t& status) {
    std::lock_guard lock(mutex_);
    status = modem_;
    return Failure("GetModemStatus");
}

std::uint32_t ScriptedSerialDevice::ClearError(SerialDeviceStatus& status) {
    std::lock_guard lock(mutex_);
    status = SerialDeviceStatus{};
    const std::uint32_t code = Failure("ClearError");
    if (code == kDeviceOk) {
        status.Errors = errors_;
        errors_ = 0;
        status.InQueue = static_cast<std::uint32_t>(input_.size());
    }
    return code;
}

std::uint32_t ScriptedSerialDevice::StartRead(std::uint8_t* buffer, std::uint32_t count, std::uint32_t& read) {
    std::lock_guard lock(mutex_);
    read = 0;
    if (const std::uint32_t code = Failure("StartRead"); code != kDeviceOk) {
        return code;
    }
    readTimes_.push_back(Elapsed());
    if (readsPend_) {
        readPending_ = true;
        readBuffer_ = buffer;
        pendingRead_ = count;
        return kErrorIoPending;
    }
    read = static_cast<std::uint32_t>(std::min<std::size_t>(count, input_.size()));
    std::copy_n(input_.begin(), read, buffer);
    input_.erase(0, read);
    return kDeviceOk;
}

std::uint32_t ScriptedSerialDevice::ReadResult(std::uint32_t& transferred) {
    std::lock_guard lock(mutex_);
    transferred = static_cast<std::uint32_t>(std::min<std::size_t>(pendingRead_, input_.size()));
    std::copy_n(input_.begin(), transferred, readBuffer_);
    input_.erase(0, transferred);
    readPending_ = false;
    return kDeviceOk;
}

std::uint32_t ScriptedSerialDevice::StartWaitEvent(std::uint32_t& mask) {
    std::lock_guard lock(mutex_);
    mask = 0;
    if (const std::uint32_t code = Failure("StartWaitEvent"); code != kDeviceOk) {
        return code;
    }
    if (history_ != 0) {
        mask = history_;
        history_ = 0;
        return kDeviceOk;
    }
    waitPending_ = true;
    waitDone_ = false;
    return kErrorIoPending;
}

std::uint32_t ScriptedSerialDevice::EventResult(std::uint32_t& mask) {
    std::lock_guard lock(mutex_);
    mask = waitMask_;
    waitPending_ = waitDone_ = false;
    return kDeviceOk;
}

std::uint32_t ScriptedSerialDevice::SignalReadCompletion() {
    return kDeviceOk;
}

std::uint32_t ScriptedSerialDevice::SignalEventCompletion() {
    std::lock_guard lock(mutex_);
    if (waitPending_ && !waitDone_) {
        waitDone_ = true;
        waitMask_ = 0;
    }
    changed_.notify_all();
    return kDeviceOk;
}

SerialWaitOutcome ScriptedSerialDevice::WaitForCompletion(bool read, bool event, std::uint32_t timeoutMs) {
    std::unique_lock lock(mutex_);
    const std::uint32_t target = Elapsed() + timeoutMs;
    for (;;) {
        Deliver();
        if (read && readPending_) {
            return {SerialWaitResult::ReadDone, 0}; // a pending read ends at the next wait
        }
        if (event && waitDone_) {
            return {SerialWaitResult::EventDone, 0};
        }
        const std::uint32_t now = Elapsed();
        if (now >= target) {
            return {SerialWaitResult::TimedOut, 0};
        }
        if (now < limit_) {
            std::uint32_t next = std::min(target, limit_);
            if (!script_.empty()) {
                next = std::min(next, std::max(now, script_.begin()->first));
            }
            now_ = startTick_ + next;
            continue;
        }
        if (eventMask_ == 0 || !open_) {
            // Being closed: the wait runs out in real time, as the platform's would.
            if (changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs)) == std::cv_status::timeout) {
                return {SerialWaitResult::TimedOut, 0};
            }
            continue;
        }
        changed_.wait(lock);
    }
}

std::uint32_t ScriptedSerialDevice::TickCount() const {
    std::lock_guard lock(mutex_);
    return now_;
}

} // namespace zeft::testing
