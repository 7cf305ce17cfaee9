#pragma once

#include "serial/virtual/VirtualSender.h"

#include <atomic>
#include <string>

namespace zeft {

// Runs the virtual sender on the master side of a pseudo-terminal, so that programs open
// its slave like a real serial port. A pseudo-terminal has no RTS, so the bridge takes a
// program's opening the slave for the power-up: the sender announces itself as it does
// after power-up. While the slave stays open (a program that keeps its port across
// operations), the sender announces itself again after 1.2 s without traffic. That is
// longer than any pause within one operation (the program's own pause after the
// announcement and the time it takes to see a reply end), so no announcement falls into
// a sequence as a reply. The pace follows the baud rate set on the slave.
class PosixSenderBridge {
public:
    static constexpr int kAnnouncePeriodMs = 1200;

    explicit PosixSenderBridge(VirtualSenderFaults faults = {});
    ~PosixSenderBridge();
    PosixSenderBridge(const PosixSenderBridge&) = delete;
    PosixSenderBridge& operator=(const PosixSenderBridge&) = delete;

    // Creates the pair; false with the reason in errorText.
    bool Open(std::string& errorText);
    // The path to open, such as /dev/pts/5.
    const std::string& SlavePath() const { return slavePath_; }
    // Serves the sender until Stop (from any thread or a signal handler).
    void Run();
    void Stop() { stop_ = true; }

    const VirtualSender& Sender() const { return sender_; }

private:
    std::uint32_t SlaveBaudRate() const;
    void Deliver(const std::string& bytes);
    void TakeOpenings(std::int64_t nowUs);

    VirtualSender sender_;
    int master_ = -1;
    int slave_ = -1;    // held open so the master never sees the far end gone
    int openings_ = -1; // inotify: others opening and closing the slave
    int othersOpen_ = 0;
    std::string slavePath_;
    std::atomic<bool> stop_{false};
};

} // namespace zeft
