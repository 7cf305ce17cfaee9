// TSerialLink: opening, closing and line settings of the port.
#include "serial/SerialLink.h"

#include "serial/WorkThread.h"

#include <chrono>
#include <string>
#include <thread>
#include <utility>

namespace zeft {

namespace {
constexpr auto kCloseWaitStep = std::chrono::milliseconds(75);
constexpr int kCloseWaitSteps = 15;
constexpr std::uint32_t kAllPurgeFlags = kPurgeTxAbort | kPurgeRxAbort | kPurgeTxClear | kPurgeRxClear;
} // namespace

void TSerialLink::ReactivatePort(bool newActive) {
    if (device_) {
        ClosePort();
    }
    if (newActive) {
        OpenPort();
    }
}

void TSerialLink::ClosePort() {
    ProcessError(100, 0, 2, "Msg start deactivating Port");
    std::uint32_t code = device_->SetEventMask(0);
    if (code != kDeviceOk) {
        ProcessError(101, code, 0, "Error disabling CommEvents");
    }
    shared_.active = false;
    worker_->Wake(); // out of a pause, so that it winds down now
    code = device_->Purge(kAllPurgeFlags);
    if (code != kDeviceOk) {
        ProcessError(102, code, 0, "Error clearing Queues");
    }
    // No draining here: a worker held in a hand-over keeps its step until the close is over.
    for (int i = 0; i < kCloseWaitSteps && shared_.workerRunning; ++i) {
        std::this_thread::sleep_for(kCloseWaitStep);
    }
    if (shared_.workerRunning) {
        ProcessError(104, 0, 1, "Warning ThreadIsRunning");
    }
    SetDTRState(false);
    SetRTSState(false);
    code = device_->Close();
    if (code != kDeviceOk) {
        ProcessError(103, code, 0, "Error closing Port");
    }
    // A worker still busy may hold the device until its pass ends; it is freed later.
    shared_.device = nullptr;
    retiredDevices_.push_back(std::move(device_));
    ReleaseRetiredDevices();
}

void TSerialLink::OpenPort() {
    ProcessError(110, 0, 2, "Msg start reactivating Port");
    ReleaseRetiredDevices();
    if (settings_.CommPort.size() > kMaxCommPortLength) {
        lastOpenErrorText_ = "the port name is longer than " + std::to_string(kMaxCommPortLength) + " characters";
        ProcessError(112, kErrorInvalidParameter, 0, "Error reopening Port");
        return;
    }
    std::unique_ptr<SerialDevice> device = deviceCreator_ ? deviceCreator_(settings_.CommPort) : nullptr;
    if (!device) {
        lastOpenErrorText_ = "no device backend for this port";
        ProcessError(112, kErrorInvalidParameter, 0, "Error reopening Port");
        return;
    }
    std::uint32_t code = device->Open(settings_.CommPort);
    if (code != kDeviceOk) {
        lastOpenErrorText_ = device->ErrorText(code);
        ProcessError(112, code, 0, "Error reopening Port");
        return;
    }
    lastOpenErrorText_.clear();
    device_ = std::move(device);
    // The worker finds the device before it can see the port active.
    shared_.device = device_.get();
    shared_.active = true;
    code = device_->SetQueueSizes(settings_.RxQueueSize, settings_.TxQueueSize);
    if (code != kDeviceOk) {
        ProcessError(111, code, 0, "Error setup Queuesize");
    }
    ApplyCommState();
    SetDTRState(true);
    SetRTSState(true);
    code = device_->SetEventMask(kEvAll);
    if (code != kDeviceOk) {
        ProcessError(201, code, 0, "Error activating CommEventMask");
    }
    worker_->Wake();
}

void TSerialLink::ReleaseRetiredDevices() {
    // Only while the worker is idle: it drops its device before it clears the flag.
    if (!shared_.workerRunning) {
        retiredDevices_.clear();
    }
}

void TSerialLink::ApplyCommState() {
    SerialLineSettings settings;
    std::uint32_t code = device_->GetLineSettings(settings);
    if (code != kDeviceOk) {
        ProcessError(801, code, 0, "Error getting DCB from CommState");
        return;
    }
    const PortSettings& s = settings_;
    settings.BaudRate = s.BaudRate;
    std::uint32_t flags = kDcbBinary;
    if (s.ParityType != 0) {
        flags |= kDcbParity;
    }
    if (s.ParityErrorReplacement) {
        flags |= kDcbErrorChar;
    }
    flags |= static_cast<std::uint32_t>(s.FlowControl);
    if (s.StripNullChars) {
        flags |= kDcbNull;
    }
    settings.Flags = flags;
    settings.ErrorChar = s.ParityErrorChar;
    settings.EvtChar = s.EventChar;
    settings.StopBits = s.StopBits;
    settings.ByteSize = s.DataBits;
    settings.Parity = s.ParityType;
    settings.XonChar = s.XONChar;
    settings.XoffChar = s.XOFFChar;
    settings.XonLim = static_cast<std::uint16_t>(s.RxQueueSize * s.XONLimDiv / 100);
    settings.XoffLim = static_cast<std::uint16_t>(s.RxQueueSize * s.XOFFLimDiv / 100);
    settings.EofChar = 0;

    SerialTimeouts timeouts;
    device_->GetTimeouts(timeouts);
    // A read returns at once with what is buffered; a write has no total time-out until
    // SendData gives it one.
    timeouts = SerialTimeouts{};
    timeouts.ReadIntervalTimeout = 0xFFFFFFFFu;
    code = device_->SetTimeouts(timeouts);
    if (code != kDeviceOk) {
        ProcessError(802, code, 0, "Error setting CommTimeout");
    }
    code = device_->SetLineSettings(settings);
    if (code != kDeviceOk) {
        ProcessError(802, code, 0, "Error setting CommState, 87 indicate that Parms are incorrect");
    }
}

} // namespace zeft
