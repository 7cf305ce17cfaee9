#include "tests/support/FakeSenderLink.h"

namespace zeft::testing {

void FakeSenderLink::SetRTSState(bool raised) {
    // Like the component: RTS cannot change while the port is closed.
    if (!active || rtsRefused) {
        return;
    }
    rts = raised;
    rtsChanges.push_back(raised);
}

void FakeSenderLink::SendString(const std::string& text) {
    if (!text.empty()) {
        sent.push_back(text);
    }
}

std::string FakeSenderLink::ReadNextClusterAsString() {
    if (clusters.empty()) {
        return {};
    }
    std::string text = clusters.front();
    clusters.pop_front();
    return text;
}

std::string FakeSenderLink::AllSent() const {
    std::string all;
    for (const std::string& text : sent) {
        all += text;
    }
    return all;
}

} // namespace zeft::testing
