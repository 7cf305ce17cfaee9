#pragma once

#include "serial/HandOverQueue.h"
#include "serial/SerialCluster.h"
#include "serial/SerialEvent.h"
#include "serial/device/SerialDevice.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zeft {

struct PortSettings;

// The longest port name that opens. A longer one is kept as given and refused at the
// open: cut short, it could name another device.
inline constexpr std::size_t kMaxCommPortLength = 255;

class TSerialLink;
class TWorkThread;

using TNotifyEvent = std::function<void(TSerialLink& sender)>;
// Sender, Place (report site), Code (as a rule the platform error), Msg, Noise (0 error,
// 1 warning, 2 message).
using TNotifyErrorEvent = std::function<void(TSerialLink& sender, std::uint32_t place, std::uint32_t code,
                                             const std::string& msg, std::uint8_t noise)>;
using SerialDeviceCreator = std::function<std::unique_ptr<SerialDevice>(const std::string& portName)>;

// Hold flags of CommStateFlags (the low byte of the device status word).
using TComStateFlags = std::uint8_t;
inline constexpr TComStateFlags kCtlHold = 0x01;
inline constexpr TComStateFlags kDsrHold = 0x02;
inline constexpr TComStateFlags kRlsHold = 0x04;
inline constexpr TComStateFlags kXoffHold = 0x08;
inline constexpr TComStateFlags kXOffSent = 0x10;
inline constexpr TComStateFlags kEof = 0x20;
inline constexpr TComStateFlags kTxim = 0x40;

// The serial component: owns one port, its line settings and timing values, drives RTS,
// DTR and BREAK, writes under a time-out and turns what happens on the line into events.
// A worker thread gathers received bytes into clusters and hands them, the line events and
// its reports to the main thread through the hand-over queue, waiting until each ran.
//
// Every public operation is for the main thread. Nothing raises: failures become reports
// through OnProcessError, and whether a port opened is read from Active afterwards.
class TSerialLink {
public:
    explicit TSerialLink(HandOverQueue& queue = HandOverQueue::MainThread());
    // Closes the port and ends the worker, draining the hand-over queue meanwhile. Not from
    // inside a handler that the worker handed over (it waits for that handler to return):
    // that stops the program with a message on stderr rather than hanging it.
    ~TSerialLink();
    TSerialLink(const TSerialLink&) = delete;
    TSerialLink& operator=(const TSerialLink&) = delete;

    // Properties, in declaration order. A setter given the current value does nothing,
    // except where noted.
    bool Active() const { return active_; }
    void SetActive(bool value);
    std::uint32_t ComHandle() const;
    const std::string& CommPort() const { return commPort_; }
    void SetCommPort(const std::string& value);
    std::uint32_t BaudRate() const { return baudRate_; }
    void SetBaudRate(std::uint32_t value);
    std::uint8_t ParityType() const { return parityType_; }
    void SetParityType(std::uint8_t value);
    char ParityErrorChar() const { return parityErrorChar_; }
    void SetParityErrorChar(char value);
    bool ParityErrorReplacement() const { return parityErrorReplacement_; }
    void SetParityErrorReplacement(bool value);
    std::uint8_t StopBits() const { return stopBits_; }
    void SetStopBits(std::uint8_t value);
    std::uint8_t DataBits() const { return dataBits_; }
    void SetDataBits(std::uint8_t value);
    char XONChar() const { return xonChar_; }
    void SetXONChar(char value);
    char XOFFChar() const { return xoffChar_; }
    void SetXOFFChar(char value);
    std::uint8_t XONLimDiv() const { return xonLimDiv_; }
    void SetXONLimDiv(std::uint8_t value);
    std::uint8_t XOFFLimDiv() const { return xoffLimDiv_; }
    void SetXOFFLimDiv(std::uint8_t value);
    std::int32_t FlowControl() const { return flowControl_; }
    void SetFlowControl(std::int32_t value);
    bool StripNullChars() const { return stripNullChars_; }
    void SetStripNullChars(bool value);
    char EventChar() const { return eventChar_; }
    void SetEventChar(char value);
    std::uint32_t RTOCharDelayTime() const { return rtoCharDelayTime_; }
    void SetRTOCharDelayTime(std::uint32_t value);
    std::uint16_t RTOExtraDelayTime() const { return rtoExtraDelayTime_; }
    void SetRTOExtraDelayTime(std::uint16_t value);
    std::uint16_t ClusterSize() const { return clusterSize_; }
    void SetClusterSize(std::uint16_t value); // always stored
    std::uint16_t RxQueueSize() const { return rxQueueSize_; }
    void SetRxQueueSize(std::uint16_t value);
    std::uint16_t TxQueueSize() const { return txQueueSize_; }
    void SetTxQueueSize(std::uint16_t value);
    std::uint32_t WTOCharDelayTime() const { return wtoCharDelayTime_; }
    void SetWTOCharDelayTime(std::uint32_t value);
    std::uint16_t WTOExtraDelayTime() const { return wtoExtraDelayTime_; }
    void SetWTOExtraDelayTime(std::uint16_t value);
    bool XTOAuto() const { return xtoAuto_; }
    void SetXTOAuto(bool value);
    bool RTSState() const { return rtsState_; }
    void SetRTSState(bool value); // drives the line while open (always), ignored while closed
    // The platform's code of the last RTS switch the open port refused (a port without
    // modem lines, such as a pseudo-terminal), 0 when the last switch went through.
    std::uint32_t LastRTSError() const { return lastRtsError_; }
    bool DTRState() const { return dtrState_; }
    void SetDTRState(bool value);
    bool BREAKState() const { return breakState_; }
    void SetBREAKState(bool value);
    bool CTSState() const { return ctsState_; }
    bool DSRState() const { return dsrState_; }
    bool RLSDState() const { return rlsdState_; }
    bool RingState() const { return ringState_; }
    std::uint8_t ErrorNoise() const { return errorNoise_; }
    void SetErrorNoise(std::uint8_t value); // always stored
    bool ReadRequest() const { return readRequest_; }
    void SetReadRequest(bool value); // always stored

    // Takes stored settings (every value but Active) without the setters' side effects:
    // nothing reaches an open device, XTOAuto recomputes nothing, the buffer sizes are not
    // passed on and the XON/XOFF dividers are not limited. ParityErrorChar still goes
    // through its setter. The values take effect at the next open.
    void StoreSettingsDirectly(const PortSettings& values);
    bool SendInProgress() const { return sendInProgress_; }
    std::uint32_t CommError() const { return commError_; }
    TComStateFlags CommStateFlags() const { return commStateFlags_; }
    std::uint32_t CommStateInQueue() const { return commStateInQueue_; }
    std::uint32_t CommStateOutQueue() const { return commStateOutQueue_; }
    std::uint32_t ModemState() const { return modemState_; }
    std::uint32_t CommEvent() const { return commEvent_; }
    std::uint32_t WrittenBytes() const { return writtenBytes_; }

    // Events; each runs on the main thread with this component as Sender. Assign a
    // handler (or nullptr) like a std::function.
    TSerialEvent<TNotifyEvent> OnCommEvent;
    TSerialEvent<TNotifyEvent> OnCommStat;
    TSerialEvent<TNotifyEvent> OnTxQueueEmptyEvent;
    TSerialEvent<TNotifyEvent> OnWriteDone;
    TSerialEvent<TNotifyEvent> OnBreakEvent;
    TSerialEvent<TNotifyEvent> OnCTSEvent;
    TSerialEvent<TNotifyEvent> OnDSREvent;
    TSerialEvent<TNotifyEvent> OnLineErrorEvent;
    TSerialEvent<TNotifyEvent> OnRingEvent;
    TSerialEvent<TNotifyEvent> OnRIEvent;
    TSerialEvent<TNotifyEvent> OnRLSDEvent;
    TSerialEvent<TNotifyEvent> OnRxClusterEvent;
    TSerialEvent<TNotifyEvent> OnRxCharEvent;
    TSerialEvent<TNotifyEvent> OnRxEventCharEvent;
    TSerialEvent<TNotifyErrorEvent> OnProcessError;

    // Writes count bytes under the write time-out; the bytes are copied.
    void SendData(const void* buffer, std::uint32_t count);
    // SendData with the bytes of s; an empty s sends nothing.
    void SendString(std::string_view s);
    // Removes the oldest received cluster and returns its bytes; empty when none is queued.
    std::string ReadNextClusterAsString();
    // The oldest received cluster without removing it (for its Error flags), or null.
    const TSerialCluster* NextCluster() const;
    std::size_t ClusterCount() const { return clusters_.size(); }

    // Reports through OnProcessError when Noise is at most ErrorNoise, a handler is
    // assigned and the component is not being destroyed.
    void ProcessError(std::uint32_t place, std::uint32_t code, std::uint8_t noise, const std::string& msg);

    // The operating system's reason why the last open failed, empty after a good open.
    const std::string& LastOpenErrorText() const { return lastOpenErrorText_; }
    // The worker serves the open port (worker-running flag).
    bool WorkerRunning() const { return workerRunning_; }

    // How the backend for a port name is made; by default SerialDeviceFactory::Create.
    // Tests put scripted devices in here. Set it while the port is closed.
    void SetDeviceCreator(SerialDeviceCreator creator);

private:
    friend class TWorkThread;

    void ReactivatePort(bool newActive);
    void ClosePort();
    void OpenPort();
    void ApplyCommState();
    void AutoSetXTO();
    void ApplyIfOpen();
    std::uint32_t DriveLine(SerialLine line, std::uint32_t place, const char* msg);
    void SetQueueSizes(std::uint32_t place);
    void FireEvent(const TSerialEvent<TNotifyEvent>& event);
    void AppendCluster(TSerialCluster&& cluster);
    void ReleaseRetiredDevices();

    HandOverQueue& queue_;
    SerialDeviceCreator deviceCreator_;

    // The open device belongs to the main thread; the worker reaches it through
    // workerDevice_. Closed devices stay alive until the worker cannot hold them any more.
    std::unique_ptr<SerialDevice> device_;
    std::atomic<SerialDevice*> workerDevice_{nullptr};
    std::vector<std::unique_ptr<SerialDevice>> retiredDevices_;

    // Settings: written by the main thread, read by the worker.
    std::atomic<bool> active_{false};
    std::string commPort_ = "COM2";
    std::atomic<std::uint32_t> baudRate_{9600};
    std::atomic<std::uint8_t> parityType_{0};
    std::atomic<char> parityErrorChar_{0};
    std::atomic<bool> parityErrorReplacement_{false};
    std::atomic<std::uint8_t> stopBits_{0};
    std::atomic<std::uint8_t> dataBits_{8};
    std::atomic<char> xonChar_{17};
    std::atomic<char> xoffChar_{19};
    std::atomic<std::uint8_t> xonLimDiv_{33};
    std::atomic<std::uint8_t> xoffLimDiv_{33};
    std::atomic<std::int32_t> flowControl_{0};
    std::atomic<bool> stripNullChars_{false};
    std::atomic<char> eventChar_{0};
    std::atomic<std::uint32_t> rtoCharDelayTime_{1100};
    std::atomic<std::uint16_t> rtoExtraDelayTime_{250};
    std::atomic<std::uint16_t> clusterSize_{3072};
    std::atomic<std::uint16_t> rxQueueSize_{4096};
    std::atomic<std::uint16_t> txQueueSize_{4096};
    std::atomic<std::uint32_t> wtoCharDelayTime_{1100};
    std::atomic<std::uint16_t> wtoExtraDelayTime_{250};
    std::atomic<bool> xtoAuto_{true};
    std::atomic<bool> rtsState_{true};
    std::atomic<bool> dtrState_{true};
    std::atomic<bool> breakState_{false};
    std::atomic<std::uint8_t> errorNoise_{255};
    std::atomic<bool> readRequest_{false};

    // Status: written by the worker (SendInProgress also set by SendData).
    std::atomic<bool> ctsState_{false};
    std::atomic<bool> dsrState_{false};
    std::atomic<bool> rlsdState_{false};
    std::atomic<bool> ringState_{false};
    std::atomic<bool> sendInProgress_{false};
    std::atomic<std::uint32_t> commError_{0};
    std::atomic<TComStateFlags> commStateFlags_{0};
    std::atomic<std::uint32_t> commStateInQueue_{0};
    std::atomic<std::uint32_t> commStateOutQueue_{0};
    std::atomic<std::uint32_t> modemState_{0};
    std::atomic<std::uint32_t> commEvent_{0};
    std::atomic<std::uint32_t> writtenBytes_{0};

    // The current write: its bytes (kept until the next write), count and start tick.
    std::vector<std::uint8_t> writeBuffer_;
    std::vector<std::uint8_t> previousWriteBuffer_;
    std::atomic<std::uint32_t> writeCount_{0};
    std::atomic<std::uint32_t> writeStartTick_{0};
    std::atomic<std::uint32_t> lastWriteError_{0};

    std::atomic<bool> workerRunning_{false};
    std::atomic<bool> workerFinished_{false};
    std::atomic<bool> destroying_{false};
    int workerStepsRunning_ = 0; // main thread: handed-over steps of our worker now running
    std::string lastOpenErrorText_;
    std::uint32_t lastRtsError_ = 0;

    // Touched on the main thread only.
    std::deque<TSerialCluster> clusters_;

    std::unique_ptr<TWorkThread> worker_;
};

} // namespace zeft
