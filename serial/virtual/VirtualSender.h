#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zeft {

// Ways the virtual sender misbehaves, for tests and demonstrations.
struct VirtualSenderFaults {
    bool silent = false;        // never says anything
    bool oldFirmware = false;   // answers every set command with "Invalid command"
    bool firstReplyD = false;   // replies start with their word ("Done", "KOV"), nothing before
    bool doubledK = false;      // identifies itself as "KKOV"
    bool noise = false;         // junk between the fields of the listing
    bool splitBursts = false;   // the listing in small bursts with pauses under 150 ms
    int stopAfterCommands = -1; // answers only this many commands, then stays quiet (-1: never)
    int replyDelayMs = 0;       // extra time before every reply (a slow sender)
    bool noRts = false;         // on a line without RTS: always powered, RTS and DTR refused
    bool keepsSettings = false; // says "Done" to every set command and keeps what it had
};

// The sender's eight settings as it stores them: codes and values as text, in the order
// of its listing (output type, fluid type, top, bottom, levels A to D).
using VirtualSenderSettings = std::array<std::string, 8>;
VirtualSenderSettings DefaultVirtualSenderSettings();

// A tank level sender on the far end of a serial line, as a timed simulation. RTS is its
// power: powered up, it announces itself after 50 to 150 ms; powered off, it stops talking
// and whatever it had not sent yet is lost. It answers "++++", "+RST" CR and the eight set
// commands, and keeps its settings while it lives (the settings object may be shared, so
// that they outlive one port). Bytes leave at the pace of the baud rate, ten bits each.
//
// Time is given by the caller in microseconds of any steady clock, never going back, so
// that tests can run it without waiting. Not thread-safe: its owner serialises calls.
class VirtualSender {
public:
    explicit VirtualSender(VirtualSenderFaults faults = {}, std::shared_ptr<VirtualSenderSettings> settings = nullptr);

    void SetBaudRate(std::uint32_t baudRate);
    // RTS: true powers the sender.
    void SetPower(bool on, std::int64_t nowUs);
    bool Powered() const { return powered_; }
    // Bytes the program wrote, arriving at the line's pace from nowUs on.
    void Receive(std::string_view bytes, std::int64_t nowUs);
    // Appends to out every byte whose transmission has ended by nowUs.
    void Collect(std::int64_t nowUs, std::string& out);
    // When the next byte will have been sent (or the next announcement is due); none when
    // the sender has nothing to say.
    std::optional<std::int64_t> NextDueUs() const;

    // Where no RTS exists (a pseudo-terminal), the sender stays powered and announces
    // itself again after this long without traffic. 0 switches it off.
    void SetIdleAnnouncement(int periodMs, std::int64_t nowUs);

    const VirtualSenderSettings& Settings() const { return *settings_; }
    int CommandsReceived() const { return commandsReceived_; }
    const VirtualSenderFaults& Faults() const { return faults_; }

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
