#pragma once

#include "serial/virtual/VirtualSender.h"

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>

namespace zeft {

// How a production line runs: the time a programmed sender stays and the time until the
// next one comes, and the faults of chosen senders (1 for the first).
struct VirtualProductionLineSetup {
    int paceMs = 2000;
    std::map<int, VirtualSenderFaults> senderFaults;
};

// A workshop's bench as the far end of the virtual port: one sender at a time, each new
// one with the default settings. A sender that heard a set command goes away one pace
// after its power went off (programmed and read back, or given up on); the next one comes
// one pace later, powered at once if RTS is on. Thread-safe: tests choose the next
// sender's faults while the port's worker talks to the line.
class VirtualProductionLine : public VirtualLine {
public:
    explicit VirtualProductionLine(VirtualProductionLineSetup setup = {});

    void SetBaudRate(std::uint32_t baudRate) override;
    void SetPower(bool on, std::int64_t nowUs) override;
    bool Powered() const override;
    void Receive(std::string_view bytes, std::int64_t nowUs) override;
    void Collect(std::int64_t nowUs, std::string& out) override;
    std::optional<std::int64_t> NextDueUs() const override;
    // The line has RTS: senders never announce themselves unasked.
    void SetIdleAnnouncement(int, std::int64_t) override {}
    // The present sender's, or the defaults while none is there.
    VirtualSenderSettings Settings() const override;
    int CommandsReceived() const override;
    // The line's own: it always has RTS.
    VirtualSenderFaults Faults() const override { return {}; }

    // The sender that comes next has these faults, whatever its number.
    void SetNextSenderFaults(const VirtualSenderFaults& faults);
    // The number of the sender on the line now, 0 while there is none.
    int SenderNumber() const;

private:
    void AdvanceLocked(std::int64_t nowUs);
    void ArriveLocked(std::int64_t atUs);

    mutable std::mutex mutex_;
    std::int64_t paceUs_;
    std::map<int, VirtualSenderFaults> senderFaults_;
    std::optional<VirtualSenderFaults> nextFaults_;
    std::unique_ptr<VirtualSender> sender_;
    int number_ = 0; // of the present sender, or of the last one gone
    std::uint32_t baudRate_ = 9600;
    bool powered_ = false;
    bool programmed_ = false; // the present sender heard a set command
    std::optional<std::int64_t> leaveUs_;
    std::optional<std::int64_t> arriveUs_;
};

} // namespace zeft
