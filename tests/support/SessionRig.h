#pragma once

#include "main/DeviceSession.h"
#include "main/ExchangeEngine.h"
#include "main/PlainOperationButtons.h"
#include "main/PlainSettingsControls.h"
#include "serial/CoreMainLoop.h"
#include "serial/HandOverQueue.h"
#include "serial/SerialLink.h"
#include "tests/support/ScaledTimer.h"
#include "tests/support/ScriptedPrompts.h"

#include <chrono>
#include <cstdint>
#include <string>

namespace zeft::testing {

// The engine over a real port as the main window has it: the serial component and the
// device session over it, with plain controls and buttons, scripted prompts and a timer
// (intervals divided by timeDivisor) on a main loop that may serve several stations.
class SessionStation {
public:
    SessionStation(HandOverQueue& queue, CoreMainLoop& loop, int timeDivisor = 1);
    SessionStation(const SessionStation&) = delete;
    SessionStation& operator=(const SessionStation&) = delete;

    // Opens the port through the session at the given rate; whether it is open.
    bool Open(const std::string& name, std::uint32_t baudRate);
    // Clicks the operation's button and runs the loop until the operation ends; false when
    // it did not within the limit. took, when given, receives the time it took.
    bool Run(void (ExchangeEngine::*click)(), std::chrono::milliseconds limit,
             std::chrono::steady_clock::duration* took = nullptr);
    // The state every end leaves behind: nothing running, the timer stopped, the buttons
    // back and idle, RTS low.
    void ExpectIdle() const;
    // Forgets the boxes and the status text shown so far.
    void Clear();

    CoreMainLoop& loop;
    ScaledTimer timer;
    PlainSettingsControls controls;
    PlainOperationButtons buttons;
    ScriptedPrompts prompts;
    // Closed last: the session lets go of its receive event and switches the sender off first.
    TSerialLink link;
    DeviceSession session;
    ExchangeEngine& engine;
};

struct RigLoop {
    HandOverQueue queue;
    CoreMainLoop loop{queue};
};

// One program's worth of parts: a station on a main loop of its own.
class SessionRig : public RigLoop, public SessionStation {
public:
    explicit SessionRig(int timeDivisor = 1) : SessionStation(queue, RigLoop::loop, timeDivisor) {}
    using SessionStation::loop;
};

} // namespace zeft::testing
