#pragma once

#include "serial/HandOverQueue.h"
#include "serial/SerialCluster.h"
#include "serial/SerialEvent.h"
#include "serial/SerialLinkShared.h"
#include "serial/SerialLinkSteps.h"
#include "serial/device/SerialDevice.h"
#include "serial/settings/PortSettings.h"

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
class TSerialLink : private SerialLinkSteps {
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
    bool Active() const { return shared_.active; }
    void SetActive(bool value);
    std::uint32_t ComHandle() const;
    const std::string& CommPort() const { return settings_.CommPort; }
    void SetCommPort(const std::string& value);
    std::uint32_t BaudRate() const { return settings_.BaudRate; }
    void SetBaudRate(std::uint32_t value);
    std::uint8_t ParityType() const { return settings_.ParityType; }
    void SetParityType(std::uint8_t value);
    char ParityErrorChar() const { return settings_.ParityErrorChar; }
    void SetParityErrorChar(char value);
    bool ParityErrorReplacement() const { return settings_.ParityErrorReplacement; }
    void SetParityErrorReplacement(bool value);
    std::uint8_t StopBits() const { return settings_.StopBits; }
    void SetStopBits(std::uint8_t value);
    std::uint8_t DataBits() const { return settings_.DataBits; }
    void SetDataBits(std::uint8_t value);
    char XONChar() const { return settings_.XONChar; }
    void SetXONChar(char value);
    char XOFFChar() const { return settings_.XOFFChar; }
    void SetXOFFChar(char value);
    std::uint8_t XONLimDiv() const { return settings_.XONLimDiv; }
    void SetXONLimDiv(std::uint8_t value);
    std::uint8_t XOFFLimDiv() const { return settings_.XOFFLimDiv; }
    void SetXOFFLimDiv(std::uint8_t value);
    std::int32_t FlowControl() const { return settings_.FlowControl; }
    void SetFlowControl(std::int32_t value);
    bool StripNullChars() const { return settings_.StripNullChars; }
    void SetStripNullChars(bool value);
    char EventChar() const { return settings_.EventChar; }
    void SetEventChar(char value);
    std::uint32_t RTOCharDelayTime() const { return settings_.RTOCharDelayTime; }
    void SetRTOCharDelayTime(std::uint32_t value);
    std::uint16_t RTOExtraDelayTime() const { return settings_.RTOExtraDelayTime; }
    void SetRTOExtraDelayTime(std::uint16_t value);
    std::uint16_t ClusterSize() const { return settings_.ClusterSize; }
    void SetClusterSize(std::uint16_t value); // always stored
    std::uint16_t RxQueueSize() const { return settings_.RxQueueSize; }
    void SetRxQueueSize(std::uint16_t value);
    std::uint16_t TxQueueSize() const { return settings_.TxQueueSize; }
    void SetTxQueueSize(std::uint16_t value);
    std::uint32_t WTOCharDelayTime() const { return settings_.WTOCharDelayTime; }
    void SetWTOCharDelayTime(std::uint32_t value);
    std::uint16_t WTOExtraDelayTime() const { return settings_.WTOExtraDelayTime; }
    void SetWTOExtraDelayTime(std::uint16_t value);
    bool XTOAuto() const { return settings_.XTOAuto; }
    void SetXTOAuto(bool value);
    bool RTSState() const { return settings_.RTSState; }
    void SetRTSState(bool value); // drives the line while open (always), ignored while closed
    // The platform's code of the last RTS switch the open port refused (a port without
    // modem lines, such as a pseudo-terminal), 0 when the last switch went through.
    std::uint32_t LastRTSError() const { return lastRtsError_; }
    bool DTRState() const { return settings_.DTRState; }
    void SetDTRState(bool value);
    bool BREAKState() const { return settings_.BREAKState; }
    void SetBREAKState(bool value);
    bool CTSState() const { return shared_.ctsState; }
    bool DSRState() const { return shared_.dsrState; }
    bool RLSDState() const { return shared_.rlsdState; }
    bool RingState() const { return shared_.ringState; }
    std::uint8_t ErrorNoise() const { return settings_.ErrorNoise; }
    void SetErrorNoise(std::uint8_t value); // always stored
    bool ReadRequest() const { return shared_.readRequest; }
    void SetReadRequest(bool value); // always stored

    // Takes stored settings (every value but Active) without the setters' side effects:
    // nothing reaches an open device, XTOAuto recomputes nothing, the buffer sizes are not
    // passed on and the XON/XOFF dividers are not limited. ParityErrorChar still goes
    // through its setter. The values take effect at the next open.
    void StoreSettingsDirectly(const PortSettings& values);
    // Every setting at once, Active included.
    PortSettings Settings() const;
    bool SendInProgress() const { return shared_.sendInProgress; }
    std::uint32_t CommError() const { return shared_.commError; }
    TComStateFlags CommStateFlags() const { return shared_.commStateFlags; }
    std::uint32_t CommStateInQueue() const { return shared_.commStateInQueue; }
    std::uint32_t CommStateOutQueue() const { return shared_.commStateOutQueue; }
    std::uint32_t ModemState() const { return shared_.modemState; }
    std::uint32_t CommEvent() const { return shared_.commEvent; }
    std::uint32_t WrittenBytes() const { return shared_.writtenBytes; }

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
    bool WorkerRunning() const { return shared_.workerRunning; }

    // How the backend for a port name is made; by default SerialDeviceFactory::Create.
    // Tests put scripted devices in here. Set it while the port is closed.
    void SetDeviceCreator(SerialDeviceCreator creator);

private:
    void ReactivatePort(bool newActive);
    void ClosePort();
    void OpenPort();
    void ApplyCommState();
    void AutoSetXTO();
    void ApplyIfOpen();
    // Sets one setting and passes the settings on to the worker; false when it had the value.
    template <typename T> bool ChangeSetting(T PortSettings::*member, T value);
    std::uint32_t DriveLine(SerialLine line, std::uint32_t place, const char* msg);
    void SetQueueSizes(std::uint32_t place);
    void FireEvent(const TSerialEvent<TNotifyEvent>& event);
    void ReleaseRetiredDevices();

    // What the worker hands over (SerialLinkSteps.cpp).
    bool Listens(LinkEvent event) const override;
    bool ListensToLineEvents(std::uint32_t mask) const override;
    bool ListensToReports() const override;
    void Fire(LinkEvent event) override;
    void FireLineEvents(std::uint32_t mask) override;
    void AppendCluster(TSerialCluster&& cluster) override;
    void Report(std::uint32_t place, std::uint32_t code, const std::string& msg) override;

    // The settings, main thread only; the worker reads the copy in shared_. Active is not
    // kept here but in shared_, which the worker watches.
    PortSettings settings_;
    // What both threads touch.
    SerialLinkShared shared_;
    SerialDeviceCreator deviceCreator_;

    // The open device belongs to the main thread; the worker reaches it through
    // shared_.device. Closed devices stay alive until the worker cannot hold them any more.
    std::unique_ptr<SerialDevice> device_;
    std::vector<std::unique_ptr<SerialDevice>> retiredDevices_;

    // The current write's bytes (kept until the next write) and the one before.
    std::vector<std::uint8_t> writeBuffer_;
    std::vector<std::uint8_t> previousWriteBuffer_;

    std::string lastOpenErrorText_;
    std::uint32_t lastRtsError_ = 0;

    // Touched on the main thread only.
    std::deque<TSerialCluster> clusters_;

    std::unique_ptr<TWorkThread> worker_;
};

} // namespace zeft
