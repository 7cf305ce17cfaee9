#pragma once

#include "main/ExchangeEngine.h"
#include "main/OperationRecorder.h"
#include "main/SerialSenderLink.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>

namespace zeft {

class TSerialLink;

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

    // Words put after the system's reason when the port does not open, pointing to where
    // the front end finds the cause and its fix; none when empty.
    void SetOpenFailurePointer(std::string pointer) { openFailurePointer_ = std::move(pointer); }

    // Starts an operation as its button does (ignored while one runs); false when it was
    // refused before any port activity, and Outcome says why.
    bool Start(DeviceOperation operation);

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
    TSerialLink& port_;
    SettingsControls& controls_;
    Prompts& prompts_;
    OperationRecorder recorder_;
    SerialSenderLink link_;
    ExchangeEngine engine_;
    std::string openFailurePointer_;
};

} // namespace zeft
