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

// The component's values at creation: the stored defaults, but every report shown.
PortSettings CreationSettings() {
    PortSettings s;
    s.ErrorNoise = 255;
    return s;
}

} // namespace

TSerialLink::TSerialLink(HandOverQueue& queue)
    : settings_(CreationSettings()), shared_(queue, *this), deviceCreator_(SerialDeviceFactory::Create) {
    shared_.PublishSettings(settings_);
    worker_ = std::make_unique<TWorkThread>(shared_);
}

template <typename T> bool TSerialLink::ChangeSetting(T PortSettings::*member, T value) {
    if (settings_.*member == value) {
        return false;
    }
    settings_.*member = value;
    shared_.PublishSettings(settings_);
    return true;
}

PortSettings TSerialLink::Settings() const {
    PortSettings s = settings_;
    s.Active = shared_.active;
    return s;
}

TSerialLink::~TSerialLink() {
    if (shared_.stepsRunning > 0) {
        // The worker waits for the handler that is destroying us, and we would wait for the
        // worker: neither could ever go on. Stop loudly instead of hanging.
        std::fputs("TSerialLink destroyed inside one of its own event handlers; destroy it after the handler "
                   "has returned\n",
                   stderr);
        std::abort();
    }
    shared_.destroying = true;
    ReactivatePort(false);
    worker_->Terminate();
    // A worker that hands a step over waits for this thread: drain while waiting.
    const auto first = HandOverQueue::Clock::now() + kDestroyWaitSteps * kDestroyWaitStep;
    shared_.queue.DrainUntil([this] { return !shared_.workerRunning; }, first);
    while (!shared_.queue.DrainUntil([this] { return shared_.workerFinished.load(); },
                                     HandOverQueue::Clock::now() + std::chrono::seconds(1))) {
    }
    worker_->Join();
    clusters_.clear();
    worker_.reset();
    retiredDevices_.clear();
}

// --- properties ---

void TSerialLink::SetActive(bool value) {
    if (value != shared_.active) {
        ReactivatePort(value);
    }
}

std::uint32_t TSerialLink::ComHandle() const {
    return device_ ? device_->NativeHandle() : kNoDeviceHandle;
}

void TSerialLink::SetCommPort(const std::string& value) {
    if (ChangeSetting(&PortSettings::CommPort, value)) {
        ReactivatePort(shared_.active);
    }
}

void TSerialLink::SetBaudRate(std::uint32_t value) {
    if (!ChangeSetting(&PortSettings::BaudRate, value)) {
        return;
    }
    if (settings_.XTOAuto) {
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
    if (ChangeSetting(&PortSettings::ParityType, value)) {
        ApplyIfOpen();
    }
}

void TSerialLink::SetParityErrorChar(char value) {
    if (ChangeSetting(&PortSettings::ParityErrorChar, value)) {
        ApplyIfOpen();
    }
}

void TSerialLink::SetParityErrorReplacement(bool value) {
    if (ChangeSetting(&PortSettings::ParityErrorReplacement, value)) {
        ApplyIfOpen();
    }
}

void TSerialLink::SetStopBits(std::uint8_t value) {
    if (ChangeSetting(&PortSettings::StopBits, value)) {
        ApplyIfOpen();
    }
}

void TSerialLink::SetDataBits(std::uint8_t value) {
    if (ChangeSetting(&PortSettings::DataBits, value)) {
        ApplyIfOpen();
    }
}

void TSerialLink::SetXONChar(char value) {
    if (ChangeSetting(&PortSettings::XONChar, value)) {
        ApplyIfOpen();
    }
}

void TSerialLink::SetXOFFChar(char value) {
    if (ChangeSetting(&PortSettings::XOFFChar, value)) {
        ApplyIfOpen();
    }
}

void TSerialLink::SetXONLimDiv(std::uint8_t value) {
    if (value > 100) {
        ProcessError(100, value, 1, "Warning XOnLimDef set to 100");
        value = 100;
    }
    if (ChangeSetting(&PortSettings::XONLimDiv, value)) {
        ApplyIfOpen();
    }
}

void TSerialLink::SetXOFFLimDiv(std::uint8_t value) {
    if (value > 100) {
        ProcessError(100, value, 1, "Warning XOffLimDef set to 100");
        value = 100;
    }
    if (ChangeSetting(&PortSettings::XOFFLimDiv, value)) {
        ApplyIfOpen();
    }
}

void TSerialLink::SetFlowControl(std::int32_t value) {
    if (ChangeSetting(&PortSettings::FlowControl, value)) {
        ApplyIfOpen();
    }
}

void TSerialLink::SetStripNullChars(bool value) {
    if (ChangeSetting(&PortSettings::StripNullChars, value)) {
        ApplyIfOpen();
    }
}

void TSerialLink::SetEventChar(char value) {
    if (ChangeSetting(&PortSettings::EventChar, value)) {
        ApplyIfOpen();
    }
}

void TSerialLink::SetRTOCharDelayTime(std::uint32_t value) {
    ChangeSetting(&PortSettings::RTOCharDelayTime, value);
}
void TSerialLink::SetRTOExtraDelayTime(std::uint16_t value) {
    ChangeSetting(&PortSettings::RTOExtraDelayTime, value);
}
void TSerialLink::SetClusterSize(std::uint16_t value) {
    ChangeSetting(&PortSettings::ClusterSize, value);
}

void TSerialLink::SetRxQueueSize(std::uint16_t value) {
    if (ChangeSetting(&PortSettings::RxQueueSize, value)) {
        SetQueueSizes(101);
    }
}

void TSerialLink::SetTxQueueSize(std::uint16_t value) {
    if (ChangeSetting(&PortSettings::TxQueueSize, value)) {
        SetQueueSizes(102);
    }
}

// Made also while closed, where it fails and is reported.
void TSerialLink::SetQueueSizes(std::uint32_t place) {
    const std::uint32_t code =
        device_ ? device_->SetQueueSizes(settings_.RxQueueSize, settings_.TxQueueSize) : kErrorNoDevice;
    if (code != kDeviceOk) {
        ProcessError(place, code, 0, "Error can not set Quesize");
    }
}

void TSerialLink::SetWTOCharDelayTime(std::uint32_t value) {
    if (ChangeSetting(&PortSettings::WTOCharDelayTime, value)) {
        ApplyIfOpen();
    }
}

void TSerialLink::SetWTOExtraDelayTime(std::uint16_t value) {
    if (ChangeSetting(&PortSettings::WTOExtraDelayTime, value)) {
        ApplyIfOpen();
    }
}

void TSerialLink::SetXTOAuto(bool value) {
    if (ChangeSetting(&PortSettings::XTOAuto, value) && value) {
        AutoSetXTO();
    }
}

void TSerialLink::AutoSetXTO() {
    std::uint32_t microseconds = 1100;
    for (const CharTimeRow& row : kCharTimes) {
        if (row.baudRate <= settings_.BaudRate) {
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
    ChangeSetting(&PortSettings::RTSState, value);
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
    ChangeSetting(&PortSettings::DTRState, value);
}

void TSerialLink::SetBREAKState(bool value) {
    if (!device_) {
        return;
    }
    const std::uint32_t code = device_->SetBreak(value);
    if (code != kDeviceOk) {
        ProcessError(value ? 701 : 702, code, 0, value ? "Error setting BREAK State" : "Error clearing BREAK State");
    }
    ChangeSetting(&PortSettings::BREAKState, value);
}

void TSerialLink::SetErrorNoise(std::uint8_t value) {
    ChangeSetting(&PortSettings::ErrorNoise, value);
}
void TSerialLink::SetReadRequest(bool value) {
    shared_.readRequest = value;
}

void TSerialLink::SetDeviceCreator(SerialDeviceCreator creator) {
    deviceCreator_ = std::move(creator);
}

// --- operations ---

void TSerialLink::ProcessError(std::uint32_t place, std::uint32_t code, std::uint8_t noise, const std::string& msg) {
    if (!shared_.destroying && noise <= settings_.ErrorNoise && OnProcessError) {
        OnProcessError(*this, place, code, msg, noise);
    }
}

void TSerialLink::FireEvent(const TSerialEvent<TNotifyEvent>& event) {
    // A step handed over just before destruction began must not reach a handler whose
    // owner is going away.
    if (event && !shared_.destroying) {
        event(*this);
    }
}

void TSerialLink::SendString(std::string_view s) {
    if (!s.empty()) {
        SendData(s.data(), static_cast<std::uint32_t>(s.size()));
    }
}

void TSerialLink::SendData(const void* buffer, std::uint32_t count) {
    if (shared_.sendInProgress) {
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
        timeouts.WriteTotalTimeoutConstant = count * settings_.WTOCharDelayTime / 1000 + settings_.WTOExtraDelayTime;
        code = device->SetTimeouts(timeouts);
    }
    if (code != kDeviceOk) {
        ProcessError(902, code, 0, "Error setting CommTimeout");
    }
    shared_.writeCount = count;
    // The bytes stay valid until the write is over; the one before is kept a while longer
    // in case the device still holds a write that the worker gave up on.
    previousWriteBuffer_ = std::move(writeBuffer_);
    const auto* bytes = static_cast<const std::uint8_t*>(buffer);
    writeBuffer_.assign(bytes, bytes + count);
    std::uint32_t written = 0;
    code = device ? device->StartWrite(writeBuffer_.data(), count, written) : kErrorNoDevice;
    if (code == kDeviceOk) {
        shared_.writtenBytes = written;
        FireEvent(OnWriteDone);
        return;
    }
    if (code == kErrorIoPending) {
        shared_.writeStartTick = device->TickCount();
        shared_.sendInProgress = true;
        return;
    }
    ProcessError(903, code, 0, "Error writing Data");
    if (device) {
        const std::uint32_t resetCode = device->ResetWriteCompletion();
        if (resetCode != kDeviceOk) {
            ProcessError(1101, resetCode, 0, "Error resetting Overlapped Event");
        }
    }
    shared_.sendInProgress = false;
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

} // namespace zeft
