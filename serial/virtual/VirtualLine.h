#pragma once

#include "serial/virtual/VirtualSenderFaults.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zeft {

// The sender's eight settings as it stores them: codes and values as text, in the order
// of its listing (output type, fluid type, top, bottom, levels A to D).
using VirtualSenderSettings = std::array<std::string, 8>;

// What sits at the far end of the virtual port's wire: one sender, or a production line
// on which senders come and go. Time is given by the caller in microseconds of any steady
// clock, never going back. Not thread-safe unless the implementation says so.
class VirtualLine {
public:
    virtual ~VirtualLine() = default;

    virtual void SetBaudRate(std::uint32_t baudRate) = 0;
    // RTS: true powers the sender.
    virtual void SetPower(bool on, std::int64_t nowUs) = 0;
    virtual bool Powered() const = 0;
    // Bytes the program wrote, arriving at the line's pace from nowUs on.
    virtual void Receive(std::string_view bytes, std::int64_t nowUs) = 0;
    // Appends to out every byte whose transmission has ended by nowUs.
    virtual void Collect(std::int64_t nowUs, std::string& out) = 0;
    // When the next byte will have been sent (or something else is due that may make the
    // sender talk); none when there is nothing to wait for.
    virtual std::optional<std::int64_t> NextDueUs() const = 0;
    // Where no RTS exists, the sender stays powered and announces itself again after this
    // long without traffic. 0 switches it off.
    virtual void SetIdleAnnouncement(int periodMs, std::int64_t nowUs) = 0;

    virtual VirtualSenderSettings Settings() const = 0;
    virtual int CommandsReceived() const = 0;
    virtual VirtualSenderFaults Faults() const = 0;
};

} // namespace zeft
