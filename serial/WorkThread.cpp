#include "serial/WorkThread.h"

#include "serial/SerialCluster.h"
#include "serial/SerialLinkShared.h"

#include <algorithm>
#include <chrono>
#include <utility>

namespace zeft {

namespace {
constexpr std::uint32_t kPassWaitMs = 75;
constexpr auto kIdleSleep = std::chrono::milliseconds(200);
constexpr std::uint32_t kReadAtOnceErrors = kCeRxOver | kCeOverrun | kCeRxParity | kCeFrame | kCeBreak;

} // namespace

TWorkThread::TWorkThread(SerialLinkShared& shared) : shared_(shared) {
    thread_ = std::thread([this] { Execute(); });
}

TWorkThread::~TWorkThread() {
    Terminate();
    Join();
}

void TWorkThread::Terminate() {
    terminated_ = true;
    Wake();
}

void TWorkThread::Wake() {
    {
        std::lock_guard lock(sleepMutex_);
        wakeRequested_ = true;
    }
    sleepWake_.notify_all();
}

void TWorkThread::Join() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

void TWorkThread::Execute() {
    serving_ = shared_.active;
    for (;;) {
        if (serving_) {
            ServePass();
        } else {
            // Drop the device before clearing the flag: the main thread frees closed
            // devices only while the flag is clear.
            device_ = nullptr;
            shared_.workerRunning = false;
            IdlePause();
            serving_ = shared_.active;
        }
        if (terminated_ && !serving_) {
            break;
        }
    }
    shared_.workerRunning = false;
    shared_.workerFinished = true;
    shared_.queue.Interrupt();
}

void TWorkThread::IdlePause() {
    std::unique_lock lock(sleepMutex_);
    if (!wakeRequested_ && !terminated_ && !shared_.active) {
        sleepWake_.wait_for(lock, kIdleSleep, [this] { return wakeRequested_; });
    }
    wakeRequested_ = false;
}

void TWorkThread::ServePass() {
    shared_.workerRunning = true;
    if (SerialDevice* current = shared_.device; current && current != device_) {
        MoveToDevice(current);
    }
    if (!device_) {
        // Opened and closed again before this pass began: nothing was started.
        serving_ = false;
        return;
    }
    if (DeviceActive()) {
        CheckModemAndComState();
    }
    CheckWrite();
    if (!readPending_ && DeviceActive()) {
        TryRead();
    }
    if (!waitPending_ && DeviceActive()) {
        StartWaitCommEvent();
    }
    WaitForPending();
    if (waitStartFailed_ && !readPending_ && !waitPending_ && DeviceActive()) {
        PauseAfterFailedWait();
    }
    if (Replaced()) {
        return; // the next pass moves to the new device
    }
    if (!shared_.active) {
        WindDown();
    }
}

// A close that gave up on the worker (it was held in a hand-over) may be followed by an
// open before the worker comes back. What was outstanding belonged to the closed device,
// whose close ended it; nothing of it may be waited for on the new one.
void TWorkThread::MoveToDevice(SerialDevice* device) {
    device_ = device;
    readPending_ = false;
    waitPending_ = false;
    waitStartFailed_ = false;
    ReleaseReadBuffer();
    eventMask_ = 0;
    lineErrors_ = 0;
    inQueue_ = 0;
}

bool TWorkThread::Replaced() const {
    SerialDevice* current = shared_.device;
    return current != nullptr && current != device_;
}

bool TWorkThread::DeviceActive() const {
    return shared_.active && shared_.device == device_;
}

// An event wait that cannot even start leaves nothing to wait for, and the next pass would
// follow at once: a device that keeps refusing (unplugged, or a driver without line
// events) would keep the worker spinning and flood the main thread with reports. The
// pass takes its usual time instead; closing or terminating cuts it short.
void TWorkThread::PauseAfterFailedWait() {
    std::unique_lock lock(sleepMutex_);
    sleepWake_.wait_for(lock, std::chrono::milliseconds(kPassWaitMs),
                        [this] { return wakeRequested_ || terminated_ || !DeviceActive(); });
    wakeRequested_ = false;
}

void TWorkThread::WaitForPending() {
    if (!readPending_ && !waitPending_) {
        return;
    }
    const bool both = readPending_ && waitPending_;
    const SerialWaitOutcome outcome = device_->WaitForCompletion(readPending_, waitPending_, kPassWaitMs);
    if (DeviceActive()) {
        CheckModemAndComState();
    }
    switch (outcome.Result) {
    case SerialWaitResult::ReadDone:
        FinishRead();
        break;
    case SerialWaitResult::EventDone:
        FinishWaitCommEvent();
        break;
    case SerialWaitResult::TimedOut:
        break;
    case SerialWaitResult::Failed: {
        const std::uint32_t place = both ? 9911 : (readPending_ ? 9912 : 9913);
        // The requests are taken back before their records and the read buffer are given
        // up: the system may still be completing them.
        std::uint32_t ignored = 0;
        if (readPending_) {
            device_->ReadResult(ignored);
        }
        if (waitPending_) {
            device_->EventResult(ignored);
        }
        readPending_ = false;
        waitPending_ = false;
        ReleaseReadBuffer();
        Report(place, outcome.Code, "Error getting Overlappedresult");
        break;
    }
    }
}

// The port is being closed: cut short what is outstanding, and go idle once nothing is.
void TWorkThread::WindDown() {
    if (readPending_) {
        const std::uint32_t code = device_->SignalReadCompletion();
        if (code != kDeviceOk) {
            Report(1101, code, "Error resetting Overlapped Event");
        }
    }
    if (waitPending_) {
        device_->SetEventMask(0);
        const std::uint32_t code = device_->SignalEventCompletion();
        if (code != kDeviceOk) {
            Report(1101, code, "Error resetting Overlapped Event");
        }
    }
    if (!readPending_ && !waitPending_ && !shared_.sendInProgress) {
        serving_ = false;
    }
}

void TWorkThread::CheckModemAndComState() {
    std::uint32_t status = 0;
    std::uint32_t code = device_->GetModemStatus(status);
    if (code != kDeviceOk) {
        Report(9905, code, "Error getting ModemStatus");
    } else {
        const std::uint32_t previous = shared_.modemState;
        const bool ringChanged = ((status ^ previous) & kMsRingOn) != 0;
        shared_.modemState = status;
        shared_.ctsState = (status & kMsCtsOn) != 0;
        shared_.dsrState = (status & kMsDsrOn) != 0;
        shared_.rlsdState = (status & kMsRlsdOn) != 0;
        shared_.ringState = (status & kMsRingOn) != 0;
        if (ringChanged && shared_.steps.Listens(LinkEvent::Ring)) {
            HandOver([this] { shared_.steps.Fire(LinkEvent::Ring); });
        }
    }

    SerialDeviceStatus device;
    code = device_->ClearError(device);
    if (code != kDeviceOk) {
        Report(9803, code, "Error ClearCommError");
        return;
    }
    // Kept until the bytes they came with are read: the next poll clears the device's copy,
    // and the read decision comes a poll or two later.
    lineErrors_ |= device.Errors;
    inQueue_ = device.InQueue;
    if (device.Errors == shared_.commError && device.HoldFlags == shared_.commStateFlags &&
        device.InQueue == shared_.commStateInQueue && device.OutQueue == shared_.commStateOutQueue) {
        return;
    }
    shared_.commError = device.Errors;
    shared_.commStateFlags = device.HoldFlags;
    shared_.commStateInQueue = device.InQueue;
    shared_.commStateOutQueue = device.OutQueue;
    if (shared_.steps.Listens(LinkEvent::CommStat)) {
        HandOver([this] { shared_.steps.Fire(LinkEvent::CommStat); });
    }
}

void TWorkThread::CheckWrite() {
    if (!shared_.sendInProgress || Replaced()) {
        return; // a write the main thread started since belongs to the new device
    }
    std::uint32_t transferred = 0;
    const std::uint32_t code = device_->WriteResult(transferred);
    if (code == kErrorIoIncomplete) {
        return;
    }
    if (code == kDeviceOk) {
        shared_.writtenBytes = transferred;
        shared_.sendInProgress = false;
        if (transferred != shared_.writeCount) {
            Report(9701, 0, "Error write TimeOut");
        }
    } else if (code == kErrorIoPending) {
        // Elapsed against the allowance for what was written so far, fractions kept.
        const std::uint32_t elapsed = device_->TickCount() - shared_.writeStartTick;
        const std::uint64_t allowanceUs = std::uint64_t{transferred} * Settings().WTOCharDelayTime +
                                          std::uint64_t{Settings().WTOExtraDelayTime} * 1000;
        if (std::uint64_t{elapsed} * 1000 <= allowanceUs) {
            return;
        }
        shared_.writtenBytes = transferred;
        shared_.sendInProgress = false;
        const std::uint32_t resetCode = device_->ResetWriteCompletion();
        if (resetCode != kDeviceOk) {
            Report(1101, resetCode, "Error resetting Overlapped Event");
        }
        Report(9701, kErrorIoPending, "Error write TimeOut");
    } else {
        shared_.sendInProgress = false;
        const std::uint32_t resetCode = device_->ResetWriteCompletion();
        if (resetCode != kDeviceOk) {
            Report(1101, resetCode, "Error resetting Overlapped Event");
        }
        Report(9702, code, "Error getting Overlapped Result");
    }
    if (shared_.steps.Listens(LinkEvent::WriteDone)) {
        HandOver([this] { shared_.steps.Fire(LinkEvent::WriteDone); });
    }
}

void TWorkThread::TryRead() {
    const std::uint32_t waiting = inQueue_;
    const std::uint32_t now = device_->TickCount();
    if (waiting == 0) {
        lastEmptyTick_ = now;
        lineErrors_ = 0;
        return;
    }
    // The bytes have waited longer than their own transmission time plus the extra time
    // (all in microseconds, so that fractions of a millisecond count).
    const std::uint64_t waitedUs = std::uint64_t{now - lastEmptyTick_} * 1000;
    const std::uint64_t allowanceUs =
        std::uint64_t{waiting} * Settings().RTOCharDelayTime + std::uint64_t{Settings().RTOExtraDelayTime} * 1000;
    const bool readNow = shared_.readRequest || waiting >= Settings().ClusterSize || waitedUs > allowanceUs ||
                         (lineErrors_ & kReadAtOnceErrors) != 0;
    if (!readNow) {
        return;
    }
    // The cluster's own string: the bytes are read into it once and then only moved.
    readBuffer_.resize(waiting);
    std::uint32_t count = 0;
    const std::uint32_t code = device_->StartRead(ReadBufferData(), waiting, count);
    if (code == kDeviceOk) {
        shared_.readRequest = false;
        DeliverCluster(count);
        ReleaseReadBuffer();
        lastEmptyTick_ = device_->TickCount();
    } else if (code == kErrorIoPending) {
        readPending_ = true;
    } else {
        shared_.readRequest = false;
        ReleaseReadBuffer();
        Report(9804, code, "Error reading Data");
    }
}

void TWorkThread::DeliverCluster(std::uint32_t count) {
    if (shared_.destroying) {
        return;
    }
    readBuffer_.resize(std::min<std::size_t>(count, readBuffer_.size()));
    TSerialCluster cluster(std::move(readBuffer_), lineErrors_);
    lineErrors_ = 0;
    HandOver([this, &cluster] { shared_.steps.AppendCluster(std::move(cluster)); });
}

void TWorkThread::ReleaseReadBuffer() {
    std::string().swap(readBuffer_);
}

const PortSettings& TWorkThread::Settings() {
    shared_.TakeSettings(settings_, settingsVersion_);
    return settings_;
}

std::uint8_t* TWorkThread::ReadBufferData() {
    return reinterpret_cast<std::uint8_t*>(readBuffer_.data());
}

void TWorkThread::StartWaitCommEvent() {
    const std::uint32_t code = device_->StartWaitEvent(eventMask_);
    waitStartFailed_ = code != kDeviceOk && code != kErrorIoPending;
    if (code == kDeviceOk) {
        CheckModemAndComState();
        DispatchCommEvents();
    } else if (code == kErrorIoPending) {
        waitPending_ = true;
    } else {
        Report(9907, code, "Error calling WaitCommEvent");
    }
}

void TWorkThread::FinishRead() {
    std::uint32_t transferred = 0;
    const std::uint32_t code = device_->ReadResult(transferred);
    readPending_ = false;
    if (code == kDeviceOk) {
        DeliverCluster(transferred);
        lastEmptyTick_ = device_->TickCount();
    } else if (code == kErrorOperationAborted) {
        Report(9907, code, "Error read aborted");
    } else {
        Report(9908, code, "Error getting Overlappedresult");
    }
    ReleaseReadBuffer();
}

// The modem and error state were read right after the wait ended.
void TWorkThread::FinishWaitCommEvent() {
    device_->EventResult(eventMask_);
    if (DeviceActive()) {
        DispatchCommEvents();
    }
    waitPending_ = false;
}

void TWorkThread::DispatchCommEvents() {
    if (shared_.destroying) {
        return;
    }
    const std::uint32_t mask = eventMask_;
    shared_.commEvent = mask;
    if (mask == 0) {
        return;
    }
    if (!shared_.steps.ListensToLineEvents(mask)) {
        return;
    }
    // One hand-over for the whole mask: the handlers run in order with the worker waiting.
    HandOver([this, mask] { shared_.steps.FireLineEvents(mask); });
}

void TWorkThread::Report(std::uint32_t place, std::uint32_t code, const char* msg) {
    if (!shared_.steps.ListensToReports()) {
        return; // nobody to tell: no need to stop for the main thread
    }
    reportPlace_ = place;
    reportCode_ = code;
    reportMsg_ = msg;
    HandOver([this] { shared_.steps.Report(reportPlace_, reportCode_, reportMsg_); });
}

void TWorkThread::HandOver(const std::function<void()>& step) {
    // The mark is the main thread's own: steps run there, one at a time.
    const auto marked = [this, &step] {
        ++shared_.stepsRunning;
        step();
        --shared_.stepsRunning;
    };
    shared_.queue.RunOnMainThread(marked, device_ ? device_->WaiterForHandOvers() : nullptr);
}

} // namespace zeft
