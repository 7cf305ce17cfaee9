#pragma once

#include "cli/CliButtons.h"
#include "cli/ConsoleControls.h"
#include "cli/ConsolePrompts.h"
#include "cli/LineOptions.h"
#include "main/ExchangeEngine.h"
#include "main/SerialSenderLink.h"
#include "serial/CoreMainLoop.h"
#include "serial/SerialLink.h"

#include <chrono>
#include <functional>
#include <string>

namespace zeft::cli {

enum class DeviceOperation { Read, Restore, Program };

// The main window's device side without a window: the serial component, the exchange
// engine over console controls and prompts, and the core main loop that runs them.
class DeviceSession {
public:
    DeviceSession(ConsoleControls& controls, ConsolePrompts& prompts);
    ~DeviceSession();
    DeviceSession(const DeviceSession&) = delete;
    DeviceSession& operator=(const DeviceSession&) = delete;

    // Opens the port with the line settings and drops RTS, as the main window does after
    // its port dialog. On failure shows "Cannot Open COM port!" with the system's reason
    // and returns false.
    bool Open(const std::string& port, const LineOptions& line);

    // Runs one operation as its button would, to its end, or until interrupted() holds
    // (the sender is then switched off); returns the exit status.
    int Run(DeviceOperation operation, const std::function<bool()>& interrupted);

    // Raises or drops RTS (the battery test).
    void SetPower(bool on);
    // Runs the loop until stop() holds or the time is up; another thread may end the wait
    // early with WakeLoop.
    void RunUntil(const std::function<bool()>& stop, std::chrono::milliseconds limit);
    void WakeLoop();

private:
    ConsoleControls& controls_;
    ConsolePrompts& prompts_;
    // Declared in the order they must be built; destroyed the other way round, so the
    // engine lets go of the timer before it goes, and the port closes before the loop.
    CoreMainLoop loop_;
    TSerialLink link_;
    SerialSenderLink senderLink_;
    CoreLoopTimer timer_;
    CliButtons buttons_;
    ExchangeEngine engine_;
};

} // namespace zeft::cli
