#pragma once

#include "serial/virtual/VirtualLine.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zeft {

VirtualSenderSettings DefaultVirtualSenderSettings();

// A tank level sender on the far end of a serial line, as a timed simulation. RTS is its
// power: powered up, it announces itself after 50 to 150 ms; powered off, it stops talking
// and whatever it had not sent yet is lost. It answers "++++", "+RST" CR and the eight set
// commands, and keeps its settings while it lives (the settings object may be shared, so
// that they outlive one port). Bytes leave at the pace of the baud rate, ten bits each.
//
// Time is given by the caller in microseconds of any steady clock, never going back, so
// that tests can run it without waiting. Not thread-safe: its owner serialises calls.
class VirtualSender : public VirtualLine {
public:
    explicit VirtualSender(VirtualSenderFaults faults = {}, std::shared_ptr<VirtualSenderSettings> settings = nullptr);

    void SetBaudRate(std::uint32_t baudRate) override;
    // RTS: true powers the sender.
    void SetPower(bool on, std::int64_t nowUs) override;
    bool Powered() const override { return powered_; }
    // Bytes the program wrote, arriving at the line's pace from nowUs on.
    void Receive(std::string_view bytes, std::int64_t nowUs) override;
    // Appends to out every byte whose transmission has ended by nowUs.
    void Collect(std::int64_t nowUs, std::string& out) override;
    // When the next byte will have been sent (or the next announcement is due); none when
    // the sender has nothing to say.
    std::optional<std::int64_t> NextDueUs() const override;

    // Where no RTS exists (a pseudo-terminal), the sender stays powered and announces
    // itself again after this long without traffic. 0 switches it off.
    void SetIdleAnnouncement(int periodMs, std::int64_t nowUs) override;

    VirtualSenderSettings Settings() const override { return *settings_; }
    int CommandsReceived() const override { return commandsReceived_; }
    VirtualSenderFaults Faults() const override { return faults_; }

private:
    struct Byte {
        char value;
        std::int64_t doneUs;
    };

    void Command(const std::string& line, std::int64_t atUs);
    void Say(std::string_view text, std::int64_t notBeforeUs);
    void SayListing(std::int64_t notBeforeUs);
    std::string Identification() const;
    std::string Lead() const;
    std::int64_t CharUs() const;
    std::int64_t PowerUpDelayUs();
    void AnnounceIfIdle(std::int64_t nowUs);

    VirtualSenderFaults faults_;
    std::shared_ptr<VirtualSenderSettings> settings_;
    std::uint32_t baudRate_ = 9600;
    bool powered_ = false;
    std::deque<Byte> output_;
    std::int64_t lineFreeUs_ = 0;  // when the last queued byte has been sent
    std::int64_t inputFreeUs_ = 0; // when the last received byte has arrived
    std::string line_;
    int commandsReceived_ = 0;
    std::uint32_t powerUps_ = 0;
    int idlePeriodMs_ = 0;
    std::int64_t lastActivityUs_ = 0;
};

} // namespace zeft
