#include "serial/WorkThread.h"

#include "serial/SerialLink.h"

#include <algorithm>
#include <chrono>
#include <utility>

namespace zeft {

namespace {
constexpr std::uint32_t kPassWaitMs = 75;
constexpr auto kIdleSleep = std::chrono::milliseconds(200);
constexpr std::uint32_t kReadAtOnceErrors = kCeRxOver | kCeOverrun | kCeRxParity | kCeFrame | kCeBreak;

// Event handlers in the order the main thread sees them.
struct EventSlot {
    std::uint32_t bit;
    TSerialEvent<TNotifyEvent> TSerialLink::*handler;
};
constexpr EventSlot kEventOrder[] = {
    {kEvBreak, &TSerialLink::OnBreakEvent},
    {kEvCts, &TSerialLink::OnCTSEvent},
    {kEvDsr, &TSerialLink::OnDSREvent},
    {kEvErr, &TSerialLink::OnLineErrorEvent},
    {kEvRing, &TSerialLink::OnRingEvent},
    {kEvRlsd, &TSerialLink::OnRLSDEvent},
    {kEvRxChar, &TSerialLink::OnRxCharEvent},
    {kEvRxFlag, &TSerialLink::OnRxEventCharEvent},
    {kEvTxEmpty, &TSerialLink::OnTxQueueEmptyEvent},
};
} // namespace

TWorkThread::TWorkThread(TSerialLink& link) : link_(link) {
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
    serving_ = link_.active_;
    for (;;) {
        if (serving_) {
            ServePass();
        } else {
            // Drop the device before clearing the flag: the main thread frees closed
            // devices only while the flag is clear.
            device_ = nullptr;
            link_.workerRunning_ = false;
            IdlePause();
            serving_ = link_.active_;
        }
        if (terminated_ && !serving_) {
            break;
        }
    }
    link_.workerRunning_ = false;
    link_.workerFinished_ = true;
    link_.queue_.Interrupt();
}

void TWorkThread::IdlePause() {
    std::unique_lock lock(sleepMutex_);
    if (!wakeRequested_ && !terminated_ && !link_.active_) {
        sleepWake_.wait_for(lock, kIdleSleep, [this] { return wakeRequested_; });
    }
    wakeRequested_ = false;
}

void TWorkThread::ServePass() {
    link_.workerRunning_ = true;
    if (SerialDevice* current = link_.workerDevice_; current && current != device_) {
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
    if (!link_.active_) {
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
    SerialDevice* current = link_.workerDevice_;
    return current != nullptr && current != device_;
}

bool TWorkThread::DeviceActive() const {
    return link_.active_ && link_.workerDevice_ == device_;
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
    if (!readPending_ && !waitPending_ && !link_.sendInProgress_) {
        serving_ = false;
    }
}

void TWorkThread::CheckModemAndComState() {
    std::uint32_t status = 0;
    std::uint32_t code = device_->GetModemStatus(status);
    if (code != kDeviceOk) {
        Report(9905, code, "Error getting ModemStatus");
    } else {
        const std::uint32_t previous = link_.modemState_;
        const bool ringChanged = ((status ^ previous) & kMsRingOn) != 0;
        link_.modemState_ = status;
        link_.ctsState_ = (status & kMsCtsOn) != 0;
        link_.dsrState_ = (status & kMsDsrOn) != 0;
        link_.rlsdState_ = (status & kMsRlsdOn) != 0;
        link_.ringState_ = (status & kMsRingOn) != 0;
        if (ringChanged && link_.OnRIEvent.Assigned()) {
            HandOver([this] { link_.FireEvent(link_.OnRIEvent); });
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
    if (device.Errors == link_.commError_ && device.HoldFlags == link_.commStateFlags_ &&
        device.InQueue == link_.commStateInQueue_ && device.OutQueue == link_.commStateOutQueue_) {
        return;
    }
    link_.commError_ = device.Errors;
    link_.commStateFlags_ = device.HoldFlags;
    link_.commStateInQueue_ = device.InQueue;
    link_.commStateOutQueue_ = device.OutQueue;
    if (link_.OnCommStat.Assigned()) {
        HandOver([this] { link_.FireEvent(link_.OnCommStat); });
    }
}

void TWorkThread::CheckWrite() {
    if (!link_.sendInProgress_ || Replaced()) {
        return; // a write the main thread started since belongs to the new device
    }
    std::uint32_t transferred = 0;
    const std::uint32_t code = device_->WriteResult(transferred);
    if (code == kErrorIoIncomplete) {
        return;
    }
    if (code == kDeviceOk) {
        link_.writtenBytes_ = transferred;
        link_.sendInProgress_ = false;
        if (transferred != link_.writeCount_) {
            Report(9701, 0, "Error write TimeOut");
        }
    } else if (code == kErrorIoPending) {
        // Elapsed against the allowance for what was written so far, fractions kept.
        const std::uint32_t elapsed = device_->TickCount() - link_.writeStartTick_;
        const std::uint64_t allowanceUs =
            std::uint64_t{transferred} * link_.wtoCharDelayTime_ + std::uint64_t{link_.wtoExtraDelayTime_} * 1000;
        if (std::uint64_t{elapsed} * 1000 <= allowanceUs) {
            return;
        }
        link_.writtenBytes_ = transferred;
        link_.sendInProgress_ = false;
        const std::uint32_t resetCode = device_->ResetWriteCompletion();
        if (resetCode != kDeviceOk) {
            Report(1101, resetCode, "Error resetting Overlapped Event");
        }
        Report(9701, kErrorIoPending, "Error write TimeOut");
    } else {
        link_.sendInProgress_ = false;
        const std::uint32_t resetCode = device_->ResetWriteCompletion();
        if (resetCode != kDeviceOk) {
            Report(1101, resetCode, "Error resetting Overlapped Event");
        }
        Report(9702, code, "Error getting Overlapped Result");
    }
    if (link_.OnWriteDone.Assigned()) {
        HandOver([this] { link_.FireEvent(link_.OnWriteDone); });
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
        std::uint64_t{waiting} * link_.rtoCharDelayTime_ + std::uint64_t{link_.rtoExtraDelayTime_} * 1000;
    const bool readNow = link_.readRequest_ || waiting >= link_.clusterSize_ || waitedUs > allowanceUs ||
                         (lineErrors_ & kReadAtOnceErrors) != 0;
    if (!readNow) {
        return;
    }
    // The cluster's own string: the bytes are read into it once and then only moved.
    readBuffer_.resize(waiting);
    std::uint32_t count = 0;
    const std::uint32_t code = device_->StartRead(ReadBufferData(), waiting, count);
    if (code == kDeviceOk) {
        link_.readRequest_ = false;
        DeliverCluster(count);
        ReleaseReadBuffer();
        lastEmptyTick_ = device_->TickCount();
    } else if (code == kErrorIoPending) {
        readPending_ = true;
    } else {
        link_.readRequest_ = false;
        ReleaseReadBuffer();
        Report(9804, code, "Error reading Data");
    }
}

void TWorkThread::DeliverCluster(std::uint32_t count) {
    if (link_.destroying_) {
        return;
    }
    readBuffer_.resize(std::min<std::size_t>(count, readBuffer_.size()));
    TSerialCluster cluster(std::move(readBuffer_), lineErrors_);
    lineErrors_ = 0;
    HandOver([this, &cluster] { link_.AppendCluster(std::move(cluster)); });
}

void TWorkThread::ReleaseReadBuffer() {
    std::string().swap(readBuffer_);
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
    if (link_.destroying_) {
        return;
    }
    const std::uint32_t mask = eventMask_;
    link_.commEvent_ = mask;
    if (mask == 0) {
        return;
    }
    bool listened = link_.OnCommEvent.Assigned();
    for (const EventSlot& slot : kEventOrder) {
        listened = listened || ((mask & slot.bit) != 0 && (link_.*slot.handler).Assigned());
    }
    if (!listened) {
        return;
    }
    // One hand-over for the whole mask: the handlers run in order with the worker waiting.
    HandOver([this, mask] {
        for (const EventSlot& slot : kEventOrder) {
            if ((mask & slot.bit) != 0) {
                link_.FireEvent(link_.*slot.handler);
            }
        }
        link_.FireEvent(link_.OnCommEvent);
    });
}

void TWorkThread::Report(std::uint32_t place, std::uint32_t code, const char* msg) {
    if (!link_.OnProcessError.Assigned()) {
        return; // nobody to tell: no need to stop for the main thread
    }
    reportPlace_ = place;
    reportCode_ = code;
    reportMsg_ = msg;
    HandOver([this] { link_.ProcessError(reportPlace_, reportCode_, 0, reportMsg_); });
}

void TWorkThread::HandOver(const std::function<void()>& step) {
    // The mark is the main thread's own: steps run there, one at a time.
    const auto marked = [this, &step] {
        ++link_.workerStepsRunning_;
        step();
        --link_.workerStepsRunning_;
    };
    link_.queue_.RunOnMainThread(marked, device_ ? device_->WaiterForHandOvers() : nullptr);
}

} // namespace zeft
