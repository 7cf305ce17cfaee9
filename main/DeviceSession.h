#pragma once

#include "main/ExchangeEngine.h"
#include "main/HistoryRecord.h"
#include "main/OperationRecorder.h"
#include "main/SerialSenderLink.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>

namespace zeft {

class PortSettingsStore;
class TSerialLink;

// What the front end's port choice came to; on Port and NoPort the choice has been put
// into the component's settings.
enum class PortChoice { Cancelled, Port, NoPort };

// Where the component's settings are kept between runs.
struct StoredPortSettings {
    const PortSettingsStore& store;
    std::string key;
    std::string section;
};

// The device side of the main window, shared with the command-line tool: the serial
// component as the link to the sender, the exchange engine over the front end's controls,
// buttons, prompts and timer, and the one way the port is opened and closed for them.
// The front end keeps the component (and its settings) and forwards nothing: the session
// takes the component's received clusters and the engine the timer's ticks. Another
// session may borrow the component for a while (a production run inside the window); once
// that one has gone, TakeBackPort makes this one the receiver again.
class DeviceSession {
public:
    DeviceSession(TSerialLink& port, SettingsControls& controls, OperationButtons& buttons, Prompts& prompts,
                  IntervalTimer& timer);
    // Switches the sender off and lets go of the component's receive event.
    ~DeviceSession();
    DeviceSession(const DeviceSession&) = delete;
    DeviceSession& operator=(const DeviceSession&) = delete;

    // Opens the port with the component's settings and drops RTS: opening raises it, and
    // the sender stays unpowered until an operation needs it. On failure shows
    // "Cannot Open COM port!" with the system's reason, which the operations repeat.
    // Returns whether the port is open.
    bool Open();
    // Closes the port (or keeps it closed) for a reason that the operations then show
    // under "Cannot Open COM port!".
    void Close(std::string reason);
    // As Close, and shows "Cannot Open COM port!" with the reason at once.
    void CloseAndWarn(std::string reason);

    // The start-up port sequence, also run for the port settings: the exchange starts
    // afresh, the stored settings (when given) go into the component, and the port is
    // closed, for the reason that the port settings were cancelled, while choose asks for
    // a port. A choice is stored; its port is opened, or with no port in it the port stays
    // closed and "Cannot Open COM port!" says that none was selected. Returns whether the
    // port is open.
    bool ChoosePort(const StoredPortSettings* stored, const std::function<PortChoice()>& choose);

    // Words put after the system's reason when the port does not open, pointing to where
    // the front end finds the cause and its fix; none when empty.
    void SetOpenFailurePointer(std::string pointer) { openFailurePointer_ = std::move(pointer); }

    // Starts an operation as its button does (ignored while one runs); false when it was
    // refused before any port activity, and Outcome says why.
    bool Start(DeviceOperation operation);

    // Read Device with the controls' settings kept aside (comparing with the sender, the
    // read before a program): the read writes the sender's settings into the controls as
    // any read does, and at its end, recorded as read, the controls get back what they held
    // and ended hears what the sender reported (with Outcome saying whether the read
    // succeeded). The controls are off meanwhile, so that nothing typed is lost. False, and
    // ended is never called, when the read is refused before it starts.
    bool StartReadAside(std::function<void(const RecordedSettings& reported)> ended);

    // Every operation started from now on appends its record to the history file, as made
    // by source; warn hears of a record that could not be written. Without this call the
    // records are kept for this run only.
    void RecordInto(std::filesystem::path file, std::string source, OperationRecorder::Warn warn);
    // This run's records, oldest first.
    const std::vector<HistoryRecord>& Records() const { return recorder_.Records(); }
    // The job label and installer every record from now on carries.
    void SetJob(std::string label, std::string installer) { recorder_.SetJob(std::move(label), std::move(installer)); }
    // The read a program now would be recorded over; none after a program, a restore, a
    // failed read or an open or close of the port.
    const std::optional<OperationRecorder::AsFoundRead>& AsFound() const { return recorder_.AsFound(); }
    // The job label and the unit number that the records carry from now on.
    void SetRecordLabel(std::string label) { recorder_.SetLabel(std::move(label)); }
    void SetRecordUnit(std::optional<int> unit) { recorder_.SetUnit(unit); }

    // Receives the component's clusters again after another session borrowed it.
    void TakeBackPort();

    // Told of every received cluster while no operation runs, which the engine would drop:
    // a production run listens for the next sender's identification there.
    std::function<void(const std::string& cluster)> OnIdleReceive;

    // Told when an operation has ended and its record is made; Outcome() says how.
    std::function<void(DeviceOperation)> OnOperationEnded;

    SenderLink& Link() { return link_; }
    ExchangeEngine& Engine() { return engine_; }
    const ExchangeEngine& Engine() const { return engine_; }
    ExchangeOutcome Outcome() const { return engine_.Outcome(); }

private:
    void EndReadAside();

    TSerialLink& port_;
    SettingsControls& controls_;
    Prompts& prompts_;
    OperationRecorder recorder_;
    SerialSenderLink link_;
    ExchangeEngine engine_;
    std::string openFailurePointer_;
    // While a read aside runs: what the controls held, and who hears of its end.
    std::optional<RecordedSettings> asideKept_;
    std::function<void(const RecordedSettings&)> asideEnded_;
};

} // namespace zeft
