#pragma once

#include "main/SenderLink.h"

namespace zeft {

class TSerialLink;

// The serial component as the exchange engine's link to the sender.
class SerialSenderLink : public SenderLink {
public:
    explicit SerialSenderLink(TSerialLink& serialLink) : serialLink_(serialLink) {}

    bool Active() const override;
    void SetRTSState(bool raised) override;
    void SendString(const std::string& text) override;
    std::string ReadNextClusterAsString() override;
    std::string PortProblem() const override;

private:
    TSerialLink& serialLink_;
};

} // namespace zeft
