#pragma once

#ifndef _WIN32

#include "serial/virtual/VirtualSender.h"
#include "tests/support/PseudoTerminal.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <random>
#include <string>
#include <thread>

namespace zeft::testing {

// What goes wrong on the line between the program and a sender behind a pseudo-terminal.
struct LineFaults {
    std::size_t noiseBefore = 0;    // garbage bytes as soon as a command arrives, before the reply
    int noiseInsideEvery = 0;       // a garbage byte after every this many bytes the sender says (0: none)
    std::size_t noiseAfter = 0;     // garbage bytes once the sender has finished a reply
    int vanishAfterReplyBytes = -1; // the far end hangs up after this many bytes following the first command
    std::size_t floodBytes = 0;     // garbage sent as fast as the line takes it when the first command arrives
    std::uint32_t seed = 1;
};

// The virtual sender on the master side of a pseudo-terminal, like the bridge tool, but with
// faults on the line: garbage around and inside replies, a flood, and a far end that hangs up
// (master and slave closed, so the program's side sees POLLHUP/EIO). Serves on its own thread
// from construction to destruction.
class FaultyPtySender {
public:
    explicit FaultyPtySender(LineFaults faults, VirtualSenderFaults senderFaults = {});
    ~FaultyPtySender();
    FaultyPtySender(const FaultyPtySender&) = delete;
    FaultyPtySender& operator=(const FaultyPtySender&) = delete;

    // Empty when the pseudo-terminal could not be made (error() says why).
    const std::string& SlavePath() const { return pty_.SlavePath(); }
    const std::string& Error() const { return pty_.Error(); }
    bool HungUp() const { return hungUp_; }
    std::size_t FloodSent() const { return floodSent_; }

private:
    void Run();
    void Queue(const std::string& bytes);
    void QueueGarbage(std::size_t count);
    void Flush();
    void HangUp();

    LineFaults faults_;
    VirtualSender sender_;
    std::mt19937 random_;
    PseudoTerminal pty_{PseudoTerminal::Slave::HeldRaw};
    std::deque<char> out_;
    std::size_t afterCommand_ = 0; // bytes queued since the first command
    bool commandSeen_ = false;
    bool replying_ = false;
    int sinceNoise_ = 0;
    std::atomic<bool> hungUp_{false};
    std::atomic<std::size_t> floodSent_{0};
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

} // namespace zeft::testing

#endif
