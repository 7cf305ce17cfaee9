#pragma once

#include "cli/ConsoleControls.h"
#include "cli/ConsolePrompts.h"
#include "cli/LineOptions.h"
#include "main/DeviceSession.h"
#include "main/PlainOperationButtons.h"
#include "main/RecordedSettings.h"
#include "serial/CoreMainLoop.h"
#include "serial/SerialLink.h"

#include <chrono>
#include <functional>
#include <string>
#include <utility>

namespace zeft::cli {

// The main window's device side without a window: the device session over console
// controls and prompts, plain buttons, and the core main loop that runs them and times
// the engine.
class ConsoleDeviceSession {
public:
    ConsoleDeviceSession(ConsoleControls& controls, ConsolePrompts& prompts);
    ConsoleDeviceSession(const ConsoleDeviceSession&) = delete;
    ConsoleDeviceSession& operator=(const ConsoleDeviceSession&) = delete;

    // Opens the port with the line settings, as the main window does after its port
    // dialog. On failure shows "Cannot Open COM port!" with the system's reason and
    // returns false.
    bool Open(const std::string& port, const LineOptions& line);

    // Program Device's checks as its button makes them, before anything reaches the port:
    // the validation (with the top-limit question) and the two lists.
    bool ProgramSettingsAcceptable();
    // The same checks with the validation's boxes and question going to validation instead
    // (a dry run, which sends nothing, answers the question itself).
    bool ProgramSettingsAcceptable(zeft::Prompts& validation);

    // Runs one operation as its button would, to its end, or until interrupted() holds
    // (the sender is then switched off); returns the exit status.
    int Run(DeviceOperation operation, const std::function<bool()>& interrupted);

    // Read Device with the controls' settings kept aside: once it ended they hold again what
    // they held before, and reported holds what the sender reported. Returns the exit status.
    int ReadAside(const std::function<bool()>& interrupted, RecordedSettings& reported);

    // The job label and installer the run's records carry.
    void SetJob(std::string label, std::string installer) { session_.SetJob(std::move(label), std::move(installer)); }

    // Raises or drops RTS (the battery test); false when the port cannot switch it.
    bool SetPower(bool on);
    // Runs the loop until stop() holds or the time is up; another thread may end the wait
    // early with WakeLoop.
    void RunUntil(const std::function<bool()>& stop, std::chrono::milliseconds limit);
    void WakeLoop();

    // For work that runs a session of its own on the same port and loop (program --each).
    TSerialLink& Port() { return link_; }
    CoreMainLoop& Loop() { return loop_; }
    ConsolePrompts& Prompts() { return prompts_; }

private:
    // Waits for the operation started (or refused, when not started) to end, as Run.
    int Await(bool started, const std::function<bool()>& interrupted);

    ConsoleControls& controls_;
    ConsolePrompts& prompts_;
    // Declared in the order they must be built; destroyed the other way round, so the
    // session switches the sender off and lets go of the timer before they go, and the
    // port closes before the loop.
    CoreMainLoop loop_;
    TSerialLink link_;
    CoreLoopTimer timer_;
    PlainOperationButtons buttons_;
    zeft::DeviceSession session_;
};

} // namespace zeft::cli
