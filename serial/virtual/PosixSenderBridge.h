#pragma once

#include "serial/virtual/VirtualSender.h"

#include <atomic>
#include <string>

namespace zeft {

// Runs the virtual sender on the master side of a pseudo-terminal, so that programs open
// its slave like a real serial port. A pseudo-terminal has no RTS: the sender stays
// powered and announces itself every 300 ms while no command is in progress. The pace
// follows the baud rate set on the slave.
class PosixSenderBridge {
public:
    static constexpr int kAnnouncePeriodMs = 300;

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

    VirtualSender sender_;
    int master_ = -1;
    int slave_ = -1; // held open so the master never sees the far end gone
    std::string slavePath_;
    std::atomic<bool> stop_{false};
};

} // namespace zeft
