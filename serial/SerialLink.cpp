#include "serial/SerialLink.h"

#include "serial/WorkThread.h"
#include "serial/device/SerialDeviceFactory.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#endif

namespace zeft {

namespace {

// What the platform says when a call is made without a device.
#ifdef _WIN32
constexpr std::uint32_t kErrorNoDevice = ERROR_INVALID_HANDLE;
#else
constexpr std::uint32_t kErrorNoDevice = EBADF;
#endif

constexpr auto kDestroyWaitStep = std::chrono::milliseconds(75);
constexpr int kDestroyWaitSteps = 10;

// Character times by baud rate: each row whose threshold is reached replaces the result.
struct CharTimeRow {
    std::uint32_t baudRate;
    std::uint32_t microseconds;
};
constexpr std::array<CharTimeRow, 15> kCharTimes{{{110, 100000},
                                                  {300, 37000},
                                                  {600, 18000},
                                                  {1200, 9000},
                                                  {2400, 4500},
                                                  {4800, 2300},
                                                  {9600, 1100},
                                                  {14400, 760},
                                                  {19200, 570},
                                                  {38400, 290},
                                                  {56000, 200},
                                                  {57600, 190},
                                                  {115200, 95},
                                                  {128000, 85},
                                                  {256000, 43}}};

template <typename T> bool Change(std::atomic<T>& property, T value) {
    if (property == value) {
        return false;
    }
    property = value;
    return true;
}

} // namespace

TSerialLink::TSerialLink(HandOverQueue& queue) : queue_(queue), deviceCreator_(SerialDeviceFactory::Create) {
    worker_ = std::make_unique<TWorkThread>(*this);
}

TSerialLink::~TSerialLink() {
    if (workerStepsRunning_ > 0) {
        // The worker waits for the handler that is destroying us, and we would wait for the
        // worker: neither could ever go on. Stop loudly instead of hanging.
        std::fputs("TSerialLink destroyed inside one of its own event handlers; destroy it after the handler "
                   "has returned\n",
                   stderr);
        std::abort();
    }
    destroying_ = true;
    ReactivatePort(false);
    worker_->Terminate();
    // A worker that hands a step over waits for this thread: drain while waiting.
    const auto first = HandOverQueue::Clock::now() + kDestroyWaitSteps * kDestroyWaitStep;
    queue_.DrainUntil([this] { return !workerRunning_; }, first);
    while (!queue_.DrainUntil([this] { return workerFinished_.load(); },
                              HandOverQueue::Clock::now() + std::chrono::seconds(1))) {
    }
    worker_->Join();
    clusters_.clear();
    worker_.reset();
    retiredDevices_.clear();
}

// --- properties ---

void TSerialLink::SetActive(bool value) {
    if (value != active_) {
        ReactivatePort(value);
    }
}

std::uint32_t TSerialLink::ComHandle() const {
    return device_ ? device_->NativeHandle() : kNoDeviceHandle;
}

void TSerialLink::SetCommPort(const std::string& value) {
    if (value == commPort_) {
        return;
    }
    commPort_ = value;
    ReactivatePort(active_);
}

void TSerialLink::SetBaudRate(std::uint32_t value) {
    if (!Change(baudRate_, value)) {
        return;
    }
    if (xtoAuto_) {
        AutoSetXTO();
    }
    ApplyIfOpen();
}

void TSerialLink::ApplyIfOpen() {
    if (device_) {
        ApplyCommState();
    }
}

void TSerialLink::SetParityType(std::uint8_t value) {
    if (Change(parityType_, value)) {
        ApplyIfOpen();
    }
}

void TSerialLink::SetParityErrorChar(char value) {
    if (Change(parityErrorChar_, value)) {
        ApplyIfOpen();
    }
}

void TSerialLink::SetParityErrorReplacement(bool value) {
    if (Change(parityErrorReplacement_, value)) {
        ApplyIfOpen();
    }
}

void TSerialLink::SetStopBits(std::uint8_t value) {
    if (Change(stopBits_, value)) {
        ApplyIfOpen();
    }
}

void TSerialLink::SetDataBits(std::uint8_t value) {
    if (Change(dataBits_, value)) {
        ApplyIfOpen();
    }
}

void TSerialLink::SetXONChar(char value) {
    if (Change(xonChar_, value)) {
        ApplyIfOpen();
    }
}

void TSerialLink::SetXOFFChar(char value) {
    if (Change(xoffChar_, value)) {
        ApplyIfOpen();
    }
}

void TSerialLink::SetXONLimDiv(std::uint8_t value) {
    if (value > 100) {
        ProcessError(100, value, 1, "Warning XOnLimDef set to 100");
        value = 100;
    }
    if (Change(xonLimDiv_, value)) {
        ApplyIfOpen();
    }
}

void TSerialLink::SetXOFFLimDiv(std::uint8_t value) {
    if (value > 100) {
        ProcessError(100, value, 1, "Warning XOffLimDef set to 100");
        value = 100;
    }
    if (Change(xoffLimDiv_, value)) {
        ApplyIfOpen();
    }
}

void TSerialLink::SetFlowControl(std::int32_t value) {
    if (Change(flowControl_, value)) {
        ApplyIfOpen();
    }
}

void TSerialLink::SetStripNullChars(bool value) {
    if (Change(stripNullChars_, value)) {
        ApplyIfOpen();
    }
}

void TSerialLink::SetEventChar(char value) {
    if (Change(eventChar_, value)) {
        ApplyIfOpen();
    }
}

void TSerialLink::SetRTOCharDelayTime(std::uint32_t value) {
    rtoCharDelayTime_ = value;
}
void TSerialLink::SetRTOExtraDelayTime(std::uint16_t value) {
    rtoExtraDelayTime_ = value;
}
void TSerialLink::SetClusterSize(std::uint16_t value) {
    clusterSize_ = value;
}

void TSerialLink::SetRxQueueSize(std::uint16_t value) {
    if (Change(rxQueueSize_, value)) {
        SetQueueSizes(101);
    }
}

void TSerialLink::SetTxQueueSize(std::uint16_t value) {
    if (Change(txQueueSize_, value)) {
        SetQueueSizes(102);
    }
}

// Made also while closed, where it fails and is reported.
void TSerialLink::SetQueueSizes(std::uint32_t place) {
    const std::uint32_t code = device_ ? device_->SetQueueSizes(rxQueueSize_, txQueueSize_) : kErrorNoDevice;
    if (code != kDeviceOk) {
        ProcessError(place, code, 0, "Error can not set Quesize");
    }
}

void TSerialLink::SetWTOCharDelayTime(std::uint32_t value) {
    if (Change(wtoCharDelayTime_, value)) {
        ApplyIfOpen();
    }
}

void TSerialLink::SetWTOExtraDelayTime(std::uint16_t value) {
    if (Change(wtoExtraDelayTime_, value)) {
        ApplyIfOpen();
    }
}

void TSerialLink::SetXTOAuto(bool value) {
    if (Change(xtoAuto_, value) && value) {
        AutoSetXTO();
    }
}

void TSerialLink::AutoSetXTO() {
    std::uint32_t microseconds = 1100;
    for (const CharTimeRow& row : kCharTimes) {
        if (row.baudRate <= baudRate_) {
            microseconds = row.microseconds;
        }
    }
    SetRTOCharDelayTime(microseconds);
    SetWTOCharDelayTime(microseconds);
}

std::uint32_t TSerialLink::DriveLine(SerialLine line, std::uint32_t place, const char* msg) {
    const std::uint32_t code = device_->SetLine(line);
    if (code != kDeviceOk) {
        ProcessError(place, code, 0, msg);
    }
    return code;
}

void TSerialLink::SetRTSState(bool value) {
    if (!device_) {
        return;
    }
    lastRtsError_ = value ? DriveLine(SerialLine::SetRts, 501, "Error setting RTS")
                          : DriveLine(SerialLine::ClearRts, 502, "Error clearing RTS");
    rtsState_ = value;
}

void TSerialLink::SetDTRState(bool value) {
    if (!device_) {
        return;
    }
    if (value) {
        DriveLine(SerialLine::SetDtr, 601, "Error setting DTR");
    } else {
        DriveLine(SerialLine::ClearDtr, 602, "Error clearing DTR");
    }
    dtrState_ = value;
}

void TSerialLink::SetBREAKState(bool value) {
    if (!device_) {
        return;
    }
    const std::uint32_t code = device_->SetBreak(value);
    if (code != kDeviceOk) {
        ProcessError(value ? 701 : 702, code, 0, value ? "Error setting BREAK State" : "Error clearing BREAK State");
    }
    breakState_ = value;
}

void TSerialLink::SetErrorNoise(std::uint8_t value) {
    errorNoise_ = value;
}
void TSerialLink::SetReadRequest(bool value) {
    readRequest_ = value;
}

void TSerialLink::SetDeviceCreator(SerialDeviceCreator creator) {
    deviceCreator_ = std::move(creator);
}

// --- operations ---

void TSerialLink::ProcessError(std::uint32_t place, std::uint32_t code, std::uint8_t noise, const std::string& msg) {
    if (!destroying_ && noise <= errorNoise_ && OnProcessError) {
        OnProcessError(*this, place, code, msg, noise);
    }
}

void TSerialLink::FireEvent(const TSerialEvent<TNotifyEvent>& event) {
    // A step handed over just before destruction began must not reach a handler whose
    // owner is going away.
    if (event && !destroying_) {
        event(*this);
    }
}

void TSerialLink::SendString(std::string_view s) {
    if (!s.empty()) {
        SendData(s.data(), static_cast<std::uint32_t>(s.size()));
    }
}

void TSerialLink::SendData(const void* buffer, std::uint32_t count) {
    if (sendInProgress_) {
        ProcessError(901, 0, 2, "Msg, dont enter SendData while SendInProgress is set");
        return;
    }
    SerialDevice* device = device_.get();
    std::uint32_t code = kErrorNoDevice;
    if (device) {
        SerialTimeouts timeouts;
        device->GetTimeouts(timeouts);
        timeouts = SerialTimeouts{};
        timeouts.ReadIntervalTimeout = 0xFFFFFFFFu;
        // The product is taken in 32 bits, as the device's time-out field is.
        timeouts.WriteTotalTimeoutConstant = count * wtoCharDelayTime_ / 1000 + wtoExtraDelayTime_;
        code = device->SetTimeouts(timeouts);
    }
    if (code != kDeviceOk) {
        ProcessError(902, code, 0, "Error setting CommTimeout");
    }
    writeCount_ = count;
    // The bytes stay valid until the write is over; the one before is kept a while longer
    // in case the device still holds a write that the worker gave up on.
    previousWriteBuffer_ = std::move(writeBuffer_);
    const auto* bytes = static_cast<const std::uint8_t*>(buffer);
    writeBuffer_.assign(bytes, bytes + count);
    std::uint32_t written = 0;
    code = device ? device->StartWrite(writeBuffer_.data(), count, written) : kErrorNoDevice;
    if (code == kDeviceOk) {
        writtenBytes_ = written;
        FireEvent(OnWriteDone);
        return;
    }
    lastWriteError_ = code;
    if (code == kErrorIoPending) {
        writeStartTick_ = device->TickCount();
        sendInProgress_ = true;
        return;
    }
    ProcessError(903, code, 0, "Error writing Data");
    if (device) {
        const std::uint32_t resetCode = device->ResetWriteCompletion();
        if (resetCode != kDeviceOk) {
            ProcessError(1101, resetCode, 0, "Error resetting Overlapped Event");
        }
    }
    sendInProgress_ = false;
}

std::string TSerialLink::ReadNextClusterAsString() {
    if (clusters_.empty()) {
        return {};
    }
    std::string text = clusters_.front().TakeData();
    clusters_.pop_front();
    return text;
}

const TSerialCluster* TSerialLink::NextCluster() const {
    return clusters_.empty() ? nullptr : &clusters_.front();
}

void TSerialLink::AppendCluster(TSerialCluster&& cluster) {
    clusters_.push_back(std::move(cluster));
    FireEvent(OnRxClusterEvent);
}

} // namespace zeft
