#include "serial/virtual/VirtualSender.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace zeft {
namespace {

constexpr std::int64_t kUsPerMs = 1000;
// Time the sender takes to act on a command before it starts answering.
constexpr std::int64_t kThinkUs = 2 * kUsPerMs;
// A command line longer than this is junk; keep only its end.
constexpr std::size_t kMaxLine = 256;

constexpr std::string_view kRequestListing = "++++";
constexpr std::string_view kRestoreDefaults = "+RST";
// The set commands in listing order: prefix i stores setting i.
constexpr std::array<std::string_view, 8> kSetPrefixes = {"+SOT", "+SFT", "+STL", "+SBL",
                                                          "+SLA", "+SLB", "+SLC", "+SLD"};

// Junk between listing fields: no capital letter, so it can never look like a key letter.
constexpr std::string_view kNoise = "~*# ..\x01 x=7 ";

} // namespace

VirtualSenderSettings DefaultVirtualSenderSettings() {
    return {"0", "0", "10", "2000", "20", "40", "60", "80"};
}

VirtualSender::VirtualSender(VirtualSenderFaults faults, std::shared_ptr<VirtualSenderSettings> settings)
    : faults_(faults), settings_(settings ? std::move(settings)
                                          : std::make_shared<VirtualSenderSettings>(DefaultVirtualSenderSettings())) {}

void VirtualSender::SetBaudRate(std::uint32_t baudRate) {
    baudRate_ = baudRate == 0 ? 1 : baudRate;
}

std::int64_t VirtualSender::CharUs() const {
    // Start bit, eight data bits, stop bit.
    return std::max<std::int64_t>(1, (10 * 1'000'000 + baudRate_ - 1) / baudRate_);
}

std::int64_t VirtualSender::PowerUpDelayUs() {
    // 50 to 150 ms, different from one power-up to the next but repeatable.
    return (50 + static_cast<std::int64_t>((powerUps_ * 37U) % 101U)) * kUsPerMs;
}

void VirtualSender::SetPower(bool on, std::int64_t nowUs) {
    if (on == powered_) {
        return;
    }
    powered_ = on;
    line_.clear();
    lastActivityUs_ = nowUs;
    if (on) {
        ++powerUps_;
        if (!faults_.silent) {
            Say("\r\n" + Identification() + "\r\n", nowUs + PowerUpDelayUs());
        }
        return;
    }
    // What has left the line stays with the receiver; the rest dies with the power.
    while (!output_.empty() && output_.back().doneUs > nowUs) {
        output_.pop_back();
    }
    lineFreeUs_ = output_.empty() ? nowUs : output_.back().doneUs;
}

void VirtualSender::SetIdleAnnouncement(int periodMs, std::int64_t nowUs) {
    idlePeriodMs_ = periodMs;
    if (periodMs > 0) {
        powered_ = true;
        lastActivityUs_ = nowUs;
    }
}

void VirtualSender::Receive(std::string_view bytes, std::int64_t nowUs) {
    for (char c : bytes) {
        const std::int64_t arrivedUs = std::max(inputFreeUs_, nowUs) + CharUs();
        inputFreeUs_ = arrivedUs;
        lastActivityUs_ = arrivedUs;
        if (!powered_) {
            continue;
        }
        line_.push_back(c);
        if (line_.size() >= kRequestListing.size() &&
            std::string_view(line_).substr(line_.size() - kRequestListing.size()) == kRequestListing) {
            line_.clear();
            Command(std::string(kRequestListing), arrivedUs);
        } else if (c == '\r') {
            std::string line = std::move(line_);
            line_.clear();
            line.pop_back();
            Command(line, arrivedUs);
        } else if (line_.size() > kMaxLine) {
            line_.erase(0, line_.size() - kMaxLine);
        }
    }
}

void VirtualSender::Command(const std::string& line, std::int64_t atUs) {
    // A line without a command in it (a stray line end) is not answered.
    if (line.find('+') == std::string::npos) {
        return;
    }
    ++commandsReceived_;
    if (faults_.silent || (faults_.stopAfterCommands >= 0 && commandsReceived_ > faults_.stopAfterCommands)) {
        return;
    }
    const std::int64_t replyUs = atUs + kThinkUs + faults_.replyDelayMs * kUsPerMs;
    if (line == kRequestListing) {
        SayListing(replyUs);
        return;
    }
    // The command starts at its "+"; whatever came before it on the line is ignored.
    for (std::size_t at = line.find('+'); at != std::string::npos; at = line.find('+', at + 1)) {
        const std::string_view prefix = std::string_view(line).substr(at, 4);
        if (prefix == kRestoreDefaults) {
            *settings_ = DefaultVirtualSenderSettings();
            SayListing(replyUs);
            return;
        }
        const auto found = std::find(kSetPrefixes.begin(), kSetPrefixes.end(), prefix);
        if (found == kSetPrefixes.end()) {
            continue;
        }
        const std::string command = line.substr(at);
        if (faults_.firstReplyD) {
            // No echo and no line end first: the reply opens with the "D" itself.
            (*settings_)[static_cast<std::size_t>(found - kSetPrefixes.begin())] = command.substr(4);
            Say("Done\r\n", replyUs);
            return;
        }
        if (faults_.oldFirmware) {
            Say(command + "\r\r\nInvalid command\r\n", replyUs);
            return;
        }
        if (!faults_.forgetful) {
            (*settings_)[static_cast<std::size_t>(found - kSetPrefixes.begin())] = command.substr(4);
        }
        Say(command + "\r\r\nDone\r\n", replyUs);
        return;
    }
    Say("\r\nInvalid command\r\n", replyUs);
}

std::string VirtualSender::Identification() const {
    return faults_.doubledK ? "KKOV" : "KOV";
}

std::string VirtualSender::Lead() const {
    return faults_.firstReplyD ? "" : "\r\n";
}

void VirtualSender::SayListing(std::int64_t notBeforeUs) {
    const VirtualSenderSettings& s = *settings_;
    const std::string gap = faults_.noise ? std::string(kNoise) : std::string();
    const std::string text = Lead() + Identification() + "\r\n" + gap + "Output Type = " + s[0] + " \r\n" + gap +
                             "Fluid Type = " + s[1] + " \r\n" + gap + "Top Limit = " + s[2] + "\r\n" + gap +
                             "Bottom Limit = " + s[3] + "\r\n" + gap + "Linear Levels = " + s[4] + ", " + s[5] + ", " +
                             s[6] + ", " + s[7] + ", \r\n";
    if (!faults_.splitBursts) {
        Say(text, notBeforeUs);
        return;
    }
    // Bursts of a few bytes with pauses of 20 to 100 ms between them: each shorter than a
    // cluster's extra time, but together long enough to split the listing into clusters.
    constexpr std::size_t kBurst = 16;
    std::int64_t startUs = notBeforeUs;
    for (std::size_t at = 0, burst = 0; at < text.size(); at += kBurst, ++burst) {
        Say(std::string_view(text).substr(at, kBurst), startUs);
        startUs = lineFreeUs_ + static_cast<std::int64_t>(20 + (burst * 29) % 81) * kUsPerMs;
    }
}

void VirtualSender::Say(std::string_view text, std::int64_t notBeforeUs) {
    for (char c : text) {
        const std::int64_t doneUs = std::max(lineFreeUs_, notBeforeUs) + CharUs();
        lineFreeUs_ = doneUs;
        output_.push_back({c, doneUs});
    }
}

void VirtualSender::AnnounceIfIdle(std::int64_t nowUs) {
    if (idlePeriodMs_ <= 0 || !output_.empty() || !line_.empty() || faults_.silent) {
        return;
    }
    const std::int64_t dueUs =
        std::max({lastActivityUs_, lineFreeUs_, inputFreeUs_}) + static_cast<std::int64_t>(idlePeriodMs_) * kUsPerMs;
    if (nowUs >= dueUs) {
        lastActivityUs_ = dueUs;
        // The bare word: when it is still on its way as a command goes out, the program
        // takes its "K" for the first reply character and ignores the rest.
        Say(Identification(), dueUs);
    }
}

void VirtualSender::Collect(std::int64_t nowUs, std::string& out) {
    AnnounceIfIdle(nowUs);
    while (!output_.empty() && output_.front().doneUs <= nowUs) {
        out.push_back(output_.front().value);
        output_.pop_front();
    }
}

std::optional<std::int64_t> VirtualSender::NextDueUs() const {
    if (!output_.empty()) {
        return output_.front().doneUs;
    }
    if (idlePeriodMs_ > 0 && line_.empty() && !faults_.silent) {
        return std::max({lastActivityUs_, lineFreeUs_, inputFreeUs_}) +
               static_cast<std::int64_t>(idlePeriodMs_) * kUsPerMs;
    }
    return std::nullopt;
}

} // namespace zeft
