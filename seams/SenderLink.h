#pragma once

#include <string>

namespace zeft {

// What the battery test and zeftctl power say when the port refuses to switch RTS.
inline constexpr const char* kCannotSwitchRtsText =
    "This port cannot switch RTS, so it cannot power the programming interface.";

// What the exchange engine needs from the serial component: whether the port is open,
// RTS (which powers the sender), writing a command and taking the received clusters.
// The program plugs TSerialLink in through an adapter; tests use a fake.
class SenderLink {
public:
    virtual ~SenderLink() = default;

    // The port is open.
    virtual bool Active() const = 0;
    // Raises (true) or drops (false) RTS. Ignored while the port is closed.
    virtual void SetRTSState(bool raised) = 0;
    // False when the open port refused the last switch of RTS (a port without modem lines,
    // such as a pseudo-terminal): nothing was powered or switched off.
    virtual bool RTSSwitchable() const { return true; }
    // Writes the text in one piece; an empty text sends nothing.
    virtual void SendString(const std::string& text) = 0;
    // Removes and returns the oldest received cluster as text; empty when none is queued.
    virtual std::string ReadNextClusterAsString() = 0;
    // Why the port is not open now (in the operating system's words when an open failed),
    // for the detail text of "Cannot Open COM port!"; empty when unknown.
    virtual std::string PortProblem() const { return {}; }
};

} // namespace zeft
