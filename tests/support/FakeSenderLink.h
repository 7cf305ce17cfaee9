#pragma once

#include "seams/SenderLink.h"

#include <deque>
#include <string>
#include <vector>

namespace zeft::testing {

// The serial component as the exchange engine sees it: a port that is open or not, an
// RTS line whose every change is recorded, the texts sent and a queue of clusters that
// the test fills.
class FakeSenderLink : public SenderLink {
public:
    bool Active() const override { return active; }
    void SetRTSState(bool raised) override;
    bool RTSSwitchable() const override { return !rtsRefused; }
    void SendString(const std::string& text) override;
    std::string ReadNextClusterAsString() override;
    std::string PortProblem() const override { return portProblem; }

    // Everything sent, concatenated.
    std::string AllSent() const;

    bool active = true;
    bool rts = false;
    bool rtsRefused = false; // a port without RTS: switching it fails and changes nothing
    std::string portProblem;
    std::vector<bool> rtsChanges;
    std::vector<std::string> sent;
    std::deque<std::string> clusters;
};

} // namespace zeft::testing
